#include "batch/UserFolderSetup.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <fstream>
#include <optional>
#include <random>
#include <system_error>
#include <vector>

#include "base/Keyword.h"
#include "base/TextUtil.h"
#include "io/ProjectFile.h"
#include "platform/FileLookup.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

// The path without a trailing separator, so that it has a file name part.
fs::path WithoutTrailingSeparator(fs::path path) {
  path = path.lexically_normal();
  if (!path.has_filename() && path.has_parent_path() && path != path.root_path()) {
    path = path.parent_path();
  }
  return path;
}

// Makes a fresh empty folder, beside the final one, to fill under a name of
// its own; empty with `ec` set when none can be made.
fs::path MakePartialFolder(const fs::path& folder, std::error_code& ec) {
  std::uint64_t number =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  try {
    number ^= std::random_device()();
  } catch (const std::exception&) {
    // the clock alone then; a name already taken is passed over below
  }
  for (int attempt = 0; attempt < 100; ++attempt, ++number) {
    const fs::path work = folder.parent_path() / ("." + folder.filename().string() + ".partial-" +
                                                  std::to_string(number % 1000000007));
    if (fs::create_directory(work, ec)) return work;
    if (ec) return {};
  }
  ec = std::make_error_code(std::errc::file_exists);
  return {};
}

std::string CopyError(const std::string& systemMessage, const fs::path& file) {
  return "Error attempting to copy data files to User folder\n" + std::string("\n -> ") +
         systemMessage + " (" + file.string() + ")";
}

// The names of VX-MovFil.txt, or nothing when it cannot be opened.
std::optional<std::vector<std::string>> ReadFileList(const fs::path& programDir) {
  std::ifstream list(FindFileNoCase(programDir / kUserFolderFileList), std::ios::binary);
  if (!list.is_open()) return std::nullopt;
  std::vector<std::string> names;
  std::string line;
  while (std::getline(list, line)) {
    line = TrimmedLine(line);
    if (!line.empty()) names.push_back(line);
  }
  return names;
}

// Appends a line to a file, starting it on a line of its own.
bool AppendLine(const fs::path& file, const std::string& line) {
  bool needsLineEnd = false;
  {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in.is_open()) return false;
    if (in.tellg() > 0) {
      in.seekg(-1, std::ios::end);
      needsLineEnd = in.get() != '\n';
    }
  }
  std::ofstream out(file, std::ios::binary | std::ios::app);
  if (!out.is_open()) return false;
  if (needsLineEnd) out << '\n';
  out << line << '\n';
  out.close();
  return !out.fail();
}

// Fills the folder being made (`work`) for the final folder `folder`; an
// empty text, or the message of the failure.
std::string FillUserFolder(const fs::path& programDir, const std::vector<std::string>& names,
                           const fs::path& work, const fs::path& folder) {
  // the sample project and plot file as they are named in the list
  fs::path project, plotFile;
  for (const std::string& name : names) {
    const fs::path listed(name);
    const fs::path target = listed.filename();
    if (target.empty() || target == "." || target == "..") {
      return CopyError("not a file name", listed);
    }
    const fs::path source = FindFileNoCase(programDir / listed);
    std::error_code ec;
    fs::copy_file(source, work / target, fs::copy_options::overwrite_existing, ec);
    if (ec) return CopyError(ec.message(), source);
    // an installed file may be read-only; the user's copy is the user's to change
    fs::permissions(work / target, fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, ec);
    if (ec) return CopyError(ec.message(), work / target);
    if (SameKeyword(target.string(), kSampleProjectFile)) project = target;
    if (SameKeyword(target.string(), kSamplePlotFile)) plotFile = target;
  }
  if (plotFile.empty()) plotFile = kSamplePlotFile;

  if (!project.empty()) {
    const std::string line = "#PlotFileName " + Prj_NameToWord((folder / plotFile).string());
    if (!AppendLine(work / project, line)) {
      return CopyError("cannot write the sample project", work / project);
    }
  } else {
    project = kSampleProjectFile;
  }

  std::ofstream ini(work / kSettingsFile, std::ios::binary);
  if (ini.is_open()) ini << (folder / project).string() << '\n';
  ini.close();
  if (ini.fail()) return CopyError("cannot write the settings file", work / kSettingsFile);
  return {};
}

}  // namespace

d_UserFolderSetup PrepareUserFolder(const fs::path& programDir, const fs::path& folder,
                                    const fs::path& dataHome) {
  d_UserFolderSetup setup;
  fs::path chosen = folder;
  if (chosen.empty()) {
    d_UserFolderChoice choice = DefaultUserFolder(programDir, dataHome);
    setup.warning = std::move(choice.warning);
    if (choice.folder.empty()) {
      setup.message =
          "Can't locate the user data folder: neither XDG_DATA_HOME nor HOME names an absolute "
          "folder";
      return setup;
    }
    chosen = choice.folder;
  }
  std::error_code ec;
  chosen = fs::absolute(chosen, ec);
  if (ec) {
    setup.message = "Can't locate User folder " + folder.string() + "\n -> " + ec.message();
    return setup;
  }
  chosen = WithoutTrailingSeparator(chosen);
  setup.folder = chosen;

  const fs::file_status status = fs::status(chosen, ec);
  if (fs::is_directory(status)) {
    setup.result = 1;
    return setup;
  }
  if (fs::exists(status)) {
    setup.message = "User folder " + chosen.string() + " exists but is not a folder";
    return setup;
  }

  const std::optional<std::vector<std::string>> names = ReadFileList(programDir);
  if (!names) {
    setup.message =
        "Can Open/Find VX-MovFil.txt file while trying \n to create User Sylvanor folder";
    return setup;
  }

  fs::path work;
  fs::create_directories(chosen.parent_path(), ec);
  if (!ec) work = MakePartialFolder(chosen, ec);
  if (ec) {
    setup.message = "Can't create User folder " + chosen.string() + "\n -> " + ec.message();
    return setup;
  }

  std::string failure = FillUserFolder(programDir, *names, work, chosen);
  if (failure.empty()) {
    fs::rename(work, chosen, ec);
    if (ec) {
      // another start may have made the folder meanwhile: use that one
      std::error_code statusError;
      if (fs::is_directory(chosen, statusError)) {
        fs::remove_all(work, statusError);
        setup.result = 1;
        return setup;
      }
      failure = "Can't create User folder " + chosen.string() + "\n -> " + ec.message();
    }
  }
  if (!failure.empty()) {
    std::error_code removeError;
    fs::remove_all(work, removeError);
    setup.message = std::move(failure);
    return setup;
  }
  setup.result = 1;
  setup.created = true;
  return setup;
}

}  // namespace sylvanor
