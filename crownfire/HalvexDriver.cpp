#include "crownfire/HalvexDriver.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>
#include <utility>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "crownfire/FuelModelFile.h"
#include "crownfire/Halvex.h"

namespace sylvanor {

namespace {

// Moistures (percent) of a moisture scenario.
struct MoistureScenario {
  std::string_view Name;
  float OneHr, DeadHerb, TenHr, HundredHr, LiveHerb, LiveWoody, Foliar;
};

constexpr std::array<MoistureScenario, 4> kMoistureScenarios{{
    {"VeryDry", 3, 3, 4, 5, 30, 60, 100},
    {"Dry", 6, 6, 7, 8, 60, 90, 100},
    {"Moderate", 9, 9, 10, 11, 90, 120, 100},
    {"Wet", 12, 12, 13, 14, 120, 120, 100},
}};

// SAVs (1/ft) taken when the one given truncates to nothing.
constexpr int kDefaultOneHrSAV = 2000;
constexpr int kDefaultHerbSAV = 1800;
constexpr int kDefaultWoodySAV = 1500;

// The SAV written for a size class without fuel.
constexpr int kNoSAV = 9999;

// Bounds of a wind reduction factor the model accepts (it refuses 0 and 1).
constexpr float kLeastWindReduction = 1e-6f;
constexpr float kMostWindReduction = 1 - 1e-6f;

// Fuel bed depth from the loads: total / (0.65 r + 0.1) x 0.04591 ft, with
// r the 1-hour share of the fine fuel.
constexpr double kDepthOneHrShare = 0.65;
constexpr double kDepthBase = 0.1;
constexpr double kDepthFactor = 0.04591;

// A number cut toward zero to an int; beyond the range of int the nearest
// end, and no number at all the least int (which every model check refuses).
int TruncInt(double x) {
  if (std::isnan(x)) return std::numeric_limits<int>::min();
  if (x >= 2147483647.0) return std::numeric_limits<int>::max();
  if (x <= -2147483648.0) return std::numeric_limits<int>::min();
  return static_cast<int>(x);
}

// A SAV as given, truncated, or the default when that is not above 0.
int SAVOrDefault(float sav, int fallback) {
  const int truncated = TruncInt(sav);
  return truncated > 0 ? truncated : fallback;
}

// A finite model output in single precision; beyond its range the largest
// single-precision value of that sign.
float ToFloat(double x) {
  constexpr double most = std::numeric_limits<float>::max();
  if (x > most) return std::numeric_limits<float>::max();
  if (x < -most) return -std::numeric_limits<float>::max();
  return static_cast<float>(x);
}

CHalvexInputsSet ModelSet(const d_HDISet& s) {
  return {.LowOrHigh = s.LowOrHigh,
          .FuelModel = s.FuelModel,
          .WindReductionFactor = s.WindReduction,
          .MultiplierROS = s.MultiplierROS,
          .MuliplierLoadDepth = s.MultiplierLoadDepth,
          .MuliplierIntensity = s.MultiplierIntensity};
}

void DumpSet(std::string& text, const d_HDISet& s, const char* idFormat) {
  text += CFormat(idFormat, s.FuelModel) + "\n";
  text += CFormat("Wind Reduction Factor    %5.4f ", s.WindReduction) + "\n";
  text += CFormat("Multiplier ROS           %3.1f ", s.MultiplierROS) + "\n";
  text += CFormat("Multiplier Load Depth    %3.1f ", s.MultiplierLoadDepth) + "\n";
  text += CFormat("Multiplier Intensity     %3.1f ", s.MultiplierIntensity) + "\n";
}

}  // namespace

void HDO_Init(d_HDO& out) {
  out = d_HDO();
}

bool Hal_InpMoist(d_HDI& in, const std::string& scenario, std::string& error) {
  error.clear();
  for (const MoistureScenario& m : kMoistureScenarios) {
    if (!SameKeyword(m.Name, scenario)) continue;
    in.OneHrMx = m.OneHr;
    in.DeadHerbMx = m.DeadHerb;
    in.TenHrMx = m.TenHr;
    in.HundredHrMx = m.HundredHr;
    in.LiveHerbMx = m.LiveHerb;
    in.LiveWoodyMx = m.LiveWoody;
    in.FoliarMx = m.Foliar;
    return true;
  }
  error = "Logic Error - Form1::Hal_GetMoist()";
  return false;
}

void Hal_InpInit(d_HDI& in, float herbSAV, float woodySAV, float oneHrSAV,
                 const std::string& scenario) {
  // The herbaceous, litter and woody loads and the moistures are not reset:
  // the loads are always read from the stand next, and the moistures stay
  // as they were when the scenario is unknown.
  d_HDI fresh;
  fresh.Herb = in.Herb;
  fresh.Litter = in.Litter;
  fresh.Woody = in.Woody;
  fresh.OneHrMx = in.OneHrMx;
  fresh.TenHrMx = in.TenHrMx;
  fresh.HundredHrMx = in.HundredHrMx;
  fresh.DeadHerbMx = in.DeadHerbMx;
  fresh.LiveHerbMx = in.LiveHerbMx;
  fresh.LiveWoodyMx = in.LiveWoodyMx;
  fresh.FoliarMx = in.FoliarMx;
  // A SAV of 0 would leave the custom model without fine fuel surface area
  // (its spread undefined), so one that truncates to nothing takes the
  // default.
  fresh.HerbSAV = SAVOrDefault(herbSAV, kDefaultHerbSAV);
  fresh.WoodySAV = SAVOrDefault(woodySAV, kDefaultWoodySAV);
  fresh.OneHrSAV = SAVOrDefault(oneHrSAV, kDefaultOneHrSAV);
  in = std::move(fresh);
  std::string ignored;
  Hal_InpMoist(in, scenario, ignored);
}

bool Hal_WindReduction(d_HDI& in, float canopyCover, float standHeight, float cbh,
                       std::string& error) {
  error.clear();
  const float h = standHeight;
  if (!(h > 0)) {
    // No canopy to shelter the fuel bed.
    in.Low.WindReduction = 1;
    return true;
  }
  const float depth = in.FuelBedDepth > 0 ? in.FuelBedDepth : 0.001f;
  // Crown fill: the share of the stand's height in crowns times the cover,
  // over 3.
  float fill = ((h - cbh) / h) * (canopyCover / 100.0f) / 3.0f;
  if (!(fill >= 0.0001f)) fill = 0.0001f;
  const float sheltered =
      0.555f / (std::sqrt(fill * h) * std::log((20.0f + 0.36f * h) / (0.13f * h)));
  const float unsheltered =
      1.36f / std::log((20.0f + 0.36f * depth) / (0.13f * depth)) * (std::log(10.461538f) - 1.0f);
  const float factor = unsheltered < sheltered ? unsheltered : sheltered;
  float limited = factor;
  if (!(factor >= 0 && factor <= 1)) {
    error = CFormat("Logic Error: Calculated Wind Reduction Factor %f is out of range 0 -> 1.0",
                    factor);
    limited = factor < 0 ? kLeastWindReduction : kMostWindReduction;
  }
  // The model takes a factor strictly between 0 and 1.
  if (limited < kLeastWindReduction) limited = kLeastWindReduction;
  if (limited > kMostWindReduction) limited = kMostWindReduction;
  in.Low.WindReduction = limited;
  return true;
}

bool Hal_FuelBedDepth(d_HDI& in, float userDepth, const std::string& depthText,
                      std::string& error) {
  error.clear();
  if (!depthText.empty() && !SameKeyword(depthText, "Auto")) {
    in.FuelBedDepth = userDepth;
    return true;
  }
  const double fine = double(in.OneHr) + in.Herb + in.Woody;
  const double total = fine + in.TenHr + in.HundredHr;
  if (total == 0) {
    in.FuelBedDepth = 0;
    return true;
  }
  const double r = fine == 0 ? 0 : in.OneHr / fine;
  in.FuelBedDepth = static_cast<float>(total / (kDepthOneHrShare * r + kDepthBase) * kDepthFactor);
  return true;
}

std::string Hal_FuelModelText(const d_HDI& in) {
  // A size class's SAV is written only where it has fuel.
  const int oneHrSAV = double(in.OneHr) + in.TenHr + in.HundredHr > 0 ? in.OneHrSAV : kNoSAV;
  const int herbSAV = in.Herb > 0 ? in.HerbSAV : kNoSAV;
  const int woodySAV = in.Woody > 0 ? in.WoodySAV : kNoSAV;
  std::string text =
      "ENGLISH\n"
      "# This is a temp file that sylvanor creates for the Halvex dll to use \n"
      "#fuel   fuel     1-hr  10-hr 100-hr live  live   fuel     1-hr     herb     live    fuel    "
      "dead    dead    live    fuel\n"
      "#model  model    fuel  fuel  fuel   herb  wood   model    dead     SAV      woody   bed     "
      "fuel    heat    heat    model\n"
      "#number code     load  load  load   load  load   type     SAV               SAV     depth   "
      "Mx      cont.   cont.   name\n";
  text += "#" + std::string(124, '-') + "\n";
  text +=
      "   10      10    3.01  2.00  5.01   0.00  2.00    N/A     2000     9999     1500    1.0     "
      "25      8000    8000  timber litter and understory\n";
  text +=
      CFormat(
          " %d   %d   %8.4f %8.4f %8.4f %8.4f %8.4f  N/A    %4d    %4d   %4d   %8.4f   %2d      "
          "8000    8000  Sylvanor",
          14, 14, in.OneHr, in.TenHr, in.HundredHr, in.Herb, in.Woody, oneHrSAV, herbSAV, woodySAV,
          in.FuelBedDepth, in.DeadMxExtinction) +
      "\n";
  return text;
}

bool Hal_FuelModelFile(const d_HDI& in, const std::string& path) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file << Hal_FuelModelText(in);
  file.flush();
  return static_cast<bool>(file);
}

bool Hal_Calc(d_HDI& in, d_HDO& out, std::string& warning, std::string& error) {
  warning.clear();
  error.clear();
  if (!(in.FuelBedDepth > 0)) {
    warning = "Warning - fuelbed depth is zero";
    return false;
  }
  CHalvex model;
  {
    // The model reads the fuel models exactly as they would be written to
    // the temporary file.
    std::istringstream text(Hal_FuelModelText(in));
    std::string ignored;
    ReadFuelModelFile(text, model.FuelModels, model.Metric, ignored);
  }
  CHalvexInputs inputs;
  inputs.VegType = in.VegType;
  inputs.Low = ModelSet(in.Low);
  inputs.High = ModelSet(in.High);
  inputs.OneHourMx = TruncInt(in.OneHrMx);
  inputs.TenHourMx = TruncInt(in.TenHrMx);
  inputs.HundredHourMx = TruncInt(in.HundredHrMx);
  inputs.DeadHerbMx = TruncInt(in.DeadHerbMx);
  inputs.LiveHerbMx = TruncInt(in.LiveHerbMx);
  inputs.LiveWoodyMx = TruncInt(in.LiveWoodyMx);
  inputs.PercentSlope = TruncInt(in.PercentSlope);
  inputs.WindDirFromUphill = TruncInt(in.WindDirFromUphill);
  inputs.TemperatureF = TruncInt(in.Temperature);
  inputs.CanopyBulkDensity = in.CanopyBulkDensity;
  inputs.CanopyBaseHeight = in.CanopyBaseHeight;
  inputs.CrownFuelLoad = in.CrownFuelLoad;
  inputs.ConiferFoliarMx = in.FoliarMx;
  inputs.ShrubTransFlameLength = in.ShrubTransFlameLength;
  inputs.OpenWindSpeed = in.OpenWindSpeed;
  inputs.CrownHeatContent = in.CrownHeatContent;
  // The model derives the crown's heat per unit area and the initiation
  // intensity; the spread is rated at the head.
  inputs.CrownHPA = -1;
  inputs.Initiation = -1;
  inputs.SpreadDirection = 0;
  model.SetInputs(inputs);
  bool success = false;
  const CHalvexOutputs o = model.CalculateHalvexOutputs(success);
  if (!success) {
    error = o.ErrorDescription;
    return false;
  }
  out.FireType = o.FireType;
  out.TransitionFunction = ToFloat(o.TransitionFunction);
  out.RateOfSpread = ToFloat(o.RateOfSpread);
  out.HeatPerUnitArea = ToFloat(o.HeatPerUnitArea);
  out.FirelineIntensity = ToFloat(o.FirelineIntensity);
  out.FireIntensityScale = ToFloat(o.FireIntensityScale);
  out.FlameLength = ToFloat(o.FlameLength);
  out.EffectiveMidflameWind = ToFloat(o.EffectiveMidflameWind);
  out.ScorchHeight = ToFloat(o.ScorchHeight);
  out.TorchingIndex = ToFloat(o.TorchingIndex);
  out.CrowningIndex = ToFloat(o.CrowningIndex);
  out.SurfacingIndex = ToFloat(o.SurfacingIndex);
  out.CrownFirelineIntensity = ToFloat(o.CrownFirelineIntensity);
  out.CrownFlameLength = ToFloat(o.CrownFlameLength);
  out.CrownCriticalSurfaceROS = ToFloat(o.CrownCriticalSurfaceROS);
  out.CrownCriticalBulkDensity = ToFloat(o.CrownCriticalBulkDensity);
  out.CrownCriticalCanopyCover = ToFloat(o.CrownCriticalCanopyCover);
  out.CrownRActive = ToFloat(o.CrownRActive);
  out.CrownOCessation = ToFloat(o.CrownOCessation);
  out.ErrorNumber = o.ErrorNumber;
  out.ErrorText = o.ErrorDescription;
  return true;
}

std::string Hal_FireType(int fireType) {
  constexpr std::array<std::string_view, 4> kTypes{"Surface Fire", "Passive Crown Fire",
                                                   "Conditional Crown Fire", "Active Crown Fire"};
  if (fireType < 1 || fireType > static_cast<int>(kTypes.size())) return "Unknown - Error";
  return std::string(kTypes[static_cast<std::size_t>(fireType - 1)]);
}

std::string Hal_DumpText(const d_HDI& in) {
  std::string text =
      "These lines and the temporary fuel model file named at their end hold all the inputs fed\n"
      "to the Halvex computation, for checking it against the desktop Halvex program.\n"
      "Remove the fuel model 10 line from the fuel model file before using the file there,\n"
      "and select there the fuel model number used (the low fuel model ID below).\n";
  switch (in.VegType) {
    case 1:
      text += "Veg Type     SHRUB 1 \n";
      break;
    case 2:
      text += "Veg Type   CONIFER 2 \n";
      break;
    case 3:
      text += "Veg Type  NO_CANOPY 3 \n";
      break;
    default:
      break;
  }
  DumpSet(text, in.Low, "fuel Model ID            %d ");
  DumpSet(text, in.High, "Fuel Model ID            %d ");
  text += CFormat("1 Hr                     %4.1f ", in.OneHrMx) + "\n";
  text += CFormat("10 Hr                    %4.1f ", in.TenHrMx) + "\n";
  text += CFormat("100 Hr                   %4.1f ", in.HundredHrMx) + "\n";
  text += CFormat("Live Herb               %4.1f ", in.LiveHerbMx) + "\n";
  text += CFormat("Live Woody              %4.1f ", in.LiveWoodyMx) + "\n";
  text += CFormat("Canopy Bulk Density       %5.4f ", in.CanopyBulkDensity) + "\n";
  text += CFormat("Canopy Base Height        %4.1f ", in.CanopyBaseHeight) + "\n";
  text += CFormat("Crown Fuel Load           %4.1f ", in.CrownFuelLoad) + "\n";
  text += CFormat("Conifer Foliar Moisture   %4.1f ", in.FoliarMx) + "\n";
  text += CFormat("Shrub Trans Flame Length   %4.1f ", in.ShrubTransFlameLength) + "\n";
  text += CFormat("Open Wind Speed           %f ", in.OpenWindSpeed) + "\n";
  text += CFormat("Percent Slope            %f ", in.PercentSlope) + "\n";
  text += CFormat("Wind Dir From Uphill       %f ", in.WindDirFromUphill) + "\n";
  text += " See the other inputs in the temp. fuel model file\n";
  text += in.FuelModelFile + "\n";
  return text;
}

void Hal_DumpInput(const d_HDI& in, const std::string& folder, const std::string& name) {
  std::ofstream file(std::filesystem::path(folder) / name, std::ios::binary | std::ios::trunc);
  if (file) file << Hal_DumpText(in);
}

}  // namespace sylvanor
