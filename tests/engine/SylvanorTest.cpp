#include "engine/Sylvanor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "stand/EquationTable.h"
#include "stand/TreeList.h"
#include "stand/TreeVolume.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

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
  e_.Init_LarGUI("Metric", "English", "Batch");
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

// Three trees of a species with "PP" crowns spread evenly over their crown
// length ("WF"), full crown reduction ("PJ") and crown width code 16:
//   A  10 in, 20 ft, crown base 10 ft, 100 trees/acre
//   B  10 in, 30 ft, crown base 20 ft, 50 trees/acre, dead
//   C  20 in, 40 ft, crown base 25 ft, 10 trees/acre
// Available crown fuel per tree (foliage + half the twigs): A 53.79417 +
// 4.32862 / 2 = 55.95848 lb, C 140.85802 + 5.95284 / 2 = 143.83444 lb.
class SylvanorStandTest : public SylvanorExecTest {
 protected:
  void SetUp() override {
    const std::string species = UserSpeciesPath(folder_);
    folder_.Write("species.csv",
                  "1,EVEN,Even crown,C,Yes,PP,PP,PP,PP,PP,PP,WF,PJ,16,I00FW2W122,PIPO\n");
    ASSERT_EQ(e_.Init_LarGUI("English", outUnits_, species), 1) << e_.Get_ErrMes();
    e_.PTL_InitTbl();
    Put(1, "EVEN", 10, 20, 10, 100, "C");
    Put(2, "EVEN", 10, 30, 20, 50, "C", "D");
    Put(3, "EVEN", 20, 40, 25, 10, "C");
    e_.Set_ESDD(15);
    e_.Set_SubMerDia(15);
    e_.Set_LogTopDia(0);
    ASSERT_EQ(e_.PTL_Exec(), 1) << e_.Get_ErrMes();
  }
  std::string outUnits_ = "English";
};

TEST_F(SylvanorStandTest, CanopyAndStandWorkedByHand) {
  for (const bool pre : {true, false}) {
    // A: 5595.848 lb/acre over layers 10-19; C: 1438.344 over layers 25-39
    EXPECT_NEAR(pre ? e_.Get_PreAvailFuel() : e_.Get_AvailFuel(), 3.517096f, 1e-5f);
    // peak running mean 559.5848 lb/acre in a 1 ft layer: 559.5848 / 43560 *
    // 16.02 = 0.2057977 kg/m3; a tenth of it is above 0.012
    EXPECT_NEAR(pre ? e_.Get_Precbd() : e_.Get_cbd(), 0.2057977f, 1e-6f);
    EXPECT_FLOAT_EQ(pre ? e_.Get_PreCBDThreshold() : e_.Get_CBDThreshold(), 0.012f);
    // the smoothed profile first passes 0.012 at layer 8 (111.92 lb/acre,
    // 0.0412 kg/m3), but the lowest fuel tops out at 11 ft; it last passes
    // at layer 40 (38.356 lb/acre, 0.0141), above the highest fuel at 40 ft
    EXPECT_FLOAT_EQ(pre ? e_.Get_Precbh() : e_.Get_cbh(), 11.0f);
    EXPECT_FLOAT_EQ(pre ? e_.Get_Presh() : e_.Get_sh(), 40.0f);
    EXPECT_EQ(pre ? e_.Get_PreVDRlays() : e_.Get_VDRlays(), 42);  // 40 + 5 div 2

    EXPECT_FLOAT_EQ(pre ? e_.Get_PreSteDen() : e_.Get_SteDen(), 160.0f);
    EXPECT_FLOAT_EQ(pre ? e_.Get_PreSteDenExc() : e_.Get_SteDenExc(), 10.0f);
    // live trees only: (78.53975 * 100 + 314.159 * 10) / 144
    EXPECT_NEAR(pre ? e_.Get_PreBasal() : e_.Get_Basal(), 76.35809f, 1e-3f);
    // 100 + 50 + 10 * 2^1.605
    EXPECT_NEAR(pre ? e_.Get_PreStdDenIdx() : e_.Get_StdDenIdx(), 180.4196f, 1e-3f);
    // sqrt((100 * 100 + 50 * 100 + 10 * 400) / 160)
    EXPECT_NEAR(pre ? e_.Get_PreQuaMeaDia() : e_.Get_QuaMeaDia(), 10.89725f, 1e-4f);
    // the 10 large trees, then 103 of 10 in reach 75 % of 14922.6 in2:
    // sqrt((10 * 400 + 103 * 100) / 113)
    EXPECT_NEAR(pre ? e_.Get_PreQd75() : e_.Get_Qd75(), 11.24939f, 1e-4f);
    // crowns 178.66 ft2 (A) and 373.35 ft2 (C): 100 (1 - e^(-21606.0 / 43560))
    EXPECT_NEAR(pre ? e_.Get_PreCanCov() : e_.Get_CanCov(), 39.1042f, 1e-3f);
  }
  // the profile comes out as bulk density: layer 12 holds 559.5848 lb/acre
  EXPECT_NEAR(e_.Get_VDR()[12], 0.2057977f, 1e-6f);
  EXPECT_NEAR(e_.Get_PreVDR()[12], 0.2057977f, 1e-6f);

  // standing volumes: every live tree for cubic feet, only C (at or above 15
  // in) for board and merchantable feet; nothing harvested
  d_TreeVol a, c;
  std::string message;
  ASSERT_EQ(TreeVolume("I00FW2W122", 10, 0.1f, 20, a, message), 1);
  ASSERT_EQ(TreeVolume("I00FW2W122", 20, 0.1f, 40, c, message), 1);
  const float deadCuFt = s_PTL()[1].VolCuFt;
  EXPECT_NEAR(e_.Get_StCuFt(), a.CuFt * 100 + deadCuFt * 50 + c.CuFt * 10, 1e-2f);
  EXPECT_NEAR(e_.Get_StBdft(), c.BdFt * 10, 1e-2f);
  EXPECT_NEAR(e_.Get_StMeCuft(), c.MeCuFt * 10, 1e-3f);
  EXPECT_EQ(e_.Get_HaCuFt(), 0.0f);
  EXPECT_EQ(e_.Get_HaBdft(), 0.0f);
  EXPECT_EQ(e_.Get_HaMeCuft(), 0.0f);
}

class SylvanorMetricStandTest : public SylvanorStandTest {
 protected:
  void SetUp() override {
    outUnits_ = "Metric";
    SylvanorStandTest::SetUp();
  }
};

TEST_F(SylvanorMetricStandTest, MetricOutputConvertsOnlyTheStandAfterTreatment) {
  EXPECT_NEAR(e_.Get_cbh(), 11.0f * 0.3048f, 1e-5f);
  EXPECT_NEAR(e_.Get_sh(), 40.0f * 0.3048f, 1e-5f);
  EXPECT_NEAR(e_.Get_AvailFuel(), 3.517096f * 0.22417f, 1e-5f);
  EXPECT_NEAR(e_.Get_SteDen(), 160.0f * 2.471f, 1e-2f);
  EXPECT_NEAR(e_.Get_Basal(), 76.35809f / (10.764f / 2.47105f), 1e-3f);
  EXPECT_NEAR(e_.Get_Qd75(), 11.24939f * 2.54f, 1e-3f);
  EXPECT_NEAR(e_.Get_cbd(), 0.2057977f, 1e-6f);   // kg/m3 in both systems
  EXPECT_NEAR(e_.Get_CanCov(), 39.1042f, 1e-3f);  // percent
  // the snapshot before treatment stays in English units
  EXPECT_FLOAT_EQ(e_.Get_Precbh(), 11.0f);
  EXPECT_FLOAT_EQ(e_.Get_PreSteDen(), 160.0f);
  EXPECT_NEAR(e_.Get_PreAvailFuel(), 3.517096f, 1e-5f);
  // the profiles are bulk densities in every unit system
  EXPECT_NEAR(e_.Get_VDR()[12], 0.2057977f, 1e-6f);
  EXPECT_NEAR(e_.Get_PreVDR()[12], 0.2057977f, 1e-6f);
}

TEST_F(SylvanorExecTest, RetentionPrioritiesFromTheSetAndSpeciesList) {
  // "Low": healthy 1.0, dominant 1.0, crown ratio factor 1 at 0.6 and
  // above, diameter factor 0.8 at 0 up to 1 at the largest live DBH
  e_.PLT_PutRetPri(1.0f, 0.7f, 0.2f, 0.0f, 1.0f, 0.9f, 0.6f, 1.0f, 0.1f, 1.0f, 1.0f, 0.5f, 0.6f,
                   0.8f);
  EXPECT_EQ(e_.PLT_PutRetPriSpe("Init", 0, 0, 0), 1);
  EXPECT_EQ(e_.PLT_PutRetPriSpe("PIPO", 0, 100, 0.4f), 1);
  Put(1, "PIPO", 20, 50, 10, 100, "D");  // crown ratio 0.8
  Put(2, "PSME", 10, 50, 10, 100, "D");  // not in the list: 0.5
  ASSERT_EQ(e_.PLT_RetPriCalc(), 1);
  EXPECT_NEAR(s_PTL()[0].RetPri, 0.4f, 1e-6f);
  // 0.5 x (10 / 20 x 0.2 + 0.8) = 0.45
  EXPECT_NEAR(s_PTL()[1].RetPri, 0.45f, 1e-6f);
  EXPECT_FLOAT_EQ(e_.RetPriSet().MaxDia, 20.0f);
  // a full list refuses the 201st row
  for (int i = 1; i < 200; ++i)
    ASSERT_EQ(e_.PLT_PutRetPriSpe("S" + std::to_string(i), 0, 1, 1), 1);
  EXPECT_EQ(e_.PLT_PutRetPriSpe("ONE_TOO_MANY", 0, 1, 1), 0);
  EXPECT_EQ(e_.PLT_PutRetPriSpe("init", 0, 0, 0), 1);
  EXPECT_TRUE(e_.RetPriSpecies()[0].Name.empty());
}

TEST_F(SylvanorExecTest, StandardFuelModelsOfBothStates) {
  // the grass bed worked by hand in the selection tests: 1-hour 0.5 and
  // grass 2 tons/acre, SAVs 2000 and 1800 1/ft; "3" among Albini-13 (arid),
  // "GR5" among Scott-40 (humid)
  const auto run = [this](const std::string& set, const std::string& climate,
                          const std::string& out) {
    e_.Init_LarGUI("English", out, "Batch");
    e_.Set_FueModSet(set);
    e_.Set_Climate(climate);
    e_.Set_1Hr(0.5f);
    e_.Set_Grass(2.0f);
    for (auto setter :
         {&Sylvanor::Set_Duff, &Sylvanor::Set_Litter, &Sylvanor::Set_Lichen, &Sylvanor::Set_Moss,
          &Sylvanor::Set_Shrub, &Sylvanor::Set_10Hr, &Sylvanor::Set_100Hr}) {
      (e_.*setter)(0.0f);
    }
    e_.Set_1HrSAV(2000);
    e_.Set_GrassSAV(1800);
    e_.Set_ShrubSAV(1500);
    e_.Set_FueBedDep(12);
    ASSERT_EQ(e_.PTL_Exec(), 1) << e_.Get_ErrMes();
  };
  run("Albini-13", "Arid", "English");
  EXPECT_EQ(e_.Get_FuelModel_PreTreatment(), "3");
  EXPECT_EQ(e_.Get_FuelModel_PostTreatment(), "3");              // nothing treated
  EXPECT_NEAR(e_.FMS2_pr_outB16_BulkDensity(), 3.6846f, 1e-4f);  // 1.602 + 10.413 x 0.2

  // metric output chooses from the same loads
  run("Scott-40", "Humid", "Metric");
  EXPECT_EQ(e_.Get_FuelModel_PreTreatment(), "GR5");
  EXPECT_EQ(e_.Get_FuelModel_PostTreatment(), "GR5");

  run("None", "Humid", "English");
  EXPECT_EQ(e_.Get_FuelModel_PreTreatment(), "");
  EXPECT_EQ(e_.Get_FuelModel_PostTreatment(), "");
}

}  // namespace

}  // namespace sylvanor
