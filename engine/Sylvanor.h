#pragma once
// The engine object. One instance serves a whole run of the program: it owns
// every setting of a run, its species table and plot tree list (its
// context), the results of the last executed plot and the engine's
// messages. Engines share nothing they change, so two engines may run in
// two threads. Callers fill the settings through the setters, validate them
// with Check_Inputs or Check_InputsLG, and read the reason of a failure with
// Get_ErrMes.
//
// Setters store their value unchanged (texts are cut to their field's
// capacity) and return 1; only validation rejects values.

#include <memory>
#include <span>
#include <string>

#include "engine/Settings.h"
#include "engine/Stand.h"
#include "stand/Context.h"
#include "treat/RetentionPriority.h"

namespace sylvanor {

class Sylvanor {
 public:
  Sylvanor();
  ~Sylvanor();
  Sylvanor(const Sylvanor&) = delete;
  Sylvanor& operator=(const Sylvanor&) = delete;

  // Resets the settings and the stand record for a run in the given unit
  // systems, then sets up a species table of its own from the species file
  // path (the built-in table when it is empty or cannot be opened) and
  // returns its result, leaving its message in the error message. A path of
  // "Batch" (any case) keeps the table as it stands and returns 0, which the
  // batch runner ignores. A new engine's table is empty until one is loaded.
  int Init_LarGUI(const std::string& inUnits, const std::string& outUnits,
                  const std::string& speciesPath);

  // Takes the species table of another engine: the batch run window's engine
  // takes the main window's, then initialises with "Batch" to keep it. The
  // two engines hold the same table, which neither changes; an engine's next
  // load gives it a table of its own.
  void ShareSpeciesTable(const Sylvanor& other);

  // Validate the settings; the first failing check leaves its message and
  // returns 0. Check_Inputs takes fractions as 0-1, Check_InputsLG as 0 or
  // 0.01-1 with its messages in percent.
  int Check_Inputs();
  int Check_InputsLG();

  std::string Get_ErrMes() const;

  // The engine's plot tree list: empties it and gives its capacity, 4999;
  // adds one tree of a species of the engine's table (units "English" or
  // "Metric"), or refuses it with the reason in `message`; reads a tree back
  // by its tree number.
  int PTL_InitTbl();
  int PTL_PutRec(int recNum, int treeNum, const std::string& species, float dia, float hgt,
                 float crnHgt, float tpa, const std::string& crnCls, const std::string& status,
                 float retPri, float cutEff, const std::string& units, const std::string& note,
                 std::string& message);
  int PTL_GetInfo(int treeNum, std::string& species, float& killed, float& mortPct, float& thinned,
                  float& pctThinned);
  int PTL_GetRecInfo(int treeNum, std::string& species, float& dia, float& hgt, float& crnHgt,
                     float& tpa, float& retPri, std::string& crnCls, std::string& status);

  // The retention priority set of the plot (its 14 weights in the order of
  // the project file) and its species list: "Init" (any case) empties the
  // list, any other name is added (0 when all 200 rows are used).
  int PLT_PutRetPri(float hea, float uhe, float sic, float dea, float dom, float cod, float inr,
                    float emr, float sup, float opg, float non, float crs, float crm, float dia);
  int PLT_PutRetPriSpe(const std::string& name, float minDia, float maxDia, float pri);
  // Recomputes every tree's retention priority from the set and the list.
  int PLT_RetPriCalc();
  const d_RetPriSet& RetPriSet() const;
  const RetPriSpeList& RetPriSpecies() const;

  // Executes the current plot by the steps of engine/Execute.h: settings to
  // percent moistures and English units, the after-treatment surface loads,
  // every tree's crown fuel and volumes, the canopy and stand before
  // treatment (kept as the snapshot), the canopy, stand and volumes after
  // it, the standard fuel models, and their conversion for output. Returns
  // 1, or 0 with the failing step's message.
  int PTL_Exec();

  // Canopy profile and stand measures after treatment: the vertical
  // distribution of canopy bulk density (kg/m3 per layer) and its layer
  // count, CBD (kg/m3), CBH and stand height (ft; m with metric output),
  // available canopy fuel (tons/acre; kg/m2), the threshold used (kg/m3),
  // stem density, stem density at or above the ESDD, basal area, stand
  // density index, quadratic mean diameter, QD75 and canopy cover (percent).
  std::span<const float> Get_VDR() const;
  int Get_VDRlays() const;
  float Get_cbd() const;
  float Get_cbh() const;
  float Get_sh() const;
  float Get_AvailFuel() const;
  float Get_CBDThreshold() const;
  float Get_SteDen() const;
  float Get_SteDenExc() const;
  float Get_Basal() const;
  float Get_StdDenIdx() const;
  float Get_QuaMeaDia() const;
  float Get_Qd75() const;
  float Get_CanCov() const;
  // the same before treatment, always in English units
  std::span<const float> Get_PreVDR() const;
  int Get_PreVDRlays() const;
  float Get_Precbd() const;
  float Get_Precbh() const;
  float Get_Presh() const;
  float Get_PreAvailFuel() const;
  float Get_PreCBDThreshold() const;
  float Get_PreSteDen() const;
  float Get_PreSteDenExc() const;
  float Get_PreBasal() const;
  float Get_PreStdDenIdx() const;
  float Get_PreQuaMeaDia() const;
  float Get_PreQd75() const;
  float Get_PreCanCov() const;
  // standing and harvested volumes per acre: total cubic feet, board feet
  // and merchantable cubic feet (m3/ha with metric output)
  float Get_StCuFt() const;
  float Get_StBdft() const;
  float Get_StMeCuft() const;
  float Get_HaCuFt() const;
  float Get_HaBdft() const;
  float Get_HaMeCuft() const;

  // Slash, piles and the surface fuel after treatment (tons/acre; the
  // slash and the surface fuel in kg/m2 with metric output): pruning slash
  // (foliage, 1-, 10-, 100-hour), thinning slash (the same and the five
  // 1000-hour classes), the piles (litter and foliage, 1-, 10-, 100-hour,
  // sound and rotten classes), the ground fuels and the slash moved onto
  // them and the load burned in them; the activity and ground fuels by
  // component with the existing piles, and their total.
  float Get_PSFol() const;
  float Get_PS1Hr() const;
  float Get_PS10Hr() const;
  float Get_PS100Hr() const;
  float Get_TSFol() const;
  float Get_TS1Hr() const;
  float Get_TS10Hr() const;
  float Get_TS100Hr() const;
  float Get_TSC1() const;
  float Get_TSC2() const;
  float Get_TSC3() const;
  float Get_TSC4() const;
  float Get_TSC5() const;
  float Get_PlLitFol() const;
  float Get_Pl1Hr() const;
  float Get_Pl10Hr() const;
  float Get_Pl100Hr() const;
  float Get_PlSC1Snd() const;
  float Get_PlSC2Snd() const;
  float Get_PlSC3Snd() const;
  float Get_PlSC4Snd() const;
  float Get_PlSC5Snd() const;
  float Get_PlSC1Rot() const;
  float Get_PlSC2Rot() const;
  float Get_PlSC3Rot() const;
  float Get_PlSC4Rot() const;
  float Get_PlSC5Rot() const;
  float Get_PlTot() const;
  float Get_PilBur() const;
  float Get_SlashOnToPile() const;
  float Get_AGF_Duff() const;
  float Get_AGF_Litter() const;
  float Get_AGF_Lichen() const;
  float Get_AGF_Moss() const;
  float Get_AGF_Grass() const;
  float Get_AGF_Shrub() const;
  float Get_AGF_1Hr() const;
  float Get_AGF_10Hr() const;
  float Get_AGF_100Hr() const;
  float Get_AGF_SC1Snd() const;
  float Get_AGF_SC2Snd() const;
  float Get_AGF_SC3Snd() const;
  float Get_AGF_SC4Snd() const;
  float Get_AGF_SC5Snd() const;
  float Get_AGF_SC1Rot() const;
  float Get_AGF_SC2Rot() const;
  float Get_AGF_SC3Rot() const;
  float Get_AGF_SC4Rot() const;
  float Get_AGF_SC5Rot() const;
  float Get_AGF_ExiPil() const;
  float Get_AGF_Total() const;

  // The standard fuel models chosen for the surface fuel before and after
  // treatment (empty when the fuel model set is "None"), and the estimated
  // bulk densities of those beds (kg/m3).
  std::string Get_FuelModel_PreTreatment() const;
  std::string Get_FuelModel_PostTreatment() const;
  float FMS2_pr_outB16_BulkDensity() const;
  float FMS2_outB16_BulkDensity() const;

  // Species table queries: an item of a row of the loaded table, of the
  // built-in table, and an equation code's species group and reference.
  int ET_GetItem(int row, const std::string& item, std::string& text);
  int ESD_GetItem(int row, const std::string& item, std::string& text);
  int ET_GetReference(const std::string& code, const std::string& item, std::string& name,
                      std::string& reference);

  const d_Settings& Settings() const;
  const d_Stand& Stand() const;
  // the engine's species table and plot tree list
  const d_Context& Context() const;

  // setters
  int Set_UserFolder(const std::string& v);
  int Set_ThinInc(const std::string& v);
  int Set_ThinCrit(const std::string& v);
  int Set_ThiCriVal(float v);
  int Set_CutEff(float v);
  int Set_MinCutDia(float v);
  int Set_MaxCutDia(float v);
  int Set_SubMerDia(float v);
  int Set_LogTopDia(float v);
  int Set_Yardloss(float v);
  int Set_PrunInc(const std::string& v);
  int Set_PrunHgt(float v);
  int Set_PrunMRCR(float v);
  int Set_ESDD(float v);
  int Set_LayWid(float v);
  int Set_RASpread(float v);
  int Set_CBDCriThr(float v);
  int Set_Duff(float v);
  int Set_Litter(float v);
  int Set_Lichen(float v);
  int Set_Moss(float v);
  int Set_Grass(float v);
  int Set_Shrub(float v);
  int Set_1Hr(float v);
  int Set_10Hr(float v);
  int Set_100Hr(float v);
  int Set_SC1Snd(float v);
  int Set_SC2Snd(float v);
  int Set_SC3Snd(float v);
  int Set_SC4Snd(float v);
  int Set_SC5Snd(float v);
  int Set_SC1Rot(float v);
  int Set_SC2Rot(float v);
  int Set_SC3Rot(float v);
  int Set_SC4Rot(float v);
  int Set_SC5Rot(float v);
  int Set_ExiPilLoa(float v);
  // every surface fuel load and the existing piles at once
  int Set_SurfaceFuel(const d_SurfaceFuel& fuel);
  int Set_PilGroFra(float v);
  int Set_PilTPFra(float v);
  int Set_PilBurFra(float v);
  int Set_BroBurInc(const std::string& v);
  int Set_Region(const std::string& v);
  int Set_Season(const std::string& v);
  int Set_Moist10Hr(float v);
  int Set_Moist1kHr(float v);
  int Set_MLCons(float v);
  int Set_DuffDepth(float v);
  int Set_DuffMoist(float v);
  int Set_ScoHgt(float v);
  int Set_Climate(const std::string& v);
  int Set_FueModSet(const std::string& v);
  int Set_1HrSAV(float v);
  int Set_GrassSAV(float v);
  int Set_ShrubSAV(float v);
  int Set_FueBedDep(float v);
  int Set_CriFirInt(float v);
  // Stores a factor group for the component "Flame", "Smolder" or "Duff"
  // (any case); any other component stores nothing. Factors in g/kg.
  int Set_EmisFactor(const std::string& component, const std::string& name, float co, float co2,
                     float ch4, float pm25, float pm10, float nox, float so2);
  int Set_EmisFactor(const std::string& component, const d_EmisFactors& factors);

  // Smoke totals of the burn: "Flame", "Smolder", "Total" (their sums) in
  // lb/acre, "FlameFactors" and "SmolderFactors" the fixed factors in g/kg
  // (any case), in the order PM2.5, PM10, CH4, CO2, CO, NOx, SO2. Any other
  // keyword leaves the outputs as they are.
  void Get_EmiTot(const std::string& keyword, float& pm25, float& pm10, float& ch4, float& co2,
                  float& co, float& nox, float& so2) const;
  // Fuel consumed by the burn in flaming, in coarse-wood smoldering and in
  // the duff, kg/m2.
  void Get_EmiMass(float& flame, float& smolder, float& duff) const;
  // One step of the burn's time history (0 to 1499): the pollutants emitted
  // in the step (g/m2) and the fire intensity (kW/m2), zeros after the fire's
  // end. 0 for a step outside the history, else 1.
  int Get_Emis(int step, float& pm25, float& pm10, float& ch4, float& co2, float& co, float& nox,
               float& so2, float& intensity) const;
  // Smoke of the burned piles (lb/acre): "Flame" a quarter of the burned
  // mass with the flaming factors, any other keyword the other three
  // quarters with the smoldering factors. 0 (all outputs 0) when no pile
  // burned, else 1.
  int Get_PileEmis(const std::string& keyword, float& pm25, float& pm10, float& ch4, float& co2,
                   float& co, float& nox, float& so2) const;

  // What the broadcast burn consumed, tons/acre.
  float Get_BBC_Litter() const;
  float Get_BBC_Lichen() const;
  float Get_BBC_Moss() const;
  float Get_BBC_Grass() const;
  float Get_BBC_Shrub() const;
  float Get_BBC_Duff() const;
  float Get_BBC_1Hr() const;
  float Get_BBC_10Hr() const;
  float Get_BBC_100Hr() const;
  float Get_BBC_SC1Snd() const;
  float Get_BBC_SC2Snd() const;
  float Get_BBC_SC3Snd() const;
  float Get_BBC_SC4Snd() const;
  float Get_BBC_SC5Snd() const;
  float Get_BBC_SC1Rot() const;
  float Get_BBC_SC2Rot() const;
  float Get_BBC_SC3Rot() const;
  float Get_BBC_SC4Rot() const;
  float Get_BBC_SC5Rot() const;
  // The piles burned and the 19 amounts above together.
  float Get_ConsumedTotal() const;
  // The consumption model's total over its eleven components, and its
  // sound and rotten logs together, tons/acre.
  float Get_BBC_ModelTotal() const;
  float Get_BBC_LargeWoody() const;
  // "YES" when the burn ignited, "NO" when it did not, empty without a burn.
  std::string Get_BurnIgnition() const;
  // Basal area of the trees the burn killed (ft2/acre), and the foliage it
  // killed, added to the litter (tons/acre).
  float Get_KilledBasal() const;
  float Get_ScoLitter() const;
  // The next burn reads the mortality species equation file again (it is
  // otherwise read once for a path).
  void Forget_MortalityTable();

  // input fuel loads as they stand (tons/acre once a plot has been executed)
  float GetPre_Litter() const;
  float GetPre_Grass() const;
  float GetPre_Shrub() const;
  float GetPre_1Hr() const;
  float GetPre_10Hr() const;
  float GetPre_100Hr() const;
  float GetPre_SC1Snd() const;
  float GetPre_SC2Snd() const;
  float GetPre_SC3Snd() const;
  float GetPre_SC4Snd() const;
  float GetPre_SC5Snd() const;
  float GetPre_SC1Rot() const;
  float GetPre_SC2Rot() const;
  float GetPre_SC3Rot() const;
  float GetPre_SC4Rot() const;
  float GetPre_SC5Rot() const;

 private:
  struct d_Work;
  std::unique_ptr<d_Work> w_;
};

}  // namespace sylvanor
