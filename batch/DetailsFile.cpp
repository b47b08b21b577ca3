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
// piles) total, each of the seven pollutants; the meaning names the
// pollutant, the source, the phase and what follows it
#define SYLVANOR_SMOKE_COLUMN(prefix, piles, phase, phaseName, source, note, name, index, label) \
  {                                                                                              \
    prefix phaseName "_" name, kSmoke, Smoke<piles, phase, index>,                               \
        label " " source ", " phaseName note                                                     \
  }
#define SYLVANOR_SMOKE_PHASE(...)                            \
  SYLVANOR_SMOKE_COLUMN(__VA_ARGS__, "pm25", 0, "PM2.5"),    \
      SYLVANOR_SMOKE_COLUMN(__VA_ARGS__, "pm10", 1, "PM10"), \
      SYLVANOR_SMOKE_COLUMN(__VA_ARGS__, "ch4", 2, "CH4"),   \
      SYLVANOR_SMOKE_COLUMN(__VA_ARGS__, "co2", 3, "CO2"),   \
      SYLVANOR_SMOKE_COLUMN(__VA_ARGS__, "co", 4, "CO"),     \
      SYLVANOR_SMOKE_COLUMN(__VA_ARGS__, "nox", 5, "NOx"),   \
      SYLVANOR_SMOKE_COLUMN(__VA_ARGS__, "so2", 6, "SO2")

// the columns of the crown fire model's fire for one state of the stand
#define SYLVANOR_FIRE_STATE(prefix, post, state)                                                   \
  {prefix "fire_type", "text", FireType<post>,                                                     \
   state                                                                                           \
   ": fire type (`Surface Fire`, `Passive Crown Fire`, `Conditional Crown Fire`, "                 \
   "`Active Crown Fire`); empty when the crown fire model did not run"},                           \
      {prefix "spread_rate", "ch/h", FireValue<post, &d_HDO::RateOfSpread>,                        \
       state ": rate of spread"},                                                                  \
      {prefix "heat_per_unit_area", "BTU/ft2", FireValue<post, &d_HDO::HeatPerUnitArea>,           \
       state ": heat per unit area"},                                                              \
      {prefix "fireline_intensity", "BTU/ft/s", FireValue<post, &d_HDO::FirelineIntensity>,        \
       state ": fireline intensity"},                                                              \
      {prefix "flame_length", "ft", FireValue<post, &d_HDO::FlameLength>, state ": flame length"}, \
      {prefix "scorch_height", "ft", FireValue<post, &d_HDO::ScorchHeight>,                        \
       state ": scorch height"},                                                                   \
      {prefix "torching_index_unlimited", "mi/hr", FireValue<post, &d_HDO::TorchingIndex>,         \
       state ": torching index, not limited (3.4028235e+38 when the model finds no finite wind)"}, \
  {                                                                                                \
    prefix "crowning_index_unlimited", "mi/hr", FireValue<post, &d_HDO::CrowningIndex>,            \
        state ": crowning index, not limited (3.4028235e+38 when the model finds no finite wind)"  \
  }

constexpr d_DetailsColumn kColumns[] = {
    // the plot
    {"plot_id", "text", PlotId, "plot identifier, as in the plot file"},
    {"station", "text", Station, "monitoring station (PDQ plots; empty for VXD plots)"},
    {"treatment", "text", Treatment,
     "name of the treatment the link treatment file gives the plot"},
    // the values of the plot output line
    {"pre_canopy_fuel", kTons, Engine<&S::Get_PreAvailFuel>,
     "available canopy fuel, before treatment (`preCFL`)"},
    {"post_canopy_fuel", kTons, Engine<&S::Get_AvailFuel>,
     "available canopy fuel, after treatment (`postCFL`)"},
    {"pre_cbd", "kg/m3", Engine<&S::Get_Precbd>,
     "canopy bulk density, before treatment (`preCBD`)"},
    {"post_cbd", "kg/m3", Engine<&S::Get_cbd>, "canopy bulk density, after treatment (`postCBD`)"},
    {"pre_cbh", "ft", Engine<&S::Get_Precbh>, "canopy base height, before treatment (`preCBH`)"},
    {"post_cbh", "ft", Engine<&S::Get_cbh>, "canopy base height, after treatment (`postCBH`)"},
    {"pre_stand_height", "ft", Engine<&S::Get_Presh>, "stand height, before treatment (`preSH`)"},
    {"post_stand_height", "ft", Engine<&S::Get_sh>, "stand height, after treatment (`postSH`)"},
    {"pre_trees", "tpa", Engine<&S::Get_PreSteDen>, "stem density, before treatment (`preTD`)"},
    {"post_trees", "tpa", Engine<&S::Get_SteDen>, "stem density, after treatment (`postTD`)"},
    {"pre_sdi", "tpa", Engine<&S::Get_PreStdDenIdx>,
     "stand density index, before treatment (`preSDI`)"},
    {"post_sdi", "tpa", Engine<&S::Get_StdDenIdx>,
     "stand density index, after treatment (`postSDI`)"},
    {"pre_canopy_cover", "percent", Engine<&S::Get_PreCanCov>,
     "canopy cover, before treatment (`preCC`)"},
    {"post_canopy_cover", "percent", Engine<&S::Get_CanCov>,
     "canopy cover, after treatment (`postCC`)"},
    {"pre_basal_area", "ft2/ac", Engine<&S::Get_PreBasal>,
     "basal area, before treatment (`preBA`)"},
    {"post_basal_area", "ft2/ac", Engine<&S::Get_Basal>, "basal area, after treatment (`postBA`)"},
    {"pre_qmd", "in", Engine<&S::Get_PreQuaMeaDia>,
     "quadratic mean diameter, before treatment (`preQMD`)"},
    {"post_qmd", "in", Engine<&S::Get_QuaMeaDia>,
     "quadratic mean diameter, after treatment (`postQMD`)"},
    {"pre_qd75", "in", Engine<&S::Get_PreQd75>,
     "QD75, the diameter at 75 % of the basal area, before treatment (`preQ75`)"},
    {"post_qd75", "in", Engine<&S::Get_Qd75>,
     "QD75, the diameter at 75 % of the basal area, after treatment (`postQ75`)"},
    {"pre_torching_index", "mi/hr", OutputIndex<&d_OutputIndices::PreTorch>,
     "torching index as in the output file: at most 100, -1 when the crown fire model did not run, "
     "before treatment (`preTORI`)"},
    {"post_torching_index", "mi/hr", OutputIndex<&d_OutputIndices::PostTorch>,
     "torching index as in the output file: at most 100, -1 when the crown fire model did not run, "
     "after treatment (`postTORI`)"},
    {"pre_crowning_index", "mi/hr", OutputIndex<&d_OutputIndices::PreCrown>,
     "crowning index as in the output file: at most 100, -1 when the crown fire model did not run, "
     "before treatment (`preCRNI`)"},
    {"post_crowning_index", "mi/hr", OutputIndex<&d_OutputIndices::PostCrown>,
     "crowning index as in the output file: at most 100, -1 when the crown fire model did not run, "
     "after treatment (`postCRNI`)"},
    {"standing_cubic_ft", "ft3/ac", Engine<&S::Get_StCuFt>,
     "standing volume after treatment, total cubic feet (`stdCubicFt`)"},
    {"harvested_cubic_ft", "ft3/ac", Engine<&S::Get_HaCuFt>,
     "harvested volume, total cubic feet (`HarCubicFt`)"},
    {"standing_merch_cubic_ft", "ft3/ac", Engine<&S::Get_StMeCuft>,
     "standing merchantable volume after treatment (`stdMCFt`)"},
    {"harvested_merch_cubic_ft", "ft3/ac", Engine<&S::Get_HaMeCuft>,
     "harvested merchantable volume (`HarMCFt`)"},
    {"standing_board_ft", "bdft/ac", Engine<&S::Get_StBdft>,
     "standing board feet after treatment (`stdMBFt`)"},
    {"harvested_board_ft", "bdft/ac", Engine<&S::Get_HaBdft>, "harvested board feet (`HarMBFt`)"},
    {"pre_fuel_model", "code", EngineText<&S::Get_FuelModel_PreTreatment>,
     "standard fire behaviour fuel model (empty when the fuel model set is None), before treatment "
     "(`preFueMod`)"},
    {"post_fuel_model", "code", EngineText<&S::Get_FuelModel_PostTreatment>,
     "standard fire behaviour fuel model (empty when the fuel model set is None), after treatment "
     "(`postFueMod`)"},
    // more of the canopy and the stand
    {"pre_cbd_threshold", "kg/m3", Engine<&S::Get_PreCBDThreshold>,
     "canopy bulk density threshold used for the base height and stand height, before treatment"},
    {"post_cbd_threshold", "kg/m3", Engine<&S::Get_CBDThreshold>,
     "canopy bulk density threshold used for the base height and stand height, after treatment"},
    {"pre_profile_layers", "count", PreLayers,
     "layers of the vertical canopy bulk density profile, before treatment"},
    {"post_profile_layers", "count", PostLayers,
     "layers of the vertical canopy bulk density profile, after treatment"},
    {"pre_trees_above_esdd", "tpa", Engine<&S::Get_PreSteDenExc>,
     "stem density of trees at or above the exceeding stem density diameter, before treatment"},
    {"post_trees_above_esdd", "tpa", Engine<&S::Get_SteDenExc>,
     "stem density of trees at or above the exceeding stem density diameter, after treatment"},
    {"thinned_trees", "tpa", TreesPerAcre<false>,
     "trees per acre the thinning took (entered less left), over the plot tree list"},
    // the surface fuel before treatment
    {"pre_duff", kTons, PreLoad<0>, "duff, as entered"},
    {"pre_litter", kTons, PreLoad<1>, "litter, as entered"},
    {"pre_lichen", kTons, PreLoad<2>, "lichen, as entered"},
    {"pre_moss", kTons, PreLoad<3>, "moss, as entered"},
    {"pre_grass", kTons, PreLoad<4>, "grass (herbs), as entered"},
    {"pre_shrub", kTons, PreLoad<5>, "shrubs, as entered"},
    {"pre_1hr", kTons, PreLoad<6>, "1-hour fuel, as entered"},
    {"pre_10hr", kTons, PreLoad<7>, "10-hour fuel, as entered"},
    {"pre_100hr", kTons, PreLoad<8>, "100-hour fuel, as entered"},
    {"pre_sound_c1", kTons, PreLoad<9>, "1000-hour sound wood, size class 1, as entered"},
    {"pre_sound_c2", kTons, PreLoad<10>, "1000-hour sound wood, size class 2, as entered"},
    {"pre_sound_c3", kTons, PreLoad<11>, "1000-hour sound wood, size class 3, as entered"},
    {"pre_sound_c4", kTons, PreLoad<12>, "1000-hour sound wood, size class 4, as entered"},
    {"pre_sound_c5", kTons, PreLoad<13>, "1000-hour sound wood, size class 5, as entered"},
    {"pre_rotten_c1", kTons, PreLoad<14>, "1000-hour rotten wood, size class 1, as entered"},
    {"pre_rotten_c2", kTons, PreLoad<15>, "1000-hour rotten wood, size class 2, as entered"},
    {"pre_rotten_c3", kTons, PreLoad<16>, "1000-hour rotten wood, size class 3, as entered"},
    {"pre_rotten_c4", kTons, PreLoad<17>, "1000-hour rotten wood, size class 4, as entered"},
    {"pre_rotten_c5", kTons, PreLoad<18>, "1000-hour rotten wood, size class 5, as entered"},
    {"pre_existing_piles", kTons, PreLoad<19>, "existing piles, as entered"},
    // slash of pruning and thinning
    {"prune_slash_foliage", kTons, Engine<&S::Get_PSFol>, "pruning slash, foliage"},
    {"prune_slash_1hr", kTons, Engine<&S::Get_PS1Hr>, "pruning slash, 1-hour"},
    {"prune_slash_10hr", kTons, Engine<&S::Get_PS10Hr>, "pruning slash, 10-hour"},
    {"prune_slash_100hr", kTons, Engine<&S::Get_PS100Hr>, "pruning slash, 100-hour"},
    {"thin_slash_foliage", kTons, Engine<&S::Get_TSFol>, "thinning slash, foliage"},
    {"thin_slash_1hr", kTons, Engine<&S::Get_TS1Hr>, "thinning slash, 1-hour"},
    {"thin_slash_10hr", kTons, Engine<&S::Get_TS10Hr>, "thinning slash, 10-hour"},
    {"thin_slash_100hr", kTons, Engine<&S::Get_TS100Hr>, "thinning slash, 100-hour"},
    {"thin_slash_1000hr_c1", kTons, Engine<&S::Get_TSC1>, "thinning slash, 1000-hour size class 1"},
    {"thin_slash_1000hr_c2", kTons, Engine<&S::Get_TSC2>, "thinning slash, 1000-hour size class 2"},
    {"thin_slash_1000hr_c3", kTons, Engine<&S::Get_TSC3>, "thinning slash, 1000-hour size class 3"},
    {"thin_slash_1000hr_c4", kTons, Engine<&S::Get_TSC4>, "thinning slash, 1000-hour size class 4"},
    {"thin_slash_1000hr_c5", kTons, Engine<&S::Get_TSC5>, "thinning slash, 1000-hour size class 5"},
    // piles
    {"pile_litter_foliage", kTons, Engine<&S::Get_PlLitFol>, "piled litter and foliage"},
    {"pile_1hr", kTons, Engine<&S::Get_Pl1Hr>, "piled 1-hour fuel"},
    {"pile_10hr", kTons, Engine<&S::Get_Pl10Hr>, "piled 10-hour fuel"},
    {"pile_100hr", kTons, Engine<&S::Get_Pl100Hr>, "piled 100-hour fuel"},
    {"pile_sound_c1", kTons, Engine<&S::Get_PlSC1Snd>, "piled 1000-hour sound wood, size class 1"},
    {"pile_sound_c2", kTons, Engine<&S::Get_PlSC2Snd>, "piled 1000-hour sound wood, size class 2"},
    {"pile_sound_c3", kTons, Engine<&S::Get_PlSC3Snd>, "piled 1000-hour sound wood, size class 3"},
    {"pile_sound_c4", kTons, Engine<&S::Get_PlSC4Snd>, "piled 1000-hour sound wood, size class 4"},
    {"pile_sound_c5", kTons, Engine<&S::Get_PlSC5Snd>, "piled 1000-hour sound wood, size class 5"},
    {"pile_rotten_c1", kTons, Engine<&S::Get_PlSC1Rot>,
     "piled 1000-hour rotten wood, size class 1"},
    {"pile_rotten_c2", kTons, Engine<&S::Get_PlSC2Rot>,
     "piled 1000-hour rotten wood, size class 2"},
    {"pile_rotten_c3", kTons, Engine<&S::Get_PlSC3Rot>,
     "piled 1000-hour rotten wood, size class 3"},
    {"pile_rotten_c4", kTons, Engine<&S::Get_PlSC4Rot>,
     "piled 1000-hour rotten wood, size class 4"},
    {"pile_rotten_c5", kTons, Engine<&S::Get_PlSC5Rot>,
     "piled 1000-hour rotten wood, size class 5"},
    {"pile_total", kTons, Engine<&S::Get_PlTot>, "all piles together"},
    {"pile_burned", kTons, Engine<&S::Get_PilBur>, "pile load burned"},
    {"slash_onto_pile", kTons, Engine<&S::Get_SlashOnToPile>, "slash moved onto the piles"},
    // the activity and ground fuels after treatment
    {"post_duff", kTons, Engine<&S::Get_AGF_Duff>,
     "duff, after treatment (slash, piling and burn included)"},
    {"post_litter", kTons, Engine<&S::Get_AGF_Litter>,
     "litter, after treatment (slash, piling and burn included)"},
    {"post_lichen", kTons, Engine<&S::Get_AGF_Lichen>,
     "lichen, after treatment (slash, piling and burn included)"},
    {"post_moss", kTons, Engine<&S::Get_AGF_Moss>,
     "moss, after treatment (slash, piling and burn included)"},
    {"post_grass", kTons, Engine<&S::Get_AGF_Grass>,
     "grass (herbs), after treatment (slash, piling and burn included)"},
    {"post_shrub", kTons, Engine<&S::Get_AGF_Shrub>,
     "shrubs, after treatment (slash, piling and burn included)"},
    {"post_1hr", kTons, Engine<&S::Get_AGF_1Hr>,
     "1-hour fuel, after treatment (slash, piling and burn included)"},
    {"post_10hr", kTons, Engine<&S::Get_AGF_10Hr>,
     "10-hour fuel, after treatment (slash, piling and burn included)"},
    {"post_100hr", kTons, Engine<&S::Get_AGF_100Hr>,
     "100-hour fuel, after treatment (slash, piling and burn included)"},
    {"post_sound_c1", kTons, Engine<&S::Get_AGF_SC1Snd>,
     "1000-hour sound wood, size class 1, after treatment (slash, piling and burn included)"},
    {"post_sound_c2", kTons, Engine<&S::Get_AGF_SC2Snd>,
     "1000-hour sound wood, size class 2, after treatment (slash, piling and burn included)"},
    {"post_sound_c3", kTons, Engine<&S::Get_AGF_SC3Snd>,
     "1000-hour sound wood, size class 3, after treatment (slash, piling and burn included)"},
    {"post_sound_c4", kTons, Engine<&S::Get_AGF_SC4Snd>,
     "1000-hour sound wood, size class 4, after treatment (slash, piling and burn included)"},
    {"post_sound_c5", kTons, Engine<&S::Get_AGF_SC5Snd>,
     "1000-hour sound wood, size class 5, after treatment (slash, piling and burn included)"},
    {"post_rotten_c1", kTons, Engine<&S::Get_AGF_SC1Rot>,
     "1000-hour rotten wood, size class 1, after treatment (slash, piling and burn included)"},
    {"post_rotten_c2", kTons, Engine<&S::Get_AGF_SC2Rot>,
     "1000-hour rotten wood, size class 2, after treatment (slash, piling and burn included)"},
    {"post_rotten_c3", kTons, Engine<&S::Get_AGF_SC3Rot>,
     "1000-hour rotten wood, size class 3, after treatment (slash, piling and burn included)"},
    {"post_rotten_c4", kTons, Engine<&S::Get_AGF_SC4Rot>,
     "1000-hour rotten wood, size class 4, after treatment (slash, piling and burn included)"},
    {"post_rotten_c5", kTons, Engine<&S::Get_AGF_SC5Rot>,
     "1000-hour rotten wood, size class 5, after treatment (slash, piling and burn included)"},
    {"post_existing_piles", kTons, Engine<&S::Get_AGF_ExiPil>, "existing piles after treatment"},
    {"post_surface_total", kTons, Engine<&S::Get_AGF_Total>,
     "all activity and ground fuels after treatment, with the existing piles"},
    // what the broadcast burn consumed
    {"burn_ignition", "text", EngineText<&S::Get_BurnIgnition>,
     "`YES` when the broadcast burn ignited, `NO` when it did not, empty without a burn"},
    {"consumed_litter", kTons, Engine<&S::Get_BBC_Litter>, "litter consumed by the broadcast burn"},
    {"consumed_lichen", kTons, Engine<&S::Get_BBC_Lichen>, "lichen consumed by the broadcast burn"},
    {"consumed_moss", kTons, Engine<&S::Get_BBC_Moss>, "moss consumed by the broadcast burn"},
    {"consumed_grass", kTons, Engine<&S::Get_BBC_Grass>,
     "grass (herbs) consumed by the broadcast burn"},
    {"consumed_shrub", kTons, Engine<&S::Get_BBC_Shrub>, "shrubs consumed by the broadcast burn"},
    {"consumed_duff", kTons, Engine<&S::Get_BBC_Duff>, "duff consumed by the broadcast burn"},
    {"consumed_1hr", kTons, Engine<&S::Get_BBC_1Hr>, "1-hour fuel consumed by the broadcast burn"},
    {"consumed_10hr", kTons, Engine<&S::Get_BBC_10Hr>,
     "10-hour fuel consumed by the broadcast burn"},
    {"consumed_100hr", kTons, Engine<&S::Get_BBC_100Hr>,
     "100-hour fuel consumed by the broadcast burn"},
    {"consumed_sound_c1", kTons, Engine<&S::Get_BBC_SC1Snd>,
     "1000-hour sound wood, size class 1 consumed by the broadcast burn"},
    {"consumed_sound_c2", kTons, Engine<&S::Get_BBC_SC2Snd>,
     "1000-hour sound wood, size class 2 consumed by the broadcast burn"},
    {"consumed_sound_c3", kTons, Engine<&S::Get_BBC_SC3Snd>,
     "1000-hour sound wood, size class 3 consumed by the broadcast burn"},
    {"consumed_sound_c4", kTons, Engine<&S::Get_BBC_SC4Snd>,
     "1000-hour sound wood, size class 4 consumed by the broadcast burn"},
    {"consumed_sound_c5", kTons, Engine<&S::Get_BBC_SC5Snd>,
     "1000-hour sound wood, size class 5 consumed by the broadcast burn"},
    {"consumed_rotten_c1", kTons, Engine<&S::Get_BBC_SC1Rot>,
     "1000-hour rotten wood, size class 1 consumed by the broadcast burn"},
    {"consumed_rotten_c2", kTons, Engine<&S::Get_BBC_SC2Rot>,
     "1000-hour rotten wood, size class 2 consumed by the broadcast burn"},
    {"consumed_rotten_c3", kTons, Engine<&S::Get_BBC_SC3Rot>,
     "1000-hour rotten wood, size class 3 consumed by the broadcast burn"},
    {"consumed_rotten_c4", kTons, Engine<&S::Get_BBC_SC4Rot>,
     "1000-hour rotten wood, size class 4 consumed by the broadcast burn"},
    {"consumed_rotten_c5", kTons, Engine<&S::Get_BBC_SC5Rot>,
     "1000-hour rotten wood, size class 5 consumed by the broadcast burn"},
    {"consumed_total", kTons, Engine<&S::Get_ConsumedTotal>,
     "all the burn consumed, with the burned piles"},
    {"consumed_model_total", kTons, Engine<&S::Get_BBC_ModelTotal>,
     "the consumption model's total over its eleven components"},
    {"consumed_large_woody", kTons, Engine<&S::Get_BBC_LargeWoody>,
     "sound and rotten logs (1000-hour classes) consumed"},
    {"consumed_flaming", kTons, PhaseMass<0>, "fuel consumed in the flaming phase"},
    {"consumed_smoldering_woody", kTons, PhaseMass<1>, "fuel consumed smoldering, woody fuel"},
    {"consumed_smoldering_duff", kTons, PhaseMass<2>, "fuel consumed smoldering, duff"},
    // the trees the burn killed
    {"killed_trees", "tpa", TreesPerAcre<true>,
     "trees per acre the burn killed, over the plot tree list"},
    {"killed_basal_area", "ft2/ac", Engine<&S::Get_KilledBasal>,
     "basal area of the trees the burn killed"},
    {"scorched_foliage_to_litter", kTons, Engine<&S::Get_ScoLitter>,
     "foliage the burn killed, added to the litter"},
    // smoke of the burn and of the burned piles
    SYLVANOR_SMOKE_PHASE("smoke_", false, 0, "flaming", "of the broadcast burn", ""),
    SYLVANOR_SMOKE_PHASE("smoke_", false, 1, "smoldering", "of the broadcast burn", ""),
    SYLVANOR_SMOKE_PHASE("smoke_", false, 2, "total", "of the broadcast burn", ""),
    SYLVANOR_SMOKE_PHASE("pile_smoke_", true, 0, "flaming", "from the burned piles",
                         " (a quarter of the burned mass flaming, the rest smoldering)"),
    SYLVANOR_SMOKE_PHASE("pile_smoke_", true, 1, "smoldering", "from the burned piles",
                         " (a quarter of the burned mass flaming, the rest smoldering)"),
    // the crown fire assessment of both states
    SYLVANOR_FIRE_STATE("pre_", false, "stand before treatment"),
    SYLVANOR_FIRE_STATE("post_", true, "stand after treatment"),
    // the beds of the standard fuel models
    {"pre_fuel_bed_bulk_density", "kg/m3", Engine<&S::FMS2_pr_outB16_BulkDensity>,
     "bulk density of the standard fuel model bed before treatment"},
    {"post_fuel_bed_bulk_density", "kg/m3", Engine<&S::FMS2_outB16_BulkDensity>,
     "bulk density of the standard fuel model bed after treatment"},
};

#undef SYLVANOR_SMOKE_PHASE
#undef SYLVANOR_SMOKE_COLUMN
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
