#pragma once
// A whole project file read back into what the window saves in it
// (d_PrjData, io/ProjectFile.h): the window opens a project with this and
// saves it with Prj_WriteFile, and a project written and read again is the
// same project.

#include <string>

#include "io/ProjectFile.h"
#include "io/ProjectIndex.h"

namespace sylvanor {

// The project's data. Names are read with their '$' turned back into blanks;
// the numbered records (species rows, species groups, retention priority
// sets, treatments) are read from 0 up to the first number missing. A
// keyword the file does not hold leaves its field at d_PrjData's default; a
// number that cannot be read is 0; the decimals of slash values are kept
// within 1 to 3. The colour scheme is the first of "Color1", "Color2" and
// "ColorCustom" that has a line.
d_PrjData Prj_ReadData(const c_PrjIndex& project);

// The project file at `path` read into `data`: 1, or 0 with "Can't Open
// Project File: %s\n" in `message` (its reason added when it is a folder).
int Prj_ReadFile(const std::string& path, d_PrjData& data, std::string& message);

}  // namespace sylvanor
