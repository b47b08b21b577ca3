#include "treat/ConsumptionCheck.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sylvanor {

// Passes both checks, with many values on a limit and keywords in any case.
static d_ConIn Passing() {
  d_ConIn in;
  in.DuffMoist = 10, in.Moist10Hr = 3, in.Moist1kHr = 300, in.Herb = 999, in.Rot[3] = 999;
  in.PctCrownBurned = 100, in.PctDuffConsumed = -1, in.Season = "FALL", in.Region = "southEAST";
  in.FuelCategory = "slash", in.DuffMoistMethod = "nfdr", in.CoverGroup = "cp", in.LitterMoist = 1;
  return in;
}

// A change to the passing input and its message ("": it passes), numbers as the formats write them.
using Check = int (*)(const d_ConIn&, std::string&);
const std::tuple<const char*, Check, void (*)(d_ConIn&), const char*> kRows[] = {
    {"as passing", CON_ChkInputs, [](d_ConIn&) {}, ""},
    {"coastal litter", CON_ChkInputs, [](d_ConIn& i) { i.LitterMoist = 0.5f; },
     "_ChkLitMois() Litter Moisture   0.50 is out of limits (  1.00 -> 100.00)\n     Litter "
     "Moisture is required for Coastal Plain cover types"},
    {"crown branch", CON_ChkInputs, [](d_ConIn& i) { i.CrownBranch = 1000; },
     "_ChkLim() Crown Branch Fuel Load 1000.00 is out limit (0 -> 999 )"},
    {"crown percent", CON_ChkInputs, [](d_ConIn& i) { i.PctCrownBurned = 100.5f; },
     "Percent of Crown Foliage Burn 100.50 is out of limit 0 -> 100"},
    {"duff load", CON_ChkInputs, [](d_ConIn& i) { i.DuffDepth = 1; },
     "Duff Fuel Load   0.00 is out of limits (  0.10 -> 356.78)\n Duff load can only be set "
     "to 0 when duff depth is also set to 0"},
    {"duff depth", CON_ChkInputs, [](d_ConIn& i) { i.DuffLoad = 5, i.DuffDepth = -1; },
     "Duff Depth  -1.00 is out limits (  0.00 -> 999.00)"},
    {"moisture, no duff", CON_ChkInputs, [](d_ConIn& i) { i.DuffMoist = 9; },
     "Duff Moisture    9.00 is out limits ( 10.00 -> 197.20)"},
    {"load, no depth", CON_ChkInputs, [](d_ConIn& i) { i.DuffLoad = 5; },
     "Duff Depth is 0, Set Duff Load & Depth to 0 or both to non-zero values"},
    {"region", CON_ChkInputs, [](d_ConIn& i) { i.Region = "South"; },
     "No/Invalid Region, Valid: SouthEast, InteriorWest, PacificWest, NorthEast"},
    {"fuel category", CON_ChkInputs, [](d_ConIn& i) { i.FuelCategory = "Wood"; },
     "No/Invalid Fuel Category (Wood), Valid: Natural, Slash)"},
    {"no duff method", CON_ChkInputs, [](d_ConIn& i) { i.DuffMoistMethod = ""; },
     "Missing Duff Moisture Measure Method"},
    {"duff method", CON_ChkInputs, [](d_ConIn& i) { i.DuffMoistMethod = "Upper"; },
     "Invalid Duff Moisture Measure Method 'Upper'\n    Valid Codes = Entire, Lower, NFDR, "
     "AdjNFDR, Entire"},
    {"season", CON_ChkInputs, [](d_ConIn& i) { i.Season = "Autumn"; },
     "Invalid/Missing Season: (Autumn)\n    Valid: Spring, Summer, Fall, Winter"},
    {"cover group", CON_ChkInputs, [](d_ConIn& i) { i.CoverGroup = "Oak"; },
     "Invalid Cover Type (Oak), Valid...\n GG, SG, SB, PC \n PN, WPH, RJP, BBS PFL or leave "
     "blank (\"\")"},
    {"no duff, any wetness", CON_ChkWoody, [](d_ConIn& i) { i.DuffMoist = 0; }, ""},
    {"10-hour", CON_ChkWoody, [](d_ConIn& i) { i.Moist10Hr = 2.5f; },
     "Down Woody 10 Hour Moisture   2.50 is out of limits. (   3.00 -> 298.00 )"},
    {"1000-hour", CON_ChkWoody, [](d_ConIn& i) { i.Moist1kHr = 301; },
     "Down Woody 1000 Hour Moisture 301.00 is out of limits. (   1.00 -> 300.00 )"},
    {"plants together", CON_ChkWoody, [](d_ConIn& i) { i.CrownFoliage = 0.5f; },
     "Invalid Combined Herb, Shrub, Crown and Branch Foliage  999.50 \n ( Limit:   0.00 -> "
     "999.00 tons per acre)"},
    {"duff percent", CON_ChkWoody, [](d_ConIn& i) { i.PctDuffConsumed = -0.5f; },
     "Percent of Duff Consumed  -0.50 is out of limit 0 -> 100"},
    {"burnout duff", CON_ChkWoody, [](d_ConIn& i) { i.DuffLoad = 0.09f; },
     "_ChkDuff() - Duff Fuel Load   0.09 is out limit. (  0.10 -> 356.80 tons per acre)"},
    {"duff moisture 2", CON_ChkWoody, [](d_ConIn& i) { i.DuffLoad = 5, i.DuffMoist = 198; },
     "_ChkDuff() - Duff Moisture 198.00 is out limit. ( 10.00 -> 197.20)"},
    {"100-hour", CON_ChkWoody, [](d_ConIn& i) { i.Hr100 = -0.1f; },
     "The Down Woody 1 -> 3 inch   (100 Hour) load ( -0.10)is out limits (    0 ->  999)"},
};

TEST(ConsumptionCheckTest, FirstFailedCheckAndItsMessage) {
  for (const auto& [name, check, change, want] : kRows) {
    SCOPED_TRACE(name);
    d_ConIn in = Passing();
    change(in);
    std::string message = "kept";  // left alone by a pass
    EXPECT_EQ(check(in, message), want[0] ? 0 : 1);
    EXPECT_EQ(message, want[0] ? want : "kept");
  }
}

}  // namespace sylvanor
