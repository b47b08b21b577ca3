#include "base/Keyword.h"

#include <gtest/gtest.h>

namespace sylvanor {

namespace {

TEST(SameKeyword, IgnoresCaseButNothingElse) {
  EXPECT_TRUE(SameKeyword("Metric", "METRIC"));
  EXPECT_TRUE(SameKeyword("scott-40", "Scott-40"));
  EXPECT_TRUE(SameKeyword("", ""));
  EXPECT_FALSE(SameKeyword("Yes ", "Yes"));
  EXPECT_FALSE(SameKeyword("Ye", "Yes"));
  EXPECT_FALSE(SameKeyword("No", "Mo"));
  // only ASCII letters fold: '@' and '`' sit next to 'A' and 'a'
  EXPECT_FALSE(SameKeyword("@", "`"));
}

}  // namespace

}  // namespace sylvanor
