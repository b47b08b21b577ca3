#pragma once
// The user folder: the user's own copy of Sylvanor's data files (mortality
// equations, emission factors, the sample project and plot files) and the
// place of Sylvanor.ini and of the command-line batch status file.
//
// It lies in the user's data home (XDG_DATA_HOME, else ~/.local/share) under
// the name given by the first line of VX-UD.txt in the program's folder. The
// desktop start-up and sylvanor-batch create and fill it on first use; the
// command-line batch only looks for it.

#include <filesystem>
#include <optional>
#include <string>

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

// What making the user folder ready did.
struct d_UserFolderSetup {
  int result = 0;                // 1 the folder is ready, 0 it is not (see message)
  std::filesystem::path folder;  // the user folder, absolute
  std::string warning;           // the missing VX-UD.txt warning, else empty
  std::string message;           // why the folder is not ready
  bool created = false;          // true when this call created and filled it
};

// Makes the user folder ready at start-up. `folder` is the folder to use;
// when empty, the default user folder of the data home (DefaultUserFolder,
// whose warning is passed on). A folder that exists is used as it is,
// untouched. Otherwise it is created (with its parents) and filled:
//   - every file listed in VX-MovFil.txt of the program folder (one name a
//     line; blank lines ignored; each found in the program folder without
//     regard to case) is copied into it under the listed name, and made
//     writable by its owner;
//   - the copied sample project VX_Sample.vxp (when the list holds it; the
//     sample names are matched without regard to case) gets the line
//     "#PlotFileName " followed by the full path of the copied
//     PDQ_Sample.pdq, written as the project file writes names (a blank as
//     '$'), so that the project reader gives the path back whole; a project
//     whose last line has no line end gets one first;
//   - Sylvanor.ini gets one line, the full path of the sample project.
// Failures: "Can Open/Find VX-MovFil.txt file while trying \n to create User
// Sylvanor folder" when the list is missing (nothing is created then);
// "Error attempting to copy data files to User folder\n\n -> " followed by
// the system's message and the file's name when a file cannot be copied or
// written; a message naming the folder when it cannot be created.
//
// A folder is never left half filled: it is filled under a temporary name
// beside it (".<name>.partial-<number>") and takes its name only once
// complete, so a failure or an interruption leaves no folder of that name
// and the next start tries again. A failure removes the temporary folder; an
// interrupted run may leave one behind, which is never used. Parent folders
// created on the way stay. When another program creates the same folder at
// the same time, the first to finish wins and the other uses its folder.
d_UserFolderSetup PrepareUserFolder(const std::filesystem::path& programDir,
                                    const std::filesystem::path& folder,
                                    const std::filesystem::path& dataHome);
