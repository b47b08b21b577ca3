#include "ui/StartUp.h"

#include <fstream>

#include "base/CFormat.h"
#include "base/TextUtil.h"
#include "platform/FileLookup.h"
#include "platform/UserFolder.h"

namespace sylvanor {

namespace fs = std::filesystem;

d_EmisLists EmissionLists(const c_NES& nes) {
  d_EmisLists lists;
  for (int row = 0; row < nes.GroupCount(); ++row) {
    d_EmisChoice choice;
    int mark = 0;
    const int kind = nes.GetGrpCov(row, choice.Group, choice.Cover, mark);
    std::vector<d_EmisChoice>* list = kind == 1   ? &lists.Flame
                                      : kind == 2 ? &lists.Duff
                                      : kind == 3 ? &lists.Coarse
                                                  : nullptr;
    if (list == nullptr) continue;
    int* selected = kind == 1   ? &lists.FlameDefault
                    : kind == 2 ? &lists.DuffDefault
                                : &lists.CoarseDefault;
    if (mark == kind) *selected = static_cast<int>(list->size());
    list->push_back(std::move(choice));
  }
  return lists;
}

std::string ReadSettingsProject(const fs::path& userFolder) {
  std::ifstream file(FindFileNoCase(userFolder / kSettingsFile), std::ios::binary);
  std::string line;
  if (!file.is_open() || !std::getline(file, line)) return {};
  return TrimmedLine(line);
}

int WriteSettingsProject(const fs::path& userFolder, const std::string& project,
                         std::string& message) {
  const fs::path path = FindFileNoCase(userFolder / kSettingsFile);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (file.is_open()) file << project << '\n';
  file.close();
  if (file.fail()) {
    message = CFormat("Can't write the settings file %s", path.string());
    return 0;
  }
  message.clear();
  return 1;
}

d_WindowStart WindowStartUp(const fs::path& programDir, const fs::path& dataHome, c_NES& nes) {
  d_WindowStart start;
  start.Folder = PrepareUserFolder(programDir, {}, dataHome);
  if (start.Folder.result != 1) return start;
  start.Project = ReadSettingsProject(start.Folder.folder);
  if (nes.LoadFile((start.Folder.folder / "Emission_Factors.csv").string(), start.EmisMessage) <=
      0) {
    if (start.EmisMessage.empty())
      start.EmisMessage = "Can't open Emission Factor File in User Folder.\n " +
                          start.Folder.folder.string() + "\n";
  } else {
    start.EmisMessage.clear();
  }
  return start;
}

}  // namespace sylvanor
