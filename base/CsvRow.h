#pragma once
// The one splitter of delimiter-separated rows ("a,b,c"), with the quoting
// rules of the files that are read as options.

#include <string>
#include <string_view>
#include <vector>

namespace sylvanor {

// What a double quote does in a row.
enum class CsvQuotes {
  Plain,  // nothing: it is an ordinary character
  Blank,  // it becomes a blank; the delimiter still separates fields
  Group,  // it becomes a blank, and opens or closes a part in which the
          // delimiter is an ordinary character
  Csv,    // it opens a quoted part and is dropped; inside the part the
          // delimiter, CR and LF are ordinary characters, two double quotes
          // stand for one and a single one closes the part
};

struct CsvRules {
  char delimiter = ',';
  CsvQuotes quotes = CsvQuotes::Plain;
  bool trim = false;       // blanks trimmed off both ends of every field
  bool skipEmpty = false;  // fields that are empty (once trimmed) left out
  bool lineEnd = false;    // a CR or LF outside a quoted part ends the row
  bool asciiOnly = false;  // bytes above 127 dropped
};

// The fields of one row. Every delimiter outside a quoted part ends a field
// and the last field is always there, so an empty row gives one empty field
// (unless empty fields are skipped).
std::vector<std::string> SplitFields(std::string_view row, const CsvRules& rules);

// The fields of a comma- (or other `delimiter`-) separated line with quoted
// parts: CsvQuotes::Csv, ended by CR or LF, bytes above 127 dropped, fields
// not trimmed.
std::vector<std::string> csv_read_row(const std::string& line, char delimiter);

// A field as a CSV file writes it: as it stands, or between double quotes
// (those inside doubled) when it holds a comma, a double quote, CR or LF.
std::string CsvQuoted(std::string_view field);

}  // namespace sylvanor
