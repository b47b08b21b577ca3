#include "engine/SettingsCheck.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "engine/Sylvanor.h"

namespace sylvanor {

namespace {

using namespace std::string_literals;
using Setter = std::variant<int (Sylvanor::*)(const std::string&), int (Sylvanor::*)(float)>;
// The engine's setters by their names without "Set_", the kLoads surface fuel
// loads first in the order they are checked.
#define SETTER(name) \
  { #name, &Sylvanor::Set_##name }
const std::pair<const char*, Setter> kSetters[] = {
    SETTER(Litter),    SETTER(Lichen),    SETTER(Moss),      SETTER(Grass),     SETTER(Shrub),
    SETTER(1Hr),       SETTER(10Hr),      SETTER(100Hr),     SETTER(SC1Snd),    SETTER(SC2Snd),
    SETTER(SC3Snd),    SETTER(SC4Snd),    SETTER(SC5Snd),    SETTER(SC1Rot),    SETTER(SC2Rot),
    SETTER(SC3Rot),    SETTER(SC4Rot),    SETTER(SC5Rot),    SETTER(ExiPilLoa), SETTER(UserFolder),
    SETTER(ThinInc),   SETTER(ThinCrit),  SETTER(ThiCriVal), SETTER(CutEff),    SETTER(MinCutDia),
    SETTER(MaxCutDia), SETTER(SubMerDia), SETTER(LogTopDia), SETTER(Yardloss),  SETTER(PrunInc),
    SETTER(PrunHgt),   SETTER(PrunMRCR),  SETTER(ESDD),      SETTER(LayWid),    SETTER(RASpread),
    SETTER(CBDCriThr), SETTER(Duff),      SETTER(PilGroFra), SETTER(PilTPFra),  SETTER(PilBurFra),
    SETTER(BroBurInc), SETTER(Region),    SETTER(Season),    SETTER(Moist10Hr), SETTER(Moist1kHr),
    SETTER(MLCons),    SETTER(DuffDepth), SETTER(DuffMoist), SETTER(ScoHgt),    SETTER(Climate),
    SETTER(FueModSet), SETTER(1HrSAV),    SETTER(GrassSAV),  SETTER(ShrubSAV),  SETTER(FueBedDep)};
constexpr std::size_t kLoads = 19;
#undef SETTER

// Sets settings through the engine's setters, named without "Set_":
// "ThinInc=Yes; ESDD=1"; "Loads=1" sets every surface fuel load.
void Set(Sylvanor& e, const std::string& settings) {
  std::istringstream in(settings);
  for (std::string name, value; std::getline(in >> std::ws, name, '=');) {
    std::getline(in, value, ';');
    int found = 0;
    for (std::size_t i = 0; i < std::size(kSetters); ++i) {
      if (name != kSetters[i].first && !(name == "Loads" && i < kLoads)) continue;
      ++found;
      const Setter& set = kSetters[i].second;
      if (set.index() == 0) (e.*std::get<0>(set))(value);
      if (set.index() == 1) (e.*std::get<1>(set))(std::stof(value));
    }
    EXPECT_GT(found, 0) << name;
  }
}

// A complete, valid set of settings: thinning, pruning, piling, a broadcast
// burn and a fuel-model selection all included.
constexpr const char* kValid =
    "ThinInc=Yes; ThinCrit=BasalArea; ThiCriVal=100; CutEff=0.8; MinCutDia=0; MaxCutDia=20; "
    "SubMerDia=5; LogTopDia=4; Yardloss=0.1; PrunInc=Yes; PrunHgt=10; PrunMRCR=0.3; ESDD=1; "
    "Duff=10; Loads=1; PilGroFra=0.5; PilTPFra=0.5; PilBurFra=0.5; BroBurInc=Yes; "
    "Region=InteriorWest; Season=Fall; Moist10Hr=0.1; Moist1kHr=0.3; DuffDepth=1; "
    "DuffMoist=0.5; ScoHgt=20; UserFolder=/home/forester/qor_spp.csv; FueModSet=All; "
    "Climate=Arid; 1HrSAV=2000; GrassSAV=1800; ShrubSAV=1500; FueBedDep=1";

// A change to the settings and the message of Check_Inputs (fractions 0-1) and of Check_InputsLG (0
// or 1-100 percent; the same unless given), "" when they pass.
struct Row {
  std::string change;
  const char* message;
  const char* percent = nullptr;
};

// Checks the row on the valid settings, or on those of a fresh engine.
void Expect(const char* in, const char* out, const Row& row, bool fresh = false) {
  SCOPED_TRACE(std::string(in) + "/" + out + " units, " + row.change);
  Sylvanor e;
  e.Init_LarGUI(in, out, "");
  Set(e, (fresh ? "" : std::string(kValid) + "; ") + row.change);
  const char* percent = row.percent ? row.percent : row.message;
  EXPECT_EQ(e.Check_Inputs(), *row.message ? 0 : 1);
  EXPECT_EQ(e.Get_ErrMes(), row.message);
  EXPECT_EQ(e.Check_InputsLG(), *percent ? 0 : 1);
  EXPECT_EQ(e.Get_ErrMes(), percent);
}

// A fresh engine fails each check in turn as the settings are filled in one
// after another; layer width, running-average spread and critical threshold
// have defaults, and the fuel-model set "None" ends validation.
TEST(SettingsCheck, FreshEngineFailsEachCheckInTurn) {
  std::vector<Row> steps = {
      {"ThinInc=No", "Invalid argument for Thinning Include, use Yes or No"},
      {"PrunInc=no; BroBurInc=NO", "Invalid/Missing Pruning Include, use Yes or No"},
      {"ESDD=2", "Missing value for Exceeding Stem Density"},
      {"Duff=0", "Missing value for Duff Load"}};
  std::istringstream labels(
      "Litter,Lichen,Moss,Grass,Shrub,1 Hour,10 Hour,100 Hour,Size Class 1 Sound,Size Class 2 "
      "Sound,Size Class 3 Sound,Size Class 4 Sound,Size Class 5 Sound,Size Class 1 Rotten,Size "
      "Class 2 Rotten,Size Class 3 Rotten,Size Class 4 Rotten,Size Class 5 Rotten,Existing Pile "
      "Load");
  std::vector<std::string> messages;
  for (std::string label; std::getline(labels, label, ',');)
    messages.push_back("Missing Fuel Load " + label + ", use 0 for no load");
  for (std::size_t i = 0; i < kLoads; ++i)
    steps.push_back({kSetters[i].first + "=0"s, messages.at(i).c_str()});
  steps.insert(
      steps.end(),
      {{"PilGroFra=0", "Missing value for Percent of existing ground fuels to put on pile"},
       {"PilTPFra=0",
        "Missing value for Percent of thin & prune slash activity fuels to put on pile"},
       {"PilBurFra=0", "Missing value for Percent of pile to burn"},
       {"FueModSet=Scott-40", "Invalid/Miss Fuel Model Set, use Albini-13, Scott-40, All or None"},
       {"FueModSet=None", "Invalid/Miss Fuel Model Climate, use Arid or Humid"}});
  std::string filled;
  for (const Row& step : steps) {
    Expect("English", "English", {filled, step.message}, true);
    filled += step.change + "; ";
  }
  Expect("English", "English", {filled, ""}, true);
}

TEST(SettingsCheck, EachCheckGivesItsMessage) {
  Expect("Imperial", "English",
         {"", "Invalid/Missing argument for input units (Imperial), use English or Metric"});
  Expect("English", "",
         {"", "Invalid/Missing argument for output units (), use English or Metric"});
  const Row english[] = {
      {"ThinInc=Maybe", "Invalid argument for Thinning Include, use Yes or No"},
      {"PrunInc=", "Invalid/Missing Pruning Include, use Yes or No"},
      {"BroBurInc=Y", "Invalid/Missing Broadcast Burn Include, use Yes or No"},
      // switched-off treatments skip their own checks
      {"ThinInc=No; ThinCrit=Nonsense; MinCutDia=50; PrunInc=No; PrunHgt=-9999; BroBurInc=No; "
       "Region=; UserFolder=",
       ""},
      // thinning
      {"ThiCriVal=-9999", "Missing thinning criteria value for Basal Area"},
      {"ThiCriVal=100000",
       "Basal Area thinning criteria value 100000.00 is out of limit ( 0.00 -> 99999.00 )"},
      {"ThiCriVal=nan",
       "Basal Area thinning criteria value nan is out of limit ( 0.00 -> 99999.00 )"},
      {"CutEff=-9999", "Missing value for Thinning Cutting Efficency"},
      {"MinCutDia=-9999", "Missing value for Minimum Cut Diameter"},
      {"MaxCutDia=10000", "Maximum Cut Diameter  (10000.00) is out of limits ( 0.00 -> 9999.00 )"},
      {"MinCutDia=20", "Minumum   20.00 Cut Diameter exceeds Maximum  20.00"},
      {"SubMerDia=-1", "Submerchant Diameter  (-1.00) is out of limits ( 0.00 -> 9999.00 )"},
      {"LogTopDia=7", "Log Top Diameter  (7.00) is out of limits ( 0.00 -> 6.00 )"},
      {"Yardloss=-9999", "Missing value for Yardloss"},
      {"ThinCrit=Height",
       "Invalid/Missing Thinning Criteria Specified -> Height \n Use: BasalArea  CanopyCover  "
       "StandDensityIndex  TreeDensity\n  ExceedingTreeDensity  CanopyFuelLoad  "
       "CanopyBulkDensity  Free"},
      // each criterion checks its target with its own label and limits
      {"ThinCrit=standdensityindex; ThiCriVal=-1",
       "Stand Density Index thinning criteria value -1.00 is out of limit ( 0.00 -> 99999.00 )"},
      {"ThinCrit=TreeDensity; ThiCriVal=-9999", "Missing thinning criteria value for Tree Density"},
      {"ThinCrit=ExceedingTreeDensity; ThiCriVal=-9999",
       "Missing thinning criteria value for Exceeding Tree Density DBH"},
      {"ThinCrit=CanopyFuelLoad; ThiCriVal=-9999",
       "Missing thinning criteria value for Canopy Fuel Load"},
      {"ThinCrit=CanopyBulkDensity; ThiCriVal=2.5",
       "Canopy Bulk Density (CBD kg/m3) thinning criteria value 2.50 is out of limit ( 0.00 -> "
       "2.00 )"},
      // limits and both ends of the percent form are inclusive
      {"ThinCrit=CanopyBulkDensity; ThiCriVal=2; CutEff=0; Yardloss=0.01; MLCons=1", ""},
      {"ThinCrit=CanopyCover; ThiCriVal=-9999",
       "Missing value for Canopy Cover Thin Criteria Value"},
      {"ThinCrit=free; ThiCriVal=-9999", ""},  // no target needed
      // the two forms of the fraction check
      {"CutEff=0.005", "",
       "Thinning Cutting Efficency percent (0.50) is out of limits, 0 or 1 --> 100 "},
      {"CutEff=1.5", "Thinning Cutting Efficency percent (1.50) is out of limits ( 0 -> 1.0 )",
       "Thinning Cutting Efficency percent (150) is out of limits ( 0 -> 100 )"},
      {"CutEff=-0.1", "Thinning Cutting Efficency percent (-0.10) is out of limits ( 0 -> 1.0 )",
       "Thinning Cutting Efficency percent (-10.00) is out of limits, 0 or 1 --> 100 "},
      {"ThinCrit=CanopyCover; ThiCriVal=1.2",
       "Canopy Cover Thin Criteria Value percent (1.20) is out of limits ( 0 -> 1.0 )",
       "Canopy Cover Thin Criteria Value percent (120) is out of limits ( 0 -> 100 )"},
      // pruning, canopy and surface fuel
      {"PrunHgt=101", "Pruning Height  (101.00) is out of limits ( 0.00 -> 100.00 )"},
      {"PrunMRCR=-9999", "Missing value for Pruning Minimum Residual Crown Ratio"},
      {"ESDD=1000", "Exceeding Stem Density  (1000.00) is out of limits ( 0.00 -> 999.00 )"},
      {"LayWid=0.05", "CBD layer width  (0.05) is out of limits ( 0.10 -> 10.00 )"},
      {"RASpread=2", "CBD Running Average Spread  (2.00) is out of limits ( 3.00 -> 100.00 )"},
      {"CBDCriThr=1.5", "CBD Critical Threshold  (1.500) is out of limits ( 0.001 -> 1.000 )"},
      {"Duff=0.05", "Duff Load  (0.050) is out of limits ( 0.100 -> 356.780 )"},
      {"Duff=0; Litter=999", ""},  // no duff at all passes, below the floor of a real load
      {"Litter=1000", "Fuel Load Litter (1000.0) is out of limit, use  0.0 -> 999.0"},
      {"SC4Rot=-0.5", "Fuel Load Size Class 4 Rotten (-0.5) is out of limit, use  0.0 -> 999.0"},
      // broadcast burn
      {"Region=Alaska",
       "Invalid/Missing Broadcast Burn Region, use SouthEast, InteriorWest, PacificWest, "
       "NorthEast"},
      {"Season=Autumn", "Invalid/Missing Broadcast Burn Season, use Winter, Spring, Summer, Fall"},
      {"Moist10Hr=0.02", "10 Hour Moisture  (0.020) is out of limits ( 0.030 -> 2.980 )"},
      {"Moist1kHr=3.5", "1000 Hour Moisture  (3.500) is out of limits ( 0.010 -> 3.000 )"},
      {"MLCons=-9999", "Missing value for Percent of Moss & Lichen to be consumed"},
      {"DuffDepth=1000", "Duff Depth  (1000.000) is out of limits ( 0.000 -> 999.000 )"},
      {"DuffMoist=0.05", "Duff Moisture  (0.050) is out of limits ( 0.100 -> 2.000 )"},
      {"ScoHgt=0", "Scorch Height  (0.00) is out of limits ( 0.10 -> 300.00 )"},
      {"UserFolder=",
       "No folder and file name specified for Qorvel mortality equation input file.\n"
       "This file is required when doing a broadcast burn."},
      // limits are inclusive, as the values are typed
      {"Region=pacificwest; Season=WINTER; Moist10Hr=0.03; Moist1kHr=3; DuffMoist=0.1; ScoHgt=0.1",
       ""},
      // fuel model
      {"Climate=Wet", "Invalid/Miss Fuel Model Climate, use Arid or Humid"},
      {"1HrSAV=0.5",
       "1 Hour Surface Area to Volume Ratio (SAV)  (0.50) is out of limits ( 1.00 -> 99999.00 )"},
      {"GrassSAV=-9999", "Missing value for Grass Surface Area to Volume Ratio (SAV)"},
      {"ShrubSAV=100000",
       "Shrub Surface Area to Volume Ratio (SAV)  (100000.00) is out of limits ( 1.00 -> "
       "99999.00 )"},
      {"FueBedDep=-9999", "Missing value for Fuel Model Fuel Bed Depth"},
      {"FueModSet=NONE; Climate=; 1HrSAV=-9999; FueBedDep=-9999", ""},
  };
  for (const Row& row : english)
    Expect("English", "English", row);
  const Row metric[] = {
      {"LogTopDia=16", "Log Top Diameter  (16.00) is out of limits ( 0.00 -> 15.24 )"},
      {"PrunHgt=31", "Pruning Height  (31.00) is out of limits ( 0.00 -> 30.00 )"},
      {"Duff=0.02", "Duff Load  (0.020) is out of limits ( 0.022 -> 80.000 )"},
      {"Duff=81", "Duff Load  (81.000) is out of limits ( 0.022 -> 80.000 )"},
      {"Litter=224", "Fuel Load Litter (224.0) is out of limit, use  0.0 -> 223.9"},
      {"DuffDepth=2600", "Duff Depth  (2600.000) is out of limits ( 0.000 -> 2537.460 )"},
      // the same numbers in both systems
      {"ScoHgt=301", "Scorch Height  (301.00) is out of limits ( 0.10 -> 300.00 )"},
      {"SubMerDia=10000", "Submerchant Diameter  (10000.00) is out of limits ( 0.00 -> 9999.00 )"},
      // values that the English limits would refuse
      {"LogTopDia=15; Duff=0.05; Litter=223.9; DuffDepth=2000; PrunHgt=30", ""},
  };
  for (const Row& row : metric)
    Expect("metric", "Metric", row);
}

}  // namespace

}  // namespace sylvanor
