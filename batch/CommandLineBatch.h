#pragma once
// Command-line batch mode: `sylvanor PLOTS TREES LINK PROJECT OUTPUT ERRORS`
// runs one batch over a plot file without the window and leaves a one-line
// verdict in the status file Sylvanor_CLB.txt of the user folder.

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "batch/BatchRunner.h"

namespace sylvanor {

// Runs one whole batch (its files, the user folder and how it runs).
using BatchRunnerFn = std::function<d_BatchOutcome(
    const d_BatchFiles& files, const std::string& userFolder, const d_BatchOptions& options)>;

// The batch with a batch runner of its own (on the heap: it is large).
// An exception from the run becomes result -1 with its text as the message.
d_BatchOutcome RunBatchWithFBC(const d_BatchFiles& files, const std::string& userFolder,
                               const d_BatchOptions& options = {});

// The help text, line by line, and whole; its title.
const std::vector<std::string>& CLB_HelpText();
std::string CLB_ShowHelp();
inline constexpr const char* kCLBHelpTitle = "Sylvanor - Command Line Batch";

// The status file in the user folder, and the file written in the current
// folder when there is no user folder.
inline constexpr const char* kCLBStatusFile = "Sylvanor_CLB.txt";
inline constexpr const char* kCLBErrorFile = "ERROR.txt";

// Splits the command line into the six file names and runs the batch with
// the user folder, one job and the limits of kBatchPlots plots and the
// files' row limits: 1 done, 0 nothing on the command line, -1 the batch could
// not run (the reason in `message`), -2 fewer than six names (the message
// holds the command line). Names are separated by white space, so a name
// with a blank inside counts as two; names after the sixth are ignored.
// `runBatch` empty runs RunBatchWithFBC.
int VXLB_Mngr(const std::string& commandLine, const std::string& userFolder, std::string& message,
              const BatchRunnerFn& runBatch = {});

// Where the command-line batch looks for things.
struct d_CLBEnv {
  std::filesystem::path programDir;  // holds VX-UD.txt
  std::filesystem::path dataHome;    // the user's data home (UserDataHome())
  BatchRunnerFn runBatch;            // empty: RunBatchWithFBC
  // shows the help text when the number of names is wrong; empty: not shown
  std::function<void(const std::string& help)> showHelp;
};

// The command-line batch: finds the user folder (_getpath), writes the
// status file there, runs VXLB_Mngr and writes its verdict. 1 success, 0
// failure (a verdict that cannot be written is a failure too). Without a user folder (none found)
// the status file cannot be opened: ERROR.txt in the current folder then says so and the batch does
// not run.
int VXLB_Main(const std::string& commandLine, const d_CLBEnv& env);

// The program's entry. `args` are the arguments after the program name;
// they are joined into one text, each followed by one blank. With
// arguments the command-line batch runs (the help text goes to `out` when
// the number of names is wrong); without, `out` gets a short usage. Always 0.
int SylvanorMain(const std::vector<std::string>& args, const std::filesystem::path& programDir,
                 std::ostream& out);
// The same with the batch environment given.
int SylvanorMain(const std::vector<std::string>& args, const d_CLBEnv& env, std::ostream& out);

}  // namespace sylvanor
