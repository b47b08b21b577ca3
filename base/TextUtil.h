#pragma once
// Small text helpers the line-oriented readers rest on: blank and comment
// line detection, trimming, character replacement and number classification.
// A "blank" here is the space character only.

#include <istream>
#include <string>
#include <string_view>

namespace sylvanor {

// True for a text made only of blanks, CR and LF (the empty text included).
bool isBlankCR(std::string_view text);

// Reads the next line whole, its line end (LF) included when it has one.
// False at the end of the file.
bool ReadLineWithEnd(std::istream& file, std::string& line);

// Skips a heading line the way a 3000-character line buffer reads it: at
// most 2999 characters, so the rest of a longer heading is left unread.
void SkipHeadingLine(std::istream& file);

// Removes leading and trailing blanks in place.
void Trim_LT(std::string& text);

// The line without its line ends (CR, LF) and its leading and trailing
// blanks.
std::string TrimmedLine(std::string line);

// Replaces every occurrence of `from` by `to`.
void StrRepChr(std::string& text, char from, char to);

// True when the first non-blank character of the text is '#'.
bool _CommentLine(std::string_view text);

// Classifies a number text: 'I' integer, 'F' real, 'X' not a number.
// A text of 30 or more characters is 'X'. Otherwise, once leading and
// trailing blanks are dropped, it must be an optional '+' or '-' followed by
// digits and at most one '.', with at least one digit; a point makes it 'F'.
// Exponents, embedded blanks and an empty text are 'X'.
char Get_NumTyp(std::string_view text);

// Reads a number text that Get_NumTyp classes 'I' (into an int or a double)
// or 'F' (into a double), whatever the locale. False when the text is not
// such a number or its value does not fit the type.
bool ReadNumber(std::string_view text, int& value);
bool ReadNumber(std::string_view text, double& value);

}  // namespace sylvanor
