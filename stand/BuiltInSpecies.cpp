#include "stand/BuiltInSpecies.h"

namespace sylvanor {

d_ET ET_BuiltInRecord(const d_BuiltInSpecies& row) {
  d_ET et;
  et.OrderNumber = static_cast<float>(row.Num);
  et.Species = row.Species;
  et.CommonName = row.CommonName;
  et.HarCon = row.HarCon;
  et.Include = row.Include;
  for (int slot : {kTotal, kFoliage, kTwig})
    et.Components[slot].Code = row.Crown;
  for (int slot : {kBr1in, kBr3in, kBr3inP})
    et.Components[slot].Code = row.Branch;
  et.Components[kVertDist].Code = row.VertDist;
  et.CrownClass = row.CrownClass;
  et.Canopy = row.Canopy;
  et.Bole = row.Bole;
  et.Mortality = row.Mortality;
  return et;
}

}  // namespace sylvanor
