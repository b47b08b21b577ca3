// The sample batch run end to end with inputs a careless or unlucky user
// gives: no input is ever changed, a batch that cannot run or cannot write
// says why and exits 1, and a fault of one plot changes no other plot's line.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "batch/BatchCommand.h"
#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

namespace fs = std::filesystem;
using Change = std::function<void(const std::string& file, std::string& text)>;

// Replaces the first `from` in the file by `to`.
Change Edit(const std::string& file, const std::string& from, const std::string& to) {
  return [=](const std::string& name, std::string& text) {
    if (const auto at = text.find(from); name == file && at != std::string::npos)
      text.replace(at, from.size(), to);
  };
}

// Every LF of the file becomes `end`, and a byte order mark leads every file.
Change Ends(const std::string& file, const std::string& end) {
  return [=](const std::string& name, std::string& text) {
    std::string changed = "\xEF\xBB\xBF";
    for (const char c : text)
      changed += c == '\n' && name == file ? end : std::string(1, c);
    text = changed;
  };
}

class BadInputs : public ::testing::Test {
 protected:
  // Writes the sample batch changed by `change` and runs sylvanor-batch on it
  // with the option given: its exit code, what it said ("@" the folder), and
  // the output lines by plot.
  std::string Run(const Change& change, const std::string& option, const std::string& value) {
    written_.clear();
    for (const auto& [name, sample] : {std::pair{"plots.vxd", "Sample.vxd"},
                                       {"trees.tre", "Sample.tre"},
                                       {"link.csv", "Link-Treatment.csv"},
                                       {"prj.vxp", "Sample.vxp"}}) {
      std::string& text = written_[name] =
          ReadFile(fs::path(SYLVANOR_DATA_DIR) / "sample" / sample);
      change(name, text);
      t_.Write(name, text);
    }
    std::map<std::string, std::string> options = {{"--plots", "@/plots.vxd"},
                                                  {"--trees", "@/trees.tre"},
                                                  {"--link", "@/link.csv"},
                                                  {"--project", "@/prj.vxp"},
                                                  {"--out", "@/o.csv"},
                                                  {"--errors", "@/e.txt"},
                                                  {"--quiet", ""},
                                                  {"--user-folder", "@/user"}};
    options[option] = value;
    std::vector<std::string> args;
    for (const auto& [name, path] : options) {
      args.push_back(name);
      if (!path.empty()) args.push_back(WithPath(path, t_.path()));
    }
    fs::remove(t_.path() / "o.csv");
    std::ostringstream out, err;
    const int code = BatchCommand(args, {}, out, err);
    lines_.clear();
    std::istringstream output(ReadFile(t_.path() / "o.csv"));
    for (std::string line; std::getline(output, line);)
      if (line.rfind("SYL-", 0) == 0) lines_[line.substr(0, line.find(','))] = line;
    return std::to_string(code) + " " + Masked(err.str());
  }

  // The text with the test's folder written "@".
  std::string Masked(std::string text) const {
    const std::string folder = t_.path().string();
    for (std::size_t at; (at = text.find(folder)) != std::string::npos;)
      text.replace(at, folder.size(), "@");
    return text;
  }

  TempFolder t_;
  const fs::path user_ = MakeShippedUserFolder(t_.path() / "user");
  std::map<std::string, std::string> written_, lines_;
};

TEST_F(BadInputs, NoInputIsLostAndEveryFaultIsTold) {
  const Change none = [](const std::string&, std::string&) {};
  ASSERT_EQ(Run(none, "--quiet", ""), "0 ");
  const std::map<std::string, std::string> good = lines_;
  ASSERT_EQ(good.size(), 12u);
  fs::create_directory(t_.path() / "sub");
  const std::string clash = "sylvanor-batch: The ",
                    opening =
                        "sylvanor-batch: Error opening file(s). Make sure existing files are "
                        "closed\n Can't Open ";
  const struct {
    Change change;
    std::string option, value, said, entry = "";  // said: the start; entry: in the error file
    const char* changedPlots = "";                // plots whose lines may differ
  } rows[] = {
      {none, "--out", "@/sub/../plots.vxd",
       "1 " + clash +
           "output file @/sub/../plots.vxd is the plot file @/plots.vxd: writing it "
           "would destroy the plot file. Name another output file.\n",
       "", ""},
      {none, "--errors", "@/trees.tre", "1 " + clash + "error file @/trees.tre is the tree file"},
      {none, "--errors", "@/./link.csv", "1 " + clash + "error file @/./link.csv is the link"},
      {none, "--out", "@/prj.vxp", "1 " + clash + "output file @/prj.vxp is the project file"},
      {none, "--errors", "@/user/../user/Emission_Factors.csv",
       "1 " + clash + "error file @/user/../user/Emission_Factors.csv is the emission factor file"},
      {none, "--errors", "@/o.csv",
       "1 " + clash +
           "output file @/o.csv and the error file @/o.csv are the same file. Name a "
           "file of its own for each.\n"},
      {none, "--errors", "@/o-Emis.csv", "1 " + clash + "emissions file @/o-Emis.csv and the"},
      {none, "--trees", "@/sub", "1 " + opening + "Tree File: @/sub\n @/sub is not a file\n"},
      {none, "--project", "@/sub", "1 " + opening + "Batch Project File: @/sub\n @/sub is not a"},
      {none, "--errors", "/dev/full",
       "1 sylvanor-batch: Error writing /dev/full: No space left on device\n"},
      {none, "--errors", "/dev/null", "0 "},  // a device may be shared
      {Edit("plots.vxd", "SYL-03,8.00,", "SYL-03\n#"), "--quiet", "",
       "1 sylvanor-batch: Error Reading Sylvanor Plot File: > Format of input is incorrect !\n "
       "File: @/plots.vxd, line 18\n"},
      {Ends("prj.vxp", "\n"), "--quiet", "", "0 "},
      {Ends("plots.vxd", "\r"), "--quiet", "", "0 "},
      {Ends("trees.tre", "\r\n"), "--quiet", "", "0 "},
      {Edit("trees.tre", "SYL-01,2,", "SYL-01,2147483648,"), "--quiet", "", "0 ",
       "Plot: SYL-01 - MonSta:  \n  Tree number out of range.  2 PIPO", "SYL-01"},
      {Edit("trees.tre", "S,H,50.0\n", "S,H,50.0," + std::string(5000, 'x') + "\n"), "--quiet", "",
       "0 ", "File: @/trees.tre - Line: 19 \n Line longer than 4999 characters: the rest"},
      {Edit("prj.vxp", "BasalArea 90", "BasalArea 1e39"), "--quiet", "", "0 ",
       "Plot: SYL-02 - MonSta:  \n Error Reading Batch Project File: ThinCriteria of Treatment-1 "
       "is out of range: 1e39\n File: @/prj.vxp, line 51\n\n",
       "SYL-02 SYL-04 SYL-10"},  // the plots of that treatment are skipped
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.option + " " + row.value + " " + row.entry);
    EXPECT_EQ(Run(row.change, row.option, row.value).substr(0, row.said.size()), row.said);
    for (const auto& [name, text] : written_)
      EXPECT_EQ(ReadFile(t_.path() / name), text) << name << " changed";
    EXPECT_EQ(ReadFile(user_ / "Emission_Factors.csv"),
              ReadFile(fs::path(SYLVANOR_DATA_DIR) / "Emission_Factors.csv"));
    if (row.said != "0 ") continue;
    EXPECT_NE(Masked(ReadFile(t_.path() / "e.txt")).find(row.entry), std::string::npos);
    std::map<std::string, std::string> expected = good;
    for (const auto& [plot, line] : good)
      if (std::string(row.changedPlots).find(plot) != std::string::npos)
        lines_.erase(plot), expected.erase(plot);
    EXPECT_EQ(lines_, expected);
  }
}

}  // namespace

}  // namespace sylvanor
