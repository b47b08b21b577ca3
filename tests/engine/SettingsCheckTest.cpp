#include "engine/SettingsCheck.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "engine/Sylvanor.h"

namespace {

// A complete, valid set of settings: thinning, pruning, piling, a broadcast
// burn and a fuel-model selection all included.
void FillValid(Sylvanor& e) {
  e.Set_ThinInc("Yes");
  e.Set_ThinCrit("BasalArea");
  e.Set_ThiCriVal(100);
  e.Set_CutEff(0.8f);
  e.Set_MinCutDia(0);
  e.Set_MaxCutDia(20);
  e.Set_SubMerDia(5);
  e.Set_LogTopDia(4);
  e.Set_Yardloss(0.1f);
  e.Set_PrunInc("Yes");
  e.Set_PrunHgt(10);
  e.Set_PrunMRCR(0.3f);
  e.Set_ESDD(1);
  e.Set_Duff(10);
  for (auto set :
       {&Sylvanor::Set_Litter, &Sylvanor::Set_Lichen, &Sylvanor::Set_Moss, &Sylvanor::Set_Grass,
        &Sylvanor::Set_Shrub, &Sylvanor::Set_1Hr, &Sylvanor::Set_10Hr, &Sylvanor::Set_100Hr,
        &Sylvanor::Set_SC1Snd, &Sylvanor::Set_SC2Snd, &Sylvanor::Set_SC3Snd, &Sylvanor::Set_SC4Snd,
        &Sylvanor::Set_SC5Snd, &Sylvanor::Set_SC1Rot, &Sylvanor::Set_SC2Rot, &Sylvanor::Set_SC3Rot,
        &Sylvanor::Set_SC4Rot, &Sylvanor::Set_SC5Rot, &Sylvanor::Set_ExiPilLoa}) {
    (e.*set)(1.0f);
  }
  e.Set_PilGroFra(0.5f);
  e.Set_PilTPFra(0.5f);
  e.Set_PilBurFra(0.5f);
  e.Set_BroBurInc("Yes");
  e.Set_Region("InteriorWest");
  e.Set_Season("Fall");
  e.Set_Moist10Hr(0.1f);
  e.Set_Moist1kHr(0.3f);
  e.Set_DuffDepth(1);
  e.Set_DuffMoist(0.5f);
  e.Set_ScoHgt(20);
  e.Set_UserFolder("/home/forester/.local/share/Sylvanor/qor_spp.csv");
  e.Set_FueModSet("All");
  e.Set_Climate("Arid");
  e.Set_1HrSAV(2000);
  e.Set_GrassSAV(1800);
  e.Set_ShrubSAV(1500);
  e.Set_FueBedDep(1);
}

void InitValid(Sylvanor& e, const std::string& units = "English") {
  e.Init_LarGUI(units, units, "");
  FillValid(e);
}

struct Case {
  const char* what;
  std::function<void(Sylvanor&)> change;
  std::string message;  // expected message of both forms of the check
};

void ExpectRejected(const char* units, const Case& c) {
  Sylvanor e;
  e.Init_LarGUI(units, units, "");
  FillValid(e);
  c.change(e);
  EXPECT_EQ(e.Check_Inputs(), 0) << c.what;
  EXPECT_EQ(e.Get_ErrMes(), c.message) << c.what;
  EXPECT_EQ(e.Check_InputsLG(), 0) << c.what;
  EXPECT_EQ(e.Get_ErrMes(), c.message) << c.what;
}

TEST(SettingsCheck, ValidSettingsPassInBothUnitSystemsAndClearTheMessage) {
  for (const char* units : {"English", "Metric", "metric"}) {
    Sylvanor e;
    e.Init_LarGUI(units, units, "");
    FillValid(e);
    e.Set_FueModSet("Bogus");
    ASSERT_EQ(e.Check_Inputs(), 0);
    ASSERT_FALSE(e.Get_ErrMes().empty());
    e.Set_FueModSet("all");
    EXPECT_EQ(e.Check_Inputs(), 1) << units << ": " << e.Get_ErrMes();
    EXPECT_EQ(e.Get_ErrMes(), "");
    EXPECT_EQ(e.Check_InputsLG(), 1) << units << ": " << e.Get_ErrMes();
  }
}

// A freshly initialised engine fails each check in turn as the settings are
// filled in one after another.
TEST(SettingsCheck, ChecksRunInOrderFromAFreshEngine) {
  Sylvanor e;
  e.Init_LarGUI("English", "English", "");
  const auto expectFirstFailure = [&e](const std::string& message) {
    EXPECT_EQ(e.Check_Inputs(), 0);
    EXPECT_EQ(e.Get_ErrMes(), message);
  };
  expectFirstFailure("Invalid argument for Thinning Include, use Yes or No");
  e.Set_ThinInc("No");
  expectFirstFailure("Invalid/Missing Pruning Include, use Yes or No");
  e.Set_PrunInc("no");
  expectFirstFailure("Missing value for Exceeding Stem Density");
  e.Set_BroBurInc("NO");
  expectFirstFailure("Missing value for Exceeding Stem Density");
  e.Set_ESDD(2);
  // layer width, running-average spread and critical threshold have defaults
  expectFirstFailure("Missing value for Duff Load");
  e.Set_Duff(0);
  expectFirstFailure("Missing Fuel Load Litter, use 0 for no load");
  e.Set_Litter(0);
  e.Set_Lichen(0);
  e.Set_Moss(0);
  e.Set_Grass(0);
  e.Set_Shrub(0);
  e.Set_1Hr(0);
  expectFirstFailure("Missing Fuel Load 10 Hour, use 0 for no load");
  e.Set_10Hr(0);
  e.Set_100Hr(0);
  e.Set_SC1Snd(0);
  e.Set_SC2Snd(0);
  expectFirstFailure("Missing Fuel Load Size Class 3 Sound, use 0 for no load");
  e.Set_SC3Snd(0);
  e.Set_SC4Snd(0);
  e.Set_SC5Snd(0);
  expectFirstFailure("Missing Fuel Load Size Class 1 Rotten, use 0 for no load");
  e.Set_SC1Rot(0);
  e.Set_SC2Rot(0);
  e.Set_SC3Rot(0);
  e.Set_SC4Rot(0);
  e.Set_SC5Rot(0);
  expectFirstFailure("Missing Fuel Load Existing Pile Load, use 0 for no load");
  e.Set_ExiPilLoa(0);
  expectFirstFailure("Missing value for Percent of existing ground fuels to put on pile");
  e.Set_PilGroFra(0);
  expectFirstFailure(
      "Missing value for Percent of thin & prune slash activity fuels to put on pile");
  e.Set_PilTPFra(0);
  expectFirstFailure("Missing value for Percent of pile to burn");
  e.Set_PilBurFra(0);
  expectFirstFailure("Invalid/Miss Fuel Model Set, use Albini-13, Scott-40, All or None");
  e.Set_FueModSet("Scott-40");
  expectFirstFailure("Invalid/Miss Fuel Model Climate, use Arid or Humid");
  // "None" ends validation before the climate, SAV and fuel bed depth checks
  e.Set_FueModSet("None");
  EXPECT_EQ(e.Check_Inputs(), 1) << e.Get_ErrMes();
  EXPECT_EQ(e.Check_InputsLG(), 1) << e.Get_ErrMes();
}

TEST(SettingsCheck, UnitsAndSwitches) {
  const Case cases[] = {
      {"input units",
       [](Sylvanor& e) {
         e.Init_LarGUI("Imperial", "English", "");
         FillValid(e);
       },
       "Invalid/Missing argument for input units (Imperial), use English or Metric"},
      {"output units",
       [](Sylvanor& e) {
         e.Init_LarGUI("English", "", "");
         FillValid(e);
       },
       "Invalid/Missing argument for output units (), use English or Metric"},
      {"thinning switch", [](Sylvanor& e) { e.Set_ThinInc("Maybe"); },
       "Invalid argument for Thinning Include, use Yes or No"},
      {"pruning switch", [](Sylvanor& e) { e.Set_PrunInc(""); },
       "Invalid/Missing Pruning Include, use Yes or No"},
      {"burn switch", [](Sylvanor& e) { e.Set_BroBurInc("Y"); },
       "Invalid/Missing Broadcast Burn Include, use Yes or No"},
  };
  for (const Case& c : cases)
    ExpectRejected("English", c);
}

TEST(SettingsCheck, ThinningSettings) {
  const Case cases[] = {
      {"missing target", [](Sylvanor& e) { e.Set_ThiCriVal(-9999); },
       "Missing thinning criteria value for Basal Area"},
      {"basal area too high", [](Sylvanor& e) { e.Set_ThiCriVal(100000); },
       "Basal Area thinning criteria value 100000.00 is out of limit ( 0.00 -> 99999.00 )"},
      {"stand density index",
       [](Sylvanor& e) {
         e.Set_ThinCrit("standdensityindex");
         e.Set_ThiCriVal(-1);
       },
       "Stand Density Index thinning criteria value -1.00 is out of limit ( 0.00 -> 99999.00 )"},
      {"tree density",
       [](Sylvanor& e) {
         e.Set_ThinCrit("TreeDensity");
         e.Set_ThiCriVal(-9999);
       },
       "Missing thinning criteria value for Tree Density"},
      {"exceeding tree density",
       [](Sylvanor& e) {
         e.Set_ThinCrit("ExceedingTreeDensity");
         e.Set_ThiCriVal(-9999);
       },
       "Missing thinning criteria value for Exceeding Tree Density DBH"},
      {"canopy fuel load",
       [](Sylvanor& e) {
         e.Set_ThinCrit("CanopyFuelLoad");
         e.Set_ThiCriVal(-9999);
       },
       "Missing thinning criteria value for Canopy Fuel Load"},
      {"canopy bulk density",
       [](Sylvanor& e) {
         e.Set_ThinCrit("CanopyBulkDensity");
         e.Set_ThiCriVal(2.5f);
       },
       "Canopy Bulk Density (CBD kg/m3) thinning criteria value 2.50 is out of limit ( 0.00 -> "
       "2.00 )"},
      {"unknown criterion", [](Sylvanor& e) { e.Set_ThinCrit("Height"); },
       "Invalid/Missing Thinning Criteria Specified -> Height \n Use: BasalArea  CanopyCover  "
       "StandDensityIndex  TreeDensity\n  ExceedingTreeDensity  CanopyFuelLoad  "
       "CanopyBulkDensity  Free"},
      {"not a number",
       [](Sylvanor& e) { e.Set_ThiCriVal(std::numeric_limits<float>::quiet_NaN()); },
       "Basal Area thinning criteria value nan is out of limit ( 0.00 -> 99999.00 )"},
      {"missing cutting efficiency", [](Sylvanor& e) { e.Set_CutEff(-9999); },
       "Missing value for Thinning Cutting Efficency"},
      {"minimum cut diameter", [](Sylvanor& e) { e.Set_MinCutDia(-9999); },
       "Missing value for Minimum Cut Diameter"},
      {"maximum cut diameter", [](Sylvanor& e) { e.Set_MaxCutDia(10000); },
       "Maximum Cut Diameter  (10000.00) is out of limits ( 0.00 -> 9999.00 )"},
      {"equal cut diameters",
       [](Sylvanor& e) {
         e.Set_MinCutDia(12);
         e.Set_MaxCutDia(12);
       },
       "Minumum   12.00 Cut Diameter exceeds Maximum  12.00"},
      {"crossed cut diameters",
       [](Sylvanor& e) {
         e.Set_MinCutDia(30);
         e.Set_MaxCutDia(8.5f);
       },
       "Minumum   30.00 Cut Diameter exceeds Maximum   8.50"},
      {"submerchantable diameter", [](Sylvanor& e) { e.Set_SubMerDia(-1); },
       "Submerchant Diameter  (-1.00) is out of limits ( 0.00 -> 9999.00 )"},
      {"log top diameter", [](Sylvanor& e) { e.Set_LogTopDia(7); },
       "Log Top Diameter  (7.00) is out of limits ( 0.00 -> 6.00 )"},
      {"yarding loss", [](Sylvanor& e) { e.Set_Yardloss(-9999); }, "Missing value for Yardloss"},
  };
  for (const Case& c : cases)
    ExpectRejected("English", c);
}

TEST(SettingsCheck, FreeThinningNeedsNoTargetAndThinningOffSkipsItsChecks) {
  Sylvanor e;
  InitValid(e);
  e.Set_ThinCrit("free");
  e.Set_ThiCriVal(-9999);
  EXPECT_EQ(e.Check_InputsLG(), 1) << e.Get_ErrMes();
  e.Set_ThinInc("No");
  e.Set_ThinCrit("Nonsense");
  e.Set_MinCutDia(50);
  EXPECT_EQ(e.Check_Inputs(), 1) << e.Get_ErrMes();
  e.Set_PrunInc("No");
  e.Set_PrunHgt(-9999);
  e.Set_BroBurInc("No");
  e.Set_Region("");
  e.Set_UserFolder("");
  EXPECT_EQ(e.Check_Inputs(), 1) << e.Get_ErrMes();
}

// The two forms of the fraction check: 0-1 for Check_Inputs; 0 or 1-100
// percent for Check_InputsLG, reported in percent.
TEST(SettingsCheck, FractionForms) {
  struct FractionCase {
    float value;
    const char* fractionMessage;  // "" when Check_Inputs accepts it
    const char* percentMessage;   // "" when Check_InputsLG accepts it
  };
  const FractionCase cases[] = {
      {0.0f, "", ""},
      {0.005f, "", "Thinning Cutting Efficency percent (0.50) is out of limits, 0 or 1 --> 100 "},
      {0.01f, "", ""},
      {1.0f, "", ""},
      {1.5f, "Thinning Cutting Efficency percent (1.50) is out of limits ( 0 -> 1.0 )",
       "Thinning Cutting Efficency percent (150) is out of limits ( 0 -> 100 )"},
      {-0.1f, "Thinning Cutting Efficency percent (-0.10) is out of limits ( 0 -> 1.0 )",
       "Thinning Cutting Efficency percent (-10.00) is out of limits, 0 or 1 --> 100 "},
  };
  for (const FractionCase& c : cases) {
    Sylvanor e;
    InitValid(e);
    e.Set_CutEff(c.value);
    EXPECT_EQ(e.Check_Inputs(), *c.fractionMessage ? 0 : 1) << c.value;
    EXPECT_EQ(e.Get_ErrMes(), c.fractionMessage) << c.value;
    EXPECT_EQ(e.Check_InputsLG(), *c.percentMessage ? 0 : 1) << c.value;
    EXPECT_EQ(e.Get_ErrMes(), c.percentMessage) << c.value;
  }

  Sylvanor e;
  InitValid(e);
  e.Set_ThinCrit("CanopyCover");
  e.Set_ThiCriVal(1.2f);
  EXPECT_EQ(e.Check_Inputs(), 0);
  EXPECT_EQ(e.Get_ErrMes(),
            "Canopy Cover Thin Criteria Value percent (1.20) is out of limits ( 0 -> 1.0 )");
  EXPECT_EQ(e.Check_InputsLG(), 0);
  EXPECT_EQ(e.Get_ErrMes(),
            "Canopy Cover Thin Criteria Value percent (120) is out of limits ( 0 -> 100 )");
  e.Set_ThiCriVal(0.4f);
  EXPECT_EQ(e.Check_InputsLG(), 1) << e.Get_ErrMes();
}

TEST(SettingsCheck, PruningCanopyAndFuelLoads) {
  const Case cases[] = {
      {"pruning height", [](Sylvanor& e) { e.Set_PrunHgt(101); },
       "Pruning Height  (101.00) is out of limits ( 0.00 -> 100.00 )"},
      {"residual crown ratio", [](Sylvanor& e) { e.Set_PrunMRCR(-9999); },
       "Missing value for Pruning Minimum Residual Crown Ratio"},
      {"stem density diameter", [](Sylvanor& e) { e.Set_ESDD(1000); },
       "Exceeding Stem Density  (1000.00) is out of limits ( 0.00 -> 999.00 )"},
      {"layer width", [](Sylvanor& e) { e.Set_LayWid(0.05f); },
       "CBD layer width  (0.05) is out of limits ( 0.10 -> 10.00 )"},
      {"running average", [](Sylvanor& e) { e.Set_RASpread(2); },
       "CBD Running Average Spread  (2.00) is out of limits ( 3.00 -> 100.00 )"},
      {"critical threshold", [](Sylvanor& e) { e.Set_CBDCriThr(1.5f); },
       "CBD Critical Threshold  (1.500) is out of limits ( 0.001 -> 1.000 )"},
      {"duff below its floor", [](Sylvanor& e) { e.Set_Duff(0.05f); },
       "Duff Load  (0.050) is out of limits ( 0.100 -> 356.780 )"},
      {"litter", [](Sylvanor& e) { e.Set_Litter(1000); },
       "Fuel Load Litter (1000.0) is out of limit, use  0.0 -> 999.0"},
      {"shrub", [](Sylvanor& e) { e.Set_Shrub(-9999); },
       "Missing Fuel Load Shrub, use 0 for no load"},
      {"100 hour", [](Sylvanor& e) { e.Set_100Hr(-0.5f); },
       "Fuel Load 100 Hour (-0.5) is out of limit, use  0.0 -> 999.0"},
      {"size class 5 sound", [](Sylvanor& e) { e.Set_SC5Snd(-9999); },
       "Missing Fuel Load Size Class 5 Sound, use 0 for no load"},
      {"size class 4 rotten", [](Sylvanor& e) { e.Set_SC4Rot(2000); },
       "Fuel Load Size Class 4 Rotten (2000.0) is out of limit, use  0.0 -> 999.0"},
      {"existing piles", [](Sylvanor& e) { e.Set_ExiPilLoa(-1); },
       "Fuel Load Existing Pile Load (-1.0) is out of limit, use  0.0 -> 999.0"},
  };
  for (const Case& c : cases)
    ExpectRejected("English", c);

  Sylvanor e;
  InitValid(e);
  e.Set_Duff(0);  // no duff at all passes, below the floor of a real load
  e.Set_Litter(999);
  EXPECT_EQ(e.Check_Inputs(), 1) << e.Get_ErrMes();
}

TEST(SettingsCheck, PileFractions) {
  Sylvanor e;
  InitValid(e);
  e.Set_PilTPFra(2);
  EXPECT_EQ(e.Check_Inputs(), 0);
  EXPECT_EQ(e.Get_ErrMes(),
            "Percent of thin & prune slash activity fuels to put on pile percent (2.00) is out of "
            "limits ( 0 -> 1.0 )");
  e.Set_PilTPFra(0.5f);
  e.Set_PilBurFra(1.2f);
  EXPECT_EQ(e.Check_InputsLG(), 0);
  EXPECT_EQ(e.Get_ErrMes(), "Percent of pile to burn percent (120) is out of limits ( 0 -> 100 )");
}

TEST(SettingsCheck, BroadcastBurnSettings) {
  const Case cases[] = {
      {"region", [](Sylvanor& e) { e.Set_Region("Alaska"); },
       "Invalid/Missing Broadcast Burn Region, use SouthEast, InteriorWest, PacificWest, "
       "NorthEast"},
      {"season", [](Sylvanor& e) { e.Set_Season("Autumn"); },
       "Invalid/Missing Broadcast Burn Season, use Winter, Spring, Summer, Fall"},
      {"10 hour moisture", [](Sylvanor& e) { e.Set_Moist10Hr(0.02f); },
       "10 Hour Moisture  (0.020) is out of limits ( 0.030 -> 2.980 )"},
      {"1000 hour moisture", [](Sylvanor& e) { e.Set_Moist1kHr(3.5f); },
       "1000 Hour Moisture  (3.500) is out of limits ( 0.010 -> 3.000 )"},
      {"moss and lichen", [](Sylvanor& e) { e.Set_MLCons(-9999); },
       "Missing value for Percent of Moss & Lichen to be consumed"},
      {"duff depth", [](Sylvanor& e) { e.Set_DuffDepth(1000); },
       "Duff Depth  (1000.000) is out of limits ( 0.000 -> 999.000 )"},
      {"duff moisture", [](Sylvanor& e) { e.Set_DuffMoist(0.05f); },
       "Duff Moisture  (0.050) is out of limits ( 0.100 -> 2.000 )"},
      {"scorch height", [](Sylvanor& e) { e.Set_ScoHgt(0); },
       "Scorch Height  (0.00) is out of limits ( 0.10 -> 300.00 )"},
      {"mortality file", [](Sylvanor& e) { e.Set_UserFolder(""); },
       "No folder and file name specified for Qorvel mortality equation input file.\n"
       "This file is required when doing a broadcast burn."},
  };
  for (const Case& c : cases)
    ExpectRejected("English", c);

  // limits are inclusive, as the values are typed
  Sylvanor e;
  InitValid(e);
  e.Set_Region("pacificwest");
  e.Set_Season("WINTER");
  e.Set_Moist10Hr(0.03f);
  e.Set_Moist1kHr(3.0f);
  e.Set_DuffMoist(0.1f);
  e.Set_ScoHgt(0.1f);
  EXPECT_EQ(e.Check_Inputs(), 1) << e.Get_ErrMes();
}

TEST(SettingsCheck, FuelModelSettings) {
  const Case cases[] = {
      {"set", [](Sylvanor& e) { e.Set_FueModSet("Scott"); },
       "Invalid/Miss Fuel Model Set, use Albini-13, Scott-40, All or None"},
      {"climate", [](Sylvanor& e) { e.Set_Climate("Wet"); },
       "Invalid/Miss Fuel Model Climate, use Arid or Humid"},
      {"1 hour SAV", [](Sylvanor& e) { e.Set_1HrSAV(0.5f); },
       "1 Hour Surface Area to Volume Ratio (SAV)  (0.50) is out of limits ( 1.00 -> 99999.00 )"},
      {"grass SAV", [](Sylvanor& e) { e.Set_GrassSAV(-9999); },
       "Missing value for Grass Surface Area to Volume Ratio (SAV)"},
      {"shrub SAV", [](Sylvanor& e) { e.Set_ShrubSAV(100000); },
       "Shrub Surface Area to Volume Ratio (SAV)  (100000.00) is out of limits ( 1.00 -> "
       "99999.00 )"},
      {"fuel bed depth", [](Sylvanor& e) { e.Set_FueBedDep(-9999); },
       "Missing value for Fuel Model Fuel Bed Depth"},
  };
  for (const Case& c : cases)
    ExpectRejected("English", c);

  Sylvanor e;
  InitValid(e);
  e.Set_FueModSet("NONE");
  e.Set_Climate("");
  e.Set_1HrSAV(-9999);
  e.Set_FueBedDep(-9999);
  EXPECT_EQ(e.Check_Inputs(), 1) << e.Get_ErrMes();
}

TEST(SettingsCheck, MetricLimits) {
  const Case cases[] = {
      {"log top diameter", [](Sylvanor& e) { e.Set_LogTopDia(16); },
       "Log Top Diameter  (16.00) is out of limits ( 0.00 -> 15.24 )"},
      {"pruning height", [](Sylvanor& e) { e.Set_PrunHgt(31); },
       "Pruning Height  (31.00) is out of limits ( 0.00 -> 30.00 )"},
      {"duff load", [](Sylvanor& e) { e.Set_Duff(0.02f); },
       "Duff Load  (0.020) is out of limits ( 0.022 -> 80.000 )"},
      {"duff load high", [](Sylvanor& e) { e.Set_Duff(81); },
       "Duff Load  (81.000) is out of limits ( 0.022 -> 80.000 )"},
      {"fuel load", [](Sylvanor& e) { e.Set_Litter(224); },
       "Fuel Load Litter (224.0) is out of limit, use  0.0 -> 223.9"},
      {"duff depth", [](Sylvanor& e) { e.Set_DuffDepth(2600); },
       "Duff Depth  (2600.000) is out of limits ( 0.000 -> 2537.460 )"},
      {"scorch height is the same in both systems", [](Sylvanor& e) { e.Set_ScoHgt(301); },
       "Scorch Height  (301.00) is out of limits ( 0.10 -> 300.00 )"},
      {"submerchantable diameter is the same in both systems",
       [](Sylvanor& e) { e.Set_SubMerDia(10000); },
       "Submerchant Diameter  (10000.00) is out of limits ( 0.00 -> 9999.00 )"},
  };
  for (const Case& c : cases)
    ExpectRejected("Metric", c);

  // values that the English limits would refuse
  Sylvanor e;
  InitValid(e, "Metric");
  e.Set_LogTopDia(15);
  e.Set_Duff(0.05f);
  e.Set_Litter(223.9f);
  e.Set_DuffDepth(2000);
  e.Set_PrunHgt(30);
  EXPECT_EQ(e.Check_Inputs(), 1) << e.Get_ErrMes();
  e.Set_PrunHgt(50);
  EXPECT_EQ(e.Check_Inputs(), 0);
}

}  // namespace
