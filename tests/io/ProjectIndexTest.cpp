#include "io/ProjectIndex.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace sylvanor {

namespace {

// Lines a search must step over or tell apart: comments, "=" and "#" read as
// blanks, keywords in other cases, a keyword given twice, a long line.
const std::string kProject =
    "# Sylvanor project\n"
    "#CBDThreshold 0.011\n"
    "\n"
    "#Thin = Yes\n"
    "thin No\n"
    "#RetPri-0 Default Std 1 0.8 0.5 0 1 0.9 0.7 1 0.3 1 0.5 0.2 0.6 0.4 Wet$Firs\n"
    "#RETPRI-1 Light Keep 0.9 0.7 0.4 0.1 0.95 0.85 0.6 0.92 0.2 0.8 0.55 0.3 0.75 0.25 $\n"
    "#Treatment-0 Burn$Only None 0 0 0  0 0 0 0 0  0 0 0 0 5  12 15 100 Interior Fall \n"
    "#Species-0 Dry$Pines PP 0 10 5\n"
    "#Species-1 Dry$Pines DF 5.5 20 40\n"
    "#PlotFileName /data/" +
    std::string(400, 'p') +
    ".pdq\n"
    "#FMSModel Scott-40";  // no line end at the end of the file

}  // namespace

TEST(ProjectIndex, AnswersEveryKeywordAsASearchFromTheStart) {
  std::istringstream file(kProject);
  c_PrjIndex index;
  index.Build(file);
  for (const char* keyword :
       {"CBDThreshold", "cbdthreshold", "Thin", "THIN", "RetPri-0", "retpri-1", "RetPri-2",
        "Treatment-0", "Treatment-1", "Species-0", "Species-1", "Species-2", "PlotFileName",
        "FMSModel", "Sylvanor", "", "#"}) {
    PrjWords fromFile, fromIndex;
    std::string fileLine, indexLine;
    const int a = Prj_FindSw(file, keyword, fromFile, fileLine);
    const int b = Prj_FindSw(index, keyword, fromIndex, indexLine);
    EXPECT_EQ(a, b) << keyword;
    EXPECT_EQ(fromFile, fromIndex) << keyword;
    EXPECT_EQ(fileLine, indexLine) << keyword;
  }
}

TEST(ProjectIndex, RecordsAndSpeciesRowsComeFromTheFirstLineOfTheirNumber) {
  std::istringstream file(kProject + "\n#Thin Maybe\n#Species-0 Wet$Firs GF 0 99 20\n");
  c_PrjIndex index;
  index.Build(file);

  PrjWords values;
  std::string line;
  ASSERT_EQ(Prj_FindSw(index, "Thin", values, line), 1);
  EXPECT_EQ(values[1], "Yes");

  d_PrjRetPri set;
  ASSERT_EQ(Prj_FindRetPri(index, set, 1), 1);
  EXPECT_EQ(set.Name.str(), "Light");
  EXPECT_EQ(set.SpeciesGroup.str(), "$");
  EXPECT_EQ(Prj_FindRetPri(index, set, 2), 0);
  EXPECT_EQ(set.Name.str(), "");

  d_PrjTreatment treatment;
  ASSERT_EQ(Prj_FindTreatment(index, treatment, 0), 1);
  EXPECT_EQ(treatment.BBSeason.str(), "Fall");

  std::string group, species, minDia, maxDia, priority;
  ASSERT_EQ(Prj_FindSpecies(index, group, species, minDia, maxDia, priority, 0), 1);
  EXPECT_EQ(group + " " + species + " " + priority, "Dry$Pines PP 5");
  EXPECT_EQ(Prj_FindSpecies(index, group, species, minDia, maxDia, priority, 7), 0);
  EXPECT_EQ(group + species + minDia + maxDia + priority, "");
}

TEST(ProjectIndex, RebuildingForgetsTheEarlierFile) {
  std::istringstream first("#Thin Yes\n");
  std::istringstream second("#Prune Yes\n");
  c_PrjIndex index;
  index.Build(first);
  index.Build(second);
  PrjWords values;
  std::string line;
  EXPECT_EQ(Prj_FindSw(index, "Thin", values, line), 0);
  EXPECT_EQ(Prj_FindSw(index, "Prune", values, line), 1);
}

}  // namespace sylvanor
