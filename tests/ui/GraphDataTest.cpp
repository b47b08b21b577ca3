#include "ui/GraphData.h"

#include <gtest/gtest.h>

#include "base/CFormat.h"
#include "tests/support/SamplePlot.h"

namespace sylvanor {

namespace {

// The engine of SYL-12 (thinned, pruned, piled and burned), calculated once.
const Sylvanor& Syl12() {
  static const std::unique_ptr<SamplePlot> plot = CalculatedSamplePlot();
  EXPECT_EQ(plot->failure, "");
  return plot->state.Engine();
}

}  // namespace

TEST(GraphDataTest, FuelBarsTakeTheInputLoadsBeforeAndTheEngineLoadsAfter) {
  const Sylvanor& s = Syl12();
  const std::vector<d_Bar> bars = FuelLoadBars(s);
  ASSERT_EQ(bars.size(), 12u);
  // pre: SYL-12's row of Sample.vxd; sound 2.2+2.5+2.0+1.6+0.9 = 9.2,
  // rotten 1.4+2.0+2.6+1.9+1.2 = 9.1
  const struct {
    std::size_t at;
    const char* label;
    float pre, post;
  } rows[] = {{0, "Litter", 2.4f, s.Get_AGF_Litter()},
              {1, "Duff", 11.0f, s.Get_AGF_Duff()},
              {9, "1000-hr sound", 9.2f,
               s.Get_AGF_SC1Snd() + s.Get_AGF_SC2Snd() + s.Get_AGF_SC3Snd() + s.Get_AGF_SC4Snd() +
                   s.Get_AGF_SC5Snd()},
              {10, "1000-hr rotten", 9.1f,
               s.Get_AGF_SC1Rot() + s.Get_AGF_SC2Rot() + s.Get_AGF_SC3Rot() + s.Get_AGF_SC4Rot() +
                   s.Get_AGF_SC5Rot()},
              {11, "Existing piles", 1.5f, s.Get_AGF_ExiPil()}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.label);
    EXPECT_EQ(bars[row.at].Label, row.label);
    EXPECT_NEAR(bars[row.at].Pre, row.pre, 1e-4);
    EXPECT_NEAR(bars[row.at].Post, row.post, 1e-4);
  }
  // every load after treatment is in one bar or another
  float post = 0;
  for (const d_Bar& bar : bars)
    post += bar.Post;
  EXPECT_NEAR(post, s.Get_AGF_Total(), 1e-3);
}

TEST(GraphDataTest, StandBarsCarryUnitsAndBothStates) {
  const Sylvanor& s = Syl12();
  const std::vector<d_Bar> bars = StandBars(s);
  ASSERT_EQ(bars.size(), 10u);
  // pre by hand over the 31 trees of SYL-12 in Sample.tre (none dead):
  // trees 4*50 + 2*5 + 25*10; basal sum pi (D/2)^2 c / 144; SDI sum c (D/10)^1.605
  const struct {
    std::size_t at;
    const char* label;
    float pre, post;
    double tolerance;
  } rows[] = {{0, "Trees (tpa)", 460.0f, s.Get_SteDen(), 1e-3},
              {6, "Basal area (ft2/ac)", 236.529f, s.Get_Basal(), 0.01},
              {7, "Stand density index", 375.537f, s.Get_StdDenIdx(), 0.01},
              {8, "QMD (in)", 9.7096f, s.Get_QuaMeaDia(), 1e-3},
              {2, "Canopy bulk density (kg/m3)", s.Get_Precbd(), s.Get_cbd(), 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.label);
    EXPECT_EQ(bars[row.at].Label, row.label);
    EXPECT_NEAR(bars[row.at].Pre, row.pre, row.tolerance);
    EXPECT_EQ(bars[row.at].Post, row.post);
  }
}

TEST(GraphDataTest, HistoryEndsAtTheLastStepTheFireReached) {
  // SYL-01 burns out within the history; SYL-12's duff smolders past its end
  const struct {
    int plot;
    bool whole;
  } rows[] = {{0, false}, {11, true}};
  for (const auto& row : rows) {
    const std::unique_ptr<SamplePlot> plot = CalculatedSamplePlot(row.plot);
    ASSERT_EQ(plot->failure, "");
    const Sylvanor& s = plot->state.Engine();
    const auto record = [&s](int step) {
      std::array<float, 8> v{};
      s.Get_Emis(step, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
      return v;
    };
    for (int pollutant : {0, 3, 6}) {
      SCOPED_TRACE(CFormat("plot %d %s", row.plot, kPollutantLabels[pollutant]));
      const std::vector<d_EmisPoint> points = EmissionHistory(s, pollutant);
      ASSERT_GT(points.size(), 4u);
      EXPECT_EQ(points.size() == 1500, row.whole);
      const int last = static_cast<int>(points.size()) - 1;
      EXPECT_EQ(record(last + 1), (std::array<float, 8>{}));  // none past the history
      EXPECT_NE(record(last), (std::array<float, 8>{}));
      // the igniting fire's step ends at 60 s, the others 15 s apart
      EXPECT_FLOAT_EQ(points[0].Minutes, 1.0f);
      EXPECT_FLOAT_EQ(points[1].Minutes, 1.25f);
      EXPECT_FLOAT_EQ(points.back().Minutes, 1.0f + 0.25f * static_cast<float>(last));
      const auto first = record(0);
      EXPECT_EQ(points[0].Intensity, first[7]);
      EXPECT_EQ(points[0].Value, first[static_cast<std::size_t>(pollutant)]);
    }
  }
}

TEST(GraphDataTest, NoHistoryWithoutABurnOrForAnUnknownPollutant) {
  const Sylvanor fresh;
  EXPECT_TRUE(EmissionHistory(fresh, 0).empty());
  for (int pollutant : {-1, 7})
    EXPECT_TRUE(EmissionHistory(Syl12(), pollutant).empty()) << pollutant;
}

}  // namespace sylvanor
