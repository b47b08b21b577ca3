#pragma once
// The settings window without the window: the canopy bulk density
// threshold (kg/m3) that every run uses, and the number of decimals the
// slash values are shown with.

#include <string>

namespace sylvanor {

class c_MainWindowState;

// The threshold's limits, kg/m3, both allowed.
inline constexpr double kCBDThresholdMin = 0.001;
inline constexpr double kCBDThresholdMax = 1.0;
// The decimals of slash values.
inline constexpr int kDecimalsMin = 1;
inline constexpr int kDecimalsMax = 3;
inline constexpr int kDecimalsDefault = 2;

// Reads the threshold box: a plain number from 0.001 to 1.0, blanks around
// it allowed. Anything else gives "Settings Form Canopy Bulk Density
// Threshold <text> is out of limits 0.001 -> 1.0" (two blanks after
// "Density", the text as typed) and false, `value` unchanged.
bool ReadCBDThreshold(const std::string& text, float& value, std::string& message);

// A number of decimals brought within 1 to 3.
int ClampDecimals(int decimals);

// What the settings window shows and hands back.
struct d_SettingsForm {
  std::string CBDThreshold;
  int Decimals = kDecimalsDefault;
};

// The window's fields from the state: the threshold box and the project's
// decimals.
d_SettingsForm SettingsFormFields(const c_MainWindowState& state);

// Accepting the window: a threshold that cannot be read gives its message
// and false, and nothing is stored; otherwise the threshold goes into the
// main window's box and the decimals (brought within 1 to 3) into the
// project.
bool ApplySettingsForm(c_MainWindowState& state, const d_SettingsForm& form, std::string& message);

}  // namespace sylvanor
