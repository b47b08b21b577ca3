// End-to-end tests: the real programs run on small input files under
// tests/golden/<case>/, and their output files are compared line by line
// with the expected files there.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/TempFolder.h"

namespace {

namespace fs = std::filesystem;

const fs::path kPrograms = SYLVANOR_PROGRAM_DIR;
const fs::path kCases = SYLVANOR_GOLDEN_DIR;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// Compares a file with its expected text line by line, naming the first
// line that differs.
void ExpectSameLines(const fs::path& got, const fs::path& expected) {
  ASSERT_TRUE(fs::exists(got)) << got;
  const auto a = Lines(ReadFile(got));
  const auto b = Lines(ReadFile(expected));
  for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
    ASSERT_EQ(a[i], b[i]) << got.filename() << " line " << i + 1;
  }
  EXPECT_EQ(a.size(), b.size()) << got.filename() << ": number of lines";
  EXPECT_EQ(ReadFile(got), ReadFile(expected)) << got.filename() << ": line ends";
}

std::string Quote(const fs::path& path) {
  std::string quoted = "'";
  for (const char c : path.string()) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

// Runs a shell command; its exit status.
int Shell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A user folder with the shipped data files.
fs::path MakeUserFolder(const fs::path& folder) {
  fs::create_directories(folder);
  for (const char* name : {"qor_Spp.csv", "Emission_Factors.csv"}) {
    fs::copy_file(kPrograms / name, folder / name, fs::copy_options::overwrite_existing);
  }
  return folder;
}

// Runs sylvanor-batch on a case's input files (<case>.vxd or .pdq, the tree
// file beside it, link.csv and project.vxp) and compares each expected file
// the case holds: expected-output.csv, expected-emissions.csv and
// expected-errors.txt.
void RunCase(const std::string& name, const std::string& plotFile) {
  TempFolder out;
  const fs::path dir = kCases / name;
  const fs::path plots = dir / plotFile;
  const fs::path trees = fs::path(plots).replace_extension(".tre");
  const std::string command = Quote(kPrograms / "sylvanor-batch") + " --quiet --plots " +
                              Quote(plots) + " --trees " + Quote(trees) + " --link " +
                              Quote(dir / "link.csv") + " --project " + Quote(dir / "project.vxp") +
                              " --out " + Quote(out.path() / "output.csv") + " --errors " +
                              Quote(out.path() / "errors.txt") + " --user-folder " +
                              Quote(MakeUserFolder(out.path() / "user")) + " >/dev/null";
  ASSERT_EQ(Shell(command), 0) << command;
  const std::pair<const char*, const char*> files[] = {
      {"output.csv", "expected-output.csv"},
      {"output-Emis.csv", "expected-emissions.csv"},
      {"errors.txt", "expected-errors.txt"},
  };
  int compared = 0;
  for (const auto& [got, expected] : files) {
    if (!fs::exists(dir / expected)) continue;
    ExpectSameLines(out.path() / got, dir / expected);
    ++compared;
  }
  EXPECT_GT(compared, 0) << name << " has no expected file";
}

}  // namespace

TEST(GoldenBatch, AStandWorkedOutByHand) {
  RunCase("hand", "H1.vxd");
}

TEST(GoldenBatch, RepairsRefusalsAndSkippedPlots) {
  RunCase("repairs", "repairs.vxd");
}

namespace {

// The six-argument form of `sylvanor`, with the user folder under a data
// home of its own; the status file it leaves.
class GoldenCommandLine : public ::testing::Test {
 protected:
  void SetUp() override { MakeUserFolder(home_.path() / "Sylvanor"); }

  std::string Sylvanor(const std::string& arguments) {
    const std::string command =
        "cd " + Quote(home_.path()) + " && XDG_DATA_HOME=" + Quote(home_.path()) + " " +
        Quote(kPrograms / "sylvanor") + " " + arguments + " >" + Quote(home_.path() / "stdout.txt");
    EXPECT_EQ(Shell(command), 0) << command;
    return ReadFile(home_.path() / "Sylvanor" / "Sylvanor_CLB.txt");
  }

  std::string HandCase() const {
    const fs::path dir = kCases / "hand";
    return Quote(dir / "H1.vxd") + " " + Quote(dir / "H1.tre") + " " + Quote(dir / "link.csv") +
           " " + Quote(dir / "project.vxp") + " " + Quote(home_.path() / "out.csv") + " " +
           Quote(home_.path() / "errors.txt");
  }

  TempFolder home_;
};

const std::string kStatusHeading =
    " This file is create whenever Sylvanor is run in Command Line Batch Mode.\n\n ";

}  // namespace

TEST_F(GoldenCommandLine, SixArgumentsRunTheBatch) {
  EXPECT_EQ(Sylvanor(HandCase()),
            kStatusHeading +
                "SUCCESS - Sylvanor ran to completion, check output error file for any Runtime "
                "warning/error messages");
  ExpectSameLines(home_.path() / "out.csv", kCases / "hand" / "expected-output.csv");
}

TEST_F(GoldenCommandLine, ASeventhArgumentIsIgnored) {
  EXPECT_EQ(Sylvanor(HandCase() + " extra"),
            kStatusHeading +
                "SUCCESS - Sylvanor ran to completion, check output error file for any Runtime "
                "warning/error messages");
  ExpectSameLines(home_.path() / "out.csv", kCases / "hand" / "expected-output.csv");
}

TEST_F(GoldenCommandLine, FiveArgumentsShowTheHelp) {
  EXPECT_EQ(Sylvanor("a.vxd a.tre link.csv project.vxp out.csv"),
            kStatusHeading + "ERROR - Wrong number of arguments on command line");
  EXPECT_NE(ReadFile(home_.path() / "stdout.txt").find(" Invalid command line syntax\n"),
            std::string::npos);
}

TEST_F(GoldenCommandLine, AFileThatCannotBeOpened) {
  EXPECT_EQ(Sylvanor("missing.vxd missing.tre link.csv project.vxp out.csv errors.txt"),
            kStatusHeading +
                "ERROR - Error opening file(s). Make sure existing files are closed\n Can't Open "
                "Plot File: missing.vxd\n ");
}

TEST(GoldenBatchCommand, ExitStatusSaysWhetherTheBatchRan) {
  TempFolder out;
  const fs::path dir = kCases / "hand";
  const std::string program = Quote(kPrograms / "sylvanor-batch");
  const std::string rest = " --trees " + Quote(dir / "H1.tre") + " --link " +
                           Quote(dir / "link.csv") + " --project " + Quote(dir / "project.vxp") +
                           " --out " + Quote(out.path() / "out.csv") + " --errors " +
                           Quote(out.path() / "errors.txt") + " --user-folder " +
                           Quote(MakeUserFolder(out.path() / "user")) + " --quiet";
  const std::string quiet = " >/dev/null 2>&1";
  EXPECT_EQ(Shell(program + " --plots " + Quote(dir / "H1.vxd") + rest + quiet), 0);
  EXPECT_EQ(Shell(program + " --plots " + Quote(out.path() / "none.vxd") + rest + quiet), 1);
  EXPECT_EQ(Shell(program + " --plots " + Quote(dir / "H1.vxd") + rest + " --colour" + quiet), 2);
  EXPECT_EQ(Shell(program + rest + quiet), 2);  // no plot file
  EXPECT_EQ(Shell(program + " --help" + quiet), 0);
}
