#include "engine/Sylvanor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "stand/TreeVolume.h"
#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

void Put(Sylvanor& e, int n, const std::string& species, float dia, float hgt, float crnHgt,
         float tpa, const std::string& crnCls, const std::string& status = "H",
         const std::string& units = "English") {
  std::string message;
  ASSERT_EQ(
      e.PTL_PutRec(n, n, species, dia, hgt, crnHgt, tpa, crnCls, status, 0, 0, units, "", message),
      1)
      << message;
}

TEST(Sylvanor, InitialisationResetsSettingsAndMessages) {
  TempFolder folder;
  const std::string species = UserSpeciesPath(folder);
  Sylvanor e;
  e.Set_UserFolder("/data/qor_spp.csv");
  e.Set_ThinInc("Yes");
  e.Set_Litter(3);
  e.Set_SC5Rot(4);
  e.Set_CriFirInt(50);
  e.Set_EmisFactor("Flame", "Woody", 1, 2, 3, 4, 5, 6, 7);
  ASSERT_EQ(e.Check_Inputs(), 0);
  ASSERT_EQ(e.Init_LarGUI("English", "Metric", species), 1);
  EXPECT_EQ(e.Get_ErrMes(), "");
  EXPECT_TRUE(e.Stand().Warning.empty());
  const d_Settings& s = e.Settings();
  EXPECT_EQ(s.UserFolder.str(), "/data/qor_spp.csv");  // the user folder survives a reset
  EXPECT_EQ(s.EmisFlame.Name.str(), "Woody");          // factor groups are set per plot, not reset
  EXPECT_TRUE(s.ThinInc.empty());
  EXPECT_EQ(std::tuple(s.InUnits.str(), s.OutUnits.str()), std::tuple("English", "Metric"));
  EXPECT_EQ(std::tuple(s.Litter, s.SCRot[4], s.ThiCriVal, s.FueBedDep, s.CriFirInt),
            std::tuple(-9999.0f, -9999.0f, -9999.0f, -9999.0f, 0.0f));
  EXPECT_EQ(std::tuple(s.LayWid, s.RASpread, s.CBDCriThr, s.MLCons),
            std::tuple(1.0f, 5.0f, 0.012f, 0.9f));
  EXPECT_EQ(e.Init_LarGUI("metric", "metric", "BATCH"), 0);  // loads nothing
  EXPECT_EQ(std::tuple(e.Settings().LayWid, e.Get_ErrMes()), std::tuple(0.1f, ""));
}

TEST(Sylvanor, SettersStoreUncheckedAndCutTextsToTheirField) {
  Sylvanor e;
  EXPECT_EQ(e.Set_MinCutDia(-123.5f), 1);
  EXPECT_EQ(e.Settings().MinCutDia, -123.5f);
  EXPECT_EQ(e.Set_ThinInc("Perhaps"), 1);  // a 5-character field holds 4 characters
  EXPECT_EQ(e.Settings().ThinInc.str(), "Perh");
  e.Set_UserFolder(std::string(2500, 'p'));
  EXPECT_EQ(e.Settings().UserFolder.size(), 1999u);
  // a cut keyword is no keyword: validation refuses it
  e.Init_LarGUI("English", "English", "Batch");
  e.Set_ThinInc("Yes, please");
  EXPECT_EQ(e.Check_Inputs(), 0);
  EXPECT_EQ(e.Get_ErrMes(), "Invalid argument for Thinning Include, use Yes or No");

  // emission factor groups by component (any case); others store nothing
  EXPECT_EQ(e.Set_EmisFactor("smolder", "Smolder group", 10, 20, 30, 40, 50, 60, 70), 1);
  EXPECT_EQ(e.Set_EmisFactor("DUFF", "Duff only", 1, 2, 3, 4, 5, 6, 7), 1);
  EXPECT_EQ(e.Set_EmisFactor("Crown", "Ignored", 9, 9, 9, 9, 9, 9, 9), 1);
  const d_Settings& s = e.Settings();
  EXPECT_EQ(s.EmisSmolder.Name.str(), "Smolder group");
  EXPECT_EQ(s.EmisSmolder.Factor, (std::array<float, 7>{10, 20, 30, 40, 50, 60, 70}));
  EXPECT_EQ(std::tuple(s.EmisDuff.Name.str(), s.EmisDuff.Factor[6]), std::tuple("Duff only", 7.0f));
  EXPECT_EQ(std::tuple(s.EmisFlame.Name.str(), s.EmisFlame.Factor[0]), std::tuple("", 0.0f));
}

TEST(Sylvanor, SpeciesTableOfAnEngineAndTheBatchEngine) {
  TempFolder folder;
  const std::string species = UserSpeciesPath(folder);
  Sylvanor e;
  std::string text;
  EXPECT_EQ(e.ET_GetItem(0, "Species", text), 0);  // empty until loaded
  ASSERT_EQ(e.Init_LarGUI("English", "English", species), 1) << e.Get_ErrMes();
  EXPECT_EQ(e.ET_GetItem(0, "Source", text), 0);
  EXPECT_EQ(text, "Internal");
  EXPECT_EQ(e.ET_GetItem(25, "Species", text), 1);
  EXPECT_EQ(text, "PIPO");
  EXPECT_EQ(e.ESD_GetItem(55, "Species", text), 0);

  // a species file of the user's replaces the built-in table; the batch
  // engine takes it, and "Batch" keeps it
  folder.Write("species.csv", "1,ABCD,a,C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME\n");
  ASSERT_EQ(e.Init_LarGUI("English", "English", species), 1) << e.Get_ErrMes();
  Sylvanor batch;
  batch.ShareSpeciesTable(e);
  batch.Init_LarGUI("English", "English", "Batch");
  EXPECT_EQ(batch.ET_GetItem(0, "Species", text), 1);
  EXPECT_EQ(text, "ABCD");
  EXPECT_EQ(batch.ET_GetItem(1, "Species", text), 0);
  Put(batch, 1, "abcd", 10, 50, 20, 100, "D");

  // without a mortality species file the check fails, but the table is
  // loaded; the batch engine keeps the table it took
  std::filesystem::remove(folder.path() / "qor_Spp.csv");
  std::filesystem::remove(species);
  EXPECT_EQ(e.Init_LarGUI("English", "English", species), 0);
  EXPECT_EQ(e.Get_ErrMes().rfind("Error try to open/load Qorvel species file.\n", 0), 0u);
  EXPECT_EQ(e.ET_GetItem(25, "Species", text), 1);
  EXPECT_EQ(batch.ET_GetItem(0, "Species", text), 1);
  EXPECT_EQ(text, "ABCD");
}

class SylvanorExecTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(e_.Init_LarGUI("English", "English", UserSpeciesPath(folder_)), 1) << e_.Get_ErrMes();
  }
  const d_PTLRec& Tree(int slot) const { return e_.Context().Trees[slot]; }

  TempFolder folder_;
  Sylvanor e_;
};

TEST_F(SylvanorExecTest, MetricSettingsAreConvertedAndLoadsCopied) {
  e_.Init_LarGUI("Metric", "English", "Batch");
  e_.Set_Moist10Hr(0.1f);
  e_.Set_Moist1kHr(0.2f);
  e_.Set_DuffMoist(2.5f);
  e_.Set_Litter(0.22417f);
  e_.Set_SC3Snd(0.44834f);
  e_.Set_LogTopDia(5.08f);
  Put(e_, 1, "PSME", 25.4f, 15.24f, 3.048f, 247.1f, "D", "H", "Metric");
  ASSERT_EQ(e_.PTL_Exec(), 1) << e_.Get_ErrMes();
  const d_Settings& s = e_.Settings();
  EXPECT_FLOAT_EQ(s.Moist10Hr, 10.0f);
  EXPECT_FLOAT_EQ(s.Moist1kHr, 20.0f);
  EXPECT_FLOAT_EQ(s.DuffMoist, 197.2f);
  EXPECT_NEAR(s.LayWid, 0.32808f, 1e-6f);
  EXPECT_NEAR(e_.GetPre_Litter(), 1.0f, 1e-5f);
  EXPECT_NEAR(e_.GetPre_SC3Snd(), 2.0f, 1e-5f);
  EXPECT_NEAR(e_.Stand().AGF.Litter, 1.0f, 1e-5f);
  EXPECT_NEAR(e_.Stand().AGF.SCSnd[2], 2.0f, 1e-5f);
  // the tree was stored in English units (10 in, 50 ft, 100 per acre) and
  // its volumes taken to a 2 in top
  EXPECT_NEAR(Tree(0).Dia, 10.0f, 1e-4f);
  EXPECT_NEAR(Tree(0).TPAadj, 100.0f, 1e-3f);
  d_TreeVol vol;
  std::string message;
  ASSERT_EQ(TreeVolume("I00FW2W202", Tree(0).Dia, 2, Tree(0).Hgt, vol, message), 1);
  EXPECT_NEAR(Tree(0).VolMeCuFt, vol.MeCuFt, 1e-4f);
}

TEST_F(SylvanorExecTest, TreeOfASpeciesNoLongerInTheTableFails) {
  Put(e_, 1, "PSME", 10, 50, 20, 100, "D");
  Put(e_, 2, "PIPO", 10, 50, 20, 100, "D");
  folder_.Write("species.csv", "1,PSME,a,C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME\n");
  ASSERT_EQ(e_.Init_LarGUI("English", "English", (folder_.path() / "species.csv").string()), 1);
  EXPECT_EQ(e_.PTL_Exec(), 0);
  EXPECT_EQ(e_.Get_ErrMes(), "Species (PIPO) Not Found in Equation Table");
  EXPECT_GT(Tree(0).Bio[kTotal], 0.0f);  // trees before it keep their results
}

// Three trees of a species with "PP" crowns spread evenly over their crown
// length ("WF"), full crown reduction ("PJ") and crown width code 16:
//   A  10 in, 20 ft, crown base 10 ft, 100 trees/acre
//   B  10 in, 30 ft, crown base 20 ft, 50 trees/acre, dead
//   C  20 in, 40 ft, crown base 25 ft, 10 trees/acre
// Available crown fuel per tree (foliage + half the twigs): A 53.79417 +
// 4.32862 / 2 = 55.95848 lb, C 140.85802 + 5.95284 / 2 = 143.83444 lb.
TEST_F(SylvanorExecTest, CanopyStandAndVolumesWorkedByHand) {
  folder_.Write("species.csv",
                "1,EVEN,Even crown,C,Yes,PP,PP,PP,PP,PP,PP,WF,PJ,16,I00FW2W122,PIPO\n");
  using Get = float (Sylvanor::*)() const;
  struct Row {
    Get pre, post;
    float english, metric;  // metric output: the value after treatment times this
  };
  const Row rows[] = {
      // A: 5595.848 lb/acre over layers 10-19; C: 1438.344 over layers 25-39
      {&Sylvanor::Get_PreAvailFuel, &Sylvanor::Get_AvailFuel, 3.517096f, 0.22417f},
      // peak running mean 559.5848 lb/acre in a 1 ft layer: 559.5848 / 43560
      // * 16.02 = 0.2057977 kg/m3; a tenth of it is above 0.012
      {&Sylvanor::Get_Precbd, &Sylvanor::Get_cbd, 0.2057977f, 1},
      {&Sylvanor::Get_PreCBDThreshold, &Sylvanor::Get_CBDThreshold, 0.012f, 1},
      // the smoothed profile first passes 0.012 at layer 8 (111.92 lb/acre,
      // 0.0412 kg/m3), but the lowest fuel tops out at 11 ft; it last passes
      // at layer 40 (38.356 lb/acre, 0.0141), above the highest fuel at 40 ft
      {&Sylvanor::Get_Precbh, &Sylvanor::Get_cbh, 11, 0.3048f},
      {&Sylvanor::Get_Presh, &Sylvanor::Get_sh, 40, 0.3048f},
      {&Sylvanor::Get_PreSteDen, &Sylvanor::Get_SteDen, 160, 2.471f},
      {&Sylvanor::Get_PreSteDenExc, &Sylvanor::Get_SteDenExc, 10, 2.471f},  // ESDD 15 in
      // live trees only: (78.53975 * 100 + 314.159 * 10) / 144
      {&Sylvanor::Get_PreBasal, &Sylvanor::Get_Basal, 76.35809f, 2.47105f / 10.764f},
      // 100 + 50 + 10 * 2^1.605
      {&Sylvanor::Get_PreStdDenIdx, &Sylvanor::Get_StdDenIdx, 180.4196f, 2.471f},
      // sqrt((100 * 100 + 50 * 100 + 10 * 400) / 160)
      {&Sylvanor::Get_PreQuaMeaDia, &Sylvanor::Get_QuaMeaDia, 10.89725f, 2.54f},
      // the 10 large trees, then 103 of 10 in reach 75 % of 14922.6 in2:
      // sqrt((10 * 400 + 103 * 100) / 113)
      {&Sylvanor::Get_PreQd75, &Sylvanor::Get_Qd75, 11.24939f, 2.54f},
      // crowns 178.66 ft2 (A) and 373.35 ft2 (C): 100 (1 - e^(-21606.0 / 43560))
      {&Sylvanor::Get_PreCanCov, &Sylvanor::Get_CanCov, 39.1042f, 1},
  };
  for (const bool metric : {true, false}) {  // English last, for the volumes
    const std::string out = metric ? "Metric" : "English";
    ASSERT_EQ(e_.Init_LarGUI("English", out, (folder_.path() / "species.csv").string()), 1);
    e_.PTL_InitTbl();
    Put(e_, 1, "EVEN", 10, 20, 10, 100, "C");
    Put(e_, 2, "EVEN", 10, 30, 20, 50, "C", "D");
    Put(e_, 3, "EVEN", 20, 40, 25, 10, "C");
    e_.Set_ESDD(15);
    e_.Set_SubMerDia(15);
    e_.Set_LogTopDia(0);
    ASSERT_EQ(e_.PTL_Exec(), 1) << e_.Get_ErrMes();
    for (const Row& r : rows) {
      const float post = metric ? r.english * r.metric : r.english;
      // the snapshot before treatment stays in English units
      EXPECT_NEAR((e_.*r.pre)(), r.english, 3e-5f * r.english) << out << " " << r.english;
      EXPECT_NEAR((e_.*r.post)(), post, 3e-5f * post) << out << " " << r.english;
    }
    EXPECT_EQ(std::tuple(e_.Get_PreVDRlays(), e_.Get_VDRlays()), std::tuple(42, 42));  // 40 + 2
    // the profiles are bulk densities in every unit system: layer 12
    EXPECT_NEAR(e_.Get_VDR()[12], 0.2057977f, 1e-6f) << out;
    EXPECT_NEAR(e_.Get_PreVDR()[12], 0.2057977f, 1e-6f) << out;
  }
  // standing volumes: every live tree for cubic feet, only C (at or above
  // 15 in) for board and merchantable feet, logs to a tenth of an inch;
  // nothing harvested
  d_TreeVol a, c;
  std::string message;
  ASSERT_EQ(TreeVolume("I00FW2W122", 10, 0.1f, 20, a, message), 1);
  ASSERT_EQ(TreeVolume("I00FW2W122", 20, 0.1f, 40, c, message), 1);
  EXPECT_NEAR(e_.Get_StCuFt(), a.CuFt * 100 + Tree(1).VolCuFt * 50 + c.CuFt * 10, 1e-2f);
  EXPECT_NEAR(e_.Get_StBdft(), c.BdFt * 10, 1e-2f);
  EXPECT_NEAR(e_.Get_StMeCuft(), c.MeCuFt * 10, 1e-3f);
  EXPECT_EQ(std::tuple(e_.Get_HaCuFt(), e_.Get_HaBdft(), e_.Get_HaMeCuft()),
            std::tuple(0.0f, 0.0f, 0.0f));
}

TEST_F(SylvanorExecTest, RetentionPrioritiesFromTheSetAndSpeciesList) {
  // "Low": healthy 1.0, dominant 1.0, crown ratio factor 1 at 0.6 and
  // above, diameter factor 0.8 at 0 up to 1 at the largest live DBH
  e_.PLT_PutRetPri(1.0f, 0.7f, 0.2f, 0.0f, 1.0f, 0.9f, 0.6f, 1.0f, 0.1f, 1.0f, 1.0f, 0.5f, 0.6f,
                   0.8f);
  EXPECT_EQ(e_.PLT_PutRetPriSpe("Init", 0, 0, 0), 1);
  EXPECT_EQ(e_.PLT_PutRetPriSpe("PIPO", 0, 100, 0.4f), 1);
  Put(e_, 1, "PIPO", 20, 50, 10, 100, "D");  // crown ratio 0.8
  Put(e_, 2, "PSME", 10, 50, 10, 100, "D");  // not in the list: 0.5
  ASSERT_EQ(e_.PLT_RetPriCalc(), 1);
  EXPECT_NEAR(Tree(0).RetPri, 0.4f, 1e-6f);
  EXPECT_NEAR(Tree(1).RetPri, 0.45f, 1e-6f);  // 0.5 x (10 / 20 x 0.2 + 0.8)
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
  // "GR5" among Scott-40 (humid), from the same loads with metric output
  struct Row {
    const char *set, *climate, *out, *model;
  };
  const Row rows[] = {{"Albini-13", "Arid", "English", "3"},
                      {"Scott-40", "Humid", "Metric", "GR5"},
                      {"None", "Humid", "English", ""}};
  for (const Row& r : rows) {
    e_.Init_LarGUI("English", r.out, "Batch");
    e_.Set_FueModSet(r.set);
    e_.Set_Climate(r.climate);
    for (auto set :
         {&Sylvanor::Set_Duff, &Sylvanor::Set_Litter, &Sylvanor::Set_Lichen, &Sylvanor::Set_Moss,
          &Sylvanor::Set_Shrub, &Sylvanor::Set_10Hr, &Sylvanor::Set_100Hr})
      (e_.*set)(0.0f);
    e_.Set_1Hr(0.5f);
    e_.Set_Grass(2.0f);
    e_.Set_1HrSAV(2000);
    e_.Set_GrassSAV(1800);
    e_.Set_ShrubSAV(1500);
    e_.Set_FueBedDep(12);
    ASSERT_EQ(e_.PTL_Exec(), 1) << e_.Get_ErrMes();
    // nothing treated: the same model after treatment
    EXPECT_EQ(e_.Get_FuelModel_PreTreatment(), r.model) << r.set;
    EXPECT_EQ(e_.Get_FuelModel_PostTreatment(), r.model) << r.set;
    if (r.model == rows[0].model) {  // 1.602 + 10.413 x 0.2
      EXPECT_NEAR(e_.FMS2_pr_outB16_BulkDensity(), 3.6846f, 1e-4f);
    }
  }
}

// Every result of an engine's last plot: the values after and before
// treatment, both profiles and every tree's crown fuel and volumes.
std::vector<float> Results(const Sylvanor& e) {
  std::vector<float> r;
  for (auto get :
       {&Sylvanor::Get_cbd,          &Sylvanor::Get_cbh,          &Sylvanor::Get_sh,
        &Sylvanor::Get_AvailFuel,    &Sylvanor::Get_CBDThreshold, &Sylvanor::Get_SteDen,
        &Sylvanor::Get_SteDenExc,    &Sylvanor::Get_Basal,        &Sylvanor::Get_StdDenIdx,
        &Sylvanor::Get_QuaMeaDia,    &Sylvanor::Get_Qd75,         &Sylvanor::Get_CanCov,
        &Sylvanor::Get_Precbd,       &Sylvanor::Get_Precbh,       &Sylvanor::Get_Presh,
        &Sylvanor::Get_PreAvailFuel, &Sylvanor::Get_PreSteDen,    &Sylvanor::Get_PreBasal,
        &Sylvanor::Get_PreQd75,      &Sylvanor::Get_PreCanCov,    &Sylvanor::Get_StCuFt,
        &Sylvanor::Get_StBdft,       &Sylvanor::Get_StMeCuft})
    r.push_back((e.*get)());
  for (const auto profile : {e.Get_VDR(), e.Get_PreVDR()})
    r.insert(r.end(), profile.begin(), profile.end());
  for (const d_PTLRec& t : e.Context().Trees) {
    if (t.Species.empty()) break;
    r.insert(r.end(), t.Bio.begin(), t.Bio.end());
    r.insert(r.end(), {t.VolCuFt, t.VolBdFt, t.VolMeCuFt, t.RetPri});
  }
  return r;
}

// Loads the engine's species table and runs a plot of 300 trees of its
// species: the built-in ones in English units, or the one of a species file
// in metric units.
void RunPlot(Sylvanor& e, const std::string& speciesPath, bool metric) {
  e.Init_LarGUI(metric ? "Metric" : "English", metric ? "Metric" : "English", speciesPath);
  e.PTL_InitTbl();
  const char* species[] = {"PIPO", "PSME", "ABGR", "PICO", "LAOC"};
  for (int i = 0; i < 300; ++i) {
    const float dia = 2.0f + static_cast<float>(i % 37), hgt = 10.0f + static_cast<float>(i % 53);
    Put(e, i, metric ? "EVEN" : species[i % 5], dia, hgt, hgt * (0.1f + 0.01f * (i % 40)),
        1.0f + static_cast<float>(i % 11), i % 3 ? "D" : "I", i % 13 ? "H" : "D",
        metric ? "Metric" : "English");
  }
  e.Set_LogTopDia(metric ? 10 : 4);
  e.PTL_Exec();
}

TEST(SylvanorThreads, TwoEnginesInTwoThreadsShareNoTable) {
  TempFolder folder;
  const std::string own = UserSpeciesPath(folder);
  folder.Write("species.csv",
               "1,EVEN,Even crown,C,Yes,PP,PP,PP,PP,PP,PP,WF,PJ,16,I00FW2W122,PIPO\n");
  Sylvanor a, b;
  RunPlot(a, "", false);
  RunPlot(b, own, true);
  const std::vector<float> aloneA = Results(a), aloneB = Results(b);
  ASSERT_GT(aloneA.size(), 300u * 10);
  ASSERT_GT(aloneB.size(), 300u * 10);
  ASSERT_NE(aloneA, aloneB);
  std::vector<std::vector<float>> gotA, gotB;
  std::thread ta([&] {
    for (int i = 0; i < 20; ++i) {
      RunPlot(a, "", false);
      gotA.push_back(Results(a));
    }
  });
  std::thread tb([&] {
    for (int i = 0; i < 20; ++i) {
      RunPlot(b, own, true);
      gotB.push_back(Results(b));
    }
  });
  ta.join();
  tb.join();
  for (std::size_t i = 0; i < gotA.size(); ++i) {
    EXPECT_EQ(gotA[i], aloneA) << "engine A, run " << i;
    EXPECT_EQ(gotB[i], aloneB) << "engine B, run " << i;
  }
}

}  // namespace

}  // namespace sylvanor
