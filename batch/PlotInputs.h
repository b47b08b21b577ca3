#pragma once
// A plot's inputs into the engine: its surface fuels, its treatment
// settings, its retention priorities, its own emission groups and its trees.
// The batch runner calls these for each plot; they take the engine and plain
// records, so any caller holding a plot's records can use them.

#include <string>
#include <vector>

#include "batch/Prescription.h"
#include "engine/Sylvanor.h"
#include "io/PlotFuel.h"
#include "io/PlotLayouts.h"
#include "io/TreeFileIndex.h"
#include "treat/EmissionFactors.h"

namespace sylvanor {

// The plot's surface fuel loads, and the exceeding stem density counted from
// a DBH of 3 in.
void SetInputs(Sylvanor& syl, const d_PlotFuel& fuel);

// A surface-area-to-volume ratio the PDQ row gives (above 0) replaces the
// treatment's.
void TakePlotSAVs(const d_PDQPlotRow& row, d_TMS& tms);

// The treatment settings, percentages as fractions, and the mortality
// equation file `userData`. Thinning is on only when switched on with a
// criterion other than "None"; a "CanopyCover" target is a percentage too.
// Piling off gives the engine three zero fractions; broadcast burn off gives
// it only the switch. The fuel-model selector values always go.
void TMS_LoadVX(Sylvanor& syl, const d_TMS& tms, const std::string& userData);

// The retention priority set and the species rows of the prescription; the
// species rows replace the engine's. The set alone, and the rows alone.
void PutRetentionPriorities(Sylvanor& syl, const d_Prescription& pre);
void PutRetPriValues(Sylvanor& syl, const d_Prescription& pre);
void PutRetPriSpecies(Sylvanor& syl, const d_Prescription& pre);

// The prescription's emission settings to the engine: the critical fire
// intensity and the three factor groups. A negative intensity (the
// project's default emissions) has the broadcast burn take the fixed
// factors; the burned piles take the flaming and coarse-wood groups in
// both modes.
void GiveEmissions(Sylvanor& syl, const d_EmisSettings& emis);

// The emission groups a plot's fuel row names (flaming, duff, coarse wood).
// When all three are unnamed (empty or beginning with '0') nothing changes.
// When each is a group of `nes`, they replace the groups of `emis` and the
// engine's, with the table's critical fire intensity. Otherwise nothing
// changes and the warning is given back; else "".
std::string NextPlotEmis(Sylvanor& syl, const c_NES& nes, const d_PlotFuel& fuel,
                         d_EmisSettings& emis);

// Hands a live tree, row `rowNum` of its plot (from 1), to the engine's tree
// list after the `treeNums` accepted so far. The crown base height and the
// crown class are repaired first (io/PlotTrees.h; a PDQ tree passes its
// crown ratio), each repair adding its entry to `messages`. The tree number
// is the row's (VXD) or the count of trees accepted with this one (PDQ). A
// VXD tree whose number lies outside the range of an int (beyond +-2^31), and
// a tree the engine refuses, add their entry and are left out; an accepted
// one's number joins `treeNums`.
void PutTree(Sylvanor& syl, const d_BatchTree& tree, int rowNum, bool pdq,
             std::vector<int>& treeNums, std::vector<std::string>& messages);

// Every tree of a plot's rows but the dead ones ("D"), each with its row
// number counting the dead.
void PutTrees(Sylvanor& syl, const std::vector<d_BatchTree>& rows, bool pdq,
              std::vector<int>& treeNums, std::vector<std::string>& messages);

}  // namespace sylvanor
