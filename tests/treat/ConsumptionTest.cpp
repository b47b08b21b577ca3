#include "treat/Consumption.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/Burn.h"

namespace sylvanor {

namespace {

// 4 tons/acre of litter, 0.5 of 1-hour and 1 of 10-hour wood at 8 % (the litter and 1-hour at 6
// %), 2 of 3-6 in sound logs at 15 %, duff 5 tons/acre 1 in deep at 50 %, in summer.
d_ConIn Bed(const std::string& region, const std::string& cover) {
  d_ConIn in;
  in.Litter = 4, in.Hr1 = 0.5f, in.Hr10 = 1, in.Snd[0] = 2;
  in.DuffLoad = 5, in.DuffDepth = 1, in.DuffMoist = 50, in.Moist10Hr = 8, in.Moist1kHr = 15;
  in.Region = region, in.CoverGroup = cover, in.LitterMoist = 20, in.DuffType = "PeatLow";
  return in;
}

TEST(Consumption, TheLitterByItsEquationOrTheBurnout) {
  struct Row {
    const char *name, *region, *cover;
    int override;  // the litter override number with the switch on; 0 leaves it off
    int eq;
    float consumed;  // -1: as the burnout finds it
  } rows[] = {
      {"burnout", "InteriorWest", "", 0, 999, -1},
      {"southeast", "SouthEast", "", 0, 998, 0.8f * 4},
      // 0.446 (0.914 sqrt(4 / 0.446) + 0.2871 - 0.0101 x 8)^2
      {"pine flatwoods", "InteriorWest", "PFL", 0, 997, 3.8642667f},
      {"override 999 burns it all", "InteriorWest", "", 999, 999, 4},
      {"unaccepted override", "SouthEast", "", 5, 998, 3.2f},
      // L' = 0.907184 x 4, D' = 0.907184 x 5; G = 0.944 (L' + D') - 0.078 x 20 - 3.893 = 2.2544353
      // is below L', so no duff burns and the litter loses G / L' = 62.127288 %
      {"coastal plain", "SouthEast", "CP", 0, 30, 2.4850915f},
  };
  auto bu = NewBurn();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    d_ConIn in = Bed(r.region, r.cover);
    if (r.override != 0) in.Override = "Yes", in.OvLitter = r.override;
    d_ConOut out;
    std::string message;
    ASSERT_EQ(CON_Mngr(in, out, message, *bu), 1) << message;
    EXPECT_EQ(out.Litter.Eq, r.eq);
    if (r.consumed < 0) {
      EXPECT_TRUE(out.Litter.Con > 0 && out.Litter.Con <= 4) << out.Litter.Con;
    } else {
      EXPECT_NEAR(out.Litter.Con, r.consumed, 1e-5f);
    }
    EXPECT_NEAR(out.Litter.Post + out.Litter.Con, 4, 1e-5f);
    const float consumed = out.Litter.Con + out.Hr1.Con + out.Hr10.Con + out.Snd.Con + out.Duff.Con;
    EXPECT_NEAR(out.TotCon, consumed, 1e-5f);
    EXPECT_NEAR(out.TotFrac, consumed / 12.5f, 1e-6f);
  }
}

}  // namespace

}  // namespace sylvanor
