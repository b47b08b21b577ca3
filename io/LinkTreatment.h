#pragma once
// The link treatment file: a comma-separated table that names, for each plot
// of a batch, the retention priority set and the treatment of the project
// file that apply to it, and which of the four treatment steps are switched
// on ("Yes" or "No", any case).
//
//   Plot, MonSta, RetPri, Treatment, Thin, Prune, Pile, Burn
//   P-17, North, Default Set, Thin Heavy, Yes, No, No, Yes

#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "base/ColumnReader.h"

namespace sylvanor {

inline constexpr char kLinkTreatmentFileName[] = "Link-Treatment.csv";

// One row. Capacities counting a terminator: Plot 300, MonSta, RPName and
// TmName 100, the switches 50.
struct d_LTF {
  std::string Plot;    // plot identifier
  std::string MonSta;  // monitoring station
  std::string RPName;  // retention priority set name
  std::string TmName;  // treatment name
  std::string Thin;    // thinning switch
  std::string Prune;   // pruning switch
  std::string Pile;    // piling switch
  std::string Burb;    // broadcast burn switch
};

// The column set of the file for the column reader, aimed at `row`, closed by
// an 'x' entry.
std::array<d_CDF, 9> LTF_Columns(d_LTF& row);

// Skips the header line (see SkipHeadingLine): at most 2999 characters, so
// the rest of a longer header is read as the first row.
void LTF_SkipHeader(std::istream& file);

// Reads the next row; the results of CDF_Get (1 row, 0 end of file, below 0
// an unreadable row with the reason in `message`).
int LTF_Get(std::istream& file, d_LTF& row, std::string& message);

// The header line and one row's line as the window writes them.
std::string LTF_Header();
std::string LTF_Line(const d_LTF& row);

// The whole file: the header and one line per row.
std::string LTF_Text(const std::vector<d_LTF>& rows);
int LTF_Write(std::ostream& file, const std::vector<d_LTF>& rows);

// Writes the file; 1, or 0 with the reason in `message`.
int LTF_WriteFile(const std::string& path, const std::vector<d_LTF>& rows, std::string& message);

}  // namespace sylvanor
