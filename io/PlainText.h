#pragma once
// The two plain text layouts the main window opens from its menu: a fuel
// file of twenty blank-separated loads and a tree file of one tree per line.

#include <string>

#include "io/PlotFuel.h"
#include "io/PlotTrees.h"

namespace sylvanor {

// Reads a fuel text file: its first twenty blank-separated values (blanks,
// tabs and line ends all separate) are litter, duff, lichen, moss, shrub,
// grass, 1-, 10- and 100-hour, sound classes 1-5, rotten classes 1-5 and
// pile, ton/acre; further values are ignored. Only these loads of the fuel
// record are set. Messages: "Can't open fuel file: %s \n" (the file), or
// "Error in fuel file: %s \n value %d of 20 is missing or not a number\n".
d_PlotFuelLoad LoadFuelText(const std::string& fileName);

// Reads a tree text file: each line that is not blank holds nine
// blank-separated values, species, DBH, height, crown base height, crown
// class, status, snag, TPA and retention priority. The trees are numbered
// "%d" from 1, with thinned and killed 0. Messages: "Can't open tree file:
// %s \n" (the file), or "Error in tree file: %s \n line %d needs nine
// values: ...\n" for a line of another count or with a bad number, which
// stops the load (the trees before it are kept).
d_PlotTrees LoadTreeText(const std::string& fileName);

}  // namespace sylvanor
