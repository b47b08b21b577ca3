#pragma once
// A plot's execution, one function per step, and the order the engine runs
// them in: the settings to percent moistures and English units, the surface
// fuel after treatment, every tree's crown fuel, volumes and layer shares,
// the canopy and stand before treatment, the canopy, stand and volumes after
// treatment, the standard fuel models of both states, and the conversion of
// the results for output. Every step works on the engine's execution record;
// a step that fails leaves its reason in the stand's error message and ends
// the execution. A treatment is a step of its own, placed in the order
// between the canopy before treatment and the canopy after it.

#include <array>
#include <memory>

#include "engine/Settings.h"
#include "engine/Stand.h"
#include "stand/CanopyProfile.h"
#include "stand/CanopyTypes.h"
#include "stand/Context.h"
#include "stand/StandMeasures.h"
#include "treat/Burnout.h"

namespace sylvanor {

// What a plot's execution reads and writes: the settings, the engine's
// tables, the results and the working records of the steps.
struct d_Exec {
  d_Settings set;
  d_Context ctx;                  // species table and plot tree list
  d_Stand std;                    // the results after treatment
  d_Canopy pre;                   // the canopy and stand before treatment
  d_Profile layers;               // the canopy profile's work record
  d_CPWork shares;                // the trees' layer shares
  d_SMWork measures;              // the stand measures' work record
  d_SurfaceFuel before;           // surface fuel before treatment, tons/acre
  std::unique_ptr<d_BU> burnout;  // the burnout simulation's record, made by the first burn
};

// A step: 1 to go on, 0 to end the execution with the reason in std.ErrMes.
using ExecStep = int (*)(d_Exec& x);

// Moistures to percent and every setting to English units.
int EX_Settings(d_Exec& x);
// The surface fuel before treatment, and the state after treatment starting
// from it: the same loads, no crown scorched.
int EX_SurfaceFuel(d_Exec& x);
// Every tree's density and basal area reset, its crown fuel, its volumes and
// its layer shares for the canopy profile.
int EX_Trees(d_Exec& x);
// The canopy profile and stand measures of the trees as entered, kept as the
// snapshot before treatment.
int EX_CanopyBefore(d_Exec& x);
// With thinning included: the thinning (its notices in std.Warning) and its
// slash, added to the surface fuel.
int EX_Thin(d_Exec& x);

// With pruning included: the pruning and its slash, added to the surface
// fuel.
int EX_Prune(d_Exec& x);

// The piling of ground fuels and slash, and the burning of the piles.
int EX_Pile(d_Exec& x);

// With a broadcast burn: the consumption of the surface fuel (the two
// notices in std.Warning when it does not ignite), then the mortality, the
// killed foliage to the litter and the killed basal area.
int EX_Burn(d_Exec& x);

// The canopy profile (less the scorched crowns) and stand measures of the
// trees left alive, and the standing and harvested volumes.
int EX_CanopyAfter(d_Exec& x);
// The standard fuel models of the surface fuel before and after treatment,
// unless the fuel model set is "None".
int EX_FuelModels(d_Exec& x);
// The profiles to bulk densities and, with metric output, the results to
// metric units; a failed conversion leaves its reason but ends nothing.
int EX_Output(d_Exec& x);

// The steps in the order of an execution.
inline constexpr std::array<ExecStep, 11> kExecSteps = {
    EX_Settings, EX_SurfaceFuel, EX_Trees,       EX_CanopyBefore, EX_Thin,   EX_Prune,
    EX_Pile,     EX_Burn,        EX_CanopyAfter, EX_FuelModels,   EX_Output,
};

}  // namespace sylvanor
