#include "stand/TreeVolume.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace sylvanor {

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

struct Outcome {
  int ok = 0;
  d_TreeVol vol;
  std::string message;
};

Outcome Volumes(const std::string& id, float dbh, float top, float height) {
  Outcome o;
  o.ok = TreeVolume(id, dbh, top, height, o.vol, o.message);
  return o;
}

void ExpectSameVolumes(const d_TreeVol& a, const d_TreeVol& b) {
  EXPECT_EQ(a.CuFt, b.CuFt);
  EXPECT_EQ(a.BdFt, b.BdFt);
  EXPECT_EQ(a.MeCuFt, b.MeCuFt);
}

TEST(TreeVolume, JuniperByHand) {
  // species 999 is a cone with k = 0.9: D 10 in, H 40.5 ft gives
  // d(h) = (40.5 - h) / 4, and the 4-in top is at 24.5 ft
  const Outcome o = Volumes("101DVEW999", 10, 4, 40.5f);
  ASSERT_EQ(o.ok, 1) << o.message;
  EXPECT_EQ(o.message, "");
  EXPECT_NEAR(o.vol.CuFt, 7.54834, 1e-4);    // pi 10.125^2 / 576 * 40.5 / 3
  EXPECT_NEAR(o.vol.BdFt, 11.51734, 1e-4);   // log to 17 ft, d 5.875: 27.26734 - 11.75 - 4
  EXPECT_NEAR(o.vol.MeCuFt, 6.53747, 1e-4);  // pi/576 * 81/3888 * (39.5^3 - 16^3)
}

TEST(TreeVolume, ResultsAreClearedFirst) {
  d_TreeVol vol{1, 2, 3};
  std::string message = "old";
  EXPECT_EQ(TreeVolume("I00FW2W202", 10, 2, 3, vol, message), 0);
  ExpectSameVolumes(vol, d_TreeVol{});
  EXPECT_EQ(message.rfind("Error Number 4", 0), 0u) << message;
  EXPECT_EQ(TreeVolume("I00FW2W202", 10, 2, 40, vol, message), 1);
  EXPECT_EQ(message, "");
}

TEST(TreeVolume, ShortRedAlderUsesAspen) {
  const Outcome alder = Volumes("A00CURW260", 8, 2, 16);
  const Outcome aspen = Volumes("200DVEW746", 8, 2, 16);
  ASSERT_EQ(alder.ok, 1);
  ExpectSameVolumes(alder.vol, aspen.vol);
  ExpectSameVolumes(Volumes("a00curw260", 8, 2, 16).vol, aspen.vol);
  // from 18 ft on, its own equation
  const Outcome tall = Volumes("A00CURW260", 8, 2, 18);
  ASSERT_EQ(tall.ok, 1);
  EXPECT_NE(tall.vol.CuFt, Volumes("200DVEW746", 8, 2, 18).vol.CuFt);
}

TEST(TreeVolume, SubalpineFirIsAtMost350Feet) {
  const Outcome limited = Volumes("I00FW2W019", 30, 6, 350);
  ASSERT_EQ(limited.ok, 1);
  ExpectSameVolumes(Volumes("I00FW2W019", 30, 6, 400).vol, limited.vol);
  ExpectSameVolumes(Volumes("i00Fw2w019", 30, 6, 400).vol, limited.vol);
  // other species keep their height
  EXPECT_GT(Volumes("I00FW2W017", 30, 6, 400).vol.CuFt, Volumes("I00FW2W017", 30, 6, 350).vol.CuFt);
  // the message shows the limited height: 600^2 * 350 = 1.26e8 is out of bounds
  EXPECT_EQ(Volumes("i00fw2w019", 600, 6, 400).message,
            "Error Number 5 - Volume Library\n"
            " Eq Id: i00fw2w019, DBH: 600.00, TopDBH: 6.00, Height: 350.00\n"
            " D2H is out of bounds");
}

TEST(TreeVolume, ThinTreesCountAsOneInch) {
  ExpectSameVolumes(Volumes("I00FW2W202", 0.5f, 0, 12).vol, Volumes("I00FW2W202", 1, 0, 12).vol);
  EXPECT_EQ(Volumes("I00FW2W202", 0.5f, 2, 3).message,
            "Error Number 4 - Volume Library\n"
            " Eq Id: I00FW2W202, DBH: 1.00, TopDBH: 2.00, Height: 3.00\n"
            " Tree height less than 4.5");
}

TEST(TreeVolume, IncenseCedarAndSugarPineAtBreastHeightUseAspen) {
  for (const char* id : {"400MATW081", "400matw117"}) {
    const Outcome o = Volumes(id, 6, 0, 4.5f);
    EXPECT_EQ(o.ok, 0);
    // the aspen equation still cannot take a tree of 4.5 ft
    EXPECT_EQ(o.message,
              "Error Number 4 - Volume Library\n"
              " Eq Id: 200DVEW746, DBH: 6.00, TopDBH: 0.00, Height: 4.50\n"
              " Tree height less than 4.5")
        << id;
    // above breast height their own equations
    EXPECT_NE(Volumes(id, 6, 0, 4.6f).vol.CuFt, Volumes("200DVEW746", 6, 0, 4.6f).vol.CuFt) << id;
  }
}

TEST(TreeVolume, EveryBuiltInIdentifierGivesVolumes) {
  for (const char* id :
       {"A00CURW260", "A00FW2W042", "400MATW081", "I00FW2W242", "I00FW2W202", "I00FW2W017",
        "I00FW2W073", "I00FW2W019", "200FW2W015", "I00FW2W260", "101DVEW999", "B00BEHW361",
        "B00BEHW312", "200DVEW746", "B00BEHW631", "500WO2W116", "I00FW2W108", "I00FW2W122",
        "400MATW117", "I00FW2W119", "I00FW2W012", "500WO2W211", "500DVEW212", "407FW2W093",
        "I00FW2W093", "616BEHW231"}) {
    const Outcome o = Volumes(id, 10, 2, 40);
    EXPECT_EQ(o.ok, 1) << id << o.message;
    EXPECT_GT(o.vol.CuFt, 0.0f) << id;
    EXPECT_GT(o.vol.BdFt, 0.0f) << id;
    EXPECT_GT(o.vol.MeCuFt, 0.0f) << id;
    EXPECT_LT(o.vol.MeCuFt, o.vol.CuFt) << id;
  }
}

TEST(TreeVolume, ErrorMessages) {
  // an identifier shorter than 10 characters asks the library for the
  // forest's default; no forest is given, so there is none
  EXPECT_EQ(Volumes("", 10, 2, 40).message,
            "Error Number 1 - Volume Library\n"
            " Eq Id: , DBH: 10.00, TopDBH: 2.00, Height: 40.00\n"
            " No/Invalid volume equation match");
  EXPECT_EQ(Volumes("I00XYZW202", 12.345f, 0, 40).message,
            "Error Number 1 - Volume Library\n"
            " Eq Id: I00XYZW202, DBH: 12.35, TopDBH: 0.00, Height: 40.00\n"
            " No/Invalid volume equation match");
  EXPECT_EQ(Volumes("I00FW2W202", 10, 2, 0).message,
            "Error Number 3 - Volume Library\n"
            " Eq Id: I00FW2W202, DBH: 10.00, TopDBH: 2.00, Height: 0.00\n"
            " DBH less than one, or Invalid Height");
  EXPECT_EQ(Volumes("I00FW2W202", 10, 2, 4).message,
            "Error Number 4 - Volume Library\n"
            " Eq Id: I00FW2W202, DBH: 10.00, TopDBH: 2.00, Height: 4.00\n"
            " Tree height less than 4.5");
  EXPECT_EQ(Volumes("I00FW2W202", 300, 2, 1001).message,
            "Error Number 5 - Volume Library\n"
            " Eq Id: I00FW2W202, DBH: 300.00, TopDBH: 2.00, Height: 1001.00\n"
            " D2H is out of bounds");
  EXPECT_EQ(Volumes("I00FW2W555", 10, 2, 40).message,
            "Error Number 6 - Volume Library\n"
            " Eq Id: I00FW2W555, DBH: 10.00, TopDBH: 2.00, Height: 40.00\n"
            " No species match");
}

TEST(TreeVolume, NaNInputs) {
  const Outcome dbh = Volumes("I00FW2W202", kNaN, 2, 40);
  EXPECT_EQ(dbh.ok, 0);
  EXPECT_EQ(dbh.message,
            "Error Number 3 - Volume Library\n"
            " Eq Id: I00FW2W202, DBH:  nan, TopDBH: 2.00, Height: 40.00\n"
            " DBH less than one, or Invalid Height");
  ExpectSameVolumes(dbh.vol, d_TreeVol{});

  const Outcome height = Volumes("I00FW2W202", 10, 2, kNaN);
  EXPECT_EQ(height.ok, 0);
  EXPECT_EQ(height.message.rfind("Error Number 3 -", 0), 0u);
  ExpectSameVolumes(height.vol, d_TreeVol{});

  // a top that is not a number is the tip
  const Outcome top = Volumes("I00FW2W202", 10, kNaN, 40);
  EXPECT_EQ(top.ok, 1);
  EXPECT_TRUE(std::isfinite(top.vol.CuFt) && std::isfinite(top.vol.BdFt) &&
              std::isfinite(top.vol.MeCuFt));
  ExpectSameVolumes(top.vol, Volumes("I00FW2W202", 10, 0, 40).vol);
}

}  // namespace

}  // namespace sylvanor
