#include "batch/Prescription.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/CFormat.h"
#include "tests/support/BatchFiles.h"

namespace sylvanor {

namespace {

using Floats = std::vector<float>;
const std::string kThinHeavy = "P1, North, Light Touch, Thin Heavy, No, No, No, No\n";

// The prescription of plot P1 at station North.
struct Loaded {
  Loaded(const std::string& project, const std::string& links, const c_NES& nes = {}) {
    std::istringstream linkFile(kLinkHeading + links), projectFile(project);
    c_LTFIndex link;
    c_PrjIndex prj;
    link.Build(linkFile, kLinkTreatmentRows);
    prj.Build(projectFile);
    result = Load_Prescription(link, prj, nes, "P1", "North", pre, scenario, message);
  }
  d_Prescription pre;
  std::string scenario, message;
  int result = 0;
};

TEST(Prescription, FillsTheTreatmentFromTheNamedSetAndTreatment) {
  const Loaded l(TestProject("6", kProjectSettings),
                 "P1, South, Default, Burn Only, No, No, No, No\n"
                 "p1, North, Default, Burn Only, No, No, No, No\n"
                 "P1, North, Light Touch, Thin Heavy, yes, NO, No, Yes\n");
  const d_TMS& t = l.pre.TMS;
  // the switches in the order thin, prune, pile, burn
  EXPECT_EQ(t.TreatName.str() + "|" + t.ThinCrit.str() + "|" + t.Region.str() + t.Season.str() +
                "|" + t.ThinInc.str() + t.PrunInc.str() + t.PileInc.str() + t.BroBurInc.str() +
                "|" + t.FueModSet + t.Climate + "|" + l.pre.FMSText.SAVGra + "|" + l.scenario,
            "Thin Heavy|BasalArea|InteriorSpring|YesNoNoYes|Scott-40Humid|1800.0000|VeryDry");
  // the numbers in file order; duff depth and moss-lichen come from elsewhere
  EXPECT_EQ(Floats({t.ThiCriVal, t.CutEff,    t.SubMerDia, t.LogTopDia, t.Yardloss,  t.MinCutDia,
                    t.MaxCutDia, t.PrunHgt,   t.PrunMRCR,  t.PilGroPct, t.PilSlaPct, t.PilBurPct,
                    t.ScoHgt,    t.Moist10Hr, t.Moist1kHr, t.DuffMoist, t.DuffDepth, t.MLCons,
                    t.FueBedDep, t.GrassSAV,  t.ShrubSAV,  t.OneHrSAV}),
            Floats({80, 90, 7, 4,  10,  1, 24, 8,    30,   50,   60,
                    70, 12, 6, 15, 120, 0, 0,  0.5f, 1800, 1500, 2000}));
  EXPECT_EQ(Floats(l.pre.RetPri.begin(), l.pre.RetPri.end()),
            Floats({0.9f, 0.7f, 0.4f, 0.1f, 0.95f, 0.85f, 0.6f, 0.92f, 0.2f, 0.8f, 0.55f, 0.3f,
                    0.75f, 0.25f}));
  // the rows of the set's group "Dry Pines", in file order, at most 200
  const auto& s = l.pre.RetSpe;
  EXPECT_EQ(s[0].Species.str() + s[1].Species.str() + std::to_string(l.pre.RetSpeCount), "PPDF2");
  EXPECT_EQ(Floats({s[1].MinDia, s[1].MaxDia, s[1].Pri}), Floats({5.5f, 20, 40}));
  std::string many;
  for (int n = 0; n < 205; ++n) {
    many += CFormat("#Species-%d Dry$Pines S%d 0 99 %d\n", n, n, n);
  }
  const Loaded full(TestProject("6", kProjectSettings, many), kThinHeavy);
  EXPECT_EQ(full.pre.RetSpe[199].Species.str() + std::to_string(full.pre.RetSpeCount), "S199200");
}

TEST(Prescription, RefusalsSayWhy) {
  const std::string gaps =  // numbered records end at the first missing number
      "#RetPri-0 First x 1 1 1 1 1 1 1 1 1 1 1 1 1 1 G\n#RetPri-2 Gap$Set x 1 1 1 1 1 1 1 1 1 1 1 "
      "1 1 1 G\n#Treatment-0 T None 0 0 0 0 0 0 0 0 0 0 0 0 0 10 0 0 Interior Fall\n"
      "#Treatment-2 Gap$Treatment None 0 0 0 0 0 0 0 0 0 0 0 0 0 10 0 0 Interior Fall\n";
  const std::string bad = " Treatment file contains invalid entry ", yesNo = ", use 'Yes' or 'No'";
  const std::string rows[][2] = {
      // link rows, message
      {"P1, South, First, T, No, No, No, No\n", "Plot Missing in Link Treatment File: P1"},
      {"P0, North, First, T, No, No\nP1, North, First, T, No, No, No, No\n",
       "Error Reading Link Treatment File: > Format of input is incorrect !\n line 2"},
      {"P1, North, Gap Set, T, No, No, No, No\n",
       "Cannot find Retention Priority in project file: Gap Set"},
      {"P1, North, First, Gap Treatment, No, No, No, No\n",
       "Can't locate Treatment in project file. Treatment: Gap Treatment"},
      {"P1, North, First, T, Y, x, x, x\n", bad + "('Y') for Thinning" + yesNo},
      {"P1, North, First, T, No, 1, x, x\n", bad + "('1') for Pruning" + yesNo},
      {"P1, North, First, T, No, yes, , x\n", bad + "('') for Piling" + yesNo},
      {"P1, North, First, T, No, yes, no, True\n", bad + "('True') for Broadcast Burn" + yesNo},
      {"P1, North, First, T, No, No, No, No\n", ""}};
  for (const auto& [links, message] : rows) {
    const Loaded l(gaps, links);
    EXPECT_EQ(std::to_string(l.result) + l.message, (message.empty() ? "1" : "0") + message);
  }
  EXPECT_EQ(Loaded(TestProject("0", ""), kThinHeavy).message,
            "No treatment moisture value or moisture switch found in project file");
}

TEST(Prescription, MoistureScenarioFromThe10HourMoistureElseTheProjects) {
  const std::pair<const char*, const char*> rows[] = {
      {"6", "VeryDry"},      {"6.5", "Dry"},     {"10", "Dry"},
      {"10.01", "Moderate"}, {"16", "Moderate"}, {"16.1", "Wet"},
      {"0", "Moderate"},     {"-2", "Moderate"}, {"none", "Moderate"}};  // no number reads as 0
  for (const auto& [moisture, scenario] : rows) {
    EXPECT_EQ(Loaded(TestProject(moisture, kProjectSettings), kThinHeavy).scenario, scenario)
        << moisture;
  }
}

TEST(Prescription, ExpandedEmissionsTakeTheThreeGroups) {
  c_NES nes;
  LoadTestFactors(nes);
  const auto emissions = [&](const char* type, const char* duff) {
    const std::string tail = CFormat(
        "#EmisType %s \n#EmisFlame 1 \n#EmisDuff %s \n#EmisCoarse 8 \n"
        "#BCBMoist Dry \n",
        type, duff);
    return Loaded(TestProject("6", tail), kThinHeavy, nes).pre.Emis;
  };
  const d_EmisSettings e = emissions("expanded", "7");
  EXPECT_EQ(e.Flame.Name + e.Duff.Name + e.Coarse.Name, "178");
  using enum Pollutant;
  EXPECT_EQ(Floats({e.Flame[CO], e.Flame[CO2], e.Flame[CH4], e.Flame[PM25], e.Flame[PM10],
                    e.Flame[NOx], e.Flame[SO2], e.Duff[CO], e.Coarse[CO], e.CriFirInt}),
            Floats({90, 1600, 3, 12, 14, 2.5f, 1, 250, 200, nes.Get_CriFirInt()}));
  // a group the table does not hold gets no factors; any other type is the default
  EXPECT_EQ(emissions("Expanded", "99").Duff[CO], 0.0f);
  // the default output keeps the groups, for the burned piles
  EXPECT_EQ(Floats({emissions("Default", "7").Duff[CO], emissions("Default", "7").CriFirInt}),
            Floats({250, -1}));
  EXPECT_EQ(Loaded(TestProject("6", "#BCBMoist Dry \n"), kThinHeavy).pre.Emis.CriFirInt, -1.0f);
}

}  // namespace

}  // namespace sylvanor
