#include "engine/OutputUnits.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace sylvanor {

namespace {

// A stand after treatment with one value of each kind of unit.
d_Stand FilledStand() {
  d_Stand s;
  s.Post.Prof.CBH = 10.0f;
  s.Post.Prof.SH = -1.0f;  // not found
  s.Post.Prof.CBD = 0.12f;
  s.Post.Prof.Thr = 0.012f;
  s.Post.Prof.LayWid = 1.0f;
  s.Post.AvailFuel = 1.0f;
  s.Post.Meas.SteDen = 100.0f;
  s.Post.Meas.StdDenIdx = 200.0f;
  s.Post.Meas.Basal = 100.0f;
  s.Post.Meas.Qd75 = 10.0f;
  s.Post.Meas.CanCov = 55.0f;
  s.WildHab = 7.0f;
  s.Vol.StCuFt = 1000.0f;
  s.Vol.HaBdft = 5000.0f;
  s.Slash.PlTot = 5.0f;
  s.AGF.SCRot[4] = 4.0f;
  return s;
}

TEST(OutputUnitsTest, MetricConvertsEachUnit) {
  d_Stand s = FilledStand();
  std::string message = "untouched";
  EXPECT_EQ(OU_ToMetric(s, OU_Table(), message), 1);
  EXPECT_EQ(message, "untouched");

  EXPECT_NEAR(s.Post.Prof.CBH, 3.048f, 1e-5f);        // 10 ft * 0.3048
  EXPECT_NEAR(s.Post.Prof.LayWid, 0.3048f, 1e-6f);    // 1 ft * 0.3048
  EXPECT_NEAR(s.Post.Meas.Qd75, 25.4f, 1e-4f);        // 10 in * 2.54
  EXPECT_NEAR(s.Post.AvailFuel, 0.22417f, 1e-6f);     // 1 t/ac * 0.22417
  EXPECT_NEAR(s.Slash.PlTot, 1.12085f, 1e-5f);        // 5 * 0.22417
  EXPECT_NEAR(s.AGF.SCRot[4], 0.89668f, 1e-5f);       // 4 * 0.22417
  EXPECT_NEAR(s.Post.Meas.SteDen, 247.1f, 1e-3f);     // 100 * 2.471
  EXPECT_NEAR(s.Post.Meas.StdDenIdx, 494.2f, 1e-3f);  // 200 * 2.471
  EXPECT_NEAR(s.Post.Meas.Basal, 22.95661f, 1e-3f);   // 100 * 2.47105 / 10.764
  EXPECT_NEAR(s.Vol.StCuFt, 69.98517f, 1e-3f);        // 1000 * 0.028316 / 0.4046
  EXPECT_NEAR(s.Vol.HaBdft, 349.92585f, 1e-2f);       // board feet alike: 5000 * 0.069985
  EXPECT_FLOAT_EQ(s.Post.Prof.SH, -1.0f);             // negative values are kept
  EXPECT_FLOAT_EQ(s.Post.Prof.CBD, 0.12f);            // kg/m3, percent and NA stay
  EXPECT_FLOAT_EQ(s.Post.Prof.Thr, 0.012f);
  EXPECT_FLOAT_EQ(s.Post.Meas.CanCov, 55.0f);
  EXPECT_FLOAT_EQ(s.WildHab, 7.0f);
}

TEST(OutputUnitsTest, UnknownUnitConvertsNothing) {
  const d_OutField table[] = {
      {"#First", "%7.3f", "Ft", "meter", [](d_Stand& s) -> float& { return s.Post.Prof.CBH; }},
      {"\n# heading", "", "", "", nullptr},
      {"#Odd", "%7.3f", "Ft", "furlong", [](d_Stand& s) -> float& { return s.Post.Prof.SH; }},
      {"#Last", "%7.3f", "In", "cm", [](d_Stand& s) -> float& { return s.Post.Meas.Qd75; }},
  };
  d_Stand s = FilledStand();
  std::string message;
  EXPECT_EQ(OU_ToMetric(s, table, message), 0);
  EXPECT_EQ(message, "Invalid Unit Entry in VXO Dump Table:\n #Odd = furlong");
  // neither the row before nor the row after the bad one is converted
  EXPECT_FLOAT_EQ(s.Post.Prof.CBH, 10.0f);
  EXPECT_FLOAT_EQ(s.Post.Meas.Qd75, 10.0f);

  // units are compared exactly as written
  const d_OutField cased[] = {
      {"#Cased", "%7.3f", "Ft", "Meter", [](d_Stand& s) -> float& { return s.Post.Prof.CBH; }},
  };
  EXPECT_EQ(OU_ToMetric(s, cased, message), 0);
  EXPECT_EQ(message, "Invalid Unit Entry in VXO Dump Table:\n #Cased = Meter");
  EXPECT_FLOAT_EQ(s.Post.Prof.CBH, 10.0f);
}

// Post profile: 1 ft layers, 3 load layers and 5 running-mean layers.
// Pre profile: 2 ft layers, 2 load layers and 4 running-mean layers.
// rho(x) = x / (LayWid * 43560) * 16.02, so 43560 lb/acre in a 1 ft layer
// and 87120 lb/acre in a 2 ft layer are both 16.02 kg/m3.
void FillProfiles(d_Stand& s, d_Profile& pre) {
  d_Profile& post = s.Post.Prof;
  post.NLay = 3;
  post.NRun = 5;
  post.Load[0] = 43560.0f;
  post.Load[2] = 4356.0f;
  post.Load[3] = 100.0f;  // past NLay
  post.RunMean[4] = 4356.0f;
  post.RunMean[5] = 50.0f;  // past NRun
  pre.LayWid = 2.0f;
  pre.NLay = 2;
  pre.NRun = 4;
  pre.CBH = 10.0f;
  pre.SH = 60.0f;
  pre.Load[1] = 87120.0f;
  pre.Load[2] = 7.0f;  // past NLay
  pre.RunMean[3] = 8712.0f;
  pre.RunMean[4] = 9.0f;  // past NRun
}

void ExpectDensities(const d_Stand& s, const d_Profile& pre) {
  const d_Profile& post = s.Post.Prof;
  EXPECT_NEAR(post.Load[0], 16.02f, 1e-4f);
  EXPECT_FLOAT_EQ(post.Load[1], 0.0f);
  EXPECT_NEAR(post.Load[2], 1.602f, 1e-5f);
  EXPECT_FLOAT_EQ(post.Load[3], 100.0f);
  EXPECT_NEAR(post.RunMean[4], 1.602f, 1e-5f);
  EXPECT_FLOAT_EQ(post.RunMean[5], 50.0f);
  EXPECT_NEAR(pre.Load[1], 16.02f, 1e-4f);
  EXPECT_FLOAT_EQ(pre.Load[2], 7.0f);
  EXPECT_NEAR(pre.RunMean[3], 1.602f, 1e-5f);  // 8712 / 87120 * 16.02
  EXPECT_FLOAT_EQ(pre.RunMean[4], 9.0f);
}

TEST(OutputUnitsTest, EnglishKeepsValuesButConvertsLayers) {
  d_Stand s = FilledStand();
  d_Profile pre;
  FillProfiles(s, pre);
  std::string message;
  OU_ConvertOutput(s, pre, "english", message);
  EXPECT_TRUE(message.empty());
  EXPECT_FLOAT_EQ(s.Post.Prof.CBH, 10.0f);
  EXPECT_FLOAT_EQ(s.Post.AvailFuel, 1.0f);
  EXPECT_FLOAT_EQ(s.Post.Meas.SteDen, 100.0f);
  EXPECT_FLOAT_EQ(s.Vol.StCuFt, 1000.0f);
  EXPECT_FLOAT_EQ(s.Post.Prof.LayWid, 1.0f);
  ExpectDensities(s, pre);
}

TEST(OutputUnitsTest, MetricConvertsStandButNotSnapshot) {
  d_Stand s = FilledStand();
  d_Profile pre;
  FillProfiles(s, pre);
  std::string message;
  OU_ConvertOutput(s, pre, "Metric", message);
  EXPECT_TRUE(message.empty());
  EXPECT_NEAR(s.Post.Prof.CBH, 3.048f, 1e-5f);
  EXPECT_NEAR(s.Post.Prof.LayWid, 0.3048f, 1e-6f);
  EXPECT_NEAR(s.Post.Meas.SteDen, 247.1f, 1e-3f);
  // the densities are worked out from the layer widths in feet
  ExpectDensities(s, pre);
  EXPECT_FLOAT_EQ(pre.CBH, 10.0f);
  EXPECT_FLOAT_EQ(pre.SH, 60.0f);
  EXPECT_FLOAT_EQ(pre.LayWid, 2.0f);
}

TEST(OutputUnitsTest, BulkDensityOfALayer) {
  EXPECT_NEAR(CP_BulkDensity(21780.0f, 0.5f), 16.02f, 1e-4f);  // 21780 / 21780 * 16.02
  EXPECT_FLOAT_EQ(CP_BulkDensity(43560.0f, 0.0f), 0.0f);
}

TEST(OutputUnitsTest, TableRowsInOrder) {
  const auto table = OU_Table();
  ASSERT_EQ(table.size(), 75u);
  EXPECT_EQ(table[0].Name, "#CanopyBaseHeight");
  EXPECT_EQ(table[5].Name, "\n#  VEGETATION OUTPUTS");
  EXPECT_TRUE(OU_IsHeading(table[5]));
  EXPECT_EQ(table[74].Name, "#LayerWidth");

  std::vector<const d_OutField*> values;
  for (const d_OutField& field : table) {
    if (!OU_IsHeading(field)) values.push_back(&field);
  }
  ASSERT_EQ(values.size(), 62u);
  EXPECT_EQ(values[2]->Name, "#CanopyBulkDensity");
  EXPECT_EQ(values[2]->Format, "%7.4f");
  EXPECT_EQ(values[4]->Name, "#CBDThreshold");
  EXPECT_EQ(values[4]->Format, "%7.4f");
  EXPECT_EQ(values[5]->Name, "#StemDensity");
  EXPECT_EQ(values[5]->Metric, "Tress Per Hectare");
  EXPECT_EQ(values[16]->Name, "#HarvestedBasalArea");
  EXPECT_EQ(values[54]->Name, "#WoodyLoad1kHrSzieClass5Snd");
  EXPECT_EQ(values[59]->Name, "#WoodyLoad1kHrSzieClass5Rot");
  EXPECT_EQ(values[60]->Name, "#PileLoadWholeUnit");
  for (const d_OutField* field : values) {
    if (field->Name != "#CanopyBulkDensity" && field->Name != "#CBDThreshold") {
      EXPECT_EQ(field->Format, "%7.3f") << field->Name;
    }
  }
}

TEST(OutputUnitsTest, EachRowReachesItsOwnValue) {
  d_Stand s;
  std::set<const float*> seen;
  for (const d_OutField& field : OU_Table()) {
    if (OU_IsHeading(field)) continue;
    EXPECT_TRUE(seen.insert(&field.Value(s)).second) << field.Name << " shares a value";
  }
  const auto at = [&](std::string_view name) -> const float* {
    for (const d_OutField& field : OU_Table()) {
      if (field.Name == name) return &field.Value(s);
    }
    return nullptr;
  };
  EXPECT_EQ(at("#CanopyFuelLoad"), &s.Post.AvailFuel);
  EXPECT_EQ(at("#StandingMerchantableCubicFootVolume"), &s.Vol.StMeCuft);
  EXPECT_EQ(at("#StandingMerchantableBoardFootVolume"), &s.Vol.StBdft);
  EXPECT_EQ(at("#HarvestedMerchantableCubicFootVolume"), &s.Vol.HaMeCuft);
  EXPECT_EQ(at("#PileBurnFuelConsumptionDuff"), &s.Slash.PilBurCon[0]);
  EXPECT_EQ(at("#ThinningSlashLoadThousandHrSizeClass5"), &s.Slash.TSC[4]);
  EXPECT_EQ(at("#WoodyLoad1kHrSizeClass1Rot"), &s.AGF.SCRot[0]);
  EXPECT_EQ(at("#PileLoadWholeUnit"), &s.Slash.PlTot);
}

}  // namespace

}  // namespace sylvanor
