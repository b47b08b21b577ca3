#include "engine/SettingsCheck.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "engine/Sylvanor.h"

namespace sylvanor {

namespace {

using FloatSetter = int (Sylvanor::*)(float);
using TextSetter = int (Sylvanor::*)(const std::string&);

// The surface fuel loads in the order they are checked.
const std::vector<FloatSetter> kLoads = {
    &Sylvanor::Set_Litter, &Sylvanor::Set_Lichen, &Sylvanor::Set_Moss,     &Sylvanor::Set_Grass,
    &Sylvanor::Set_Shrub,  &Sylvanor::Set_1Hr,    &Sylvanor::Set_10Hr,     &Sylvanor::Set_100Hr,
    &Sylvanor::Set_SC1Snd, &Sylvanor::Set_SC2Snd, &Sylvanor::Set_SC3Snd,   &Sylvanor::Set_SC4Snd,
    &Sylvanor::Set_SC5Snd, &Sylvanor::Set_SC1Rot, &Sylvanor::Set_SC2Rot,   &Sylvanor::Set_SC3Rot,
    &Sylvanor::Set_SC4Rot, &Sylvanor::Set_SC5Rot, &Sylvanor::Set_ExiPilLoa};

// A complete, valid set of settings: thinning, pruning, piling, a broadcast
// burn and a fuel-model selection all included.
void InitValid(Sylvanor& e, const std::string& units = "English") {
  e.Init_LarGUI(units, units, "");
  const std::pair<TextSetter, const char*> texts[] = {
      {&Sylvanor::Set_ThinInc, "Yes"},
      {&Sylvanor::Set_ThinCrit, "BasalArea"},
      {&Sylvanor::Set_PrunInc, "Yes"},
      {&Sylvanor::Set_BroBurInc, "Yes"},
      {&Sylvanor::Set_Region, "InteriorWest"},
      {&Sylvanor::Set_Season, "Fall"},
      {&Sylvanor::Set_FueModSet, "All"},
      {&Sylvanor::Set_Climate, "Arid"},
      {&Sylvanor::Set_UserFolder, "/home/forester/.local/share/Sylvanor/qor_spp.csv"}};
  for (const auto& [set, value] : texts)
    (e.*set)(value);
  const std::pair<FloatSetter, float> numbers[] = {
      {&Sylvanor::Set_ThiCriVal, 100},  {&Sylvanor::Set_CutEff, 0.8f},
      {&Sylvanor::Set_MinCutDia, 0},    {&Sylvanor::Set_MaxCutDia, 20},
      {&Sylvanor::Set_SubMerDia, 5},    {&Sylvanor::Set_LogTopDia, 4},
      {&Sylvanor::Set_Yardloss, 0.1f},  {&Sylvanor::Set_PrunHgt, 10},
      {&Sylvanor::Set_PrunMRCR, 0.3f},  {&Sylvanor::Set_ESDD, 1},
      {&Sylvanor::Set_Duff, 10},        {&Sylvanor::Set_PilGroFra, 0.5f},
      {&Sylvanor::Set_PilTPFra, 0.5f},  {&Sylvanor::Set_PilBurFra, 0.5f},
      {&Sylvanor::Set_Moist10Hr, 0.1f}, {&Sylvanor::Set_Moist1kHr, 0.3f},
      {&Sylvanor::Set_DuffDepth, 1},    {&Sylvanor::Set_DuffMoist, 0.5f},
      {&Sylvanor::Set_ScoHgt, 20},      {&Sylvanor::Set_1HrSAV, 2000},
      {&Sylvanor::Set_GrassSAV, 1800},  {&Sylvanor::Set_ShrubSAV, 1500},
      {&Sylvanor::Set_FueBedDep, 1}};
  for (const auto& [set, value] : numbers)
    (e.*set)(value);
  for (FloatSetter set : kLoads)
    (e.*set)(1.0f);
}

// One setting changed from a valid set, and the message both forms of the
// check give for it.
struct Case {
  FloatSetter set;
  float value;
  const char* message;
};
struct TextCase {
  TextSetter set;
  const char* value;
  const char* message;
};

template <class C>
void ExpectRejected(const char* units, const C& c) {
  Sylvanor e;
  InitValid(e, units);
  (e.*c.set)(c.value);
  EXPECT_EQ(e.Check_Inputs(), 0) << c.message;
  EXPECT_EQ(e.Get_ErrMes(), c.message);
  EXPECT_EQ(e.Check_InputsLG(), 0) << c.message;
  EXPECT_EQ(e.Get_ErrMes(), c.message);
}

void ExpectAccepted(Sylvanor& e) {
  EXPECT_EQ(e.Check_Inputs(), 1) << e.Get_ErrMes();
  EXPECT_EQ(e.Check_InputsLG(), 1) << e.Get_ErrMes();
}

TEST(SettingsCheck, ValidSettingsPassInBothUnitSystemsAndClearTheMessage) {
  for (const char* units : {"English", "Metric", "metric"}) {
    Sylvanor e;
    InitValid(e, units);
    e.Set_FueModSet("Bogus");
    ASSERT_EQ(e.Check_Inputs(), 0);
    e.Set_FueModSet("all");
    ExpectAccepted(e);
    EXPECT_EQ(e.Get_ErrMes(), "");
  }
}

// A freshly initialised engine fails each check in turn as the settings are
// filled in one after another; fuel-model set "None" ends validation.
TEST(SettingsCheck, ChecksRunInOrderFromAFreshEngine) {
  Sylvanor e;
  e.Init_LarGUI("English", "English", "");
  const auto firstFailure = [&e] { return e.Check_Inputs() == 0 ? e.Get_ErrMes() : "passed"; };
  EXPECT_EQ(firstFailure(), "Invalid argument for Thinning Include, use Yes or No");
  e.Set_ThinInc("No");
  EXPECT_EQ(firstFailure(), "Invalid/Missing Pruning Include, use Yes or No");
  e.Set_PrunInc("no");
  e.Set_BroBurInc("NO");
  EXPECT_EQ(firstFailure(), "Missing value for Exceeding Stem Density");
  e.Set_ESDD(2);
  // layer width, running-average spread and critical threshold have defaults
  EXPECT_EQ(firstFailure(), "Missing value for Duff Load");
  e.Set_Duff(0);
  const char* loadLabels[] = {"Litter",
                              "Lichen",
                              "Moss",
                              "Grass",
                              "Shrub",
                              "1 Hour",
                              "10 Hour",
                              "100 Hour",
                              "Size Class 1 Sound",
                              "Size Class 2 Sound",
                              "Size Class 3 Sound",
                              "Size Class 4 Sound",
                              "Size Class 5 Sound",
                              "Size Class 1 Rotten",
                              "Size Class 2 Rotten",
                              "Size Class 3 Rotten",
                              "Size Class 4 Rotten",
                              "Size Class 5 Rotten",
                              "Existing Pile Load"};
  for (std::size_t i = 0; i < kLoads.size(); ++i) {
    EXPECT_EQ(firstFailure(),
              std::string("Missing Fuel Load ") + loadLabels[i] + ", use 0 for no load");
    (e.*kLoads[i])(0);
  }
  EXPECT_EQ(firstFailure(), "Missing value for Percent of existing ground fuels to put on pile");
  e.Set_PilGroFra(0);
  EXPECT_EQ(firstFailure(),
            "Missing value for Percent of thin & prune slash activity fuels to put on pile");
  e.Set_PilTPFra(0);
  EXPECT_EQ(firstFailure(), "Missing value for Percent of pile to burn");
  e.Set_PilBurFra(0);
  EXPECT_EQ(firstFailure(), "Invalid/Miss Fuel Model Set, use Albini-13, Scott-40, All or None");
  e.Set_FueModSet("Scott-40");
  EXPECT_EQ(firstFailure(), "Invalid/Miss Fuel Model Climate, use Arid or Humid");
  e.Set_FueModSet("None");
  ExpectAccepted(e);
}

TEST(SettingsCheck, UnitsAndSwitches) {
  Sylvanor e;
  InitValid(e);
  e.Init_LarGUI("Imperial", "English", "");
  EXPECT_EQ(e.Check_Inputs(), 0);
  EXPECT_EQ(e.Get_ErrMes(),
            "Invalid/Missing argument for input units (Imperial), use English or Metric");
  e.Init_LarGUI("English", "", "");
  EXPECT_EQ(e.Check_InputsLG(), 0);
  EXPECT_EQ(e.Get_ErrMes(), "Invalid/Missing argument for output units (), use English or Metric");
  const TextCase cases[] = {
      {&Sylvanor::Set_ThinInc, "Maybe", "Invalid argument for Thinning Include, use Yes or No"},
      {&Sylvanor::Set_PrunInc, "", "Invalid/Missing Pruning Include, use Yes or No"},
      {&Sylvanor::Set_BroBurInc, "Y", "Invalid/Missing Broadcast Burn Include, use Yes or No"},
  };
  for (const TextCase& c : cases)
    ExpectRejected("English", c);
}

TEST(SettingsCheck, ThinningSettings) {
  const Case cases[] = {
      {&Sylvanor::Set_ThiCriVal, -9999, "Missing thinning criteria value for Basal Area"},
      {&Sylvanor::Set_ThiCriVal, 100000,
       "Basal Area thinning criteria value 100000.00 is out of limit ( 0.00 -> 99999.00 )"},
      {&Sylvanor::Set_ThiCriVal, std::numeric_limits<float>::quiet_NaN(),
       "Basal Area thinning criteria value nan is out of limit ( 0.00 -> 99999.00 )"},
      {&Sylvanor::Set_CutEff, -9999, "Missing value for Thinning Cutting Efficency"},
      {&Sylvanor::Set_MinCutDia, -9999, "Missing value for Minimum Cut Diameter"},
      {&Sylvanor::Set_MaxCutDia, 10000,
       "Maximum Cut Diameter  (10000.00) is out of limits ( 0.00 -> 9999.00 )"},
      {&Sylvanor::Set_MinCutDia, 20, "Minumum   20.00 Cut Diameter exceeds Maximum  20.00"},
      {&Sylvanor::Set_MaxCutDia, 0, "Minumum    0.00 Cut Diameter exceeds Maximum   0.00"},
      {&Sylvanor::Set_SubMerDia, -1,
       "Submerchant Diameter  (-1.00) is out of limits ( 0.00 -> 9999.00 )"},
      {&Sylvanor::Set_LogTopDia, 7, "Log Top Diameter  (7.00) is out of limits ( 0.00 -> 6.00 )"},
      {&Sylvanor::Set_Yardloss, -9999, "Missing value for Yardloss"},
  };
  for (const Case& c : cases)
    ExpectRejected("English", c);
  const TextCase unknown = {
      &Sylvanor::Set_ThinCrit, "Height",
      "Invalid/Missing Thinning Criteria Specified -> Height \n Use: BasalArea  CanopyCover  "
      "StandDensityIndex  TreeDensity\n  ExceedingTreeDensity  CanopyFuelLoad  "
      "CanopyBulkDensity  Free"};
  ExpectRejected("English", unknown);
}

// Each criterion checks its target with its own label and limits.
TEST(SettingsCheck, ThinningCriteria) {
  const struct {
    const char* criterion;
    float value;
    const char* message;  // "" when accepted
  } cases[] = {
      {"standdensityindex", -1,
       "Stand Density Index thinning criteria value -1.00 is out of limit ( 0.00 -> 99999.00 )"},
      {"TreeDensity", -9999, "Missing thinning criteria value for Tree Density"},
      {"ExceedingTreeDensity", -9999,
       "Missing thinning criteria value for Exceeding Tree Density DBH"},
      {"CanopyFuelLoad", -9999, "Missing thinning criteria value for Canopy Fuel Load"},
      {"CanopyBulkDensity", 2.5f,
       "Canopy Bulk Density (CBD kg/m3) thinning criteria value 2.50 is out of limit ( 0.00 -> "
       "2.00 )"},
      {"CanopyBulkDensity", 2.0f, ""},
      {"CanopyCover", -9999, "Missing value for Canopy Cover Thin Criteria Value"},
      {"CanopyCover", 0.4f, ""},
      {"free", -9999, ""},  // no target needed
  };
  for (const auto& c : cases) {
    Sylvanor e;
    InitValid(e);
    e.Set_ThinCrit(c.criterion);
    e.Set_ThiCriVal(c.value);
    EXPECT_EQ(e.Check_InputsLG(), *c.message ? 0 : 1) << c.criterion;
    EXPECT_EQ(e.Get_ErrMes(), c.message);
  }
}

// Switched-off treatments skip their own checks.
TEST(SettingsCheck, TreatmentsSwitchedOffAreNotChecked) {
  Sylvanor e;
  InitValid(e);
  e.Set_ThinInc("No");
  e.Set_ThinCrit("Nonsense");
  e.Set_MinCutDia(50);
  e.Set_PrunInc("No");
  e.Set_PrunHgt(-9999);
  e.Set_BroBurInc("No");
  e.Set_Region("");
  e.Set_UserFolder("");
  ExpectAccepted(e);
}

// The two forms of the fraction check: 0-1 for Check_Inputs; 0 or 1-100
// percent for Check_InputsLG, reported in percent.
TEST(SettingsCheck, FractionForms) {
  const struct {
    const char* criterion;
    float value;
    const char* fractionMessage;  // "" when Check_Inputs accepts it
    const char* percentMessage;   // "" when Check_InputsLG accepts it
  } cases[] = {
      {"Free", 0.0f, "", ""},
      {"Free", 0.005f, "",
       "Thinning Cutting Efficency percent (0.50) is out of limits, 0 or 1 --> 100 "},
      {"Free", 0.01f, "", ""},
      {"Free", 1.0f, "", ""},
      {"Free", 1.5f, "Thinning Cutting Efficency percent (1.50) is out of limits ( 0 -> 1.0 )",
       "Thinning Cutting Efficency percent (150) is out of limits ( 0 -> 100 )"},
      {"Free", -0.1f, "Thinning Cutting Efficency percent (-0.10) is out of limits ( 0 -> 1.0 )",
       "Thinning Cutting Efficency percent (-10.00) is out of limits, 0 or 1 --> 100 "},
      {"CanopyCover", 1.2f,
       "Canopy Cover Thin Criteria Value percent (1.20) is out of limits ( 0 -> 1.0 )",
       "Canopy Cover Thin Criteria Value percent (120) is out of limits ( 0 -> 100 )"},
  };
  for (const auto& c : cases) {
    Sylvanor e;
    InitValid(e);
    e.Set_ThinCrit(c.criterion);
    (c.criterion == std::string("Free") ? e.Set_CutEff(c.value) : e.Set_ThiCriVal(c.value));
    EXPECT_EQ(e.Check_Inputs(), *c.fractionMessage ? 0 : 1) << c.value;
    EXPECT_EQ(e.Get_ErrMes(), c.fractionMessage) << c.value;
    EXPECT_EQ(e.Check_InputsLG(), *c.percentMessage ? 0 : 1) << c.value;
    EXPECT_EQ(e.Get_ErrMes(), c.percentMessage) << c.value;
  }
}

TEST(SettingsCheck, PruningCanopyLoadsAndPiles) {
  const Case cases[] = {
      {&Sylvanor::Set_PrunHgt, 101, "Pruning Height  (101.00) is out of limits ( 0.00 -> 100.00 )"},
      {&Sylvanor::Set_PrunMRCR, -9999, "Missing value for Pruning Minimum Residual Crown Ratio"},
      {&Sylvanor::Set_ESDD, 1000,
       "Exceeding Stem Density  (1000.00) is out of limits ( 0.00 -> 999.00 )"},
      {&Sylvanor::Set_LayWid, 0.05f, "CBD layer width  (0.05) is out of limits ( 0.10 -> 10.00 )"},
      {&Sylvanor::Set_RASpread, 2,
       "CBD Running Average Spread  (2.00) is out of limits ( 3.00 -> 100.00 )"},
      {&Sylvanor::Set_CBDCriThr, 1.5f,
       "CBD Critical Threshold  (1.500) is out of limits ( 0.001 -> 1.000 )"},
      {&Sylvanor::Set_Duff, 0.05f, "Duff Load  (0.050) is out of limits ( 0.100 -> 356.780 )"},
      {&Sylvanor::Set_Litter, 1000, "Fuel Load Litter (1000.0) is out of limit, use  0.0 -> 999.0"},
      {&Sylvanor::Set_100Hr, -0.5f, "Fuel Load 100 Hour (-0.5) is out of limit, use  0.0 -> 999.0"},
      {&Sylvanor::Set_SC4Rot, 2000,
       "Fuel Load Size Class 4 Rotten (2000.0) is out of limit, use  0.0 -> 999.0"},
      {&Sylvanor::Set_ExiPilLoa, -1,
       "Fuel Load Existing Pile Load (-1.0) is out of limit, use  0.0 -> 999.0"},
      {&Sylvanor::Set_PilBurFra, -9999, "Missing value for Percent of pile to burn"},
  };
  for (const Case& c : cases)
    ExpectRejected("English", c);

  Sylvanor e;
  InitValid(e);
  e.Set_Duff(0);  // no duff at all passes, below the floor of a real load
  e.Set_Litter(999);
  ExpectAccepted(e);
  e.Set_PilTPFra(2);
  EXPECT_EQ(e.Check_Inputs(), 0);
  EXPECT_EQ(e.Get_ErrMes(),
            "Percent of thin & prune slash activity fuels to put on pile percent (2.00) is out of "
            "limits ( 0 -> 1.0 )");
}

TEST(SettingsCheck, BroadcastBurnSettings) {
  const TextCase texts[] = {
      {&Sylvanor::Set_Region, "Alaska",
       "Invalid/Missing Broadcast Burn Region, use SouthEast, InteriorWest, PacificWest, "
       "NorthEast"},
      {&Sylvanor::Set_Season, "Autumn",
       "Invalid/Missing Broadcast Burn Season, use Winter, Spring, Summer, Fall"},
      {&Sylvanor::Set_UserFolder, "",
       "No folder and file name specified for Qorvel mortality equation input file.\n"
       "This file is required when doing a broadcast burn."},
  };
  for (const TextCase& c : texts)
    ExpectRejected("English", c);
  const Case cases[] = {
      {&Sylvanor::Set_Moist10Hr, 0.02f,
       "10 Hour Moisture  (0.020) is out of limits ( 0.030 -> 2.980 )"},
      {&Sylvanor::Set_Moist1kHr, 3.5f,
       "1000 Hour Moisture  (3.500) is out of limits ( 0.010 -> 3.000 )"},
      {&Sylvanor::Set_MLCons, -9999, "Missing value for Percent of Moss & Lichen to be consumed"},
      {&Sylvanor::Set_DuffDepth, 1000,
       "Duff Depth  (1000.000) is out of limits ( 0.000 -> 999.000 )"},
      {&Sylvanor::Set_DuffMoist, 0.05f,
       "Duff Moisture  (0.050) is out of limits ( 0.100 -> 2.000 )"},
      {&Sylvanor::Set_ScoHgt, 0, "Scorch Height  (0.00) is out of limits ( 0.10 -> 300.00 )"},
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
  ExpectAccepted(e);
}

TEST(SettingsCheck, FuelModelSettings) {
  const TextCase texts[] = {
      {&Sylvanor::Set_FueModSet, "Scott",
       "Invalid/Miss Fuel Model Set, use Albini-13, Scott-40, All or None"},
      {&Sylvanor::Set_Climate, "Wet", "Invalid/Miss Fuel Model Climate, use Arid or Humid"},
  };
  for (const TextCase& c : texts)
    ExpectRejected("English", c);
  const Case cases[] = {
      {&Sylvanor::Set_1HrSAV, 0.5f,
       "1 Hour Surface Area to Volume Ratio (SAV)  (0.50) is out of limits ( 1.00 -> 99999.00 )"},
      {&Sylvanor::Set_GrassSAV, -9999,
       "Missing value for Grass Surface Area to Volume Ratio (SAV)"},
      {&Sylvanor::Set_ShrubSAV, 100000,
       "Shrub Surface Area to Volume Ratio (SAV)  (100000.00) is out of limits ( 1.00 -> "
       "99999.00 )"},
      {&Sylvanor::Set_FueBedDep, -9999, "Missing value for Fuel Model Fuel Bed Depth"},
  };
  for (const Case& c : cases)
    ExpectRejected("English", c);

  Sylvanor e;
  InitValid(e);
  e.Set_FueModSet("NONE");
  e.Set_Climate("");
  e.Set_1HrSAV(-9999);
  e.Set_FueBedDep(-9999);
  ExpectAccepted(e);
}

TEST(SettingsCheck, MetricLimits) {
  const Case cases[] = {
      {&Sylvanor::Set_LogTopDia, 16,
       "Log Top Diameter  (16.00) is out of limits ( 0.00 -> 15.24 )"},
      {&Sylvanor::Set_PrunHgt, 31, "Pruning Height  (31.00) is out of limits ( 0.00 -> 30.00 )"},
      {&Sylvanor::Set_Duff, 0.02f, "Duff Load  (0.020) is out of limits ( 0.022 -> 80.000 )"},
      {&Sylvanor::Set_Duff, 81, "Duff Load  (81.000) is out of limits ( 0.022 -> 80.000 )"},
      {&Sylvanor::Set_Litter, 224, "Fuel Load Litter (224.0) is out of limit, use  0.0 -> 223.9"},
      {&Sylvanor::Set_DuffDepth, 2600,
       "Duff Depth  (2600.000) is out of limits ( 0.000 -> 2537.460 )"},
      // the same numbers in both systems
      {&Sylvanor::Set_ScoHgt, 301, "Scorch Height  (301.00) is out of limits ( 0.10 -> 300.00 )"},
      {&Sylvanor::Set_SubMerDia, 10000,
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
  ExpectAccepted(e);
}

}  // namespace

}  // namespace sylvanor
