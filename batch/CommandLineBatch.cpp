#include "batch/CommandLineBatch.h"

#include <exception>
#include <fstream>
#include <memory>

#include "base/CFormat.h"
#include "base/TextUtil.h"
#include "platform/UserFolder.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kCommandLineNames = 6;

std::string Verdict(int result, const std::string& message) {
  switch (result) {
    case 1:
      return "SUCCESS - Sylvanor ran to completion, check output error file for any Runtime "
             "warning/error messages";
    case 0:
      return "ERROR - Logic Error - nothing on command line";
    case -2:
      return "ERROR - Wrong number of arguments on command line";
    case -1:
      return CFormat("ERROR - %s ", message);
    default:
      return "ERROR - Logic Error - unknown error return value";
  }
}

void WriteErrorFile() {
  std::ofstream file(kCLBErrorFile, std::ios::binary);
  if (!file.is_open()) return;
  file << "Can find required Users Sylvanor folder.\n"
       << "Folder can be created by running Sylvanor once from the desktop.";
}

}  // namespace

d_BatchOutcome RunBatchWithFBC(const d_BatchFiles& files, const std::string& userFolder,
                               const d_BatchOptions& options) {
  try {
    auto runner = std::make_unique<c_FBC>();
    return runner->RunBatch(files, userFolder, options);
  } catch (const std::exception& e) {
    d_BatchOutcome outcome;
    outcome.result = -1;
    outcome.message = e.what();
    return outcome;
  }
}

const std::vector<std::string>& CLB_HelpText() {
  static const std::vector<std::string> lines = {
      " Invalid command line syntax\n\n",
      "To run Sylvanor in command line batch mode you must enter the\n",
      "following file names on the command line following the program name.\n",
      "See the Sylvanor Command Line Batch section of the Sylvanor User Guide\n",
      "for more information.\n\n",
      "VX_GUI  PDQ   TRE   Treatment   Project   Output   OutputError\n\n",
      " PDQ – Input plot data file. PDQ file format.\n",
      " TRE – Input tree file. TRE format.\n",
      " Treatment – Plot treatment and retention priority settings for each plot.\n",
      "                    If created in Sylvanor the name is Link-Treatment.csv.\n",
      " Project – Sylvanor project file, contains all available treatment and\n",
      "                    retention priority sets.\n",
      " Output – Calculated output values\n",
      " OutputError – Error report\n\n",
      "Each time you attempt to run Sylvanor Command Line Batch it will create\n",
      "a file called Sylvanor_CLB.txt to report if simulation completed (SUCCESS)\n",
      "or failed (ERROR) to run. On SUCCESS you might still have warning/error \n",
      "messages in your output error file that occurred during processing.\n\n",
      "The mortality equation file (qor_spp.csv) must be in your ‘User’ Sylvanor\n",
      "folder. This folder is created after you install Sylvanor and run it the first\n",
      "time from the Desktop.\n",
  };
  return lines;
}

std::string CLB_ShowHelp() {
  std::string text;
  for (const std::string& line : CLB_HelpText())
    text += line;
  return text;
}

int VXLB_Mngr(const std::string& commandLine, const std::string& userFolder, std::string& message,
              const BatchRunnerFn& runBatch) {
  message.clear();
  if (commandLine.empty()) return 0;

  const std::vector<std::string_view> names = SplitWords(commandLine, kCommandLineNames);
  if (names.size() < kCommandLineNames) {
    message = CFormat("Wrong number of arguments on command line..\n %s", commandLine);
    return -2;
  }

  d_BatchFiles files;
  files.Plot = names[0];
  files.Tree = names[1];
  files.Link = names[2];
  files.Project = names[3];
  files.Output = names[4];
  files.Error = names[5];

  d_BatchOutcome outcome;
  try {
    outcome = runBatch ? runBatch(files, userFolder, {}) : RunBatchWithFBC(files, userFolder);
  } catch (const std::exception& e) {
    outcome.result = -1;
    outcome.message = e.what();
  }
  if (outcome.result == 1) return 1;
  message = outcome.message;
  return -1;
}

int VXLB_Main(const std::string& commandLine, const d_CLBEnv& env) {
  const fs::path userFolder = _getpath(env.programDir, env.dataHome);

  // no user folder: the status file has no place (never the current folder
  // or the root in its stead)
  std::ofstream status;
  if (!userFolder.empty()) status.open(userFolder / kCLBStatusFile, std::ios::binary);
  if (!status.is_open()) {
    WriteErrorFile();
    return 0;
  }

  status << " This file is create whenever Sylvanor is run in Command Line Batch Mode.\n\n ";
  status.flush();

  std::string message;
  const int result = VXLB_Mngr(commandLine, userFolder.string(), message, env.runBatch);
  if (result == -2 && env.showHelp) env.showHelp(CLB_ShowHelp());
  status << Verdict(result, message);
  // a verdict that could not be written is no success
  status.close();
  return result == 1 && status ? 1 : 0;
}

int SylvanorMain(const std::vector<std::string>& args, const d_CLBEnv& env, std::ostream& out) {
  std::string commandLine;
  for (const std::string& arg : args)
    commandLine += arg + " ";

  if (!commandLine.empty()) {
    d_CLBEnv withHelp = env;
    withHelp.showHelp = [&out](const std::string& help) { out << help << '\n'; };
    VXLB_Main(commandLine, withHelp);
    return 0;
  }

  out << "Sylvanor - forestry fuel tool\n"
         "\n"
         "The desktop window is coming in a later version. Meanwhile run a batch over a\n"
         "plot file from the command line, in one of two forms:\n"
         "\n"
         "  sylvanor PLOTS TREES LINK PROJECT OUTPUT ERRORS\n"
         "      the six file names in this order, none with a blank inside; the verdict\n"
         "      goes to Sylvanor_CLB.txt in your user folder\n"
         "\n"
         "  sylvanor-batch --plots F --trees F --link F --project F --out F --errors F\n"
         "                 [--user-folder D] [--quiet]\n"
         "      the same batch with named options; creates your user folder on first\n"
         "      use and reports on the terminal (see sylvanor-batch --help)\n";
  return 0;
}

int SylvanorMain(const std::vector<std::string>& args, const fs::path& programDir,
                 std::ostream& out) {
  d_CLBEnv env;
  env.programDir = programDir;
  env.dataHome = UserDataHome();
  return SylvanorMain(args, env, out);
}

}  // namespace sylvanor
