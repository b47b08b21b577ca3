// End-to-end tests: the real programs run on small input files under
// tests/golden/<case>/, and their output files are compared line by line
// with the expected files there.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "bench/BatchGenerator.h"
#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

namespace fs = std::filesystem;

const fs::path kPrograms = SYLVANOR_PROGRAM_DIR;
const fs::path kCases = SYLVANOR_GOLDEN_DIR;

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

// The input files of a batch.
struct d_CaseFiles {
  fs::path plots, trees, link, project;
};

// Runs sylvanor-batch on a batch's files; the output files are written into
// `out` as output.csv, output-Emis.csv and errors.txt.
void RunBatch(const d_CaseFiles& in, const fs::path& out) {
  const std::string command =
      Quote(kPrograms / "sylvanor-batch") + " --quiet --plots " + Quote(in.plots) + " --trees " +
      Quote(in.trees) + " --link " + Quote(in.link) + " --project " + Quote(in.project) +
      " --out " + Quote(out / "output.csv") + " --errors " + Quote(out / "errors.txt") +
      " --user-folder " + Quote(MakeShippedUserFolder(out / "user")) + " >/dev/null";
  ASSERT_EQ(Shell(command), 0) << command;
}

// Runs a case's input files (<case>.vxd or .pdq, the tree file beside it,
// link.csv and project.vxp) and compares each expected file the case holds:
// expected-output.csv, expected-emissions.csv and expected-errors.txt.
void RunCase(const std::string& name, const std::string& plotFile) {
  TempFolder out;
  const fs::path dir = kCases / name;
  const fs::path plots = dir / plotFile;
  ASSERT_NO_FATAL_FAILURE(RunBatch(
      {plots, fs::path(plots).replace_extension(".tre"), dir / "link.csv", dir / "project.vxp"},
      out.path()));
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

// FNV-1a (64 bits) of a file's bytes, in hexadecimal, with every mention of
// `folder` taken out.
std::string FileHash(const fs::path& path, const std::string& folder) {
  std::string text = ReadFile(path);
  for (auto at = text.find(folder); at != std::string::npos; at = text.find(folder, at)) {
    text.erase(at, folder.size());
  }
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : text) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  std::ostringstream hex;
  hex << std::hex << hash;
  return hex.str();
}

}  // namespace

TEST(GoldenBatch, AStandWorkedOutByHand) {
  RunCase("hand", "H1.vxd");
}

TEST(GoldenBatch, ABurnWorkedOutByHand) {
  RunCase("burn", "B1.vxd");
}

TEST(GoldenBatch, RepairsRefusalsAndSkippedPlots) {
  RunCase("repairs", "repairs.vxd");
}

// The batch's output files pinned by their hashes: the shipped sample batch,
// and a generated batch of 1000 plots of 50 trees with the generator's input
// files (the project file names the plot file by its path, which is left out).
void ExpectHashes(const fs::path& folder,
                  std::initializer_list<std::pair<fs::path, const char*>> files) {
  for (const auto& [file, hash] : files) {
    EXPECT_EQ(FileHash(file, folder.string()), hash) << file.filename();
  }
}

TEST(GoldenBatch, TheShippedSampleBatch) {
  TempFolder out;
  const fs::path sample = fs::path(SYLVANOR_DATA_DIR) / "sample";
  ASSERT_NO_FATAL_FAILURE(RunBatch({sample / "Sample.vxd", sample / "Sample.tre",
                                    sample / "Link-Treatment.csv", sample / "Sample.vxp"},
                                   out.path()));
  ExpectHashes(out.path(), {{out.path() / "output.csv", "d910a62f466fd8d6"},
                            {out.path() / "output-Emis.csv", "98384497027e0119"},
                            {out.path() / "errors.txt", "5ac9767872f116c"}});
}

TEST(GoldenBatch, AGeneratedThousandPlotBatch) {
  TempFolder folder;
  d_GeneratedBatch batch;
  std::string message;
  ASSERT_TRUE(
      GenerateBatch(folder.path() / "in", SYLVANOR_DATA_DIR, d_BatchShape{}, batch, message))
      << message;
  const fs::path out = folder.path() / "out";
  ASSERT_NO_FATAL_FAILURE(
      RunBatch({batch.files.Plot, batch.files.Tree, batch.files.Link, batch.files.Project}, out));
  ExpectHashes(folder.path(), {{batch.files.Plot, "f66db7e96e1a8faa"},
                               {batch.files.Tree, "ba69a48252d5558"},
                               {batch.files.Link, "c3e5b210efed0ffd"},
                               {batch.files.Project, "984edb1251852648"},
                               {out / "output.csv", "df5b008c7d4d7194"},
                               {out / "output-Emis.csv", "a3de99c3371710ea"},
                               {out / "errors.txt", "cbf29ce484222325"}});
}

namespace {

// The six-argument form of `sylvanor`, with the user folder under a data
// home of its own; the status file it leaves.
class GoldenCommandLine : public ::testing::Test {
 protected:
  void SetUp() override { MakeShippedUserFolder(home_.path() / "Sylvanor"); }

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
                           Quote(MakeShippedUserFolder(out.path() / "user")) + " --quiet";
  const std::string quiet = " >/dev/null 2>&1";
  EXPECT_EQ(Shell(program + " --plots " + Quote(dir / "H1.vxd") + rest + quiet), 0);
  EXPECT_EQ(Shell(program + " --plots " + Quote(out.path() / "none.vxd") + rest + quiet), 1);
  EXPECT_EQ(Shell(program + " --plots " + Quote(dir / "H1.vxd") + rest + " --colour" + quiet), 2);
  EXPECT_EQ(Shell(program + rest + quiet), 2);  // no plot file
  EXPECT_EQ(Shell(program + " --help" + quiet), 0);
}

}  // namespace sylvanor
