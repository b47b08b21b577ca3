#pragma once
// The program's folder: where the executable lies, and with it the data files
// shipped beside it (VX-UD.txt, VX-MovFil.txt, the files copied into a new
// user folder).

#include <filesystem>

namespace sylvanor {

// The folder of the running executable. Where the system names the running
// executable (/proc/self/exe) that name is used; otherwise the folder of
// `argv0` (the program name as started: made absolute against the current
// folder when it has a folder part, looked up along PATH when it is a bare
// name). The current folder when neither gives an answer.
std::filesystem::path ProgramDir(const char* argv0 = nullptr);

}  // namespace sylvanor
