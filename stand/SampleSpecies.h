#pragma once
// The sample species file: the built-in species table written out in the
// species file layout, with comment lines telling the user how to make it
// their own species file.

#include <ostream>
#include <string>

namespace sylvanor {

// Writes the head of the sample species file.
void _Heading(std::ostream& file);

// Writes "sample-species.csv" in the folder. Returns 1 with "File Created:"
// and the path in `message`, or 0 with the path and "Can't Open File".
int Create_SamSpe_ESD(const std::string& folder, std::string& message);

}  // namespace sylvanor
