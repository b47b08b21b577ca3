#pragma once
// General comma-separated row splitter, for files whose fields may be quoted.

#include <string>
#include <vector>

namespace sylvanor {

// Splits one line at `delimiter`. A double quote outside a quoted part starts
// one and is not kept; inside it the delimiter is an ordinary character, two
// double quotes stand for one and a single double quote ends it. Outside a
// quoted part CR, LF or the end of the text ends the row. Bytes above 127 are
// dropped. The last field is always added, so an empty line gives one empty
// text.
std::vector<std::string> csv_read_row(const std::string& line, char delimiter);

}  // namespace sylvanor
