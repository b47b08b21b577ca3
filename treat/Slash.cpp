#include "treat/Slash.h"

#include <algorithm>
#include <utility>

#include "base/Keyword.h"
#include "stand/CrownTables.h"
#include "stand/EquationParams.h"

namespace sylvanor {

namespace {

constexpr float kLbPerTon = 2000.0f;
constexpr float kOtherWoodDensity = 25.6f;

// lb/ft3 by the species' "Total" equation code
constexpr std::pair<std::string_view, float> kWoodDensity[] = {
    {"RA", 25.6f}, {"WC", 20.0f}, {"DF", 30.0f}, {"GF", 23.1f}, {"SF", 20.0f}, {"WH", 28.1f},
    {"JP", 33.7f}, {"WL", 32.5f}, {"MA", 43.1f}, {"BM", 30.0f}, {"TO", 36.2f}, {"LP", 25.6f},
    {"PP", 25.0f}, {"WP", 23.7f}, {"WB", 23.1f}, {"PY", 23.1f}, {"ES", 21.9f}, {"QA", 23.7f},
    {"PB", 34.4f}, {"YB", 38.7f}, {"AC", 20.0f}, {"BF", 22.5f}, {"EH", 25.0f}, {"RM", 33.7f},
    {"SM", 39.4f}, {"GC", 39.4f}, {"RO", 39.4f}, {"EP", 21.9f}, {"LO", 31.9f}, {"PI", 32.5f},
    {"BS", 25.0f}, {"RS", 25.6f}};

// Stem shares by the lower diameter bound of their row, largest first.
constexpr std::pair<float, std::array<float, kSizeClasses>> kStemSplit[] = {
    {20, {0.05f, 0.075f, 0.125f, 0.25f, 0.5f}},
    {12, {0.1f, 0.15f, 0.25f, 0.5f, 0}},
    {9, {0.25f, 0.25f, 0.5f, 0, 0}},
    {6, {0.5f, 0.5f, 0, 0, 0}},
    {0, {1, 0, 0, 0, 0}}};

// A small stem's weight (lb) by its diameter (in).
float SmallStemWeight(float d) {
  return 0.74f + 1.591f * d * d;
}

// Adds a stem of weight `w` (lb/acre) and diameter `d` (in) to the slash.
void AddStem(float w, float d, d_SlashLoads& s) {
  if (d < 1.0f) {
    s.Hr10 += w;
  } else if (d < 3.0f) {
    s.Hr100 += w;
  } else {
    const auto shares = SL_StemSplit(d);
    for (std::size_t c = 0; c < kSizeClasses; ++c)
      s.Snd[c] += w * shares[c];
  }
}

// The crown weights (lb) of the top of a harvested tree: a tree of the
// species of the top's diameter and height with its crown from the ground,
// reduced for the crown class; a dead tree's top has no foliage or twigs.
std::array<float, kWeightSlots> TopWeights(const d_PTLRec& tree, const d_ETTable& species,
                                           float topDia, float topHgt) {
  std::array<float, kWeightSlots> w{};
  d_EP ep;
  ep.Species = tree.Species;
  ep.DBH = topDia;
  ep.Height = topHgt;
  ep.CrownBase = 0.0f;
  if (!EP_Calc(species, ep)) return w;
  const float factor = ET_CrownRed(
      species.Rows[static_cast<std::size_t>(ep.SpeIdx)].CrownClass.str(), tree.CrnCls.str());
  for (std::size_t slot = 0; slot < kWeightSlots; ++slot)
    w[slot] = EP_GetWt(ep, static_cast<int>(slot)) * factor;
  if (PTL_IsDead(tree)) w[kFoliage] = w[kTwig] = 0.0f;
  return w;
}

void HarvestedTree(const d_PTLRec& tree, const d_ETTable& species, float logTopDia, float yardloss,
                   d_SlashLoads& s) {
  const float r = tree.Harv;
  std::array<float, kWeightSlots> top{};
  float topDia = 0.0f;
  if (logTopDia > 0.0f) {
    const bool whole = logTopDia >= tree.Dia;
    topDia = whole ? tree.Dia : logTopDia;
    const float topHgt = whole ? tree.Hgt : (logTopDia <= 1.0f ? 5.0f : 0.0f);
    top = TopWeights(tree, species, topDia, topHgt);
  }
  float* const loads[] = {&s.Fol, &s.Hr1, &s.Hr10, &s.Hr100};
  const int slots[] = {kFoliage, kTwig, kBr1in, kBr3in};
  for (std::size_t k = 0; k < 4; ++k) {
    const float lopped = std::max(
        tree.Bio[static_cast<std::size_t>(slots[k])] - top[static_cast<std::size_t>(slots[k])],
        0.0f);
    *loads[k] += lopped * yardloss * r + top[static_cast<std::size_t>(slots[k])] * r;
  }
  s.Snd[0] += top[kBr3inP] * r;
  if (topDia != 0.0f) AddStem(SmallStemWeight(topDia) * r, topDia, s);
}

void SubMerchantableTree(const d_PTLRec& tree, const d_ETTable& species, d_SlashLoads& s) {
  const float n = tree.Slash;
  if (!PTL_IsDead(tree)) {
    s.Fol += tree.Bio[kFoliage] * n;
    s.Hr1 += tree.Bio[kTwig] * n;
  }
  s.Hr10 += tree.Bio[kBr1in] * n;
  s.Hr100 += tree.Bio[kBr3in] * n;
  s.Snd[0] += tree.Bio[kBr3inP] * n;
  float stem = SmallStemWeight(tree.Dia);
  if (tree.Dia > 4.0f) {
    const int row = ET_Idx(species, tree.Species.str());
    const std::string code =
        row < 0 ? std::string()
                : species.Rows[static_cast<std::size_t>(row)].Components[kTotal].Code.str();
    stem = SL_WoodDensity(code) * tree.VolCuFt;
  }
  AddStem(stem * n, tree.Dia, s);
}

void ToTons(d_SlashLoads& s) {
  for (float* load : {&s.Fol, &s.Hr1, &s.Hr10, &s.Hr100})
    *load /= kLbPerTon;
  for (float& load : s.Snd)
    load /= kLbPerTon;
}

}  // namespace

float SL_WoodDensity(std::string_view totalCode) {
  for (const auto& [code, density] : kWoodDensity) {
    if (code == totalCode) return density;
  }
  return kOtherWoodDensity;
}

std::array<float, kSizeClasses> SL_StemSplit(float d) {
  for (const auto& [from, shares] : kStemSplit) {
    if (d >= from) return shares;
  }
  return kStemSplit[std::size(kStemSplit) - 1].second;
}

d_SlashLoads SL_ThinningSlash(const d_PTLTable& trees, const d_ETTable& species, float logTopDia,
                              float yardloss) {
  d_SlashLoads s;
  const int n = PTL_Count(trees);
  for (int i = 0; i < n; ++i) {
    const d_PTLRec& tree = trees[static_cast<std::size_t>(i)];
    if (tree.Harv > 0.0f) HarvestedTree(tree, species, logTopDia, yardloss, s);
    if (tree.Slash > 0.0f) SubMerchantableTree(tree, species, s);
  }
  ToTons(s);
  return s;
}

d_SlashLoads SL_PruningSlash(const d_PTLTable& trees, const d_ETTable& species) {
  d_SlashLoads s;
  const int n = PTL_Count(trees);
  for (int i = 0; i < n; ++i) {
    const d_PTLRec& tree = trees[static_cast<std::size_t>(i)];
    const float f =
        tree.PruFra > 0.0f ? EP_VertDist(species, tree.Species.str(), tree.PruFra) : 0.0f;
    if (f == 0.0f) continue;
    const float n2 = tree.TPAadj * f;
    s.Fol += tree.Bio[kFoliage] * n2;
    s.Hr1 += tree.Bio[kTwig] * n2;
    s.Hr10 += tree.Bio[kBr1in] * n2;
    s.Hr100 += tree.Bio[kBr3in] * n2;
  }
  ToTons(s);
  return s;
}

}  // namespace sylvanor
