#pragma once
// A main window state with a sample plot calculated, for the tests of the
// windows that show its results.

#include <memory>
#include <string>

#include "tests/support/TempFolder.h"
#include "ui/MainWindowState.h"

namespace sylvanor {

struct SamplePlot {
  TempFolder folder;  // holds the user folder ("home/Sylvanor")
  c_MainWindowState state;
  std::string failure;  // empty when the plot was calculated
};

// The state started on an empty data home, the sample project and its
// plot file data/sample/Sample.vxd opened and plot `index` (SYL-12 by
// default: thinned to a canopy bulk density, pruned and burned) shown and
// calculated.
std::unique_ptr<SamplePlot> CalculatedSamplePlot(int index = 11);

}  // namespace sylvanor
