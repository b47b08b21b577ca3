#include "engine/Settings.h"

namespace sylvanor {

void ResetSettings(d_Settings& s) {
  // The emission factor groups are not part of the reset: the caller sets
  // them for each plot from the emission factor table.
  d_Settings fresh;
  fresh.UserFolder = s.UserFolder;
  fresh.EmisFlame = s.EmisFlame;
  fresh.EmisSmolder = s.EmisSmolder;
  fresh.EmisDuff = s.EmisDuff;
  for (float* f :
       {&fresh.ThiCriVal, &fresh.CutEff,    &fresh.MinCutDia, &fresh.MaxCutDia, &fresh.SubMerDia,
        &fresh.LogTopDia, &fresh.Yardloss,  &fresh.PrunHgt,   &fresh.PrunMRCR,  &fresh.ESDD,
        &fresh.LayWid,    &fresh.RASpread,  &fresh.CBDCriThr, &fresh.PilGroFra, &fresh.PilTPFra,
        &fresh.PilBurFra, &fresh.Moist10Hr, &fresh.Moist1kHr, &fresh.MLCons,    &fresh.DuffDepth,
        &fresh.DuffMoist, &fresh.ScoHgt,    &fresh.Hr1SAV,    &fresh.GrassSAV,  &fresh.ShrubSAV,
        &fresh.FueBedDep}) {
    *f = kMissing;
  }
  for (float* load : Loads(fresh.Fuel))
    *load = kMissing;
  fresh.CriFirInt = 0;
  s = fresh;
}

}  // namespace sylvanor
