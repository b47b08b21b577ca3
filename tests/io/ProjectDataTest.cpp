#include "io/ProjectData.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

d_PrjData ReadText(const std::string& text) {
  std::istringstream file(text);
  c_PrjIndex project;
  project.Build(file);
  return Prj_ReadData(project);
}

TEST(ProjectData, AProjectWrittenAndReadAgainIsTheSame) {
  d_PrjData d;
  d.CBDThreshold = "0.015";
  d.SpeciesRows = {{"Dry Pines", "PIPO", "0", "10", "5"}, {"Wet Firs", "ABGR", "", "99", "20"}};
  d.SpeciesGroups = {{"Dry Pines", 1}, {"Wet Firs", 2}};
  d_PrjRetPri set;
  for (PrjField* field : set.Fields())
    *field = "0.5";
  set.Name = "Keep Big Pines", set.Desc = "", set.SpeciesGroup = "Dry Pines";
  d.RetPriSets = {set, set};
  d.RetPriSets[1].Name = "Second";
  d.RetPri = "Keep Big Pines";
  d_PrjTreatment treatment;
  for (PrjField* field : treatment.Fields())
    *field = "12";
  treatment.TreatName = "Thin and Burn", treatment.ThinType = "BasalArea";
  treatment.BBRegion = "InteriorWest", treatment.BBSeason = "Fall";
  d.Treatments = {treatment};
  d.Treatment = "Thin and Burn";
  d.Thin = d.BCB = true;
  d.ThinType = "BasalArea", d.ThinCriteria = 80.5f, d.ThinCutEff = 90, d.ThinMaxCut = 21;
  d.PruneHgt = 8, d.BCBScoHgt = 15, d.BCBMoist = "Very Dry", d.BCBMoiDuf = 60;
  d.BCBRegion = "PacificWest", d.BCBSeason = "Spring", d.EmisType = "Expanded";
  d.EmisFlame = "3", d.EmisDuff = "8", d.EmisCoarse = "7", d.PileBurn = 90;
  d.FMSModel = "Scott-40", d.FMSClimate = "Humid", d.FMSBedDep = 0.5f, d.FMSSAVGra = 1700;
  d.DecimalPrecision = 3, d.PlotFileName = "/data/my plots.pdq", d.PlotFileType = "PDQ";
  d.PlotName = "P 7", d.ColorScheme = "ColorCustom", d.ColorBackground = {10, 20, 30};
  d.FuelModelShow = true;
  const std::string text = Prj_Text(d);
  const d_PrjData read = ReadText(text);
  EXPECT_EQ(Prj_Text(read), text);
  EXPECT_EQ(read.PlotFileName + "|" + read.RetPriSets[0].Name.str() + "|" + read.BCBMoist,
            "/data/my plots.pdq|Keep Big Pines|Very Dry");
}

TEST(ProjectData, MissingKeywordsKeepTheirDefaultsAndFilesThatCannotBeRead) {
  d_PrjData old;
  old.DecimalPrecision = 3, old.ColorScheme = "Color2";
  EXPECT_EQ(Prj_Text(ReadText("# an old project\n#DecimalPrecision 7\n#Color2 \n")), Prj_Text(old));
  TempFolder folder;
  d_PrjData data;
  std::string message;
  const std::string missing = (folder.path() / "none.vxp").string();
  EXPECT_EQ(Prj_ReadFile(missing, data, message), 0);
  EXPECT_EQ(message, "Can't Open Project File: " + missing + "\n");
  EXPECT_EQ(Prj_ReadFile(folder.path().string(), data, message), 0);
  EXPECT_EQ(message, "Can't Open Project File: " + folder.path().string() + "\n " +
                         folder.path().string() + " is not a file\n");
  ASSERT_EQ(Prj_ReadFile(SYLVANOR_DATA_DIR "/sample/Sample.vxp", data, message), 1) << message;
  EXPECT_EQ(data.EmisFlame + "|" + std::to_string(data.Treatments.size() > 2), "3|1");
}

}  // namespace

}  // namespace sylvanor
