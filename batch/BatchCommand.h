#pragma once
// sylvanor-batch: the command-line batch with named options.
//
//   sylvanor-batch --plots F --trees F --link F --project F --out F --errors F
//                  [--details F] [--profiles PREFIX] [--jobs N]
//                  [--user-folder D] [--quiet]
//
// Unlike `sylvanor` with six names, file names may hold blanks, the user
// folder is created on first use, the outcome is told on the terminal and in
// the exit code instead of a status file, a batch may hold any number of
// plots (and its files any number of rows), plots are computed on every core
// and every result of a plot can go to a details file.

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "batch/CommandLineBatch.h"

namespace sylvanor {

// Exit codes.
inline constexpr int kBatchExitDone = 0;    // the batch completed
inline constexpr int kBatchExitFailed = 1;  // it could not run
inline constexpr int kBatchExitUsage = 2;   // the command was wrong

// Where sylvanor-batch looks for things and what it is told about its
// surroundings.
struct d_BatchCommandEnv {
  std::filesystem::path programDir;  // holds VX-UD.txt and the files of a new user folder
  std::filesystem::path dataHome;    // the user's data home (UserDataHome())
  bool errIsTerminal = false;        // the progress line is shown on a terminal only
  int cores = 1;                     // the jobs when --jobs is not given
  // seconds since the start, for the progress line; empty: a steady clock
  std::function<double()> elapsedSeconds;
  BatchRunnerFn runBatch;  // empty: RunBatchWithFBC
};

// The usage text printed by --help.
std::string BatchCommandUsage();

// The progress line without its leading "\r": "Plot 12 of 100  (0:03)";
// the elapsed time as m:ss, or h:mm:ss from an hour on.
std::string BatchProgressLine(int done, int total, double seconds);

// Runs sylvanor-batch with the arguments after the program name. Options
// take their value as the next argument or after '=' (--plots=F); an
// argument that looks like an option is never taken as a value, and
// "--plots=" with nothing after the '=' reads as "--plots". An option given
// twice, an unknown option, a missing or empty value, a --jobs value that
// is not a whole number from 1 to 1024, a missing required option or any
// other argument is a usage error: the message prefixed
// "sylvanor-batch: " and "Try 'sylvanor-batch --help'." on `err`, exit 2.
// --help or -h prints the usage on `out`, exit 0 (the arguments are read in
// order, so an error before it wins).
//
// The user folder (--user-folder D, else the default one of VX-UD.txt in
// the data home) is created and filled when missing. Failures to make it
// ready and failures of the batch go to `err` prefixed "sylvanor-batch: ",
// exit 1. A completed batch prints on `out` the plots processed and
// skipped, the error count and the output, emissions, error, details and
// profile files, exit 0. The batch runs on env.cores jobs unless --jobs
// says otherwise, without the six-argument form's limits. Warnings (no VX-UD.txt) go to `err`;
// unless --quiet, so do the news of a user folder created and, on a terminal, a progress line kept
// up to date while the batch runs.
int BatchCommand(const std::vector<std::string>& args, const d_BatchCommandEnv& env,
                 std::ostream& out, std::ostream& err);

}  // namespace sylvanor
