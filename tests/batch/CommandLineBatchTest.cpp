#include "batch/CommandLineBatch.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "tests/support/BatchFiles.h"

namespace sylvanor {

namespace {

namespace fs = std::filesystem;

class CommandLineBatchTest : public BatchHomeTest {
 protected:
  CommandLineBatchTest() {
    env_.programDir = temp_.path(), env_.dataHome = home_, env_.runBatch = Recorder();
    env_.showHelp = [this](const std::string& help) { help_ += help; };
  }
  d_CLBEnv env_;
  std::string help_;
};

TEST_F(CommandLineBatchTest, TheFirstSixNamesRunAndTheStatusFileSaysHowItWent) {
  const std::string wrong = "Wrong number of arguments on command line", failed = "Logic Error";
  const std::string success =
      "SUCCESS - Sylvanor ran to completion, check output error file for any Runtime "
      "warning/error messages";
  const struct {
    const char* line;
    int batch, result;  // the batch's result (0: it throws) and VXLB_Mngr's
    std::string message, status;
  } rows[] = {{"", 1, 0, "", "ERROR - Logic Error - nothing on command line"},
              {"a b c d e ", 1, -2, wrong + "..\n a b c d e ", "ERROR - " + wrong},
              {" \t ", 1, -2, wrong + "..\n  \t ", "ERROR - " + wrong},  // no name at all
              {"a b c d e f ", -1, -1, failed, "ERROR - Logic Error "},
              {"a b c d e f ", 0, -1, "out of memory", "ERROR - out of memory "},
              {"  a\tb c d e f g h ", 1, 1, "", success}};  // names after the sixth are ignored
  for (const auto& row : rows) {
    outcome_.result = row.batch, outcome_.message = failed;
    env_.runBatch = Recorder();
    if (row.batch == 0) {
      env_.runBatch = [](const d_BatchFiles&, const std::string&,
                         const d_BatchOptions&) -> d_BatchOutcome {
        throw std::runtime_error("out of memory");
      };
    }
    std::string message = "old";
    EXPECT_EQ(VXLB_Mngr(row.line, user_.string(), message, env_.runBatch), row.result) << row.line;
    EXPECT_EQ(message, row.message);
    EXPECT_EQ(VXLB_Main(row.line, env_), row.result == 1) << row.line;
    EXPECT_EQ(ReadFile(user_ / "Sylvanor_CLB.txt"),
              " This file is create whenever Sylvanor is run in Command Line Batch Mode.\n\n " +
                  row.status);
  }
  const d_BatchFiles& f = files_;
  EXPECT_EQ(
      f.Plot + f.Tree + f.Link + f.Project + f.Output + f.Error + f.ProfilePre + f.ProfilePost,
      "abcdef");
  EXPECT_EQ(userFolder_, user_.string());
  EXPECT_EQ(help_, CLB_ShowHelp() + CLB_ShowHelp());  // for the two lines without six names
  EXPECT_EQ(CLB_ShowHelp().rfind(" Invalid command line syntax\n\n", 0), 0u);
}

TEST_F(CommandLineBatchTest, WithoutAUserFolderErrorTxtInTheCurrentFolderSaysSo) {
  const fs::path work = temp_.path() / "work", old = fs::current_path();
  fs::create_directories(work);
  fs::current_path(work);
  fs::remove_all(user_);  // VX-UD.txt names a folder that does not exist
  const int named = VXLB_Main("a b c d e f ", env_);
  const std::string first = ReadFile("ERROR.txt");
  fs::remove("ERROR.txt");
  fs::remove(env_.programDir / "VX-UD.txt");  // no VX-UD.txt at all
  const int unnamed = VXLB_Main("a b c d e f ", env_);
  fs::current_path(old);
  const std::string expected =
      "Can find required Users Sylvanor folder.\nFolder can be created by running Sylvanor once "
      "from the desktop.";
  EXPECT_EQ(named + unnamed + runs_, 0);
  EXPECT_EQ(first + ReadFile(work / "ERROR.txt"), expected + expected);
  EXPECT_FALSE(fs::exists(work / "Sylvanor_CLB.txt") || fs::exists(home_ / "Sylvanor_CLB.txt"));
}

TEST_F(CommandLineBatchTest, TheProgramJoinsItsArgumentsAndAlwaysExitsZero) {
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{"my plots.pdq", "t.tre", "l.csv", "p.vxp", "o.csv", "e.txt"}, ""},  // a failed batch
      {{"a", "b"}, CLB_ShowHelp() + "\n"},
      {{""}, CLB_ShowHelp() + "\n"}};  // an empty argument still makes a command line
  outcome_.result = -1;
  for (const auto& [args, expected] : rows) {
    std::ostringstream out;
    EXPECT_EQ(SylvanorMain(args, env_, out), 0);
    EXPECT_EQ(out.str(), expected) << args.size();
  }
  std::ostringstream out;  // no arguments: the usage of both forms
  EXPECT_EQ(SylvanorMain({}, env_, out), 0);
  EXPECT_NE(out.str().find("  sylvanor PLOTS TREES LINK PROJECT OUTPUT ERRORS\n"),
            std::string::npos);
  EXPECT_NE(out.str().find("  sylvanor-batch --plots F"), std::string::npos);
  // a blank inside an argument shifts the names
  EXPECT_EQ(files_.Plot + "|" + files_.Tree + "|" + files_.Error, "my|plots.pdq|o.csv");
}

}  // namespace

}  // namespace sylvanor
