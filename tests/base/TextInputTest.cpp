#include "base/TextInput.h"

#include <gtest/gtest.h>

#include <sstream>

namespace sylvanor {

namespace {

// Every line as the reader gets it, each followed by "@" and the line number
// the input tells after it, then the cut lines: "a@1|b@3|cut 2".
std::string Lines(c_TextInput& in) {
  std::string text;
  for (std::string line; std::getline(in, line);)
    text += line + "@" + std::to_string(in.LineNumber()) + "|";
  text += "cut";
  for (const int line : in.CutLines())
    text += " " + std::to_string(line);
  return text;
}

std::string Lines(const std::string& bytes) {
  std::istringstream file(bytes);
  c_TextInput in(file.rdbuf());
  return Lines(in);
}

}  // namespace

TEST(TextInput, LineEndsMarksAndLongLines) {
  const std::string bom = "\xEF\xBB\xBF";
  const std::string x4999(4999, 'x');
  const struct {
    const char* name;
    std::string bytes, lines;
  } rows[] = {
      {"LF", "a\nb\n", "a@1|b@2|cut"},
      {"CR LF", "a\r\nb\r\n", "a@1|b@2|cut"},
      {"CR alone", "a\rb\r\rc", "a@1|b@2|@3|c@4|cut"},
      {"mixed, no end on the last", "a\r\n\nb\rc", "a@1|@2|b@3|c@4|cut"},
      {"a byte order mark", bom + "#Thin Yes\n", "#Thin Yes@1|cut"},
      {"only the first mark", bom + bom + "a",
       "\xEF\xBB\xBF"
       "a@1|cut"},
      {"part of a mark is text",
       "\xEF\xBB"
       "a\n",
       "\xEF\xBB"
       "a@1|cut"},
      {"a file of part of a mark", "\xEF", "\xEF@1|cut"},
      {"4999 characters fit", x4999 + "\nb", x4999 + "@1|b@2|cut"},
      {"the rest of a longer line is skipped", "a\n" + x4999 + "yy\r\nb",
       "a@1|" + x4999 + "@2|b@3|cut 2"},
      {"a CR LF across the read buffer", std::string(65535, 'z') + "\r\nb",
       "" + std::string(4999, 'z') + "@1|b@2|cut 1"},
      {"empty", "", "cut"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(Lines(row.bytes), row.lines) << row.name;
}

TEST(TextInput, RewindStartsOverAndAFileOpens) {
  std::istringstream file(
      "\xEF\xBB\xBF"
      "a\r" +
      std::string(5000, 'x') + "\rb");
  c_TextInput in(file.rdbuf());
  std::string line;
  std::getline(in, line);
  std::getline(in, line);
  EXPECT_EQ(in.LineNumber(), 2);
  in.clear();
  in.seekg(0);
  EXPECT_EQ(in.LineNumber(), 0);
  EXPECT_EQ(Lines(in), "a@1|" + std::string(4999, 'x') + "@2|b@3|cut 2");  // counted once

  c_TextInput closed;
  EXPECT_FALSE(closed.is_open());
  EXPECT_FALSE(std::getline(closed, line));
  EXPECT_FALSE(closed.Open("/no/such/file"));
  EXPECT_FALSE(closed.is_open());
}

TEST(TextInput, WhereAProblemIs) {
  EXPECT_EQ(AtFileLine("Error Reading Sylvanor Plot File: > Format of input is incorrect !\n ",
                       "plots.vxd", 7),
            "Error Reading Sylvanor Plot File: > Format of input is incorrect !\n File: plots.vxd, "
            "line 7");
  EXPECT_EQ(AtFileLine("Bad row", "", 3), "Bad row\n line 3");
  const d_FileNotice notice = LongLineNotice("trees.tre", 12);
  EXPECT_EQ(notice.file + "|" + std::to_string(notice.line) + "|" + notice.message,
            "trees.tre|12|Line longer than 4999 characters: the rest of the line is skipped");
}

}  // namespace sylvanor
