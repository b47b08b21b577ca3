// sylvanor: the command-line batch with six file names, or (without
// arguments) the desktop program.

#include <iostream>
#include <string>
#include <vector>

#include "batch/CommandLineBatch.h"
#include "platform/ProgramDir.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return sylvanor::SylvanorMain(args, sylvanor::ProgramDir(argc > 0 ? argv[0] : nullptr),
                                std::cout);
}
