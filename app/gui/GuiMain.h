#pragma once
// The desktop program: the main window over the state of c_MainWindowState.

#include <filesystem>

namespace sylvanor {

// Starts the window (the user folder under `dataHome`, the program's files
// in `programDir`) and runs it until it closes; the exit code.
int RunWindow(int argc, char** argv, const std::filesystem::path& programDir,
              const std::filesystem::path& dataHome);

}  // namespace sylvanor
