#include "stand/CrownTables.h"

#include <gtest/gtest.h>

namespace sylvanor {

// "O" counts as codominant, "E" as dominant, "SC" as intermediate and any
// other class takes the last column; an unknown code gives 0.
TEST(CrownTablesTest, CrownClassesMapOntoTheFiveColumns) {
  const struct {
    const char *code, *crownClass;
    float factor;
  } rows[] = {{"PP", "D", 0.55f}, {"PP", "S", 0.15f},  {"WL", "C", 0.45f}, {"WL", "O", 0.45f},
              {"WL", "E", 1.00f}, {"WL", "SC", 0.30f}, {"wl", "sc", 0.3f}, {"WP", "N", 0.70f},
              {"WP", "X", 0.70f}, {"PJ", "S", 1.00f},  {"XX", "D", 0.0f},  {"", "D", 0.0f}};
  for (const auto& r : rows)
    EXPECT_EQ(ET_CrownRed(r.code, r.crownClass), r.factor) << r.code << " " << r.crownClass;
}

TEST(CrownTablesTest, CrownWidthBelowAndAboveBreastHeight) {
  // code 16: at 4.5 ft w = 0.517 * 10 = 5.17, area 3.14159 * 2.585^2
  EXPECT_NEAR(ET_CrownArea("16", 10.0f, 4.5f), 20.99281f, 1e-3f);
  // above: w = 4.4215 * 10^0.5329 = 15.08237, area 3.14159 * 7.54119^2
  EXPECT_NEAR(ET_CrownArea("16", 10.0f, 20.0f), 178.6606f, 1e-2f);
  // codes are whole numbers written as text: "09" is 9, w = 4.092 * 3^0.4912
  EXPECT_NEAR(ET_CrownArea("09", 3.0f, 20.0f), 38.69766f, 1e-3f);
  for (const char* code : {"6", "38", "40", "0", "", "ABC", "9.5"})
    EXPECT_EQ(ET_CrownArea(code, 10.0f, 20.0f), -1.0f) << code;
}

}  // namespace sylvanor
