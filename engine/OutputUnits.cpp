#include "engine/OutputUnits.h"

#include <algorithm>
#include <array>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

constexpr d_OutField Heading(std::string_view text) {
  return {text, "", "", "", nullptr};
}

// English units not named with the metric ones: the volumes are per acre
// (board feet are converted with the cubic factor all the same) and the
// surface and slash fuels are loads in tons per acre like the canopy fuel.
constexpr auto kTable = std::to_array<d_OutField>({
    {"#CanopyBaseHeight", "%7.3f", "Ft", "meter",
     [](d_Stand& s) -> float& { return s.Post.Prof.CBH; }},
    {"#StandHeight", "%7.3f", "Ft", "meter", [](d_Stand& s) -> float& { return s.Post.Prof.SH; }},
    {"#CanopyBulkDensity", "%7.4f", "Kg/M3", "Kg/M3",
     [](d_Stand& s) -> float& { return s.Post.Prof.CBD; }},
    {"#CanopyFuelLoad", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Post.AvailFuel; }},
    {"#CBDThreshold", "%7.4f", "Kg/M3", "Kg/M3",
     [](d_Stand& s) -> float& { return s.Post.Prof.Thr; }},
    Heading("\n#  VEGETATION OUTPUTS"),
    {"#StemDensity", "%7.3f", "Tress Per Acre", "Tress Per Hectare",
     [](d_Stand& s) -> float& { return s.Post.Meas.SteDen; }},
    {"#StemDensityExceeding", "%7.3f", "Tress Per Acre", "Tress Per Hectare",
     [](d_Stand& s) -> float& { return s.Post.Meas.SteDenExc; }},
    {"#StandDensityIndex", "%7.3f", "Tress Per Acre", "Tress Per Hectare",
     [](d_Stand& s) -> float& { return s.Post.Meas.StdDenIdx; }},
    Heading(""),
    {"#BasalArea", "%7.3f", "SqFt", "M2/Ha",
     [](d_Stand& s) -> float& { return s.Post.Meas.Basal; }},
    {"#QuadraticMeanDiameter", "%7.3f", "In", "cm",
     [](d_Stand& s) -> float& { return s.Post.Meas.QuaMeaDia; }},
    {"#QD75", "%7.3f", "In", "cm", [](d_Stand& s) -> float& { return s.Post.Meas.Qd75; }},
    {"#CanopyCover", "%7.3f", "percent", "percent",
     [](d_Stand& s) -> float& { return s.Post.Meas.CanCov; }},
    {"#WildlifeHabitatRelationships", "%7.3f", "NA", "NA",
     [](d_Stand& s) -> float& { return s.WildHab; }},
    {"#StandingTotalCubicFootVolume", "%7.3f", "CuFt/Acre", "M3/Ha",
     [](d_Stand& s) -> float& { return s.Vol.StCuFt; }},
    {"#StandingMerchantableCubicFootVolume", "%7.3f", "CuFt/Acre", "M3/Ha",
     [](d_Stand& s) -> float& { return s.Vol.StMeCuft; }},
    {"#StandingMerchantableBoardFootVolume", "%7.3f", "BdFt/Acre", "M3/Ha",
     [](d_Stand& s) -> float& { return s.Vol.StBdft; }},
    Heading("\n#  FUEL TREATMENT OUTPUTS "),
    {"#HarvestedBasalArea", "%7.3f", "SqFt", "M2/Ha",
     [](d_Stand& s) -> float& { return s.Vol.HaBasal; }},
    {"#HarvestedTotalCubicFootVolume", "%7.3f", "CuFt/Acre", "M3/Ha",
     [](d_Stand& s) -> float& { return s.Vol.HaCuFt; }},
    {"#HarvestedMerchantableCubicFootVolume", "%7.3f", "CuFt/Acre", "M3/Ha",
     [](d_Stand& s) -> float& { return s.Vol.HaMeCuft; }},
    {"#HarvestedMerchantableBoardFootVolume", "%7.3f", "BdFt/Acre", "M3/Ha",
     [](d_Stand& s) -> float& { return s.Vol.HaBdft; }},
    Heading(""),
    {"#ScorchHeight", "%7.3f", "Ft", "meter", [](d_Stand& s) -> float& { return s.ScoHgt; }},
    {"#ScorchedLitterLoad", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.ScoLitter; }},
    Heading(""),
    {"#PileBurnFuelConsumptionDuff", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.PilBurCon[0]; }},
    {"#PileBurnFuelConsumptionOneHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.PilBurCon[1]; }},
    {"#PileBurnFuelConsumptionTenHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.PilBurCon[2]; }},
    {"#PileBurnFuelConsumptionHndrdHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.PilBurCon[3]; }},
    {"#PileBurnFuelConsumptionThousandHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.PilBurCon[4]; }},
    Heading("\n"),
    Heading("\n Pruning Slash   "),
    {"#PruningSlashLoadFoliage", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Pruning.Fol; }},
    {"#PruningSlashLoadOneHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Pruning.Hr1; }},
    {"#PruningSlashLoadTenHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Pruning.Hr10; }},
    {"#PruningSlashLoadHndrdHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Pruning.Hr100; }},
    Heading("\n Thinning Slash   "),
    {"#ThinningSlashLoadFoliage", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Thinning.Fol; }},
    {"#ThinningSlashLoadOneHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Thinning.Hr1; }},
    {"#ThinningSlashLoadTenHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Thinning.Hr10; }},
    {"#ThinningSlashLoadHndrdHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Thinning.Hr100; }},
    {"#ThinningSlashLoadThousandHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.TS1kHr; }},
    {"#ThinningSlashLoadThousandHrSizeClass1", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Thinning.Snd[0]; }},
    {"#ThinningSlashLoadThousandHrSizeClass2", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Thinning.Snd[1]; }},
    {"#ThinningSlashLoadThousandHrSizeClass3", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Thinning.Snd[2]; }},
    {"#ThinningSlashLoadThousandHrSizeClass4", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Thinning.Snd[3]; }},
    {"#ThinningSlashLoadThousandHrSizeClass5", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Thinning.Snd[4]; }},
    Heading(""),
    {"#TotalDuffLoad", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Duff; }},
    {"#LitterLoad", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Litter; }},
    {"#LichenLoad", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Lichen; }},
    {"#TotalMossLoad", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Moss; }},
    {"#GrassLoadTotal", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Grass; }},
    {"#ShrubLoadLive", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Shrub; }},
    Heading(""),
    {"#WoodyLoadOneHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Hr1; }},
    {"#WoodyLoadTenHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Hr10; }},
    {"#WoodyLoadHndrdHr", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Hr100; }},
    Heading(""),
    {"#WoodyLoad1kHrSizeClass1Snd", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Snd[0]; }},
    {"#WoodyLoad1kHrSizeClass2Snd", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Snd[1]; }},
    {"#WoodyLoad1kHrSizeClass3Snd", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Snd[2]; }},
    {"#WoodyLoad1kHrSizeClass4Snd", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Snd[3]; }},
    {"#WoodyLoad1kHrSzieClass5Snd", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Snd[4]; }},
    {"#WoodyLoad1kHrSizeClass1Rot", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Rot[0]; }},
    {"#WoodyLoad1kHrSizeClass2Rot", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Rot[1]; }},
    {"#WoodyLoad1kHrSizeClass3Rot", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Rot[2]; }},
    {"#WoodyLoad1kHrSizeClass4Rot", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Rot[3]; }},
    {"#WoodyLoad1kHrSzieClass5Rot", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.AGF.Rot[4]; }},
    Heading(""),
    {"#PileLoadWholeUnit", "%7.3f", "Tons Per Acre", "Kg/M2",
     [](d_Stand& s) -> float& { return s.Slash.Piles.Tot; }},
    Heading(""),
    {"#LayerWidth", "%7.3f", "Ft", "meter",
     [](d_Stand& s) -> float& { return s.Post.Prof.LayWid; }},
});

// Every value row must say where its value lives; a heading has no value.
constexpr bool EveryRowReachable() {
  for (const d_OutField& field : kTable) {
    if (OU_IsHeading(field) != (field.Value == nullptr)) return false;
  }
  return true;
}
static_assert(EveryRowReachable());

// Applies the conversion of a metric unit to an English value; false for a
// unit without one.
bool ToMetricUnit(std::string_view metric, float& value) {
  if (metric == "meter") {
    value *= kMPerFt<>;
  } else if (metric == "cm") {
    value *= kCmPerIn<>;
  } else if (metric == "Kg/M2") {
    value *= kKgM2PerTonAcre<>;
  } else if (metric == "Tress Per Hectare") {
    value *= kAcresPerHa<>;
  } else if (metric == "M2/Ha") {
    value /= kBasalPerMetric<>;
  } else if (metric == "M3/Ha") {
    value = value * kM3PerFt3<> / kHaPerAcre<>;
  } else if (metric != "percent" && metric != "NA" && metric != "Kg/M3") {
    return false;
  }
  return true;
}

void ToBulkDensity(std::span<float> loads, int count, float layWid) {
  const auto n = static_cast<std::size_t>(std::clamp(count, 0, static_cast<int>(loads.size())));
  for (float& load : loads.first(n))
    load = CP_BulkDensity(load, layWid);
}

void ProfileToBulkDensity(d_Profile& prof) {
  ToBulkDensity(prof.Load, prof.NLay, prof.LayWid);
  ToBulkDensity(prof.RunMean, prof.NRun, prof.LayWid);
}

}  // namespace

std::span<const d_OutField> OU_Table() {
  return kTable;
}

int OU_ToMetric(d_Stand& stand, std::span<const d_OutField> table, std::string& message) {
  for (const d_OutField& field : table) {
    if (OU_IsHeading(field)) continue;
    float probe = 0.0f;
    if (!ToMetricUnit(field.Metric, probe)) {
      message =
          CFormat("Invalid Unit Entry in VXO Dump Table:\n %s = %s", field.Name, field.Metric);
      return 0;
    }
  }
  for (const d_OutField& field : table) {
    if (OU_IsHeading(field)) continue;
    float& value = field.Value(stand);
    if (value < 0.0f) continue;  // not found, kept as the marker it is
    ToMetricUnit(field.Metric, value);
  }
  return 1;
}

void OU_ConvertOutput(d_Stand& stand, d_Profile& pre, const std::string& outUnits,
                      std::string& message) {
  // The densities need the layer width in feet, and the table turns the
  // stand's layer width into meters: the arrays go first.
  ProfileToBulkDensity(stand.Post.Prof);
  ProfileToBulkDensity(pre);
  if (!SameKeyword(outUnits, "English")) OU_ToMetric(stand, OU_Table(), message);
}

}  // namespace sylvanor
