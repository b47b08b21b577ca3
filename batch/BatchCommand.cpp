#include "batch/BatchCommand.h"

#include <chrono>
#include <exception>
#include <functional>
#include <iterator>
#include <optional>

#include "base/CFormat.h"
#include "batch/UserFolderSetup.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgram = "sylvanor-batch";

// An option that takes a value.
struct ValueOption {
  const char* name;
  std::string d_BatchFiles::*file;  // null for --user-folder
  bool required;
};

constexpr ValueOption kValueOptions[] = {
    {"plots", &d_BatchFiles::Plot, true}, {"trees", &d_BatchFiles::Tree, true},
    {"link", &d_BatchFiles::Link, true},  {"project", &d_BatchFiles::Project, true},
    {"out", &d_BatchFiles::Output, true}, {"errors", &d_BatchFiles::Error, true},
    {"user-folder", nullptr, false},
};
constexpr std::size_t kOptionCount = std::size(kValueOptions);

struct Command {
  d_BatchFiles files;
  fs::path userFolder;
  bool quiet = false;
  bool help = false;
};

// The text without trailing line ends and blanks.
std::string TrimEnd(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

// Reads the arguments; an empty text, or the usage error.
std::string ParseArgs(const std::vector<std::string>& args, Command& command) {
  bool seen[kOptionCount] = {};
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      command.help = true;
      return {};
    }
    if (arg.rfind("--", 0) != 0) {
      if (arg.size() > 1 && arg[0] == '-') return CFormat("unknown option '%s'", arg);
      return CFormat("unexpected argument '%s'", arg);
    }

    const std::size_t equals = arg.find('=');
    const std::string name =
        arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    const bool inline_value = equals != std::string::npos;
    if (name == "quiet" || name == "help") {
      if (inline_value) return CFormat("option '--%s' takes no value", name);
      command.quiet = command.quiet || name == "quiet";
      if (name == "help") {
        command.help = true;
        return {};
      }
      continue;
    }

    std::size_t k = 0;
    while (k < kOptionCount && name != kValueOptions[k].name)
      ++k;
    if (k == kOptionCount) return CFormat("unknown option '--%s'", name);

    std::string value;
    if (inline_value) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) {
      value = args[++i];
    }
    if (value.empty()) return CFormat("option '--%s' requires a value", name);
    if (seen[k]) return CFormat("option '--%s' given more than once", name);
    seen[k] = true;
    if (kValueOptions[k].file != nullptr) {
      command.files.*kValueOptions[k].file = value;
    } else {
      command.userFolder = value;
    }
  }

  std::string missing;
  int count = 0;
  for (std::size_t k = 0; k < kOptionCount; ++k) {
    if (!kValueOptions[k].required || seen[k]) continue;
    missing += (count++ ? ", '--" : "'--") + std::string(kValueOptions[k].name) + "'";
  }
  if (count == 1) return "missing option " + missing;
  if (count > 1) return "missing options " + missing;
  return {};
}

std::string ElapsedText(double seconds) {
  const long total = seconds > 0 ? static_cast<long>(seconds) : 0;
  const long hours = total / 3600, minutes = total / 60 % 60, secs = total % 60;
  if (hours > 0) return CFormat("%ld:%02ld:%02ld", hours, minutes, secs);
  return CFormat("%ld:%02ld", minutes, secs);
}

}  // namespace

std::string BatchCommandUsage() {
  return "Usage: sylvanor-batch --plots F --trees F --link F --project F --out F --errors F\n"
         "                      [--user-folder D] [--quiet]\n"
         "\n"
         "Runs Sylvanor over every plot of a plot file, each with the treatment the link\n"
         "treatment file names for it.\n"
         "\n"
         "  --plots F        plot data with surface fuels; a .vxd or .pdq name decides the layout\n"
         "  --trees F        the trees of the plots\n"
         "  --link F         link treatment file: the treatment and retention priority set\n"
         "                   of each plot\n"
         "  --project F      project file holding those treatments and sets\n"
         "  --out F          plot output file; the emissions file F-Emis.csv is written\n"
         "                   beside it (the name without its extension, then -Emis.csv)\n"
         "  --errors F       error report of the plots\n"
         "  --user-folder D  the user folder with the mortality equations (qor_Spp.csv)\n"
         "                   and emission factors (Emission_Factors.csv); default: the\n"
         "                   folder named in VX-UD.txt beside the program, under\n"
         "                   $XDG_DATA_HOME or ~/.local/share. Created and filled with\n"
         "                   the program's data files when missing.\n"
         "  --quiet          no progress line and no news of a created user folder\n"
         "  -h, --help       this text\n"
         "\n"
         "An option's value may also follow '=' (--plots=plots.pdq).\n"
         "\n"
         "Exit status: 0 the batch completed (problems of single plots are in the error\n"
         "report), 1 it could not run, 2 the command was wrong.\n";
}

std::string BatchProgressLine(int done, int total, double seconds) {
  return CFormat("Plot %d of %d  (%s)", done, total, ElapsedText(seconds));
}

int BatchCommand(const std::vector<std::string>& args, const d_BatchCommandEnv& env,
                 std::ostream& out, std::ostream& err) {
  Command command;
  if (const std::string usage = ParseArgs(args, command); !usage.empty()) {
    err << kProgram << ": " << usage << "\nTry 'sylvanor-batch --help'.\n";
    return kBatchExitUsage;
  }
  if (command.help) {
    out << BatchCommandUsage();
    return kBatchExitDone;
  }

  const d_UserFolderSetup setup =
      PrepareUserFolder(env.programDir, command.userFolder, env.dataHome);
  if (!setup.warning.empty()) err << kProgram << ": " << setup.warning << '\n';
  if (setup.result != 1) {
    err << kProgram << ": " << TrimEnd(setup.message) << '\n';
    return kBatchExitFailed;
  }
  if (setup.created && !command.quiet) {
    err << kProgram << ": created the user folder " << setup.folder.string() << '\n';
  }

  // the progress line, on a terminal only
  const auto start = std::chrono::steady_clock::now();
  const std::function<double()> elapsed = env.elapsedSeconds ? env.elapsedSeconds : [start] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  bool progressShown = false;
  std::optional<double> lastShown;
  BatchProgress progress;
  if (env.errIsTerminal && !command.quiet) {
    progress = [&](int done, int total) {
      const double seconds = elapsed();
      // a tenth of a second between lines is enough for the eye; the last
      // line is always shown
      if (lastShown && done < total && seconds - *lastShown < 0.1) return;
      lastShown = seconds;
      err << '\r' << BatchProgressLine(done, total, seconds) << std::flush;
      progressShown = true;
    };
  }

  d_BatchOutcome outcome;
  try {
    outcome = env.runBatch ? env.runBatch(command.files, setup.folder.string(), progress)
                           : RunBatchWithFBC(command.files, setup.folder.string(), progress);
  } catch (const std::exception& e) {
    outcome = {};
    outcome.result = -1;
    outcome.message = e.what();
  }
  if (progressShown) err << '\n';

  if (outcome.result != 1) {
    err << kProgram << ": " << TrimEnd(outcome.message) << '\n';
    return kBatchExitFailed;
  }

  out << "Plots processed: " << outcome.processed << " of " << outcome.plots << '\n'
      << "Plots skipped:   " << outcome.skipped << '\n'
      << "Errors recorded: " << outcome.errors << '\n'
      << "Output file:     " << command.files.Output << '\n'
      << "Emissions file:  " << EmissionFileName(command.files.Output) << '\n'
      << "Error file:      " << command.files.Error << '\n';
  return kBatchExitDone;
}

}  // namespace sylvanor
