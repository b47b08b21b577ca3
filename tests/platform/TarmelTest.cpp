#include "platform/Tarmel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace sylvanor {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

static d_TarmelResult Volume(const std::string& id, float dbh = 10, float height = 40,
                             float top = 2) {
  return TARMELVOLUME(id, dbh, height, top, d_TarmelFixed{1, 70, {1, 1, 1, 1, 1, 1}, 1});
}

TEST(TarmelVolume, JuniperConeByHand) {
  // species 999 is a cone (r = 2) with k = 0.9: for D 10 in and H 40.5 ft the
  // cone worked by hand in StemTaperTest, its 4-in top at 24.5 ft. The fixed
  // inputs are not read.
  std::array<float, kTarmelVolumes> expected{};
  expected[kVolTotalCuFt] = 7.54834f;  // pi 10.125^2 / 576 * 40.5 / 3
  expected[kVolBoardFt] = 11.51734f;   // a log to 17 ft, d = 5.875: 0.79 * 34.515625 - 15.75
  expected[kVolMerchCuFt] = 6.53747f;  // pi/576 * 81 / 3888 * (39.5^3 - 16^3)
  for (const d_TarmelResult& r :
       {Volume("101dvew999", 10, 40.5f, 4), TARMELVOLUME("101DVEW999", 10, 40.5f, 4, {})}) {
    EXPECT_EQ(r.Error, kTarmelOk);
    EXPECT_EQ(r.EqId, "101DVEW999");
    for (std::size_t i = 0; i < kTarmelVolumes; ++i)
      EXPECT_NEAR(r.Vol[i], expected[i], 1e-4) << i;
  }
}

TEST(TarmelVolume, IdentifierForms) {
  // every family, any variant, either case: the same stem model
  for (const char* id :
       {"i00fw2w202", "400CURW202", "A00DVEx202", "616MATW202", "B00WO2W202", "500behW202"}) {
    EXPECT_EQ(Volume(id).Vol, Volume("I00FW2W202").Vol) << id;
  }
  for (const char* id : {"", "I00FW2W20", "I00FW2W2020", " I00FW2W202", "I00XYZW202", "I00FW3W202",
                         "I00FW2W20A", "I00FW2W 02", "I00FW21202", "I-0FW2W202", "I00FW2W012x"}) {
    EXPECT_EQ(Volume(id).Error, kTarmelBadEquation) << id;
  }
  EXPECT_EQ(Volume("i00xyzw202").EqId, "I00XYZW202");
}

TEST(TarmelVolume, ErrorsInTheirOrderAndNeverNaNOrInfinite) {
  // DBH at least 1 in, height above 0, then above 4.5 ft, DBH^2 x height at
  // most 300^2 x 1000; the identifier first, then its species, the DBH and
  // height, the height. Just above breast height the stem below 4.5 ft swells
  // without bound in the model, and 4000 in is the largest DBH let through.
  const float justAbove = std::nextafter(4.5f, 5.0f);
  const char *j = "101DVEW999", *none = "I00FW2W555", *bad = "I00FW2W20";
  const std::tuple<const char*, float, float, int> rows[] = {
      {none, 10, 40, kTarmelNoSpecies},
      {j, 0.99f, 40, kTarmelBadDbhHeight},
      {j, kNaN, 40, kTarmelBadDbhHeight},
      {j, 10, 0, kTarmelBadDbhHeight},
      {j, 10, kNaN, kTarmelBadDbhHeight},
      {j, 10, 4.5f, kTarmelShortTree},
      {j, 1, 4.6f, kTarmelOk},
      {j, 300, 1000, kTarmelOk},
      {j, 300, 1001, kTarmelD2H},
      {j, kInf, 40, kTarmelD2H},
      {j, 4000, justAbove, kTarmelOk},
      {j, 1, 8.9e7f, kTarmelOk},
      {bad, kNaN, 0, kTarmelBadEquation},
      {none, kNaN, 0, kTarmelNoSpecies},
      {j, 0.5f, 3, kTarmelBadDbhHeight},
      {j, 400, 4, kTarmelShortTree},
  };
  for (const auto& [id, dbh, height, error] : rows) {
    for (const float top : {0.0f, 2.0f, 4000.0f, -1.0f, kNaN, kInf, -kInf}) {
      const d_TarmelResult r = Volume(id, dbh, height, top);
      EXPECT_EQ(r.Error, error) << id << " " << dbh << " " << height << " " << top;
      for (float v : r.Vol) {
        EXPECT_TRUE(std::isfinite(v) && v >= 0 && (v == 0 || !error)) << dbh << " " << top;
      }
    }
  }
}

TEST(TarmelEq, DefaultsPerForest) {
  // one table for every forest, symbols in any case; none for an empty forest
  // or a symbol not in it; every default takes volumes
  for (const auto& [symbol, id] : kTarmelDefaultEq) {
    EXPECT_EQ(TARMELEQ(6, "11", "03", std::string(symbol)), id);
    EXPECT_EQ(Volume(std::string(id)).Error, kTarmelOk) << id;
  }
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"06", "pIpO", "I00FW2W122"}, {"", "PSME", ""}, {"06", "PSMEX", ""}, {"06", "", ""}};
  for (const auto& [forest, symbol, id] : rows)
    EXPECT_EQ(TARMELEQ(1, forest, "", symbol), id);
}

}  // namespace sylvanor
