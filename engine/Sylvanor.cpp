#include "engine/Sylvanor.h"

#include "base/Keyword.h"
#include "engine/Execute.h"
#include "engine/SettingsCheck.h"
#include "stand/EquationReference.h"
#include "stand/SpeciesTable.h"
#include "stand/TreeList.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

// A list of the seven pollutants in the reported order to its outputs.
void Unpack(const std::array<float, kPollutants>& v, float& pm25, float& pm10, float& ch4,
            float& co2, float& co, float& nox, float& so2) {
  pm25 = v[0];
  pm10 = v[1];
  ch4 = v[2];
  co2 = v[3];
  co = v[4];
  nox = v[5];
  so2 = v[6];
}

}  // namespace

// The working record: settings, tables, results and working records of the
// execution (engine/Execute.h), and the retention priorities of the plot.
struct Sylvanor::d_Work : d_Exec {
  d_RetPriSet rps;  // retention priority set of the plot
  RetPriSpeList rpsSpecies;
};

Sylvanor::Sylvanor() : w_(std::make_unique<d_Work>()) {}
Sylvanor::~Sylvanor() = default;

int Sylvanor::Init_LarGUI(const std::string& inUnits, const std::string& outUnits,
                          const std::string& speciesPath) {
  d_Settings& s = w_->set;
  ResetSettings(s);
  s.LayWid = SameKeyword(inUnits, "Metric") ? 0.1f : 1.0f;
  s.InUnits = inUnits;
  s.OutUnits = outUnits;
  s.RASpread = 5.0f;
  s.CBDCriThr = 0.012f;
  s.MLCons = 0.9f;
  w_->std = d_Stand{};
  w_->pre = d_Canopy{};
  w_->layers = d_Profile{};
  w_->layers.Load.fill(-1.0f);
  w_->layers.RunMean.fill(-1.0f);
  if (SameKeyword(speciesPath, "Batch")) return 0;
  auto table = std::make_shared<d_ETTable>();
  std::string message;
  const int result = ET_Setup(*table, message, speciesPath);
  w_->ctx.Species = std::move(table);
  w_->std.ErrMes = message;
  return result;
}

void Sylvanor::ShareSpeciesTable(const Sylvanor& other) {
  w_->ctx.Species = other.w_->ctx.Species;
}

int Sylvanor::Check_Inputs() {
  return Check_Settings(w_->set, FractionForm::kFraction, w_->std.ErrMes);
}

int Sylvanor::Check_InputsLG() {
  return Check_Settings(w_->set, FractionForm::kPercent, w_->std.ErrMes);
}

std::string Sylvanor::Get_ErrMes() const {
  return w_->std.ErrMes.str();
}

int Sylvanor::PTL_InitTbl() {
  return sylvanor::PTL_InitTbl(w_->ctx.Trees);
}

int Sylvanor::PTL_PutRec(int recNum, int treeNum, const std::string& species, float dia, float hgt,
                         float crnHgt, float tpa, const std::string& crnCls,
                         const std::string& status, float retPri, float cutEff,
                         const std::string& units, const std::string& note, std::string& message) {
  return sylvanor::PTL_PutRec(w_->ctx.Trees, *w_->ctx.Species, recNum, treeNum, species, dia, hgt,
                              crnHgt, tpa, crnCls, status, retPri, cutEff, units, note, message);
}

int Sylvanor::PTL_GetInfo(int treeNum, std::string& species, float& killed, float& mortPct,
                          float& thinned, float& pctThinned) {
  return sylvanor::PTL_GetInfo(w_->ctx.Trees, treeNum, species, killed, mortPct, thinned,
                               pctThinned);
}

int Sylvanor::PTL_GetRecInfo(int treeNum, std::string& species, float& dia, float& hgt,
                             float& crnHgt, float& tpa, float& retPri, std::string& crnCls,
                             std::string& status) {
  return sylvanor::PTL_GetRecInfo(w_->ctx.Trees, treeNum, species, dia, hgt, crnHgt, tpa, retPri,
                                  crnCls, status);
}

int Sylvanor::PLT_PutRetPri(float hea, float uhe, float sic, float dea, float dom, float cod,
                            float inr, float emr, float sup, float opg, float non, float crs,
                            float crm, float dia) {
  d_RetPriSet& r = w_->rps;
  r.Hea = hea;
  r.UHe = uhe;
  r.Sic = sic;
  r.Dea = dea;
  r.Dom = dom;
  r.CoD = cod;
  r.Int = inr;
  r.Emr = emr;
  r.Sup = sup;
  r.OpG = opg;
  r.Non = non;
  r.CRs = crs;
  r.CRm = crm;
  r.Dia = dia;
  return 1;
}

int Sylvanor::PLT_PutRetPriSpe(const std::string& name, float minDia, float maxDia, float pri) {
  if (SameKeyword(name, "Init")) {
    RPC_Init_SpeLis(w_->rpsSpecies);
    return 1;
  }
  return RPC_SetSpe(w_->rpsSpecies, name, minDia, maxDia, pri) < static_cast<int>(kRetPriSpecies)
             ? 1
             : 0;
}

int Sylvanor::PLT_RetPriCalc() {
  return sylvanor::PLT_RetPriCalc(w_->ctx.Trees, w_->rps, w_->rpsSpecies);
}

const d_RetPriSet& Sylvanor::RetPriSet() const {
  return w_->rps;
}
const RetPriSpeList& Sylvanor::RetPriSpecies() const {
  return w_->rpsSpecies;
}

int Sylvanor::PTL_Exec() {
  for (const ExecStep step : kExecSteps) {
    if (!step(*w_)) return 0;
  }
  return 1;
}

std::string Sylvanor::Get_FuelModel_PreTreatment() const {
  return w_->std.FmsPre.Model.str();
}
std::string Sylvanor::Get_FuelModel_PostTreatment() const {
  return w_->std.FmsPost.Model.str();
}
float Sylvanor::FMS2_pr_outB16_BulkDensity() const {
  return static_cast<float>(w_->std.FmsPre.BulkDensity);
}
float Sylvanor::FMS2_outB16_BulkDensity() const {
  return static_cast<float>(w_->std.FmsPost.BulkDensity);
}

#define SYLVANOR_GETTER(Name, Expr) \
  float Sylvanor::Name() const {    \
    return w_->Expr;                \
  }

SYLVANOR_GETTER(Get_cbd, std.Post.Prof.CBD)
SYLVANOR_GETTER(Get_cbh, std.Post.Prof.CBH)
SYLVANOR_GETTER(Get_sh, std.Post.Prof.SH)
SYLVANOR_GETTER(Get_AvailFuel, std.Post.AvailFuel)
SYLVANOR_GETTER(Get_CBDThreshold, std.Post.Prof.Thr)
SYLVANOR_GETTER(Get_SteDen, std.Post.Meas.SteDen)
SYLVANOR_GETTER(Get_SteDenExc, std.Post.Meas.SteDenExc)
SYLVANOR_GETTER(Get_Basal, std.Post.Meas.Basal)
SYLVANOR_GETTER(Get_StdDenIdx, std.Post.Meas.StdDenIdx)
SYLVANOR_GETTER(Get_QuaMeaDia, std.Post.Meas.QuaMeaDia)
SYLVANOR_GETTER(Get_Qd75, std.Post.Meas.Qd75)
SYLVANOR_GETTER(Get_CanCov, std.Post.Meas.CanCov)
SYLVANOR_GETTER(Get_Precbd, pre.Prof.CBD)
SYLVANOR_GETTER(Get_Precbh, pre.Prof.CBH)
SYLVANOR_GETTER(Get_Presh, pre.Prof.SH)
SYLVANOR_GETTER(Get_PreAvailFuel, pre.AvailFuel)
SYLVANOR_GETTER(Get_PreCBDThreshold, pre.Prof.Thr)
SYLVANOR_GETTER(Get_PreSteDen, pre.Meas.SteDen)
SYLVANOR_GETTER(Get_PreSteDenExc, pre.Meas.SteDenExc)
SYLVANOR_GETTER(Get_PreBasal, pre.Meas.Basal)
SYLVANOR_GETTER(Get_PreStdDenIdx, pre.Meas.StdDenIdx)
SYLVANOR_GETTER(Get_PreQuaMeaDia, pre.Meas.QuaMeaDia)
SYLVANOR_GETTER(Get_PreQd75, pre.Meas.Qd75)
SYLVANOR_GETTER(Get_PreCanCov, pre.Meas.CanCov)
SYLVANOR_GETTER(Get_StCuFt, std.Vol.StCuFt)
SYLVANOR_GETTER(Get_StBdft, std.Vol.StBdft)
SYLVANOR_GETTER(Get_StMeCuft, std.Vol.StMeCuft)
SYLVANOR_GETTER(Get_HaCuFt, std.Vol.HaCuFt)
SYLVANOR_GETTER(Get_HaBdft, std.Vol.HaBdft)
SYLVANOR_GETTER(Get_HaMeCuft, std.Vol.HaMeCuft)

SYLVANOR_GETTER(Get_PSFol, std.Slash.Pruning.Fol)
SYLVANOR_GETTER(Get_PS1Hr, std.Slash.Pruning.Hr1)
SYLVANOR_GETTER(Get_PS10Hr, std.Slash.Pruning.Hr10)
SYLVANOR_GETTER(Get_PS100Hr, std.Slash.Pruning.Hr100)
SYLVANOR_GETTER(Get_TSFol, std.Slash.Thinning.Fol)
SYLVANOR_GETTER(Get_TS1Hr, std.Slash.Thinning.Hr1)
SYLVANOR_GETTER(Get_TS10Hr, std.Slash.Thinning.Hr10)
SYLVANOR_GETTER(Get_TS100Hr, std.Slash.Thinning.Hr100)
SYLVANOR_GETTER(Get_TSC1, std.Slash.Thinning.Snd[0])
SYLVANOR_GETTER(Get_TSC2, std.Slash.Thinning.Snd[1])
SYLVANOR_GETTER(Get_TSC3, std.Slash.Thinning.Snd[2])
SYLVANOR_GETTER(Get_TSC4, std.Slash.Thinning.Snd[3])
SYLVANOR_GETTER(Get_TSC5, std.Slash.Thinning.Snd[4])
SYLVANOR_GETTER(Get_PlLitFol, std.Slash.Piles.LitFol)
SYLVANOR_GETTER(Get_Pl1Hr, std.Slash.Piles.Hr1)
SYLVANOR_GETTER(Get_Pl10Hr, std.Slash.Piles.Hr10)
SYLVANOR_GETTER(Get_Pl100Hr, std.Slash.Piles.Hr100)
SYLVANOR_GETTER(Get_PlSC1Snd, std.Slash.Piles.Snd[0])
SYLVANOR_GETTER(Get_PlSC2Snd, std.Slash.Piles.Snd[1])
SYLVANOR_GETTER(Get_PlSC3Snd, std.Slash.Piles.Snd[2])
SYLVANOR_GETTER(Get_PlSC4Snd, std.Slash.Piles.Snd[3])
SYLVANOR_GETTER(Get_PlSC5Snd, std.Slash.Piles.Snd[4])
SYLVANOR_GETTER(Get_PlSC1Rot, std.Slash.Piles.Rot[0])
SYLVANOR_GETTER(Get_PlSC2Rot, std.Slash.Piles.Rot[1])
SYLVANOR_GETTER(Get_PlSC3Rot, std.Slash.Piles.Rot[2])
SYLVANOR_GETTER(Get_PlSC4Rot, std.Slash.Piles.Rot[3])
SYLVANOR_GETTER(Get_PlSC5Rot, std.Slash.Piles.Rot[4])
SYLVANOR_GETTER(Get_PlTot, std.Slash.Piles.Tot)
SYLVANOR_GETTER(Get_PilBur, std.Slash.Piles.Burned)
SYLVANOR_GETTER(Get_SlashOnToPile, std.Slash.Piles.SlashOnToPile)
SYLVANOR_GETTER(Get_AGF_Duff, std.AGF.Duff)
SYLVANOR_GETTER(Get_AGF_Litter, std.AGF.Litter)
SYLVANOR_GETTER(Get_AGF_Lichen, std.AGF.Lichen)
SYLVANOR_GETTER(Get_AGF_Moss, std.AGF.Moss)
SYLVANOR_GETTER(Get_AGF_Grass, std.AGF.Grass)
SYLVANOR_GETTER(Get_AGF_Shrub, std.AGF.Shrub)
SYLVANOR_GETTER(Get_AGF_1Hr, std.AGF.Hr1)
SYLVANOR_GETTER(Get_AGF_10Hr, std.AGF.Hr10)
SYLVANOR_GETTER(Get_AGF_100Hr, std.AGF.Hr100)
SYLVANOR_GETTER(Get_AGF_SC1Snd, std.AGF.Snd[0])
SYLVANOR_GETTER(Get_AGF_SC2Snd, std.AGF.Snd[1])
SYLVANOR_GETTER(Get_AGF_SC3Snd, std.AGF.Snd[2])
SYLVANOR_GETTER(Get_AGF_SC4Snd, std.AGF.Snd[3])
SYLVANOR_GETTER(Get_AGF_SC5Snd, std.AGF.Snd[4])
SYLVANOR_GETTER(Get_AGF_SC1Rot, std.AGF.Rot[0])
SYLVANOR_GETTER(Get_AGF_SC2Rot, std.AGF.Rot[1])
SYLVANOR_GETTER(Get_AGF_SC3Rot, std.AGF.Rot[2])
SYLVANOR_GETTER(Get_AGF_SC4Rot, std.AGF.Rot[3])
SYLVANOR_GETTER(Get_AGF_SC5Rot, std.AGF.Rot[4])
SYLVANOR_GETTER(Get_AGF_ExiPil, std.AGF.Pile)
SYLVANOR_GETTER(Get_BBC_Litter, std.Burn.Consumed.Litter)
SYLVANOR_GETTER(Get_BBC_Lichen, std.Burn.Consumed.Lichen)
SYLVANOR_GETTER(Get_BBC_Moss, std.Burn.Consumed.Moss)
SYLVANOR_GETTER(Get_BBC_Grass, std.Burn.Consumed.Grass)
SYLVANOR_GETTER(Get_BBC_Shrub, std.Burn.Consumed.Shrub)
SYLVANOR_GETTER(Get_BBC_Duff, std.Burn.Consumed.Duff)
SYLVANOR_GETTER(Get_BBC_1Hr, std.Burn.Consumed.Hr1)
SYLVANOR_GETTER(Get_BBC_10Hr, std.Burn.Consumed.Hr10)
SYLVANOR_GETTER(Get_BBC_100Hr, std.Burn.Consumed.Hr100)
SYLVANOR_GETTER(Get_BBC_SC1Snd, std.Burn.Consumed.Snd[0])
SYLVANOR_GETTER(Get_BBC_SC2Snd, std.Burn.Consumed.Snd[1])
SYLVANOR_GETTER(Get_BBC_SC3Snd, std.Burn.Consumed.Snd[2])
SYLVANOR_GETTER(Get_BBC_SC4Snd, std.Burn.Consumed.Snd[3])
SYLVANOR_GETTER(Get_BBC_SC5Snd, std.Burn.Consumed.Snd[4])
SYLVANOR_GETTER(Get_BBC_SC1Rot, std.Burn.Consumed.Rot[0])
SYLVANOR_GETTER(Get_BBC_SC2Rot, std.Burn.Consumed.Rot[1])
SYLVANOR_GETTER(Get_BBC_SC3Rot, std.Burn.Consumed.Rot[2])
SYLVANOR_GETTER(Get_BBC_SC4Rot, std.Burn.Consumed.Rot[3])
SYLVANOR_GETTER(Get_BBC_SC5Rot, std.Burn.Consumed.Rot[4])
SYLVANOR_GETTER(Get_BBC_ModelTotal, std.Burn.ConTotal)
SYLVANOR_GETTER(Get_BBC_LargeWoody, std.Burn.ConLargeWoody)
SYLVANOR_GETTER(Get_KilledBasal, std.Burn.KilledBasal)
SYLVANOR_GETTER(Get_ScoLitter, std.ScoLitter)

#undef SYLVANOR_GETTER

float Sylvanor::Get_AGF_Total() const {
  float total = 0.0f;
  for (const float* load : Loads(w_->std.AGF))
    total += *load;
  return total;
}

std::span<const float> Sylvanor::Get_VDR() const {
  const d_Profile& p = w_->std.Post.Prof;
  return {p.RunMean.data(), static_cast<std::size_t>(p.NRun)};
}
int Sylvanor::Get_VDRlays() const {
  return w_->std.Post.Prof.NRun;
}
std::span<const float> Sylvanor::Get_PreVDR() const {
  const d_Profile& p = w_->pre.Prof;
  return {p.RunMean.data(), static_cast<std::size_t>(p.NRun)};
}
int Sylvanor::Get_PreVDRlays() const {
  return w_->pre.Prof.NRun;
}

int Sylvanor::ET_GetItem(int row, const std::string& item, std::string& text) {
  return sylvanor::ET_GetItem(*w_->ctx.Species, row, item, text);
}

int Sylvanor::ESD_GetItem(int row, const std::string& item, std::string& text) {
  return sylvanor::ESD_GetItem(row, item, text);
}

int Sylvanor::ET_GetReference(const std::string& code, const std::string& item, std::string& name,
                              std::string& reference) {
  return sylvanor::ET_GetReference(code, item, name, reference);
}
const d_Settings& Sylvanor::Settings() const {
  return w_->set;
}
const d_Stand& Sylvanor::Stand() const {
  return w_->std;
}
const d_Context& Sylvanor::Context() const {
  return w_->ctx;
}

#define SYLVANOR_SETTER(Name, Field, Type) \
  int Sylvanor::Name(Type v) {             \
    w_->set.Field = v;                     \
    return 1;                              \
  }
#define SYLVANOR_TEXT_SETTER(Name, Field) SYLVANOR_SETTER(Name, Field, const std::string&)
#define SYLVANOR_FLOAT_SETTER(Name, Field) SYLVANOR_SETTER(Name, Field, float)

SYLVANOR_TEXT_SETTER(Set_UserFolder, UserFolder)
SYLVANOR_TEXT_SETTER(Set_ThinInc, ThinInc)
SYLVANOR_TEXT_SETTER(Set_ThinCrit, ThinCrit)
SYLVANOR_FLOAT_SETTER(Set_ThiCriVal, ThiCriVal)
SYLVANOR_FLOAT_SETTER(Set_CutEff, CutEff)
SYLVANOR_FLOAT_SETTER(Set_MinCutDia, MinCutDia)
SYLVANOR_FLOAT_SETTER(Set_MaxCutDia, MaxCutDia)
SYLVANOR_FLOAT_SETTER(Set_SubMerDia, SubMerDia)
SYLVANOR_FLOAT_SETTER(Set_LogTopDia, LogTopDia)
SYLVANOR_FLOAT_SETTER(Set_Yardloss, Yardloss)
SYLVANOR_TEXT_SETTER(Set_PrunInc, PrunInc)
SYLVANOR_FLOAT_SETTER(Set_PrunHgt, PrunHgt)
SYLVANOR_FLOAT_SETTER(Set_PrunMRCR, PrunMRCR)
SYLVANOR_FLOAT_SETTER(Set_ESDD, ESDD)
SYLVANOR_FLOAT_SETTER(Set_LayWid, LayWid)
SYLVANOR_FLOAT_SETTER(Set_RASpread, RASpread)
SYLVANOR_FLOAT_SETTER(Set_CBDCriThr, CBDCriThr)
SYLVANOR_FLOAT_SETTER(Set_Duff, Fuel.Duff)
SYLVANOR_FLOAT_SETTER(Set_Litter, Fuel.Litter)
SYLVANOR_FLOAT_SETTER(Set_Lichen, Fuel.Lichen)
SYLVANOR_FLOAT_SETTER(Set_Moss, Fuel.Moss)
SYLVANOR_FLOAT_SETTER(Set_Grass, Fuel.Grass)
SYLVANOR_FLOAT_SETTER(Set_Shrub, Fuel.Shrub)
SYLVANOR_FLOAT_SETTER(Set_1Hr, Fuel.Hr1)
SYLVANOR_FLOAT_SETTER(Set_10Hr, Fuel.Hr10)
SYLVANOR_FLOAT_SETTER(Set_100Hr, Fuel.Hr100)
SYLVANOR_FLOAT_SETTER(Set_SC1Snd, Fuel.Snd[0])
SYLVANOR_FLOAT_SETTER(Set_SC2Snd, Fuel.Snd[1])
SYLVANOR_FLOAT_SETTER(Set_SC3Snd, Fuel.Snd[2])
SYLVANOR_FLOAT_SETTER(Set_SC4Snd, Fuel.Snd[3])
SYLVANOR_FLOAT_SETTER(Set_SC5Snd, Fuel.Snd[4])
SYLVANOR_FLOAT_SETTER(Set_SC1Rot, Fuel.Rot[0])
SYLVANOR_FLOAT_SETTER(Set_SC2Rot, Fuel.Rot[1])
SYLVANOR_FLOAT_SETTER(Set_SC3Rot, Fuel.Rot[2])
SYLVANOR_FLOAT_SETTER(Set_SC4Rot, Fuel.Rot[3])
SYLVANOR_FLOAT_SETTER(Set_SC5Rot, Fuel.Rot[4])
SYLVANOR_FLOAT_SETTER(Set_ExiPilLoa, Fuel.Pile)
SYLVANOR_SETTER(Set_SurfaceFuel, Fuel, const d_SurfaceFuel&)
SYLVANOR_FLOAT_SETTER(Set_PilGroFra, PilGroFra)
SYLVANOR_FLOAT_SETTER(Set_PilTPFra, PilTPFra)
SYLVANOR_FLOAT_SETTER(Set_PilBurFra, PilBurFra)
SYLVANOR_TEXT_SETTER(Set_BroBurInc, BroBurInc)
SYLVANOR_TEXT_SETTER(Set_Region, Region)
SYLVANOR_TEXT_SETTER(Set_Season, Season)
SYLVANOR_FLOAT_SETTER(Set_Moist10Hr, Moist10Hr)
SYLVANOR_FLOAT_SETTER(Set_Moist1kHr, Moist1kHr)
SYLVANOR_FLOAT_SETTER(Set_MLCons, MLCons)
SYLVANOR_FLOAT_SETTER(Set_DuffDepth, DuffDepth)
SYLVANOR_FLOAT_SETTER(Set_DuffMoist, DuffMoist)
SYLVANOR_FLOAT_SETTER(Set_ScoHgt, ScoHgt)
SYLVANOR_TEXT_SETTER(Set_Climate, Climate)
SYLVANOR_TEXT_SETTER(Set_FueModSet, FueModSet)
SYLVANOR_FLOAT_SETTER(Set_1HrSAV, Hr1SAV)
SYLVANOR_FLOAT_SETTER(Set_GrassSAV, GrassSAV)
SYLVANOR_FLOAT_SETTER(Set_ShrubSAV, ShrubSAV)
SYLVANOR_FLOAT_SETTER(Set_FueBedDep, FueBedDep)
SYLVANOR_FLOAT_SETTER(Set_CriFirInt, CriFirInt)

#undef SYLVANOR_FLOAT_SETTER
#undef SYLVANOR_TEXT_SETTER
#undef SYLVANOR_SETTER

int Sylvanor::Set_EmisFactor(const std::string& component, const std::string& name, float co,
                             float co2, float ch4, float pm25, float pm10, float nox, float so2) {
  return Set_EmisFactor(component, {name, {co, co2, ch4, pm25, pm10, nox, so2}});
}

int Sylvanor::Set_EmisFactor(const std::string& component, const d_EmisFactors& factors) {
  d_EmisFactors* set = nullptr;
  if (SameKeyword(component, "Flame")) set = &w_->set.EmisFlame;
  if (SameKeyword(component, "Smolder")) set = &w_->set.EmisSmolder;
  if (SameKeyword(component, "Duff")) set = &w_->set.EmisDuff;
  if (set) {
    *set = factors;
    set->Name = factors.Name.substr(0, kEmisNameCapacity - 1);
  }
  return 1;
}

float Sylvanor::GetPre_Litter() const {
  return w_->set.Fuel.Litter;
}
float Sylvanor::GetPre_Grass() const {
  return w_->set.Fuel.Grass;
}
float Sylvanor::GetPre_Shrub() const {
  return w_->set.Fuel.Shrub;
}
float Sylvanor::GetPre_1Hr() const {
  return w_->set.Fuel.Hr1;
}
float Sylvanor::GetPre_10Hr() const {
  return w_->set.Fuel.Hr10;
}
float Sylvanor::GetPre_100Hr() const {
  return w_->set.Fuel.Hr100;
}
float Sylvanor::GetPre_SC1Snd() const {
  return w_->set.Fuel.Snd[0];
}
float Sylvanor::GetPre_SC2Snd() const {
  return w_->set.Fuel.Snd[1];
}
float Sylvanor::GetPre_SC3Snd() const {
  return w_->set.Fuel.Snd[2];
}
float Sylvanor::GetPre_SC4Snd() const {
  return w_->set.Fuel.Snd[3];
}
float Sylvanor::GetPre_SC5Snd() const {
  return w_->set.Fuel.Snd[4];
}
float Sylvanor::GetPre_SC1Rot() const {
  return w_->set.Fuel.Rot[0];
}
float Sylvanor::GetPre_SC2Rot() const {
  return w_->set.Fuel.Rot[1];
}
float Sylvanor::GetPre_SC3Rot() const {
  return w_->set.Fuel.Rot[2];
}
float Sylvanor::GetPre_SC4Rot() const {
  return w_->set.Fuel.Rot[3];
}
float Sylvanor::GetPre_SC5Rot() const {
  return w_->set.Fuel.Rot[4];
}

void Sylvanor::Get_EmiTot(const std::string& keyword, float& pm25, float& pm10, float& ch4,
                          float& co2, float& co, float& nox, float& so2) const {
  const d_EmiTotals& e = w_->std.Emis;
  std::array<float, 7> v{};
  if (SameKeyword(keyword, "Flame")) {
    v = e.Flame;
  } else if (SameKeyword(keyword, "Smolder")) {
    v = e.Smolder;
  } else if (SameKeyword(keyword, "Total")) {
    for (std::size_t i = 0; i < v.size(); ++i) {
      v[i] = e.Flame[i] + e.Smolder[i];
    }
  } else if (SameKeyword(keyword, "FlameFactors")) {
    v = e.FlameFactors;
  } else if (SameKeyword(keyword, "SmolderFactors")) {
    v = e.SmolderFactors;
  } else {
    return;
  }
  Unpack(v, pm25, pm10, ch4, co2, co, nox, so2);
}

float Sylvanor::Get_ConsumedTotal() const {
  const d_SurfaceFuel& con = w_->std.Burn.Consumed;
  float total = Get_PilBur();
  for (const float* load : Loads(con))
    total += *load;  // the consumed piles stay 0
  return total;
}

std::string Sylvanor::Get_BurnIgnition() const {
  return w_->std.Burn.Ignition.str();
}

void Sylvanor::Forget_MortalityTable() {
  w_->ctx.Mortality.reset();
}

int Sylvanor::Get_Emis(int step, float& pm25, float& pm10, float& ch4, float& co2, float& co,
                       float& nox, float& so2, float& intensity) const {
  if (step < 0 || static_cast<std::size_t>(step) >= kEmiSteps) return 0;
  const d_EmiStep& e = w_->std.EmiSteps[static_cast<std::size_t>(step)];
  Unpack(e.Emitted, pm25, pm10, ch4, co2, co, nox, so2);
  intensity = e.Intensity;
  return 1;
}

int Sylvanor::Get_PileEmis(const std::string& keyword, float& pm25, float& pm10, float& ch4,
                           float& co2, float& co, float& nox, float& so2) const {
  std::array<float, kPollutants> v{};
  const float burned = Get_PilBur();
  int result = 0;
  if (burned > 0.0f) {
    // tons/acre to kg/m2; a quarter of it burns flaming, the rest smolders
    const double mass = burned * kLbPerTon<double> * kGm2PerLbAcre<double> / 1000.0;
    const bool flame = SameKeyword(keyword, "Flame");
    const d_EmisFactors& set = flame ? w_->set.EmisFlame : w_->set.EmisSmolder;
    const double share = (flame ? 0.25 : 0.75) * mass;
    for (std::size_t p = 0; p < kPollutants; ++p)
      v[p] = static_cast<float>(share * set[ReportedOrder()[p]] * kLbAcrePerGm2<double>);
    result = 1;
  }
  Unpack(v, pm25, pm10, ch4, co2, co, nox, so2);
  return result;
}

void Sylvanor::Get_EmiMass(float& flame, float& smolder, float& duff) const {
  const d_EmiTotals& e = w_->std.Emis;
  flame = e.FlaCon;
  smolder = e.SmoCon;
  duff = e.DufCon;
}

}  // namespace sylvanor
