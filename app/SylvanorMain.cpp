// sylvanor: the desktop program, or with six file names the command-line
// batch.

#include <iostream>
#include <string>
#include <vector>

#include "app/gui/GuiMain.h"
#include "batch/CommandLineBatch.h"
#include "platform/ProgramDir.h"
#include "platform/UserFolder.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const std::filesystem::path programDir = sylvanor::ProgramDir(argc > 0 ? argv[0] : nullptr);
  if (args.empty()) return sylvanor::RunWindow(argc, argv, programDir, sylvanor::UserDataHome());
  return sylvanor::SylvanorMain(args, programDir, std::cout);
}
