#include "base/ColumnReader.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace sylvanor {

namespace {

using namespace std::string_literals;

const std::string kFormatError = "> Format of input is incorrect !\n";

int ReadOne(std::span<const d_CDF> table, const std::string& text, std::string& message) {
  std::istringstream file(text);
  return CDF_Get(table, file, message);
}

// The targets of one row: name, count, big, load, flag; and their missing values.
using Row = std::tuple<std::string, int, int, float, char>;
const Row kMissing{"", -1, -1, -1.0f, ' '}, kY{"", -1, -1, -1.0f, 'Y'};

// Each row: a file, and the result, message and values of the first CDF_Get.
// Quotes are dropped, but a comma between them still separates; warnings
// follow one another without separators.
TEST(CdfGet, ReadsTheFirstDataRowOfAFile) {
  const auto bad = [](std::string c, std::string w) { return "The '" + c + "' record field " + w; };
  const std::string overflow = "has an integer overflow, will set to Missing. Data=|";
  const std::string oneChar = "(char field) is more than one char in length, will use 1st char.";
  const std::string noInt = "has invalid integer", noReal = "has invalid floating point number";
  const std::string n50(50, 'n'), a2944(2944, 'a'), cut = "is to long, will trunc. chars to fit.";
  const Row n49{std::string(49, 'n'), -1, -1, -1.0f, ' '};
  // The message stays below 3000 characters: "The 'Count' record field has invalid
  // integer: Data = |" is 54 characters, so 2944 of data and the bar make 2999.
  const std::string full = "ERROR - CDF_Get - Error Message too Small Please make bigger: %d ";
  const std::tuple<std::string, int, std::string, Row> rows[] = {
      {"A#1 , 7 ,, 2.5 ,F\n", 1, "", {"A#1", 7, -1, 2.5f, 'F'}},
      {"B,+12,-3,+3.25,\n", 1, "", {"B", 12, -3, 3.25f, ' '}},
      {"\n  \n\t \t\n\r\n#h\n  # n\n\t# n\nA,5,,,", 1, "", {"A", 5, -1, -1.0f, ' '}},
      {"  \0junk\nB,6,,,"s, 1, "", {"B", 6, -1, -1.0f, ' '}},  // after a NUL: blank
      {"#only\n   \n", 0, "", kMissing},
      {"P1,3\n", -1, kFormatError, {"P1", 3, -1, -1.0f, ' '}},
      {"P1,3,4,5\r,Y\n", -1, kFormatError, {"P1", 3, 4, 5.0f, ' '}},  // a CR ends the line
      {"\rA,1,2,3,Y\n", 1, "", kMissing},  // an empty text gives every column an empty field
      {"\tA 1\t,\t5,6,7,Y,extra,\"q\"\r\n", 1, "", {"A 1", 5, 6, 7.0f, 'Y'}},
      {"\"x,y\",3,-.5,Z", 1, bad("Count", noInt + ": Data = |y|"), {"x", -1, 3, -.5f, 'Z'}},
      {",4,9,1.5,\0Q"s, 1, "", {"", 4, 9, 1.5f, ' '}},  // a NUL ends the line
      {",3.0,,,", 1, bad("Count", noInt + ": Data = |3.0|"), kMissing},
      {",2147483648,,,", 1, bad("Count", overflow + "2147483648|"), kMissing},
      {",,x,,", 1, bad("Big", noInt), kMissing},
      {",,-2147483649,,", 1, bad("Big", overflow + "-2147483649|"), kMissing},
      {",,,1.5e3,", 1, bad("Load", noReal), kMissing},
      {",,,1.2.3,", 1, bad("Load", noReal), kMissing},
      {",,,,Yes", 1, bad("Flag", oneChar), kY},
      {n50 + ",,,,", 1, bad("Name", cut), n49},  // 49 characters fit a width of 50
      {n50.substr(1) + ",,,,", 1, "", n49},
      {",a,b,,YN", 1,
       bad("Count", noInt + ": Data = |a|") + "\n" + bad("Big", noInt) + "\n" +
           bad("Flag", oneChar),
       kY},
      {"," + a2944 + ",,,", 1, bad("Count", noInt + ": Data = |" + a2944 + "|"), kMissing},
      {",a" + a2944 + ",,,", -2, full, kMissing},
      {"," + a2944.substr(8), -2, full, kMissing}};  // also with a format error after it
  for (const auto& [file, result, expected, values] : rows) {
    SCOPED_TRACE(file);
    Row r{"stale", 5, 5, 5.0f, 's'};
    auto& [name, count, big, load, flag] = r;
    const d_CDF table[] = {{"Name", 's', 50, &name}, {"Count", 'i', 0, &count},
                           {"Big", 'l', 0, &big},    {"Load", 'f', 0, &load},
                           {"Flag", 'c', 0, &flag},  {"", 'x', 0, {}}};
    std::string message = "stale";
    EXPECT_EQ(ReadOne(table, file, message), result);
    EXPECT_EQ(message, expected);
    EXPECT_EQ(r, values);
  }
}

// A table of 2000 columns is read; a bad entry, or a 2001st column, is refused.
TEST(CdfGet, InvalidTablesAreRefused) {
  std::string name, message;
  int count = 0, *const none = nullptr;
  float load = 0;
  std::vector<d_CDF> widest(2000, d_CDF{"C", 'i', 0, &count});
  EXPECT_EQ(ReadOne(widest, "1,2\n", message), -1);
  widest.push_back(widest.back());
  const d_CDF bad[] = {{"A", 'q', 0, &count}, {"A", 'i', 0, &load}, {"A", 'f', 0, &count},
                       {"A", 'c', 0, &name},  {"A", 's', 0, &name}, {"A", 's', 5, {}},
                       {"A", 'l', 0, none},   {"", 'x', 0, &count}};
  for (std::size_t i = 0; i <= std::size(bad); ++i) {
    const auto table = i < std::size(bad) ? std::span<const d_CDF>(&bad[i], 1) : widest;
    EXPECT_EQ(ReadOne(table, "1\n", message), -2) << "table " << i;
    EXPECT_EQ(message, "ERROR - CDF_Get - Logic Error, bad type in CDF struct.") << "table " << i;
  }
}

TEST(FindComma, PositionOfNthCommaOrLineEnd) {
  const std::tuple<std::string, int, int> rows[] = {
      {"a,b,c", 0, 0}, {"a,b,c", 1, 1},   {"a,b,c", 2, 3}, {"a,b,c", 3, 5},
      {",,", 2, 1},    {"a,b\r,c", 2, 3}, {"a\n,b", 1, 1}, {"a\0,b"s, 1, 1}};
  for (const auto& [line, n, position] : rows)
    EXPECT_EQ(Find_Comma(line, n), position) << line << " comma " << n;
}

// Each row: line, start, end, and the field (none: a format error).
TEST(GetSubStr, CutsAndCleansField) {
  const std::nullopt_t no = std::nullopt;
  const std::tuple<std::string, int, int, std::optional<std::string>> rows[] = {
      {",7", 0, 0, ""},        {"ab,cd", 2, 5, "cd"},      {"x, ,y", 1, 3, ""},
      {"ab\r", 0, 3, "ab"},    {"a, b c ,d", 1, 7, "b c"}, {"a,\"q\" ,b", 1, 6, "q"},
      {"a,x\ny,b", 1, 5, "x"}, {"abc", 1, 4, no},          {"abc", 4, 5, no},
      {"abc", 2, 2, no},       {"abc", 2, 1, no},          {"abc", -1, 2, no}};
  for (const auto& [line, start, end, expected] : rows) {
    SCOPED_TRACE(line + " " + std::to_string(start) + "-" + std::to_string(end));
    std::string field = "old", message = "earlier|";
    EXPECT_EQ(Get_SubStr(line, field, start, end, message), expected.has_value());
    EXPECT_EQ(field, expected.value_or(""));
    EXPECT_EQ(message, expected ? "earlier|" : "earlier|" + kFormatError);
  }
}

}  // namespace

}  // namespace sylvanor
