#pragma once
// The text helpers every reader rests on: lines (blank and comment lines,
// whole lines, trimming), words (white space splitting) and numbers (read
// with std::from_chars, so never dependent on the locale). Comma-separated
// fields are split by base/CsvRow.h.
//
// A "blank" is the space character only; "white space" is blank, tab, LF,
// VT, FF and CR.

#include <cstddef>
#include <istream>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace sylvanor {

inline constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

// ---- lines

// True for a text made only of blanks, CR and LF (the empty text included).
bool isBlankCR(std::string_view text);

// True when the first non-blank character of the text is '#'.
bool CommentLine(std::string_view text);

// The text of a line: up to its first CR, LF or NUL.
std::string_view LineText(std::string_view line);

// Reads the next line whole, its line end (LF) included when it has one.
// False at the end of the file.
bool ReadLineWithEnd(std::istream& file, std::string& line);

// Skips a heading line: reads up to and including its line end, but at most
// 2999 characters, so the rest of a longer heading is read as the next line.
void SkipHeadingLine(std::istream& file);

// The text without its leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);

// Removes leading and trailing blanks in place.
void Trim_LT(std::string& text);

// The line without its line ends (CR, LF) and its leading and trailing
// blanks.
std::string TrimmedLine(std::string line);

// Replaces every occurrence of `from` by `to`.
void StrRepChr(std::string& text, char from, char to);

// ---- words

// The words of the text, the runs of characters between white space; at
// most `most` of them (the rest of the text is not looked at). The words
// point into the text.
std::vector<std::string_view> SplitWords(
    std::string_view text, std::size_t most = std::numeric_limits<std::size_t>::max());

// ---- numbers

// Reads the number the text starts with: one optional sign ('+' or '-'),
// then digits; a real may also have a point and an exponent, or be "inf",
// "infinity" or "nan". Returns the count of characters read, or 0 (value
// unchanged) when the text does not start with a number or its value does
// not fit the type.
std::size_t ReadNumberStart(std::string_view text, int& value);
std::size_t ReadNumberStart(std::string_view text, double& value);

// True when the whole text is one number as ReadNumberStart reads it.
bool ReadWholeNumber(std::string_view text, int& value);
bool ReadWholeNumber(std::string_view text, double& value);

// Classifies a plain number text: 'I' integer, 'F' real, 'X' not a number.
// A text of 30 or more characters is 'X'. Otherwise, once leading and
// trailing blanks are dropped, it must be an optional '+' or '-' followed by
// digits and at most one '.', with at least one digit; a point makes it 'F'.
// Exponents, embedded blanks and an empty text are 'X'.
char Get_NumTyp(std::string_view text);

// Reads a plain number text: one that Get_NumTyp classes 'I' (into an int or
// a double) or 'F' (into a double). False when the text is not such a number
// or its value does not fit the type.
bool ReadNumber(std::string_view text, int& value);
bool ReadNumber(std::string_view text, double& value);

}  // namespace sylvanor
