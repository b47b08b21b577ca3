#include "io/ProjectFile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace sylvanor {

namespace {

struct Found {
  int result = 0;
  PrjWords values;
  std::string line;
};

Found FindIn(std::istream& file, const std::string& keyword) {
  Found f;
  f.values.fill("stale");
  f.line = "stale";
  f.result = Prj_FindSw(file, keyword, f.values, f.line);
  return f;
}

Found FindIn(const std::string& text, const std::string& keyword) {
  std::istringstream file(text);
  return FindIn(file, keyword);
}

TEST(ProjectFileFindSw, EqualsAndHashCountAsBlanksWhenMatching) {
  for (const std::string text : {"#Thin = Yes\n", "#Thin Yes\n", "Thin Yes\n", "Thin=Yes\n",
                                 "#Thin#Yes\r\n", "#Thin\tYes extra\n"}) {
    SCOPED_TRACE(text);
    const Found f = FindIn(text, "thin");
    ASSERT_EQ(f.result, 1);
    EXPECT_EQ(f.values[0], "Thin");
    EXPECT_EQ(f.values[1], "Yes");
    EXPECT_EQ(f.line, text);  // as read, with its line end
  }
  // the whole first word must be the keyword
  EXPECT_EQ(FindIn("#ThinType BasalArea\n", "Thin").result, 0);
  EXPECT_EQ(FindIn("#Thin-0 Yes\n", "Thin").result, 0);
}

TEST(ProjectFileFindSw, KeywordIgnoresCaseAndFirstLineWins) {
  std::istringstream file("#tHIN No\n#Thin Yes\n#Prune a b c d e f g\n");
  Found f = FindIn(file, "THIN");
  ASSERT_EQ(f.result, 1);
  EXPECT_EQ(f.values[1], "No");
  // the stream is rewound for every search, so an earlier line is found again
  f = FindIn(file, "prune");
  ASSERT_EQ(f.result, 1);
  EXPECT_EQ(f.values[5], "e");  // six words, keyword included
  f = FindIn(file, "Thin");
  EXPECT_EQ(f.values[1], "No");
}

TEST(ProjectFileFindSw, CommentLinesNeverMatch) {
  const Found missing = FindIn("# Thin Yes\n\n#  Thin No\n", "Thin");
  EXPECT_EQ(missing.result, 0);
  for (const std::string& value : missing.values) {
    EXPECT_EQ(value, "");
  }
  EXPECT_EQ(missing.line, "");

  const Found f = FindIn("# Thin Yes\n#Thin No\n", "Thin");
  ASSERT_EQ(f.result, 1);
  EXPECT_EQ(f.values[1], "No");
  EXPECT_EQ(f.line, "#Thin No\n");
}

TEST(ProjectFileFindSw, LongLinesAreReadWhole) {
  // 250 characters: its end is part of the line, not a keyword line of its own
  const std::string head = "#Long " + std::string(193, 'a');
  const std::string tail = "#Thin Yes" + std::string(42, ' ');
  std::istringstream file(head + tail + "\n#Pad p\n");

  EXPECT_EQ(FindIn(file, "Thin").result, 0);
  const Found f = FindIn(file, "Long");
  ASSERT_EQ(f.result, 1);
  EXPECT_EQ(f.values[1], std::string(193, 'a'));  // "#" reads as a blank
  EXPECT_EQ(f.values[2], "Thin");
  EXPECT_EQ(f.values[3], "Yes");
  EXPECT_EQ(f.line, head + tail + "\n");

  std::string line;
  file.clear();
  file.seekg(0);
  ASSERT_TRUE(Prj_ReadLine(file, line));
  EXPECT_EQ(line, head + tail + "\n");
  ASSERT_TRUE(Prj_ReadLine(file, line));
  EXPECT_EQ(line, "#Pad p\n");
  EXPECT_FALSE(Prj_ReadLine(file, line));
}

constexpr const char* kRecords =
    "#RetPri-0 Default$Set Standard 1 0.8 0.5 0 1 0.9 0.7 1 0.3 1 0.5 0.2 0.6 0.4 Dry$Pines\n"
    "#RetPri-2 Gap$Set none 1 1 1 1 1 1 1 1 1 1 1 1 1 1 Dry$Pines\n"
    "#SpeciesGroup-1 Wet$Firs 3\n"
    "#Species-0 Dry$Pines PP 0 10 5\n"
    "#Species-1 Wet$Firs GF 2.5 99 40\n"
    "#Treatment-0 Thin$Heavy BasalArea 80 90 7  4 10 1 24 8  30 50 60 70 12  6.5 15 120 "
    "Interior Fall \n"
    "#Treatment-1 Short None\n";

// Field order is checked end to end by the batch runner's prescription tests.
TEST(ProjectFileRecords, NumberedRecordsAreFoundOnlyByTheirNumber) {
  std::istringstream file(kRecords);
  d_PrjRetPri set;
  ASSERT_EQ(Prj_FindRetPri(file, set, 0), 1);
  EXPECT_EQ(set.Name, "Default$Set");
  EXPECT_EQ(set.Desc, "Standard");
  EXPECT_EQ(set.Diameter, "0.4");
  EXPECT_EQ(set.SpeciesGroup, "Dry$Pines");
  EXPECT_EQ(Prj_FindRetPri(file, set, 1), 0);
  EXPECT_EQ(set.Name, "");  // emptied
  ASSERT_EQ(Prj_FindRetPri(file, set, 2), 1);
  EXPECT_EQ(set.Name, "Gap$Set");

  d_PrjTreatment t;
  ASSERT_EQ(Prj_FindTreatment(file, t, 0), 1);
  EXPECT_EQ(t.TreatName, "Thin$Heavy");
  EXPECT_EQ(t.ThinTopDiam, "4");  // the double blanks between groups are blanks
  EXPECT_EQ(t.BB10HrMoist, "6.5");
  EXPECT_EQ(t.BBSeason, "Fall");
  // words missing at the end of the line stay empty
  ASSERT_EQ(Prj_FindTreatment(file, t, 1), 1);
  EXPECT_EQ(t.ThinType, "None");
  EXPECT_EQ(t.ThinCriteria, "");
  EXPECT_EQ(Prj_FindTreatment(file, t, 2), 0);
}

TEST(ProjectFileRecords, FieldsHoldAtMost49Characters) {
  std::istringstream file("#Treatment-0 " + std::string(60, 'n') + " None\n");
  d_PrjTreatment t;
  ASSERT_EQ(Prj_FindTreatment(file, t, 0), 1);
  EXPECT_EQ(t.TreatName, std::string(49, 'n'));
  EXPECT_EQ(t.ThinType, "None");
}

TEST(ProjectFileRecords, SpeciesRowIsNotTheSpeciesGroup) {
  std::istringstream file(kRecords);
  std::string group, species, minDia, maxDia, priority;
  ASSERT_EQ(Prj_FindSpecies(file, group, species, minDia, maxDia, priority, 1), 1);
  EXPECT_EQ(group, "Wet$Firs");
  EXPECT_EQ(species, "GF");
  EXPECT_EQ(minDia, "2.5");
  EXPECT_EQ(maxDia, "99");
  EXPECT_EQ(priority, "40");
  EXPECT_EQ(Prj_FindSpecies(file, group, species, minDia, maxDia, priority, 2), 0);
  EXPECT_EQ(group, "");
  EXPECT_EQ(priority, "");
}

TEST(ProjectFileNames, DollarStandsForABlank) {
  EXPECT_EQ(Prj_NameToWord(" Thin  Heavy "), "Thin$$Heavy");
  EXPECT_EQ(Prj_WordToName("Thin$$Heavy"), "Thin  Heavy");
  EXPECT_TRUE(Prj_SameName("Thin$Heavy", "Thin Heavy"));
  EXPECT_TRUE(Prj_SameName("Thin Heavy", "Thin$Heavy"));
  EXPECT_FALSE(Prj_SameName("ThinHeavy", "Thin Heavy"));
  EXPECT_FALSE(Prj_SameName("thin$heavy", "Thin Heavy"));  // names keep their case
}

TEST(ProjectFileNumbers, LeadingNumberOrZero) {
  EXPECT_FLOAT_EQ(Prj_AtoF("12.5abc"), 12.5f);
  EXPECT_FLOAT_EQ(Prj_AtoF("  -3"), -3.0f);
  EXPECT_FLOAT_EQ(Prj_AtoF("+.5"), 0.5f);
  EXPECT_FLOAT_EQ(Prj_AtoF("1e2"), 100.0f);
  EXPECT_FLOAT_EQ(Prj_AtoF("1,5"), 1.0f);  // a comma is never a decimal point
  EXPECT_FLOAT_EQ(Prj_AtoF("7."), 7.0f);
  for (const char* text : {"", "abc", "$", "--1", "+-1", "-", "1e300"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Prj_AtoF(text), 0.0f);
  }
}

// A small project: blanks in names become "$", the "_None" row is left out
// and the rows after it keep numbering without a gap, an empty treatment
// field keeps its place.
d_PrjData SmallProject() {
  d_PrjData d;
  d.CBDThreshold = "0.011";
  d.SpeciesRows = {{"Dry Pines", "PP", "0", "10", "5"},
                   {"_None", "DF", "0", "99", "1"},
                   {"Dry Pines", "DF", "5", "20", "40"}};
  d.SpeciesGroups = {{"Dry Pines", 2}};
  d_PrjRetPri set;
  const char* values[] = {"Light Touch", "Keep most", "1",   "0.8", "0.5",      "0",
                          "1",           "0.9",       "0.7", "1",   "0.3",      "1",
                          "0.5",         "0.2",       "0.6", "0.4", "Dry Pines"};
  for (std::size_t i = 0; i < kPrjRetPriFields; ++i) {
    *set.Fields()[i] = values[i];
  }
  d.RetPriSets = {set};
  d.RetPri = "Light Touch";
  d_PrjTreatment t;
  const char* tv[] = {"Thin Heavy", "BasalArea", "80", "90",  "7",  "4",   "10",
                      "1",          "24",        "8",  "30",  "50", "60",  "70",
                      "12",         "6.5",       "15", "120", "",   "Fall"};
  for (std::size_t i = 0; i < kPrjTreatmentFields; ++i) {
    *t.Fields()[i] = tv[i];
  }
  d.Treatments = {t};
  d.Treatment = "Thin Heavy";
  d.Thin = true;
  d.BCB = true;
  d.ThinType = "BasalArea";
  d.ThinCriteria = 80;
  d.ThinCutEff = 90;
  d.ThinMaxCut = 24;
  d.PruneMRCR = 30;
  d.BCBScoHgt = 12;
  d.BCBMoist = "Dry";
  d.BCBMoi10Hr = 6.5f;
  d.BCBRegion = "Interior West";
  d.BCBSeason = "Fall";
  d.EmisType = "Expanded";
  d.EmisFlame = "1";
  d.PileBurn = 70;
  d.FMSModel = "Scott-40";
  d.FMSClimate = "Humid";
  d.FMSBedDep = 0.5f;
  d.DecimalPrecision = 3;
  d.PlotFileName = "C:/Plot Data/run.pdq";
  d.PlotFileType = "PDQ";
  d.PlotName = "P1";
  d.ColorScheme = "ColorCustom";
  d.ColorBackground = {255, 250, 240};
  d.ColorControl = {0, 128, 64};
  d.FuelModelShow = true;
  return d;
}

TEST(ProjectFileWriter, SmallProjectExactText) {
  const std::string expected =
      "#CBDThreshold 0.011\n"
      "\n------------------------------------------\n"
      "#Species-0 Dry$Pines PP 0 10 5\n"
      "#Species-1 Dry$Pines DF 5 20 40\n"
      "\n------------------------------------------\n"
      "#SpeciesGroup-0 Dry$Pines 2\n"
      "\n------------------------------------------\n"
      "#RetPri-0 Light$Touch Keep$most 1 0.8 0.5 0 1 0.9 0.7 1 0.3 1 0.5 0.2 0.6 0.4 Dry$Pines\n"
      "#RetPri Light$Touch\n"
      "\n------------------------------------------\n"
      "#Treatment-0 Thin$Heavy BasalArea 80 90 7  4 10 1 24 8  30 50 60 70 12  6.5 15 120 $ "
      "Fall \n"
      "#Treatment Thin$Heavy\n"
      "\n ----------------------------------------------\n"
      "#Thin Yes\n"
      "#Prune No\n"
      "#BCB Yes\n"
      "#Pile No\n"
      "# Thinning  \n"
      "#ThinType BasalArea\n"
      "#ThinCriteria  80.0000\n"
      "#ThinCutEff  90.0000\n"
      "#ThinMinCut   0.0000\n"
      "#ThinMaxCut  24.0000\n"
      "#ThinSubMer   0.0000\n"
      "#ThinLogTop   0.0000\n"
      "#ThinYarLos   0.0000\n"
      "# Prunning  \n"
      "#PruneHgt   0.0000\n"
      "#PruneMRCR  30.0000\n"
      "# Broadcast Burning  \n"
      "#BCBScoHgt  12.0000\n"
      "#BCBDuDep   0.0000\n"
      "#BCBMosLicBur   0.0000\n"
      "#BCBMoist Dry \n"
      "#BCBMoi10Hr   6.5000\n"
      "#BCBMoi1kHr   0.0000\n"
      "#BCBMoiDuf   0.0000\n"
      "#BCBRegion Interior$West \n"
      "#BCBSeason Fall \n"
      "#EmisType Expanded \n"
      "#EmisFlame 1 \n"
      "#EmisDuff  \n"
      "#EmisCoarse  \n"
      "# Piling  \n"
      "#PileGround   0.0000\n"
      "#PileSlash   0.0000\n"
      "#PileBurn  70.0000\n"
      "# Fuel Model Selector  \n"
      "#FMSModel Scott-40 \n"
      "#FMSClimate Humid \n"
      "#FMSBedDep   0.5000\n"
      "#FMSSAVGra 1800.0000\n"
      "#FMSSAVShu 1500.0000\n"
      "#FMSSAV1Hr 2000.0000\n"
      "\n ----------------------------------------------\n"
      "#DecimalPrecision 3\n"
      "#PlotFileName C:/Plot$Data/run.pdq \n"
      "#PlotFileType PDQ \n"
      "#PlotName P1 \n"
      "#ColorCustom \n"
      "#ColorBackground 255 250 240\n"
      "#ColorControl 0 128 64\n"
      "#FuelModelShow Yes\n";
  EXPECT_EQ(Prj_Text(SmallProject()), expected);
}

TEST(ProjectFileWriter, WrittenFileReadsBack) {
  std::istringstream file(Prj_Text(SmallProject()));
  d_PrjTreatment t;
  ASSERT_EQ(Prj_FindTreatment(file, t, 0), 1);
  EXPECT_EQ(Prj_WordToName(t.TreatName.str()), "Thin Heavy");
  EXPECT_EQ(Prj_WordToName(t.BBRegion.str()), "");  // the placeholder of an empty field
  EXPECT_EQ(t.BBSeason, "Fall");
  std::string group, species, minDia, maxDia, priority;
  ASSERT_EQ(Prj_FindSpecies(file, group, species, minDia, maxDia, priority, 1), 1);
  EXPECT_EQ(species, "DF");
  EXPECT_EQ(Prj_FindSpecies(file, group, species, minDia, maxDia, priority, 2), 0);
  EXPECT_FLOAT_EQ(Prj_AtoF(FindIn(file, "BCBMoi10Hr").values[1]), 6.5f);
  EXPECT_EQ(FindIn(file, "EmisDuff").values[1], "");
  // the group titles are comments
  EXPECT_EQ(FindIn(file, "Thinning").result, 0);
}

}  // namespace

}  // namespace sylvanor
