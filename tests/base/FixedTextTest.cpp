#include "base/FixedText.h"

#include <gtest/gtest.h>

namespace sylvanor {

namespace {

TEST(FixedText, CutsTextsToTheFieldCapacity) {
  FixedText<5> yesNo;  // four characters and the terminator
  yesNo = "Maybe";
  EXPECT_EQ(yesNo.str(), "Mayb");
  yesNo = "No";
  EXPECT_EQ(yesNo.str(), "No");
  yesNo.append("pqr");
  EXPECT_EQ(yesNo.str(), "Nopq");
  yesNo.clear();
  EXPECT_TRUE(yesNo.empty());
  FixedText<1> nothing("abc");
  EXPECT_TRUE(nothing.empty());
}

}  // namespace

}  // namespace sylvanor
