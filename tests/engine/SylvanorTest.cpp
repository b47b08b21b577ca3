#include "engine/Sylvanor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "engine/OutputUnits.h"
#include "stand/TreeVolume.h"
#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

using namespace std::string_literals;
using S = Sylvanor;

const std::string kEven = "1,EVEN,Even crown,C,Yes,PP,PP,PP,PP,PP,PP,WF,PJ,16,I00FW2W122,PIPO\n";

void Put(Sylvanor& e, int n, const std::string& species, float dia, float hgt, float crnHgt,
         float tpa, const std::string& crnCls, const std::string& status = "H",
         const std::string& units = "English") {
  std::string m;
  ASSERT_EQ(e.PTL_PutRec(n, n, species, dia, hgt, crnHgt, tpa, crnCls, status, 0, 0, units, "", m),
            1)
      << m;
}

TEST(Sylvanor, InitialisationResetsSettingsAndMessagesAndSettersStoreUnchecked) {
  TempFolder folder;
  Sylvanor e;
  e.Init_LarGUI("English", "English", "Batch");
  e.Set_UserFolder("/data/qor_spp.csv");
  e.Set_Litter(3);
  e.Set_SC5Rot(4);
  e.Set_CriFirInt(50);
  e.Set_EmisFactor("Flame", "Woody", 1, 2, 3, 4, 5, 6, 7);
  e.Set_MinCutDia(-123.5f);
  EXPECT_EQ(e.Set_ThinInc("Yes, please"), 1);  // a 5-character field holds 4 characters
  EXPECT_EQ(std::tuple(e.Settings().ThinInc.str(), e.Settings().MinCutDia),
            std::tuple("Yes,"s, -123.5f));
  ASSERT_EQ(e.Check_Inputs(), 0);  // a cut keyword is no keyword: validation refuses it
  EXPECT_EQ(e.Get_ErrMes(), "Invalid argument for Thinning Include, use Yes or No");

  ASSERT_EQ(e.Init_LarGUI("English", "Metric", UserSpeciesPath(folder)), 1);
  const d_Settings& s = e.Settings();
  // the user folder and the factor groups (set per plot) survive a reset
  EXPECT_EQ(std::tuple(e.Get_ErrMes(), s.UserFolder.str(), s.EmisFlame.Name, s.ThinInc.str(),
                       s.InUnits.str(), s.OutUnits.str()),
            std::tuple(""s, "/data/qor_spp.csv"s, "Woody"s, ""s, "English"s, "Metric"s));
  EXPECT_EQ(std::tuple(s.Fuel.Litter, s.Fuel.Rot[4], s.MinCutDia, s.FueBedDep, s.CriFirInt,
                       s.LayWid, s.RASpread, s.CBDCriThr, s.MLCons),
            std::tuple(-9999.0f, -9999.0f, -9999.0f, -9999.0f, 0.0f, 1.0f, 5.0f, 0.012f, 0.9f));
  EXPECT_EQ(e.Init_LarGUI("metric", "metric", "BATCH"), 0);  // loads nothing
  EXPECT_EQ(e.Settings().LayWid, 0.1f);

  // emission factor groups by component (any case); others store nothing
  e.Set_EmisFactor("smolder", "Smolder", 10, 20, 30, 40, 50, 60, 70);
  e.Set_EmisFactor("DUFF", std::string(60, 'D'), 1, 2, 3, 4, 5, 6, 7);  // a name of 49 at most
  EXPECT_EQ(e.Set_EmisFactor("Crown", "Ignored", 9, 9, 9, 9, 9, 9, 9), 1);
  EXPECT_EQ(std::tuple(s.EmisSmolder.Name, s.EmisSmolder.Factor[0], s.EmisSmolder.Factor[6],
                       s.EmisDuff.Name, s.EmisDuff.Factor[6], s.EmisFlame.Factor[6]),
            std::tuple("Smolder"s, 10.0f, 70.0f, std::string(49, 'D'), 7.0f, 7.0f));
}

TEST(Sylvanor, SpeciesTableOfAnEngineAndOfTheBatchEngine) {
  TempFolder folder;
  const std::string species = UserSpeciesPath(folder);
  Sylvanor e, batch;
  std::string text;
  EXPECT_EQ(e.ET_GetItem(0, "Species", text), 0);  // empty until loaded
  ASSERT_EQ(e.Init_LarGUI("English", "English", species), 1) << e.Get_ErrMes();
  EXPECT_EQ(std::tuple(e.ET_GetItem(25, "Species", text), text), std::tuple(1, "PIPO"s));
  // a species file of the user's replaces the built-in table; the batch
  // engine takes it, and "Batch" keeps it
  folder.Write("species.csv", "1,ABCD,a,C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME\n");
  ASSERT_EQ(e.Init_LarGUI("English", "English", species), 1) << e.Get_ErrMes();
  batch.ShareSpeciesTable(e);
  batch.Init_LarGUI("English", "English", "Batch");
  EXPECT_EQ(batch.ET_GetItem(1, "Species", text), 0);
  EXPECT_EQ(std::tuple(batch.ET_GetItem(0, "Species", text), text), std::tuple(1, "ABCD"s));
  Put(batch, 1, "abcd", 10, 50, 20, 100, "D");
  // without a mortality species file the check fails but the table is
  // loaded; the batch engine keeps the table it took
  std::filesystem::remove(folder.path() / "qor_Spp.csv");
  std::filesystem::remove(species);
  EXPECT_EQ(e.Init_LarGUI("English", "English", species), 0);
  EXPECT_EQ(e.Get_ErrMes().rfind("Error try to open/load Qorvel species file.\n", 0), 0u);
  EXPECT_EQ(std::tuple(e.ET_GetItem(25, "Species", text), text), std::tuple(1, "PIPO"s));
  EXPECT_EQ(std::tuple(batch.ET_GetItem(0, "Species", text), text), std::tuple(1, "ABCD"s));
}

class SylvanorExecTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(e_.Init_LarGUI("English", "English", species_), 1); }
  const d_PTLRec& Tree(int slot) const { return e_.Context().Trees[slot]; }

  TempFolder folder_;
  const std::string species_ = UserSpeciesPath(folder_);
  Sylvanor e_;
};

TEST_F(SylvanorExecTest, MetricSettingsAreConvertedAndTreesStoredInEnglish) {
  e_.Init_LarGUI("Metric", "English", "Batch");
  e_.Set_BroBurInc("No");
  e_.Set_Moist10Hr(0.1f);
  e_.Set_DuffMoist(2.5f);
  e_.Set_Litter(0.22417f);
  e_.Set_SC3Snd(0.44834f);
  e_.Set_FueModSet("None");
  Put(e_, 1, "PSME", 25.4f, 15.24f, 3.048f, 247.1f, "D", "H", "Metric");
  ASSERT_EQ(e_.PTL_Exec(), 1) << e_.Get_ErrMes();
  const d_Settings& s = e_.Settings();
  EXPECT_FLOAT_EQ(s.Moist10Hr, 10.0f);
  EXPECT_NEAR(s.LayWid, 0.32808f, 1e-6f);
  // the loads in tons/acre, copied for the stand after treatment
  EXPECT_NEAR(e_.GetPre_Litter(), 1.0f, 1e-5f);
  EXPECT_NEAR(e_.Stand().AGF.Snd[2], 2.0f, 1e-5f);
  // 10 in and 100 per acre; no fuel model chosen from the set "None"
  EXPECT_NEAR(Tree(0).TPAadj, 100.0f, 1e-3f);
  EXPECT_EQ(e_.Get_FuelModel_PreTreatment() + e_.Get_FuelModel_PostTreatment(), "");

  // a tree of a species no longer in the table stops the execution; the
  // trees before it keep their results
  Put(e_, 2, "PIPO", 10, 50, 20, 100, "D");
  folder_.Write("species.csv", "1,PSME,a,C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME\n");
  ASSERT_EQ(e_.Init_LarGUI("English", "English", species_), 1);
  EXPECT_EQ(e_.PTL_Exec(), 0);
  EXPECT_EQ(e_.Get_ErrMes(), "Species (PIPO) Not Found in Equation Table");
  EXPECT_GT(Tree(0).Bio[kTotal], 0.0f);
}

// Trees of a species with "PP" crowns spread evenly ("WF"), full crown reduction ("PJ") and
// crown width code 16: A 10 in, 20 ft, base 10 ft, 100/acre; B as A but 30 ft, base 20 ft,
// 50/acre, dead; C 20 in, 40 ft, base 25 ft, 10/acre. Available crown fuel (foliage + half the
// twigs): A 53.79417 + 4.32862 / 2 = 55.95848 lb, C 140.85802 + 5.95284 / 2 = 143.83444 lb.
// Surface fuel: 1-hour 0.5 and grass 2 tons/acre, SAVs 2000 and 1800 1/ft give "3" among
// Albini-13 (arid), "GR5" among Scott-40 (humid), chosen from tons/acre with metric output too.
TEST_F(SylvanorExecTest, CanopyStandVolumesAndFuelModelsWorkedByHand) {
  folder_.Write("species.csv", kEven);
  using Get = float (S::*)() const;
  // the value before and after treatment in English units, and the factor to
  // the metric value after treatment
  const std::tuple<Get, Get, float, float> rows[] = {
      // A: 5595.848 lb/acre over layers 10-19; C: 1438.344 over layers 25-39
      {&S::Get_PreAvailFuel, &S::Get_AvailFuel, 3.517096f, 0.22417f},
      // peak running mean 559.5848 lb/acre in a 1 ft layer: 559.5848 / 43560
      // * 16.02 = 0.2057977 kg/m3; a tenth of it is above 0.012
      {&S::Get_Precbd, &S::Get_cbd, 0.2057977f, 1},
      {&S::Get_PreCBDThreshold, &S::Get_CBDThreshold, 0.012f, 1},
      // the smoothed profile first passes 0.012 at layer 8 (111.92 lb/acre,
      // 0.0412 kg/m3), but the lowest fuel tops out at 11 ft; it last passes
      // at layer 40 (38.356 lb/acre, 0.0141), above the highest fuel at 40 ft
      {&S::Get_Precbh, &S::Get_cbh, 11, 0.3048f},
      {&S::Get_Presh, &S::Get_sh, 40, 0.3048f},
      {&S::Get_PreSteDen, &S::Get_SteDen, 160, 2.471f},
      {&S::Get_PreSteDenExc, &S::Get_SteDenExc, 10, 2.471f},  // ESDD 15 in
      // live trees only: (78.53975 * 100 + 314.159 * 10) / 144
      {&S::Get_PreBasal, &S::Get_Basal, 76.35809f, 2.47105f / 10.764f},
      // 100 + 50 + 10 * 2^1.605
      {&S::Get_PreStdDenIdx, &S::Get_StdDenIdx, 180.4196f, 2.471f},
      // sqrt((100 * 100 + 50 * 100 + 10 * 400) / 160)
      {&S::Get_PreQuaMeaDia, &S::Get_QuaMeaDia, 10.89725f, 2.54f},
      // the 10 large trees, then 103 of 10 in reach 75 % of 14922.6 in2:
      // sqrt((10 * 400 + 103 * 100) / 113)
      {&S::Get_PreQd75, &S::Get_Qd75, 11.24939f, 2.54f},
      // crowns 178.66 ft2 (A) and 373.35 ft2 (C): 100 (1 - e^(-21606.0 / 43560))
      {&S::Get_PreCanCov, &S::Get_CanCov, 39.1042f, 1},
  };
  using Set = int (S::*)(float);
  const std::pair<Set, float> settings[] = {
      {&S::Set_ESDD, 15},       {&S::Set_SubMerDia, 15},  {&S::Set_LogTopDia, 0},
      {&S::Set_1Hr, 0.5f},      {&S::Set_Grass, 2},       {&S::Set_1HrSAV, 2000},
      {&S::Set_GrassSAV, 1800}, {&S::Set_ShrubSAV, 1500}, {&S::Set_FueBedDep, 12},
      {&S::Set_Duff, 0},        {&S::Set_Litter, 0},      {&S::Set_Lichen, 0},
      {&S::Set_Moss, 0},        {&S::Set_Shrub, 0},       {&S::Set_10Hr, 0},
      {&S::Set_100Hr, 0}};
  for (const bool metric : {true, false}) {  // English last, for the volumes
    const std::string out = metric ? "Metric" : "English";
    ASSERT_EQ(e_.Init_LarGUI("English", out, species_), 1);
    e_.PTL_InitTbl();
    Put(e_, 1, "EVEN", 10, 20, 10, 100, "C");
    Put(e_, 2, "EVEN", 10, 30, 20, 50, "C", "D");
    Put(e_, 3, "EVEN", 20, 40, 25, 10, "C");
    for (auto [set, value] : settings)
      (e_.*set)(value);
    e_.Set_FueModSet(metric ? "Scott-40" : "Albini-13");
    e_.Set_Climate(metric ? "Humid" : "Arid");
    e_.Set_BroBurInc("No");
    ASSERT_EQ(e_.PTL_Exec(), 1) << e_.Get_ErrMes();
    for (const auto& [pre, post, english, factor] : rows) {
      // the snapshot before treatment stays in English units
      const float after = metric ? english * factor : english;
      EXPECT_NEAR((e_.*pre)(), english, 3e-5f * english) << out << " " << english;
      EXPECT_NEAR((e_.*post)(), after, 3e-5f * after) << out << " " << english;
    }
    // 40 layers + 2; the profiles are bulk densities in every unit system
    EXPECT_EQ(std::tuple(e_.Get_PreVDRlays(), e_.Get_VDRlays()), std::tuple(42, 42));
    EXPECT_NEAR(e_.Get_VDR()[12] + e_.Get_PreVDR()[12], 2 * 0.2057977f, 2e-6f) << out;
    // nothing treated: the same model after treatment
    const std::string model = metric ? "GR5" : "3";
    EXPECT_EQ(e_.Get_FuelModel_PreTreatment() + e_.Get_FuelModel_PostTreatment(), model + model);
  }
  EXPECT_NEAR(e_.FMS2_pr_outB16_BulkDensity(), 3.6846f, 1e-4f);  // 1.602 + 10.413 x 0.2
  // standing volumes: every live tree for cubic feet, only C (at or above 15 in) for board and
  // merchantable feet, logs to a tenth of an inch; nothing harvested
  d_TreeVol a, c;
  std::string message;
  ASSERT_EQ(TreeVolume("I00FW2W122", 10, 0.1f, 20, a, message), 1);
  ASSERT_EQ(TreeVolume("I00FW2W122", 20, 0.1f, 40, c, message), 1);
  EXPECT_NEAR(e_.Get_StCuFt(), a.CuFt * 100 + Tree(1).VolCuFt * 50 + c.CuFt * 10, 1e-2f);
  EXPECT_NEAR(e_.Get_StBdft(), c.BdFt * 10, 1e-2f);
  EXPECT_NEAR(e_.Get_StMeCuft(), c.MeCuFt * 10, 1e-3f);
  EXPECT_EQ(e_.Get_HaCuFt() + e_.Get_HaBdft() + e_.Get_HaMeCuft(), 0.0f);
}

TEST_F(SylvanorExecTest, RetentionPrioritiesFromTheSetAndSpeciesList) {
  // "Low": healthy 1.0, dominant 1.0, crown ratio factor 1 at 0.6 and
  // above, diameter factor 0.8 at 0 up to 1 at the largest live DBH
  e_.PLT_PutRetPri(1.0f, 0.7f, 0.2f, 0.0f, 1.0f, 0.9f, 0.6f, 1.0f, 0.1f, 1.0f, 1.0f, 0.5f, 0.6f,
                   0.8f);
  EXPECT_EQ(e_.PLT_PutRetPriSpe("Init", 0, 0, 0) + e_.PLT_PutRetPriSpe("PIPO", 0, 100, 0.4f), 2);
  Put(e_, 1, "PIPO", 20, 50, 10, 100, "D");  // crown ratio 0.8
  Put(e_, 2, "PSME", 10, 50, 10, 100, "D");  // not in the list: 0.5
  ASSERT_EQ(e_.PLT_RetPriCalc(), 1);
  EXPECT_NEAR(Tree(0).RetPri, 0.4f, 1e-6f);
  EXPECT_NEAR(Tree(1).RetPri, 0.45f, 1e-6f);  // 0.5 x (10 / 20 x 0.2 + 0.8)
  EXPECT_FLOAT_EQ(e_.RetPriSet().MaxDia, 20.0f);
  for (int i = 1; i < 200; ++i)  // a full list refuses the 201st row
    ASSERT_EQ(e_.PLT_PutRetPriSpe("S" + std::to_string(i), 0, 1, 1), 1);
  EXPECT_EQ(e_.PLT_PutRetPriSpe("ONE_TOO_MANY", 0, 1, 1), 0);
  EXPECT_EQ(e_.PLT_PutRetPriSpe("init", 0, 0, 0), 1);
  EXPECT_TRUE(e_.RetPriSpecies()[0].Name.empty());
}

// Puts a plot of 300 trees in the engine, of the built-in species or of the one of a species file,
// and executes it again and again: the number of executions unlike `alone` (or, when it is empty,
// the results into it) in an output value or either profile.
int Repeat(Sylvanor& e, const std::string& speciesPath, const std::string& out, int loads,
           std::vector<float>& alone) {
  int differ = 0;
  for (int i = 0; i < loads; ++i) {
    e.Init_LarGUI("English", out, speciesPath);
    e.Set_LogTopDia(4);
    e.Set_BroBurInc("No");
    e.PTL_InitTbl();
    for (int t = 0; t < 300; ++t) {
      const float hgt = 10.0f + static_cast<float>(t % 53);
      Put(e, t, speciesPath.empty() ? "PIPO PSME ABGR PICO LAOC"s.substr(t % 5 * 5, 4) : "EVEN",
          2.0f + static_cast<float>(t % 37), hgt, hgt * 0.01f * (10 + t % 40),
          1.0f + static_cast<float>(t % 11), t % 3 ? "D" : "I", t % 13 ? "H" : "D");
    }
    for (int j = 0; j < loads; ++j) {
      e.PTL_Exec();
      d_Stand s = e.Stand();
      std::vector<float> got(e.Get_PreVDR().begin(), e.Get_PreVDR().end());
      got.insert(got.end(), e.Get_VDR().begin(), e.Get_VDR().end());
      for (const d_OutField& field : OU_Table())
        got.push_back(OU_IsHeading(field) ? 0.0f : field.Value(s));
      if (alone.empty()) alone = got;
      differ += got != alone;
    }
  }
  return differ;
}

TEST(SylvanorThreads, TwoEnginesInTwoThreadsShareNoTable) {
  TempFolder folder;
  const std::string own = UserSpeciesPath(folder);
  folder.Write("species.csv", kEven);
  Sylvanor a, b;
  std::vector<float> aloneA, aloneB;
  ASSERT_EQ(Repeat(a, "", "English", 1, aloneA) + Repeat(b, own, "Metric", 1, aloneB), 0);
  ASSERT_NE(aloneA, aloneB);
  int differA = -1, differB = -1;
  std::thread ta([&] { differA = Repeat(a, "", "English", 20, aloneA); });
  std::thread tb([&] { differB = Repeat(b, own, "Metric", 20, aloneB); });
  ta.join();
  tb.join();
  EXPECT_EQ(std::pair(differA, differB), std::pair(0, 0)) << "executions unlike those alone";
}

}  // namespace

}  // namespace sylvanor
