#include "base/ColumnReader.h"

#include <climits>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <vector>

#include "base/CsvRow.h"
#include "base/TextUtil.h"

namespace sylvanor {

namespace {

constexpr std::size_t kMaxColumns = 2000;
constexpr std::size_t kMessageLimit = 3000;

constexpr std::string_view kBadTable = "ERROR - CDF_Get - Logic Error, bad type in CDF struct.";
constexpr std::string_view kMessageFull =
    "ERROR - CDF_Get - Error Message too Small Please make bigger: %d ";
constexpr std::string_view kFormatError = "> Format of input is incorrect !\n";

template <class T>
bool HasTarget(const d_CDF& entry) {
  const T* target = std::get_if<T>(&entry.target);
  return target != nullptr && *target != nullptr;
}

bool EntryIsValid(const d_CDF& entry) {
  switch (entry.type) {
    case 's':
      return HasTarget<std::string*>(entry) && entry.width >= 1;
    case 'i':
    case 'l':
      return HasTarget<int*>(entry);
    case 'f':
      return HasTarget<float*>(entry);
    case 'c':
      return HasTarget<char*>(entry);
    default:
      return false;
  }
}

// Number of columns of the table (the entries before 'x' or the end of the
// span), or nothing when the table is invalid.
std::optional<std::size_t> ColumnCount(std::span<const d_CDF> table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    const d_CDF& entry = table[i];
    if (entry.type == 'x') {
      if (!std::holds_alternative<std::monostate>(entry.target)) return std::nullopt;
      return i;
    }
    if (i >= kMaxColumns || !EntryIsValid(entry)) return std::nullopt;
  }
  return table.size();
}

void SetMissing(const d_CDF& entry) {
  switch (entry.type) {
    case 's':
      std::get<std::string*>(entry.target)->clear();
      break;
    case 'i':
    case 'l':
      *std::get<int*>(entry.target) = -1;
      break;
    case 'f':
      *std::get<float*>(entry.target) = -1.0f;
      break;
    case 'c':
      *std::get<char*>(entry.target) = ' ';
      break;
    default:
      break;
  }
}

// Adds a message; messages of one row are separated by line ends.
void Append(std::string& message, std::initializer_list<std::string_view> parts) {
  if (!message.empty() && message.back() != '\n') message.push_back('\n');
  for (const std::string_view part : parts)
    message.append(part);
}

// Stores a non-empty field in the entry's target, adding a warning for a bad
// value (whose target then keeps its missing value).
void Convert(const d_CDF& entry, const std::string& field, std::string& message) {
  switch (entry.type) {
    case 's': {
      const std::size_t room = static_cast<std::size_t>(entry.width) - 1;
      std::string& target = *std::get<std::string*>(entry.target);
      if (field.size() > room) {
        Append(message,
               {"The '", entry.name, "' record field is to long, will trunc. chars to fit."});
        target.assign(field, 0, room);
      } else {
        target = field;
      }
      break;
    }
    case 'i':
    case 'l': {
      int value = 0;
      if (Get_NumTyp(field) != 'I') {
        if (entry.type == 'i') {
          Append(message,
                 {"The '", entry.name, "' record field has invalid integer: Data = |", field, "|"});
        } else {
          Append(message, {"The '", entry.name, "' record field has invalid integer"});
        }
      } else if (ReadNumber(field, value)) {
        *std::get<int*>(entry.target) = value;
      } else {
        Append(message,
               {"The '", entry.name,
                "' record field has an integer overflow, will set to Missing. Data=|", field, "|"});
      }
      break;
    }
    case 'f': {
      double value = 0.0;
      if (!ReadNumber(field, value)) {
        Append(message, {"The '", entry.name, "' record field has invalid floating point number"});
      } else {
        *std::get<float*>(entry.target) = static_cast<float>(value);
      }
      break;
    }
    case 'c':
      if (field.size() > 1) {
        Append(message, {"The '", entry.name,
                         "' record field (char field) is more than one char in length, will use "
                         "1st char."});
      }
      *std::get<char*>(entry.target) = field.front();
      break;
    default:
      break;
  }
}

// Reads lines until one that holds data; false at end of file.
bool ReadDataLine(std::istream& file, std::string& line) {
  while (std::getline(file, line)) {
    StrRepChr(line, '\t', ' ');
    // a NUL ends the line's text, as LF and CR do
    const std::string_view text = std::string_view(line).substr(0, line.find('\0'));
    if (!isBlankCR(text) && !CommentLine(text)) return true;
  }
  return false;
}

// A field is the text between two commas with its double quotes made blanks
// and its blanks trimmed.
constexpr CsvRules kFieldRules{.quotes = CsvQuotes::Blank, .trim = true};

}  // namespace

int CDF_Get(std::span<const d_CDF> table, std::istream& file, std::string& message) {
  message.clear();
  const std::optional<std::size_t> count = ColumnCount(table);
  if (!count) {
    message = kBadTable;
    return -2;
  }
  const std::span<const d_CDF> columns = table.first(*count);
  for (const d_CDF& entry : columns)
    SetMissing(entry);

  std::string line;
  if (!ReadDataLine(file, line)) return 0;

  // A line whose text is empty (it starts with a CR) gives every column an
  // empty field.
  const std::string_view text = LineText(line);
  const std::vector<std::string> fields =
      text.empty() ? std::vector<std::string>(columns.size()) : SplitFields(text, kFieldRules);
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const bool cut = k < fields.size();
    if (!cut) {
      Append(message, {kFormatError});
    } else if (!fields[k].empty()) {
      Convert(columns[k], fields[k], message);
    }
    if (message.size() >= kMessageLimit) {
      message = kMessageFull;
      return -2;
    }
    if (!cut) return -1;
  }
  return 1;
}

int Find_Comma(const std::string& line, int n) {
  if (n <= 0) return 0;
  // positions are ints: a line past INT_MAX characters is read as ending there
  const std::string_view text = LineText(std::string_view(line).substr(0, INT_MAX));
  std::size_t comma = 0;
  for (int k = 0; k < n; ++k, ++comma) {
    comma = text.find(',', comma);
    if (comma == std::string_view::npos) return static_cast<int>(text.size());
  }
  return static_cast<int>(comma - 1);
}

bool Get_SubStr(const std::string& line, std::string& field, int start, int end,
                std::string& message) {
  field.clear();
  if (start == 0 && end == 0) return true;
  if (start < 0 || end < 0 || static_cast<std::size_t>(end) > line.size() || start >= end) {
    message.append(kFormatError);
    return false;
  }
  // `end` may be the position just past the text (its end); substr() stops there
  std::string piece =
      line.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start) + 1);
  StrRepChr(piece, ',', ' ');
  StrRepChr(piece, '"', ' ');
  field = TrimBlanks(LineText(piece));
  return true;
}

}  // namespace sylvanor
