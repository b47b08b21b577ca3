#include "base/ColumnReader.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>
#include <vector>

namespace sylvanor {

namespace {

constexpr const char* kFormatError = "> Format of input is incorrect !\n";
constexpr const char* kBadTable = "ERROR - CDF_Get - Logic Error, bad type in CDF struct.";

struct Row {
  std::string name;
  int count = 0, big = 0;
  float load = 0.0f, cover = 0.0f;
  char flag = 0;
};

int ReadOne(std::span<const d_CDF> table, const std::string& text, std::string& message) {
  std::istringstream file(text);
  return CDF_Get(table, file, message);
}

TEST(CdfGet, MixedLineGivesTrimmedValuesAndMissingForEmptyField) {
  Row r;
  const d_CDF table[] = {{"Name", 's', 50, &r.name},
                         {"Load", 'f', 0, &r.load},
                         {"Cover", 'f', 0, &r.cover},
                         {"Count", 'i', 0, &r.count},
                         {"", 'x', 0, {}}};
  std::string message = "stale";
  EXPECT_EQ(ReadOne(table, "A1, 2.5 ,,7\n", message), 1);
  EXPECT_EQ(r.name, "A1");
  EXPECT_FLOAT_EQ(r.load, 2.5f);
  EXPECT_FLOAT_EQ(r.cover, -1.0f);
  EXPECT_EQ(r.count, 7);
  EXPECT_EQ(message, "");
  ASSERT_EQ(ReadOne(table, "B,+3.25,-.5,+12", message), 1);
  EXPECT_FLOAT_EQ(r.load, 3.25f);
  EXPECT_FLOAT_EQ(r.cover, -0.5f);
  EXPECT_EQ(r.count, 12);
}

TEST(CdfGet, TooFewFieldsGivesFormatError) {
  Row r;
  const d_CDF table[] = {
      {"Name", 's', 20, &r.name}, {"Count", 'i', 0, &r.count}, {"Flag", 'c', 0, &r.flag}};
  std::string message;
  EXPECT_EQ(ReadOne(table, "P1,3\n", message), -1);
  EXPECT_EQ(message, kFormatError);
  EXPECT_EQ(ReadOne(table, "P1,3\r\n", message), -1);  // a CR ends the line
  EXPECT_EQ(message, kFormatError);
  EXPECT_EQ(ReadOne(table, "P1,3,\n", message), 1);  // an empty last field is a field
  EXPECT_EQ(r.flag, ' ');
}

TEST(CdfGet, BadValuesWarnAndBecomeMissing) {
  const std::pair<std::string, std::string> cases[] = {
      {"3.0,,,,", "The 'Count' record field has invalid integer: Data = |3.0|"},
      {"2147483648,,,,",
       "The 'Count' record field has an integer overflow, will set to Missing. Data=|2147483648|"},
      {",x,,,", "The 'Big' record field has invalid integer"},
      {",-2147483649,,,",
       "The 'Big' record field has an integer overflow, will set to Missing. Data=|-2147483649|"},
      {",,1.5e3,,", "The 'Load' record field has invalid floating point number"},
      {",,1.2.3,,", "The 'Load' record field has invalid floating point number"},
      {",,,Yes,",
       "The 'Flag' record field (char field) is more than one char in length, will "
       "use 1st char."},
      {",,,," + std::string(60, 'n'),
       "The 'Name' record field is to long, will trunc. chars to fit."},
      // warnings follow one another without separators
      {"a,b,,YN,",
       "The 'Count' record field has invalid integer: Data = |a|The 'Big' record field "
       "has invalid integerThe 'Flag' record field (char field) is more than one char "
       "in length, will use 1st char."},
  };
  for (const auto& [line, expected] : cases) {
    SCOPED_TRACE(line);
    Row r;
    const d_CDF table[] = {{"Count", 'i', 0, &r.count}, {"Big", 'l', 0, &r.big},
                           {"Load", 'f', 0, &r.load},   {"Flag", 'c', 0, &r.flag},
                           {"Name", 's', 50, &r.name},  {"", 'x', 0, {}}};
    std::string message;
    EXPECT_EQ(ReadOne(table, line, message), 1);
    EXPECT_EQ(message, expected);
    EXPECT_EQ(r.count, -1);
    EXPECT_EQ(r.big, -1);
    EXPECT_FLOAT_EQ(r.load, -1.0f);
    EXPECT_EQ(r.flag, line.find('Y') == std::string::npos ? ' ' : 'Y');  // first char kept
    EXPECT_EQ(r.name, line.size() > 60 ? std::string(49, 'n') : "");
  }
}

TEST(CdfGet, SkipsBlankAndCommentLinesAndResetsAtEndOfFile) {
  Row r;
  const d_CDF table[] = {{"Count", 'i', 0, &r.count}, {"", 'x', 0, {}}};
  std::istringstream file("\n   \n\t \t\n\r\n#header\n   # note\n\t# note\n 5 \n" +
                          std::string("  \0junk\n6", 9));
  std::string message;
  ASSERT_EQ(CDF_Get(table, file, message), 1);
  EXPECT_EQ(r.count, 5);
  // the NUL ends that line's text, so it is blank; the last line has no LF
  ASSERT_EQ(CDF_Get(table, file, message), 1);
  EXPECT_EQ(r.count, 6);
  EXPECT_EQ(CDF_Get(table, file, message), 0);
  EXPECT_EQ(r.count, -1);
}

TEST(CdfGet, FieldCleaning) {
  Row r;
  const d_CDF table[] = {{"Name", 's', 20, &r.name},
                         {"Count", 'i', 0, &r.count},
                         {"Big", 'l', 0, &r.big},
                         {"", 'x', 0, {}}};
  std::string message;
  // tabs are blanks; a trailing CR is dropped; columns past the table are ignored
  ASSERT_EQ(ReadOne(table, "\tA 1\t,\t5,6,extra,\"q\"\r\n", message), 1);
  EXPECT_EQ(r.name, "A 1");
  EXPECT_EQ(r.count, 5);
  EXPECT_EQ(r.big, 6);
  // quotes are dropped but a comma inside them still separates fields
  ASSERT_EQ(ReadOne(table, "\"x,y\",3", message), 1);
  EXPECT_EQ(r.name, "x");
  EXPECT_EQ(r.big, 3);
  EXPECT_EQ(message, "The 'Count' record field has invalid integer: Data = |y|");
  // a leading comma gives an empty first field; a NUL ends the line
  ASSERT_EQ(ReadOne(table, std::string(",4,9\0,1", 7), message), 1);
  EXPECT_EQ(r.name, "");
  EXPECT_EQ(r.count, 4);
  EXPECT_EQ(r.big, 9);
}

TEST(CdfGet, InvalidTablesAreRefused) {
  Row r;
  const std::vector<std::vector<d_CDF>> tables = {
      {{"A", 'q', 0, &r.count}},
      {{"A", 'i', 0, &r.load}},
      {{"A", 'f', 0, &r.count}},
      {{"A", 'c', 0, &r.name}},
      {{"A", 's', 0, &r.name}},
      {{"A", 's', 5, {}}},
      {{"A", 'l', 0, static_cast<int*>(nullptr)}},
      {{"A", 'i', 0, &r.count}, {"", 'x', 0, &r.count}},
  };
  for (const auto& table : tables) {
    std::string message;
    EXPECT_EQ(ReadOne(table, "1\n", message), -2);
    EXPECT_EQ(message, kBadTable);
  }
}

TEST(CdfGet, TableHoldsAtMost2000Columns) {
  char c = 0;
  std::vector<d_CDF> table(2000, d_CDF{"C", 'c', 0, &c});
  table.push_back({"", 'x', 0, {}});
  std::string line;
  for (int i = 0; i < 2000; ++i)
    line += "a,";
  std::string message;
  EXPECT_EQ(ReadOne(table, line, message), 1);
  table.insert(table.begin(), d_CDF{"C", 'c', 0, &c});
  EXPECT_EQ(ReadOne(table, line, message), -2);
  EXPECT_EQ(message, kBadTable);
}

TEST(CdfGet, MessageStaysBelow3000Characters) {
  Row r;
  const d_CDF table[] = {{"N", 'i', 0, &r.count}, {"B", 'i', 0, &r.big}};
  const char* full = "ERROR - CDF_Get - Error Message too Small Please make bigger: %d ";
  // "The 'N' record field has invalid integer: Data = |" is 50 characters and
  // the closing bar one more: 2948 characters of data make 2999.
  std::string message;
  EXPECT_EQ(ReadOne(table, std::string(2948, 'a') + ",", message), 1);
  EXPECT_EQ(message.size(), 2999u);
  EXPECT_EQ(ReadOne(table, std::string(2949, 'a') + ",", message), -2);
  EXPECT_EQ(message, full);
  // also when the warnings are followed by a format error
  EXPECT_EQ(ReadOne(table, std::string(2940, 'a'), message), -2);
  EXPECT_EQ(message, full);
}

TEST(FindComma, PositionOfNthCommaOrLineEnd) {
  const std::tuple<std::string, int, int> cases[] = {
      {"a,b,c", 0, 0}, {"a,b,c", 1, 1},   {"a,b,c", 2, 3}, {"a,b,c", 3, 5},
      {",,", 2, 1},    {"a,b\r,c", 2, 3}, {"a\n,b", 1, 1}, {{"a\0,b", 4}, 1, 1},
  };
  for (const auto& [line, n, position] : cases)
    EXPECT_EQ(Find_Comma(line, n), position) << line;
}

TEST(GetSubStr, CutsAndCleansField) {
  const std::tuple<std::string, int, int, std::string> cases[] = {
      {",7", 0, 0, ""},          {"ab,cd", 2, 5, "cd"}, {"x, ,y", 1, 3, ""},
      {"a,\"q\" ,b", 1, 6, "q"}, {"ab\r", 0, 3, "ab"},  {"a, b c ,d", 1, 7, "b c"},
      {"a,x\ny,b", 1, 5, "x"},
  };
  for (const auto& [line, start, end, expected] : cases) {
    std::string field = "old", message;
    EXPECT_TRUE(Get_SubStr(line, field, start, end, message));
    EXPECT_EQ(field, expected) << line;
    EXPECT_EQ(message, "");
  }
  for (const auto& [start, end] : {std::pair{1, 4}, {4, 5}, {2, 2}, {2, 1}, {-1, 2}}) {
    std::string field, message = "earlier|";
    EXPECT_FALSE(Get_SubStr("abc", field, start, end, message));
    EXPECT_EQ(message, std::string("earlier|") + kFormatError);
  }
}

}  // namespace

}  // namespace sylvanor
