// sylvanor-batch: the command-line batch with named options.

#include <unistd.h>

#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "batch/BatchCommand.h"
#include "platform/ProgramDir.h"
#include "platform/UserFolder.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  sylvanor::d_BatchCommandEnv env;
  env.programDir = sylvanor::ProgramDir(argc > 0 ? argv[0] : nullptr);
  env.dataHome = sylvanor::UserDataHome();
  env.errIsTerminal = isatty(STDERR_FILENO) == 1;
  env.cores = static_cast<int>(std::thread::hardware_concurrency());
  return sylvanor::BatchCommand(args, env, std::cout, std::cerr);
}
