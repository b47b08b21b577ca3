#include "engine/OutputUnits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace sylvanor {

namespace {

using Field = float& (*)(d_Stand&);

// One value of each kind of unit, English and metric: value, metric value.
const std::tuple<const char*, Field, float, float> kValues[] = {
    {"CBH 10 ft * 0.3048", [](d_Stand& s) -> float& { return s.Post.Prof.CBH; }, 10, 3.048f},
    {"layer 1 ft", [](d_Stand& s) -> float& { return s.Post.Prof.LayWid; }, 1, 0.3048f},
    {"QD75 10 in * 2.54", [](d_Stand& s) -> float& { return s.Post.Meas.Qd75; }, 10, 25.4f},
    {"fuel 1 t/ac * 0.22417", [](d_Stand& s) -> float& { return s.Post.AvailFuel; }, 1, 0.22417f},
    {"piles 5 t/ac", [](d_Stand& s) -> float& { return s.Slash.PlTot; }, 5, 1.12085f},
    {"rotten 4 t/ac", [](d_Stand& s) -> float& { return s.AGF.SCRot[4]; }, 4, 0.89668f},
    {"100 trees * 2.471", [](d_Stand& s) -> float& { return s.Post.Meas.SteDen; }, 100, 247.1f},
    {"SDI 200 * 2.471", [](d_Stand& s) -> float& { return s.Post.Meas.StdDenIdx; }, 200, 494.2f},
    // 100 * 2.47105 / 10.764; 1000 * 0.028316 / 0.4046; board feet alike
    {"basal area", [](d_Stand& s) -> float& { return s.Post.Meas.Basal; }, 100, 22.95661f},
    {"cubic feet", [](d_Stand& s) -> float& { return s.Vol.StCuFt; }, 1000, 69.98517f},
    {"board feet", [](d_Stand& s) -> float& { return s.Vol.HaBdft; }, 5000, 349.92585f},
    // negative values (not found) are kept; kg/m3, percent and NA stay
    {"SH not found", [](d_Stand& s) -> float& { return s.Post.Prof.SH; }, -1, -1},
    {"CBD", [](d_Stand& s) -> float& { return s.Post.Prof.CBD; }, 0.12f, 0.12f},
    {"threshold", [](d_Stand& s) -> float& { return s.Post.Prof.Thr; }, 0.012f, 0.012f},
    {"cover", [](d_Stand& s) -> float& { return s.Post.Meas.CanCov; }, 55, 55},
    {"habitat", [](d_Stand& s) -> float& { return s.WildHab; }, 7, 7},
};

d_Stand FilledStand() {
  d_Stand s;
  for (const auto& [name, field, english, metric] : kValues)
    field(s) = english;
  return s;
}

TEST(OutputUnits, MetricConvertsEachUnit) {
  d_Stand s = FilledStand();
  std::string message = "untouched";
  EXPECT_EQ(OU_ToMetric(s, OU_Table(), message), 1);
  EXPECT_EQ(message, "untouched");
  for (const auto& [name, field, english, metric] : kValues)
    EXPECT_NEAR(field(s), metric, 1e-5f * std::max(1.0f, metric)) << name;
}

TEST(OutputUnits, UnknownUnitConvertsNothing) {
  const d_OutField table[] = {
      {"#First", "%7.3f", "Ft", "meter", [](d_Stand& s) -> float& { return s.Post.Prof.CBH; }},
      {"\n# heading", "", "", "", nullptr},
      {"#Odd", "%7.3f", "Ft", "furlong", [](d_Stand& s) -> float& { return s.Post.Prof.SH; }},
      {"#Last", "%7.3f", "In", "cm", [](d_Stand& s) -> float& { return s.Post.Meas.Qd75; }},
      // units are compared exactly as written
      {"#Cased", "%7.3f", "Ft", "Meter", [](d_Stand& s) -> float& { return s.Post.Prof.CBH; }},
  };
  for (const auto& [rows, message] : {std::pair{std::span(table, 4), "#Odd = furlong"},
                                      std::pair{std::span(table + 4, 1), "#Cased = Meter"}}) {
    d_Stand s = FilledStand();
    std::string got;
    EXPECT_EQ(OU_ToMetric(s, rows, got), 0) << message;
    EXPECT_EQ(got, std::string("Invalid Unit Entry in VXO Dump Table:\n ") + message);
    // neither the row before nor the row after the bad one is converted
    EXPECT_EQ(std::tuple(s.Post.Prof.CBH, s.Post.Meas.Qd75), std::tuple(10.0f, 10.0f)) << message;
  }
}

// Profiles after treatment (1 ft layers, 3 load and 5 running-mean layers)
// and before (2 ft, 2 and 4 layers). rho(x) = x / (LayWid * 43560) * 16.02,
// so 43560 lb/acre in a 1 ft layer and 87120 in a 2 ft layer are both 16.02
// kg/m3; layers past the counts are left alone, and so is the snapshot's
// other values in every unit system.
TEST(OutputUnits, ProfilesBecomeBulkDensitiesInEveryUnitSystem) {
  for (const char* units : {"english", "Metric"}) {
    d_Stand s = FilledStand();
    d_Profile& post = s.Post.Prof;
    post.NLay = 3, post.NRun = 5;
    post.Load[0] = 43560, post.Load[2] = 4356, post.Load[3] = 100;
    post.RunMean[4] = 4356, post.RunMean[5] = 50;
    auto pre = std::make_unique<d_Profile>();
    pre->LayWid = 2, pre->NLay = 2, pre->NRun = 4, pre->CBH = 10;
    pre->Load[1] = 87120, pre->Load[2] = 7, pre->RunMean[3] = 8712, pre->RunMean[4] = 9;
    std::string message;
    OU_ConvertOutput(s, *pre, units, message);
    EXPECT_EQ(message, "") << units;
    const float got[] = {post.Load[0],    post.Load[1],    post.Load[2], post.Load[3],
                         post.RunMean[4], post.RunMean[5], pre->Load[1], pre->Load[2],
                         pre->RunMean[3], pre->RunMean[4], pre->CBH,     pre->LayWid};
    const float hand[] = {16.02f, 0, 1.602f, 100, 1.602f, 50, 16.02f, 7, 1.602f, 9, 10, 2};
    for (int i = 0; i < 12; ++i)
      EXPECT_NEAR(got[i], hand[i], 1e-4f) << units << " value " << i;
    // only metric output converts the stand's values
    EXPECT_FLOAT_EQ(s.Post.Meas.SteDen, units[0] == 'M' ? 247.1f : 100.0f) << units;
  }
  EXPECT_NEAR(CP_BulkDensity(21780.0f, 0.5f), 16.02f, 1e-4f);  // 21780 / 21780 * 16.02
  EXPECT_FLOAT_EQ(CP_BulkDensity(43560.0f, 0.0f), 0.0f);
}

TEST(OutputUnits, EachRowReachesItsOwnValue) {
  d_Stand s;
  std::set<const float*> seen;
  for (const d_OutField& field : OU_Table()) {
    if (OU_IsHeading(field)) continue;
    EXPECT_TRUE(seen.insert(&field.Value(s)).second) << field.Name << " shares a value";
  }
  const std::pair<std::string_view, const float*> rows[] = {
      {"#CanopyFuelLoad", &s.Post.AvailFuel},
      {"#StandingMerchantableCubicFootVolume", &s.Vol.StMeCuft},
      {"#StandingMerchantableBoardFootVolume", &s.Vol.StBdft},
      {"#HarvestedMerchantableCubicFootVolume", &s.Vol.HaMeCuft},
      {"#PileBurnFuelConsumptionDuff", &s.Slash.PilBurCon[0]},
      {"#ThinningSlashLoadThousandHrSizeClass5", &s.Slash.TSC[4]},
      {"#WoodyLoad1kHrSizeClass1Rot", &s.AGF.SCRot[0]},
      {"#PileLoadWholeUnit", &s.Slash.PlTot},
  };
  for (const auto& [name, value] : rows) {
    const auto field = std::find_if(OU_Table().begin(), OU_Table().end(),
                                    [&](const d_OutField& f) { return f.Name == name; });
    ASSERT_NE(field, OU_Table().end()) << name;
    EXPECT_EQ(&field->Value(s), value) << name;
  }
}

}  // namespace

}  // namespace sylvanor
