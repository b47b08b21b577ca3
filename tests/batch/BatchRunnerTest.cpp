#include "batch/BatchRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "bench/BatchGenerator.h"
#include "tests/support/BatchFiles.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

namespace fs = std::filesystem;
using Ints = std::vector<int>;

// A batch in a temporary folder with a user folder of the shipped files.
class BatchRun : public ::testing::Test {
 protected:
  d_BatchOutcome Run(const std::string& plots, const std::string& trees, const std::string& link,
                     const std::string& plotName = "p.vxd",
                     const std::string& settings = kProjectSettings) {
    files_.Plot = Write(plotName, plots), files_.Tree = Write("p.tre", trees);
    files_.Link = Write("link.csv", kLinkHeading + link);
    files_.Project = Write("p.vxp", TestProject("6", settings));
    files_.Output = Path("out.csv"), files_.Error = Path("errors.txt");
    progress_.clear();
    d_BatchOptions options;
    options.progress = [this](int done, int total) { progress_.push_back(done * 10 + total); };
    return fbc_->RunBatch(files_, user_.string(), options);
  }
  std::string Write(const std::string& name, const std::string& text) const {
    return folder_.Write(name, text).string();
  }
  std::string Path(const char* name) const { return (folder_.path() / name).string(); }
  static int Lines(const std::string& file) {
    const std::string text = ReadFile(file);
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  }
  TempFolder folder_;
  fs::path user_ = MakeShippedUserFolder(folder_.path() / "user");
  d_BatchFiles files_;
  Ints progress_;
  std::unique_ptr<c_FBC> fbc_ = std::make_unique<c_FBC>();
};

TEST_F(BatchRun, PrescriptionFromTheFilesOnDisk) {
  std::string message, scenario;
  EXPECT_EQ(fbc_->Load_Prescription("P1", "", scenario, message), 0);
  EXPECT_EQ(message, "Link Treatment File is not open");
  EXPECT_EQ(fbc_->OpenLinkTreatment(Path("no.csv"), message), 0);
  EXPECT_EQ(message, "Can't Open Link Treatment File : " + Path("no.csv") + "\n");
  EXPECT_EQ(fbc_->OpenProject(Path("no.vxp"), message), 0);
  EXPECT_EQ(message, "Can't Open Batch Project File: " + Path("no.vxp") + "\n");
  const std::string links = LinkRow("P1") + "P2, , Light Touch, Burn Only, No, No, No, No\n";
  ASSERT_EQ(fbc_->OpenLinkTreatment(Write("l.csv", kLinkHeading + links), message), 1);
  ASSERT_EQ(fbc_->OpenProject(Write("p.vxp", TestProject("6", kProjectSettings)), message), 1);
  // the plot's set and species rows reach the engine, and replace the last plot's
  for (const char* plot : {"P2", "P1"}) {
    ASSERT_EQ(fbc_->Load_Prescription(plot, "", scenario, message), 1) << message;
  }
  const auto& species = fbc_->Engine().RetPriSpecies();
  EXPECT_EQ(species[0].Name.str() + "|" + species[1].Name.str(), "GF|");
  EXPECT_FLOAT_EQ(fbc_->Engine().RetPriSet().UHe, 0.8f);
}

TEST_F(BatchRun, BatchesThatCannotRun) {
  const std::string rows[][3] = {
      // plots, plot file, message
      {"A", "p.txt",
       "Error opening file(s). Make sure existing files are closed\n Invalid Input Plot File "
       "Type:\n" +
           Path("p.txt")},
      {"A", "f.vxd", "Can't open Emission Factor File in User Folder.\n " + user_.string() + "\n"},
      {"A,B,C", "p.vxd", "Max # (2) of input plots exceeded"},
      {"", "p.vxd", "No plots found in Plot File"}};
  for (const auto& [plots, name, message] : rows) {
    fbc_ = std::make_unique<c_FBC>();
    fbc_->SetPlotCapacity(2);
    MakeShippedUserFolder(user_);
    if (name == "f.vxd") fs::remove(user_ / "Emission_Factors.csv");
    const d_BatchOutcome outcome = Run(VxdPlots(plots), kVxdTreeHeading, LinkRow("A"), name);
    EXPECT_EQ(std::to_string(outcome.result) + outcome.message, "-1" + message);
    EXPECT_EQ(fs::exists(files_.Output), name != "p.txt") << message;  // opened after the type
    fs::remove(files_.Output);
  }
}

TEST_F(BatchRun, SkippedAndFailedPlotsAreCountedAndGetNoOutputLines) {
  // B is not in the link file; C fails validation (a negative litter load)
  std::string plots = VxdPlots("A,B,C,D");
  plots.replace(plots.find("C,5,1,0.2,0,0,0.3,1"), 19, "C,5,1,0.2,0,0,0.3,-2");
  const std::string trees = std::string(kVxdTreeHeading) + "A,1,PIPO,14,70,30,D,H,20\n" +
                            "C,1,PIPO,14,70,30,D,H,20\nD,1,PSME,10,55,25,C,H,40\n";
  const d_BatchOutcome o = Run(plots, trees, LinkRow("A") + LinkRow("C") + LinkRow("D"));
  EXPECT_EQ(Ints({o.result, o.plots, o.processed, o.skipped, o.errors}), Ints({1, 4, 2, 2, 2}));
  EXPECT_EQ(progress_, Ints({14, 24, 34, 44}));
  // the heading lines, then the lines of A and D only
  EXPECT_EQ(Ints({Lines(files_.Output), Lines(EmissionFileName(files_.Output))}), Ints({4, 8}));
}

TEST_F(BatchRun, ThinningAndPilingOfOnePlotLeaveTheNextPlotAlone) {
  // A is thinned to 80 ft2/acre and piled, B is left alone. A's priorities
  // (set "Default", PIPO outside its species group: 0.5) are 0.5 x 0.7 for
  // the 10 in trees (diameter factor 10/20 x 0.6 + 0.4) and 0.5 for the
  // 20 in ones, so the 10 in record goes first: 100 x 0.545415 + 20 x
  // 2.181660 = 98.17 ft2 is 80.01 at 66.7 trees and 79.96 at 66.6.
  const std::string trees = std::string(kVxdTreeHeading) + "A,1,PIPO,10,50,20,D,H,100\n" +
                            "A,2,PIPO,20,80,30,D,H,20\nB,1,PIPO,10,50,20,D,H,100\n";
  const d_BatchOutcome o =
      Run(VxdPlots("A,B"), trees, "A, , Default, Thin Heavy, Yes, No, Yes, No\n" + LinkRow("B"));
  ASSERT_EQ(o.processed, 2) << ReadFile(files_.Error);
  std::istringstream out(ReadFile(files_.Output));
  std::string line;
  std::getline(out, line), std::getline(out, line), std::getline(out, line);
  // TD and BA before and after; QMD after: sqrt((66.6 x 100 + 20 x 400) / 86.6) = 13.01 in
  EXPECT_NE(line.find(", 120.00,  86.60,"), std::string::npos) << line;
  EXPECT_NE(line.find(",  98.17,  79.96,"), std::string::npos) << line;
  EXPECT_NE(line.find(",  13.01,"), std::string::npos) << line;
  const Sylvanor& b = fbc_->Engine();  // holds B's results: nothing thinned, pruned or piled
  EXPECT_EQ(b.Get_PlTot() + b.Get_PilBur() + b.Get_PlLitFol() + b.Get_TSFol() + b.Get_PSFol(), 0);
  EXPECT_EQ(b.Get_Basal(), b.Get_PreBasal());
}

// The four index columns (preTORI, postTORI, preCRNI, postCRNI) of each plot line of an output.
std::vector<std::vector<std::string>> IndexColumns(const std::string& output) {
  std::vector<std::vector<std::string>> plots;
  std::istringstream in(output);
  std::string line;
  std::getline(in, line), std::getline(in, line);
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::istringstream row(line);
    for (std::string f; std::getline(row, f, ',');)
      fields.push_back(f.erase(0, f.find_first_not_of(' ')));
    plots.push_back({fields.begin() + 22, fields.begin() + 26});
  }
  return plots;
}

TEST_F(BatchRun, TheCrownFireIndicesOfEveryPlotAndTheFilesOfTheLast) {
  // A has no trees. B's 999 tons/acre of 100-hour wood and the 0.001 of 1-hour the driver adds
  // make a bed 999.001 / 0.75 x 0.04591 = 61.15 ft deep, whose unsheltered wind reduction factor
  // 1.36 / ln((20 + 0.36 x 61.15) / (0.13 x 61.15)) x (ln 10.461538 - 1) = 1.100910 is limited
  // below 1. The project has no SAVs (fuel model set "None"): the driver takes 2000, 1800, 1500.
  std::string plots = VxdPlots("A,B,C");
  plots.replace(plots.find("B,5,1,0.2,0,0,0.3,1,0.4,1,1.5"), 29, "B,5,1,0,0,0,0,0,0,0,999");
  const std::string trees = std::string(kVxdTreeHeading) + "B,1,PIPO,4,20,10,D,H,5\n" +
                            "C,1,PIPO,14,70,30,D,H,200\nC,2,PSME,10,55,25,C,H,400\n";
  const std::string settings = "#BCBMoist Moderate \n#EmisType Default \n#FMSModel None \n";
  const d_BatchOutcome o =
      Run(plots, trees, LinkRow("A") + LinkRow("B") + LinkRow("C"), "p.vxd", settings);
  ASSERT_EQ(o.processed, 3) << ReadFile(files_.Error);
  const auto indices = IndexColumns(ReadFile(files_.Output));
  ASSERT_EQ(indices.size(), 3u);
  EXPECT_EQ(indices[0], std::vector<std::string>(4, "-1"));
  for (const auto& plot : {indices[1], indices[2]})
    for (const std::string& index : plot)
      EXPECT_TRUE(index != "-1" && index != "0") << index;
  EXPECT_NE(ReadFile(files_.Error)
                .find("Plot: B - MonSta:  \n Logic Error: Calculated Wind "
                      "Reduction Factor 1.100910 is out of range 0 -> 1.0\n"),
            std::string::npos)
      << ReadFile(files_.Error);
  // the last plot's model 14 line and inputs, in the user folder
  EXPECT_NE(ReadFile(user_ / "FuelModel-Post.fmd").find("   2000    1800   1500 "),
            std::string::npos);
  EXPECT_NE(ReadFile(user_ / "VX-Hal-Pre.txt").find("Canopy Base Height"), std::string::npos);
}

TEST_F(BatchRun, AnUnreadableTreeRowFailsEveryPlotWhoseScanPassesIt) {
  // A's rows lie before the unreadable row, B's after it: A still reports
  // its crown base repair, then both fail with the read error
  const std::string trees = std::string(kVxdTreeHeading) +
                            "A,1,PSME,10,55,-1,C,H,40\nA,2,PSME\nB,1,PIPO,14,70,30,D,H,20\n";
  const d_BatchOutcome o = Run(VxdPlots("A,B"), trees, LinkRow("A") + LinkRow("B"));
  EXPECT_EQ(Ints({o.processed, o.errors, Lines(files_.Output)}), Ints({0, 3, 0}));
  const std::string errors = ReadFile(files_.Error),
                    read = " \n Error Reading Sylvanor Tree File: ";
  const auto failA = errors.find("Plot: A - MonSta: " + read);
  EXPECT_EQ(errors.find("Plot: A - MonSta:  \n 1  PSME  DHB:10.00  Hgt:55.0  HgtCrn:27.5\n"), 0u);
  EXPECT_TRUE(failA < errors.find("Plot: B - MonSta: " + read, failA + 1)) << errors;
}

TEST_F(BatchRun, PDQPlotsNamingUnknownEmissionGroupsAreWarnedAndRun) {
  // identity, loads, 25 decay and size classes, grass, shrub, SAVs, green
  // cover, piles and the three emission group names
  std::string row = "P1,North,1,5,1,1,0,0,0,0.4,1,1.5";
  for (int i = 0; i < 25; ++i) {
    row += ",0.1";
  }
  const d_BatchOutcome o = Run("heading\n" + row + ",0.1,0.1,0.2,0.1,-1,1700,-1,0,0,999,998,997\n",
                               "heading\nP1,North,1,PSME,40,10,55,-1,H,C,40,0,0,0,0,,,0,,\n",
                               "P1, North, Default, Burn Only, No, No, No, No\n", "p.pdq");
  EXPECT_EQ(o.processed, 1) << o.message;
  EXPECT_EQ(fbc_->Engine().Settings().GrassSAV, 1700);  // the plot's, not the project's 1800
  // the crown ratio repairs the crown base silently; the groups are unknown
  EXPECT_EQ(ReadFile(files_.Error),
            "Plot: P1 - MonSta: North \n Missing or invalid emissions factors detected. The "
            "emissions factors set on the GUI will be used.\n\n\n");
  EXPECT_NE(ReadFile(files_.Output).find("\nP1, North, "), std::string::npos);
}

TEST_F(BatchRun, ABurnedPlotsSmokeInBothFormsAndAPDQDuffDepthEstimated) {
  // a PDQ plot of 5 tons/acre of duff without a depth, burned in the InteriorWest, no groups of
  // its own: the project's emissions, default (the fixed factors) and expanded (groups 3, 8, 7)
  std::string row = "P1,North,1,5,-1,1,0,0,0,0.4,1,1.5";
  for (int i = 0; i < 25; ++i)
    row += ",0.1";
  const std::string burn =
      "#Treatment-2 Burn$IW None 0 0 0 0 0 0 0 0 0 0 0 0 5 8 15 100 "
      "InteriorWest Summer \n";
  std::string expanded = kProjectSettings;
  expanded.replace(expanded.find("Default"), 7,
                   "Expanded \n#EmisFlame 3 \n#EmisDuff 8 \n#EmisCoarse 7");
  for (const std::string& emis : {std::string(kProjectSettings), expanded}) {
    SCOPED_TRACE(emis);
    const d_BatchOutcome o =
        Run("heading\n" + row + ",0.1,0.1,0.2,0.1,-1,1700,-1,0,0,0,0,0\n",
            "heading\nP1,North,1,PSME,40,10,55,-1,H,C,40,0,0,0,0,,,0,,\n",
            "P1, North, Default, Burn IW, No, No, No, Yes\n", "p.pdq", burn + emis);
    EXPECT_EQ(o.processed, 1) << o.message;
    EXPECT_EQ(ReadFile(files_.Error),
              "Plot: P1 - MonSta: North \n No duff depth given: the broadcast burn takes 0.1 x "
              "duff load, 0.50 in\n\n\n");
    EXPECT_EQ(fbc_->Engine().Get_BurnIgnition(), "YES");
    // the default form's flaming line and the expanded form's duff line, with values above 0
    const std::string text = ReadFile(Path("out-Emis.csv"));
    const std::string line =
        emis == kProjectSettings ? "\nP1,North,Flame," : "\nP1,North,CWDRSC+Duff,";
    const auto at = text.find(line);
    ASSERT_NE(at, std::string::npos) << line;
    EXPECT_LT(text.find_first_of("123456789", at + line.size()), text.find('\n', at + 1)) << line;
  }
}

// Sets field `column` of every `every`-th row after the heading of a
// comma-separated file to `value`; a column of -1 drops the row.
void EditRows(const std::string& path, int every, int column, const std::string& value) {
  std::istringstream in(ReadFile(path));
  std::string text, line;
  for (int row = 0; std::getline(in, line); ++row) {
    const bool edit = row > 0 && row % every == 0;
    if (edit && column < 0) continue;
    std::size_t at = 0;
    for (int k = 0; edit && k < column; ++k)
      at = line.find(',', at) + 1;
    if (edit) line.replace(at, line.find(',', at) - at, value);
    text += line + "\n";
  }
  std::ofstream(path, std::ios::binary) << text;
}

TEST(BatchJobs, FourJobsWriteTheFilesOfOne) {
  // 2000 plots, a tenth of them thinned, piled and burned, the rest thinned or
  // not; every 97th plot without a link row (skipped while reading), every
  // 113th with a negative litter load (refused by the engine), every 89th
  // tree of an unknown species (refused with its entry)
  TempFolder folder;
  d_BatchShape shape;
  shape.plots = 2000, shape.treesPerPlot = 20, shape.burnShare = 0.1;
  d_GeneratedBatch batch;
  std::string message;
  ASSERT_TRUE(GenerateBatch(folder.path() / "in", SYLVANOR_DATA_DIR, shape, batch, message))
      << message;
  EditRows(batch.files.Link, 97, -1, "");
  EditRows(batch.files.Tree, 89, 2, "XXXX");
  EditRows(batch.files.Plot, 113, 7, "-2");

  std::vector<std::string> files[2];
  d_BatchOutcome outcomes[2];
  for (const int jobs : {1, 4}) {
    const fs::path out = folder.path() / std::to_string(jobs);
    fs::create_directories(out);
    d_BatchFiles f = batch.files;
    f.Output = (out / "out.csv").string(), f.Error = (out / "errors.txt").string();
    f.Details = (out / "details.csv").string();
    f.ProfilePre = (out / "pre.csv").string(), f.ProfilePost = (out / "post.csv").string();
    d_BatchOptions options;
    options.jobs = jobs;
    const auto runner = std::make_unique<c_FBC>();
    d_BatchOutcome& o = outcomes[jobs > 1];
    o = runner->RunBatch(f, batch.userFolder, options);
    ASSERT_EQ(o.result, 1) << o.message;
    for (const std::string& file :
         {f.Output, EmissionFileName(f.Output), f.Error, f.Details, f.ProfilePre, f.ProfilePost})
      files[jobs > 1].push_back(ReadFile(file));
  }
  const d_BatchOutcome& one = outcomes[0];
  EXPECT_EQ(Ints({one.plots, one.processed, one.skipped}), Ints({2000, 1963, 20 + 17}));
  // the skipped plots, and most of the 449 unknown trees: not the dead ones
  // (left out unread) nor those of skipped plots
  EXPECT_GT(one.errors, 37 + 400);
  const d_BatchOutcome& four = outcomes[1];
  EXPECT_EQ(Ints({four.plots, four.processed, four.skipped, four.errors}),
            Ints({one.plots, one.processed, one.skipped, one.errors}));
  for (std::size_t k = 0; k < files[0].size(); ++k) {
    EXPECT_FALSE(files[0][k].empty()) << k;
    EXPECT_TRUE(files[0][k] == files[1][k]) << "file " << k << " differs";
  }
}

TEST_F(BatchRun, OnlyTheSixArgumentFormRefusesMoreThan5000Plots) {
  std::string names, links;
  for (int p = 1; p <= kBatchPlots + 1; ++p) {
    names += (p > 1 ? "," : "") + std::to_string(p);
    links += LinkRow(std::to_string(p));
  }
  files_.Plot = Write("p.vxd", VxdPlots(names)), files_.Tree = Write("p.tre", kVxdTreeHeading);
  files_.Link = Write("link.csv", kLinkHeading + links);
  files_.Project = Write("p.vxp", TestProject("6", kProjectSettings));
  files_.Output = Path("out.csv"), files_.Error = Path("errors.txt");
  std::string message;
  EXPECT_EQ(VXLB_Mngr(files_.Plot + " " + files_.Tree + " " + files_.Link + " " + files_.Project +
                          " " + files_.Output + " " + files_.Error,
                      user_.string(), message),
            -1);
  EXPECT_EQ(message, "Max # (5000) of input plots exceeded");
  d_BatchOptions unlimited;
  unlimited.limits = false;
  const d_BatchOutcome o = fbc_->RunBatch(files_, user_.string(), unlimited);
  EXPECT_EQ(Ints({o.result, o.plots, o.processed}), Ints({1, 5001, 5001})) << o.message;
}

}  // namespace

}  // namespace sylvanor
