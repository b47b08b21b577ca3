#include "ui/Help.h"

#include <fstream>
#include <sstream>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "platform/FileLookup.h"

namespace sylvanor {

d_HelpText ReadHelp(const std::filesystem::path& programDir, const std::string& name) {
  d_HelpText help;
  const std::filesystem::path path = FindFileNoCase(programDir / name);
  std::ifstream file(path, std::ios::binary);
  if (ExistsAsNonFile(path) || !file) {
    help.Message = CFormat("Can't Open Help File: %s", path.string());
    return help;
  }
  std::ostringstream text;
  text << file.rdbuf();
  help.Ok = true;
  help.Text = text.str();
  const std::string extension = path.extension().string();
  help.Html = SameKeyword(extension, ".html") || SameKeyword(extension, ".htm");
  return help;
}

std::string AboutText() {
  return CFormat(
      "Sylvanor %s\n\n"
      "Canopy fuel, stand measures and fuel treatments of forest plots: thinning, pruning, "
      "slash, piling, pile and broadcast burning with fuel consumption, smoke emissions and "
      "tree mortality, the crown fire indices and the standard fuel models before and after "
      "treatment.",
      kVersion);
}

}  // namespace sylvanor
