#pragma once
// The user folder: the user's own copy of Sylvanor's data files (mortality
// equations, emission factors, the sample project and plot files) and the
// place of Sylvanor.ini and of the command-line batch status file.
//
// It lies in the user's data home (XDG_DATA_HOME, else ~/.local/share) under
// the name given by the first line of VX-UD.txt in the program's folder.
// Creating and filling it on first use is batch/UserFolderSetup.h.

#include <filesystem>
#include <optional>
#include <string>

namespace sylvanor {

// The user's data home: XDG_DATA_HOME when it is set to an absolute path,
// else $HOME/.local/share when HOME is set to an absolute path, else empty.
std::filesystem::path UserDataHome();
// The same from the two values as given (null when not set).
std::filesystem::path UserDataHomeFrom(const char* xdgDataHome, const char* home);

// The user folder name: the first line of VX-UD.txt in the program folder
// (the file name found without regard to case), without its line end and
// leading and trailing blanks. Nothing when the file is missing or
// unreadable, and nothing when the line is no usable folder name: empty, an
// absolute path, or a path with a "." or ".." part (the name must stay
// inside the data home; "Forestry/Sylvanor" is allowed).
std::optional<std::string> ReadUserFolderName(const std::filesystem::path& programDir);

// The user folder when it exists: the data home joined with the name from
// VX-UD.txt, when the file gives a name, the data home is known and that
// folder exists; otherwise empty.
std::filesystem::path _getpath(const std::filesystem::path& programDir,
                               const std::filesystem::path& dataHome);

// The folder name used when VX-UD.txt is missing, and the warning given then.
inline constexpr const char* kDefaultUserFolderName = "Sylvanor 1.8";
inline constexpr const char* kNoUserFolderNameWarning =
    "Warning - No VX-UD.txt file found. \n Will use 'Sylvanor 1.8' as a user folder name";

// Files of the program folder and of the user folder.
inline constexpr const char* kUserFolderNameFile = "VX-UD.txt";
inline constexpr const char* kUserFolderFileList = "VX-MovFil.txt";
inline constexpr const char* kSampleProjectFile = "VX_Sample.vxp";
inline constexpr const char* kSamplePlotFile = "PDQ_Sample.pdq";
inline constexpr const char* kSettingsFile = "Sylvanor.ini";

// The default user folder: the data home joined with the name from
// VX-UD.txt, or with "Sylvanor 1.8" and the warning when VX-UD.txt gives no
// name. An empty folder when the data home is not known.
struct d_UserFolderChoice {
  std::filesystem::path folder;
  std::string warning;
};
d_UserFolderChoice DefaultUserFolder(const std::filesystem::path& programDir,
                                     const std::filesystem::path& dataHome);

}  // namespace sylvanor
