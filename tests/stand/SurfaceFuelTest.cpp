#include "stand/SurfaceFuel.h"

#include <gtest/gtest.h>

#include <set>

namespace sylvanor {

// Every load of the record, each once: what is done to the loads alike
// reaches them all.
TEST(SurfaceFuel, LoadsReachEveryFieldOnce) {
  d_SurfaceFuel f;
  const auto loads = Loads(f);
  const std::set<const float*> distinct(loads.begin(), loads.end());
  static_assert(sizeof(d_SurfaceFuel) == 20 * sizeof(float));
  EXPECT_EQ(distinct.size(), 20u);
  EXPECT_EQ(loads.front(), &f.Duff);
  EXPECT_EQ(loads.back(), &f.Pile);
}

}  // namespace sylvanor
