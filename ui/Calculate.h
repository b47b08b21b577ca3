#pragma once
// "&Calculate" of the main window without the window: the plot the boxes
// and the grid hold, run through the engine step by step. A step that fails
// gives its message followed by kStepFailure and ends the run; the results
// are then read from the engine's getters.

#include <filesystem>
#include <string>
#include <vector>

#include "batch/DetailsFile.h"
#include "engine/CrownFireDriver.h"
#include "engine/Sylvanor.h"
#include "treat/EmissionFactors.h"
#include "ui/WindowInputs.h"

namespace sylvanor {

inline constexpr const char* kStepFailure =
    "\n\n WARNING--> This error prevents any further processing for this plot.";
inline constexpr const char* kSelectedRowsWarning =
    "FYI - selected/highlighted row(s) in the tree grid will not be\n"
    "      included in any calculations.";

struct d_CalcResult {
  bool Ok = false;
  int FailedStep = 0;   // the step that failed (1 to 11); 0 when none did
  std::string Message;  // its message, ending in kStepFailure
  // the grid's "Thinned" and "Killed" cells after the run ("%1.1f"); a
  // selected row keeps its cells
  std::vector<std::string> Thinned, Killed;
  d_HalRun Hal;             // the crown fire assessment of both states
  d_OutputIndices Indices;  // its indices, at most 100, -1 when not run
};

// The emission settings of the window's three lists (flaming, duff, coarse
// wood), each group with its factors from `nes` (none for a group it does
// not hold), and the critical fire intensity `criFirInt`.
d_EmisSettings WindowEmissions(const c_NES& nes, const d_WindowInputs& in, float criFirInt);

// Runs the plot of `in` in `syl`: the engine initialised in English units
// with the user folder's species file, the canopy bulk density threshold
// (0.001 to 1.0), the fuel loads and the emission groups chosen (with the
// table's critical fire intensity), the treatment read from the boxes with
// the user folder's mortality equations and checked, every grid row not
// selected, the execution, the grid's thinned and killed trees, and the
// crown fire assessment with the selector's SAVs and the moisture scenario
// (the fields of `pre` and `post`, the crown fire details window's).
d_CalcResult Calculate(Sylvanor& syl, const c_NES& nes, const d_WindowInputs& in,
                       const std::filesystem::path& userFolder, const d_HalFields& pre = {},
                       const d_HalFields& post = {});

}  // namespace sylvanor
