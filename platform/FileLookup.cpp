#include "platform/FileLookup.h"

#include <string>
#include <system_error>

#include "base/Keyword.h"

namespace sylvanor {

std::filesystem::path FindFileNoCase(const std::filesystem::path& path) {
  std::error_code ec;
  if (path.empty() || std::filesystem::exists(path, ec)) return path;
  const std::filesystem::path name = path.filename();
  if (name.empty()) return path;
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";

  std::filesystem::path found;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::filesystem::path candidate = it->path().filename();
    if (!SameKeyword(candidate.string(), name.string())) continue;
    if (found.empty() || candidate < found) found = candidate;
  }
  if (found.empty()) return path;
  return path.parent_path() / found;
}

}  // namespace sylvanor
