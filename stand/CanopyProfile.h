#pragma once
// The vertical profile of available canopy fuel over the plot tree list, in
// layers of fixed height, and what follows from it: the running mean, the
// threshold, canopy bulk density, canopy base height and stand height.
//
// The profile is recomputed many times per execution (thinning steps), so
// each tree's share of its crown in every layer is worked out once per
// execution by CP_PrepareTrees and kept in the caller's share store, its
// place noted in the tree's record; a pass then only scales those shares by
// the tree's fuel and density. A tree without prepared shares (or a pass
// with another layer width) is worked out on the spot, with the same result.
// The share store and the tree list go together: a pass reads the shares of
// the store that prepared the list.

#include <array>
#include <vector>

#include "stand/CanopyTypes.h"
#include "stand/EquationParams.h"
#include "stand/EquationTable.h"
#include "stand/TreeList.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

// The share store of the canopy profile: the layer shares of the trees of
// its last preparation, and room for one tree's shares worked out on the
// spot.
struct d_CPWork {
  unsigned Gen = 0;  // the last preparation; a tree's span names the one it belongs to
  float LayWid = 0;  // its layer width, ft
  std::vector<float> Shares;
  std::array<float, kLayers> Share{};  // one tree's shares, by layer
  d_EP Ep;                             // that tree's equation record
};

// Layer load in lb/acre over a layer of layWid ft as a bulk density in kg/m3
// (lb/acre -> lb/ft3 -> kg/m3); 0 for a layer of no width.
constexpr float CP_BulkDensity(float loadLbPerAcre, float layWid) {
  if (layWid == 0.0f) return 0.0f;
  return loadLbPerAcre / (layWid * kSqFtPerAcre<>)*kKgM3PerLbFt3<>;
}

// The layer walk of a tree stops at this many layers.
inline constexpr int kLayerWalkLimit = 9990;

// Works out the layer shares of every tree of the list for the layer width
// (ft) into the store, by the species' vertical distributions. Call after
// the crown fuel of the trees is known; valid until the next call.
void CP_PrepareTrees(d_PTLTable& trees, const d_ETTable& species, float layWid, d_CPWork& work);

// One profile pass: every live tree of an included species spreads its
// available crown fuel (foliage and half the twigs, times the trees per acre
// left) over the layers its crown spans, less the part below the largest of
// its crown base, its pruned crown base and the scorch height (ft). Fills
// Load, NLay, LayWid, Spread and CriThr of `prof` (RunMean zeroed) and
// returns the available canopy fuel, tons/acre.
float CP_ProfilePass(const d_PTLTable& trees, const d_ETTable& species, float layWid,
                     float raSpread, float criThr, float scorchHgt, d_CPWork& work,
                     d_Profile& prof);

// Takes `removed` trees per acre of a live tree out of the loads of the last
// pass (`prof`), as a pass over the list with those trees gone would count
// them; gives the change of the available canopy fuel (tons/acre, not
// above 0). Rounding aside, the loads are then those of a new pass.
float CP_CutTree(const d_PTLRec& tree, float removed, const d_ETTable& species, float scorchHgt,
                 d_CPWork& work, d_Profile& prof);

// The foliage (lb/acre) of n trees per acre of the tree, its crown spread
// over layers of layWid ft as a profile pass spreads it (by its species'
// vertical distribution, whether or not the species counts in canopy bulk
// density), less the layers wholly below the one holding fromHgt, over the
// layers that start below toHgt (ft).
double CP_FoliageBetween(const d_PTLRec& tree, float n, const d_ETTable& species, float layWid,
                         float fromHgt, float toHgt, d_CPWork& work);

// The running mean of the loads and what follows from it: NRun, RunMean,
// Thr, CBD, CBH and SH.
void CP_RunMean(d_Profile& prof);

}  // namespace sylvanor
