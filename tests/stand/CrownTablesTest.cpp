#include "stand/CrownTables.h"

#include <gtest/gtest.h>

namespace sylvanor {

namespace {

TEST(CrownTablesTest, CrownClassesMapOntoTheFiveColumns) {
  EXPECT_FLOAT_EQ(ET_CrownRed("PP", "D"), 0.55f);
  EXPECT_FLOAT_EQ(ET_CrownRed("PP", "S"), 0.15f);
  EXPECT_FLOAT_EQ(ET_CrownRed("WL", "C"), 0.45f);
  EXPECT_FLOAT_EQ(ET_CrownRed("WL", "O"), 0.45f);   // open grown counts as codominant
  EXPECT_FLOAT_EQ(ET_CrownRed("WL", "E"), 1.00f);   // emergent counts as dominant
  EXPECT_FLOAT_EQ(ET_CrownRed("WL", "SC"), 0.30f);  // as intermediate
  EXPECT_FLOAT_EQ(ET_CrownRed("wl", "sc"), 0.30f);
  EXPECT_FLOAT_EQ(ET_CrownRed("WP", "N"), 0.70f);  // any other class: the last column
  EXPECT_FLOAT_EQ(ET_CrownRed("WP", "X"), 0.70f);
  EXPECT_FLOAT_EQ(ET_CrownRed("PJ", "S"), 1.00f);
}

TEST(CrownTablesTest, UnknownReductionCodeGivesZero) {
  EXPECT_EQ(ET_CrownRed("XX", "D"), 0.0f);
  EXPECT_EQ(ET_CrownRed("", "D"), 0.0f);
}

TEST(CrownTablesTest, CrownWidthBelowAndAboveBreastHeight) {
  // code 16: at 4.5 ft w = 0.517 * 10 = 5.17, area 3.14159 * 2.585^2
  EXPECT_NEAR(ET_CrownArea("16", 10.0f, 4.5f), 20.99281f, 1e-3f);
  // above: w = 4.4215 * 10^0.5329 = 15.08237, area 3.14159 * 7.54119^2
  EXPECT_NEAR(ET_CrownArea("16", 10.0f, 20.0f), 178.6606f, 1e-2f);
  // codes are whole numbers written as text: "09" is 9
  EXPECT_NEAR(ET_CrownArea("09", 3.0f, 20.0f), 38.69766f, 1e-3f);
}

TEST(CrownTablesTest, UnknownCanopyCodeGivesMinusOne) {
  for (const char* code : {"6", "38", "40", "0", "", "ABC", "9.5"}) {
    EXPECT_EQ(ET_CrownArea(code, 10.0f, 20.0f), -1.0f) << code;
  }
}

}  // namespace

}  // namespace sylvanor
