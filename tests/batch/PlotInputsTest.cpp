#include "batch/PlotInputs.h"

#include <gtest/gtest.h>

#include "engine/Settings.h"
#include "tests/support/BatchFiles.h"

namespace sylvanor {

namespace {

using Floats = std::vector<float>;

class PlotInputs : public ::testing::Test {
 protected:
  void SetUp() override { syl_.Init_LarGUI("English", "English", ""); }
  Sylvanor syl_;
  const d_Settings& s_ = syl_.Settings();
};

TEST_F(PlotInputs, TreatmentPercentagesBecomeFractions) {
  d_TMS t;
  t.ThinInc = "Yes", t.ThinCrit = "CanopyCover", t.ThiCriVal = 40, t.CutEff = 90, t.Yardloss = 10;
  t.PrunMRCR = 30, t.PileInc = "yes", t.PilGroPct = 50, t.PilSlaPct = 60, t.PilBurPct = 70;
  t.BroBurInc = "Yes", t.ScoHgt = 12, t.MLCons = 20, t.Moist10Hr = 6, t.Moist1kHr = 15;
  t.DuffMoist = 120, t.DuffDepth = 1.5f, t.GrassSAV = 1700;
  TMS_LoadVX(syl_, t, "/u/qor_spp.csv");
  EXPECT_EQ(s_.UserFolder.str() + s_.ThinInc.str() + s_.BroBurInc.str(), "/u/qor_spp.csvYesYes");
  EXPECT_EQ(
      Floats({s_.ThiCriVal, s_.CutEff, s_.Yardloss, s_.PrunMRCR, s_.PilGroFra, s_.PilTPFra,
              s_.PilBurFra, s_.ScoHgt, s_.MLCons, s_.Moist10Hr, s_.Moist1kHr, s_.DuffMoist,
              s_.DuffDepth, s_.GrassSAV}),
      Floats({0.4f, 0.9f, 0.1f, 0.3f, 0.5f, 0.6f, 0.7f, 12, 0.2f, 0.06f, 0.15f, 1.2f, 1.5f, 1700}));
  t.ThinCrit = "None", t.PileInc = "No", t.BroBurInc = "no", t.ScoHgt = 99;  // all off
  TMS_LoadVX(syl_, t, "");
  EXPECT_EQ(s_.ThinInc.str() + s_.BroBurInc.str(), "NoNo");  // the burn's values stay
  EXPECT_EQ(Floats({s_.PilGroFra, s_.PilTPFra, s_.PilBurFra, s_.ScoHgt}), Floats({0, 0, 0, 12}));
  // a PDQ plot's own SAV above 0 replaces the treatment's
  d_PDQPlotRow row;
  row.SAVGrass = 1600, row.SAVShrub = 0, row.SAVOneHr = -1, t.ShrubSAV = 1500, t.OneHrSAV = 2000;
  TakePlotSAVs(row, t);
  EXPECT_EQ(Floats({t.GrassSAV, t.ShrubSAV, t.OneHrSAV}), Floats({1600, 1500, 2000}));
  row.SAVGrass = 0, row.SAVShrub = 1400, row.SAVOneHr = 1900;
  TakePlotSAVs(row, t);
  EXPECT_EQ(Floats({t.GrassSAV, t.ShrubSAV, t.OneHrSAV}), Floats({1600, 1400, 1900}));
}

TEST_F(PlotInputs, APlotsEmissionGroupsReplaceTheCurrentOnesOnlyWhenAllAreKnown) {
  c_NES nes;
  LoadTestFactors(nes);
  const std::string rows[][5] = {
      // flame, duff, coarse, warning, flame group after
      {"", "", "", "", "old"},
      {"0", "0x", "", "", "old"},
      {"1", "7", "99",
       "Missing or invalid emissions factors detected. The emissions factors set "
       "on the GUI will be used.\n",
       "old"},
      {"1", "8", "7", "", "1"}};
  for (const auto& [flame, duff, coarse, warning, after] : rows) {
    d_PlotFuel fuel;
    fuel.EmiFlame = flame, fuel.EmiDuff = duff, fuel.EmiCoarse = coarse;
    d_EmisSettings emis;
    emis.Flame.Name = "old";
    EXPECT_EQ(NextPlotEmis(syl_, nes, fuel, emis) + emis.Flame.Name, warning + after) << coarse;
  }
  // the last row's: duff "8" to the engine's duff, coarse "7" to smolder
  EXPECT_EQ(s_.EmisFlame.Name + s_.EmisDuff.Name + s_.EmisSmolder.Name, "187");
  EXPECT_EQ(s_.CriFirInt, nes.Get_CriFirInt());
}

TEST_F(PlotInputs, TreesAreRepairedNumberedOrRefused) {
  // dead; no crown base, given by the crown ratio (55 less 40 %: 33); unknown species; fine
  const std::vector<d_BatchTree> rows = {{8, "PIPO", 20, 90, -1, 30, "", "D", -1},
                                         {7, "PSME", 10, 55, -1, 40, "C", "H", 40},
                                         {10, "XXXX", 8, 40, 10, 5, "C", "H", -1},
                                         {11, "ABGR", 12, 60, 20, 30, "I", "H", -1}};
  for (const bool pdq : {false, true}) {
    syl_.PTL_InitTbl();
    std::vector<int> nums;
    std::vector<std::string> messages;
    PutTrees(syl_, rows, pdq, nums, messages);
    // a PDQ tree is numbered by the trees accepted, a VXD one has its own number
    EXPECT_EQ(nums, pdq ? std::vector<int>({1, 2}) : std::vector<int>({7, 11}));
    EXPECT_EQ(messages.size(), pdq ? 1u : 2u);  // without a crown ratio, the repair is told
    EXPECT_EQ(messages.back(),
              " Error - Invalid Species Code XXXX\n  3 XXXX Dia:  8.0 Hgt: 40.0. "
              "- Tree record will be ignored");
    std::string species, cls, status;
    float dia, hgt, crnHgt, tpa, retPri;
    syl_.PTL_GetRecInfo(nums[0], species, dia, hgt, crnHgt, tpa, retPri, cls, status);
    EXPECT_EQ(crnHgt, pdq ? 33 : 27.5f);  // else half the height
  }
}

TEST_F(PlotInputs, AVXDTreeNumberAnIntCannotHoldIsRefused) {
  for (const auto& [num, pdq, taken] : {std::tuple{2147483520.0f, false, 1u},
                                        {-2147483520.0f, false, 1u},
                                        {2147483648.0f, false, 0u},
                                        {-2147483648.0f, false, 0u},
                                        {1e28f, true, 1u}}) {
    std::vector<int> nums;
    std::vector<std::string> messages;
    syl_.PTL_InitTbl();
    PutTree(syl_, {num, "PIPO", 10, 50, 20, 30, "C", "H", -1}, 4, pdq, nums, messages);
    EXPECT_EQ(nums.size(), taken) << num;
    EXPECT_EQ(messages.size(), 1 - taken) << num;
  }
}

}  // namespace

}  // namespace sylvanor
