#include "stand/EquationParams.h"

#include <cstddef>

#include "base/CFormat.h"
#include "stand/EqFun.h"
#include "stand/SmallTree.h"

namespace sylvanor {

namespace {

// Trees of this DBH (in) or less take the small-tree weights.
constexpr float kSmallTreeMaxDbh = 1.0f;

// Value of one component entry for the tree: an entry linked to a built-in
// equation ("EFD") runs it, anything else counts as nothing.
float Evaluate(const d_ETCom& entry, d_EP& ep) {
  ep.Message.clear();
  if (!(entry.Kind == "EFD")) return 0.0f;
  const EqFunction function = EQ_Row(entry.EqIdx).Function;
  return function == nullptr ? 0.0f : function(ep);
}

std::string NotFound(std::string_view species) {
  return CFormat("Species (%s) Not Found in Equation Table", species);
}

}  // namespace

int EP_Calc(const d_ETTable& table, d_EP& ep) {
  ep.Message.clear();

  const int idx = ET_Idx(table, ep.Species);
  if (idx < 0) {
    ep.Message = NotFound(ep.Species);
    return 0;
  }
  ep.SpeIdx = idx;
  const d_ET& species = table.Rows[static_cast<std::size_t>(idx)];

  if (ep.DBH <= kSmallTreeMaxDbh) {
    const SmallTreeWeights weights = SmallTree_Weights(species.Components[kTotal].Code, ep.Height);
    for (std::size_t i = 0; i < kWeightSlots; ++i) {
      ep.Comps[i] = species.Components[i];
      ep.Comps[i].Weight = weights[i];
    }
    return 1;
  }

  for (std::size_t i = 0; i < kWeightSlots; ++i) {
    const float weight = Evaluate(species.Components[i], ep);
    if (!ep.Message.empty()) return 0;
    ep.Comps[i] = species.Components[i];
    ep.Comps[i].Weight = weight;
  }
  return 1;
}

float EP_GetWt(const d_EP& ep, int slot) {
  if (slot < 0 || slot >= static_cast<int>(kWeightSlots)) return 0.0f;  // no such weight
  return ep.Comps[static_cast<std::size_t>(slot)].Weight;
}

float EP_VertDist(const d_ETTable& table, std::string_view species, float x) {
  if (!(x > 0.0f)) return 0.0f;
  const int idx = ET_Idx(table, species);
  if (idx < 0) return 0.0f;

  d_EP ep;
  ep.Species = species;
  ep.SpeIdx = idx;
  return EP_VertDistAt(table.Rows[static_cast<std::size_t>(idx)].Components[kVertDist], ep, x);
}

float EP_VertDistAt(const d_ETCom& entry, d_EP& ep, float x) {
  if (!(x > 0.0f)) return 0.0f;
  ep.Height = x;
  return Evaluate(entry, ep);
}

}  // namespace sylvanor
