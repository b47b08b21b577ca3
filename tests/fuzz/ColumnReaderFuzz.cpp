// Fuzz target for the comma-separated readers: the bytes are read as a whole
// file through a table with every column type, and as one line by the other
// text readers.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "base/ColumnReader.h"
#include "base/CsvRow.h"
#include "base/TextUtil.h"
#include "io/WindowText.h"

using namespace sylvanor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  std::string name;
  int count = 0;
  int big = 0;
  float load = 0.0f;
  char flag = 0;
  const d_CDF table[] = {{"Name", 's', 4, &name}, {"Count", 'i', 0, &count}, {"Big", 'l', 0, &big},
                         {"Load", 'f', 0, &load}, {"Flag", 'c', 0, &flag},   {"", 'x', 0, {}}};
  std::istringstream file(text);
  std::string message;
  int rows = 0;
  while (CDF_Get(table, file, message) > 0) {
    // every row consumes at least one line
    if (++rows > static_cast<int>(size) + 1) __builtin_trap();
    if (name.size() > 3 || message.size() >= 3000) __builtin_trap();
  }
  if (message.size() >= 3000) __builtin_trap();

  const char delimiter = size > 0 ? static_cast<char>(data[0]) : ',';
  (void)csv_read_row(text, ',');
  (void)csv_read_row(text, delimiter);
  for (const CsvQuotes quotes : {CsvQuotes::Plain, CsvQuotes::Blank, CsvQuotes::Group}) {
    const CsvRules rules{.delimiter = delimiter, .quotes = quotes, .trim = true, .skipEmpty = true};
    for (const std::string& field : SplitFields(text, rules)) {
      if (field.empty() || field.front() == ' ' || field.back() == ' ') __builtin_trap();
    }
  }
  for (const std::string_view word : SplitWords(text)) {
    if (word.empty() || word.find_first_of(kWhiteSpace) != std::string_view::npos) __builtin_trap();
  }
  double number = 0;
  if (ReadNumberStart(text, number) > size) __builtin_trap();

  const char kind = Get_NumTyp(text);
  if (kind != 'I' && kind != 'F' && kind != 'X') __builtin_trap();

  float value = 0.0f;
  const bool ok = StrToFloat(text, value, "Field", message);
  if (ok && (value < 0.0f || !message.empty())) __builtin_trap();
  if (!ok && value != 0.0f) __builtin_trap();

  for (int n = 0; n < 4; ++n) {
    const int start = Find_Comma(text, n);
    const int end = Find_Comma(text, n + 1);
    if (start < 0 || end < start || static_cast<size_t>(end) > size) __builtin_trap();
    std::string field;
    (void)Get_SubStr(text, field, start, end, message);
  }
  return 0;
}
