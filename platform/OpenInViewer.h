#pragma once
// Showing a file to the user in the desktop's own program for its type (a
// text editor for a text file), as a double click in the file manager
// would.

#include <filesystem>
#include <string>

namespace sylvanor {

// Starts `viewer` (the desktop's opener, xdg-open, when empty) on the file
// and returns without waiting for it; false when it could not be started.
// The file name goes to the program as one argument, never through a shell.
bool OpenInViewer(const std::filesystem::path& file, const std::string& viewer = "");

}  // namespace sylvanor
