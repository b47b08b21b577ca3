#include "base/TextInput.h"

#include <gtest/gtest.h>

#include <sstream>

namespace sylvanor {

namespace {

// Every line as the reader gets it with the line number told after it, then
// the cut lines: "a@1|b@3|cut 2".
std::string Lines(c_TextInput& in) {
  std::string text;
  for (std::string line; std::getline(in, line);)
    text += line + "@" + std::to_string(in.LineNumber()) + "|";
  text += "cut";
  for (const int line : in.CutLines())
    text += " " + std::to_string(line);
  return text;
}

}  // namespace

TEST(TextInput, LineEndsMarksAndLongLines) {
  const std::string bom = "\xEF\xBB\xBF", x = std::string(4999, 'x');
  const std::pair<std::string, std::string> rows[] = {
      {"a\nb\n", "a@1|b@2|cut"},
      {"a\r\n\nb\rc", "a@1|@2|b@3|c@4|cut"},
      {"a\r\r", "a@1|@2|cut"},
      {bom + bom + "a", bom + "a@1|cut"},  // only the first mark
      {"\xEF\xBB"
       "a",
       "\xEF\xBB"
       "a@1|cut"},
      {"\xEF", "\xEF@1|cut"},
      {"a\n" + x + "yy\r\n" + x + "\nb", "a@1|" + x + "@2|" + x + "@3|b@4|cut 2"},
      {std::string(65535, 'z') + "\r\nb", std::string(4999, 'z') + "@1|b@2|cut 1"},  // CR LF split
      {"", "cut"}};
  for (const auto& [bytes, lines] : rows) {
    std::istringstream file(bytes);
    c_TextInput in(file.rdbuf());
    EXPECT_EQ(Lines(in), lines) << bytes.substr(0, 10);
    in.clear();
    in.seekg(0);  // starts over: the mark skipped again, counted again
    EXPECT_EQ(Lines(in), lines) << bytes.substr(0, 10);
  }
  c_TextInput closed;
  EXPECT_FALSE(closed.Open("/no/such/file"));
  EXPECT_EQ(Lines(closed), "cut");
  EXPECT_EQ(AtFileLine("Error: > Format of input is incorrect !\n ", "p.vxd", 7),
            "Error: > Format of input is incorrect !\n File: p.vxd, line 7");
  EXPECT_EQ(AtFileLine("Bad row", "", 3), "Bad row\n line 3");
}

}  // namespace sylvanor
