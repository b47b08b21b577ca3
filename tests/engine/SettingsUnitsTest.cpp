#include "engine/SettingsUnits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace sylvanor {

// Fractions become percent; a duff wetter than 197.2 % is taken as 197.2 %.
TEST(SettingsUnitsTest, MoisturesBecomePercent) {
  for (const auto& [duff, percent] : {std::pair{2.0f, 197.2f}, {0.5f, 50.0f}}) {
    d_Settings s;
    std::tie(s.Moist10Hr, s.Moist1kHr, s.DuffMoist) = std::tuple(0.15f, 0.3f, duff);
    Settings_MoisturesToPercent(s);
    for (const auto& [got, want] :
         {std::pair{s.Moist10Hr, 15.0f}, {s.Moist1kHr, 30.0f}, {s.DuffMoist, percent}})
      EXPECT_FLOAT_EQ(got, want) << duff;
  }
}

// 1 in = 2.54 cm, 1 m = 3.2808 ft, 1 ton/acre = 0.22417 kg/m2, 1 ft2/acre =
// 2.47105 / 10.764 m2/ha, 1 acre = 1 / 2.471 ha; fractions and densities stay.
TEST(SettingsUnitsTest, MetricSettingsBecomeEnglish) {
  d_Settings s;
  s.ThinCrit = "BasalArea";
  const std::tuple<float*, float, float> rows[] = {
      {&s.MinCutDia, 25.4f, 10},   {&s.MaxCutDia, 50.8f, 20},    {&s.SubMerDia, 12.7f, 5},
      {&s.LogTopDia, 10.16f, 4},   {&s.ESDD, 2.54f, 1},          {&s.DuffDepth, 5.08f, 2},
      {&s.FueBedDep, 30.48f, 12},  {&s.LayWid, 0.1f, 0.32808f},  {&s.PrunHgt, 3, 9.8424f},
      {&s.ScoHgt, 10, 32.808f},    {&s.Hr1SAV, 6561.6f, 2000},   {&s.GrassSAV, 3280.8f, 1000},
      {&s.ShrubSAV, 328.08f, 100}, {&s.ThiCriVal, 10, 43.5604f}, {&s.CutEff, 0.8f, 0.8f},
      {&s.CBDCriThr, 0.1f, 0.1f}};
  // every surface fuel load, kg/m2
  const auto loads = Loads(s.Fuel);
  for (const auto& [field, metric, english] : rows)
    *field = metric;
  for (float* load : loads)
    *load = 0.44834f;
  Settings_ToEnglish(s);
  for (const auto& [field, metric, english] : rows)
    EXPECT_NEAR(*field, english, english * 1e-5f) << metric << " -> " << english;
  for (std::size_t i = 0; i < std::size(loads); ++i)
    EXPECT_NEAR(*loads[i], 2.0f, 2e-5f) << "load " << i;
}

// Trees per ha to per acre, kg/m2 to tons/acre; the others stay.
TEST(SettingsUnitsTest, ThinningTargetByCriterion) {
  // clang-format off
  const std::tuple<const char*, float, float> rows[] = {
      {"TreeDensity", 247.1f, 100}, {"exceedingtreedensity", 247.1f, 100},
      {"StandDensityIndex", 494.2f, 200}, {"CanopyFuelLoad", 0.44834f, 2},
      {"CanopyBulkDensity", 0.1f, 0.1f}, {"CanopyCover", 0.4f, 0.4f}, {"Free", -9999, -9999}};
  // clang-format on
  for (const auto& [criterion, metric, english] : rows) {
    d_Settings s;
    s.ThinCrit = criterion;
    s.ThiCriVal = metric;
    Settings_ToEnglish(s);
    EXPECT_NEAR(s.ThiCriVal, english, std::abs(english) * 1e-5f) << criterion;
  }
}

}  // namespace sylvanor
