#include "io/WindowText.h"

#include <gtest/gtest.h>

#include <string>

namespace sylvanor {

namespace {

TEST(StrToFloat, ReadsNonNegativeNumbersOnly) {
  const std::pair<std::string, std::string> rejects[] = {
      {"", "Duff contains a blank "},
      {"   ", "Duff contains (blank) an invalid number"},
      {"1e3", "Duff contains (1e3) an invalid number"},
      {" 1,5", "Duff contains ( 1,5) an invalid number"},
      {"-0.5", "Duff contains (-0.5) negative number"},
  };
  for (const auto& [text, expected] : rejects) {
    float value = 99.0f;
    std::string message = "old";
    EXPECT_FALSE(StrToFloat(text, value, "Duff", message));
    EXPECT_EQ(message, expected);
    EXPECT_EQ(value, 0.0f);
  }
  for (const auto& [text, expected] : {std::pair{" 12.5 ", 12.5f}, {"+4", 4.0f}, {".25", 0.25f}}) {
    float value = 99.0f;
    std::string message = "old";
    EXPECT_TRUE(StrToFloat(text, value, "Litter", message));
    EXPECT_FLOAT_EQ(value, expected);
    EXPECT_EQ(message, "");
  }
}

TEST(InvalidMessage, NamesKindValueAndPlot) {
  const std::string tail =
      "Please Check \n--> It could be an invalid input file\n"
      "--> You might have the wrong project file selected\n    for the input file";
  EXPECT_EQ(InvalidMessage("rET", "X9", "P1"),
            "Retention Priority value 'X9' for Plot P1 is invalid.\n" + tail);
  EXPECT_EQ(InvalidMessage("Retention", "%s", "P 2"),
            "Treatment value '%s' for Plot P 2 is invalid.\n" + tail);
}

}  // namespace

}  // namespace sylvanor
