#pragma once
// Reading numbers typed into window fields, and the texts of the messages a
// window shows about them. Nothing here shows a window: the texts are
// returned for the caller to show.

#include <string>

namespace sylvanor {

// Reads a non-negative number typed into the window field called `label`.
// `value` starts at 0 and `message` empty. On an empty text, a text that is
// not a plain number (see Get_NumTyp) or a negative number, leaves the reason
// in `message`, keeps `value` at 0 and returns false.
bool StrToFloat(const std::string& text, float& value, const std::string& label,
                std::string& message);

// The text of the message box about an invalid treatment or retention
// priority value of a plot. A `kind` of "Ret" (any case) names a retention
// priority, any other a treatment.
std::string InvalidMessage(const std::string& kind, const std::string& value,
                           const std::string& plot);

}  // namespace sylvanor
