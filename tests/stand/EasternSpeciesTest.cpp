#include "stand/EasternSpecies.h"

#include <gtest/gtest.h>

#include "stand/EquationTable.h"
#include "tests/support/Equations.h"

namespace sylvanor {

TEST(EasternSpecies, HandWorkedWeights) {
  const EquationCase cases[] = {
      // d = 25.4 cm, kg x 2.20462; T = e^(-2.0259 + 1.7433 ln d) = 37.0860 kg, foliage
      // e^(-2.7854 + 1.6737 ln d) = 13.8544 kg; G(10) = 1 / 1.566 - 1 / 2.121 = 0.167094:
      // the twigs T x G alone, not T x (f + G) (44.205 lb); above 36 in G = 0.378 - 0.286,
      // T(101.6 cm) = 916.463 lb
      {"BF", kTotal, 10, 81.7605, 0.005},
      {"bf", kFoliage, 10, 30.5436, 0.002},
      {"BF", kTwig, 10, 13.6617, 0.002},
      {"BF", kTwig, 40, 84.3146, 0.005},
      // T = e^(-3.8769 + 2.3756 ln d) = 45.0409 kg; R(10) = 1 / (1.286 + 0.1016 x 10^1.3525)
      // - 1 / (2.7638 + 0.2155 x 10^1.3364) = 0.145407
      {"PB", kTwig, 10, 14.4386, 0.002},
      // T = e^(-1.0781 + 1.6667 ln d) = 74.6833 kg; M(10) = 1 / (3.3212 + 0.0777 x 10^2.0496)
      // - 1 / (4.6762 + 0.1091 x 10^2.039) = 0.0229167
      {"SM", kTwig, 10, 3.7732, 0.001},
      // T = e^(-2.0241 + 1.6296 ln d) = 25.7194 kg; 0.729 e^-0.233 - 0.484 e^-0.21 = 0.185157
      {"EP", kTwig, 10, 10.4987, 0.002},
      // T = 0.0182 d^2.509 = 60.9255 kg; foliage 0.0079 d^2.1012 = 7.07072 kg; twigs
      // 0.0125 d^2.5874 x 1.856 d^-0.773 = 8.21142 kg
      {"QA", kTotal, 10, 134.318, 0.01},
      {"QA", kFoliage, 10, 15.5883, 0.002},
      {"QA", kTwig, 10, 18.1031, 0.002},
      // C = 100 (60 - 20) / 60; p = 0.0005 x 10^2.7768 C^1.5685 = 217.056, q = 0.0136 x
      // 10^1.5791 C^0.8612 = 19.2039; twigs 6.4735 x 10^-1.1313 C^-0.577 p = 9.2048
      {"RO", kTotal, 10, 236.259, 0.02, 60, 20},
      {"RO", kFoliage, 10, 19.2039, 0.002, 60, 20},
      {"RO", kTwig, 10, 9.2048, 0.002, 60, 20},
      // no crown base: p = 0.3328 x 10^2.636 = 143.941, q = 0.459 x 10^1.5018 = 14.5751,
      // twigs 0.6262 x 10^-1.0795 p; a crown base at or above the top leaves no crown
      {"RO", kTotal, 10, 158.516, 0.02, 60, -1},
      {"RO", kTwig, 10, 7.5058, 0.002, 60, -1},
      {"RO", kTotal, 10, 0, 0, 60, 60},
      {"RO", kTwig, 10, 0, 0, 60, 70},
      // T = 10^(-0.573 + 2.538) = 92.2571; foliage 10^(-1.79586 + 2.67156) x 2.20462;
      // twig share (0.777 - 0.146) - (0.493 - 0.117) = 0.255
      {"LO", kTotal, 10, 92.2571, 0.005},
      {"LO", kFoliage, 10, 16.5590, 0.002},
      {"LO", kTwig, 10, 23.5256, 0.002},
  };
  for (const EquationCase& c : cases) {
    EXPECT_NEAR(East_Weight(c.Code, c.Slot, c.Dbh, c.Height, c.CrownBase), c.Expected, c.Tolerance)
        << c;
  }
  // aspen DBHs beyond 100 cm weigh as 100 cm; no DBH, code or slot, no weight
  EXPECT_EQ(East_Weight("QA", kTotal, 60, 0, 0), East_Weight("QA", kTotal, 100 / 2.54f, 0, 0));
  for (const char* code : {"PB", "QA", "PI", "LO", "RO"}) {
    for (int slot = kTotal; slot <= kTwig; ++slot)
      EXPECT_EQ(East_Weight(code, slot, 0.0f, 50, 10), 0.0f) << code << " " << slot;
  }
  EXPECT_EQ(East_Weight("PP", kTotal, 10, 0, 0), 0.0f);
  for (int slot = kBr1in; slot <= kVertDist; ++slot)
    EXPECT_EQ(East_Weight("SM", slot, 10, 0, 0), 0.0f) << slot;
}

}  // namespace sylvanor
