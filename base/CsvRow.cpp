#include "base/CsvRow.h"

#include <utility>

#include "base/TextUtil.h"

namespace sylvanor {

std::vector<std::string> SplitFields(std::string_view row, const CsvRules& rules) {
  std::vector<std::string> fields;
  std::string field;
  const auto close = [&] {
    if (rules.trim) Trim_LT(field);
    if (!rules.skipEmpty || !field.empty()) fields.push_back(std::move(field));
    field.clear();
  };
  bool quoted = false;
  for (std::size_t i = 0; i < row.size(); ++i) {
    const char c = row[i];
    if (rules.asciiOnly && static_cast<unsigned char>(c) > 127) continue;
    if (c == '"' && rules.quotes != CsvQuotes::Plain) {
      if (rules.quotes == CsvQuotes::Blank) {
        field += ' ';
      } else if (rules.quotes == CsvQuotes::Group) {
        quoted = !quoted;
        field += ' ';
      } else if (!quoted) {
        quoted = true;
      } else if (i + 1 < row.size() && row[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (quoted) {
      field += c;
    } else if (c == rules.delimiter) {
      close();
    } else if (rules.lineEnd && (c == '\r' || c == '\n')) {
      break;
    } else {
      field += c;
    }
  }
  close();
  return fields;
}

std::vector<std::string> csv_read_row(const std::string& line, char delimiter) {
  return SplitFields(
      line, {.delimiter = delimiter, .quotes = CsvQuotes::Csv, .lineEnd = true, .asciiOnly = true});
}

std::string CsvQuoted(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string quoted = "\"";
  for (const char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace sylvanor
