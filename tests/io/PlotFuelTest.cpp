#include "io/PlotFuel.h"

#include <gtest/gtest.h>

#include <optional>

#include "base/CFormat.h"
#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

// A PDQ plot line from "name=value ..." (the column names without their
// blank); the columns not named are empty, that is missing.
static std::string PdqLine(const std::string& values) {
  const std::string given = " " + values + " ";
  std::string line;
  for (const auto& column : kPDQPlotColumns) {
    const std::string name = " " + std::string(column.name.substr(0, column.name.size() - 1)) + "=";
    const auto at = given.find(name), start = at + name.size();
    line +=
        (at == std::string::npos ? "" : given.substr(start, given.find(' ', start) - start)) + ",";
  }
  line.back() = '\n';
  return line;
}

// A load: its twenty loads (litter, duff, lichen, moss, shrub, grass, 1-,
// 10-, 100-hour, sound and rotten classes 1-5, pile), then what a layout may
// give besides ("-" where it gives nothing); or why it failed.
static std::string Loaded(const d_PlotFuelLoad& load) {
  const d_PlotFuel& f = load.fuel;
  const auto given = [](std::optional<float> v) { return v ? CFormat("%g", *v) : "-"; };
  if (!load.ok) return "failed: " + load.message;
  return FuelText(f) + CFormat(" / depth %g%s, SAV %s %s %s, bed %s, emissions %s|%s|%s",
                               f.DuffDepth, f.DuffDepthEstimated ? " estimated" : "",
                               given(f.GrassSAV), given(f.ShrubSAV), given(f.OneHrSAV),
                               given(f.FuelBedDepth), f.EmiFlame, f.EmiDuff, f.EmiCoarse);
}

TEST(PlotFuel, LoadsOfEachLayout) {
  const std::string bad = " Plot Fuel File: > Format of input is incorrect !\n ";
  // the layout, the plot file's rows (none: no file), the plot, the load
  // with "@" for the file
  const std::tuple<const char*, const char*, std::string, std::string> rows[] = {
      {"VXD", "p2",
       "P1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\n"
       "P2,10,1.5,0.5,0.1,0.2,1.1,3,0.3,1.2,2.4,1,2,3,4,5,0.5,0.6,0.7,0.8,0.9,12\n",
       "3 10 0.1 0.2 1.1 0.5 0.3 1.2 2.4 1 2 3 4 5 0.5 0.6 0.7 0.8 0.9 12 / depth 1.5, SAV - - -, "
       "bed -, emissions ||"},
      // column i given i: sound class n the sum of decay classes 1-3 of size
      // class n (columns 12 + n, 17 + n, 22 + n), rotten of 4-5; grass, moss
      // and shrub live and dead
      {"PDQ", "t1_::_t2",
       "t1,t2,t3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,"
       "32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,t47,t48,t49\n",
       "6 4 7 17 81 77 10 11 12 54 57 60 63 66 61 63 65 67 69 46 / depth 5, SAV 43 42 44, bed -, "
       "emissions t47|t48|t49"},
      // missing loads count 0; no duff depth: a tenth of the duff
      {"PDQ", "p1_::_pre",
       PdqLine("cr_Plot=P1 cr_MonSta=Post f_Duff=99") +
           PdqLine("cr_Plot=P1 cr_MonSta=Pre f_Duff=5 f_Litter=2 f_MossLive=0.2 f_MossDead=0.3 "
                   "f_1Hr=0.4 f_100Hr=3 f_Dc1Sz1=1 f_Dc2Sz1=2 f_Dc1Sz5=4 f_Dc3Sz5=-2 "
                   "f_GrassDead=0.6 f_GrassLive=0.4 f_ShrubLive=1.5 f_SAVGrass=2500 "
                   "f_PileLoad=7 cr_EmiFla=SetA cr_EmiCoa=0"),
       "2 5 0 0.5 1.5 1 0.4 0 3 3 0 0 0 4 0 0 0 0 0 7 / depth 0.5 estimated, SAV 2500 1500 2000, "
       "bed -, emissions SetA||0"},
      // a SAV given as 0 is kept
      {"PDQ", "P1_::_Pre", PdqLine("cr_Plot=P1 cr_MonSta=Pre f_Dc4Sz2=1 f_Dc5Sz2=2 f_SAVShrub=0"),
       "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 3 0 0 0 0 / depth 0 estimated, SAV 1800 0 2000, bed -, "
       "emissions ||"},
      // Lt3 10 -> 0.7, 1.8, 7.5; 3To6 4 -> 2 and 2; 6To12 8 -> 2, 2 and 2, 2;
      // Ge12 12 -> 3, 3 and 3, 3; duff depth a tenth of the duff
      {"kvt", "S1-2010-C3", "1,C3,S1,2010,-1,5,10,99,4,8,12,99,1.5\n",
       "0 5 0 0 1.5 0 0.7 1.8 7.5 2 2 2 3 3 2 2 2 3 3 0 / depth 0.5, SAV - - -, bed 0, emissions "
       "||"},
      {"VXD", "P1", "", "failed: Error - Can't Find Sylvanor Input Plot Fuel File: @\n"},
      {"PDQ", "P1", "", "failed: Error - Can't Find Input Plot Fuel File: @\n"},
      {"VXD", "P1", "P1,1,2,3\n", "failed: Error Reading Sylvanor" + bad},
      {"KVT", "S1--C3", "1,C3,S1\n", "failed: Error Reading KVT" + bad},
      {"KVT", "S1-2011-C3", "1,C3,S1,2010,1,1,1,1,1,1,1,1,1\n",
       "failed: Logic Error - Plot Num not found in Plot File \n"},
      {"TXT", "P1", "P1\n", "failed: Invalid Input Plot File Type:\n@"},
  };
  TempFolder t;
  const std::string file = (t.path() / "plots").string();
  for (const auto& [layout, key, text, expected] : rows) {
    std::filesystem::remove(file);
    if (!text.empty()) t.Write("plots", "heading\n" + text);
    EXPECT_EQ(Loaded(LoadPlotFuel(layout, file, key)), WithPath(expected, file)) << key;
  }
}

TEST(PlotFuel, PlotKeysNeedTheTreeFile) {
  // the plots of a file, each once; its tree file found in any case
  TempFolder t;
  const std::string kvt =
      WritePlotPair(t.path(), "run.kvt",
                    "1,C3,S1,2010,1,1,1,1,1,1,1,1,1\n2,C3,S1,2011,1,1,1,1,1,1,1,1,1\n"
                    "3,C3,s1,2010,1,1,1,1,1,1,1,1,1\n",
                    "");
  std::filesystem::rename(t.path() / "run.tre", t.path() / "run.TRE");
  const d_PlotKeys keys = LoadPlotKeys("KVT", kvt);
  EXPECT_TRUE(keys.ok) << keys.message;
  EXPECT_EQ(keys.keys, (std::vector<std::string>{"S1-2010-C3", "S1-2011-C3"}));
  std::filesystem::remove(t.path() / "run.TRE");
  EXPECT_EQ(LoadPlotKeys("KVT", kvt).message,  // the text is checked in PlotTreesTest
            TreeFileMissingMessage((t.path() / "run.tre").string()));
  EXPECT_EQ(LoadPlotKeys("VXD", (t.path() / "none").string()).message,
            WithPath("Error opening input fuel load file\n @/none\n", t.path()));
}

TEST(PlotFuel, EmissionSetNames) {
  const auto exists = [](const std::string& name) { return name == "Set A" || name == "Set B"; };
  // flaming, duff and coarse-wood set names, given, the warning
  const std::tuple<std::string, std::string, std::string, bool, std::string> rows[] = {
      {"", "0", "", false, ""},
      {"Set A", "Set B", "Set A", true, ""},
      {"Set A", "Set X", "", true,
       "Missing or invalid emissions factors detected. The emissions factors set on the GUI will "
       "be used.\n\nPlot: P1_::_Pre\nColumn: Duff  Set X\nColumn: Coarse/Smoldering  \n"},
  };
  d_PlotFuel f;
  f.Key = "P1_::_Pre";
  for (const auto& [flame, duff, coarse, given, warning] : rows) {
    f.EmiFlame = flame;
    f.EmiDuff = duff;
    f.EmiCoarse = coarse;
    EXPECT_EQ(EmissionSetsGiven(f), given) << duff;
    EXPECT_EQ(EmissionSetWarning(f, exists), warning) << duff;
  }
}

}  // namespace sylvanor
