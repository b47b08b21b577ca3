#include "platform/UserFolder.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "base/TextUtil.h"
#include "platform/FileLookup.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

// A folder name that stays inside the folder it is joined to.
bool UsableFolderName(const std::string& name) {
  if (name.empty()) return false;
  const fs::path path(name);
  if (path.has_root_path()) return false;
  for (const fs::path& part : path) {
    if (part == "." || part == "..") return false;
  }
  return true;
}

}  // namespace

fs::path UserDataHomeFrom(const char* xdgDataHome, const char* home) {
  if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute()) return xdgDataHome;
  if (home != nullptr && fs::path(home).is_absolute()) return fs::path(home) / ".local" / "share";
  return {};
}

fs::path UserDataHome() {
  return UserDataHomeFrom(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::optional<std::string> ReadUserFolderName(const fs::path& programDir) {
  std::ifstream file(FindFileNoCase(programDir / kUserFolderNameFile), std::ios::binary);
  if (!file.is_open()) return std::nullopt;
  std::string line;
  if (!std::getline(file, line)) return std::nullopt;
  line = TrimmedLine(line);
  if (!UsableFolderName(line)) return std::nullopt;
  return line;
}

fs::path _getpath(const fs::path& programDir, const fs::path& dataHome) {
  if (dataHome.empty()) return {};
  const std::optional<std::string> name = ReadUserFolderName(programDir);
  if (!name) return {};
  const fs::path folder = dataHome / *name;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return {};
  return folder;
}

d_UserFolderChoice DefaultUserFolder(const fs::path& programDir, const fs::path& dataHome) {
  d_UserFolderChoice choice;
  std::optional<std::string> name = ReadUserFolderName(programDir);
  if (!name) {
    choice.warning = kNoUserFolderNameWarning;
    name = kDefaultUserFolderName;
  }
  if (!dataHome.empty()) choice.folder = dataHome / *name;
  return choice;
}

}  // namespace sylvanor
