// Fuzz target for the whole batch: the bytes become a plot file, a tree file
// and a link treatment row, and the batch runs them with the sample project
// and the shipped user folder. The first byte chooses the plot file layout
// (even VXD, odd PDQ); the rest is split at its first two 0x1E bytes into
// the plot file, the tree file and the link treatment row (a missing part
// is empty). The batch completes or refuses with a reason, its counts add
// up, it leaves its input files as they were, and every number of its
// output lines is finite.

#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/TextUtil.h"
#include "batch/BatchRunner.h"

namespace sylvanor {

namespace {

namespace fs = std::filesystem;

constexpr char kPartSeparator = '\x1E';
constexpr int kOutputNumbers = 30;  // numbers of an output line, before the two fuel models
constexpr const char* kLinkHeading = "Plot, MonSta, RetPri, Treatment, Thin, Prune, Pile, Burn\n";

// The folder of this process's batch files, made on first use and removed
// with its files when the process exits (a crash leaves it for a look).
class WorkFolder {
 public:
  WorkFolder()
      : path_(fs::temp_directory_path() /
              ("sylvanor-batch-fuzz-" + std::to_string(static_cast<long>(getpid())))) {
    fs::create_directories(path_);
  }
  ~WorkFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!file) __builtin_trap();
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The next part of `rest`, up to the separator or its end; `rest` moves past
// the part and its separator.
std::string TakePart(std::string_view& rest) {
  const std::size_t end = rest.find(kPartSeparator);
  const std::string part(rest.substr(0, end));
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return part;
}

// Traps unless every plot line of the output file (after its two heading
// lines) ends in kOutputNumbers finite numbers and the two fuel models. The
// fields are counted from the end of the line: a plot's name may hold commas.
void CheckOutput(const std::string& text) {
  std::istringstream file(text);
  std::string line;
  for (int n = 0; std::getline(file, line); ++n) {
    std::vector<std::string> fields;
    std::istringstream row(line);
    for (std::string field; n >= 2 && std::getline(row, field, ',');)
      fields.push_back(field);
    if (n >= 2 && fields.size() < kOutputNumbers + 4) __builtin_trap();
    for (std::size_t k = 0; n >= 2 && k < kOutputNumbers; ++k) {
      double value = 0;
      const std::string_view field = TrimBlanks(fields[fields.size() - 3 - k]);
      if (!ReadWholeNumber(field, value) || !std::isfinite(value)) __builtin_trap();
    }
  }
}

}  // namespace

}  // namespace sylvanor

using namespace sylvanor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const std::unique_ptr<c_FBC> batch = std::make_unique<c_FBC>();
  static const WorkFolder work;
  const fs::path& folder = work.path();

  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string plotText = TakePart(rest);
  const std::string treeText = TakePart(rest);
  const std::string linkText = std::string(kLinkHeading) + std::string(rest);

  d_BatchFiles files;
  files.Plot = (folder / (data[0] % 2 == 0 ? "plots.vxd" : "plots.pdq")).string();
  files.Tree = (folder / "trees.tre").string();
  files.Link = (folder / "link.csv").string();
  files.Project = SYLVANOR_SOURCE_DIR "/data/sample/Sample.vxp";
  files.Output = (folder / "out.csv").string();
  files.Error = (folder / "errors.txt").string();
  WriteFile(files.Plot, plotText);
  WriteFile(files.Tree, treeText);
  WriteFile(files.Link, linkText);
  // the output of an earlier run is not this run's
  std::error_code ignored;
  fs::remove(files.Output, ignored);
  static const std::string projectText = ReadFile(files.Project);

  const d_BatchOutcome outcome = batch->RunBatch(files, SYLVANOR_SOURCE_DIR "/data");
  if (outcome.result != 1 && outcome.result != -1) __builtin_trap();
  if (outcome.result == 1) {
    if (outcome.processed + outcome.skipped != outcome.plots) __builtin_trap();
    if (outcome.errors < 0) __builtin_trap();
  }
  if (ReadFile(files.Plot) != plotText || ReadFile(files.Tree) != treeText ||
      ReadFile(files.Link) != linkText || ReadFile(files.Project) != projectText) {
    __builtin_trap();
  }
  CheckOutput(ReadFile(files.Output));
  return 0;
}
