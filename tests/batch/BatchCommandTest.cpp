#include "batch/BatchCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/BatchFiles.h"

namespace sylvanor {

namespace {

using Args = std::vector<std::string>;

Args SixFiles(const Args& more = {}) {
  Args args = {"--plots",   "p.pdq", "--trees", "t.tre", "--link",   "l.csv",
               "--project", "j.vxp", "--out",   "o.csv", "--errors", "e.txt"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

class BatchCommandTest : public BatchHomeTest {
 protected:
  BatchCommandTest() {
    env_.programDir = temp_.path(), env_.dataHome = home_, env_.runBatch = Recorder();
    env_.elapsedSeconds = [this] { return clock_.at(std::min(ticks_++, clock_.size() - 1)); };
  }
  // The exit code, what went to the output and what went to the error stream.
  std::string Run(const Args& args) {
    std::ostringstream out, err;
    ticks_ = 0;
    const int code = BatchCommand(args, env_, out, err);
    return std::to_string(code) + "|" + out.str() + "|" + err.str();
  }
  std::string Err(const Args& args) {
    const std::string run = Run(args);
    return run.substr(run.rfind('|') + 1);
  }
  d_BatchCommandEnv env_;
  std::vector<double> clock_ = {0.0};
  std::size_t ticks_ = 0;
};

TEST_F(BatchCommandTest, UsageErrorsExitTwoAndHelpZero) {
  const std::pair<Args, std::string> rows[] = {
      {SixFiles({"--bogus", "x"}), "unknown option '--bogus'"},
      {SixFiles({"-q"}), "unknown option '-q'"},
      {SixFiles({"extra.csv"}), "unexpected argument 'extra.csv'"},
      {SixFiles({"--user-folder"}), "option '--user-folder' requires a value"},
      {{"--plots", "--trees", "t.tre"}, "option '--plots' requires a value"},
      {SixFiles({"--out="}), "option '--out' requires a value"},
      {SixFiles({"--out", "again.csv"}), "option '--out' given more than once"},
      {SixFiles({"--quiet=yes"}), "option '--quiet' takes no value"},
      {SixFiles({"--jobs", "0"}), "option '--jobs' takes a whole number from 1 to 1024: '0'"},
      {SixFiles({"--jobs=1025"}), "option '--jobs' takes a whole number from 1 to 1024: '1025'"},
      {SixFiles({"--jobs", "2x"}), "option '--jobs' takes a whole number from 1 to 1024: '2x'"},
      {{"--bogus", "--help"}, "unknown option '--bogus'"},  // the first error wins
      {{"--plots", "p", "--project", "j", "--out", "o", "--errors", "e", "--link", "l"},
       "missing option '--trees'"},
      {{}, "missing options '--plots', '--trees', '--link', '--project', '--out', '--errors'"}};
  for (const auto& [args, message] : rows) {
    EXPECT_EQ(Run(args), "2||sylvanor-batch: " + message + "\nTry 'sylvanor-batch --help'.\n");
  }
  const std::string usage = BatchCommandUsage();
  for (const Args& args : {Args{"--help"}, Args{"-h"}, SixFiles({"--help", "--bogus"})}) {
    EXPECT_EQ(Run(args), "0|" + usage + "|");
  }
  EXPECT_EQ(runs_, 0);
  // the usage lines, an option with its text continued, and the last option
  EXPECT_EQ(usage.find("Usage: sylvanor-batch --plots F --trees F --link F --project F --out F "
                       "--errors F\n                      [--details F] [--profiles PREFIX] "
                       "[--jobs N]\n                      [--user-folder D] [--quiet]\n\nRuns"),
            0u);
  EXPECT_NE(usage.find("\n  --link F         link treatment file: the treatment and retention "
                       "priority set\n                   of each plot\n  --project F      "),
            std::string::npos);
  EXPECT_NE(usage.find("\n  -h, --help       this text\n\nAn option's"), std::string::npos);
}

TEST_F(BatchCommandTest, CompletedBatchReportsItsCountsAndFiles) {
  EXPECT_EQ(Run({"--plots=my plots.pdq", "--trees", "t.tre", "--link=l.csv", "--project", "j.vxp",
                 "--out", "out dir/run.csv", "--errors", "e.txt"}),
            "0|Plots processed: 2 of 3\nPlots skipped:   1\nErrors recorded: 4\nOutput file:     "
            "out dir/run.csv\nEmissions file:  out dir/run-Emis.csv\nError file:      e.txt\n|");
  const d_BatchFiles& f = files_;
  EXPECT_EQ(f.Plot + "|" + f.Tree + "|" + f.Link + "|" + f.Project + "|" + f.Output + "|" +
                f.Error + "|" + userFolder_,
            "my plots.pdq|t.tre|l.csv|j.vxp|out dir/run.csv|e.txt|" + user_.string());
}

TEST_F(BatchCommandTest, JobsDetailsAndProfilesReachTheBatchWithoutLimits) {
  env_.cores = 3;
  const std::pair<Args, std::string> rows[] = {
      {{}, "3 jobs|limits 0|||"},
      {{"--jobs", "2", "--details", "d.csv", "--profiles", "out/p"},
       "2 jobs|limits 0|d.csv|out/p-CBD-Pre.csv|out/p-CBD-Post.csv"}};
  for (const auto& [more, options] : rows) {
    const std::string run = Run(SixFiles(more));
    EXPECT_EQ(std::to_string(options_.jobs) + " jobs|limits " + std::to_string(options_.limits) +
                  "|" + files_.Details + "|" + files_.ProfilePre + "|" + files_.ProfilePost,
              options);
    EXPECT_EQ(run.find("Details file:    d.csv\nProfile files:   out/p-CBD-Pre.csv, "
                       "out/p-CBD-Post.csv\n|") != std::string::npos,
              !more.empty())
        << run;
  }
}

TEST_F(BatchCommandTest, TheUserFolderIsMadeReadyFirst) {
  const std::string folder = (temp_.path() / "new" / "user").string();
  EXPECT_EQ(Err(SixFiles({"--user-folder", folder})),
            "sylvanor-batch: created the user folder " + folder + "\n");
  EXPECT_EQ(ReadFile(folder + "/QOR_SPP.CSV") + userFolder_, "mortality\n" + folder);
  std::filesystem::remove_all(user_);  // the default folder, made quietly
  EXPECT_EQ(Err(SixFiles({"--quiet"})) + userFolder_, user_.string());
  std::filesystem::remove(temp_.path() / "VX-UD.txt");  // told even so
  EXPECT_EQ(Err(SixFiles({"--quiet"})),
            "sylvanor-batch: Warning - No VX-UD.txt file found. \n "
            "Will use 'Sylvanor 1.8' as a user folder name\n");
  // a folder that cannot be made, and a batch that cannot run
  std::filesystem::remove(temp_.path() / "VX-MovFil.txt");
  EXPECT_EQ(Run(SixFiles({"--user-folder", folder + "2"})),
            "1||sylvanor-batch: Can Open/Find VX-MovFil.txt file while trying \n to create User "
            "Sylvanor folder\n");
  outcome_ = {-1, "Can't open Emission Factor File in User Folder.\n /u\n"};
  EXPECT_EQ(Run(SixFiles({"--user-folder", folder})),
            "1||sylvanor-batch: Can't open Emission Factor File in User Folder.\n /u\n");
  EXPECT_EQ(runs_, 4);
}

TEST_F(BatchCommandTest, ProgressLineOnATerminal) {
  env_.errIsTerminal = true;
  const std::string two = "\rPlot 1 of 3  (0:00)\rPlot 3 of 3  (0:00)\n";
  const struct {
    std::vector<double> clock;
    int result;
    Args more;
    std::string err;
  } rows[] = {
      {{0, 0.4, 3.7}, 1, {}, "\rPlot 1 of 3  (0:00)\rPlot 2 of 3  (0:00)\rPlot 3 of 3  (0:03)\n"},
      {{0, 0.05, 0.06}, 1, {}, two},                    // under a tenth of a second apart
      {{0}, -1, {}, two + "sylvanor-batch: failed\n"},  // a failure on a line of its own
      {{0}, 1, {"--quiet"}, ""}};
  for (const auto& row : rows) {
    clock_ = row.clock;
    outcome_ = {row.result, "failed", 3, 3, 0, 0};
    EXPECT_EQ(Err(SixFiles(row.more)), row.err);
  }
  const std::pair<double, const char*> times[] = {
      {3.9, "(0:03)"}, {605, "(10:05)"}, {3725, "(1:02:05)"}, {-1, "(0:00)"}};
  for (const auto& [seconds, elapsed] : times) {
    EXPECT_EQ(BatchProgressLine(12, 100, seconds), std::string("Plot 12 of 100  ") + elapsed);
  }
}

}  // namespace

}  // namespace sylvanor
