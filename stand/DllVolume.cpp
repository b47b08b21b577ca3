#include "stand/DllVolume.h"

namespace sylvanor {

void DllVolume::Call() {
  (void)TARMELVER();
  if (EqId.size() < kTarmelEqIdLength) EqId = TARMELEQ(Region, Forest, District, Species);
  const d_TarmelFixed fixed{Region, FormClass, VolumeFlags, OtherFlag};
  const d_TarmelResult r = TARMELVOLUME(EqId, Dbh, Height, TopDia, fixed);
  Vol = r.Vol;
  Error = r.Error;
  SettledEqId = r.EqId;
}

}  // namespace sylvanor
