#pragma once
// Table-driven reader of comma-separated input files.
//
// A caller describes a file's columns once, as an array of d_CDF records in
// the file's column order closed by an entry of type 'x', each naming the
// column, giving its type and pointing at the variable that receives its
// value. CDF_Get then reads one data row per call and stores every column's
// value in its target. Bad values become the missing value of their type and
// leave a warning in the message while the row is still returned.
//
// Missing values: text "" (empty), 'i' and 'l' -1, 'f' -1, 'c' ' ' (blank).

#include <istream>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace sylvanor {

struct d_CDF {
  std::string_view name;  // column name, quoted in messages
  // 's' text, 'i' integer, 'l' long integer (32-bit), 'f' real,
  // 'c' single character, 'x' end of table
  char type;
  // for 's': size of the target text counting a terminator, so the text
  // holds at most width - 1 characters; 0 otherwise
  int width;
  // 's' std::string*, 'i' and 'l' int*, 'f' float*, 'c' char*, 'x' none
  std::variant<std::monostate, std::string*, int*, float*, char*> target;
};

// Reads the next data row of `file` into the targets of `table`. Lines made
// only of blanks, CR and LF, and comment lines (first non-blank character
// '#'), are skipped; tabs count as blanks. Columns of the line beyond the
// table are ignored. The end of the span also ends the table. The messages
// of one row are separated by line ends.
//
// Returns
//    1  a row was read; `message` may hold warnings about bad values
//    0  end of file
//   -1  the row has fewer fields than the table has columns; `message`
//       ends with "> Format of input is incorrect !\n"
//   -2  the table is invalid (a type letter other than s i l f c x, a target
//       that does not match its type, an 's' width below 1 or more than 2000
//       entries before 'x'), or the message reached its limit of 3000
//       characters; `message` holds the error.
int CDF_Get(std::span<const d_CDF> table, std::istream& file, std::string& message);

// Position of the n-th comma of the line (0 for n <= 0), or the position of
// the line's end when the line has fewer commas. The line ends at its first
// LF, CR or NUL character, or at the end of the text.
int Find_Comma(const std::string& line, int n);

// Cuts one field: the characters from `start` through `end` inclusive
// (including the delimiting commas) with commas and double quotes turned to
// blanks, the text ended at the first LF, CR or NUL and blanks trimmed.
// start == end == 0 gives an empty field. When `start` or `end` lies outside
// the line, or `start` is not before `end`, adds
// "> Format of input is incorrect !\n" to `message` and returns false.
bool Get_SubStr(const std::string& line, std::string& field, int start, int end,
                std::string& message);

}  // namespace sylvanor
