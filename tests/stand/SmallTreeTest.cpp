#include "stand/SmallTree.h"

#include <gtest/gtest.h>

#include <array>

namespace sylvanor {

namespace {

TEST(SmallTree, HeightClasses) {
  EXPECT_EQ(SmallTree_HeightClass(0.0f), 1);
  EXPECT_EQ(SmallTree_HeightClass(1.0f), 1);
  EXPECT_EQ(SmallTree_HeightClass(1.01f), 2);
  EXPECT_EQ(SmallTree_HeightClass(5.0f), 5);
  EXPECT_EQ(SmallTree_HeightClass(9.0f), 9);
  EXPECT_EQ(SmallTree_HeightClass(9.5f), 10);
  EXPECT_EQ(SmallTree_HeightClass(120.0f), 10);
}

TEST(SmallTree, WeightsOfACodeAndHeight) {
  // "WH", class 10 (9.5 ft)
  const SmallTreeWeights tall = {4.24f, 1.145f, 0.466f, 0.806f, 1.272f, 0.551f};
  EXPECT_EQ(SmallTree_Weights("WH", 9.5f), tall);
  // codes sharing a row, any case; "ES" and "SF" class 3
  const SmallTreeWeights spruce3 = {0.56f, 0.286f, 0.118f, 0.129f, 0.028f, 0.0f};
  EXPECT_EQ(SmallTree_Weights("es", 2.5f), spruce3);
  EXPECT_EQ(SmallTree_Weights("SF", 3.0f), spruce3);
  EXPECT_EQ(SmallTree_Weights("PP", 1.0f), SmallTree_Weights("DF", 0.5f));
}

TEST(SmallTree, OtherCodesTakeTheDouglasFirRow) {
  const SmallTreeWeights df10 = {12.3f, 3.321f, 1.353f, 2.337f, 3.69f, 1.599f};
  EXPECT_EQ(SmallTree_Weights("RA", 20.0f), df10);
  EXPECT_EQ(SmallTree_Weights("", 20.0f), df10);
}

TEST(SmallTree, FirstOfTwoRowsWithTheSameCodeIsUsed) {
  constexpr std::array<SmallTreeWeights, kSmallTreeClasses> a{};
  constexpr std::array<SmallTreeWeights, kSmallTreeClasses> b{};
  const std::array<d_SmallTreeRow, 3> rows = {{{"XX", &a}, {"YY", &b}, {"yy", &a}}};
  EXPECT_EQ(SmallTree_Find(rows, "YY"), &rows[1]);
  EXPECT_EQ(SmallTree_Find(rows, "ZZ"), nullptr);
  // the built-in table holds every western conifer code once
  for (const char* code : {"PP", "GF", "DF", "LP", "WL", "SF", "ES", "WB", "WP", "WC", "WH"}) {
    EXPECT_NE(SmallTree_Find(SmallTree_Table(), code), nullptr) << code;
  }
  EXPECT_EQ(SmallTree_Table().size(), 11u);
}

}  // namespace

}  // namespace sylvanor
