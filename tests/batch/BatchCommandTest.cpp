#include "batch/BatchCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kSixFiles = {"--plots", "p.pdq",   "--trees",   "t.tre",
                                            "--link",  "l.csv",   "--project", "prj.vxp",
                                            "--out",   "run.csv", "--errors",  "err.txt"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// A program folder shipping the user folder's files, a data home where the
// user folder "Sylvanor" already exists, and a batch that records what it
// was given and reports progress over three plots.
class BatchCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(program_);
    fs::create_directories(home_ / "Sylvanor");
    Ship("VX-UD.txt", "Sylvanor\n");
    Ship("VX-MovFil.txt", "qor_Spp.csv\n");
    Ship("qor_Spp.csv", "mortality\n");
    env_.programDir = program_;
    env_.dataHome = home_;
    env_.elapsedSeconds = [this] { return clock_[std::min(ticks_++, clock_.size() - 1)]; };
    env_.runBatch = [this](const d_BatchFiles& files, const std::string& userFolder,
                           const BatchProgress& progress) {
      ++runs_;
      files_ = files;
      userFolder_ = userFolder;
      for (int done = 1; done <= 3 && progress; ++done)
        progress(done, 3);
      return outcome_;
    };
    outcome_ = {1, "", 3, 2, 1, 4};
  }

  void Ship(const std::string& name, const std::string& text) const {
    std::ofstream(program_ / name, std::ios::binary) << text;
  }

  int Run(const std::vector<std::string>& args) {
    out_.str("");
    err_.str("");
    return BatchCommand(args, env_, out_, err_);
  }

  // A usage error: exit 2, the message and the hint on the error stream.
  void ExpectUsageError(const std::vector<std::string>& args, const std::string& message) {
    EXPECT_EQ(Run(args), 2);
    EXPECT_EQ(err_.str(), "sylvanor-batch: " + message + "\nTry 'sylvanor-batch --help'.\n");
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(runs_, 0);
  }

  TempFolder temp_;
  const fs::path program_ = temp_.path() / "bin";
  const fs::path home_ = temp_.path() / "share";
  d_BatchCommandEnv env_;
  std::vector<double> clock_ = {0.0};
  std::size_t ticks_ = 0;
  d_BatchOutcome outcome_;
  int runs_ = 0;
  d_BatchFiles files_;
  std::string userFolder_;
  std::ostringstream out_, err_;
};

TEST_F(BatchCommandTest, UsageErrors) {
  ExpectUsageError(With(kSixFiles, {"--bogus", "x"}), "unknown option '--bogus'");
  ExpectUsageError(With(kSixFiles, {"-q"}), "unknown option '-q'");
  ExpectUsageError(With(kSixFiles, {"extra.csv"}), "unexpected argument 'extra.csv'");
  ExpectUsageError(With(kSixFiles, {"--user-folder"}), "option '--user-folder' requires a value");
  ExpectUsageError({"--plots", "--trees", "t.tre"}, "option '--plots' requires a value");
  ExpectUsageError(With(kSixFiles, {"--out="}), "option '--out' requires a value");
  ExpectUsageError(With(kSixFiles, {"--out", "again.csv"}), "option '--out' given more than once");
  ExpectUsageError(With(kSixFiles, {"--quiet=yes"}), "option '--quiet' takes no value");
  ExpectUsageError({"--plots", "p.pdq", "--project", "prj.vxp", "--out", "o.csv", "--errors",
                    "e.txt", "--link", "l.csv"},
                   "missing option '--trees'");
  ExpectUsageError({},
                   "missing options '--plots', '--trees', '--link', '--project', '--out', "
                   "'--errors'");
}

TEST_F(BatchCommandTest, HelpPrintsTheUsage) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"-h"}, With(kSixFiles, {"--help", "--bogus"})}) {
    EXPECT_EQ(Run(args), 0);
    EXPECT_EQ(out_.str(), BatchCommandUsage());
    EXPECT_EQ(err_.str(), "");
  }
  EXPECT_NE(BatchCommandUsage().find("--user-folder D"), std::string::npos);
  EXPECT_EQ(runs_, 0);
}

TEST_F(BatchCommandTest, CompletedBatchReportsItsCountsAndFiles) {
  const std::vector<std::string> args = {
      "--plots=my plots.pdq", "--trees",  "t.tre",  "--link=l.csv", "--project", "prj.vxp", "--out",
      "out dir/run.csv",      "--errors", "err.txt"};
  EXPECT_EQ(Run(args), 0);
  EXPECT_EQ(runs_, 1);
  EXPECT_EQ(files_.Plot, "my plots.pdq");
  EXPECT_EQ(files_.Tree, "t.tre");
  EXPECT_EQ(files_.Link, "l.csv");
  EXPECT_EQ(files_.Project, "prj.vxp");
  EXPECT_EQ(files_.Output, "out dir/run.csv");
  EXPECT_EQ(files_.Error, "err.txt");
  EXPECT_EQ(userFolder_, (home_ / "Sylvanor").string());
  EXPECT_EQ(out_.str(),
            "Plots processed: 2 of 3\n"
            "Plots skipped:   1\n"
            "Errors recorded: 4\n"
            "Output file:     out dir/run.csv\n"
            "Emissions file:  " +
                EmissionFileName("out dir/run.csv") +
                "\n"
                "Error file:      err.txt\n");
  EXPECT_EQ(err_.str(), "");  // not a terminal: no progress line
}

TEST_F(BatchCommandTest, FailedBatchExitsOneWithItsMessage) {
  outcome_ = {};
  outcome_.result = -1;
  outcome_.message = "Can't open Emission Factor File in User Folder.\n /u\n";
  EXPECT_EQ(Run(kSixFiles), 1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(), "sylvanor-batch: Can't open Emission Factor File in User Folder.\n /u\n");
}

TEST_F(BatchCommandTest, MissingPlotFileExitsOne) {
  env_.runBatch = {};  // the real batch runner
  const fs::path plots = temp_.path() / "missing.pdq";
  EXPECT_EQ(Run({"--plots", plots.string(), "--trees", "t.tre", "--link", "l.csv", "--project",
                 "p.vxp", "--out", (temp_.path() / "o.csv").string(), "--errors",
                 (temp_.path() / "e.txt").string(), "--quiet"}),
            1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(),
            "sylvanor-batch: Error opening file(s). Make sure existing files are closed\n "
            "Can't Open Plot File: " +
                plots.string() + "\n");
}

TEST_F(BatchCommandTest, UserFolderIsCreatedOnFirstUse) {
  const fs::path folder = temp_.path() / "new" / "user";
  EXPECT_EQ(Run(With(kSixFiles, {"--user-folder", folder.string()})), 0);
  EXPECT_EQ(userFolder_, folder.string());
  EXPECT_EQ(err_.str(), "sylvanor-batch: created the user folder " + folder.string() + "\n");
  EXPECT_TRUE(fs::is_regular_file(folder / "qor_Spp.csv"));
  EXPECT_TRUE(fs::is_regular_file(folder / "Sylvanor.ini"));

  // the default folder, told quietly
  fs::remove_all(home_ / "Sylvanor");
  EXPECT_EQ(Run(With(kSixFiles, {"--quiet"})), 0);
  EXPECT_EQ(userFolder_, (home_ / "Sylvanor").string());
  EXPECT_TRUE(fs::is_regular_file(home_ / "Sylvanor" / "qor_Spp.csv"));
  EXPECT_EQ(err_.str(), "");
}

TEST_F(BatchCommandTest, UserFolderThatCannotBeMadeExitsOne) {
  fs::remove_all(home_ / "Sylvanor");
  fs::remove(program_ / "VX-MovFil.txt");
  EXPECT_EQ(Run(kSixFiles), 1);
  EXPECT_EQ(err_.str(),
            "sylvanor-batch: Can Open/Find VX-MovFil.txt file while trying \n to create User "
            "Sylvanor folder\n");
  EXPECT_EQ(runs_, 0);
}

TEST_F(BatchCommandTest, MissingVxUdIsWarnedEvenWhenQuiet) {
  fs::remove(program_ / "VX-UD.txt");
  EXPECT_EQ(Run(With(kSixFiles, {"--quiet"})), 0);
  EXPECT_EQ(err_.str(),
            "sylvanor-batch: Warning - No VX-UD.txt file found. \n Will use 'Sylvanor 1.8' as a "
            "user folder name\n");
  EXPECT_EQ(userFolder_, (home_ / "Sylvanor 1.8").string());
}

TEST_F(BatchCommandTest, ProgressLineOnATerminal) {
  env_.errIsTerminal = true;
  clock_ = {0.0, 0.4, 3.7};
  EXPECT_EQ(Run(kSixFiles), 0);
  EXPECT_EQ(err_.str(), "\rPlot 1 of 3  (0:00)\rPlot 2 of 3  (0:00)\rPlot 3 of 3  (0:03)\n");

  // lines closer than a tenth of a second are dropped, but never the last
  clock_ = {0.0, 0.05, 0.06};
  ticks_ = 0;
  EXPECT_EQ(Run(kSixFiles), 0);
  EXPECT_EQ(err_.str(), "\rPlot 1 of 3  (0:00)\rPlot 3 of 3  (0:00)\n");

  // a failure starts on a line of its own
  outcome_.result = -1;
  outcome_.message = "Logic Error - VXLB_Main()\n a - b";
  ticks_ = 0;
  EXPECT_EQ(Run(kSixFiles), 1);
  EXPECT_EQ(err_.str(),
            "\rPlot 1 of 3  (0:00)\rPlot 3 of 3  (0:00)\n"
            "sylvanor-batch: Logic Error - VXLB_Main()\n a - b\n");

  outcome_.result = 1;
  EXPECT_EQ(Run(With(kSixFiles, {"--quiet"})), 0);
  EXPECT_EQ(err_.str(), "");
}

TEST(BatchProgressLineTest, ElapsedTimeAsMinutesAndHours) {
  EXPECT_EQ(BatchProgressLine(12, 100, 3.9), "Plot 12 of 100  (0:03)");
  EXPECT_EQ(BatchProgressLine(1, 5, 605), "Plot 1 of 5  (10:05)");
  EXPECT_EQ(BatchProgressLine(1, 5, 3725), "Plot 1 of 5  (1:02:05)");
  EXPECT_EQ(BatchProgressLine(0, 0, -1), "Plot 0 of 0  (0:00)");
}

}  // namespace

}  // namespace sylvanor
