#include "base/CsvRow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sylvanor {

namespace {

TEST(CsvReadRow, SplitsAndUnquotes) {
  using Row = std::vector<std::string>;
  const std::tuple<std::string, char, Row> cases[] = {
      {R"(a,"b,c","d""e")", ',', {"a", "b,c", "d\"e"}},
      {"", ',', {""}},
      {"a,", ',', {"a", ""}},
      {"a,b\r\nc,d", ',', {"a", "b"}},
      {"\"x\r\ny\",z\n", ',', {"x\r\ny", "z"}},
      {"\"abc,d", ',', {"abc,d"}},
      {R"(ab"c,d"e)", ',', {"abc,de"}},
      {"a;b,c", ';', {"a", "b,c"}},
      {"caf\xC3\xA9,\xFFx", ',', {"caf", "x"}},
  };
  for (const auto& [line, delimiter, row] : cases)
    EXPECT_EQ(csv_read_row(line, delimiter), row) << line;
}

}  // namespace

}  // namespace sylvanor
