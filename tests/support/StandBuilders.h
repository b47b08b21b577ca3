#pragma once
// Builders of the stand records the tests work on: species rows and tables, tree records and tree
// lists, and a user folder with the shipped mortality species file.

#include <initializer_list>
#include <string>

#include "stand/EquationTable.h"
#include "stand/TreeList.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

// The codes of a species row: Crown names the Total, Foliage and Br-Twg
// equations, Branches the Br-1in, Br-3in and Br-3inP ones.
struct d_SpeciesCodes {
  std::string Species{}, Crown{}, Branches{}, VertDist{}, Include = "Yes", Canopy{}, Bole{};
};

// A table of species rows with those codes, each component entry linked to
// its built-in equation when there is one.
d_ETTable SpeciesTable(std::initializer_list<d_SpeciesCodes> rows);

// The built-in species table, loaded and linked.
d_ETTable BuiltInSpeciesTable();

// A tree as the list holds it at the start of an execution: nothing thinned
// or pruned, its basal area from its diameter (pi 3.14159).
struct d_TreeFields {
  std::string Species = "PIPO";
  float Dia = 10, Hgt = 50, CrnHgt = 20, TPA = 40;
  std::string Status = "H", CrnCls = "D";
};
d_PTLRec TreeRec(const d_TreeFields& fields);

// A tree list holding the records from its first slot on.
d_PTLTable TreeList(std::initializer_list<d_PTLRec> trees);

// The species file path of a user folder that holds the shipped mortality
// species file but no species file (an engine loads the built-in table).
std::string UserSpeciesPath(const TempFolder& folder);

}  // namespace sylvanor
