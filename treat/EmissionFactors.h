#pragma once
// The emission factor table: smoke emission factors (g of pollutant per kg
// of fuel consumed) by factor group, read from the emission factor file
// "Emission_Factors.csv".
//
// The file is comma-separated text:
//   row 1: "##", "units:g/kg", then one heading per factor column;
//   row 2: "Group #", "# Cover Type", "Type", then one component code per
//          factor column;
//   then one row per group: group number, cover type, kind ("STFS",
//          "CWDRSC" or "DuffRSC") and one factor per component column.
// In rows 1 and 2 a comma between double quotes belongs to the field and the
// quotes become blanks; empty fields are skipped there, so the n-th heading
// pairs with the n-th code. In group rows every comma separates fields and a
// field keeps its place, so an empty or unreadable factor is missing (-1).
// Every field is trimmed; CR and LF are dropped and tabs become blanks. The
// group rows end at the end of the file, at an empty line or at a line whose
// group number is empty (one beginning with a comma); lines of blanks only
// are skipped.
//
// The first seven component codes must be "CO2", "CO", "CH4", "NOx as NO",
// "SO2", "PM2.5" and "PM10" (without regard to case), and group "1" must have
// a factor for each; any further columns are kept for Get_Factor.
//
// Limits: 50 group rows, 400 factors per row, 300 component columns; group
// numbers up to 10 characters, cover types up to 300, headings up to 150 and
// codes up to 50. Further rows and columns are ignored, longer texts are cut.

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

#include "base/FixedText.h"
#include "treat/Pollutants.h"

namespace sylvanor {

inline constexpr std::size_t kNesMaxGroups = 50;
inline constexpr std::size_t kNesMaxFactors = 400;
inline constexpr std::size_t kNesMaxComponents = 300;
// The factor of a column a group row has no figure for.
inline constexpr float kNesMissing = -1.0f;

class c_NES {
 public:
  // The file the table is read from: "Emission_Factors.csv" in the folder
  // named by the environment variable QORVEL_DATA, or in the working
  // directory when it is not set; the name is matched without regard to case.
  static std::string NES_FilePath();

  // Reads the file named by NES_FilePath. 1 on success; 0 or a negative
  // number with the reason in `message`.
  int LoadFile(std::string& message);
  // The same for a given path. The table is emptied first. Results:
  //   1   read and checked (message emptied);
  //   0   the file cannot be opened, or its two header rows are wrong (the
  //       table stays empty);
  //  -1   there is no group "1";
  //  -2, -3, -4, -5, -7, -8, -9   component 1 to 7 (CO2, CO, CH4, NOx, SO2,
  //       PM2.5, PM10) has another code, or group "1" has no factor for it.
  // After a negative result the table keeps what was read.
  int LoadFile(const std::string& path, std::string& message);
  // Reads an open file the same way; `path` names it in messages.
  int Read(std::istream& file, const std::string& path, std::string& message);

  // The number of group rows read.
  int GroupCount() const { return static_cast<int>(groups_.size()); }
  // The number of component columns (codes of row 2) read.
  int ComponentCount() const { return static_cast<int>(components_.size()); }

  // The group number and cover type of group row `row` (0-based) and its
  // default mark: 1 for group "3", 2 for group "8", 3 for group "7", else 0.
  // Returns the kind: 1 "STFS", 2 "DuffRSC", 3 "CWDRSC" (without regard to
  // case), -1 any other kind or a row that does not exist (outputs empty).
  int GetGrpCov(int row, std::string& group, std::string& cover, int& defaultMark) const;

  // Factor `component` (1-based column number) of a group, found by the exact
  // text of its number. -1 when the group is not in the table (outputs
  // emptied, factor -1). Otherwise sets the cover type and factor; returns 0
  // when the factor is missing (heading and code emptied), else 1 with the
  // column's heading and code.
  int Get_Factor(const std::string& group, int component, std::string& cover, float& factor,
                 std::string& heading, std::string& code) const;

  // The seven factors of a group, in the order CO, CO2, CH4, PM2.5, PM10,
  // NOx, SO2 (component columns 2, 1, 3, 6, 7, 4, 5); a missing one is -1.
  // 0 when the group is not in the table (outputs unchanged), else 1.
  int Get_MajFactor(const std::string& group, float& co, float& co2, float& ch4, float& pm25,
                    float& pm10, float& nox, float& so2) const;
  // The same into a factor set (its name left as it is).
  int Get_MajFactor(const std::string& group, d_EmisFactors& set) const;

  // The critical fire intensity of the expanded emissions, kW/m2.
  float Get_CriFirInt() const;

 private:
  struct Component {
    FixedText<151> Heading;
    FixedText<51> Code;
  };
  struct Group {
    FixedText<11> Number;
    FixedText<301> Cover;
    std::string Kind;
    std::vector<float> Factor;  // by column; columns past its end are missing
  };

  const Group* FindGroup(const std::string& group) const;
  int CheckOrder() const;

  std::vector<Component> components_;
  std::vector<Group> groups_;
};

}  // namespace sylvanor
