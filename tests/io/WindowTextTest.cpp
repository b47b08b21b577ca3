#include "io/WindowText.h"

#include <gtest/gtest.h>

#include <string>

namespace sylvanor {

namespace {

TEST(StrToFloat, ReadsNonNegativeNumbersOnly) {
  const std::tuple<std::string, float, std::string> rows[] = {
      {" 12.5 ", 12.5f, ""},
      {"+4", 4, ""},
      {".25", 0.25f, ""},
      {"", 0, "Duff contains a blank "},
      {"   ", 0, "Duff contains (blank) an invalid number"},
      {"1e3", 0, "Duff contains (1e3) an invalid number"},
      {" 1,5", 0, "Duff contains ( 1,5) an invalid number"},
      {"-0.5", 0, "Duff contains (-0.5) negative number"},
  };
  for (const auto& [text, expected, message] : rows) {
    float value = 99.0f;
    std::string said = "old";
    EXPECT_EQ(StrToFloat(text, value, "Duff", said), message.empty()) << "'" << text << "'";
    EXPECT_EQ(said, message);
    EXPECT_EQ(value, expected) << "'" << text << "'";
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
