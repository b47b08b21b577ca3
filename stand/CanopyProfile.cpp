#include "stand/CanopyProfile.h"

#include <algorithm>

#include "base/Keyword.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

// Shares kept for all trees together; beyond this, trees are worked out on
// the spot in every pass (only absurdly fine layers over tall stands reach it).
constexpr std::size_t kStoreBudget = std::size_t{16} << 20;

// The share of a crown from the crown base cb to the top h (ft) in each
// layer its walk from the ground passes, by the species' cumulative
// distribution G. Layers below the crown base and above the top get
// nothing; the walk stops at the first layer whose lower bound is not below
// the top, or at the walk limit. Writes shares[First ... First + Count) and
// gives the span (Gen, Include and Offset are the caller's).
d_LayerSpan CrownShares(const d_ETCom& vd, d_EP& ep, float cb, float h, float layWid,
                        std::array<float, kLayers>& shares) {
  d_LayerSpan span;
  const auto g = [&](float f) { return EP_VertDistAt(vd, ep, f); };
  // Every layer below the one holding the crown base falls to the last case
  // (no share), so the walk may start two layers below it without changing
  // anything; with a layer width that is not positive it starts at the
  // ground.
  int i = 0;
  if (layWid > 0.0f) {
    const float start = cb / layWid - 2.0f;
    if (start > 0.0f) i = start < kLayerWalkLimit ? static_cast<int>(start) : kLayerWalkLimit;
  }
  int first = -1;
  int last = -1;
  for (; i < kLayerWalkLimit; ++i) {
    const float lower = static_cast<float>(i) * layWid;
    if (!(lower < h)) break;
    const float upper = lower + layWid;
    float w = 0.0f;
    if (upper > cb && cb > lower) {
      w = g(std::min(1.0f, (upper - cb) / (h - cb)));  // the crown base is inside the layer
    } else if (upper > h && h > lower) {
      w = 1.0f - g((lower - cb) / (h - cb));  // the top is inside the layer
    } else if (lower >= cb && h >= upper) {
      w = g((upper - cb) / (h - cb)) - g((lower - cb) / (h - cb));
    }
    if (w != 0.0f) {
      if (first < 0) first = i;
      last = i;
    }
    shares[i] = w;
  }
  span.Walked = i;
  if (first >= 0) {
    span.First = first;
    span.Count = last - first + 1;
  }
  return span;
}

// A tree's span and its shares from its first layer on: the prepared ones
// when they are valid for the layer width, else worked out into the store's
// room for one tree. None for a tree whose species does not count.
const float* TreeShares(const d_PTLRec& tree, const d_ETTable& species, float layWid,
                        d_CPWork& work, d_LayerSpan& span) {
  if (tree.Span.Gen != 0 && tree.Span.Gen == work.Gen && work.LayWid == layWid) {
    span = tree.Span;
    return span.Include ? work.Shares.data() + span.Offset : nullptr;
  }
  const int row = ET_Idx(species, tree.Species);
  if (row < 0 || !SameKeyword(species.Rows[row].Include, "Yes")) return nullptr;
  work.Ep.Species = tree.Species;
  span = CrownShares(species.Rows[row].Components[kVertDist], work.Ep, tree.CrnHgt, tree.Hgt,
                     layWid, work.Share);
  return work.Share.data() + span.First;
}

}  // namespace

void CP_PrepareTrees(d_PTLTable& trees, const d_ETTable& species, float layWid, d_CPWork& work) {
  if (++work.Gen == 0) ++work.Gen;  // 0 marks a tree never prepared
  work.LayWid = layWid;
  work.Shares.clear();
  for (d_PTLRec& tree : trees) {
    if (tree.Species.empty()) break;
    d_LayerSpan span;
    const int row = ET_Idx(species, tree.Species);
    if (row >= 0 && SameKeyword(species.Rows[row].Include, "Yes")) {
      work.Ep.Species = tree.Species;
      span = CrownShares(species.Rows[row].Components[kVertDist], work.Ep, tree.CrnHgt, tree.Hgt,
                         layWid, work.Share);
      span.Include = true;
      if (work.Shares.size() + span.Count <= kStoreBudget) {
        span.Offset = static_cast<int>(work.Shares.size());
        work.Shares.insert(work.Shares.end(), work.Share.begin() + span.First,
                           work.Share.begin() + span.First + span.Count);
      }
    }
    span.Gen = span.Offset >= 0 || !span.Include ? work.Gen : 0;
    tree.Span = span;
  }
}

namespace {

// Adds `n` trees per acre of the tree (fewer when negative) to the layer
// loads; the change of the available canopy fuel, lb/acre.
double AddTreeLoads(const d_PTLRec& tree, float n, const d_ETTable& species, float layWid,
                    float scorchHgt, d_CPWork& work, d_Profile& prof) {
  d_LayerSpan span;
  const float* shares = TreeShares(tree, species, layWid, work, span);
  if (shares == nullptr) return 0.0;
  const float fuel = (tree.Bio[kFoliage] + 0.5f * tree.Bio[kTwig]) * n;
  prof.NLay = std::max(prof.NLay, span.Walked);

  // nothing below the crown base, the pruned crown base or the scorch height
  int cut = 0;
  if (layWid > 0.0f) {
    const float below = std::max({tree.CrnHgt, tree.CrnHgtPru, scorchHgt}) / layWid;
    cut = below >= static_cast<float>(kLayers) ? kLayers : static_cast<int>(below);
  }
  double total = 0.0;
  for (int i = std::max(span.First, cut); i < span.First + span.Count; ++i) {
    const float load = fuel * shares[i - span.First];
    prof.Load[i] += load;
    total += load;
  }
  return total;
}

}  // namespace

float CP_ProfilePass(const d_PTLTable& trees, const d_ETTable& species, float layWid,
                     float raSpread, float criThr, float scorchHgt, d_CPWork& work,
                     d_Profile& prof) {
  prof.Load.fill(0.0f);
  prof.RunMean.fill(0.0f);
  prof.NLay = 0;
  prof.LayWid = layWid;
  prof.Spread = static_cast<int>(raSpread);
  prof.CriThr = criThr;

  double total = 0.0;
  for (const d_PTLRec& tree : trees) {
    if (tree.Species.empty()) break;
    if (PTL_IsDead(tree)) continue;
    const float n = tree.TPAadj - tree.Killed;
    if (!(n > 0.0f)) continue;
    total += AddTreeLoads(tree, n, species, layWid, scorchHgt, work, prof);
  }
  return static_cast<float>(total / kLbPerTon<>);
}

float CP_CutTree(const d_PTLRec& tree, float removed, const d_ETTable& species, float scorchHgt,
                 d_CPWork& work, d_Profile& prof) {
  if (PTL_IsDead(tree) || !(removed > 0.0f)) return 0.0f;
  const double total = AddTreeLoads(tree, -removed, species, prof.LayWid, scorchHgt, work, prof);
  return static_cast<float>(total / kLbPerTon<>);
}

double CP_FoliageBetween(const d_PTLRec& tree, float n, const d_ETTable& species, float layWid,
                         float fromHgt, float toHgt, d_CPWork& work) {
  d_LayerSpan span;
  const float* shares = TreeShares(tree, species, layWid, work, span);
  if (shares == nullptr) {
    // a species that does not count in canopy bulk density still has a crown
    const int row = ET_Idx(species, tree.Species);
    if (row < 0) return 0.0;
    work.Ep.Species = tree.Species;
    span = CrownShares(species.Rows[static_cast<std::size_t>(row)].Components[kVertDist], work.Ep,
                       tree.CrnHgt, tree.Hgt, layWid, work.Share);
    shares = work.Share.data() + span.First;
  }
  const float fuel = tree.Bio[kFoliage] * n;

  // the layer holding fromHgt is kept whole, those below it are left out
  int from = 0;
  if (layWid > 0.0f) {
    const float below = fromHgt / layWid;
    from = below >= static_cast<float>(kLayers) ? kLayers : static_cast<int>(below);
  }
  double total = 0.0;
  for (int i = std::max(span.First, from); i < span.First + span.Count; ++i) {
    if (!(static_cast<float>(i) * layWid < toHgt)) break;
    total += fuel * shares[i - span.First];
  }
  return total;
}

void CP_RunMean(d_Profile& prof) {
  prof.CBD = prof.CBH = prof.SH = -1.0f;
  // The spread is at least 3 once the settings are checked; a negative one
  // counts as none, and the mean never runs past the last layer.
  const int h = std::max(prof.Spread / 2, 0);
  prof.NRun = std::min(prof.NLay + h, kLayers);
  float peak = 0.0f;
  for (int i = 0; i < prof.NRun; ++i) {
    const int from = std::max(0, i - h);
    const int to = i + h;
    float sum = 0.0f;
    // layers past the end of the array count as empty
    for (int j = from; j <= std::min(to, kLayers - 1); ++j)
      sum += prof.Load[j];
    prof.RunMean[i] = sum / static_cast<float>(to - from + 1);
    peak = std::max(peak, prof.RunMean[i]);
  }

  prof.Thr = std::min(CP_BulkDensity(peak, prof.LayWid) / 10.0f, prof.CriThr);
  for (int i = 0; i < prof.NRun; ++i) {
    if (CP_BulkDensity(prof.RunMean[i], prof.LayWid) > prof.Thr) {
      const float layerTop = static_cast<float>(i + 1) * prof.LayWid;
      if (prof.CBH == -1.0f) prof.CBH = layerTop;
      prof.SH = layerTop;
    }
  }
  prof.CBD = CP_BulkDensity(peak, prof.LayWid);

  // never below the lowest fuel, never above the highest
  for (int i = 0; i < prof.NRun; ++i) {
    if (prof.Load[i] > 0.0f) {
      prof.CBH = std::max(prof.CBH, static_cast<float>(i + 1) * prof.LayWid);
      break;
    }
  }
  for (int i = prof.NRun - 1; i >= 0; --i) {
    if (prof.Load[i] > 0.0f) {
      const float lastFuel = static_cast<float>(i + 1) * prof.LayWid;
      if (lastFuel < prof.SH) prof.SH = lastFuel;
      break;
    }
  }
}

}  // namespace sylvanor
