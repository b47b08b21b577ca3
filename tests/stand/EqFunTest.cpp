#include "stand/EqFun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "stand/EasternSpecies.h"
#include "stand/PinyonJuniper.h"
#include "stand/VertDist.h"
#include "stand/WesternConifer.h"
#include "stand/WesternHardwood.h"

namespace sylvanor {

// Every row is the first of its code and component and runs its own family's
// equation for them (the other families give its code nothing); a "VD" row
// reads the relative crown height from the Height field.
TEST(EqFun, EachRowRunsItsOwnEquation) {
  for (int i = 0; !EQ_Row(i).Code.empty(); ++i) {
    const d_EqFun& row = EQ_Row(i);
    SCOPED_TRACE(std::string(row.Code) + " " + std::string(row.Component));
    EXPECT_EQ(EQ_Find(row.Code, row.Component), i);
    const int slot =
        static_cast<int>(std::find(kComponentNames.begin(), kComponentNames.end(), row.Component) -
                         kComponentNames.begin());
    d_EP ep;
    std::tie(ep.DBH, ep.Height, ep.CrownBase) = std::tuple(14, slot == kVertDist ? 0.5f : 70, 25);
    const float want = slot == kVertDist
                           ? VD_Fraction(row.Code, 0.5f)
                           : BT_Weight(row.Code, slot, 14) + SL_Weight(row.Code, slot, 14) +
                                 PJ_Weight(row.Code, slot, 14) +
                                 East_Weight(row.Code, slot, 14, 70, 25);
    EXPECT_FLOAT_EQ(row.Function(ep), want);
    EXPECT_TRUE(slot != kTotal || want > 0.0f) << want;
  }
  EXPECT_EQ(EQ_Find("pp", "total"), 0);  // found without case
  for (const auto& [code, component] : {std::pair{"XX", "Total"}, {"PB", "Br-1in"}, {"PP", "Twig"}})
    EXPECT_EQ(EQ_Find(code, component), -1) << code << " " << component;
  EXPECT_EQ(EQ_Find("", ""), -1);  // the ending row is not a row
}

}  // namespace sylvanor
