#include "engine/SettingsUnits.h"

#include <algorithm>

#include "base/Keyword.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

constexpr float kMaxDuffMoist = 1.972f;

}  // namespace

void Settings_MoisturesToPercent(d_Settings& s) {
  s.Moist10Hr *= 100.0f;
  s.Moist1kHr *= 100.0f;
  s.DuffMoist = std::min(s.DuffMoist, kMaxDuffMoist) * 100.0f;
}

void Settings_ToEnglish(d_Settings& s) {
  for (float* cm : {&s.MinCutDia, &s.MaxCutDia, &s.SubMerDia, &s.LogTopDia, &s.ESDD, &s.DuffDepth,
                    &s.FueBedDep}) {
    *cm *= kInPerCm<>;
  }
  for (float* m : {&s.LayWid, &s.PrunHgt, &s.ScoHgt})
    *m *= kFtPerM<>;
  for (float* load : Loads(s.Fuel))
    *load /= kKgM2PerTonAcre<>;
  for (float* sav : {&s.Hr1SAV, &s.GrassSAV, &s.ShrubSAV})
    *sav /= kFtPerM<>;

  if (SameKeyword(s.ThinCrit, "BasalArea")) {
    s.ThiCriVal *= kBasalPerMetric<>;
  } else if (SameKeyword(s.ThinCrit, "TreeDensity") ||
             SameKeyword(s.ThinCrit, "ExceedingTreeDensity") ||
             SameKeyword(s.ThinCrit, "StandDensityIndex")) {
    s.ThiCriVal /= kAcresPerHa<>;
  } else if (SameKeyword(s.ThinCrit, "CanopyFuelLoad")) {
    s.ThiCriVal /= kKgM2PerTonAcre<>;
  }
}

}  // namespace sylvanor
