#include "platform/Tarmel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace sylvanor {

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
const d_TarmelFixed kFixed{1, 70, {1, 1, 1, 1, 1, 1}, 1};

d_TarmelResult Volume(const std::string& id, float dbh = 10, float height = 40, float top = 2) {
  return TARMELVOLUME(id, dbh, height, top, kFixed);
}

void ExpectAllZero(const d_TarmelResult& r) {
  for (float v : r.Vol)
    EXPECT_EQ(v, 0.0f);
}

TEST(TarmelVolume, JuniperConeByHand) {
  // species 999 is a cone (r = 2) with k = 0.9: for D 10 in and H 40.5 ft,
  // d(h) = (40.5 - h) / 4 and a 4-in top is reached at 24.5 ft
  const d_TarmelResult r = Volume("101DVEW999", 10, 40.5f, 4);
  EXPECT_EQ(r.Error, kTarmelOk);
  EXPECT_EQ(r.EqId, "101DVEW999");
  // pi 10.125^2 / 576 * 40.5 / 3
  EXPECT_NEAR(r.Vol[0], 7.54834, 1e-4);
  // one 16-ft log to 17 ft, d = 5.875: 0.79 * 34.515625 - 11.75 - 4
  EXPECT_NEAR(r.Vol[1], 11.51734, 1e-4);
  // pi/576 * 81 / 3888 * (39.5^3 - 16^3)
  EXPECT_NEAR(r.Vol[3], 6.53747, 1e-4);
  for (std::size_t i = 0; i < r.Vol.size(); ++i) {
    if (i != 0 && i != 1 && i != 3) {
      EXPECT_EQ(r.Vol[i], 0.0f) << i;
    }
  }
}

TEST(TarmelVolume, IdentifierForms) {
  // every family, any variant, either case: the same stem model
  const d_TarmelResult base = Volume("I00FW2W202");
  ASSERT_EQ(base.Error, kTarmelOk);
  for (const char* id :
       {"i00fw2w202", "400CURW202", "A00DVEx202", "616MATW202", "B00WO2W202", "500behW202"}) {
    const d_TarmelResult r = Volume(id);
    EXPECT_EQ(r.Error, kTarmelOk) << id;
    EXPECT_EQ(r.Vol, base.Vol) << id;
  }
  EXPECT_EQ(Volume("i00fw2w202").EqId, "I00FW2W202");

  for (const char* id : {"", "I00FW2W20", "I00FW2W2020", " I00FW2W202", "I00XYZW202", "I00FW3W202",
                         "I00FW2W20A", "I00FW2W 02", "I00FW21202", "I-0FW2W202"}) {
    const d_TarmelResult r = Volume(id);
    EXPECT_EQ(r.Error, kTarmelBadEquation) << id;
    ExpectAllZero(r);
  }
  EXPECT_EQ(Volume("i00xyzw202").EqId, "I00XYZW202");

  for (const char* id : {"I00FW2W555", "I00FW2W000", "I00FW2W012x"}) {
    const d_TarmelResult r = Volume(id);
    EXPECT_EQ(r.Error, std::string(id).size() == 10 ? kTarmelNoSpecies : kTarmelBadEquation) << id;
    ExpectAllZero(r);
  }
}

TEST(TarmelVolume, ErrorsAndTheirOrder) {
  struct Case {
    const char* id;
    float dbh, height;
    int error;
  };
  const Case cases[] = {
      {"I00FW2W202", 0.99f, 40, kTarmelBadDbhHeight},
      {"I00FW2W202", kNaN, 40, kTarmelBadDbhHeight},
      {"I00FW2W202", 10, 0, kTarmelBadDbhHeight},
      {"I00FW2W202", 10, -5, kTarmelBadDbhHeight},
      {"I00FW2W202", 10, kNaN, kTarmelBadDbhHeight},
      {"I00FW2W202", 10, 4.5f, kTarmelShortTree},
      {"I00FW2W202", 1, 0.1f, kTarmelShortTree},
      {"I00FW2W202", 1, 4.6f, kTarmelOk},
      // 300^2 * 1000 is the largest DBH^2 * height taken
      {"I00FW2W202", 300, 1000, kTarmelOk},
      {"I00FW2W202", 300, 1001, kTarmelD2H},
      {"I00FW2W202", kInf, 40, kTarmelD2H},
      {"I00FW2W202", 10, kInf, kTarmelD2H},
      // the identifier is checked first, then its species
      {"I00FW2W20", kNaN, 0, kTarmelBadEquation},
      {"I00FW2W555", kNaN, 0, kTarmelNoSpecies},
      // the DBH and height before the height above breast height
      {"I00FW2W202", 0.5f, 3, kTarmelBadDbhHeight},
      {"I00FW2W202", 400, 4, kTarmelShortTree},
  };
  for (const Case& c : cases) {
    const d_TarmelResult r = Volume(c.id, c.dbh, c.height);
    EXPECT_EQ(r.Error, c.error) << c.id << " " << c.dbh << " " << c.height;
    if (r.Error != kTarmelOk) ExpectAllZero(r);
  }
}

TEST(TarmelVolume, NeverNaNOrInfinite) {
  // just above breast height the stem below 4.5 ft swells without bound
  // in the model; the largest DBH the D2H bound lets through there
  const float justAbove = std::nextafter(4.5f, 5.0f);
  const float tops[] = {0, 2, 4000, -1, kNaN, kInf, -kInf};
  for (const float top : tops) {
    for (const auto& [dbh, height] : {std::pair{4000.0f, justAbove}, std::pair{1.0f, 8.9e7f},
                                      std::pair{300.0f, 1000.0f}, std::pair{1.0f, 4.6f}}) {
      const d_TarmelResult r = Volume("101DVEW999", dbh, height, top);
      ASSERT_EQ(r.Error, kTarmelOk);
      for (float v : r.Vol) {
        EXPECT_TRUE(std::isfinite(v)) << dbh << " " << height << " " << top;
        EXPECT_GE(v, 0.0f);
      }
    }
  }
  // a top that is not a number is the tip
  EXPECT_EQ(Volume("I00FW2W202", 10, 40, kNaN).Vol, Volume("I00FW2W202", 10, 40, 0).Vol);
}

TEST(TarmelVolume, FixedInputsAreNotRead) {
  const d_TarmelResult a = TARMELVOLUME("I00FW2W122", 14, 60, 5, kFixed);
  const d_TarmelResult b = TARMELVOLUME("I00FW2W122", 14, 60, 5, d_TarmelFixed{});
  EXPECT_EQ(a.Vol, b.Vol);
  EXPECT_EQ(a.Error, b.Error);
}

TEST(TarmelEq, DefaultsPerForest) {
  EXPECT_EQ(TARMELEQ(1, "", "", "PSME"), "");
  EXPECT_EQ(TARMELEQ(1, "06", "", "PSME"), "I00FW2W202");
  EXPECT_EQ(TARMELEQ(6, "11", "03", "psme"), "I00FW2W202");
  EXPECT_EQ(TARMELEQ(1, "06", "", "ALRU"), "A00CURW260");
  EXPECT_EQ(TARMELEQ(1, "06", "", "PiPo"), "I00FW2W122");
  EXPECT_EQ(TARMELEQ(1, "06", "", "PSMEX"), "");
  EXPECT_EQ(TARMELEQ(1, "06", "", ""), "");
}

TEST(TarmelEq, EveryDefaultIsAcceptedByTheVolumes) {
  for (const auto& [symbol, id] : kTarmelDefaultEq) {
    const std::string eq = TARMELEQ(1, "06", "", std::string(symbol));
    EXPECT_EQ(eq, id);
    EXPECT_EQ(Volume(eq).Error, kTarmelOk) << symbol;
  }
}

}  // namespace

}  // namespace sylvanor
