#include "io/ProjectFile.h"

#include <gtest/gtest.h>

namespace sylvanor {

// The keyword, record and species row look-ups, and so the reading of
// lines, are tested against the file and its index in ProjectIndexTest.

TEST(ProjectFile, NamesAndNumbers) {
  EXPECT_EQ(Prj_NameToWord(" Thin  Heavy "), "Thin$$Heavy");
  EXPECT_EQ(Prj_WordToName("Thin$$Heavy"), "Thin  Heavy");
  // the same once read back as names; names keep their case
  const std::tuple<const char*, const char*, bool> names[] = {{"Thin$Heavy", "Thin Heavy", true},
                                                              {"Thin Heavy", "Thin$Heavy", true},
                                                              {"ThinHeavy", "Thin Heavy", false},
                                                              {"thin$heavy", "Thin Heavy", false}};
  for (const auto& [a, b, same] : names)
    EXPECT_EQ(Prj_SameName(a, b), same) << a << " " << b;
  // the number a text starts with; a comma is never a decimal point; out of range is 0
  const std::pair<const char*, float> numbers[] = {
      {"12.5abc", 12.5f}, {"  -3", -3}, {"+.5", 0.5f}, {"1e2", 100}, {"1,5", 1},
      {"7.", 7},          {"", 0},      {"abc", 0},    {"$", 0},     {"--1", 0},
      {"+-1", 0},         {"-", 0},     {"1e300", 0}};
  for (const auto& [text, number] : numbers)
    EXPECT_EQ(Prj_AtoF(text), number) << text;
  float number = 0;
  // a number beyond a float is told apart; too small is 0, no number is 0
  for (const std::string text : {"1e39", "-1e39", "1e999", "inf", "nan", "9e99999999999999999999"})
    EXPECT_FALSE(Prj_ReadFloat(text, number = 5) || number != 0) << text;
  for (const std::string text : {"3.4e38", "1e-999", "0.000001e-400", "abc", "12abc"})
    EXPECT_TRUE(Prj_ReadFloat(text, number = 5) && number == Prj_AtoF(text)) << text;
  EXPECT_FALSE(Prj_ReadFloat(std::string(40, '9'), number));
}

TEST(ProjectFile, SmallProjectExactTextAndReadBack) {
  // blanks in names become "$"; the "_None" row is left out and the rows
  // after it numbered without a gap; an empty record field keeps its place
  // as "$". The data in the order of d_PrjData, every number different so
  // that no two lines may swap unseen:
  // clang-format off
  d_PrjData d{"0.011", {}, {}, {}, "Light Touch", {}, "Thin Heavy", true, false, true, false,
              "BasalArea", 80, 90, 1, 24, 7, 4, 10, 8, 30, 12, 2, 50, "Dry", 6.5f, 11, 13,
              "Interior West", "Fall", "Expanded", "1", "", "", 20, 40, 70, "Scott-40", "Humid",
              0.5f, 1750, 1450, 2050, 3, "C:/Plot Data/run.pdq", "PDQ", "P1", "ColorCustom",
              {255, 250, 240}, {0, 128, 64}, true};
  // clang-format on
  d.SpeciesRows = {{"Dry Pines", "PP", "0", "10", "5"},
                   {"_None", "DF", "0", "99", "1"},
                   {"Dry Pines", "DF", "5", "20", "40"}};
  d.SpeciesGroups = {{"Dry Pines", 2}};
  d.RetPriSets.resize(1);
  d.Treatments.resize(1);
  const char* retPri[] = {"Light Touch", "Keep most", "1",   "0.8", "0.5",      "0",
                          "1",           "0.9",       "0.7", "1",   "0.3",      "1",
                          "0.5",         "0.2",       "0.6", "0.4", "Dry Pines"};
  for (std::size_t i = 0; i < kPrjRetPriFields; ++i)
    *d.RetPriSets[0].Fields()[i] = retPri[i];
  const char* treatment[] = {"Thin Heavy", "BasalArea", "80", "90",  "7",  "4",   "10",
                             "1",          "24",        "8",  "30",  "50", "60",  "70",
                             "12",         "6.5",       "15", "120", "",   "Fall"};
  for (std::size_t i = 0; i < kPrjTreatmentFields; ++i)
    *d.Treatments[0].Fields()[i] = treatment[i];
  const std::string text = Prj_Text(d);
  EXPECT_EQ(text,
            "#CBDThreshold 0.011\n\n------------------------------------------\n"
            "#Species-0 Dry$Pines PP 0 10 5\n#Species-1 Dry$Pines DF 5 20 40\n"
            "\n------------------------------------------\n#SpeciesGroup-0 Dry$Pines 2\n"
            "\n------------------------------------------\n#RetPri-0 Light$Touch Keep$most 1 0.8 "
            "0.5 0 1 0.9 0.7 1 0.3 1 0.5 0.2 0.6 0.4 Dry$Pines\n#RetPri Light$Touch\n"
            "\n------------------------------------------\n#Treatment-0 Thin$Heavy BasalArea 80 90 "
            "7  4 10 1 24 8  30 50 60 70 12  6.5 15 120 $ Fall \n#Treatment Thin$Heavy\n"
            "\n ----------------------------------------------\n"
            "#Thin Yes\n#Prune No\n#BCB Yes\n#Pile No\n# Thinning  \n#ThinType BasalArea\n"
            "#ThinCriteria  80.0000\n#ThinCutEff  90.0000\n#ThinMinCut   1.0000\n"
            "#ThinMaxCut  24.0000\n#ThinSubMer   7.0000\n#ThinLogTop   4.0000\n"
            "#ThinYarLos  10.0000\n# Prunning  \n#PruneHgt   8.0000\n#PruneMRCR  30.0000\n"
            "# Broadcast Burning  \n#BCBScoHgt  12.0000\n#BCBDuDep   2.0000\n"
            "#BCBMosLicBur  50.0000\n#BCBMoist Dry \n#BCBMoi10Hr   6.5000\n#BCBMoi1kHr  11.0000\n"
            "#BCBMoiDuf  13.0000\n#BCBRegion Interior$West \n#BCBSeason Fall \n"
            "#EmisType Expanded \n#EmisFlame 1 \n#EmisDuff  \n#EmisCoarse  \n# Piling  \n"
            "#PileGround  20.0000\n#PileSlash  40.0000\n#PileBurn  70.0000\n"
            "# Fuel Model Selector  \n#FMSModel Scott-40 \n#FMSClimate Humid \n"
            "#FMSBedDep   0.5000\n#FMSSAVGra 1750.0000\n#FMSSAVShu 1450.0000\n"
            "#FMSSAV1Hr 2050.0000\n\n ----------------------------------------------\n"
            "#DecimalPrecision 3\n#PlotFileName C:/Plot$Data/run.pdq \n#PlotFileType PDQ \n"
            "#PlotName P1 \n#ColorCustom \n#ColorBackground 255 250 240\n#ColorControl 0 128 64\n"
            "#FuelModelShow Yes\n");
  // the placeholder of the empty field reads back as an empty name
  std::istringstream file(text);
  d_PrjTreatment read;
  ASSERT_EQ(Prj_FindTreatment(file, read, 0), 1);
  EXPECT_EQ(Prj_WordToName(read.BBRegion.str()) + "|" + read.BBSeason.str(), "|Fall");
}

}  // namespace sylvanor
