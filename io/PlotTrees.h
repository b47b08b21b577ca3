#pragma once
// A plot's trees from the tree file of a plot file pair, in each of the three
// layouts (io/PlotLayouts.h), as rows of the window's tree grid, with the
// repairs of missing values and the warnings they leave; and the two repairs
// the batch applies to every tree it loads.

#include <string>
#include <vector>

#include "io/PlotWarnings.h"

namespace sylvanor {

// One row of the tree grid: number, species, DBH (in), height (ft), crown
// base height (ft), crown class, status, snag, TPA, retention priority,
// trees per acre thinned and killed.
struct d_GridTree {
  std::string Num;  // as the grid shows it: "%03d" from 1 (PDQ, KVT), the file's number (VXD)
  std::string Species;
  float DBH = 0, Hgt = 0, CrnHgt = 0;
  std::string CrnCls, Status;
  std::string Snag;  // no layout gives one
  float TPA = 0;
  float RetPri = 0.5f;
  float Thinned = 0, Killed = 0;
};

struct d_PlotTrees {
  bool ok = false;
  std::vector<d_GridTree> trees;
  // Repairs to report in the plot warnings file (see WritePlotWarnings).
  std::vector<d_PlotWarning> warnings;
  // KVT rows left out, each with the message a box would show about it.
  std::vector<std::string> refused;
  std::string message;  // why the load failed or stopped; the trees so far are kept
};

// Loads the trees of the plot `plotKey` (compared without regard to case
// with the PlotKey of each tree row) from the tree file of `plotFile` (see
// TreeFileName; found without regard to case), `layout` being "VXD", "PDQ"
// or "KVT" in any case. The reader's value warnings are not reported.
//
// VXD, PDQ: the first 900 000 data rows are read. VXD trees get the crown
// base height repair without a crown ratio. PDQ trees, in order: a dead tree
// (status "D") with crown base height -1 gets 0; a dead tree with negative
// DBH gets 0, else a DBH from 0 to 0.1 becomes 0.1 and a negative one is
// kept with a warning; a dead tree with negative height gets 0 and a height
// not above 0 warns; the crown base height repair with the crown ratio; an
// empty crown class becomes "N"; a dead tree with negative TPA gets 0.
// Warnings about dead trees are marked so.
//
// KVT: of the first 1000 data rows, those of the plot give the tallest and
// shortest height and the total TPA, all as read. Each of these rows is then
// refused (with its message and "\n Not loading this record into tree
// grid") for no species, TPA, DBH or height not above 0, or a live tree's
// percent crown not above 0; the tree record index in these messages is the
// row's number among the file's data rows. Status "H" for a tree value class
// from 0 to under 5.1, else "D". Crown base height: half the height under
// 2 ft, else height - percent crown / 100 x height + 0.05 truncated to whole
// feet. Crown class: dead "N"; live "O" when the plot's total TPA is under
// 20, else "D", "C", "I" for a height above 0.8, 0.6, 0.4 of the tallest and
// "S" below, made "D" when the tallest and shortest differ by less than 10 ft
// or the tree is less than 7 ft below the tallest.
//
// Messages: the tree file cannot be opened (TreeFileMissingMessage); a row
// with too few fields stops the load with "Error Reading Sylvanor Tree File:
// %s " (VXD), "Error Reading PDQ Tree File: %s " or "Error Reading KVT Tree
// File: %s " and the reader's message; an unknown layout gives "Invalid Input
// Plot File Type:\n%s".
d_PlotTrees LoadPlotTrees(const std::string& layout, const std::string& plotFile,
                          const std::string& plotKey);

// The crown base height repair. Nothing happens when crnHgt is 0 or more or
// hgt is not above 0. Otherwise, with a crown ratio (percent) of 0 or more,
// crnHgt becomes hgt - crnRatio / 100 x hgt silently; without one (negative)
// it becomes half of hgt and the message "Crown Base Height is missing or
// negative in input file.\n   Crown Base Height will be set to 50 percent of
// Tree Height" is returned. Returns "" when there is nothing to report.
std::string FixCrownBaseHeight(float hgt, float& crnHgt, float crnRatio);

// The crown class repair of the batch. An empty crown class becomes "N" and
// the message "Canopy Class for %s tree is missing in input file.\n%s\n%s\n"
// is returned, filled with "Small" (DBH under 5 in.) or "Large", " Canopy
// Class will be set to N" and the tree line, " %d %s  Hgt:%5.1f
// CrnHgt:%5.1f\n" (small) or " %d %s DBH:%5.1f  Hgt:%5.1f  CrnHgt:%5.1f\n"
// (large). Returns "" when the class is given.
std::string FixCrownClass(int treeNum, const std::string& species, float dbh, float hgt,
                          float crnHgt, std::string& crnCls);

struct d_SpeciesList {
  bool ok = false;
  std::vector<std::string> species;  // in order of first appearance, each once (any case)
  std::string message;
};

// The species codes of every row of a plot file's tree file, all plots, for
// the species lists of the graph and retention-priority windows; rows and
// messages as LoadPlotTrees. KVT files give no list (ok, empty); the window
// shows a note instead.
d_SpeciesList LoadSpeciesList(const std::string& layout, const std::string& plotFile);

}  // namespace sylvanor
