#include "treat/CrownScorch.h"

#include <gtest/gtest.h>

#include "tests/support/Burn.h"

namespace sylvanor {

TEST(CrownScorchTest, ScorchedCrownAndProbabilitiesWorkedByHand) {
  EXPECT_NEAR(FlameFromScorch(40.0f), 5.73633f, 1e-4f);  // 0.45 40^0.69 = 0.45 12.7474
  EXPECT_NEAR(ScorchFromFlame(2.0f), 8.69707f, 1e-4f);   // 4.4444^(2.174 0.667) = 4.4444^1.45006
  EXPECT_EQ(FlameFromScorch(-5.0f) + ScorchFromFlame(-1.0f), 0.0f);
  for (const d_Case& c : ReadCases("treat/CrownScorchCases.txt", "crown")) {
    const d_CrownScorch g = CrownScorched(c[0], c[1], c[2]);
    const float got[] = {g.CL, g.CLS, g.PCL, g.CVS};
    for (std::size_t i = 0; i < 4; ++i)
      EXPECT_FLOAT_EQ(got[i], c[i + 3]) << c.name << ": CL, CLS, PCL, CVS " << i;
  }
  for (const d_Case& c : ReadCases("treat/CrownScorchCases.txt", "eq")) {
    const float dbh = c[1], hgt = c[2], cr = c[3], scorch = c[4];
    const d_CrownScorch crown = CrownScorched(hgt, cr, scorch);
    const d_ScorchTree t{dbh,          hgt,    cr,        scorch, FlameFromScorch(scorch),
                         0.063f * dbh, 0.063f, c[5] != 0, crown};
    EXPECT_NEAR(CrownScorchProb(static_cast<int>(c[0]), t), c[6], 2e-6) << c.name;
  }
}

}  // namespace sylvanor
