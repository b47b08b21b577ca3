#include "ui/ChartColors.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "base/TextUtil.h"
#include "platform/FileLookup.h"

namespace sylvanor {

bool IsColorText(const std::string& text) {
  return text.size() == 7 && text[0] == '#' &&
         std::all_of(text.begin() + 1, text.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

d_ChartColors ReadChartColors(const std::filesystem::path& userFolder) {
  d_ChartColors colors;
  std::ifstream file(FindFileNoCase(userFolder / kChartColorsFile), std::ios::binary);
  std::string line;
  while (std::getline(file, line)) {
    if (CommentLine(line)) continue;
    const std::vector<std::string_view> words = SplitWords(line, 2);
    if (words.size() < 2 || !IsColorText(std::string(words[1]))) continue;
    for (const d_ChartColorName& name : kChartColorNames)
      if (SameKeyword(words[0], name.Keyword)) colors.*name.Member = words[1];
  }
  return colors;
}

int WriteChartColors(const std::filesystem::path& userFolder, const d_ChartColors& colors,
                     std::string& message) {
  for (const d_ChartColorName& name : kChartColorNames) {
    if (!IsColorText(colors.*name.Member)) {
      message = CFormat("The %s colour \"%s\" is not of the form #rrggbb", name.Caption,
                        colors.*name.Member);
      return 0;
    }
  }
  const std::filesystem::path path = FindFileNoCase(userFolder / kChartColorsFile);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (file.is_open()) {
    file << "# Chart colours: a series and its colour as #rrggbb\n";
    for (const d_ChartColorName& name : kChartColorNames)
      file << name.Keyword << ' ' << colors.*name.Member << '\n';
  }
  file.close();
  if (file.fail()) {
    message = CFormat("Can't write the chart colours file %s", path.string());
    return 0;
  }
  message.clear();
  return 1;
}

}  // namespace sylvanor
