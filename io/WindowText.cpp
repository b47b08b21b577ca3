#include "io/WindowText.h"

#include <charconv>
#include <string_view>
#include <system_error>

#include "io/TextUtil.h"

namespace {

// Reads a text that Get_NumTyp classed 'I' or 'F' (under 30 characters, so
// always within the range of a float), whatever the locale.
bool ParseReal(std::string_view text, double& value) {
  const auto first = text.find_first_not_of(' ');
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (text.front() == '+') text.remove_prefix(1);
  const char* last = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), last, value);
  return ec == std::errc() && ptr == last;
}

bool IsRetention(std::string_view kind) {
  constexpr std::string_view kRet = "ret";
  if (kind.size() != kRet.size()) return false;
  for (std::size_t i = 0; i < kind.size(); ++i) {
    const char c = kind[i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != kRet[i]) return false;
  }
  return true;
}

}  // namespace

bool StrToFloat(const std::string& text, float& value, const std::string& label,
                std::string& message) {
  value = 0.0f;
  message.clear();
  if (text.empty()) {
    message = label + " contains a blank ";
    return false;
  }
  const char kind = Get_NumTyp(text);
  double number = 0.0;
  if ((kind != 'I' && kind != 'F') || !ParseReal(text, number)) {
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

std::string _InvalidMessage(const std::string& kind, const std::string& value,
                            const std::string& plot) {
  const std::string name = IsRetention(kind) ? "Retention Priority" : "Treatment";
  return name + " value '" + value + "' for Plot " + plot + " is invalid.\n" + "Please Check \n" +
         "--> It could be an invalid input file\n" +
         "--> You might have the wrong project file selected\n" + "    for the input file";
}
