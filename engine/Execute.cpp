#include "engine/Execute.h"

#include <string>

#include "base/Keyword.h"
#include "engine/BroadcastBurn.h"
#include "engine/OutputUnits.h"
#include "engine/SettingsUnits.h"
#include "stand/CrownFuel.h"
#include "stand/TreeList.h"
#include "stand/TreeListVolumes.h"
#include "treat/Piling.h"
#include "treat/Pruning.h"
#include "treat/Slash.h"
#include "treat/Thinning.h"

namespace sylvanor {

namespace {

// One state of the stand: the profile pass with the scorch height, its
// running mean, and the stand measures for the density code.
void CanopyState(d_Exec& x, float scorchHgt, const std::string& code, d_Canopy& out) {
  const d_Settings& s = x.set;
  const d_ETTable& species = *x.ctx.Species;
  out.AvailFuel = CP_ProfilePass(x.ctx.Trees, species, s.LayWid, s.RASpread, s.CBDCriThr, scorchHgt,
                                 x.shares, x.layers);
  CP_RunMean(x.layers);
  out.Prof = x.layers;
  out.Meas = SM_Calc(x.ctx.Trees, species, code, s.ESDD, x.measures);
}

// The standard fuel model of one state of the surface fuel (tons/acre), with
// the settings' climate, set, SAVs (1/ft) and fuel bed depth (in).
FMSelector FuelModelOf(const d_Settings& s, const d_SurfaceFuel& f) {
  StandardFuelInputs in;
  in.Climate = s.Climate;
  in.FuelModelSet = s.FueModSet;
  in.Litter = f.Litter;
  in.Lichen = f.Lichen;
  in.Moss = f.Moss;
  in.OneHour = f.Hr1;
  in.Grass = f.Grass;
  in.Shrub = f.Shrub;
  in.TenHour = f.Hr10;
  in.HundredHour = f.Hr100;
  in.OneHourSav = s.Hr1SAV;
  in.GrassSav = s.GrassSAV;
  in.ShrubSav = s.ShrubSAV;
  in.FuelBedDepth = s.FueBedDep;
  FMSelector bed = FillFMSelector(in);
  SelectStandardFuelModel(bed);
  return bed;
}

// Slash lies on the surface after treatment.
void AddSlash(const d_SlashLoads& slash, d_SurfaceFuel& agf) {
  agf.Litter += slash.Fol;
  agf.Hr1 += slash.Hr1;
  agf.Hr10 += slash.Hr10;
  agf.Hr100 += slash.Hr100;
  for (std::size_t c = 0; c < kSizeClasses; ++c)
    agf.Snd[c] += slash.Snd[c];
}

}  // namespace

int EX_Settings(d_Exec& x) {
  Settings_MoisturesToPercent(x.set);
  if (!SameKeyword(x.set.InUnits, "English")) Settings_ToEnglish(x.set);
  return 1;
}

int EX_SurfaceFuel(d_Exec& x) {
  const d_Settings& s = x.set;
  x.before = s.Fuel;
  x.std.AGF = x.before;
  x.std.ScoHgt = 0.0f;     // without a burn no crown is scorched
  x.std.Slash = {};        // no plot's slash or piles carry over to the next,
  x.std.ScoLitter = 0.0f;  // nor its burn or notices
  x.std.Warning = "";
  x.std.Burn = {};
  x.std.Emis = {};
  x.std.EmiSteps.fill({});
  return 1;
}

int EX_Trees(d_Exec& x) {
  d_PTLTable& trees = x.ctx.Trees;
  const d_ETTable& species = *x.ctx.Species;
  PTL_Prepare(trees);
  std::string message;
  if (!PTL_CrownFuel(trees, species, message) ||
      !PTL_Volumes(trees, species, x.set.LogTopDia, message)) {
    x.std.ErrMes = message;
    return 0;
  }
  CP_PrepareTrees(trees, species, x.set.LayWid, x.shares);
  return 1;
}

int EX_CanopyBefore(d_Exec& x) {
  CanopyState(x, 0.0f, "TPA", x.pre);
  return 1;
}

int EX_Thin(d_Exec& x) {
  const d_Settings& s = x.set;
  if (!SameKeyword(s.ThinInc.str(), "Yes")) return 1;
  std::string warning;
  TH_Thin(x.ctx.Trees,
          {s.ThinCrit.str(), s.ThiCriVal, s.CutEff, s.MinCutDia, s.MaxCutDia, s.SubMerDia},
          TH_ThinCriterion(s.ThinCrit.str(),
                           d_ThinCanopy{x.ctx.Species.get(), s.LayWid, s.RASpread, s.CBDCriThr,
                                        s.ESDD, &x.shares, &x.layers, &x.measures}),
          warning);
  x.std.ErrMes = "";
  x.std.Warning = warning;
  d_SlashLoads& slash = x.std.Slash.Thinning;
  slash = SL_ThinningSlash(x.ctx.Trees, *x.ctx.Species, s.LogTopDia, s.Yardloss);
  for (const float load : slash.Snd)
    x.std.Slash.TS1kHr += load;
  AddSlash(slash, x.std.AGF);
  return 1;
}

int EX_Prune(d_Exec& x) {
  if (!SameKeyword(x.set.PrunInc.str(), "Yes")) return 1;
  PR_Prune(x.ctx.Trees, x.set.PrunHgt, x.set.PrunMRCR);
  x.std.Slash.Pruning = SL_PruningSlash(x.ctx.Trees, *x.ctx.Species);
  AddSlash(x.std.Slash.Pruning, x.std.AGF);
  return 1;
}

int EX_Pile(d_Exec& x) {
  const d_Settings& s = x.set;
  PL_Pile(x.before, x.std.Slash.Thinning, x.std.Slash.Pruning,
          {s.PilGroFra, s.PilTPFra, s.PilBurFra}, x.std.AGF, x.std.Slash.Piles);
  return 1;
}

int EX_Burn(d_Exec& x) {
  if (SameKeyword(x.set.BroBurInc.str(), "No")) return 1;
  if (!BBC_Mngr(x)) return 0;
  if (SameKeyword(x.std.Burn.Ignition.str(), "No")) {
    x.std.Warning.append(
        "A broadcast burn will not ignite under specified loads/conditions.\n"
        "Mortality will still be run and crowns scorched");
  }
  return BBC_Mortality(x);
}

int EX_CanopyAfter(d_Exec& x) {
  CanopyState(x, x.std.ScoHgt, "PostMort", x.std.Post);
  x.std.WildHab = 0.0f;
  x.std.Vol = SM_Volumes(x.ctx.Trees, x.set.SubMerDia);
  return 1;
}

int EX_FuelModels(d_Exec& x) {
  // From the loads in tons/acre: chosen before the results are converted for
  // output, so that metric output cannot convert the loads after treatment
  // twice.
  if (SameKeyword(x.set.FueModSet, "None")) return 1;
  x.std.FmsPre = FuelModelOf(x.set, x.before);
  x.std.FmsPost = FuelModelOf(x.set, x.std.AGF);
  return 1;
}

int EX_Output(d_Exec& x) {
  std::string message;
  OU_ConvertOutput(x.std, x.pre.Prof, x.set.OutUnits.str(), message);
  if (!message.empty()) x.std.ErrMes = message;
  return 1;
}

}  // namespace sylvanor
