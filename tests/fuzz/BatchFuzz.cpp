// Fuzz target for the whole batch: the bytes become a plot file (VXD when the
// first byte is even, else PDQ), a tree file and a link treatment row (the
// rest split at its first two 0x1E bytes), run with the sample project and
// the shipped user folder. The batch completes or refuses, its counts add
// up, its inputs stay as they were and its output numbers are finite.

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/TextUtil.h"
#include "batch/BatchRunner.h"

using namespace sylvanor;

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kOutputNumbers = 30;  // of a plot line, before the two fuel models

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The next part of `rest`, up to the separator; `rest` moves past both.
std::string TakePart(std::string_view& rest) {
  const std::size_t end = rest.find('\x1E');
  const std::string part(rest.substr(0, end));
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return part;
}

// Every plot line ends in kOutputNumbers finite numbers and the two fuel
// models; its fields are counted from the end, as a plot name may hold commas.
bool OutputIsFinite(const std::string& text) {
  std::istringstream file(text);
  std::string line;
  for (int n = 0; std::getline(file, line); ++n) {
    std::vector<std::string> fields;
    std::istringstream row(line);
    for (std::string field; n >= 2 && std::getline(row, field, ',');)
      fields.push_back(field);
    if (n >= 2 && fields.size() < kOutputNumbers + 4) return false;
    for (std::size_t k = 0; n >= 2 && k < kOutputNumbers; ++k) {
      double value = 0;
      if (!ReadWholeNumber(TrimBlanks(fields[fields.size() - 3 - k]), value) ||
          !std::isfinite(value))
        return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const auto batch = std::make_unique<c_FBC>();  // large: kept off the stack, made once
  static const fs::path folder = [] {
    const fs::path path =
        fs::temp_directory_path() / ("sylvanor-batch-fuzz-" + std::to_string(getpid()));
    // the user folder: the shipped mortality equations and emission factors,
    // copied so that the crown fire files a batch leaves there stay out of
    // the source tree
    fs::create_directories(path / "user");
    for (const char* name : {"qor_Spp.csv", "Emission_Factors.csv"})
      fs::copy_file(fs::path(SYLVANOR_SOURCE_DIR "/data") / name, path / "user" / name,
                    fs::copy_options::overwrite_existing);
    return path;
  }();
  static const std::string project = SYLVANOR_SOURCE_DIR "/data/sample/Sample.vxp";
  static const std::string projectText = ReadFile(project);

  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::pair<std::string, std::string> inputs[] = {
      {(folder / (data[0] % 2 == 0 ? "plots.vxd" : "plots.pdq")).string(), TakePart(rest)},
      {(folder / "trees.tre").string(), TakePart(rest)},
      {(folder / "link.csv").string(),
       "Plot, MonSta, RetPri, Treatment, Thin, Prune, Pile, Burn\n" + std::string(rest)},
      {project, projectText}};
  for (std::size_t i = 0; i < 3; ++i)
    WriteFile(inputs[i].first, inputs[i].second);
  const d_BatchFiles files{inputs[0].first,
                           inputs[1].first,
                           inputs[2].first,
                           project,
                           (folder / "out.csv").string(),
                           (folder / "errors.txt").string(),
                           "",
                           "",
                           ""};
  fs::remove(files.Output);  // an earlier run's output is not this run's

  const d_BatchOutcome outcome = batch->RunBatch(files, (folder / "user").string());
  if (outcome.result != 1 && outcome.result != -1) __builtin_trap();
  if (outcome.result == 1 &&
      (outcome.processed + outcome.skipped != outcome.plots || outcome.errors < 0))
    __builtin_trap();
  for (const auto& [path, text] : inputs)
    if (ReadFile(path) != text) __builtin_trap();
  if (!OutputIsFinite(ReadFile(files.Output))) __builtin_trap();
  return 0;
}
