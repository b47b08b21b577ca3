#include "stand/SmallTree.h"

#include <gtest/gtest.h>

#include <utility>

namespace sylvanor {

TEST(SmallTree, HeightClassesAndWeights) {
  for (const auto& [height, cls] :
       {std::pair{0.0f, 1}, {1.0f, 1}, {1.01f, 2}, {5.0f, 5}, {9.0f, 9}, {9.5f, 10}, {120.0f, 10}})
    EXPECT_EQ(SmallTree_HeightClass(height), cls) << "height " << height;
  // the total and foliage weights tell the rows and classes apart; other codes take the "DF" row
  const struct {
    const char* code;
    float height, total, foliage;
  } rows[] = {{"WH", 9.5f, 4.24f, 1.145f}, {"es", 2.5f, 0.56f, 0.286f}, {"SF", 3.0f, 0.56f, 0.286f},
              {"PP", 1.0f, 0.03f, 0.011f}, {"RA", 20, 12.3f, 3.321f},   {"", 20, 12.3f, 3.321f}};
  for (const auto& r : rows) {
    const SmallTreeWeights w = SmallTree_Weights(r.code, r.height);
    EXPECT_EQ(std::pair(w[kTotal], w[kFoliage]), std::pair(r.total, r.foliage))
        << r.code << " " << r.height;
  }
}

}  // namespace sylvanor
