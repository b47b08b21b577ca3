#include "stand/WesternConifer.h"

#include <gtest/gtest.h>

#include "stand/EquationTable.h"

namespace sylvanor {

namespace {

TEST(WesternConifer, PonderosaPineOfTenInches) {
  // Total = e^(0.268 + 2.074 x 2.302585) = e^5.04356 = 155.02
  const float total = BT_Weight("PP", kTotal, 10.0f);
  EXPECT_NEAR(total, 155.02, 0.02);
  // Fol 0.558 e^-0.475 = 0.34701 -> 155.02 x 0.34701 = 53.794
  EXPECT_NEAR(BT_Weight("PP", kFoliage, 10.0f), 53.794, 0.01);
  // Twg 0.625 e^-0.511 = 0.37493; (0.37493 - 0.34701) x 155.02 = 4.329
  EXPECT_NEAR(BT_Weight("PP", kTwig, 10.0f), 4.329, 0.005);
  // 3in 1.083 - 0.0131 x 10 = 0.952 (above xL = 6.5); 3inP is 1
  // Br-3inP = 155.02 x (1 - 0.952) = 7.441
  EXPECT_NEAR(BT_Weight("PP", kBr3inP, 10.0f), 7.441, 0.005);

  // every cumulative step is positive here, so the parts make up the total
  float sum = 0.0f;
  for (int slot = kFoliage; slot <= kBr3inP; ++slot)
    sum += BT_Weight("PP", slot, 10.0f);
  EXPECT_NEAR(sum, total, 0.01);
}

TEST(WesternConifer, LimitsHoldTheFractions) {
  // a 6 in "PP" is at or below xL = 6.5 of its "3in" row, which gives 1.0,
  // the same as "3inP": nothing is left above 3 in
  EXPECT_EQ(BT_Weight("PP", kBr3inP, 6.0f), 0.0f);
  // and the whole rest above 1 in is 1-3 in: T = e^(0.268 + 2.074 ln 6) = 53.737,
  // 1in = 0.985 e^-0.186 = 0.81783; 53.737 x (1 - 0.81783) = 9.790
  EXPECT_NEAR(BT_Weight("PP", kBr3in, 6.0f), 9.790, 0.005);

  // a 40 in "GF" is above xU = 36: foliage and twig fractions are both 0.286
  // T = e^(1.3094 + 1.6076 ln 40) = 1393.6
  EXPECT_EQ(BT_Weight("GF", kTwig, 40.0f), 0.0f);
  EXPECT_NEAR(BT_Weight("GF", kFoliage, 40.0f), 1393.6 * 0.286, 0.5);
  EXPECT_NEAR(BT_Weight("GF", kBr1in, 40.0f), 1393.6 * (0.488 - 0.286), 0.5);

  // xL is inclusive, xU is not
  const d_BTRow row{"XX", "Fol", 4, 1.0, 0.1, 2.0, 0.9, 5.0, 0.2};
  EXPECT_DOUBLE_EQ(BT_Eq(row, 2.0), 0.9);
  EXPECT_NEAR(BT_Eq(row, 2.5), 0.75, 1e-12);  // 1 - 0.1 x 2.5
  EXPECT_NEAR(BT_Eq(row, 5.0), 0.5, 1e-12);   // 1 - 0.1 x 5
  EXPECT_DOUBLE_EQ(BT_Eq(row, 5.01), 0.2);
}

TEST(WesternConifer, FormsOfARow) {
  // a = b = 0.5 at x = 4
  const double expected[] = {
      0.5,                 // 0: a
      3.2974425414002564,  // 1: e^(0.5 + 0.5 ln 4) = 2 e^0.5
      8.5,                 // 2: 0.5 + 0.5 x 16
      3.694528049465325,   // 3: 0.5 e^2
      0.0,                 // 4: 0.5 - 2 = -1.5, raised to 0
      0.4,                 // 5: 1 / (0.5 + 2)
      0.625,               // 6: 0.5 + 0.5 / 4
      0.0,                 // 7: 0.5 - 0.5 x 2 = -0.5, raised to 0
      0.0,                 // no such form
  };
  for (int form = 0; form <= 8; ++form) {
    const d_BTRow row{"XX", "Tot", form, 0.5, 0.5, 0, 0, 0, 0};
    EXPECT_NEAR(BT_Eq(row, 4.0), expected[form], 1e-12) << "form " << form;
  }
  // form 0 is not floored; every form gives 0 for no DBH
  EXPECT_DOUBLE_EQ(BT_Eq({"XX", "Tot", 0, -2.0, 0, 0, 0, 0, 0}, 4.0), -2.0);
  EXPECT_DOUBLE_EQ(BT_Eq({"XX", "Tot", 0, 1.0, 0, 0, 0, 0, 0}, 0.0), 0.0);
}

TEST(WesternConifer, NegativeValuesAndStepsAreRaisedToZero) {
  // "WB" Tot at 1 in: -1 + 0.8371 = -0.1629 -> 0 pounds
  EXPECT_EQ(BT_Weight("WB", kTotal, 1.0f), 0.0f);
  // "WL" 3inP is 0 and below its 3in value 0.922 - 0.72 / 20 = 0.886
  EXPECT_GT(BT_Weight("WL", kTotal, 20.0f), 0.0f);
  EXPECT_EQ(BT_Weight("WL", kBr3inP, 20.0f), 0.0f);
  // "WP" Twg is form 7: 0.914 - 0.0978 sqrt(10) = 0.60473; Fol 0.55 e^-0.345 = 0.38952
  // T = e^(0.7276 + 1.5497 ln 10) = 73.399; twigs 73.399 x 0.21521 = 15.796
  EXPECT_NEAR(BT_Weight("WP", kTwig, 10.0f), 15.796, 0.005);
}

TEST(WesternConifer, NoDbhUnknownCodeOrSlotGiveNothing) {
  for (int slot = kTotal; slot <= kBr3inP; ++slot)
    EXPECT_EQ(BT_Weight("DF", slot, 0.0f), 0.0f);
  EXPECT_EQ(BT_Weight("RA", kTotal, 10.0f), 0.0f);
  EXPECT_EQ(BT_Weight("PP", 6, 10.0f), 0.0f);
  EXPECT_EQ(BT_Find("pp", "tOT"), 0);
  EXPECT_EQ(BT_Find("WH", "3inP"), 65);
  EXPECT_EQ(BT_Find("", ""), -1);  // the ending row is not a row
}

}  // namespace

}  // namespace sylvanor
