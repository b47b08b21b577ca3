#pragma once
// The mortality species equation file: one record per mortality species
// code, naming the crown-scorch (or other) mortality equation of the species
// and its bark thickness number. A last record "*InvSpe*" stands for every
// species without a record of its own.

#include <array>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "base/FixedText.h"

namespace sylvanor {

inline constexpr std::size_t kMortalityRecords = 1000;
inline constexpr std::string_view kDefaultMortalitySpecies = "*InvSpe*";

// Equation types, derived from a record's equation code.
inline constexpr std::string_view kEqCrownScorch = "CRNSCH";   // whole number below 100
inline constexpr std::string_view kEqBoleChar = "BOLCHR";      // whole number of 100 or more
inline constexpr std::string_view kEqCrownCambium = "CRCABE";  // any other code

// One record of the file (fields 1 to 10 of a line; field 0 is not used).
struct d_MortSpe {
  FixedText<30> Species;
  FixedText<200> CommonName;
  FixedText<200> SciName;
  FixedText<30> EqCode;
  int BarkNum = 0;
  std::array<int, 5> Param{};
};

using MortalityTable = std::vector<d_MortSpe>;

// Reads the file into `table` (emptied first), at most kMortalityRecords
// records; further records are ignored. Blank lines, lines starting with '#',
// lines of fewer than 11 comma-separated fields and lines with an empty
// species code are skipped. Returns 1, or 0 with the open failure message.
int MRT_LoadSpeFile(const std::string& path, MortalityTable& table, std::string& message);

// Reads the records of an open file into `table` (emptied first), by the
// same rules.
void MRT_ReadSpe(std::istream& file, MortalityTable& table);

// The equation type ("CRNSCH", "BOLCHR" or "CRCABE") of an equation code.
std::string_view MRT_EqType(std::string_view eqCode);

// The record that stands for a species when its code is compared exactly:
// its own first record, else a final "*InvSpe*" record, else none.
const d_MortSpe* MRT_SpeciesRecord(const MortalityTable& table, std::string_view species);

// The mortality species check of the species table: the species (compared
// exactly, or through a final "*InvSpe*" record) has an equation of the type.
bool MRT_SpeciesCheck(const MortalityTable& table, std::string_view species,
                      std::string_view eqType);

}  // namespace sylvanor
