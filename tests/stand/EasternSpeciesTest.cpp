#include "stand/EasternSpecies.h"

#include <gtest/gtest.h>

#include "stand/EquationTable.h"
#include "tests/support/Equations.h"

namespace sylvanor {

// Pounds for d = 25.4 cm (kg x 2.20462) unless said otherwise.
TEST(EasternSpecies, HandWorkedWeights) {
  const EquationCase cases[] = {
      // T = e^(-2.0259 + 1.7433 ln d) = 37.0860 kg; G(10) = 1 / 1.566 - 1 / 2.121 = 0.167094
      {"BF", kTotal, 10, 81.7605, 0.005},
      {"bf", kFoliage, 10, 30.5436, 0.002},  // e^(-2.7854 + 1.6737 ln d) = 13.8544 kg
      {"BF", kTwig, 10, 13.6617, 0.002},     // T x G alone, not T x (f + G) = 44.205
      {"BF", kTwig, 40, 84.3146, 0.005},     // T(101.6 cm) = 916.463 lb x (0.378 - 0.286)
      // T = e^(-3.8769 + 2.3756 ln d) = 45.0409 kg x R(10) = 1 / (1.286 + 0.1016 x 10^1.3525)
      // - 1 / (2.7638 + 0.2155 x 10^1.3364) = 0.145407
      {"PB", kTwig, 10, 14.4386, 0.002},
      // T = e^(-1.0781 + 1.6667 ln d) = 74.6833 kg x M(10) = 1 / (3.3212 + 0.0777 x 10^2.0496)
      // - 1 / (4.6762 + 0.1091 x 10^2.039) = 0.0229167
      {"SM", kTwig, 10, 3.7732, 0.001},
      // T = e^(-2.0241 + 1.6296 ln d) = 25.7194 kg x (0.729 e^-0.233 - 0.484 e^-0.21 = 0.185157)
      {"EP", kTwig, 10, 10.4987, 0.002},
      {"QA", kTotal, 10, 134.318, 0.01},     // 0.0182 d^2.509 = 60.9255 kg
      {"QA", kFoliage, 10, 15.5883, 0.002},  // 0.0079 d^2.1012 = 7.07072 kg
      {"QA", kTwig, 10, 18.1031, 0.002},     // 0.0125 d^2.5874 x 1.856 d^-0.773 = 8.21142 kg
      // in and lb, C = 100 (60 - 20) / 60: p = 0.0005 x 10^2.7768 C^1.5685 = 217.056 plus q
      {"RO", kTotal, 10, 236.259, 0.02, 60, 20},
      {"RO", kFoliage, 10, 19.2039, 0.002, 60, 20},  // q = 0.0136 x 10^1.5791 C^0.8612
      {"RO", kTwig, 10, 9.2048, 0.002, 60, 20},      // 6.4735 x 10^-1.1313 C^-0.577 p
      // no crown base: 0.3328 x 10^2.636 = 143.941 = p, plus q = 0.459 x 10^1.5018 = 14.5751
      {"RO", kTotal, 10, 158.516, 0.02, 60, -1},
      {"RO", kTwig, 10, 7.5058, 0.002, 60, -1},  // 0.6262 x 10^-1.0795 p
      {"RO", kTotal, 10, 0, 0, 60, 60},          // a crown base at or above the top:
      {"RO", kTwig, 10, 0, 0, 60, 70},           // no crown
      {"LO", kTotal, 10, 92.2571, 0.005},        // in and lb: 10^(-0.573 + 2.538)
      {"LO", kFoliage, 10, 16.5590, 0.002},      // 10^(-1.79586 + 2.67156) kg
      {"LO", kTwig, 10, 23.5256, 0.002},         // T x ((0.777 - 0.146) - (0.493 - 0.117) = 0.255)
  };
  for (const EquationCase& c : cases) {
    EXPECT_NEAR(East_Weight(c.Code, c.Slot, c.Dbh, c.Height, c.CrownBase), c.Expected, c.Tolerance)
        << c;
  }
  // aspen DBHs beyond 100 cm weigh as 100 cm
  EXPECT_EQ(East_Weight("QA", kTotal, 60, 0, 0), East_Weight("QA", kTotal, 100 / 2.54f, 0, 0));
}

}  // namespace sylvanor
