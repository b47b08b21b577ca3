#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "base/CsvRow.h"
#include "base/FixedText.h"
#include "base/Keyword.h"
#include "base/TextUtil.h"

namespace sylvanor {

namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;
using Fields = std::vector<std::string>;

// The last row: a dropped byte does not join two quotes. The other quoting
// rules of SplitFields are checked with the readers that use them.
TEST(CsvReadRow, SplitsAndUnquotes) {
  // clang-format off
  const std::pair<std::string, Fields> rows[] = {
      {R"(a,"b,c","d""e")", {"a", "b,c", "d\"e"}}, {"", {""}},     {"a,", {"a", ""}},
      {"a,b\r\nc,d", {"a", "b"}},  {"\"x\r\ny\",z\n", {"x\r\ny", "z"}},   {"\"abc,d", {"abc,d"}},
      {R"(ab"c,d"e)", {"abc,de"}}, {"caf\xC3\xA9,\xFFx", {"caf", "x"}}, {"\"a\"\xC3\"b\"", {"ab"}}};
  // clang-format on
  for (const auto& [row, fields] : rows)
    EXPECT_EQ(csv_read_row(row, ','), fields) << "|" << row << "|";
  EXPECT_EQ(csv_read_row("a,\"b;c\";d\rx", ';'), (Fields{"a,b;c", "d"}));
}

// A NUL is no white space.
TEST(SplitWords, SplitsAtWhiteSpace) {
  const std::tuple<std::string, std::size_t, std::vector<std::string_view>> rows[] = {
      {" a\tbb\r\n c\v\fd ", 9, {"a", "bb", "c", "d"}},
      {"one two three", 2, {"one", "two"}},
      {"x\0y z"s, 9, {"x\0y"sv, "z"}},
      {" \t\r\n", 9, {}}};
  for (const auto& [text, most, words] : rows)
    EXPECT_EQ(SplitWords(text, most), words) << "|" << text << "|";
}

TEST(ReadLineWithEnd, KeepsEachLinesEndAndTheLastLineWithoutOne) {
  std::istringstream file("a b\n\nlast");
  std::vector<std::string> lines;
  for (std::string line; ReadLineWithEnd(file, line);)
    lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"a b\n", "\n", "last"}));
}

TEST(GetNumTyp, ClassifiesNumberTexts) {
  const std::string n29(29, '9'), n30(30, '9'), b28 = std::string(28, ' ') + "12";
  const std::pair<std::string, char> rows[] = {
      {n29, 'I'},   {n30, 'X'},    {b28, 'X'},     {"12", 'I'}, {"-5", 'I'},
      {"+5", 'I'},  {" 42 ", 'I'}, {"-.5", 'F'},   {"5.", 'F'}, {" 3.25 ", 'F'},
      {"1e5", 'X'}, {"1 2", 'X'},  {"1.2.3", 'X'}, {"", 'X'},   {"   ", 'X'},
      {"-", 'X'},   {".", 'X'},    {"+-1", 'X'},   {"1-", 'X'}};
  for (const auto& [text, type] : rows)
    EXPECT_EQ(Get_NumTyp(text), type) << "|" << text << "|";
}

// Each row: a text, the characters ReadNumberStart reads and their value, and
// what ReadNumber gives as a double and as an int; ReadWholeNumber takes the
// texts ReadNumberStart reads whole.
TEST(ReadNumber, ReadsWhatEachRuleTakes) {
  constexpr std::nullopt_t no = std::nullopt;
  constexpr double big = 2147483648.0;
  // clang-format off
  const std::tuple<std::string, std::size_t, double, std::optional<double>, std::optional<int>>
      rows[] = {{" +2.5 ", 0, 0, 2.5, no}, {"-.5", 3, -0.5, -0.5, no}, {"+7", 2, 7, 7, 7},
                {"2147483648", 10, big, big, no}, {"-2147483648", 11, -big, -big, -2147483647 - 1},
                {"1e3", 3, 1000, no, no}, {"12abc", 2, 12, no, no}, {"+-5", 0, 0, no, no},
                {"--5", 0, 0, no, no}, {"1e999", 0, 0, no, no}, {"", 0, 0, no, no}};
  // clang-format on
  for (const auto& [text, used, start, plain, whole] : rows) {
    SCOPED_TRACE("|" + text + "|");
    double d = 0, s = 0;
    int i = 0;
    EXPECT_EQ(ReadNumberStart(text, s), used);
    EXPECT_EQ(s, start);
    EXPECT_EQ(ReadWholeNumber(text, d), used > 0 && used == text.size());
    EXPECT_EQ(ReadNumber(text, d) ? std::optional(d) : no, plain);
    EXPECT_EQ(ReadNumber(text, i) ? std::optional(i) : no, whole);
  }
}

// Only ASCII letters fold: '@' and '`' sit next to 'A' and 'a'.
TEST(SameKeyword, IgnoresCaseButNothingElse) {
  const std::tuple<const char*, const char*, bool> rows[] = {
      {"Metric", "METRIC", true}, {"scott-40", "Scott-40", true}, {"", "", true},
      {"Yes ", "Yes", false},     {"Ye", "Yes", false},           {"No", "Mo", false},
      {"@", "`", false}};
  for (const auto& [a, b, same] : rows)
    EXPECT_EQ(SameKeyword(a, b), same) << a << " / " << b;
  EXPECT_EQ(UpperKeyword("Scott-40 \xC3\xA9"), "SCOTT-40 \xC3\xA9");
}

TEST(FixedText, CutsTextsToTheFieldCapacity) {
  FixedText<5> maybe("Maybe"), no("No");  // four characters and the terminator
  no.append("pqr");
  EXPECT_EQ(maybe.str() + "|" + no.str(), "Mayb|Nopq");
  EXPECT_TRUE(FixedText<1>("abc").empty());
}

}  // namespace

}  // namespace sylvanor
