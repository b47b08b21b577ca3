#include "io/WindowText.h"

#include <string_view>

#include "base/Keyword.h"
#include "base/TextUtil.h"

namespace sylvanor {

bool StrToFloat(const std::string& text, float& value, const std::string& label,
                std::string& message) {
  value = 0.0f;
  message.clear();
  if (text.empty()) {
    message = label + " contains a blank ";
    return false;
  }
  double number = 0.0;
  if (!ReadNumber(text, number)) {
    std::string shown = text;
    Trim_LT(shown);
    message = label + " contains (" + (shown.empty() ? std::string("blank") : text) +
              ") an invalid number";
    return false;
  }
  if (number < 0.0) {
    message = label + " contains (" + text + ") negative number";
    return false;
  }
  value = static_cast<float>(number);
  return true;
}

std::string InvalidMessage(const std::string& kind, const std::string& value,
                           const std::string& plot) {
  const std::string name = SameKeyword(kind, "Ret") ? "Retention Priority" : "Treatment";
  return name + " value '" + value + "' for Plot " + plot + " is invalid.\n" + "Please Check \n" +
         "--> It could be an invalid input file\n" +
         "--> You might have the wrong project file selected\n" + "    for the input file";
}

}  // namespace sylvanor
