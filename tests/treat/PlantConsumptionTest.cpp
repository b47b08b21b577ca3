#include "treat/PlantConsumption.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sylvanor {

// Herb 1, litter 2, shrub 2. 222: 0.008 - 0.059 + 0.917 = 0.866 (herb 0.01: 0.00917 - 0.051 < 0).
// 234: T = 5 duff + 2 + 0.5 + 0.5 = 8, Md = 50: G = 3.0664 + 3.4958 - 1.185 - 0.7009375 =
// 4.6762625, R = (3.4576 + 3.2484 + 1.353 - 1.38 - 0.63495 - G) / 2 = 0.68389375. 236 in summer:
// ln(2 / 0.446) = 1.5005835, 0.446 exp(0.9049 1.5005835 - 0.1889 + 0.0676) = 0.446 3.4438086.
TEST(PlantConsumptionTest, EquationChosenAndConsumed) {
  const struct {
    const char *cover, *region, *season;
    int ovHerb, ovShrub, herb, shrub;
    float herbLoad, shrubLoad, herbCon, shrubCon;
  } rows[] = {
      {"SB", "SouthEast", "Fall", -1, -1, 222, 233, 1, 2, 0.866f, 1.8f},
      {"Sagebrush", "NorthEast", "Summer", -1, -1, 22, 232, 1, 2, 1, 1},
      {"pfl", "southeast", "summer", -1, -1, 223, 236, 1, 2, 0.9944f, 1.5359386f},
      {"", "SouthEast", "Summer", -1, -1, 222, 234, 1, 2, 0.866f, 1.3677875f},
      {"", "SouthEast", "Fall", -1, -1, 222, 234, 0.01f, 0, 0, 0},
      {"PC", "SouthEast", "Spring", -1, -1, 222, 233, 1, 2, 0.866f, 1.8f},
      {"Pocosin", "SouthEast", "Summer", -1, -1, 222, 235, 1, 2, 0.866f, 1.6f},
      {"SGC", "PacificWest", "Summer", -1, -1, 22, 231, 1, 2, 1, 1.6f},
      {"GG", "NorthEast", "Spring", -1, -1, 221, 23, 1, 2, 0.9f, 1.2f},
      {"GG", "InteriorWest", "Summer", 224, 5, 22, 5, 1, 2, 1, 0},  // numbers of no equation
  };
  d_ConIn in;  // crowns 2, 40 % burned: 0.8 of the foliage, 0.4 of half the branches
  in.Override = "yes", in.Litter = 2, in.DuffLoad = 5, in.Hr1 = in.Hr10 = 0.5f, in.DuffMoist = 50;
  in.CrownFoliage = in.CrownBranch = 2, in.PctCrownBurned = 40;
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.cover) + " " + r.region + " " + r.season);
    in.CoverGroup = r.cover, in.Region = r.region, in.Season = r.season, in.OvHerb = r.ovHerb;
    in.OvShrub = r.ovShrub, in.Herb = r.herbLoad, in.Shrub = r.shrubLoad;
    d_ConComp herb, shrub;
    CON_Herb(in, herb), CON_Shrub(in, shrub);
    EXPECT_EQ(std::tuple(herb.Eq, shrub.Eq), std::tuple(r.herb, r.shrub));
    EXPECT_NEAR(herb.Con, r.herbCon, 1e-6);
    EXPECT_NEAR(shrub.Con, r.shrubCon, 1e-6);
  }
  // 0.446 (0.914 sqrt(2 / 0.446) + 0.2871 - 0.0101 20)^2 = 0.446 2.0206026^2
  EXPECT_NEAR(CON_Litter997(2, 20), 1.8209444f, 1e-6);
  // 0.914 sqrt(0.01 / 0.446) + 0.2871 - 0.0101 x 60 = -0.1804: wet litter does not burn
  EXPECT_EQ(CON_Litter997(0.01f, 60), 0.0f);
  d_ConComp f, b;
  CON_CrownFoliage(in, f), CON_CrownBranch(in, b);
  EXPECT_EQ(std::tuple(f.Eq, f.Con, f.Post, f.Pct, b.Eq, b.Con, b.Post, b.Pct),
            std::tuple(37, 0.8f, 1.2f, 40.0f, 38, 0.4f, 1.6f, 20.0f));
}

}  // namespace sylvanor
