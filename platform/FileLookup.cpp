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

namespace sylvanor {

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const bool aExists = fs::exists(a, ec);
  const bool bExists = fs::exists(b, ec);
  if (aExists && bExists) return fs::equivalent(a, b, ec) && !ec;
  if (aExists || bExists) return false;
  const fs::path aPlace = fs::weakly_canonical(fs::absolute(a, ec), ec);
  const fs::path bPlace = fs::weakly_canonical(fs::absolute(b, ec), ec);
  return !aPlace.empty() && aPlace == bPlace;
}

bool ExistsAsNonFile(const std::filesystem::path& path) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

}  // namespace sylvanor
