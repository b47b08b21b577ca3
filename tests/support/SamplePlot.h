#pragma once
// A main window state with a sample plot calculated, for the tests of the
// windows that show its results.

#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/TempFolder.h"
#include "ui/MainWindowState.h"

namespace sylvanor {

// A copy of the sample plots and projects (data/sample) in folder/sample,
// so that what the window writes beside a project (the plot warnings file)
// stays out of the source tree; the copy's folder.
std::filesystem::path SampleCopy(const std::filesystem::path& folder);

struct SamplePlot {
  TempFolder folder;  // holds the user folder ("home/Sylvanor")
  c_MainWindowState state;
  std::string failure;  // empty when the plot was calculated
};

// The state started on an empty data home, a copy of the sample project
// and its plot file Sample.vxd opened and plot `index` (SYL-12 by default:
// thinned to a canopy bulk density, pruned and burned) shown and
// calculated.
std::unique_ptr<SamplePlot> CalculatedSamplePlot(int index = 11);

}  // namespace sylvanor
