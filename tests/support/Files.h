#pragma once
// Writing and reading the files of a test; the plain text forms that loaded
// fuels and trees are compared in.

#include <filesystem>
#include <string>
#include <vector>

#include "io/PlotFuel.h"
#include "io/PlotTrees.h"

namespace sylvanor {

// The whole file; "" when it cannot be opened.
std::string ReadFile(const std::filesystem::path& path);

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

// A user folder with the shipped qor_Spp.csv and Emission_Factors.csv.
std::filesystem::path MakeShippedUserFolder(const std::filesystem::path& folder);

// Writes the plot file `name` into `folder` and its tree file (TreeFileName),
// each a heading line and the given rows; gives the plot file.
std::string WritePlotPair(const std::filesystem::path& folder, const std::string& name,
                          const std::string& plotRows, const std::string& treeRows);

// The text with each "@" replaced by the path: a message naming a file.
std::string WithPath(std::string text, const std::filesystem::path& path);

// Comma-separated rows: each row of `rows` (separated by ";") fills the "%"
// of `pattern` in turn with its blank-separated values, "-" an empty value.
std::string CsvRows(const std::string& pattern, const std::string& rows);

// The twenty loads in the order of a plain fuel text file (LoadFuelText),
// each "%g", separated by blanks.
std::string FuelText(const d_PlotFuel& fuel);

// A grid tree as a line of a plain tree text file (LoadTreeText) led by its
// number, numbers "%g", "-" for an empty text: "7 PIPO 12.5 60 20 D H - 30 0.5".
std::string TreeText(const d_GridTree& tree);

// A load of trees: the trees (TreeText) separated by "; ", then a line for
// each warning (led by "dead: " for a dead tree's), each refused row and the
// failure ("failed: " and the message).
std::string TreesText(const d_PlotTrees& loaded);

}  // namespace sylvanor
