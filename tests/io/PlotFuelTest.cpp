#include "io/PlotFuel.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

const std::string kVXDHead =
    "Plot,Duff,DuffDept,Grass,Lichen,Moss,Shrub,Litter,1Hr,10Hr,100Hr,SC1Snd,SC2Snd,SC3Snd,"
    "SC4Snd,SC5Snd,SC1Rot,SC2Rot,SC3Rot,SC4Rot,SC5Rot,Pile\n";
const std::string kKVTHead =
    "ID,CaseID,StandID,Year,Litter,Duff,Lt3,Ge3,3To6,6To12,Ge12,Herb,Shrub\n";

// The twenty loads in the order of the plain fuel text: litter, duff, lichen,
// moss, shrub, grass, 1-, 10-, 100-hour, sound 1-5, rotten 1-5, pile.
void ExpectLoads(const d_PlotFuel& f, const std::vector<float>& expected) {
  const std::vector<float> loads = {f.Litter, f.Duff,   f.Lichen, f.Moss,   f.Shrub,
                                    f.Grass,  f.Hr1,    f.Hr10,   f.Hr100,  f.Snd[0],
                                    f.Snd[1], f.Snd[2], f.Snd[3], f.Snd[4], f.Rot[0],
                                    f.Rot[1], f.Rot[2], f.Rot[3], f.Rot[4], f.Pile};
  ASSERT_EQ(expected.size(), loads.size());
  for (std::size_t i = 0; i < loads.size(); ++i)
    EXPECT_FLOAT_EQ(loads[i], expected[i]) << "load " << i;
}

// A PDQ plot line: the named columns get the given values, the rest stay
// empty (missing).
std::string PdqLine(const std::vector<std::pair<std::string, std::string>>& values) {
  std::vector<std::string> fields(kPDQPlotColumns.size());
  for (const auto& [name, value] : values) {
    for (std::size_t i = 0; i < kPDQPlotColumns.size(); ++i) {
      if (kPDQPlotColumns[i].name == name + " ") fields[i] = value;
    }
  }
  std::string line;
  for (const std::string& field : fields)
    line += field + ",";
  line.back() = '\n';
  return line;
}

TEST(PlotFuel, VXDColumnsAsRead) {
  TempFolder t;
  const auto plots =
      t.Write("plots.vxd", kVXDHead + "P1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\n" +
                               "P2,10,1.5,0.5,0.1,0.2,1.1,3,0.3,1.2,2.4,1,2,3,4,5,"
                               "0.5,0.6,0.7,0.8,0.9,12\n");
  const d_PlotFuelLoad load = LoadPlotFuel("VXD", plots.string(), "p2");
  ASSERT_TRUE(load.ok) << load.message;
  const d_PlotFuel& f = load.fuel;
  EXPECT_EQ(f.Key, "P2");
  ExpectLoads(f, {3, 10, 0.1f, 0.2f, 1.1f, 0.5f, 0.3f, 1.2f, 2.4f, 1,
                  2, 3,  4,    5,    0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 12});
  EXPECT_FLOAT_EQ(f.DuffDepth, 1.5f);
  EXPECT_FALSE(f.DuffDepthEstimated);
  EXPECT_FALSE(f.GrassSAV.has_value());
  EXPECT_FALSE(f.FuelBedDepth.has_value());
}

TEST(PlotFuel, PDQTotalsAndRepairs) {
  TempFolder t;
  const auto plots =
      t.Write("plots.pdq",
              "heading\n" + PdqLine({{"cr_Plot", "P1"}, {"cr_MonSta", "Post"}, {"f_Duff", "99"}}) +
                  PdqLine({{"cr_Plot", "P1"},
                           {"cr_MonSta", "Pre"},
                           {"f_Duff", "5"},
                           {"f_Litter", "2"},
                           {"f_MossLive", "0.2"},
                           {"f_MossDead", "0.3"},
                           {"f_1Hr", "0.4"},
                           {"f_100Hr", "3"},
                           {"f_Dc1Sz1", "1"},
                           {"f_Dc2Sz1", "2"},
                           {"f_Dc1Sz5", "4"},
                           {"f_Dc3Sz5", "-2"},
                           {"f_GrassDead", "0.6"},
                           {"f_GrassLive", "0.4"},
                           {"f_ShrubLive", "1.5"},
                           {"f_SAVGrass", "2500"},
                           {"f_PileLoad", "7"},
                           {"cr_EmiFla", "Set A"},
                           {"cr_EmiCoa", "0"}}));
  const d_PlotFuelLoad load = LoadPlotFuel("PDQ", plots.string(), "P1_::_Pre");
  ASSERT_TRUE(load.ok) << load.message;
  const d_PlotFuel& f = load.fuel;
  // decay classes 4 and 5 all missing: no rotten wood
  ExpectLoads(f, {2, 5, 0, 0.5f, 1.5f, 1, 0.4f, 0, 3, 3, 0, 0, 0, 4, 0, 0, 0, 0, 0, 7});
  EXPECT_FLOAT_EQ(f.DuffDepth, 0.5f);  // missing: a tenth of the duff load
  EXPECT_TRUE(f.DuffDepthEstimated);
  EXPECT_EQ(f.GrassSAV, 2500.0f);
  EXPECT_EQ(f.ShrubSAV, 1500.0f);
  EXPECT_EQ(f.OneHrSAV, 2000.0f);
  EXPECT_EQ(f.EmiFlame, "Set A");
  EXPECT_EQ(f.EmiDuff, "");
  EXPECT_EQ(f.EmiCoarse, "0");
}

TEST(PlotFuel, PDQRottenClassesAndMeasuredDuffDepth) {
  d_PDQPlotRow row;
  row.Duff = 4;
  row.DuffDepth = 2;
  row.Dc4Sz2 = 1;
  row.Dc5Sz2 = 2;
  row.Dc4Sz3 = -1;
  row.Dc3Sz2 = 0.5f;
  row.SAVShrub = 0;  // given as 0: kept
  const d_PlotFuel f = PDQ_PlotFuel(row);
  EXPECT_FLOAT_EQ(f.Rot[1], 3);
  EXPECT_FLOAT_EQ(f.Rot[2], 0);
  EXPECT_FLOAT_EQ(f.Snd[1], 0.5f);
  EXPECT_FLOAT_EQ(f.DuffDepth, 2);
  EXPECT_FALSE(f.DuffDepthEstimated);
  EXPECT_EQ(f.ShrubSAV, 0.0f);
}

TEST(PlotFuel, KVTShares) {
  TempFolder t;
  const auto plots = t.Write("run.kvt", kKVTHead + "1,C3,S1,2010,-1,5,10,99,4,8,12,99,1.5\n");
  const d_PlotFuelLoad load = LoadPlotFuel("kvt", plots.string(), "S1-2010-C3");
  ASSERT_TRUE(load.ok) << load.message;
  const d_PlotFuel& f = load.fuel;
  ExpectLoads(f, {0, 5, 0, 0, 1.5f, 0, 0.7f, 1.8f, 7.5f, 2, 2, 2, 3, 3, 2, 2, 2, 3, 3, 0});
  EXPECT_FLOAT_EQ(f.DuffDepth, 0.5f);
  EXPECT_EQ(f.FuelBedDepth, 0.0f);
}

TEST(PlotFuel, LoadFailures) {
  TempFolder t;
  const std::string missing = (t.path() / "none.vxd").string();
  EXPECT_EQ(LoadPlotFuel("VXD", missing, "P1").message,
            "Error - Can't Find Sylvanor Input Plot Fuel File: " + missing + "\n");
  EXPECT_EQ(LoadPlotFuel("PDQ", missing, "P1").message,
            "Error - Can't Find Input Plot Fuel File: " + missing + "\n");

  const auto vxd = t.Write("p.vxd", kVXDHead + "P1,1,2,3\n");
  EXPECT_EQ(LoadPlotFuel("VXD", vxd.string(), "P1").message,
            "Error Reading Sylvanor Plot Fuel File: > Format of input is incorrect !\n ");
  const auto kvt = t.Write("p.kvt", kKVTHead + "1,C3,S1\n");
  EXPECT_EQ(LoadPlotFuel("KVT", kvt.string(), "S1--C3").message,
            "Error Reading KVT Plot Fuel File: > Format of input is incorrect !\n ");

  const auto other = t.Write("q.kvt", kKVTHead + "1,C3,S1,2010,1,1,1,1,1,1,1,1,1\n");
  const d_PlotFuelLoad notFound = LoadPlotFuel("KVT", other.string(), "S1-2011-C3");
  EXPECT_FALSE(notFound.ok);
  EXPECT_EQ(notFound.message, "Logic Error - Plot Num not found in Plot File \n");
}

TEST(PlotFuel, PlotKeysNeedTheTreeFile) {
  TempFolder t;
  const auto plots = t.Write("plots.vxd", kVXDHead + "P1,1\n");
  EXPECT_EQ(LoadPlotKeys("VXD", plots.string()).message,
            "Error opening input tree plot file\n " + (t.path() / "plots.tre").string() +
                "\nInput fuels file must have a corresponding tree file\n"
                "with the same base name as the input fuel load file");
  const std::string missing = (t.path() / "none.vxd").string();
  EXPECT_EQ(LoadPlotKeys("VXD", missing).message,
            "Error opening input fuel load file\n " + missing + "\n");

  const auto kvt = t.Write("run.kvt", kKVTHead + "1,C3,S1,2010,1,1,1,1,1,1,1,1,1\n" +
                                          "2,C3,S1,2011,1,1,1,1,1,1,1,1,1\n" +
                                          "3,C3,s1,2010,1,1,1,1,1,1,1,1,1\n");
  t.Write("run.TRE", "heading\n");  // found without regard to case
  const d_PlotKeys keys = LoadPlotKeys("KVT", kvt.string());
  ASSERT_TRUE(keys.ok) << keys.message;
  EXPECT_EQ(keys.keys, (std::vector<std::string>{"S1-2010-C3", "S1-2011-C3"}));
}

TEST(PlotFuel, EmissionSetNames) {
  const std::set<std::string> sets = {"Set A", "Set B"};
  const auto exists = [&](const std::string& name) { return sets.count(name) > 0; };
  d_PlotFuel f;
  f.Key = "P1_::_Pre";
  f.EmiDuff = "0";
  EXPECT_FALSE(EmissionSetsGiven(f));
  EXPECT_EQ(EmissionSetWarning(f, exists), "");

  f.EmiFlame = "Set A";
  f.EmiDuff = "Set B";
  f.EmiCoarse = "Set A";
  EXPECT_EQ(EmissionSetWarning(f, exists), "");

  f.EmiDuff = "Set X";
  f.EmiCoarse = "";
  EXPECT_EQ(EmissionSetWarning(f, exists),
            "Missing or invalid emissions factors detected. The emissions factors set on the GUI "
            "will be used.\n\nPlot: P1_::_Pre\nColumn: Duff  Set X\nColumn: Coarse/Smoldering  \n");
}

}  // namespace

}  // namespace sylvanor
