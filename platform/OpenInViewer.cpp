#include "platform/OpenInViewer.h"

#if defined(__unix__) || defined(__APPLE__)
#include <spawn.h>
#include <sys/wait.h>

#include <thread>
#include <vector>

extern char** environ;
#endif

namespace sylvanor {

bool OpenInViewer(const std::filesystem::path& file, const std::string& viewer) {
#if defined(__unix__) || defined(__APPLE__)
#if defined(__APPLE__)
  std::string program = viewer.empty() ? "open" : viewer;
#else
  std::string program = viewer.empty() ? "xdg-open" : viewer;
#endif
  std::string path = file.string();
  std::vector<char*> argv = {program.data(), path.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
    return false;
  // the viewer outlives the call; its exit is collected so that it leaves no
  // zombie behind
  std::thread([pid] {
    int status = 0;
    waitpid(pid, &status, 0);
  }).detach();
  return true;
#else
  (void)file;
  (void)viewer;
  return false;
#endif
}

}  // namespace sylvanor
