#include "base/CsvRow.h"

#include <utility>

namespace sylvanor {

std::vector<std::string> csv_read_row(const std::string& line, char delimiter) {
  std::vector<std::string> row;
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (static_cast<unsigned char>(c) > 127) continue;
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == delimiter) {
      row.push_back(std::move(field));
      field.clear();
    } else if (c == '\r' || c == '\n') {
      break;
    } else {
      field += c;
    }
  }
  row.push_back(std::move(field));
  return row;
}

}  // namespace sylvanor
