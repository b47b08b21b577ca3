#include "engine/OutputUnits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <tuple>
#include <utility>

namespace sylvanor {

namespace {

using Field = float& (*)(d_Stand&);

// One value of each kind of unit: name, value, metric value.
const std::tuple<const char*, Field, float, float> kValues[] = {
    {"CBH 10 ft * 0.3048", [](d_Stand& s) -> float& { return s.Post.Prof.CBH; }, 10, 3.048f},
    {"layer 1 ft", [](d_Stand& s) -> float& { return s.Post.Prof.LayWid; }, 1, 0.3048f},
    {"QD75 10 in * 2.54", [](d_Stand& s) -> float& { return s.Post.Meas.Qd75; }, 10, 25.4f},
    {"5 t/ac * 0.22417", [](d_Stand& s) -> float& { return s.Slash.Piles.Tot; }, 5, 1.12085f},
    {"SDI 200 * 2.471", [](d_Stand& s) -> float& { return s.Post.Meas.StdDenIdx; }, 200, 494.2f},
    // 100 * 2.47105 / 10.764; 1000 * 0.028316 / 0.4046, board feet alike
    {"basal area", [](d_Stand& s) -> float& { return s.Post.Meas.Basal; }, 100, 22.95661f},
    {"cubic feet", [](d_Stand& s) -> float& { return s.Vol.StCuFt; }, 1000, 69.98517f},
    {"board feet", [](d_Stand& s) -> float& { return s.Vol.HaBdft; }, 5000, 349.92585f},
    // negative values (not found) are kept; kg/m3, percent and NA stay
    {"SH not found", [](d_Stand& s) -> float& { return s.Post.Prof.SH; }, -1, -1},
    {"CBD", [](d_Stand& s) -> float& { return s.Post.Prof.CBD; }, 0.12f, 0.12f},
    {"cover", [](d_Stand& s) -> float& { return s.Post.Meas.CanCov; }, 55, 55},
    {"habitat", [](d_Stand& s) -> float& { return s.WildHab; }, 7, 7},
};

d_Stand FilledStand() {
  d_Stand s;
  for (const auto& [name, field, english, metric] : kValues)
    field(s) = english;
  return s;
}

TEST(OutputUnits, MetricConvertsEachUnitUnlessOneIsUnknown) {
  d_Stand s = FilledStand();
  std::string message = "untouched";
  EXPECT_EQ(OU_ToMetric(s, OU_Table(), message), 1);
  EXPECT_EQ(message, "untouched");
  for (const auto& [name, field, english, metric] : kValues)
    EXPECT_NEAR(field(s), metric, 1e-5f * std::max(1.0f, metric)) << name;

  // with an unknown unit (compared exactly as written) nothing is converted
  const d_OutField table[] = {
      {"#First", "%7.3f", "Ft", "meter", std::get<1>(kValues[0])},
      {"\n# heading", "", "", "", nullptr},
      {"#Odd", "%7.3f", "Ft", "furlong", std::get<1>(kValues[8])},
      {"#Last", "%7.3f", "In", "cm", std::get<1>(kValues[2])},
      {"#Cased", "%7.3f", "Ft", "Meter", std::get<1>(kValues[0])},
  };
  for (const auto& [rows, name] : {std::pair{std::span(table, 4), "#Odd = furlong"},
                                   std::pair{std::span(table + 4, 1), "#Cased = Meter"}}) {
    s = FilledStand();
    EXPECT_EQ(OU_ToMetric(s, rows, message), 0) << name;
    EXPECT_EQ(message, std::string("Invalid Unit Entry in VXO Dump Table:\n ") + name);
    EXPECT_EQ(std::tuple(s.Post.Prof.CBH, s.Post.Meas.Qd75), std::tuple(10.0f, 10.0f)) << name;
  }
}

// Profiles after treatment (1 ft layers, 3 load and 5 running-mean layers) and before (2 ft, 2 and
// 4 layers). rho(x) = x / (LayWid * 43560) * 16.02, so 43560 lb/acre in a 1 ft layer and 87120 in a
// 2 ft layer are both 16.02 kg/m3. Layers past the counts are left alone, and so are the snapshot's
// other values; only metric output converts the stand's values.
TEST(OutputUnits, ProfilesBecomeBulkDensitiesInEveryUnitSystem) {
  for (const char* units : {"english", "Metric"}) {
    d_Stand s = FilledStand();
    d_Profile& post = s.Post.Prof;
    post.NLay = 3, post.NRun = 5, post.Load[0] = 43560, post.Load[2] = 4356, post.Load[3] = 100;
    post.RunMean[4] = 4356, post.RunMean[5] = 50;
    auto pre = std::make_unique<d_Profile>();
    pre->LayWid = 2, pre->NLay = 2, pre->NRun = 4, pre->CBH = 10, pre->Load[1] = 87120;
    pre->Load[2] = 7, pre->RunMean[3] = 8712, pre->RunMean[4] = 9;
    std::string message;
    OU_ConvertOutput(s, *pre, units, message);
    EXPECT_EQ(message, "") << units;
    // clang-format off
    const std::pair<float, float> values[] = {  // got, worked by hand
        {post.Load[0], 16.02f}, {post.Load[1], 0}, {post.Load[2], 1.602f}, {post.Load[3], 100},
        {post.RunMean[4], 1.602f}, {post.RunMean[5], 50}, {pre->Load[1], 16.02f},
        {pre->Load[2], 7}, {pre->RunMean[3], 1.602f}, {pre->RunMean[4], 9}, {pre->CBH, 10},
        {pre->LayWid, 2}, {s.Post.Meas.Qd75, units[0] == 'M' ? 25.4f : 10}};
    // clang-format on
    for (std::size_t i = 0; i < std::size(values); ++i)
      EXPECT_NEAR(values[i].first, values[i].second, 1e-4f) << units << " value " << i;
  }
}

}  // namespace

}  // namespace sylvanor
