#include "batch/DetailsFile.h"

#include "base/CFormat.h"
#include "base/CsvRow.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

using Source = d_DetailsSource;
using Getter = float (Sylvanor::*)() const;

std::string Num(float value) {
  return ShortestText(value);
}

// ---- the engine's getters ---------------------------------------------------

template <Getter Get>
std::string Engine(const Source& d) {
  return Num((d.Syl.*Get)());
}

template <std::string (Sylvanor::*Get)() const>
std::string EngineText(const Source& d) {
  return CsvQuoted((d.Syl.*Get)());
}

std::string PlotId(const Source& d) {
  return CsvQuoted(d.Plot);
}
std::string Station(const Source& d) {
  return CsvQuoted(d.Station);
}
std::string Treatment(const Source& d) {
  return CsvQuoted(d.Treatment);
}

template <float d_OutputIndices::*Index>
std::string OutputIndex(const Source& d) {
  return Num(d.Indices.*Index);
}

std::string PreLayers(const Source& d) {
  return CFormat("%d", d.Syl.Get_PreVDRlays());
}
std::string PostLayers(const Source& d) {
  return CFormat("%d", d.Syl.Get_VDRlays());
}

// The surface fuel before treatment, as executed (tons/acre).
template <std::size_t Load>
std::string PreLoad(const Source& d) {
  return Num(*Loads(d.Syl.Settings().Fuel)[Load]);
}

// Trees per acre over the plot tree list: thinned (entered less left) and
// killed by the burn.
template <bool Killed>
std::string TreesPerAcre(const Source& d) {
  float total = 0;
  for (const d_PTLRec& tree : d.Syl.Context().Trees) {
    if (tree.Species.empty()) break;
    total += Killed ? tree.Killed : tree.TPA - tree.TPAadj;
  }
  return Num(total);
}

// Fuel consumed in each phase, kg/m2 to tons/acre.
template <int Phase>
std::string PhaseMass(const Source& d) {
  std::array<float, 3> mass{};
  d.Syl.Get_EmiMass(mass[0], mass[1], mass[2]);
  return Num(mass[Phase] / kKgM2PerTonAcre<>);
}

// ---- smoke --------------------------------------------------------------------

// The seven pollutants of a keyword, in the order PM2.5, PM10, CH4, CO2, CO,
// NOx, SO2.
template <bool Piles>
std::array<float, 7> Pollutants(const Sylvanor& syl, const std::string& keyword) {
  std::array<float, 7> v{};
  if constexpr (Piles) {
    syl.Get_PileEmis(keyword, v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
  } else {
    syl.Get_EmiTot(keyword, v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
  }
  return v;
}

constexpr std::array<const char*, 3> kPhases = {"Flame", "Smolder", "Total"};

template <bool Piles, int Phase, int Pollutant>
std::string Smoke(const Source& d) {
  return Num(Pollutants<Piles>(d.Syl, kPhases[Phase])[Pollutant]);
}

// ---- the crown fire assessment -----------------------------------------------

template <bool Post>
const d_HDO& Fire(const Source& d) {
  return Post ? d.Hal.Post.Out : d.Hal.Pre.Out;
}

// The fire type's text; empty when the state's model did not run.
template <bool Post>
std::string FireType(const Source& d) {
  const int type = Fire<Post>(d).FireType;
  return type < 1 ? std::string() : CsvQuoted(Hal_FireType(type));
}

template <bool Post, float d_HDO::*Field>
std::string FireValue(const Source& d) {
  return Num(Fire<Post>(d).*Field);
}

// ---- the columns -------------------------------------------------------------

using S = Sylvanor;
constexpr const char* kTons = "t/ac";
constexpr const char* kSmoke = "lb/ac";

// the columns of one emission source: flaming, smoldering and (not for the
// piles) total, each of the seven pollutants
#define SYLVANOR_SMOKE_PHASE(prefix, piles, phase, phaseName)      \
  {prefix phaseName "_pm25", kSmoke, Smoke<piles, phase, 0>},      \
      {prefix phaseName "_pm10", kSmoke, Smoke<piles, phase, 1>},  \
      {prefix phaseName "_ch4", kSmoke, Smoke<piles, phase, 2>},   \
      {prefix phaseName "_co2", kSmoke, Smoke<piles, phase, 3>},   \
      {prefix phaseName "_co", kSmoke, Smoke<piles, phase, 4>},    \
      {prefix phaseName "_nox", kSmoke, Smoke<piles, phase, 5>}, { \
    prefix phaseName "_so2", kSmoke, Smoke<piles, phase, 6>        \
  }

#define SYLVANOR_FIRE_STATE(prefix, post)                                                     \
  {prefix "fire_type", "text", FireType<post>},                                               \
      {prefix "spread_rate", "ch/h", FireValue<post, &d_HDO::RateOfSpread>},                  \
      {prefix "heat_per_unit_area", "BTU/ft2", FireValue<post, &d_HDO::HeatPerUnitArea>},     \
      {prefix "fireline_intensity", "BTU/ft/s", FireValue<post, &d_HDO::FirelineIntensity>},  \
      {prefix "flame_length", "ft", FireValue<post, &d_HDO::FlameLength>},                    \
      {prefix "scorch_height", "ft", FireValue<post, &d_HDO::ScorchHeight>},                  \
      {prefix "torching_index_unlimited", "mi/hr", FireValue<post, &d_HDO::TorchingIndex>}, { \
    prefix "crowning_index_unlimited", "mi/hr", FireValue<post, &d_HDO::CrowningIndex>        \
  }

constexpr d_DetailsColumn kColumns[] = {
    // the plot
    {"plot_id", "text", PlotId},
    {"station", "text", Station},
    {"treatment", "text", Treatment},
    // the values of the plot output line
    {"pre_canopy_fuel", kTons, Engine<&S::Get_PreAvailFuel>},
    {"post_canopy_fuel", kTons, Engine<&S::Get_AvailFuel>},
    {"pre_cbd", "kg/m3", Engine<&S::Get_Precbd>},
    {"post_cbd", "kg/m3", Engine<&S::Get_cbd>},
    {"pre_cbh", "ft", Engine<&S::Get_Precbh>},
    {"post_cbh", "ft", Engine<&S::Get_cbh>},
    {"pre_stand_height", "ft", Engine<&S::Get_Presh>},
    {"post_stand_height", "ft", Engine<&S::Get_sh>},
    {"pre_trees", "tpa", Engine<&S::Get_PreSteDen>},
    {"post_trees", "tpa", Engine<&S::Get_SteDen>},
    {"pre_sdi", "tpa", Engine<&S::Get_PreStdDenIdx>},
    {"post_sdi", "tpa", Engine<&S::Get_StdDenIdx>},
    {"pre_canopy_cover", "percent", Engine<&S::Get_PreCanCov>},
    {"post_canopy_cover", "percent", Engine<&S::Get_CanCov>},
    {"pre_basal_area", "ft2/ac", Engine<&S::Get_PreBasal>},
    {"post_basal_area", "ft2/ac", Engine<&S::Get_Basal>},
    {"pre_qmd", "in", Engine<&S::Get_PreQuaMeaDia>},
    {"post_qmd", "in", Engine<&S::Get_QuaMeaDia>},
    {"pre_qd75", "in", Engine<&S::Get_PreQd75>},
    {"post_qd75", "in", Engine<&S::Get_Qd75>},
    {"pre_torching_index", "mi/hr", OutputIndex<&d_OutputIndices::PreTorch>},
    {"post_torching_index", "mi/hr", OutputIndex<&d_OutputIndices::PostTorch>},
    {"pre_crowning_index", "mi/hr", OutputIndex<&d_OutputIndices::PreCrown>},
    {"post_crowning_index", "mi/hr", OutputIndex<&d_OutputIndices::PostCrown>},
    {"standing_cubic_ft", "ft3/ac", Engine<&S::Get_StCuFt>},
    {"harvested_cubic_ft", "ft3/ac", Engine<&S::Get_HaCuFt>},
    {"standing_merch_cubic_ft", "ft3/ac", Engine<&S::Get_StMeCuft>},
    {"harvested_merch_cubic_ft", "ft3/ac", Engine<&S::Get_HaMeCuft>},
    {"standing_board_ft", "bdft/ac", Engine<&S::Get_StBdft>},
    {"harvested_board_ft", "bdft/ac", Engine<&S::Get_HaBdft>},
    {"pre_fuel_model", "code", EngineText<&S::Get_FuelModel_PreTreatment>},
    {"post_fuel_model", "code", EngineText<&S::Get_FuelModel_PostTreatment>},
    // more of the canopy and the stand
    {"pre_cbd_threshold", "kg/m3", Engine<&S::Get_PreCBDThreshold>},
    {"post_cbd_threshold", "kg/m3", Engine<&S::Get_CBDThreshold>},
    {"pre_profile_layers", "count", PreLayers},
    {"post_profile_layers", "count", PostLayers},
    {"pre_trees_above_esdd", "tpa", Engine<&S::Get_PreSteDenExc>},
    {"post_trees_above_esdd", "tpa", Engine<&S::Get_SteDenExc>},
    {"thinned_trees", "tpa", TreesPerAcre<false>},
    // the surface fuel before treatment
    {"pre_duff", kTons, PreLoad<0>},
    {"pre_litter", kTons, PreLoad<1>},
    {"pre_lichen", kTons, PreLoad<2>},
    {"pre_moss", kTons, PreLoad<3>},
    {"pre_grass", kTons, PreLoad<4>},
    {"pre_shrub", kTons, PreLoad<5>},
    {"pre_1hr", kTons, PreLoad<6>},
    {"pre_10hr", kTons, PreLoad<7>},
    {"pre_100hr", kTons, PreLoad<8>},
    {"pre_sound_c1", kTons, PreLoad<9>},
    {"pre_sound_c2", kTons, PreLoad<10>},
    {"pre_sound_c3", kTons, PreLoad<11>},
    {"pre_sound_c4", kTons, PreLoad<12>},
    {"pre_sound_c5", kTons, PreLoad<13>},
    {"pre_rotten_c1", kTons, PreLoad<14>},
    {"pre_rotten_c2", kTons, PreLoad<15>},
    {"pre_rotten_c3", kTons, PreLoad<16>},
    {"pre_rotten_c4", kTons, PreLoad<17>},
    {"pre_rotten_c5", kTons, PreLoad<18>},
    {"pre_existing_piles", kTons, PreLoad<19>},
    // slash of pruning and thinning
    {"prune_slash_foliage", kTons, Engine<&S::Get_PSFol>},
    {"prune_slash_1hr", kTons, Engine<&S::Get_PS1Hr>},
    {"prune_slash_10hr", kTons, Engine<&S::Get_PS10Hr>},
    {"prune_slash_100hr", kTons, Engine<&S::Get_PS100Hr>},
    {"thin_slash_foliage", kTons, Engine<&S::Get_TSFol>},
    {"thin_slash_1hr", kTons, Engine<&S::Get_TS1Hr>},
    {"thin_slash_10hr", kTons, Engine<&S::Get_TS10Hr>},
    {"thin_slash_100hr", kTons, Engine<&S::Get_TS100Hr>},
    {"thin_slash_1000hr_c1", kTons, Engine<&S::Get_TSC1>},
    {"thin_slash_1000hr_c2", kTons, Engine<&S::Get_TSC2>},
    {"thin_slash_1000hr_c3", kTons, Engine<&S::Get_TSC3>},
    {"thin_slash_1000hr_c4", kTons, Engine<&S::Get_TSC4>},
    {"thin_slash_1000hr_c5", kTons, Engine<&S::Get_TSC5>},
    // piles
    {"pile_litter_foliage", kTons, Engine<&S::Get_PlLitFol>},
    {"pile_1hr", kTons, Engine<&S::Get_Pl1Hr>},
    {"pile_10hr", kTons, Engine<&S::Get_Pl10Hr>},
    {"pile_100hr", kTons, Engine<&S::Get_Pl100Hr>},
    {"pile_sound_c1", kTons, Engine<&S::Get_PlSC1Snd>},
    {"pile_sound_c2", kTons, Engine<&S::Get_PlSC2Snd>},
    {"pile_sound_c3", kTons, Engine<&S::Get_PlSC3Snd>},
    {"pile_sound_c4", kTons, Engine<&S::Get_PlSC4Snd>},
    {"pile_sound_c5", kTons, Engine<&S::Get_PlSC5Snd>},
    {"pile_rotten_c1", kTons, Engine<&S::Get_PlSC1Rot>},
    {"pile_rotten_c2", kTons, Engine<&S::Get_PlSC2Rot>},
    {"pile_rotten_c3", kTons, Engine<&S::Get_PlSC3Rot>},
    {"pile_rotten_c4", kTons, Engine<&S::Get_PlSC4Rot>},
    {"pile_rotten_c5", kTons, Engine<&S::Get_PlSC5Rot>},
    {"pile_total", kTons, Engine<&S::Get_PlTot>},
    {"pile_burned", kTons, Engine<&S::Get_PilBur>},
    {"slash_onto_pile", kTons, Engine<&S::Get_SlashOnToPile>},
    // the activity and ground fuels after treatment
    {"post_duff", kTons, Engine<&S::Get_AGF_Duff>},
    {"post_litter", kTons, Engine<&S::Get_AGF_Litter>},
    {"post_lichen", kTons, Engine<&S::Get_AGF_Lichen>},
    {"post_moss", kTons, Engine<&S::Get_AGF_Moss>},
    {"post_grass", kTons, Engine<&S::Get_AGF_Grass>},
    {"post_shrub", kTons, Engine<&S::Get_AGF_Shrub>},
    {"post_1hr", kTons, Engine<&S::Get_AGF_1Hr>},
    {"post_10hr", kTons, Engine<&S::Get_AGF_10Hr>},
    {"post_100hr", kTons, Engine<&S::Get_AGF_100Hr>},
    {"post_sound_c1", kTons, Engine<&S::Get_AGF_SC1Snd>},
    {"post_sound_c2", kTons, Engine<&S::Get_AGF_SC2Snd>},
    {"post_sound_c3", kTons, Engine<&S::Get_AGF_SC3Snd>},
    {"post_sound_c4", kTons, Engine<&S::Get_AGF_SC4Snd>},
    {"post_sound_c5", kTons, Engine<&S::Get_AGF_SC5Snd>},
    {"post_rotten_c1", kTons, Engine<&S::Get_AGF_SC1Rot>},
    {"post_rotten_c2", kTons, Engine<&S::Get_AGF_SC2Rot>},
    {"post_rotten_c3", kTons, Engine<&S::Get_AGF_SC3Rot>},
    {"post_rotten_c4", kTons, Engine<&S::Get_AGF_SC4Rot>},
    {"post_rotten_c5", kTons, Engine<&S::Get_AGF_SC5Rot>},
    {"post_existing_piles", kTons, Engine<&S::Get_AGF_ExiPil>},
    {"post_surface_total", kTons, Engine<&S::Get_AGF_Total>},
    // what the broadcast burn consumed
    {"burn_ignition", "text", EngineText<&S::Get_BurnIgnition>},
    {"consumed_litter", kTons, Engine<&S::Get_BBC_Litter>},
    {"consumed_lichen", kTons, Engine<&S::Get_BBC_Lichen>},
    {"consumed_moss", kTons, Engine<&S::Get_BBC_Moss>},
    {"consumed_grass", kTons, Engine<&S::Get_BBC_Grass>},
    {"consumed_shrub", kTons, Engine<&S::Get_BBC_Shrub>},
    {"consumed_duff", kTons, Engine<&S::Get_BBC_Duff>},
    {"consumed_1hr", kTons, Engine<&S::Get_BBC_1Hr>},
    {"consumed_10hr", kTons, Engine<&S::Get_BBC_10Hr>},
    {"consumed_100hr", kTons, Engine<&S::Get_BBC_100Hr>},
    {"consumed_sound_c1", kTons, Engine<&S::Get_BBC_SC1Snd>},
    {"consumed_sound_c2", kTons, Engine<&S::Get_BBC_SC2Snd>},
    {"consumed_sound_c3", kTons, Engine<&S::Get_BBC_SC3Snd>},
    {"consumed_sound_c4", kTons, Engine<&S::Get_BBC_SC4Snd>},
    {"consumed_sound_c5", kTons, Engine<&S::Get_BBC_SC5Snd>},
    {"consumed_rotten_c1", kTons, Engine<&S::Get_BBC_SC1Rot>},
    {"consumed_rotten_c2", kTons, Engine<&S::Get_BBC_SC2Rot>},
    {"consumed_rotten_c3", kTons, Engine<&S::Get_BBC_SC3Rot>},
    {"consumed_rotten_c4", kTons, Engine<&S::Get_BBC_SC4Rot>},
    {"consumed_rotten_c5", kTons, Engine<&S::Get_BBC_SC5Rot>},
    {"consumed_total", kTons, Engine<&S::Get_ConsumedTotal>},
    {"consumed_model_total", kTons, Engine<&S::Get_BBC_ModelTotal>},
    {"consumed_large_woody", kTons, Engine<&S::Get_BBC_LargeWoody>},
    {"consumed_flaming", kTons, PhaseMass<0>},
    {"consumed_smoldering_woody", kTons, PhaseMass<1>},
    {"consumed_smoldering_duff", kTons, PhaseMass<2>},
    // the trees the burn killed
    {"killed_trees", "tpa", TreesPerAcre<true>},
    {"killed_basal_area", "ft2/ac", Engine<&S::Get_KilledBasal>},
    {"scorched_foliage_to_litter", kTons, Engine<&S::Get_ScoLitter>},
    // smoke of the burn and of the burned piles
    SYLVANOR_SMOKE_PHASE("smoke_", false, 0, "flaming"),
    SYLVANOR_SMOKE_PHASE("smoke_", false, 1, "smoldering"),
    SYLVANOR_SMOKE_PHASE("smoke_", false, 2, "total"),
    SYLVANOR_SMOKE_PHASE("pile_smoke_", true, 0, "flaming"),
    SYLVANOR_SMOKE_PHASE("pile_smoke_", true, 1, "smoldering"),
    // the crown fire assessment of both states
    SYLVANOR_FIRE_STATE("pre_", false),
    SYLVANOR_FIRE_STATE("post_", true),
    // the beds of the standard fuel models
    {"pre_fuel_bed_bulk_density", "kg/m3", Engine<&S::FMS2_pr_outB16_BulkDensity>},
    {"post_fuel_bed_bulk_density", "kg/m3", Engine<&S::FMS2_outB16_BulkDensity>},
};

#undef SYLVANOR_SMOKE_PHASE
#undef SYLVANOR_FIRE_STATE

}  // namespace

std::span<const d_DetailsColumn> DetailsColumns() {
  return kColumns;
}

std::string DetailsHeading() {
  std::string names, units;
  for (const d_DetailsColumn& column : kColumns) {
    if (!names.empty()) names += ',', units += ',';
    names += column.Name;
    units += column.Unit;
  }
  return names + '\n' + units + '\n';
}

std::string DetailsLine(const Sylvanor& syl, const d_HalRun& hal, const std::string& plot,
                        const std::string& station, const std::string& treatment,
                        const d_OutputIndices& indices) {
  const d_DetailsSource source{syl, hal, plot, station, treatment, indices};
  std::string line;
  for (const d_DetailsColumn& column : kColumns) {
    if (&column != kColumns) line += ',';
    line += column.Value(source);
  }
  return line + '\n';
}

}  // namespace sylvanor
