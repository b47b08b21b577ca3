#include "crownfire/HalvexDriver.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "base/CFormat.h"
#include "crownfire/FuelModelFile.h"

namespace sylvanor {

namespace {

// The seven moistures: 1-hour, dead herb, 10-hour, 100-hour, live herb, live woody, foliar.
std::string Moistures(const d_HDI& d) {
  return CFormat("%g %g %g %g %g %g %g", d.OneHrMx, d.DeadHerbMx, d.TenHrMx, d.HundredHrMx,
                 d.LiveHerbMx, d.LiveWoodyMx, d.FoliarMx);
}

// In single precision (python3, each step rounded to float), f = (H - CBH) / H x CC / 100 / 3:
// dense, H 60, CBH 20, CC 60: f = 0.133333, S = 0.555 / (8^0.5 x ln(41.6 / 7.8)) = 0.1172192;
//   depth 1: U = 1.36 / ln(20.36 / 0.13) x (ln 10.461538 - 1) = 0.3626741. S wins.
// open, H 20, CBH 15, CC 10, depth 0.5: S = 0.555 / (0.166667^0.5 x ln 10.461538) = 0.5790619,
//   U = 1.36 / ln(20.18 / 0.065) x 1.347748 = 0.3194250: U wins; no depth is 0.001 ft: 0.1534596.
// sapling, H 1, CC 0: f held at 0.0001, S = 0.555 / (0.01 x 5.053668) = 10.98; depth 100: U =
//   1.36 / ln(56 / 13) x 1.347748 = 1.255051, out of range: held just below 1. A crown base above
//   the top (H 10, CBH 20) holds f at 0.0001 too. No height: 1.
TEST(HalvexDriverTest, WindReductionFactor) {
  const std::string tooHigh =
      "Logic Error: Calculated Wind Reduction Factor 1.255051 is out of range 0 -> 1.0";
  // name, depth, CC, H, CBH, factor, error
  const std::tuple<const char*, float, float, float, float, double, std::string> rows[] = {
      {"dense", 1, 60, 60, 20, 0.1172192, ""},
      {"open", 0.5, 10, 20, 15, 0.3194250, ""},
      {"open, no depth", 0, 10, 20, 15, 0.1534596, ""},
      {"sapling", 100, 0, 1, 0, 0.999999, tooHigh},
      {"base above top", 100, 50, 10, 20, 0.999999, tooHigh},
      {"no height", 1, 60, 0, 0, 1, ""}};
  for (const auto& [name, depth, cc, h, cbh, factor, message] : rows) {
    SCOPED_TRACE(name);
    d_HDI d;
    d.FuelBedDepth = depth;
    std::string error = "stale";
    EXPECT_TRUE(Hal_WindReduction(d, cc, h, cbh, error));
    EXPECT_NEAR(d.Low.WindReduction, factor, 2e-7);
    EXPECT_EQ(error, message);
  }
}

// Loads 1-hour 2, herb 0.5, woody 1.5, 10-hour 3, 100-hour 4: fine 4, total 11, r = 0.5, depth
// 11 / (0.65 x 0.5 + 0.1) x 0.04591 = 1.188259 ft. No fine fuel: r = 0, 2 / 0.1 x 0.04591.
TEST(HalvexDriverTest, FuelBedDepth) {
  const std::tuple<const char*, float, const char*, double> rows[] = {
      {"2 0.5 1.5 3 4", 9, "Auto", 1.188259}, {"2 0.5 1.5 3 4", 9, "aUTO", 1.188259},
      {"2 0.5 1.5 3 4", 9, "", 1.188259},     {"2 0.5 1.5 3 4", 9, "3.5", 9},
      {"0 0 0 2 0", 9, "Auto", 0.9182},       {"0 0 0 0 0", 9, "Auto", 0}};
  for (const auto& [loads, user, text, depth] : rows) {
    d_HDI d;
    std::istringstream(loads) >> d.OneHr >> d.Herb >> d.Woody >> d.TenHr >> d.HundredHr;
    std::string error = "stale";
    EXPECT_TRUE(Hal_FuelBedDepth(d, user, text, error));
    EXPECT_NEAR(d.FuelBedDepth, depth, 1e-6) << loads << " '" << text << "'";
    EXPECT_EQ(error, "");
  }
}

// Loads to four decimals; no herbaceous load writes 9999 for its SAV, as does a bed without dead
// or woody fuel. The model reads the plot as model 14: 1.2346 ton/acre x 0.04591 lb/ft2.
TEST(HalvexDriverTest, CustomFuelModelText) {
  d_HDI d;
  d.OneHr = 1.23456f, d.TenHr = 2, d.Woody = 0.5f, d.FuelBedDepth = 0.75f;
  d.OneHrSAV = 2500, d.HerbSAV = 1800, d.WoodySAV = 1200;
  const std::string text = Hal_FuelModelText(d);
  EXPECT_EQ(text,
            "ENGLISH\n# This is a temp file that sylvanor creates for the Halvex dll to use \n"
            "#fuel   fuel     1-hr  10-hr 100-hr live  live   fuel     1-hr     herb     live    "
            "fuel    dead    dead    live    fuel\n"
            "#model  model    fuel  fuel  fuel   herb  wood   model    dead     SAV      woody   "
            "bed     fuel    heat    heat    model\n"
            "#number code     load  load  load   load  load   type     SAV               SAV     "
            "depth   Mx      cont.   cont.   name\n#" +
                std::string(124, '-') +
                "\n   10      10    3.01  2.00  5.01   0.00  2.00    N/A     2000     9999     "
                "1500    1.0     25      8000    8000  timber litter and understory\n"
                " 14   14     1.2346   2.0000   0.0000   0.0000   0.5000  N/A    2500    9999   "
                "1200     0.7500   25      8000    8000  Sylvanor\n");
  std::vector<CFuelModel> models;
  bool metric = true;
  std::string message;
  std::istringstream file(text);
  ASSERT_TRUE(ReadFuelModelFile(file, models, metric, message));
  ASSERT_EQ(models.size(), 2u);
  EXPECT_EQ(CFormat("%d %.9g %g %g %g", models[1].Number, models[1].Load1Hr, models[1].SAVLiveHerb,
                    models[1].Depth, models[1].MxDead),
            "14 0.056680486 9999 0.75 0.25");
  d.OneHr = d.TenHr = d.Woody = 0;
  EXPECT_NE(Hal_FuelModelText(d).find("N/A    9999    9999   9999 "), std::string::npos);
}

// One row per scenario (any case); an unknown name fails and keeps the moistures.
TEST(HalvexDriverTest, MoistureScenarios) {
  const std::tuple<const char*, bool, const char*> rows[] = {
      {"verydry", true, "3 3 4 5 30 60 100"},
      {"DRY", true, "6 6 7 8 60 90 100"},
      {"Moderate", true, "9 9 10 11 90 120 100"},
      {"wET", true, "12 12 13 14 120 120 100"},
      {"Damp", false, "12 12 13 14 120 120 100"}};
  d_HDI d;
  for (const auto& [name, known, moistures] : rows) {
    std::string error = "stale";
    EXPECT_EQ(Hal_InpMoist(d, name, error), known) << name;
    EXPECT_EQ(Moistures(d), moistures) << name;
    EXPECT_EQ(error, known ? "" : "Logic Error - Form1::Hal_GetMoist()") << name;
  }
}

// Hal_InpInit resets the record but for its loads of herbaceous, litter and woody fuel; a SAV that
// truncates to 0 or less takes its default (1-hour 2000, herbaceous 1800, woody 1500).
TEST(HalvexDriverTest, InputDefaults) {
  const std::tuple<float, float, float, const char*> rows[] = {
      {1700.9f, 1200, 2500, "1700 1200 2500"}, {0, -5, 0.5f, "1800 1500 2000"}};
  for (const auto& [herb, woody, oneHr, savs] : rows) {
    d_HDI d;
    d.OneHr = d.Herb = d.Litter = d.Woody = d.CrownFuelLoad = 3, d.Low.WindReduction = 0.5f;
    d.Temperature = d.DeadMxExtinction = 1, d.FuelModelFile = "old";
    Hal_InpInit(d, herb, woody, oneHr, "Dry");
    EXPECT_EQ(CFormat("%g %g %g %g %g %g %g %d %d %g %g %d %s| %d %d %d", d.OneHr, d.Herb, d.Litter,
                      d.Woody, d.CrownFuelLoad, d.Low.WindReduction, d.Temperature,
                      d.DeadMxExtinction, d.VegType, d.High.WindReduction, d.CrownHeatContent,
                      d.Low.FuelModel, d.FuelModelFile, d.HerbSAV, d.WoodySAV, d.OneHrSAV),
              std::string("0 3 3 3 0 0.1 60 25 2 0.4 7744.78 14 | ") + savs);
    EXPECT_EQ(Moistures(d), "6 6 7 8 60 90 100");
  }
}

// A zero depth is a warning only; invalid inputs fail with the model's message (a wind reduction
// factor of 1 for a stand without height).
TEST(HalvexDriverTest, CalcFailures) {
  d_HDI d;
  Hal_InpInit(d, 1800, 1500, 2000, "Dry");
  d_HDO out;
  std::string warning = "stale", error = "stale";
  EXPECT_FALSE(Hal_Calc(d, out, warning, error));
  EXPECT_EQ(warning + "|" + error, "Warning - fuelbed depth is zero|");
  d.FuelBedDepth = 1, d.OneHr = 2, d.Low.WindReduction = 1;
  EXPECT_FALSE(Hal_Calc(d, out, warning, error));
  EXPECT_EQ(warning + "|" + error, "|LOW: Invalid Wind Reduction Factor: 1.000000");
}

TEST(HalvexDriverTest, FireTypes) {
  const std::pair<int, const char*> rows[] = {
      {0, "Unknown - Error"},        {1, "Surface Fire"},      {2, "Passive Crown Fire"},
      {3, "Conditional Crown Fire"}, {4, "Active Crown Fire"}, {5, "Unknown - Error"}};
  for (const auto& [type, text] : rows)
    EXPECT_EQ(Hal_FireType(type), text) << type;
}

}  // namespace

}  // namespace sylvanor
