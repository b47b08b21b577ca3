#include "batch/BatchCommand.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <chrono>
#include <exception>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>

#include "base/CFormat.h"
#include "batch/UserFolderSetup.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgram = "sylvanor-batch";

// An option: its names, what its value is called in the help (none for a
// switch), where the value goes (null for --user-folder and the switches),
// whether it is required, and its help text.
struct d_OptionSpec {
  const char* names;
  const char* valueText;
  std::string d_BatchFiles::*file;
  bool required;
  const char* help;
};

constexpr d_OptionSpec kOptions[] = {
    {"--plots", "F", &d_BatchFiles::Plot, true,
     "plot data with surface fuels; a .vxd or .pdq name decides the layout"},
    {"--trees", "F", &d_BatchFiles::Tree, true, "the trees of the plots"},
    {"--link", "F", &d_BatchFiles::Link, true,
     "link treatment file: the treatment and retention priority set\nof each plot"},
    {"--project", "F", &d_BatchFiles::Project, true,
     "project file holding those treatments and sets"},
    {"--out", "F", &d_BatchFiles::Output, true,
     "plot output file; the emissions file F-Emis.csv is written\nbeside it (the name without its "
     "extension, then -Emis.csv)"},
    {"--errors", "F", &d_BatchFiles::Error, true, "error report of the plots"},
    {"--details", "F", &d_BatchFiles::Details, false,
     "every result of each computed plot, one CSV row per plot\n(docs/details-file.md names the "
     "columns)"},
    {"--profiles", "PREFIX", nullptr, false,
     "canopy bulk density profiles before and after treatment,\none row per plot: "
     "PREFIX-CBD-Pre.csv "
     "and PREFIX-CBD-Post.csv"},
    {"--jobs", "N", nullptr, false,
     "plots computed side by side on N cores (default: every\ncore); the files come out the same "
     "for any N"},
    {"--user-folder", "D", nullptr, false,
     "the user folder with the mortality equations (qor_Spp.csv)\nand emission factors "
     "(Emission_Factors.csv); default: the\nfolder named in VX-UD.txt beside the program, under\n"
     "$XDG_DATA_HOME or ~/.local/share. Created and filled with\nthe program's data files when "
     "missing."},
    {"--quiet", nullptr, nullptr, false, "no progress line and no news of a created user folder"},
    {"-h,--help", nullptr, nullptr, false, "this text"},
};

constexpr const char* kDescription =
    "Runs Sylvanor over every plot of a plot file, each with the treatment the link\n"
    "treatment file names for it.\n";
constexpr const char* kFooter =
    "An option's value may also follow '=' (--plots=plots.pdq).\n"
    "\n"
    "Exit status: 0 the batch completed (problems of single plots are in the error\n"
    "report), 1 it could not run, 2 the command was wrong.\n";

// The help text: the usage, the required options on the first line and the
// others in brackets on the next lines; the description; each option with its
// help text in a column of its own, continued lines indented to it; the
// footer.
class UsageFormatter : public CLI::Formatter {
 public:
  UsageFormatter() { column_width(19); }

  std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode) const override {
    std::string text = make_usage(app, name) + "\n" + app->get_description() + "\n";
    for (const CLI::Option* option : app->get_options()) {
      text += make_option(option, false);
    }
    return text + "\n" + app->get_footer();
  }

  std::string make_usage(const CLI::App* app, std::string name) const override {
    const std::string lead = "Usage: " + name;
    const std::string indent(lead.size(), ' ');
    std::string required, optional, line = indent;
    for (const CLI::Option* option : app->get_options()) {
      if (option == app->get_option_no_throw("--help")) continue;
      const std::string item = option->get_name() + make_option_opts(option);
      if (option->get_required()) {
        required += " " + item;
        continue;
      }
      // the optional ones in brackets, on lines of at most 80 characters
      if (line.size() > indent.size() && line.size() + item.size() + 3 > 80) {
        optional += line + "\n";
        line = indent;
      }
      line += " [" + item + "]";
    }
    return lead + required + "\n" + optional + line + "\n";
  }

  // "-h, --help"
  std::string make_option_name(const CLI::Option* option, bool positional) const override {
    std::string names = CLI::Formatter::make_option_name(option, positional);
    for (std::size_t at = names.find(','); at != std::string::npos; at = names.find(',', at + 2)) {
      names.insert(at + 1, " ");
    }
    return names;
  }
};

// An option met on the command line: the option, the value given (empty when
// none) and how many arguments no option takes came before it.
struct d_OptionMet {
  const d_OptionSpec* option;
  std::string value;
  std::size_t unknownBefore;
};

// The options of sylvanor-batch on `app`; each one met is added to `met`.
// Every option takes at most one value, so an option without one reads as
// an empty value and the argument after it is left for what it is; the
// checks are ParseArgs's, in the order of the arguments.
void DefineOptions(CLI::App& app, std::vector<d_OptionMet>* met) {
  app.set_help_flag();  // --help is one of the options, read in order with the others
  app.allow_extras();   // the arguments no option takes are told apart in ParseArgs
  app.description(kDescription);
  app.footer(kFooter);
  app.formatter(std::make_shared<UsageFormatter>());
  for (const d_OptionSpec& option : kOptions) {
    const auto record = [&app, &option, met](const CLI::results_t& results) {
      if (met)
        met->push_back({&option, results.empty() ? "" : results.back(), app.remaining().size()});
      return true;
    };
    CLI::Option* added = app.add_option(option.names, record, option.help)
                             ->expected(0, option.valueText ? 1 : 0)
                             ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
                             ->trigger_on_parse()
                             ->required(option.required);
    if (option.valueText) added->option_text(option.valueText);
  }
}

struct Command {
  d_BatchFiles files;
  fs::path userFolder;
  int jobs = 0;  // 0: not given
  bool quiet = false;
  bool help = false;
};

// Two arguments CLI11 reads otherwise than sylvanor-batch are handed to it
// marked: "--", for CLI11 the end of the options, is an unknown option; an
// empty value after '=', which CLI11 would take from the next argument, is
// an empty value.
constexpr char kMark = '\x1f';

std::string Marked(const std::string& arg) {
  if (arg == "--" || (arg.rfind("--", 0) == 0 && arg.find('=') == arg.size() - 1)) {
    return arg + kMark;
  }
  return arg;
}

std::string Unmarked(std::string text) {
  if (!text.empty() && text.back() == kMark) text.pop_back();
  return text;
}

// An argument no option takes; a long option is named without its value.
std::string UnknownArgument(const std::string& marked) {
  const std::string arg = Unmarked(marked);
  if (arg.rfind("--", 0) == 0) return CFormat("unknown option '%s'", arg.substr(0, arg.find('=')));
  if (arg.size() > 1 && arg[0] == '-') return CFormat("unknown option '%s'", arg);
  return CFormat("unexpected argument '%s'", arg);
}

// The long name of an option without its dashes.
std::string OptionName(const d_OptionSpec& option) {
  const std::string names = option.names;
  return names.substr(names.rfind("--") + 2);
}

constexpr int kMaxJobs = 1024;

// The number of jobs a value gives, or 0 when it is not a whole number from
// 1 to kMaxJobs.
int JobCount(const std::string& value) {
  if (value.empty() || value.size() > 4 ||
      value.find_first_not_of("0123456789") != std::string::npos)
    return 0;
  const int jobs = std::stoi(value);
  return jobs <= kMaxJobs ? jobs : 0;
}

// Reads the arguments; an empty text, or the usage error.
std::string ParseArgs(const std::vector<std::string>& args, Command& command) {
  CLI::App app{"", kProgram};
  std::vector<d_OptionMet> met;
  DefineOptions(app, &met);
  std::vector<std::string> reversed;
  for (auto arg = args.rbegin(); arg != args.rend(); ++arg)
    reversed.push_back(Marked(*arg));
  try {
    app.parse(reversed);
  } catch (const CLI::RequiredError&) {
    // the missing options are named below, after the errors of those given
  } catch (const CLI::ParseError& e) {
    return e.what();
  }

  // the options and the unknown arguments in the order given; the first
  // error wins, and so does --help when no error comes before it
  const std::vector<std::string> unknown = app.remaining();
  std::vector<bool> seen(std::size(kOptions), false);
  for (const d_OptionMet& m : met) {
    if (m.unknownBefore > 0) return UnknownArgument(unknown.front());
    const std::string name = OptionName(*m.option);
    if (!m.option->valueText) {
      if (!m.value.empty()) return CFormat("option '--%s' takes no value", name);
      command.help = command.help || name == "help";
      command.quiet = command.quiet || name == "quiet";
      if (command.help) return {};
      continue;
    }
    const std::string value = Unmarked(m.value);
    if (value.empty()) return CFormat("option '--%s' requires a value", name);
    const std::size_t k = static_cast<std::size_t>(m.option - kOptions);
    if (seen[k]) return CFormat("option '--%s' given more than once", name);
    seen[k] = true;
    if (m.option->file) {
      command.files.*m.option->file = value;
    } else if (name == "profiles") {
      command.files.ProfilePre = value + "-CBD-Pre.csv";
      command.files.ProfilePost = value + "-CBD-Post.csv";
    } else if (name == "jobs") {
      command.jobs = JobCount(value);
      if (command.jobs < 1)
        return CFormat("option '--jobs' takes a whole number from 1 to %d: '%s'", kMaxJobs, value);
    } else {
      command.userFolder = value;
    }
  }
  if (!unknown.empty()) return UnknownArgument(unknown.front());

  std::string missing;
  int count = 0;
  for (std::size_t k = 0; k < std::size(kOptions); ++k) {
    if (!kOptions[k].required || seen[k]) continue;
    missing += (count++ ? ", '--" : "'--") + OptionName(kOptions[k]) + "'";
  }
  if (count == 1) return "missing option " + missing;
  if (count > 1) return "missing options " + missing;
  return {};
}

// The text without trailing line ends and blanks.
std::string TrimEnd(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

std::string ElapsedText(double seconds) {
  const long total = seconds > 0 ? static_cast<long>(seconds) : 0;
  const long hours = total / 3600, minutes = total / 60 % 60, secs = total % 60;
  if (hours > 0) return CFormat("%ld:%02ld:%02ld", hours, minutes, secs);
  return CFormat("%ld:%02ld", minutes, secs);
}

}  // namespace

std::string BatchCommandUsage() {
  CLI::App app{"", kProgram};
  DefineOptions(app, nullptr);
  return app.help();
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

  d_BatchOptions options;
  options.jobs = command.jobs > 0 ? command.jobs : std::max(1, env.cores);
  options.limits = false;  // an inventory may be as large as the machine allows
  options.progress = progress;
  d_BatchOutcome outcome;
  try {
    outcome = env.runBatch ? env.runBatch(command.files, setup.folder.string(), options)
                           : RunBatchWithFBC(command.files, setup.folder.string(), options);
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
  if (!command.files.Details.empty()) out << "Details file:    " << command.files.Details << '\n';
  if (!command.files.ProfilePre.empty()) {
    out << "Profile files:   " << command.files.ProfilePre << ", " << command.files.ProfilePost
        << '\n';
  }
  return kBatchExitDone;
}

}  // namespace sylvanor
