#pragma once
// The crown tables of the species table: crown reduction factors by crown
// class, and crown width from DBH by canopy cover code.

#include <string_view>

namespace sylvanor {

// Factor that multiplies every crown fuel component of a tree of the crown
// class under the crown reduction code (both compared without case). "SC"
// counts as intermediate, "O" as codominant and "E" as dominant; a class
// other than D, C, I and S (for example "N") takes the last column. 0 when
// the code is not in the table.
float ET_CrownRed(std::string_view code, std::string_view crownClass);

// Crown area (ft2) of a tree of the DBH (in) and height (ft) under the
// canopy cover code (a whole number written as text): crown width
// a DBH^b above 4.5 ft, c DBH at or below, the area that of its circle.
// -1 when the code is not in the table.
float ET_CrownArea(std::string_view code, float dbh, float height);

}  // namespace sylvanor
