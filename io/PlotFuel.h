#pragma once
// A plot's surface fuels from its row of a plot file, in each of the three
// layouts (io/PlotLayouts.h), mapped onto the program's fuel categories.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "io/PlotLayouts.h"
#include "stand/SurfaceFuel.h"

namespace sylvanor {

// The surface fuels of one plot. Loads ton/acre, duff depth in, SAV 1/ft.
struct d_PlotFuel {
  std::string Key;                  // the plot key (see PlotKey)
  d_SurfaceFuel Loads;              // the 19 loads and the existing piles
  float DuffDepth = 0;              // duff depth for the broadcast burn
  bool DuffDepthEstimated = false;  // worked out from the duff load, not measured
  // Values only some layouts give; the current ones stay where none is given.
  std::optional<float> FuelBedDepth;                  // in (KVT: 0)
  std::optional<float> GrassSAV, ShrubSAV, OneHrSAV;  // PDQ
  // Emission factor set names (PDQ): flaming, duff, coarse-wood smoldering.
  std::string EmiFlame, EmiDuff, EmiCoarse;
};

// VXD: every column to the field of the same name, as read; DuffDept is the
// duff depth.
d_PlotFuel VXD_PlotFuel(const d_VXDPlotRow& row);

// PDQ: negative (missing) loads count as 0. Sound class n is the sum of
// decay classes 1-3 of size class n, rotten class n of decay classes 4-5;
// grass, moss and shrub are the sums of their live and dead parts. A duff
// depth not above 0 becomes 0.1 x duff, marked estimated. A negative grass,
// shrub or 1-hour SAV becomes 1800, 1500 or 2000.
d_PlotFuel PDQ_PlotFuel(const d_PDQPlotRow& row);

// KVT: negative loads count as 0. Duff depth 0.1 x duff; grass, lichen, moss
// and pile 0; 1-, 10- and 100-hour 0.07, 0.18 and 0.75 x Lt3; size class 1
// sound and rotten each 0.5 x 3To6, classes 2 and 3 each 0.25 x 6To12,
// classes 4 and 5 each 0.25 x Ge12; fuel bed depth 0. Ge3 and Herb unused.
d_PlotFuel KVT_PlotFuel(const d_KVTPlotRow& row);

struct d_PlotFuelLoad {
  bool ok = false;
  d_PlotFuel fuel;
  std::string message;  // why the load failed
};

// Loads the plot `plotKey` (compared without regard to case) from a plot
// file of `layout` ("VXD", "PDQ" or "KVT", any case): the first matching row
// among the first 50 000 data rows (VXD, PDQ) or 1000 (KVT). The reader's
// value warnings are not reported. Messages: the file cannot be opened
// ("Error - Can't Find Sylvanor Input Plot Fuel File: %s\n" for VXD,
// "Error - Can't Find Input Plot Fuel File: %s\n" otherwise), a row with too
// few fields ("Error Reading Sylvanor Plot Fuel File: %s " or, for KVT,
// "Error Reading KVT Plot Fuel File: %s " with the reader's message), no such
// plot ("Logic Error - Plot Num not found in Plot File \n"), an unknown
// layout ("Invalid Input Plot File Type:\n%s" with the file name).
d_PlotFuelLoad LoadPlotFuel(const std::string& layout, const std::string& plotFile,
                            const std::string& plotKey);

struct d_PlotKeys {
  bool ok = false;
  std::vector<std::string> keys;  // in file order, each once
  std::string message;
};

// The plots of a chosen plot file, after checking the pair of files: a plot
// file that cannot be opened gives "Error opening input fuel load file\n %s\n";
// a plot file without its tree file (see TreeFileName) gives "Error opening
// input tree plot file\n %s\n" with the tree file name, "Input fuels file
// must have a corresponding tree file\n" and "with the same base name as the
// input fuel load file". Reads as many rows as LoadPlotFuel, with its read
// error messages.
d_PlotKeys LoadPlotKeys(const std::string& layout, const std::string& plotFile);

// True unless the three emission set names are all empty or "0", in which
// case the plot leaves the current sets alone.
bool EmissionSetsGiven(const d_PlotFuel& fuel);

// The warning about emission set names that match no set, given a test
// saying whether a set of that name exists: "Missing or invalid emissions
// factors detected. The emissions factors set on the GUI will be used.\n",
// "\nPlot: %s\n" with the plot key and a line "Column: %s  %s\n" per unknown
// name ("Flame", "Duff" or "Coarse/Smoldering" and the name). "" when every
// name is known or the names are not given at all.
std::string EmissionSetWarning(const d_PlotFuel& fuel,
                               const std::function<bool(const std::string&)>& setExists);

}  // namespace sylvanor
