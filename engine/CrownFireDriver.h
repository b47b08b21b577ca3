#pragma once
// The crown fire assessment of a plot: the crown fire model run on the stand
// before and after treatment, each state's surface fuel as custom fuel
// model 14, giving the torching and crowning indices of both. GUI-free:
// what the window would show in a message box is handed back as text (the
// batch writes it to the error file, the window shows it).

#include <string>
#include <vector>

#include "crownfire/HalvexDriver.h"
#include "engine/Sylvanor.h"

namespace sylvanor {

// A state's fields of the results window: the dead fuel moisture of
// extinction and the fuel bed depth, as texts; a field without a number
// counts as none (-1 and "Auto"). The batch never edits them.
struct d_HalFields {
  std::string DeadMx = "25";
  std::string Depth = "Auto";
};

// One state's run: its inputs and outputs, and the text of its temporary
// fuel model file.
struct d_HalState {
  d_HDI In;
  d_HDO Out;
  std::string FuelModelText;
};

// A plot's assessment: both states and the messages of the run, in order.
struct d_HalRun {
  d_HalState Pre, Post;
  std::vector<std::string> Messages;
};

// The stand's inputs before (after) treatment from the engine; the dead
// fuel moisture of extinction 25, or `deadMx` truncated when it is 0 or more.
void Hal_InpPre(d_HDI& in, float deadMx, const Sylvanor& syl);
void Hal_InpPost(d_HDI& in, float deadMx, const Sylvanor& syl);

// Runs both states of the last executed plot with the SAVs (1/ft), the
// moisture scenario and the window's fields; the temporary fuel model
// files are named in `userFolder` (none is written). Each index is the
// model's, at most 100, or -1 when the state's model did not run (no canopy
// fuel, or a failure told in the messages). False when a state failed.
bool Hal_Mngr(const Sylvanor& syl, float herbSAV, float woodySAV, float oneHrSAV,
              const std::string& scenario, const d_HalFields& pre, const d_HalFields& post,
              const std::string& userFolder, d_HalRun& run, float& preTorch, float& preCrown,
              float& postTorch, float& postCrown);

// Writes the run's two temporary fuel model files and its two input dumps
// ("VX-Hal-Pre.txt", "VX-Hal-Post.txt") into the user folder; false when a
// fuel model file cannot be written.
bool Hal_WriteFiles(const d_HalRun& run, const std::string& userFolder);

}  // namespace sylvanor
