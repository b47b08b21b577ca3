#pragma once
// Volume of one tree through the volume library.

#include <string>

namespace sylvanor {

struct d_TreeVol {
  float CuFt = 0;    // total cubic feet
  float BdFt = 0;    // Scribner board feet
  float MeCuFt = 0;  // merchantable cubic feet
};

// Volumes of one tree by its equation identifier, DBH (in), merchantable top
// diameter (in) and total height (ft). Before the call a few inputs are
// adjusted (identifiers compared without case): "I00FW2W019" takes at most
// 350 ft of height; "A00CURW260" under 18 ft uses "200DVEW746"; a DBH under
// 1 in is taken as 1.0; "400MATW081" and "400MATW117" at 4.5 ft or less use
// "200DVEW746". Returns 1 with the three volumes, or 0 with all volumes 0
// and the library's error, the adjusted inputs and the error's text in
// `message`. The message is cleared first.
int TreeVolume(const std::string& eqId, float dbh, float topDia, float height, d_TreeVol& volumes,
               std::string& message);

}  // namespace sylvanor
