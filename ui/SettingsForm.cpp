#include "ui/SettingsForm.h"

#include <algorithm>

#include "base/CFormat.h"
#include "base/TextUtil.h"
#include "ui/MainWindowState.h"

namespace sylvanor {

bool ReadCBDThreshold(const std::string& text, float& value, std::string& message) {
  double threshold = 0;
  if (!ReadNumber(TrimBlanks(text), threshold) || threshold < kCBDThresholdMin ||
      threshold > kCBDThresholdMax) {
    message = CFormat("%s Threshold %s is out of limits 0.001 -> 1.0",
                      "Settings Form Canopy Bulk Density ", text);
    return false;
  }
  value = static_cast<float>(threshold);
  message.clear();
  return true;
}

int ClampDecimals(int decimals) {
  return std::clamp(decimals, kDecimalsMin, kDecimalsMax);
}

d_SettingsForm SettingsFormFields(const c_MainWindowState& state) {
  return {state.Inputs().CBDThreshold, ClampDecimals(state.Project().DecimalPrecision)};
}

bool ApplySettingsForm(c_MainWindowState& state, const d_SettingsForm& form, std::string& message) {
  float threshold = 0;
  if (!ReadCBDThreshold(form.CBDThreshold, threshold, message)) return false;
  state.Inputs().CBDThreshold = form.CBDThreshold;
  state.EditProject().DecimalPrecision = ClampDecimals(form.Decimals);
  return true;
}

}  // namespace sylvanor
