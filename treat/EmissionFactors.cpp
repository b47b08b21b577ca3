#include "treat/EmissionFactors.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <tuple>

#include "base/CFormat.h"
#include "base/CsvRow.h"
#include "base/Keyword.h"
#include "base/TextUtil.h"
#include "platform/FileLookup.h"

namespace sylvanor {

namespace {

constexpr const char* kFileName = "Emission_Factors.csv";
constexpr const char* kFolderVariable = "QORVEL_DATA";

constexpr float kCriticalFireIntensity = 15.0f;  // kW/m2

// The codes the first seven component columns must carry, and the result of
// the order check when one of them is wrong (-6 is not used).
constexpr std::array<std::string_view, 7> kOrderCode = {"CO2", "CO",    "CH4", "NOx as NO",
                                                        "SO2", "PM2.5", "PM10"};
constexpr std::array<int, 7> kOrderFault = {-2, -3, -4, -5, -7, -8, -9};

// Component columns (1-based) of the pollutants, in the stored order.
constexpr std::array<int, kPollutants> kMajorColumn = {2, 1, 3, 6, 7, 4, 5};

// A line as the reader sees it: CR and LF dropped, tabs made blanks.
void CleanLine(std::string& line) {
  std::erase(line, '\r');
  std::erase(line, '\n');
  StrRepChr(line, '\t', ' ');
}

// Header rows 1 and 2: a comma between double quotes belongs to the field
// and every quote becomes a blank; fields are trimmed and empty ones left
// out.
constexpr CsvRules kHeaderRules{.quotes = CsvQuotes::Group, .trim = true, .skipEmpty = true};
// Group rows: every comma separates two fields, each trimmed and kept in its
// place even when empty.
constexpr CsvRules kGroupRules{.trim = true};

float ReadFactor(std::string_view text) {
  double value = 0;
  return ReadNumber(text, value) ? static_cast<float>(value) : kNesMissing;
}

}  // namespace

std::string c_NES::NES_FilePath() {
  const char* folder = std::getenv(kFolderVariable);
  const std::filesystem::path path = folder != nullptr ? std::filesystem::path(folder) / kFileName
                                                       : std::filesystem::path(kFileName);
  return FindFileNoCase(path).string();
}

int c_NES::LoadFile(std::string& message) {
  return LoadFile(NES_FilePath(), message);
}

int c_NES::LoadFile(const std::string& path, std::string& message) {
  components_.clear();
  groups_.clear();
  std::ifstream file(FindFileNoCase(path), std::ios::binary);
  if (!file) {
    message = CFormat("Error opening or can't find input emission file: %s \n", path);
    return 0;
  }
  return Read(file, path, message);
}

int c_NES::Read(std::istream& file, const std::string& path, std::string& message) {
  components_.clear();
  groups_.clear();
  std::string line1;
  std::string line2;
  std::getline(file, line1);
  std::getline(file, line2);
  if (line1.starts_with("\xEF\xBB\xBF")) line1.erase(0, 3);  // byte order mark
  CleanLine(line1);
  CleanLine(line2);
  const std::vector<std::string> row1 = SplitFields(line1, kHeaderRules);
  const std::vector<std::string> row2 = SplitFields(line2, kHeaderRules);
  if (row1.size() < 2 || !SameKeyword(row1[0], "##") || !SameKeyword(row1[1], "units:g/kg") ||
      row2.size() < 3 || !SameKeyword(row2[0], "Group #") ||
      !SameKeyword(row2[1], "# Cover Type") || !SameKeyword(row2[2], "Type")) {
    message =
        "Input Emission File has invalid format. \n Look at a previous file that had a valid "
        "format\n";
    return 0;
  }

  // A code without a heading keeps an empty one; headings past the last
  // code have no column.
  for (std::size_t i = 3; i < row2.size() && components_.size() < kNesMaxComponents; ++i) {
    Component& component = components_.emplace_back();
    component.Code = row2[i];
    if (i - 1 < row1.size()) component.Heading = row1[i - 1];
  }

  std::string line;
  while (groups_.size() < kNesMaxGroups && std::getline(file, line)) {
    CleanLine(line);
    if (line.empty()) break;
    if (isBlankCR(line)) continue;
    const std::vector<std::string> fields = SplitFields(line, kGroupRules);
    if (fields[0].empty()) break;
    Group& group = groups_.emplace_back();
    group.Number = fields[0];
    if (fields.size() > 1) group.Cover = fields[1];
    if (fields.size() > 2) group.Kind = fields[2];
    for (std::size_t i = 3; i < fields.size() && group.Factor.size() < kNesMaxFactors; ++i)
      group.Factor.push_back(ReadFactor(fields[i]));
  }

  const int order = CheckOrder();
  if (order != 1) {
    message = CFormat("Emission File Component(s) is not in expected order.\n%s", path);
    return order;
  }
  message.clear();
  return 1;
}

int c_NES::CheckOrder() const {
  for (std::size_t i = 0; i < kOrderCode.size(); ++i) {
    std::string cover, heading, code;
    float factor = 0;
    const int found = Get_Factor("1", static_cast<int>(i) + 1, cover, factor, heading, code);
    if (found < 0) return -1;
    // a missing factor leaves the code empty, so it fails like a wrong code
    if (!SameKeyword(code, kOrderCode[i])) return kOrderFault[i];
  }
  return 1;
}

const c_NES::Group* c_NES::FindGroup(const std::string& group) const {
  for (const Group& row : groups_) {
    if (row.Number == group) return &row;
  }
  return nullptr;
}

int c_NES::GetGrpCov(int row, std::string& group, std::string& cover, int& defaultMark) const {
  group.clear();
  cover.clear();
  defaultMark = 0;
  if (row < 0 || row >= GroupCount()) return -1;
  const Group& entry = groups_[static_cast<std::size_t>(row)];
  group = entry.Number.str();
  cover = entry.Cover.str();
  if (group == "3") {
    defaultMark = 1;
  } else if (group == "8") {
    defaultMark = 2;
  } else if (group == "7") {
    defaultMark = 3;
  }
  if (SameKeyword(entry.Kind, "STFS")) return 1;
  if (SameKeyword(entry.Kind, "DuffRSC")) return 2;
  if (SameKeyword(entry.Kind, "CWDRSC")) return 3;
  return -1;
}

int c_NES::Get_Factor(const std::string& group, int component, std::string& cover, float& factor,
                      std::string& heading, std::string& code) const {
  heading.clear();
  code.clear();
  const Group* row = FindGroup(group);
  if (row == nullptr) {
    cover.clear();
    factor = kNesMissing;
    return -1;
  }
  cover = row->Cover.str();
  const bool inRow = component >= 1 && static_cast<std::size_t>(component) <= row->Factor.size();
  factor = inRow ? row->Factor[static_cast<std::size_t>(component) - 1] : kNesMissing;
  if (factor < 0) return 0;
  if (static_cast<std::size_t>(component) <= components_.size()) {
    const Component& column = components_[static_cast<std::size_t>(component) - 1];
    heading = column.Heading.str();
    code = column.Code.str();
  }
  return 1;
}

int c_NES::Get_MajFactor(const std::string& group, d_EmisFactors& set) const {
  const Group* row = FindGroup(group);
  if (row == nullptr) return 0;
  for (std::size_t i = 0; i < kPollutants; ++i) {
    const auto index = static_cast<std::size_t>(kMajorColumn[i]) - 1;
    set.Factor[i] = index < row->Factor.size() ? row->Factor[index] : kNesMissing;
  }
  return 1;
}

int c_NES::Get_MajFactor(const std::string& group, float& co, float& co2, float& ch4, float& pm25,
                         float& pm10, float& nox, float& so2) const {
  d_EmisFactors set;
  if (!Get_MajFactor(group, set)) return 0;
  using enum Pollutant;
  std::tie(co, co2, ch4, pm25, pm10, nox, so2) =
      std::tuple(set[CO], set[CO2], set[CH4], set[PM25], set[PM10], set[NOx], set[SO2]);
  return 1;
}

float c_NES::Get_CriFirInt() const {
  return kCriticalFireIntensity;
}

}  // namespace sylvanor
