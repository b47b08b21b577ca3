#include "stand/MortalitySpecies.h"

#include <fstream>

#include "base/CFormat.h"
#include "base/CsvRow.h"
#include "base/Keyword.h"
#include "base/TextUtil.h"
#include "platform/FileLookup.h"

namespace sylvanor {

namespace {

constexpr std::size_t kFieldsPerLine = 11;

// The fields of a record line: comma-separated, with quoted parts, bytes
// above 127 dropped and every field trimmed.
constexpr CsvRules kFieldRules{.quotes = CsvQuotes::Csv, .trim = true, .asciiOnly = true};

// A whole number field is the number its text starts with: an optional '+'
// (which may stand before a '-'), then an optional '-' and digits; what
// follows them is ignored, and a field that does not start with a number, or
// whose number does not fit, is 0.
int LeadingInt(std::string_view text) {
  if (text.starts_with("+-")) text.remove_prefix(1);
  int value = 0;
  ReadNumberStart(text, value);
  return value;
}

bool IsDefaultRecord(const d_MortSpe& record) {
  return SameKeyword(record.Species, kDefaultMortalitySpecies);
}

}  // namespace

int MRT_LoadSpeFile(const std::string& path, MortalityTable& table, std::string& message) {
  table.clear();
  std::ifstream file(FindFileNoCase(path), std::ios::binary);
  if (!file) {
    message = CFormat("Can't Open Input Qorvel Mortality Species Equation File:\n %s \n", path) +
              "Check path and file name.";
    return 0;
  }
  MRT_ReadSpe(file, table);
  return 1;
}

void MRT_ReadSpe(std::istream& file, MortalityTable& table) {
  table.clear();
  // Lines are read whole: a long line is one record, never split in two.
  std::string line;
  while (table.size() < kMortalityRecords && std::getline(file, line)) {
    // the record ends at its first CR or LF
    line = std::string(TrimBlanks(std::string_view(line).substr(0, line.find_first_of("\r\n"))));
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string> fields = SplitFields(line, kFieldRules);
    if (fields.size() < kFieldsPerLine) continue;
    if (fields[1].empty()) continue;

    d_MortSpe record;
    record.Species = fields[1];
    record.CommonName = fields[2];
    record.SciName = fields[3];
    record.EqCode = fields[4];
    record.BarkNum = LeadingInt(fields[5]);
    for (std::size_t i = 0; i < record.Param.size(); ++i)
      record.Param[i] = LeadingInt(fields[6 + i]);
    table.push_back(std::move(record));
  }
}

std::string_view MRT_EqType(std::string_view eqCode) {
  if (Get_NumTyp(eqCode) != 'I') return kEqCrownCambium;
  int number = 0;
  if (ReadNumber(eqCode, number)) return number < 100 ? kEqCrownScorch : kEqBoleChar;
  // a whole number too long for an int is far from 100 on the side of its sign
  return eqCode.find('-') == std::string_view::npos ? kEqBoleChar : kEqCrownScorch;
}

const d_MortSpe* MRT_SpeciesRecord(const MortalityTable& table, std::string_view species) {
  for (const d_MortSpe& record : table) {
    if (record.Species == species) return &record;
  }
  if (!table.empty() && IsDefaultRecord(table.back())) return &table.back();
  return nullptr;
}

bool MRT_SpeciesCheck(const MortalityTable& table, std::string_view species,
                      std::string_view eqType) {
  bool known = false;
  for (const d_MortSpe& record : table) {
    if (!(record.Species == species)) continue;
    known = true;
    if (SameKeyword(MRT_EqType(record.EqCode), eqType)) return true;
  }
  if (known || table.empty() || !IsDefaultRecord(table.back())) return false;
  return SameKeyword(MRT_EqType(table.back().EqCode), eqType);
}

}  // namespace sylvanor
