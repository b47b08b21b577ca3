#include "batch/BatchRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "base/CFormat.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

constexpr const char* kHeader = "Plot, MonSta, RetPri, Treatment, Thin, Prune, Pile, Burn\n";

constexpr const char* kSpeciesRows =
    "#Species-0 Dry$Pines PP 0 10 5\n"
    "#Species-1 Wet$Firs GF 0 99 20\n"
    "#Species-2 Dry$Pines DF 5.5 20 40\n";

// A project with two retention priority sets, two treatments and species
// rows of two groups. The 10-hour moisture of "Thin Heavy" and the lines
// after the treatments are the caller's.
std::string Project(const std::string& moisture10Hr, const std::string& tail,
                    const std::string& species = kSpeciesRows) {
  return "#CBDThreshold 0.011\n" + species +
         "#SpeciesGroup-0 Dry$Pines 1\n"
         "#SpeciesGroup-1 Wet$Firs 2\n"
         "#RetPri-0 Default Std 1 0.8 0.5 0 1 0.9 0.7 1 0.3 1 0.5 0.2 0.6 0.4 Wet$Firs\n"
         "#RetPri-1 Light$Touch Keep 0.9 0.7 0.4 0.1 0.95 0.85 0.6 0.92 0.2 0.8 0.55 0.3 0.75 "
         "0.25 Dry$Pines\n"
         "#RetPri Light$Touch\n"
         "#Treatment-0 Burn$Only None 0 0 0  0 0 0 0 0  0 0 0 0 5  12 15 100 Interior Fall \n"
         "#Treatment-1 Thin$Heavy BasalArea 80 90 7  4 10 1 24 8  30 50 60 70 12  " +
         moisture10Hr + " 15 120 Interior Spring \n" + tail;
}

// The settings lines a batch's project file ends with.
constexpr const char* kSettingsLines =
    "#BCBMoist Moderate \n"
    "#EmisType Default \n"
    "#FMSModel Scott-40 \n"
    "#FMSClimate Humid \n"
    "#FMSBedDep   0.5000\n"
    "#FMSSAVGra 1800.0000\n"
    "#FMSSAVShu 1500.0000\n"
    "#FMSSAV1Hr 2000.0000\n";

const std::string kDefaultTail = std::string("#Thin Yes\n") + kSettingsLines;

void ExpectFloats(std::span<const float> got, std::initializer_list<float> expected) {
  ASSERT_EQ(got.size(), expected.size());
  std::size_t i = 0;
  for (const float e : expected) {
    EXPECT_FLOAT_EQ(got[i], e) << "value " << i;
    ++i;
  }
}

class BatchRunnerPrescription : public ::testing::Test {
 protected:
  // Loads the prescription of plot P1 at station North.
  int Load(const std::string& project, const std::string& link) {
    project_.str(project);
    link_.str(kHeader + link);
    fbc_->UseProject(project_);
    fbc_->UseLinkTreatment(link_);
    scenario_ = "stale";
    message_ = "stale";
    return fbc_->Load_Prescription("P1", "North", scenario_, message_);
  }

  std::unique_ptr<c_FBC> fbc_ = std::make_unique<c_FBC>();
  std::istringstream project_;
  std::istringstream link_;
  std::string scenario_;
  std::string message_;
};

TEST_F(BatchRunnerPrescription, FillsTheTreatmentFromTheNamedSetAndTreatment) {
  ASSERT_EQ(Load(Project("6", kDefaultTail),
                 "P1, South, Default, Burn Only, No, No, No, No\n"
                 "p1, North, Default, Burn Only, No, No, No, No\n"
                 "P1, North, Light Touch, Thin Heavy, yes, NO, No, Yes\n"),
            1)
      << message_;
  EXPECT_EQ(message_, "");
  EXPECT_EQ(fbc_->LinkRow().MonSta, "North");
  EXPECT_EQ(fbc_->LinkRow().RPName, "Light Touch");

  const d_TMS& t = fbc_->Treatment();
  EXPECT_EQ(t.TreatName, "Thin Heavy");
  EXPECT_EQ(t.ThinCrit, "BasalArea");
  EXPECT_EQ(t.Region, "Interior");
  EXPECT_EQ(t.Season, "Spring");
  // switches in the order thin, prune, pile, burn
  EXPECT_EQ(t.ThinInc.str() + t.PrunInc.str() + t.PileInc.str() + t.BroBurInc.str(), "YesNoNoYes");
  // the treatment's numbers in file order; duff depth and moss-lichen come
  // from elsewhere
  const float numbers[] = {t.ThiCriVal, t.CutEff,    t.SubMerDia, t.LogTopDia, t.Yardloss,
                           t.MinCutDia, t.MaxCutDia, t.PrunHgt,   t.PrunMRCR,  t.PilGroPct,
                           t.PilSlaPct, t.PilBurPct, t.ScoHgt,    t.Moist10Hr, t.Moist1kHr,
                           t.DuffMoist, t.DuffDepth, t.MLCons};
  ExpectFloats(numbers, {80, 90, 7, 4, 10, 1, 24, 8, 30, 50, 60, 70, 12, 6, 15, 120, 0, 0});

  // fuel model selector values as texts and numbers
  EXPECT_EQ(fbc_->FuelModelText().SAVGra, "1800.0000");
  EXPECT_EQ(t.FueModSet, "Scott-40");
  EXPECT_EQ(t.Climate, "Humid");
  const float fuelModel[] = {t.FueBedDep, t.GrassSAV, t.ShrubSAV, t.OneHrSAV};
  ExpectFloats(fuelModel, {0.5f, 1800, 1500, 2000});

  EXPECT_EQ(scenario_, "VeryDry");
}

TEST_F(BatchRunnerPrescription, RetentionSetAndItsSpeciesRowsReachTheEngine) {
  ASSERT_EQ(
      Load(Project("6", kDefaultTail), "P1, North, Light Touch, Thin Heavy, No, No, No, No\n"), 1)
      << message_;
  const std::initializer_list<float> expected = {0.9f,  0.7f, 0.4f, 0.1f,  0.95f, 0.85f, 0.6f,
                                                 0.92f, 0.2f, 0.8f, 0.55f, 0.3f,  0.75f, 0.25f};
  ExpectFloats(fbc_->RetPriValues(), expected);
  const d_RetPriSet& r = fbc_->Engine().RetPriSet();
  const float engineSet[] = {r.Hea, r.UHe, r.Sic, r.Dea, r.Dom, r.CoD, r.Int,
                             r.Emr, r.Sup, r.OpG, r.Non, r.CRs, r.CRm, r.Dia};
  ExpectFloats(engineSet, expected);

  // only the rows of "Dry Pines", in file order
  const auto& table = fbc_->RetPriSpecies();
  EXPECT_EQ(table[0].Species, "PP");
  EXPECT_EQ(table[1].Species, "DF");
  EXPECT_FLOAT_EQ(table[1].MinDia, 5.5f);
  EXPECT_FLOAT_EQ(table[1].MaxDia, 20);
  EXPECT_FLOAT_EQ(table[1].Pri, 40);
  EXPECT_EQ(table[2].Species, "");
  const RetPriSpeList& engine = fbc_->Engine().RetPriSpecies();
  EXPECT_EQ(engine[0].Name, "PP");
  EXPECT_EQ(engine[1].Name, "DF");
  EXPECT_FLOAT_EQ(engine[1].MinDia, 5.5f);
  EXPECT_FLOAT_EQ(engine[1].Pri, 40);
  EXPECT_EQ(engine[2].Name, "");

  // the next plot's set replaces the list instead of adding to it
  ASSERT_EQ(Load(Project("6", kDefaultTail), "P1, North, Default, Burn Only, No, No, No, No\n"), 1);
  EXPECT_EQ(fbc_->Engine().RetPriSpecies()[0].Name, "GF");
  EXPECT_EQ(fbc_->Engine().RetPriSpecies()[1].Name, "");
  EXPECT_EQ(fbc_->RetPriSpecies()[1].Species, "");
  EXPECT_FLOAT_EQ(fbc_->Engine().RetPriSet().Hea, 1.0f);
}

TEST_F(BatchRunnerPrescription, SpeciesRowsStopAtAGapAndAt200) {
  std::string many;
  for (int n = 0; n < 205; ++n) {
    many += CFormat("#Species-%d Dry$Pines S%d 0 99 %d\n", n, n, n);
  }
  ASSERT_EQ(Load(Project("6", kDefaultTail, many),
                 "P1, North, Light Touch, Thin Heavy, No, No, No, No\n"),
            1)
      << message_;
  const auto& table = fbc_->RetPriSpecies();
  EXPECT_EQ(table[0].Species, "S0");
  EXPECT_EQ(table[199].Species, "S199");
  EXPECT_FLOAT_EQ(table[199].Pri, 199);
  EXPECT_EQ(fbc_->Engine().RetPriSpecies()[199].Name, "S199");

  ASSERT_EQ(Load(Project("6", kDefaultTail,
                         "#Species-0 Dry$Pines A 0 99 1\n#Species-2 Dry$Pines B 0 99 1\n"),
                 "P1, North, Light Touch, Thin Heavy, No, No, No, No\n"),
            1);
  EXPECT_EQ(fbc_->RetPriSpecies()[0].Species, "A");
  EXPECT_EQ(fbc_->RetPriSpecies()[1].Species, "");
}

TEST_F(BatchRunnerPrescription, PlotMissingOrUnreadableLinkFile) {
  EXPECT_EQ(Load(Project("6", kDefaultTail), "P1, South, Default, Burn Only, No, No, No, No\n"), 0);
  EXPECT_EQ(message_, "Plot Missing in Link Treatment File: P1");
  EXPECT_EQ(Load(Project("6", kDefaultTail), ""), 0);
  EXPECT_EQ(message_, "Plot Missing in Link Treatment File: P1");

  EXPECT_EQ(Load(Project("6", kDefaultTail),
                 "P0, North, Default, Burn Only, No, No\n"
                 "P1, North, Default, Burn Only, No, No, No, No\n"),
            0);
  EXPECT_EQ(message_, "Error Reading Link Treatment File: > Format of input is incorrect !\n ");
}

TEST_F(BatchRunnerPrescription, NumberedRecordsEndAtTheFirstGap) {
  const std::string project =
      "#RetPri-0 First x 1 1 1 1 1 1 1 1 1 1 1 1 1 1 G\n"
      "#RetPri-2 Gap$Set x 1 1 1 1 1 1 1 1 1 1 1 1 1 1 G\n"
      "#Treatment-0 T None 0 0 0 0 0 0 0 0 0 0 0 0 0 10 0 0 Interior Fall\n"
      "#Treatment-2 Gap$Treatment None 0 0 0 0 0 0 0 0 0 0 0 0 0 10 0 0 Interior Fall\n";
  EXPECT_EQ(Load(project, "P1, North, Gap Set, T, No, No, No, No\n"), 0);
  EXPECT_EQ(message_, "Cannot find Retention Priority in project file: Gap Set");
  EXPECT_EQ(Load(project, "P1, North, First, Gap Treatment, No, No, No, No\n"), 0);
  EXPECT_EQ(message_, "Can't locate Treatment in project file. Treatment: Gap Treatment");
  EXPECT_EQ(Load(project, "P1, North, First, No Such, No, No, No, No\n"), 0);
  EXPECT_EQ(message_, "Can't locate Treatment in project file. Treatment: No Such");
  EXPECT_EQ(Load(project, "P1, North, First, T, No, No, No, No\n"), 1) << message_;
}

TEST_F(BatchRunnerPrescription, SwitchesMustBeYesOrNoCheckedInOrder) {
  const std::pair<std::string, std::string> cases[] = {
      {"Y, x, x, x",
       " Treatment file contains invalid entry ('Y') for Thinning, use 'Yes' or 'No'"},
      {"No, 1, x, x",
       " Treatment file contains invalid entry ('1') for Pruning, use 'Yes' or 'No'"},
      {"No, yes, , x", " Treatment file contains invalid entry ('') for Piling, use 'Yes' or 'No'"},
      {"No, yes, no, True",
       " Treatment file contains invalid entry ('True') for Broadcast Burn, use 'Yes' or 'No'"},
  };
  for (const auto& [switches, expected] : cases) {
    SCOPED_TRACE(switches);
    EXPECT_EQ(Load(Project("6", kDefaultTail), "P1, North, Default, Burn Only, " + switches + "\n"),
              0);
    EXPECT_EQ(message_, expected);
  }
}

TEST_F(BatchRunnerPrescription, MoistureScenarioFromThe10HourMoisture) {
  const std::pair<std::string, std::string> cases[] = {
      {"6", "VeryDry"},      {"6.5", "Dry"},     {"10", "Dry"},
      {"10.01", "Moderate"}, {"16", "Moderate"}, {"16.1", "Wet"},
      {"0", "Moderate"},     {"-2", "Moderate"}, {"none", "Moderate"},  // no number: 0
  };
  for (const auto& [moisture, scenario] : cases) {
    SCOPED_TRACE(moisture);
    ASSERT_EQ(Load(Project(moisture, kDefaultTail),
                   "P1, North, Light Touch, Thin Heavy, No, No, No, No\n"),
              1)
        << message_;
    EXPECT_EQ(scenario_, scenario);
  }
  EXPECT_EQ(Load(Project("0", "#EmisType Default \n"),
                 "P1, North, Light Touch, Thin Heavy, No, No, No, No\n"),
            0);
  EXPECT_EQ(message_, "No treatment moisture value or moisture switch found in project file");
}

TEST_F(BatchRunnerPrescription, DefaultEmissionsUnlessExpanded) {
  const std::string link = "P1, North, Light Touch, Thin Heavy, No, No, No, No\n";
  ASSERT_EQ(Load(Project("6", kDefaultTail), link), 1);
  EXPECT_EQ(fbc_->Emission().CriFirInt, -1.0f);
  ASSERT_EQ(Load(Project("6", "#BCBMoist Dry \n"), link), 1);  // no EmisType line
  EXPECT_EQ(fbc_->Emission().CriFirInt, -1.0f);
}

TEST_F(BatchRunnerPrescription, ExpandedEmissionsTakeTheThreeGroups) {
  TempFolder folder;
  // factors in the file's column order CO2, CO, CH4, NOx, SO2, PM2.5, PM10
  const auto path = folder.Write("Emission_Factors.csv",
                                 "##,units:g/kg,Carbon dioxide,Carbon monoxide,Methane,Nitrogen "
                                 "oxides,Sulfur dioxide,Fine particles,Particles,Ammonia\n"
                                 "Group #,# Cover Type,Type,CO2,CO,CH4,NOx as NO,SO2,PM2.5,PM10,"
                                 "NH3\n"
                                 "1,Southeastern forest,STFS,1600,90,3,2.5,1,12,14,1.5\n"
                                 "7,Duff,DuffRSC,1400,250,8,0.5,1.7,30,33,3\n"
                                 "8,Coarse wood,CWDRSC,1500,200,7,0.8,1.6,25,29,2\n");
  std::string loadMessage;
  ASSERT_EQ(fbc_->EmissionTable().LoadFile(path.string(), loadMessage), 1) << loadMessage;

  ASSERT_EQ(Load(Project("6",
                         "#BCBMoist Dry \n#EmisType expanded \n#EmisFlame 1 \n#EmisDuff 7 \n"
                         "#EmisCoarse 8 \n"),
                 "P1, North, Light Touch, Thin Heavy, No, No, No, No\n"),
            1)
      << message_;
  const d_EmisSettings& e = fbc_->Emission();
  EXPECT_FLOAT_EQ(e.CriFirInt, fbc_->EmissionTable().Get_CriFirInt());
  EXPECT_GT(e.CriFirInt, 0.0f);
  EXPECT_EQ(e.Flame.Name, "1");
  const float flame[] = {e.Flame.CO,   e.Flame.CO2, e.Flame.CH4, e.Flame.PM25,
                         e.Flame.PM10, e.Flame.NOX, e.Flame.SO2};
  ExpectFloats(flame, {90, 1600, 3, 12, 14, 2.5f, 1});
  EXPECT_EQ(e.Duff.Name, "7");
  EXPECT_FLOAT_EQ(e.Duff.CO, 250);
  EXPECT_FLOAT_EQ(e.Duff.SO2, 1.7f);
  EXPECT_EQ(e.Coarse.Name, "8");
  EXPECT_FLOAT_EQ(e.Coarse.PM25, 25);
  EXPECT_FLOAT_EQ(e.Coarse.NOX, 0.8f);

  // a group the table does not hold gets no factors
  ASSERT_EQ(Load(Project("6",
                         "#BCBMoist Dry \n#EmisType Expanded \n#EmisFlame 1 \n#EmisDuff 99 \n"
                         "#EmisCoarse 8 \n"),
                 "P1, North, Light Touch, Thin Heavy, No, No, No, No\n"),
            1);
  EXPECT_EQ(fbc_->Emission().Duff.Name, "99");
  EXPECT_EQ(fbc_->Emission().Duff.CO, 0.0f);
  EXPECT_FLOAT_EQ(fbc_->Emission().Coarse.CO, 200);
}

// The project and link files as the window writes them, with blanks in the
// names, read by the batch runner from disk.
TEST(BatchRunnerFiles, WrittenProjectAndLinkFilesWorkTogether) {
  d_PrjData d;
  d.SpeciesRows = {{"Dry Pines", "PP", "0", "10", "5"}, {"Wet Firs", "GF", "0", "99", "20"}};
  d.SpeciesGroups = {{"Dry Pines", 1}, {"Wet Firs", 2}};
  d_PrjRetPri set;
  set.Name = "Light Touch";
  for (std::size_t i = 2; i < 16; ++i) {
    *set.Fields()[i] = "0.5";
  }
  set.SpeciesGroup = "Dry Pines";
  d.RetPriSets = {set};
  d_PrjTreatment t;
  for (PrjField* field : t.Fields()) {
    *field = "0";
  }
  t.TreatName = "Thin Heavy";
  t.ThinType = "None";
  t.BB10HrMoist = "12";
  t.BBRegion = "Interior";
  t.BBSeason = "Fall";
  d.Treatments = {t};
  d.BCBMoist = "Dry";

  TempFolder folder;
  std::string message;
  const std::string projectPath = (folder.path() / "run.vxp").string();
  const std::string linkPath = (folder.path() / kLinkTreatmentFileName).string();
  ASSERT_EQ(Prj_WriteFile(projectPath, d, message), 1) << message;
  ASSERT_EQ(LTF_WriteFile(linkPath,
                          {{"P1", "North", "Light Touch", "Thin Heavy", "Yes", "No", "No", "No"}},
                          message),
            1)
      << message;

  auto fbc = std::make_unique<c_FBC>();
  ASSERT_EQ(fbc->OpenProject(projectPath, message), 1) << message;
  ASSERT_EQ(fbc->OpenLinkTreatment(linkPath, message), 1) << message;
  std::string scenario;
  ASSERT_EQ(fbc->Load_Prescription("P1", "North", scenario, message), 1) << message;
  EXPECT_EQ(fbc->Treatment().TreatName, "Thin Heavy");
  EXPECT_EQ(fbc->Treatment().ThinInc, "Yes");
  EXPECT_FLOAT_EQ(fbc->Treatment().GrassSAV, 1800);  // the window's default
  EXPECT_EQ(scenario, "Moderate");
  EXPECT_EQ(fbc->RetPriSpecies()[0].Species, "PP");
  EXPECT_EQ(fbc->RetPriSpecies()[1].Species, "");
  // read again for the next plot: both files are rewound
  ASSERT_EQ(fbc->Load_Prescription("P1", "North", scenario, message), 1) << message;
}

TEST(BatchRunnerFiles, OpeningMissingFilesGivesTheirMessages) {
  TempFolder folder;
  const std::string missing = (folder.path() / "none.csv").string();
  auto fbc = std::make_unique<c_FBC>();
  std::string message;
  EXPECT_EQ(fbc->OpenLinkTreatment(missing, message), 0);
  EXPECT_EQ(message, "Can't Open Link Treatment File : " + missing + "\n");
  EXPECT_EQ(fbc->OpenProject(missing, message), 0);
  EXPECT_EQ(message, "Can't Open Batch Project File: " + missing + "\n");
  std::string scenario;
  EXPECT_EQ(fbc->Load_Prescription("P1", "", scenario, message), 0);
  EXPECT_FALSE(message.empty());
}

}  // namespace

// ---------------------------------------------------------------------------
// Whole batches run in-process on small files

namespace {

constexpr const char* kVXDHeading =
    "Plot,Duff,DuffDept,Grass,Lichen,Moss,Shrub,Litter,Hr1,Hr10,Hr100,SC1Snd,SC2Snd,SC3Snd,"
    "SC4Snd,SC5Snd,SC1Rot,SC2Rot,SC3Rot,SC4Rot,SC5Rot,Pile\n";
constexpr const char* kTreeHeading = "Plot,Num,Species,DBH,Hgt,HgtCrn,CC,TS,TPA\n";
constexpr const char* kFuel = ",5,1,0.2,0,0,0.3,1,0.4,1,1.5,1,1,0,0,0,0,0.5,0,0,0,0\n";

const std::string kBatchProject =
    std::string(
        "#RetPri-0 Default Std 1 0.8 0.5 0 1 0.9 0.7 1 0.3 1 0.5 0.2 0.6 0.4 $\n"
        "#Treatment-0 No$Treatment None 0 0 0  0 0 0 0 0  0 0 0 0 0  0 0 0 Interior Fall \n") +
    kSettingsLines;

std::string LinkRow(const std::string& plot) {
  return plot + ", , Default, No$Treatment, No, No, No, No\n";
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A batch in a temporary folder: plot, tree, link and project files, and a
// user folder with the shipped mortality and emission factor files.
class BatchRun : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto user = folder_.path() / "user";
    std::filesystem::create_directories(user);
    for (const char* name : {"qor_Spp.csv", "Emission_Factors.csv"}) {
      std::filesystem::copy_file(std::filesystem::path(SYLVANOR_DATA_DIR) / name, user / name);
    }
    user_ = user.string();
  }

  d_BatchOutcome Run(const std::string& plots, const std::string& trees, const std::string& link,
                     const std::string& plotName = "plots.vxd") {
    files_.Plot = folder_.Write(plotName, plots).string();
    files_.Tree = folder_.Write("plots.tre", trees).string();
    files_.Link = folder_.Write("link.csv", kHeader + link).string();
    files_.Project = folder_.Write("project.vxp", kBatchProject).string();
    files_.Output = (folder_.path() / "out.csv").string();
    files_.Error = (folder_.path() / "errors.txt").string();
    return fbc_->RunBatch(files_, user_, [this](int done, int total) {
      progress_.push_back(std::to_string(done) + "/" + std::to_string(total));
    });
  }

  std::string Output() const { return ReadFile(files_.Output); }
  std::string Errors() const { return ReadFile(files_.Error); }

  TempFolder folder_;
  std::string user_;
  d_BatchFiles files_;
  std::vector<std::string> progress_;
  std::unique_ptr<c_FBC> fbc_ = std::make_unique<c_FBC>();
};

int Lines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

TEST(BatchOutputFormat, EmissionValuesTakeTwoOneOrNoDecimals) {
  EXPECT_EQ(EmissionValue(0.5f), ",0.50");
  EXPECT_EQ(EmissionValue(5.24f), ", 5.2");
  EXPECT_EQ(EmissionValue(123.4f), ", 123");
  EXPECT_EQ(EmissionValue(9.96f), ",10.0");  // below 10, rounded up by the format
  EXPECT_EQ(EmissionValue(0.0f), ",0.00");
}

TEST(BatchOutputFormat, TheEmissionsFileLiesBesideTheOutputFile) {
  EXPECT_EQ(EmissionFileName("/out/run.csv"), "/out/run-Emis.csv");
  EXPECT_EQ(EmissionFileName("run.csv"), "run-Emis.csv");
  EXPECT_EQ(EmissionFileName("/out/run.v2.csv"), "/out/run.v2-Emis.csv");
  EXPECT_EQ(EmissionFileName("/out/run"), "/out/run-Emis.csv");
}

TEST_F(BatchRun, APlotFileThatIsNeitherVXDNorPDQIsRefused) {
  const auto outcome =
      Run(std::string(kVXDHeading) + "A" + kFuel, kTreeHeading, LinkRow("A"), "plots.txt");
  EXPECT_EQ(outcome.result, -1);
  EXPECT_EQ(outcome.message,
            "Error opening file(s). Make sure existing files are closed\n "
            "Invalid Input Plot File Type:\n" +
                files_.Plot);
  EXPECT_FALSE(std::filesystem::exists(files_.Output));
}

TEST_F(BatchRun, AMissingEmissionFactorFileEndsTheBatch) {
  std::filesystem::remove(std::filesystem::path(user_) / "Emission_Factors.csv");
  const auto outcome = Run(std::string(kVXDHeading) + "A" + kFuel, kTreeHeading, LinkRow("A"));
  EXPECT_EQ(outcome.result, -1);
  EXPECT_EQ(outcome.message, "Can't open Emission Factor File in User Folder.\n " + user_ + "\n");
}

TEST_F(BatchRun, MorePlotsThanTheListHoldsEndTheBatch) {
  fbc_->SetPlotCapacity(2);
  const std::string plots = std::string(kVXDHeading) + "A" + kFuel + "B" + kFuel + "C" + kFuel;
  const auto outcome = Run(plots, kTreeHeading, LinkRow("A"));
  EXPECT_EQ(outcome.result, -1);
  EXPECT_EQ(outcome.message, "Max # (2) of input plots exceeded");
}

TEST_F(BatchRun, APlotFileWithoutPlotsSaysSo) {
  const auto outcome = Run(kVXDHeading, kTreeHeading, LinkRow("A"));
  EXPECT_EQ(outcome.result, -1);
  EXPECT_EQ(outcome.message, "No plots found in Plot File");
}

TEST_F(BatchRun, SkippedAndFailedPlotsGetAnErrorEntryAndNoOutputLines) {
  // B is not in the link file; C fails validation (a negative litter load);
  // A and D run
  const std::string plots = std::string(kVXDHeading) + "A" + kFuel + "B" + kFuel +
                            "C,5,1,0.2,0,0,0.3,-2,0.4,1,1.5,1,1,0,0,0,0,0.5,0,0,0,0\n" + "D" +
                            kFuel;
  const std::string trees = std::string(kTreeHeading) + "A,1,PIPO,14,70,30,D,H,20\n" +
                            "C,1,PIPO,14,70,30,D,H,20\n" + "D,1,PSME,10,55,25,C,H,40\n";
  const auto outcome = Run(plots, trees, LinkRow("A") + LinkRow("C") + LinkRow("D"));
  ASSERT_EQ(outcome.result, 1) << outcome.message;
  EXPECT_EQ(outcome.plots, 4);
  EXPECT_EQ(outcome.processed, 2);
  EXPECT_EQ(outcome.skipped, 2);
  EXPECT_EQ(outcome.errors, 2);
  EXPECT_EQ(progress_, (std::vector<std::string>{"1/4", "2/4", "3/4", "4/4"}));

  const std::string output = Output();
  EXPECT_EQ(Lines(output), 4);  // two heading lines, A and D
  EXPECT_NE(output.find("\nA, , "), std::string::npos);
  EXPECT_NE(output.find("\nD, , "), std::string::npos);
  EXPECT_EQ(Lines(ReadFile(EmissionFileName(files_.Output))), 2 + 3 + 3);

  const std::string errors = Errors();
  EXPECT_EQ(errors.find("Plot: B - MonSta:  \n Plot Missing in Link Treatment File: B\n\n"), 0u);
  const auto c = errors.find("Plot: C - MonSta:  \n ");
  ASSERT_NE(c, std::string::npos);
  // the engine's message runs straight into the verdict
  EXPECT_NE(errors.find("Cannot process this plot\n\n", c), std::string::npos);
  EXPECT_EQ(errors.find(" Cannot process this plot"), std::string::npos);
  EXPECT_EQ(errors.find("\nCannot process this plot"), std::string::npos);
}

TEST_F(BatchRun, ADeadTreeIsNeitherCountedNorLoaded) {
  const std::string plots = std::string(kVXDHeading) + "A" + kFuel;
  const std::string alive = std::string(kTreeHeading) + "A,1,PSME,10,55,25,C,H,40\n";
  const auto first = Run(plots, alive, LinkRow("A"));
  ASSERT_EQ(first.result, 1);
  const std::string expected = Output();

  // the dead tree has neither a crown base nor a crown class: no repair
  // is reported for it and the stand is the same
  const auto second = Run(plots, alive + "A,2,PIPO,20,90,-1,,D,30\n", LinkRow("A"));
  ASSERT_EQ(second.result, 1);
  EXPECT_EQ(second.errors, 0);
  EXPECT_EQ(Errors(), "");
  EXPECT_EQ(Output(), expected);
  EXPECT_EQ(fbc_->TreeNumbers(), std::vector<int>{1});
}

TEST_F(BatchRun, AnUnreadableTreeRowFailsEveryPlotWhoseScanPassesIt) {
  // A's rows lie before the unreadable row, B's after it: A still reports
  // its crown base repair, then both fail with the read error
  const std::string plots = std::string(kVXDHeading) + "A" + kFuel + "B" + kFuel;
  const std::string trees = std::string(kTreeHeading) + "A,1,PSME,10,55,-1,C,H,40\n" +
                            "A,2,PSME\n" + "B,1,PIPO,14,70,30,D,H,20\n";
  const auto outcome = Run(plots, trees, LinkRow("A") + LinkRow("B"));
  ASSERT_EQ(outcome.result, 1);
  EXPECT_EQ(outcome.processed, 0);
  EXPECT_EQ(outcome.errors, 3);
  const std::string errors = Errors();
  const std::string readError = "Error Reading Sylvanor Tree File: ";
  const auto repair =
      errors.find("Plot: A - MonSta:  \n 1  PSME  DHB:10.00  Hgt:55.0  HgtCrn:27.5\n");
  const auto failA = errors.find("Plot: A - MonSta:  \n " + readError);
  const auto failB = errors.find("Plot: B - MonSta:  \n " + readError);
  EXPECT_EQ(repair, 0u);
  ASSERT_NE(failA, std::string::npos);
  ASSERT_NE(failB, std::string::npos);
  EXPECT_LT(repair, failA);
  EXPECT_LT(failA, failB);
  EXPECT_EQ(Lines(Output()), 0);
}

TEST_F(BatchRun, AnUnreadableLinkRowFailsOnlyThePlotsFoundAfterIt) {
  const std::string plots = std::string(kVXDHeading) + "A" + kFuel + "B" + kFuel;
  const std::string trees =
      std::string(kTreeHeading) + "A,1,PSME,10,55,25,C,H,40\n" + "B,1,PIPO,14,70,30,D,H,20\n";
  const auto outcome = Run(plots, trees, LinkRow("A") + "X, , Default\n" + LinkRow("B"));
  ASSERT_EQ(outcome.result, 1);
  EXPECT_EQ(outcome.processed, 1);
  EXPECT_EQ(outcome.errors, 1);
  EXPECT_EQ(Errors().find("Plot: B - MonSta:  \n Error Reading Link Treatment File: "), 0u);
  EXPECT_NE(Output().find("\nA, , "), std::string::npos);
}

TEST_F(BatchRun, PDQPlotsNamingUnknownEmissionGroupsAreWarnedAndRun) {
  // 49 columns: identity, loads, 25 decay and size classes, grass, shrub,
  // SAVs, green cover, piles and the three emission group names
  std::string row = "P1,North,1,5,1,1,0,0,0,0.4,1,1.5";
  for (int i = 0; i < 25; ++i)
    row += ",0.1";
  row += ",0.1,0.1,0.2,0.1,-1,-1,-1,0,0,999,998,997\n";
  const std::string trees =
      "cr_Plot,cr_MonSta,cr_MonOrd,cr_Spe,f_TPA,f_DBH,f_Hgt,f_CrnHgt,cr_Status,cr_CrnCls,"
      "i_CrnRat,f_BolCha,f_CrnScoPer,f_CrnScoHgt,f_CKF,cr_BeeDam,cr_EquTyp,f_FlaSco,cr_FS,"
      "cr_FirSev\n"
      "P1,North,1,PSME,40,10,55,-1,H,C,40,0,0,0,0,,,0,,\n";
  const auto outcome = Run("heading\n" + row, trees,
                           "P1, North, Default, No$Treatment, No, No, No, No\n", "plots.pdq");
  ASSERT_EQ(outcome.result, 1) << outcome.message;
  EXPECT_EQ(outcome.processed, 1);
  // the crown ratio repairs the crown base silently; the groups are unknown
  EXPECT_EQ(Errors(),
            "Plot: P1 - MonSta: North \n Missing or invalid emissions factors detected. The "
            "emissions factors set on the GUI will be used.\n\n\n");
  EXPECT_NE(Output().find("\nP1, North, "), std::string::npos);
}

}  // namespace sylvanor
