#pragma once
// The fuel model text file that fills the crown fire model's fuel model list.
//
// The first line is the units word, "ENGLISH" or "METRIC" (exact case). Every
// further line is either a comment (its first character is '#') or one fuel
// model of sixteen fields separated by white space (blanks, tabs):
//
//   number code load1 load10 load100 loadHerb loadWoody type sav1 savHerb
//   savWoody depth mxDead heatDead heatLive name
//
// Fields after the sixteenth are ignored. ENGLISH files give loads in
// ton/acre, SAVs in 1/ft, the depth in ft and heat contents in BTU/lb;
// METRIC files tonne/ha, 1/cm, cm and kJ/kg. The moisture of extinction is
// a percent in both. Models are held in English units (lb/ft2, 1/ft, ft,
// fraction, BTU/lb).
//
// Lines are read whole; a line's text ends at its first CR, LF or NUL.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "crownfire/HalvexTypes.h"

namespace sylvanor {

// The longest line the writer writes, in characters before the line end;
// the reader takes longer lines whole.
inline constexpr std::size_t kFuelModelLineLength = 254;

// Reads a fuel model file into `models` (emptied once the file is open) and
// sets `metric` from its units line. A line that does not give sixteen
// fields (numbers where numbers belong, all finite) is skipped without a
// message. An empty file leaves `metric` as it is and gives no models.
// False, with the message in `message`, when the file cannot be opened
// (the list is then left as it was) or its units line is wrong. `message` is
// emptied on success.
bool LoadFuelModelFile(const std::string& path, std::vector<CFuelModel>& models, bool& metric,
                       std::string& message);

// The same from an open stream, read from its current position; `models` is
// always emptied.
bool ReadFuelModelFile(std::istream& file, std::vector<CFuelModel>& models, bool& metric,
                       std::string& message);

// Writes the models as a fuel model file in the chosen units, with enough
// digits that LoadFuelModelFile reads back the same values (to about ten
// significant digits). The 10- and 100-hour SAVs and the cured herbaceous
// load are not part of the file. A code, type or name word that is empty is
// written "-", and blanks and other control characters inside a word become
// '_'. Nothing is written, and the result is false with a message, when a
// value is not a finite number or a model's line would be longer than 254
// characters; also when the file cannot be created.
bool WriteFuelModelFile(std::ostream& file, const std::vector<CFuelModel>& models, bool metric,
                        std::string& message);
bool WriteFuelModelFile(const std::string& path, const std::vector<CFuelModel>& models, bool metric,
                        std::string& message);

}  // namespace sylvanor
