#pragma once
// Making the user folder ready on first use: the desktop start-up and
// sylvanor-batch create and fill it; the command-line batch only looks for
// it.

#include <filesystem>
#include <string>

#include "platform/UserFolder.h"

namespace sylvanor {

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

}  // namespace sylvanor
