#include "ui/SettingsForm.h"

#include <gtest/gtest.h>

#include "ui/MainWindowState.h"

namespace sylvanor {

namespace {

std::string OutOfLimits(const std::string& text) {
  return "Settings Form Canopy Bulk Density  Threshold " + text + " is out of limits 0.001 -> 1.0";
}

}  // namespace

TEST(SettingsFormTest, TheThresholdIsReadWithinItsLimits) {
  const struct {
    const char* text;
    bool ok;
    float value;
  } rows[] = {{"0.0009", false, 0},   {"0.001", true, 0.001f}, {"1.0", true, 1.0f},
              {"1.0001", false, 0},   {"x", false, 0},         {"", false, 0},
              {" 0.25 ", true, 0.25f}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string("threshold '") + row.text + "'");
    float value = -7;
    std::string message = "old";
    EXPECT_EQ(ReadCBDThreshold(row.text, value, message), row.ok);
    EXPECT_EQ(message, row.ok ? "" : OutOfLimits(row.text));
    EXPECT_FLOAT_EQ(value, row.ok ? row.value : -7);
  }
}

TEST(SettingsFormTest, AcceptingStoresBothOrNothing) {
  // decimals outside 1 to 3 are brought to the nearer limit
  const struct {
    const char *threshold, *storedThreshold;
    int decimals, storedDecimals;
  } rows[] = {{"0.05", "0.05", 3, 3},
              {"0.05", "0.05", 0, 1},
              {"0.05", "0.05", 4, 3},
              {"2", "0.012", 3, 2},
              {"", "0.012", 1, 2}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.threshold) + " " + std::to_string(row.decimals));
    c_MainWindowState state;
    const d_SettingsForm shown = SettingsFormFields(state);
    EXPECT_EQ(shown.CBDThreshold + "/" + std::to_string(shown.Decimals), "0.012/2");
    std::string message;
    const bool ok = row.storedThreshold == std::string(row.threshold);
    EXPECT_EQ(ApplySettingsForm(state, {row.threshold, row.decimals}, message), ok);
    EXPECT_EQ(message, ok ? "" : OutOfLimits(row.threshold));
    EXPECT_EQ(state.Inputs().CBDThreshold, row.storedThreshold);
    EXPECT_EQ(state.Project().DecimalPrecision, row.storedDecimals);
  }
}

}  // namespace sylvanor
