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

class BadInputs : public ::testing::Test {
 protected:
  BadInputs() {
    for (const auto& [name, sample] : kSamples)
      original_[name] = ReadFile(fs::path(SYLVANOR_DATA_DIR) / "sample" / sample);
    user_ = MakeShippedUserFolder(t_.path() / "user");
    fs::create_directory(t_.path() / "sub");
  }

  // Writes the inputs, each changed by `change` (given its name and text).
  void WriteInputs(const std::function<void(const std::string&, std::string&)>& change) {
    written_ = original_;
    for (auto& [name, text] : written_) {
      change(name, text);
      t_.Write(name, text);
    }
  }

  // Runs sylvanor-batch on the inputs with the outputs o.csv and e.txt, the
  // options `more` replacing or adding to them ("@" the test's folder): the
  // exit code and what it wrote to its error stream.
  std::string Run(const std::vector<std::string>& more) {
    std::map<std::string, std::string> options = {
        {"--plots", "@/plots.vxd"},       {"--trees", "@/trees.tre"}, {"--link", "@/link.csv"},
        {"--project", "@/prj.vxp"},       {"--out", "@/o.csv"},       {"--errors", "@/e.txt"},
        {"--user-folder", user_.string()}};
    for (std::size_t i = 0; i + 1 < more.size(); i += 2)
      options[more[i]] = more[i + 1];
    std::vector<std::string> args = {"--quiet"};
    for (const auto& [option, value] : options) {
      args.push_back(option);
      args.push_back(WithPath(value, t_.path()));
    }
    std::ostringstream out, err;
    const int code = BatchCommand(args, {}, out, err);
    return std::to_string(code) + " " + Masked(err.str());
  }

  // The text with the test's folder written "@".
  std::string Masked(std::string text) const {
    const std::string folder = t_.path().string();
    for (std::size_t at; (at = text.find(folder)) != std::string::npos;)
      text.replace(at, folder.size(), "@");
    return text;
  }

  // The output lines of the plots, by plot.
  std::map<std::string, std::string> PlotLines() const {
    std::map<std::string, std::string> lines;
    std::istringstream out(ReadFile(t_.path() / "o.csv"));
    for (std::string line; std::getline(out, line);)
      if (line.rfind("SYL-", 0) == 0) lines[line.substr(0, line.find(','))] = line;
    return lines;
  }

  static constexpr std::pair<const char*, const char*> kSamples[] = {
      {"plots.vxd", "Sample.vxd"},
      {"trees.tre", "Sample.tre"},
      {"link.csv", "Link-Treatment.csv"},
      {"prj.vxp", "Sample.vxp"}};
  TempFolder t_;
  fs::path user_;
  std::map<std::string, std::string> original_, written_;
};

// Replaces the first `from` in the file `name` by `to`.
std::function<void(const std::string&, std::string&)> Edit(const std::string& file,
                                                           const std::string& from,
                                                           const std::string& to) {
  return [=](const std::string& name, std::string& text) {
    if (name == file && text.find(from) != std::string::npos)
      text.replace(text.find(from), from.size(), to);
  };
}

// Every LF of the file `name` becomes `end`; `lead` goes before its text.
std::function<void(const std::string&, std::string&)> Ends(const std::string& file,
                                                           const std::string& end,
                                                           const std::string& lead = "") {
  return [=](const std::string& name, std::string& text) {
    if (name != file) return;
    std::string changed = lead;
    for (const char c : text)
      changed += c == '\n' ? end : std::string(1, c);
    text = changed;
  };
}

TEST_F(BadInputs, NoInputIsLostAndEveryFaultIsTold) {
  const auto none = [](const std::string&, std::string&) {};
  WriteInputs(none);
  ASSERT_EQ(Run({}).substr(0, 2), "0 ");
  const std::map<std::string, std::string> good = PlotLines();
  ASSERT_EQ(good.size(), 12u);

  const std::string cut = std::string(5000, 'x');
  const auto bom = [](const std::string&, std::string& text) { text = "\xEF\xBB\xBF" + text; };
  const struct {
    const char* name;
    std::function<void(const std::string&, std::string&)> change;
    std::vector<std::string> options;
    std::string said;         // the start of what is said on the error stream
    std::string errorEntry;   // a text of the error file, for a batch that ran
    std::string changedPlot;  // the one plot whose line may differ
  } rows[] = {
      {"output as the plot file",
       none,
       {"--out", "@/sub/../plots.vxd"},
       "1 sylvanor-batch: The output file @/sub/../plots.vxd is the plot file @/plots.vxd: writing "
       "it would destroy the plot file. Name another output file.\n",
       "",
       ""},
      {"error file as the tree file",
       none,
       {"--errors", "@/trees.tre"},
       "1 sylvanor-batch: The error file @/trees.tre is the tree file",
       "",
       ""},
      {"error file as the link file",
       none,
       {"--errors", "@/./link.csv"},
       "1 sylvanor-batch: The error file @/./link.csv is the link treatment file",
       "",
       ""},
      {"output as the project file",
       none,
       {"--out", "@/prj.vxp"},
       "1 sylvanor-batch: The output file @/prj.vxp is the project file",
       "",
       ""},
      {"error file as the emission factors",
       none,
       {"--errors", "@/user/../user/Emission_Factors.csv"},
       "1 sylvanor-batch: The error file @/user/../user/Emission_Factors.csv is the emission "
       "factor",
       "",
       ""},
      {"error file as the output",
       none,
       {"--errors", "@/o.csv"},
       "1 sylvanor-batch: The output file @/o.csv and the error file @/o.csv are the same file.",
       "",
       ""},
      {"error file as the emissions file",
       none,
       {"--errors", "@/o-Emis.csv"},
       "1 sylvanor-batch: The emissions file @/o-Emis.csv and the error file",
       "",
       ""},
      {"tree file a folder",
       none,
       {"--trees", "@/sub"},
       "1 sylvanor-batch: Error opening file(s). Make sure existing files are closed\n Can't Open "
       "Tree File: @/sub\n @/sub is not a file\n",
       "",
       ""},
      {"project file a folder",
       none,
       {"--project", "@/sub"},
       "1 sylvanor-batch: Error opening file(s). Make sure existing files are closed\n Can't Open "
       "Batch Project File: @/sub\n @/sub is not a file\n",
       "",
       ""},
      {"error file on a full device",
       none,
       {"--errors", "/dev/full"},
       "1 sylvanor-batch: Error writing /dev/full: No space left on device\n",
       "",
       ""},
      {"an unreadable plot row",
       Edit("plots.vxd", "SYL-03,8.00,", "SYL-03\n#"),
       {},
       "1 sylvanor-batch: Error Reading Sylvanor Plot File: > Format of input is incorrect !\n "
       "File: @/plots.vxd, line 18\n",
       "",
       ""},
      {"a byte order mark on each input", bom, {}, "0 ", "", ""},
      {"CR line ends", Ends("plots.vxd", "\r"), {}, "0 ", "", ""},
      {"CR LF line ends", Ends("trees.tre", "\r\n", "\xEF\xBB\xBF"), {}, "0 ", "", ""},
      {"a tree number an int cannot hold",
       Edit("trees.tre", "SYL-01,2,", "SYL-01,2147483648,"),
       {},
       "0 ",
       "Plot: SYL-01 - MonSta:  \n  Tree number out of range.  2 PIPO",
       "SYL-01"},
      {"a tree row too long",
       Edit("trees.tre", "SYL-01,2,PIPO,4.0,24,16,S,H,50.0",
            "SYL-01,2,PIPO,4.0,24,16,S,H,50.0," + cut),
       {},
       "0 ",
       "File: @/trees.tre - Line: 19 \n Line longer than 4999 characters: the rest of the line is "
       "skipped\n\n",
       ""},
      {"a project number beyond a float",
       Edit("prj.vxp", "BasalArea 90", "BasalArea 1e39"),
       {},
       "0 ",
       "Error Reading Batch Project File: ThinCriteria of Treatment-1 is out of range: 1e39\n "
       "File: @/prj.vxp, line 51\n\n",
       ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove(t_.path() / "o.csv");
    WriteInputs(row.change);
    const std::string said = Run(row.options);
    EXPECT_EQ(said.substr(0, row.said.size()), row.said);
    for (const auto& [name, text] : written_)
      EXPECT_EQ(ReadFile(t_.path() / name), text) << name << " changed";
    EXPECT_EQ(ReadFile(user_ / "Emission_Factors.csv"),
              ReadFile(fs::path(SYLVANOR_DATA_DIR) / "Emission_Factors.csv"));
    if (row.said != "0 ") continue;
    EXPECT_NE(Masked(ReadFile(t_.path() / "e.txt")).find(row.errorEntry), std::string::npos)
        << ReadFile(t_.path() / "e.txt");
    std::map<std::string, std::string> lines = PlotLines(), expected = good;
    if (row.errorEntry.find("ThinCriteria") != std::string::npos) {
      // the plots of that treatment are skipped; the others keep their lines
      for (auto it = expected.begin(); it != expected.end();)
        it = lines.count(it->first) ? std::next(it) : expected.erase(it);
      EXPECT_LT(lines.size(), good.size());
    }
    if (!row.changedPlot.empty()) {
      EXPECT_NE(lines[row.changedPlot], good.at(row.changedPlot));
      lines.erase(row.changedPlot), expected.erase(row.changedPlot);
    }
    EXPECT_EQ(lines, expected);
  }
}

}  // namespace

}  // namespace sylvanor
