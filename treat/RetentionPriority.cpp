#include "treat/RetentionPriority.h"

void RPC_Init_SpeLis(RetPriSpeList& list) {
  for (d_RetPriSpe& row : list)
    row.Name.clear();
}

int RPC_SetSpe(RetPriSpeList& list, const std::string& name, float minDia, float maxDia,
               float pri) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (!list[i].Name.empty()) continue;
    d_RetPriSpe& row = list[i];
    row.Name = name;
    row.MinDia = minDia;
    row.MaxDia = maxDia;
    row.Pri = pri;
    return static_cast<int>(i);
  }
  return static_cast<int>(kRetPriSpecies);
}
