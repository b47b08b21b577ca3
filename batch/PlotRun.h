#pragma once
// One plot of a batch between the reading of the batch's files and the
// writing of its lines: the task the reading hands on (its prescription, its
// fuel row's loads, its trees and the error file entries the reading made)
// and what running it in an engine gives (the entries it adds and the lines
// of every output file). A task holds everything its run needs, so plots can
// run in any engine, in any order, and give the same lines.

#include <string>
#include <vector>

#include "batch/Prescription.h"
#include "engine/CrownFireDriver.h"
#include "engine/Sylvanor.h"
#include "io/PlotFuel.h"
#include "io/TreeFileIndex.h"
#include "treat/EmissionFactors.h"

namespace sylvanor {

// One plot of the plot list: identifier, monitoring station (empty for a
// VXD plot file) and its number in the list.
struct d_BatchPlot {
  std::string Plot;
  std::string MonSta;
  int Num = 0;
};

struct d_PlotTask {
  d_BatchPlot Plot;
  // 1 ready to run; 0 skipped while reading (its prescription could not be
  // loaded); -1 its fuel row was not found or could not be read
  int Read = 1;
  d_Prescription Pre;
  std::string MoistScenario;
  d_PlotFuel Fuel;
  const std::vector<d_BatchTree>* Trees = nullptr;  // its rows of the tree file
  std::string TreeReadError;         // the tree file's read error, told for every plot
  std::vector<std::string> Entries;  // error file entries of the reading
};

// What a plot's run needs besides its task, the same for every plot.
struct d_PlotRunEnv {
  const c_NES* Nes = nullptr;  // the emission factor table
  std::string UserData;        // the mortality equation file
  std::string UserFolder;      // where the crown fire model's files are named
  bool Pdq = false;            // the plot file's layout is PDQ
  bool Profiles = false;       // the canopy bulk density profile lines are wanted
  bool Details = false;        // the details line is wanted
};

struct d_PlotResult {
  bool Processed = false;
  std::vector<std::string> Entries;  // the reading's entries, then the run's
  std::string Output;                // its plot output line
  bool EmisExpanded = false;         // its emission lines are of the expanded form
  std::string EmisHeading, Emis;     // the heading of their form, and the lines
  std::string ProfilePre, ProfilePost, Details;
  d_HalRun Hal;  // its crown fire assessment
};

// Gives the engine the task's plot — fuel, treatment, emission settings,
// retention priorities and trees — and executes it: 1, or 0 with the entries
// added to `entries` saying why. The accepted trees' numbers are in
// `treeNums`; a plot row naming its own emission groups changes the task's.
int ExecutePlot(Sylvanor& syl, d_PlotTask& task, const d_PlotRunEnv& env,
                std::vector<int>& treeNums, std::vector<std::string>& entries);

// The whole run of a read plot: ExecutePlot, then the crown fire assessment
// of both states and the plot's lines of every file. A task that was not
// read to the end gives its entries only.
void RunPlot(Sylvanor& syl, d_PlotTask& task, const d_PlotRunEnv& env, d_PlotResult& result);

}  // namespace sylvanor
