#include "io/PlotWarnings.h"

#include <filesystem>
#include <fstream>

#include "base/CFormat.h"
#include "platform/FileLookup.h"

namespace sylvanor {

namespace {

constexpr const char* kFileName = "SylvanorWarning.txt";

constexpr const char* kHead =
    "  Note: Missing or invalid numerical values detected in the input\n"
    "  file will be represented by a -1 in the messages below.\n"
    "  Columns headings represent the proper input file format...\n "
    "PlotId,  MonStatus, MonOrd, Spe, TPA, DBH, Hgt, CrownHgt, Status, CrownClass, CrownRatio\n\n";

}  // namespace

std::string PlotWarningsFileName(const std::string& projectFolder) {
  return FindFileNoCase(std::filesystem::path(projectFolder) / kFileName).string();
}

d_PlotWarningsFile WritePlotWarnings(const std::string& projectFolder,
                                     const std::vector<d_PlotWarning>& warnings) {
  d_PlotWarningsFile result;
  result.path = PlotWarningsFileName(projectFolder);
  std::ofstream file(result.path, std::ios::binary | std::ios::trunc);
  if (!file) {
    result.message = CFormat("Error Opening Plot Warning File:\n %s", result.path);
    return result;
  }
  for (const d_PlotWarning& warning : warnings) {
    if (warning.deadTree) continue;
    if (result.count == 0) file << kHead;
    file << warning.text;
    if (warning.text.empty() || warning.text.back() != '\n') file << '\n';
    file << '\n';
    ++result.count;
  }
  result.ok = true;
  return result;
}

d_PlotWarningsNotice PlotWarningsNotice(int count, const std::string& path) {
  if (count <= 0) return {};
  return {"Sylvanor Plot Warnings",
          CFormat("%d Warning messages were recorded in the file:\n\n %s\n\n", count, path) +
              " Do you want to open the file - Yes or No\n\n" +
              " Hit Cancel to NOT show this message again \n for the current plot file.\n"};
}

}  // namespace sylvanor
