#include "platform/ProgramDir.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "base/CsvRow.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

// The executable named by the system, empty where there is no such name.
fs::path RunningExecutable() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || !exe.is_absolute()) return {};
  return exe;
}

// A bare program name as the shell found it: the first folder of PATH
// holding a regular file of that name.
fs::path FindOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return {};
  for (const std::string& folder : SplitFields(path, {.delimiter = ':'})) {
    // an empty entry of PATH stands for the current folder
    const fs::path candidate = (folder.empty() ? fs::path(".") : fs::path(folder)) / name;
    std::error_code ec;
    if (fs::is_regular_file(candidate, ec)) return candidate;
  }
  return {};
}

fs::path CurrentFolder() {
  std::error_code ec;
  fs::path here = fs::current_path(ec);
  return ec ? fs::path() : here;
}

}  // namespace

fs::path ProgramDir(const char* argv0) {
  if (fs::path exe = RunningExecutable(); !exe.empty()) return exe.parent_path();

  if (argv0 == nullptr || *argv0 == '\0') return CurrentFolder();
  fs::path program(argv0);
  if (!program.has_parent_path()) {
    program = FindOnPath(argv0);
    if (program.empty()) return CurrentFolder();
  }
  std::error_code ec;
  fs::path absolute = fs::absolute(program, ec);
  if (ec) return CurrentFolder();
  return absolute.lexically_normal().parent_path();
}

}  // namespace sylvanor
