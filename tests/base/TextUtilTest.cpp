#include "base/TextUtil.h"

#include <gtest/gtest.h>

#include <string>

namespace sylvanor {

namespace {

TEST(GetNumTyp, ClassifiesNumberTexts) {
  const std::pair<std::string, char> cases[] = {
      {"12", 'I'},
      {"-5", 'I'},
      {"+5", 'I'},
      {" 42 ", 'I'},
      {"-.5", 'F'},
      {"5.", 'F'},
      {" 3.25 ", 'F'},
      {"1e5", 'X'},
      {"1 2", 'X'},
      {"1.2.3", 'X'},
      {"", 'X'},
      {"   ", 'X'},
      {"-", 'X'},
      {".", 'X'},
      {"+-1", 'X'},
      {"1-", 'X'},
      {std::string(29, '9'), 'I'},
      {std::string(30, '9'), 'X'},
      {std::string(28, ' ') + "12", 'X'},  // blanks count
  };
  for (const auto& [text, type] : cases)
    EXPECT_EQ(Get_NumTyp(text), type) << "|" << text << "|";
}

TEST(LineUtilities, BlankCommentTrimReplace) {
  EXPECT_TRUE(isBlankCR(""));
  EXPECT_TRUE(isBlankCR(" \r\n "));
  EXPECT_FALSE(isBlankCR(" a "));
  EXPECT_TRUE(_CommentLine("   # x"));
  EXPECT_FALSE(_CommentLine("a#"));
  EXPECT_FALSE(_CommentLine("   "));

  for (const auto& [in, out] : {std::pair{"  a b  ", "a b"}, {"   ", ""}, {"x", "x"}}) {
    std::string text = in;
    Trim_LT(text);
    EXPECT_EQ(text, out) << "|" << in << "|";
  }
  std::string text = "a\tb\t,c";
  StrRepChr(text, '\t', ' ');
  EXPECT_EQ(text, "a b ,c");
}

TEST(ReadNumber, ReadsOnlyNumberTextsThatFit) {
  double real = 0;
  EXPECT_TRUE(ReadNumber(" +2.5 ", real));
  EXPECT_EQ(real, 2.5);
  EXPECT_TRUE(ReadNumber("-.5", real));
  EXPECT_EQ(real, -0.5);
  EXPECT_TRUE(ReadNumber("2147483648", real));
  EXPECT_EQ(real, 2147483648.0);
  EXPECT_FALSE(ReadNumber("1e3", real));
  EXPECT_FALSE(ReadNumber("", real));
  int whole = 0;
  EXPECT_TRUE(ReadNumber("+7", whole));
  EXPECT_EQ(whole, 7);
  EXPECT_TRUE(ReadNumber("-2147483648", whole));
  EXPECT_EQ(whole, -2147483647 - 1);
  EXPECT_FALSE(ReadNumber("2147483648", whole));
  EXPECT_FALSE(ReadNumber("3.0", whole));
}

}  // namespace

}  // namespace sylvanor
