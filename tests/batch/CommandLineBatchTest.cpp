#include "batch/CommandLineBatch.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

constexpr const char* kHeader =
    " This file is create whenever Sylvanor is run in Command Line Batch Mode.\n\n ";

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Works in another folder for the life of the object.
class InFolder {
 public:
  explicit InFolder(const fs::path& folder) : old_(fs::current_path()) { fs::current_path(folder); }
  ~InFolder() { fs::current_path(old_); }

 private:
  fs::path old_;
};

// A program folder naming the user folder "Sylvanor", a data home holding
// it, and a batch that records what it was given.
class CommandLineBatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(program_);
    fs::create_directories(user_);
    std::ofstream(program_ / "VX-UD.txt") << "Sylvanor\n";
    env_.programDir = program_;
    env_.dataHome = home_;
    env_.runBatch = [this](const d_BatchFiles& files, const std::string& userFolder,
                           const BatchProgress&) {
      ++runs_;
      files_ = files;
      userFolder_ = userFolder;
      return outcome_;
    };
    env_.showHelp = [this](const std::string& help) { help_ += help; };
    outcome_.result = 1;
  }

  std::string Status() const { return ReadAll(user_ / "Sylvanor_CLB.txt"); }

  TempFolder temp_;
  const fs::path program_ = temp_.path() / "bin";
  const fs::path home_ = temp_.path() / "share";
  const fs::path user_ = home_ / "Sylvanor";
  d_CLBEnv env_;
  d_BatchOutcome outcome_;
  int runs_ = 0;
  d_BatchFiles files_;
  std::string userFolder_;
  std::string help_;
};

TEST_F(CommandLineBatchTest, CompletedBatchIsASuccess) {
  EXPECT_EQ(VXLB_Main("p.pdq t.tre link.csv prj.vxp out.csv err.txt ", env_), 1);
  EXPECT_EQ(Status(), std::string(kHeader) +
                          "SUCCESS - Sylvanor ran to completion, check output error file for any "
                          "Runtime warning/error messages");
  EXPECT_EQ(runs_, 1);
  EXPECT_EQ(userFolder_, user_.string());
  EXPECT_EQ(files_.Plot, "p.pdq");
  EXPECT_EQ(files_.Tree, "t.tre");
  EXPECT_EQ(files_.Link, "link.csv");
  EXPECT_EQ(files_.Project, "prj.vxp");
  EXPECT_EQ(files_.Output, "out.csv");
  EXPECT_EQ(files_.Error, "err.txt");
  EXPECT_EQ(files_.ProfilePre, "");
  EXPECT_EQ(files_.ProfilePost, "");
  EXPECT_EQ(help_, "");
}

TEST_F(CommandLineBatchTest, EmptyLineIsALogicError) {
  EXPECT_EQ(VXLB_Main("", env_), 0);
  EXPECT_EQ(Status(), std::string(kHeader) + "ERROR - Logic Error - nothing on command line");
  EXPECT_EQ(runs_, 0);

  std::string message = "old";
  EXPECT_EQ(VXLB_Mngr("", user_.string(), message, env_.runBatch), 0);
  EXPECT_EQ(message, "");
}

TEST_F(CommandLineBatchTest, FiveNamesShowTheHelpAndRunNothing) {
  EXPECT_EQ(VXLB_Main("a b c d e ", env_), 0);
  EXPECT_EQ(Status(), std::string(kHeader) + "ERROR - Wrong number of arguments on command line");
  EXPECT_EQ(help_, CLB_ShowHelp());
  EXPECT_EQ(runs_, 0);

  std::string message;
  EXPECT_EQ(VXLB_Mngr("a b c d e ", user_.string(), message, env_.runBatch), -2);
  EXPECT_EQ(message, "Wrong number of arguments on command line..\n a b c d e ");
  // white space alone is no name either
  EXPECT_EQ(VXLB_Mngr(" \t ", user_.string(), message, env_.runBatch), -2);
}

TEST_F(CommandLineBatchTest, SevenNamesRunTheFirstSix) {
  EXPECT_EQ(VXLB_Main("  a\tb c d e f g h ", env_), 1);
  EXPECT_EQ(runs_, 1);
  EXPECT_EQ(files_.Plot, "a");
  EXPECT_EQ(files_.Tree, "b");
  EXPECT_EQ(files_.Error, "f");
}

TEST_F(CommandLineBatchTest, FailedBatchGivesItsMessage) {
  outcome_.result = -1;
  outcome_.message = "Logic Error - VXLB_Main()\n P1 - P2";
  EXPECT_EQ(VXLB_Main("a b c d e f ", env_), 0);
  EXPECT_EQ(Status(), std::string(kHeader) + "ERROR - Logic Error - VXLB_Main()\n P1 - P2 ");

  std::string message;
  EXPECT_EQ(VXLB_Mngr("a b c d e f ", user_.string(), message, env_.runBatch), -1);
  EXPECT_EQ(message, outcome_.message);
}

TEST_F(CommandLineBatchTest, ExceptionOfTheBatchIsAFailure) {
  env_.runBatch = [](const d_BatchFiles&, const std::string&,
                     const BatchProgress&) -> d_BatchOutcome {
    throw std::runtime_error("out of memory");
  };
  EXPECT_EQ(VXLB_Main("a b c d e f ", env_), 0);
  EXPECT_EQ(Status(), std::string(kHeader) + "ERROR - out of memory ");
}

TEST_F(CommandLineBatchTest, FileThatCannotBeOpenedIsReported) {
  // the real batch runner
  env_.runBatch = {};
  const fs::path plots = temp_.path() / "missing.pdq";
  const std::string line = plots.string() + " t.tre l.csv p.vxp " +
                           (temp_.path() / "out.csv").string() + " " +
                           (temp_.path() / "err.txt").string() + " ";
  EXPECT_EQ(VXLB_Main(line, env_), 0);
  EXPECT_EQ(Status(), std::string(kHeader) +
                          "ERROR - Error opening file(s). Make sure existing files are closed\n "
                          "Can't Open Plot File: " +
                          plots.string() + "\n ");
}

TEST_F(CommandLineBatchTest, NoUserFolderWritesErrorFileInTheCurrentFolder) {
  const fs::path work = temp_.path() / "work";
  fs::create_directories(work);
  const std::string expected =
      "Can find required Users Sylvanor folder.\n"
      "Folder can be created by running Sylvanor once from the desktop.";
  {
    // VX-UD.txt names a folder that does not exist
    fs::remove_all(user_);
    InFolder here(work);
    EXPECT_EQ(VXLB_Main("a b c d e f ", env_), 0);
  }
  EXPECT_EQ(ReadAll(work / "ERROR.txt"), expected);
  fs::remove(work / "ERROR.txt");
  {
    // no VX-UD.txt at all
    fs::remove(program_ / "VX-UD.txt");
    InFolder here(work);
    EXPECT_EQ(VXLB_Main("a b c d e f ", env_), 0);
  }
  EXPECT_EQ(ReadAll(work / "ERROR.txt"), expected);
  // the status file is written nowhere else, and the batch did not run
  EXPECT_FALSE(fs::exists(work / "Sylvanor_CLB.txt"));
  EXPECT_FALSE(fs::exists(home_ / "Sylvanor_CLB.txt"));
  EXPECT_EQ(runs_, 0);
}

TEST_F(CommandLineBatchTest, ArgumentsAreJoinedSoABlankShiftsTheNames) {
  std::ostringstream out;
  EXPECT_EQ(SylvanorMain({"my plots.pdq", "t.tre", "l.csv", "p.vxp", "o.csv", "e.txt"}, env_, out),
            0);
  EXPECT_EQ(runs_, 1);
  EXPECT_EQ(files_.Plot, "my");
  EXPECT_EQ(files_.Tree, "plots.pdq");
  EXPECT_EQ(files_.Error, "o.csv");
  EXPECT_EQ(out.str(), "");
}

TEST_F(CommandLineBatchTest, MainExitsZeroAndPrintsTheHelpOnWrongNumber) {
  std::ostringstream out;
  outcome_.result = -1;
  EXPECT_EQ(SylvanorMain({"a", "b", "c", "d", "e", "f"}, env_, out), 0);
  EXPECT_EQ(out.str(), "");

  EXPECT_EQ(SylvanorMain({"a", "b"}, env_, out), 0);
  EXPECT_EQ(out.str(), CLB_ShowHelp() + "\n");
  EXPECT_EQ(Status(), std::string(kHeader) + "ERROR - Wrong number of arguments on command line");

  // an empty argument still makes a command line
  std::ostringstream empty;
  EXPECT_EQ(SylvanorMain({""}, env_, empty), 0);
  EXPECT_EQ(empty.str(), CLB_ShowHelp() + "\n");
}

TEST_F(CommandLineBatchTest, MainWithoutArgumentsShowsBothCommandForms) {
  std::ostringstream out;
  EXPECT_EQ(SylvanorMain({}, env_, out), 0);
  EXPECT_NE(out.str().find("sylvanor PLOTS TREES LINK PROJECT OUTPUT ERRORS"), std::string::npos);
  EXPECT_NE(out.str().find("sylvanor-batch --plots"), std::string::npos);
  EXPECT_EQ(runs_, 0);
  EXPECT_FALSE(fs::exists(user_ / "Sylvanor_CLB.txt"));
}

TEST(CommandLineHelpTest, HelpTextLines) {
  const std::vector<std::string>& lines = CLB_HelpText();
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines.front(), " Invalid command line syntax\n\n");
  EXPECT_EQ(lines[5], "VX_GUI  PDQ   TRE   Treatment   Project   Output   OutputError\n\n");
  EXPECT_EQ(lines[6], " PDQ \u2013 Input plot data file. PDQ file format.\n");
  EXPECT_EQ(
      lines[18],
      "The mortality equation file (qor_spp.csv) must be in your \u2018User\u2019 Sylvanor\n");
  EXPECT_EQ(lines.back(), "time from the Desktop.\n");
  std::string whole;
  for (const std::string& line : lines)
    whole += line;
  EXPECT_EQ(CLB_ShowHelp(), whole);
}

}  // namespace

}  // namespace sylvanor
