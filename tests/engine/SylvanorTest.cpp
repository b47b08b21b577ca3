#include "engine/Sylvanor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/EquationTable.h"
#include "engine/TreeList.h"
#include "engine/TreeVolume.h"
#include "tests/TempFolder.h"

namespace {

// The path of the species file of a user folder that holds the shipped
// mortality species file but no species file: the built-in table is used.
std::string UserSpeciesPath(const TempFolder& folder) {
  std::filesystem::copy_file(std::filesystem::path(SYLVANOR_DATA_DIR) / "qor_Spp.csv",
                             folder.path() / "qor_Spp.csv");
  return (folder.path() / "species.csv").string();
}

TEST(Sylvanor, InitialisationResetsTheSettings) {
  TempFolder folder;
  const std::string species = UserSpeciesPath(folder);
  Sylvanor e;
  e.Set_UserFolder("/data/qor_spp.csv");
  e.Set_ThinInc("Yes");
  e.Set_Litter(3);
  e.Set_SC5Rot(4);
  e.Set_CriFirInt(50);
  e.Set_EmisFactor("Flame", "Woody", 1, 2, 3, 4, 5, 6, 7);
  ASSERT_EQ(e.Init_LarGUI("English", "Metric", species), 1);
  const d_Settings& s = e.Settings();
  EXPECT_EQ(s.UserFolder.str(), "/data/qor_spp.csv");  // the user folder survives a reset
  EXPECT_TRUE(s.ThinInc.empty());
  EXPECT_EQ(s.InUnits.str(), "English");
  EXPECT_EQ(s.OutUnits.str(), "Metric");
  EXPECT_EQ(s.Litter, -9999.0f);
  EXPECT_EQ(s.SCRot[4], -9999.0f);
  EXPECT_EQ(s.ThiCriVal, -9999.0f);
  EXPECT_EQ(s.FueBedDep, -9999.0f);
  EXPECT_EQ(s.LayWid, 1.0f);
  EXPECT_EQ(s.RASpread, 5.0f);
  EXPECT_EQ(s.CBDCriThr, 0.012f);
  EXPECT_EQ(s.MLCons, 0.9f);
  EXPECT_EQ(s.CriFirInt, 0.0f);
  EXPECT_EQ(s.EmisFlame.Name.str(), "Woody");  // factor groups are set per plot, not reset

  EXPECT_EQ(e.Init_LarGUI("metric", "metric", species), 1);
  EXPECT_EQ(e.Settings().LayWid, 0.1f);
}

TEST(Sylvanor, BatchInitialisationLoadsNothingAndReturnsZero) {
  Sylvanor e;
  EXPECT_EQ(e.Init_LarGUI("English", "English", "BATCH"), 0);
  EXPECT_EQ(e.Settings().RASpread, 5.0f);
  EXPECT_EQ(e.Get_ErrMes(), "");
}

TEST(Sylvanor, InitialisationClearsTheMessages) {
  TempFolder folder;
  const std::string species = UserSpeciesPath(folder);
  Sylvanor e;
  e.Init_LarGUI("English", "English", species);
  ASSERT_EQ(e.Check_Inputs(), 0);
  ASSERT_NE(e.Get_ErrMes(), "");
  e.Init_LarGUI("English", "English", species);
  EXPECT_EQ(e.Get_ErrMes(), "");
  EXPECT_TRUE(e.Stand().Warning.empty());
}

TEST(Sylvanor, SettersStoreUncheckedAndCutTextsToTheirField) {
  Sylvanor e;
  e.Init_LarGUI("English", "English", "");
  EXPECT_EQ(e.Set_MinCutDia(-123.5f), 1);
  EXPECT_EQ(e.Settings().MinCutDia, -123.5f);
  EXPECT_EQ(e.Set_ThinInc("Perhaps"), 1);  // a 5-character field holds 4 characters
  EXPECT_EQ(e.Settings().ThinInc.str(), "Perh");
  EXPECT_EQ(e.Set_PrunInc("Certainly"), 1);  // 8 characters hold 7
  EXPECT_EQ(e.Settings().PrunInc.str(), "Certain");
  const std::string longPath(2500, 'p');
  e.Set_UserFolder(longPath);
  EXPECT_EQ(e.Settings().UserFolder.size(), 1999u);
  // a cut keyword is no keyword: validation refuses it
  e.Set_ThinInc("Yes, please");
  EXPECT_EQ(e.Check_Inputs(), 0);
  EXPECT_EQ(e.Get_ErrMes(), "Invalid argument for Thinning Include, use Yes or No");
}

TEST(Sylvanor, EmissionFactorGroupsByComponent) {
  Sylvanor e;
  EXPECT_EQ(e.Set_EmisFactor("smolder", "Duff group", 10, 20, 30, 40, 50, 60, 70), 1);
  EXPECT_EQ(e.Set_EmisFactor("DUFF", "Duff only", 1, 2, 3, 4, 5, 6, 7), 1);
  EXPECT_EQ(e.Set_EmisFactor("Crown", "Ignored", 9, 9, 9, 9, 9, 9, 9), 1);
  const d_Settings& s = e.Settings();
  EXPECT_EQ(s.EmisSmolder.Name.str(), "Duff group");
  const std::array<float, 7> smolder{10, 20, 30, 40, 50, 60, 70};
  EXPECT_EQ(s.EmisSmolder.Factor, smolder);
  EXPECT_EQ(s.EmisDuff.Name.str(), "Duff only");
  EXPECT_EQ(s.EmisDuff.Factor[6], 7.0f);
  EXPECT_TRUE(s.EmisFlame.Name.empty());
  EXPECT_EQ(s.EmisFlame.Factor[0], 0.0f);
}

TEST(Sylvanor, LoadGettersReadTheSettingsAsTheyStand) {
  Sylvanor e;
  e.Init_LarGUI("English", "English", "");
  using Setter = int (Sylvanor::*)(float);
  using Getter = float (Sylvanor::*)() const;
  const std::pair<Setter, Getter> pairs[] = {
      {&Sylvanor::Set_Litter, &Sylvanor::GetPre_Litter},
      {&Sylvanor::Set_Grass, &Sylvanor::GetPre_Grass},
      {&Sylvanor::Set_Shrub, &Sylvanor::GetPre_Shrub},
      {&Sylvanor::Set_1Hr, &Sylvanor::GetPre_1Hr},
      {&Sylvanor::Set_10Hr, &Sylvanor::GetPre_10Hr},
      {&Sylvanor::Set_100Hr, &Sylvanor::GetPre_100Hr},
      {&Sylvanor::Set_SC1Snd, &Sylvanor::GetPre_SC1Snd},
      {&Sylvanor::Set_SC2Snd, &Sylvanor::GetPre_SC2Snd},
      {&Sylvanor::Set_SC3Snd, &Sylvanor::GetPre_SC3Snd},
      {&Sylvanor::Set_SC4Snd, &Sylvanor::GetPre_SC4Snd},
      {&Sylvanor::Set_SC5Snd, &Sylvanor::GetPre_SC5Snd},
      {&Sylvanor::Set_SC1Rot, &Sylvanor::GetPre_SC1Rot},
      {&Sylvanor::Set_SC2Rot, &Sylvanor::GetPre_SC2Rot},
      {&Sylvanor::Set_SC3Rot, &Sylvanor::GetPre_SC3Rot},
      {&Sylvanor::Set_SC4Rot, &Sylvanor::GetPre_SC4Rot},
      {&Sylvanor::Set_SC5Rot, &Sylvanor::GetPre_SC5Rot},
  };
  float value = 1.5f;
  for (const auto& [set, get] : pairs)
    (e.*set)(value += 1.0f);
  value = 1.5f;
  for (const auto& [set, get] : pairs)
    EXPECT_EQ((e.*get)(), value += 1.0f);
}

TEST(Sylvanor, InitialisationSetsUpTheSpeciesTable) {
  TempFolder folder;
  const std::string species = UserSpeciesPath(folder);
  Sylvanor e;
  ASSERT_EQ(e.Init_LarGUI("English", "English", species), 1) << e.Get_ErrMes();
  std::string text;
  EXPECT_EQ(e.ET_GetItem(0, "Source", text), 0);
  EXPECT_EQ(text, "Internal");
  EXPECT_EQ(e.ET_GetItem(25, "Species", text), 1);
  EXPECT_EQ(text, "PIPO");
  EXPECT_EQ(e.ESD_GetItem(55, "Species", text), 0);

  // a species file of the user's replaces the built-in table; "Batch" keeps it
  folder.Write("species.csv", "1,ABCD,a,C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME\n");
  ASSERT_EQ(e.Init_LarGUI("English", "English", species), 1) << e.Get_ErrMes();
  Sylvanor batch;
  batch.Init_LarGUI("English", "English", "Batch");
  EXPECT_EQ(batch.ET_GetItem(0, "Species", text), 1);
  EXPECT_EQ(text, "ABCD");
  EXPECT_EQ(batch.ET_GetItem(1, "Species", text), 0);

  // without a mortality species file the check fails, but the table is loaded
  std::filesystem::remove(folder.path() / "qor_Spp.csv");
  EXPECT_EQ(e.Init_LarGUI("English", "English", species), 0);
  EXPECT_EQ(e.Get_ErrMes().rfind("Error try to open/load Qorvel species file.\n", 0), 0u);
  EXPECT_EQ(e.ET_GetItem(0, "Species", text), 1);
}

class SylvanorExecTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(e_.Init_LarGUI("English", "English", UserSpeciesPath(folder_)), 1) << e_.Get_ErrMes();
    e_.PTL_InitTbl();
  }
  void TearDown() override { e_.PTL_InitTbl(); }
  void Put(int n, const std::string& species, float dia, float hgt, float crnHgt, float tpa,
           const std::string& crnCls, const std::string& status = "H",
           const std::string& units = "English") {
    std::string message;
    ASSERT_EQ(e_.PTL_PutRec(n, n, species, dia, hgt, crnHgt, tpa, crnCls, status, 0, 0, units, "",
                            message),
              1)
        << message;
  }

  TempFolder folder_;
  Sylvanor e_;
};

TEST_F(SylvanorExecTest, EveryTreeGetsItsCrownFuelAndVolumes) {
  Put(1, "PIPO", 10, 50, 20, 100, "S");
  Put(2, "pipo", 10, 50, 20, 40, "D", "d");
  Put(3, "PSME", 0.8f, 9.5f, 2, 300, "C");
  Put(4, "ABGR", 4, 4.9f, 1, 200, "I");
  e_.Set_LogTopDia(2);
  ASSERT_EQ(e_.PTL_Exec(), 1) << e_.Get_ErrMes();

  // crown fuel and volumes of their own concerns, for every tree
  const d_PTLRec& pipo = s_PTL()[0];
  EXPECT_NEAR(pipo.Bio[kTotal], 23.2532f, 1e-3f);
  EXPECT_FLOAT_EQ(pipo.TPAadj, 100.0f);
  EXPECT_NEAR(pipo.BasAre, 78.53975f, 1e-3f);  // 3.14159 * 5^2
  d_TreeVol vol;
  std::string message;
  ASSERT_EQ(TreeVolume("I00FW2W122", 10, 2, 50, vol, message), 1);
  EXPECT_EQ(pipo.VolCuFt, vol.CuFt);
  EXPECT_EQ(pipo.VolBdFt, vol.BdFt);
  EXPECT_EQ(pipo.VolMeCuFt, vol.MeCuFt);
  EXPECT_EQ(s_PTL()[1].Bio[kFoliage], 0.0f);  // dead
  EXPECT_GT(s_PTL()[2].Bio[kTotal], 0.0f);
  EXPECT_GT(s_PTL()[2].VolCuFt, 0.0f);
  EXPECT_GT(s_PTL()[3].Bio[kTotal], 0.0f);
  EXPECT_EQ(s_PTL()[3].VolCuFt, 0.0f);  // under 5 ft
}

TEST_F(SylvanorExecTest, MetricSettingsAreConvertedAndLoadsCopied) {
  e_.Init_LarGUI("Metric", "Metric", "Batch");
  e_.Set_Moist10Hr(0.1f);
  e_.Set_Moist1kHr(0.2f);
  e_.Set_DuffMoist(2.5f);
  e_.Set_Litter(0.22417f);
  e_.Set_SC3Snd(0.44834f);
  e_.Set_ExiPilLoa(0.0f);
  e_.Set_LogTopDia(5.08f);
  Put(1, "PSME", 25.4f, 15.24f, 3.048f, 247.1f, "D", "H", "Metric");
  ASSERT_EQ(e_.PTL_Exec(), 1) << e_.Get_ErrMes();
  const d_Settings& s = e_.Settings();
  EXPECT_FLOAT_EQ(s.Moist10Hr, 10.0f);
  EXPECT_FLOAT_EQ(s.Moist1kHr, 20.0f);
  EXPECT_FLOAT_EQ(s.DuffMoist, 197.2f);
  EXPECT_NEAR(s.LayWid, 0.32808f, 1e-6f);
  EXPECT_NEAR(s.LogTopDia, 2.0f, 1e-5f);
  EXPECT_NEAR(e_.Stand().AGF.Litter, 1.0f, 1e-5f);
  EXPECT_NEAR(e_.Stand().AGF.SCSnd[2], 2.0f, 1e-5f);
  // the tree was stored in English units: 10 in, 50 ft, 100 per acre
  EXPECT_NEAR(s_PTL()[0].Dia, 10.0f, 1e-4f);
  EXPECT_NEAR(s_PTL()[0].TPAadj, 100.0f, 1e-3f);
  EXPECT_GT(s_PTL()[0].VolMeCuFt, 0.0f);
}

TEST_F(SylvanorExecTest, TreeOfASpeciesNoLongerInTheTableFails) {
  Put(1, "PSME", 10, 50, 20, 100, "D");
  Put(2, "PIPO", 10, 50, 20, 100, "D");
  folder_.Write("species.csv", "1,PSME,a,C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME\n");
  ASSERT_EQ(e_.Init_LarGUI("English", "English", (folder_.path() / "species.csv").string()), 1);
  EXPECT_EQ(e_.PTL_Exec(), 0);
  EXPECT_EQ(e_.Get_ErrMes(), "Species (PIPO) Not Found in Equation Table");
  EXPECT_GT(s_PTL()[0].Bio[kTotal], 0.0f);  // trees before it keep their results
}

}  // namespace
