#pragma once
// The equation table window without the window: the species table the
// engine runs with, one row per species and one column per item, where it
// was read from, and the sample species file a user can make their own.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Sylvanor.h"

namespace sylvanor {

// A column of the table: the engine's item keyword and its heading.
struct d_EquationColumn {
  std::string_view Item, Caption;
};

inline constexpr std::array<d_EquationColumn, 16> kEquationColumns = {{
    {"Species", "Species"},
    {"OrderNumber", "Num"},
    {"CommonName", "Common name"},
    {"HarCon", "Conifer/Hardwood"},
    {"Include", "Include in CBD"},
    {"Total", "Total crown"},
    {"Foliage", "Foliage"},
    {"Twig", "Twigs <0.25 in"},
    {"1Inch", "Branches 0.25-1 in"},
    {"3Inch", "Branches 1-3 in"},
    {"3InchPlus", "Branches >3 in"},
    {"VertDist", "Vertical distribution"},
    {"CrownClass", "Crown reduction"},
    {"Canopy", "Canopy cover"},
    {"Bole", "Bole volume"},
    {"Mortality", "Mortality species"},
}};

// The engine initialised as a run does it: English units in and out, and
// the species table from the user folder's "species.csv" (the built-in
// table when there is none). Its result, the message in the engine's.
int InitEngine(Sylvanor& syl, const std::filesystem::path& userFolder);

struct d_EquationTable {
  std::string Source;  // the species file's path, or "Internal"
  std::vector<std::array<std::string, kEquationColumns.size()>> Rows;
  std::string Message;  // what loading the table reported, when it was loaded here
};

// The engine's species table. An engine that holds no table yet is first
// initialised (InitEngine); a later run initialises it again anyway.
d_EquationTable EquationTableRows(Sylvanor& syl, const std::filesystem::path& userFolder);

// What a cell of the table names when it holds an equation code (a crown
// biomass component or the vertical distribution): the species group the
// equation was fitted for, and on a second line its literature reference
// when one is on record. Empty for the other columns and for a code
// without a known equation.
std::string EquationReference(Sylvanor& syl, std::size_t column, const std::string& code);

// "Write Sample Species File": "sample-species.csv" written into the user
// folder; the message to show ("File Created:" and the path, or the path
// and "Can't Open File").
std::string WriteSampleSpecies(const std::filesystem::path& userFolder);

}  // namespace sylvanor
