#include "treat/BurnEmission.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace sylvanor {

namespace {

using Values = std::array<double, kBEPollutants>;

// Factor sets (g/kg, order CO, CO2, CH4, PM2.5, PM10, NOx, SO2) whose every
// factor differs from all others, so that a pollutant or a set taken for
// another shows in the results.
d_BEFactorSet Set(const char* name, std::array<float, kBEPollutants> factors) {
  d_BEFactorSet s;
  s.name = name;
  s.factors = factors;
  return s;
}
const d_BEFactorSet kFlame = Set("3", {71, 1650, 3, 13, 15, 2.5f, 1.25f});
const d_BEFactorSet kSmolder = Set("7", {230, 1420, 11, 22, 26, 0.75f, 0.5f});
const d_BEFactorSet kDuff = Set("8", {270, 1360, 7, 33, 39, 0.25f, 1.75f});
const d_BEFactorSet kZero = Set("0", {0, 0, 0, 0, 0, 0, 0});

void ExpectValues(const Values& got, const Values& want, const char* what) {
  const char* names[] = {"PM2.5", "PM10", "CH4", "CO2", "CO", "NOx", "SO2"};
  for (std::size_t p = 0; p < kBEPollutants; ++p)
    EXPECT_NEAR(got[p], want[p], 1e-9 * std::max(1.0, std::fabs(want[p])))
        << what << " " << names[p];
}

class BurnEmissionTest : public ::testing::Test {
 protected:
  void ThreeSets(double critical = 15.0) { emis.SetFactors(kFlame, kSmolder, kDuff, critical); }
  c_BurnEmission emis;
};

TEST(BurnEmissionFixedFactorTest, KeysInAnyCase) {
  struct Row {
    const char* key;
    double flaming, smoldering;
  };
  const Row rows[] = {{"pm10", 3.07272, 26.71992}, {"pm25", 2.604, 22.644},
                      {"pm2.5", 2.604, 22.644},    {"PM2.5", 2.604, 22.644},
                      {"Pm25", 2.604, 22.644},     {"ch4", 0.796, 13.756},
                      {"CO", 6.52, 301.72},        {"co2", 1778.01, 1228.11},
                      {"NOx", 3.2, 0.0},           {"SO2", 1.0, 1.0}};
  for (const Row& r : rows) {
    double f = -7, s = -7;
    BE_FixedFactor(r.key, f, s);
    EXPECT_DOUBLE_EQ(f, r.flaming) << r.key;
    EXPECT_DOUBLE_EQ(s, r.smoldering) << r.key;
  }
  // an unknown key overwrites the outputs with zeros
  for (const char* key : {"pm1", "", "pm 2.5", "co2 ", "pm2,5", "Flame"}) {
    double f = -7, s = -7;
    BE_FixedFactor(key, f, s);
    EXPECT_EQ(f, 0.0) << key;
    EXPECT_EQ(s, 0.0) << key;
  }
}

// F = 0.5, S = 0.25, D = 0.125 kg/m2; e.g. PM2.5 flaming 13 x 0.5 = 6.5,
// smoldering 22 x 0.25 + 33 x 0.125 = 9.625.
TEST_F(BurnEmissionTest, ThreeSetStepTakesEachFactorForItsPollutant) {
  ThreeSets();
  EXPECT_FALSE(emis.FixedFactorMode());
  const d_BEStep s = emis.Step(60, 200, 0.5, 0.25, 0.125);
  //                     PM2.5  PM10    CH4    CO2    CO     NOx      SO2
  const Values flame = {6.5, 7.5, 1.5, 825.0, 35.5, 1.25, 0.625};
  const Values smolder = {9.625, 11.375, 3.625, 525.0, 91.25, 0.21875, 0.34375};
  ExpectValues(s.flame, flame, "step flaming");
  ExpectValues(s.smolder, smolder, "step smoldering");
  EXPECT_DOUBLE_EQ(s.flameMass, 0.5);
  EXPECT_DOUBLE_EQ(s.smolderMass, 0.375);  // S + D
  EXPECT_DOUBLE_EQ(s.duffMass, 0.125);

  const d_BERecord& r = emis.Records()[0];
  EXPECT_EQ(r.time, 60.0);
  EXPECT_EQ(r.intensity, 200.0);
  ExpectValues(r.emitted, {16.125, 18.875, 5.125, 1350.0, 126.75, 1.46875, 0.96875}, "record");
  EXPECT_EQ(emis.Records()[1].time, -1.0);
}

// A second step F = 0.25, S = 0, D = 0.5 adds e.g. CO flaming 71 x 0.25 =
// 17.75 and smoldering 270 x 0.5 = 135.
TEST_F(BurnEmissionTest, ThreeSetTotalsHoldTheDuffInTheSmoldering) {
  ThreeSets();
  emis.Step(60, 200, 0.5, 0.25, 0.125);
  emis.Step(75, 90, 0.25, 0.0, 0.5);
  ExpectValues(emis.FlameTotals(), {9.75, 11.25, 2.25, 1237.5, 53.25, 1.875, 0.9375}, "flaming");
  ExpectValues(emis.SmolderTotals(), {26.125, 30.875, 7.125, 1205.0, 226.25, 0.34375, 1.21875},
               "smoldering");
  ExpectValues(emis.DuffTotals(), {}, "duff");
  EXPECT_DOUBLE_EQ(emis.FlameMass(), 0.75);
  EXPECT_DOUBLE_EQ(emis.SmolderMass(), 0.875);
  EXPECT_EQ(emis.DuffMass(), 0.0);
  EXPECT_EQ(emis.Steps(), 2);
  EXPECT_EQ(emis.Records()[1].time, 75.0);
  EXPECT_EQ(emis.Records()[1].intensity, 90.0);
  // CO: 17.75 + 135
  EXPECT_DOUBLE_EQ(emis.Records()[1].emitted[kBE_CO], 152.75);
}

// F = 0.5, S = 0.2, D = 0.1 kg/m2 with the fixed table: e.g. PM2.5 flaming
// 2.604 x 0.5 = 1.302, smoldering 22.644 x 0.2 = 4.5288, duff 22.644 x 0.1 =
// 2.2644. The factor sets given play no part.
TEST_F(BurnEmissionTest, FixedFactorModeUsesTheTableAndKeepsTheDuffApart) {
  emis.SetFactors(kFlame, kSmolder, kDuff, -1.0);
  EXPECT_TRUE(emis.FixedFactorMode());
  const d_BEStep s = emis.Step(60, 200, 0.5, 0.2, 0.1);
  //                     PM2.5  PM10     CH4     CO2      CO      NOx  SO2
  const Values flame = {1.302, 1.53636, 0.398, 889.005, 3.26, 1.6, 0.0};
  const Values smolder = {4.5288, 5.343984, 2.7512, 245.622, 60.344, 0.0, 0.0};
  const Values duff = {2.2644, 2.671992, 1.3756, 122.811, 30.172, 0.0, 0.0};
  ExpectValues(s.flame, flame, "step flaming");
  ExpectValues(s.smolder, smolder, "step smoldering");
  EXPECT_DOUBLE_EQ(s.flameMass, 0.5);
  EXPECT_DOUBLE_EQ(s.smolderMass, 0.2);  // D left out
  EXPECT_DOUBLE_EQ(s.duffMass, 0.1);

  ExpectValues(emis.FlameTotals(), flame, "flaming");
  ExpectValues(emis.SmolderTotals(), smolder, "smoldering");
  ExpectValues(emis.DuffTotals(), duff, "duff");
  EXPECT_DOUBLE_EQ(emis.FlameMass(), 0.5);
  EXPECT_DOUBLE_EQ(emis.SmolderMass(), 0.2);
  EXPECT_DOUBLE_EQ(emis.DuffMass(), 0.1);

  // the record: flaming plus smoldering without the duff, no SO2
  ExpectValues(emis.Records()[0].emitted, {5.8308, 6.880344, 3.1492, 1134.627, 63.604, 1.6, 0.0},
               "record");

  // a second step doubles every total
  emis.Step(75, 100, 0.5, 0.2, 0.1);
  ExpectValues(emis.DuffTotals(), {4.5288, 5.343984, 2.7512, 245.622, 60.344, 0.0, 0.0},
               "duff after two");
  EXPECT_DOUBLE_EQ(emis.SmolderMass(), 0.4);
  EXPECT_DOUBLE_EQ(emis.DuffMass(), 0.2);
}

TEST_F(BurnEmissionTest, EndOfFlamingAndSmolderingAtTheirThresholds) {
  ThreeSets(15.0);
  EXPECT_EQ(emis.EndOfFlaming(), 0.0);
  EXPECT_EQ(emis.EndOfSmoldering(), 0.0);
  emis.Step(10, 15.0, 1.0, 0.0, 0.0);  // intensity at the critical value
  EXPECT_EQ(emis.EndOfFlaming(), 0.0);
  EXPECT_EQ(emis.EndOfSmoldering(), 0.0);
  emis.Step(20, 15.5, 1e-5, 1e-5, 0.0);  // both masses at 1e-5
  EXPECT_EQ(emis.EndOfFlaming(), 0.0);
  EXPECT_EQ(emis.EndOfSmoldering(), 0.0);
  emis.Step(30, 15.5, 2e-5, 0.0, 1e-5);
  EXPECT_EQ(emis.EndOfFlaming(), 30.0);
  EXPECT_EQ(emis.EndOfSmoldering(), 0.0);
  emis.Step(40, 16.0, 0.2, 0.6e-5, 0.6e-5);  // S + D above 1e-5
  EXPECT_EQ(emis.EndOfFlaming(), 40.0);
  EXPECT_EQ(emis.EndOfSmoldering(), 40.0);
  emis.Step(50, 100.0, 0.0, 0.0, 0.0);  // nothing burns: both kept
  EXPECT_EQ(emis.EndOfFlaming(), 40.0);
  EXPECT_EQ(emis.EndOfSmoldering(), 40.0);
  emis.Step(60, 5.0, 1.0, 0.0, 0.5);  // flaming below the critical intensity
  EXPECT_EQ(emis.EndOfFlaming(), 40.0);
  EXPECT_EQ(emis.EndOfSmoldering(), 60.0);
  EXPECT_EQ(emis.Steps(), 6);
}

TEST_F(BurnEmissionTest, FixedFactorModeEndsCountAnyIntensityAndTheDuff) {
  emis.SetFactors(kZero, kZero, kZero, -1.0);
  emis.Step(10, 0.0, 0.1, 0.0, 0.0);  // 0 exceeds the critical -1
  EXPECT_EQ(emis.EndOfFlaming(), 10.0);
  EXPECT_EQ(emis.EndOfSmoldering(), 0.0);
  emis.Step(20, 0.0, 0.0, 0.0, 0.01);  // duff alone, though kept apart
  EXPECT_EQ(emis.EndOfFlaming(), 10.0);
  EXPECT_EQ(emis.EndOfSmoldering(), 20.0);
}

TEST_F(BurnEmissionTest, RecordsFillInOrderUpTo1500) {
  ThreeSets();
  for (const d_BERecord& r : emis.Records())
    ASSERT_EQ(r.time, -1.0);
  // steps every 15 s from 60 s, 0.001 kg/m2 flaming each: PM2.5 13 x 0.001
  for (int i = 0; i < 1501; ++i)
    emis.Step(60.0 + 15.0 * i, 20.0 + i, 0.001, 0.0, 0.0);
  const auto& records = emis.Records();
  EXPECT_EQ(records[0].time, 60.0);
  EXPECT_EQ(records[0].intensity, 20.0);
  EXPECT_EQ(records[1].time, 75.0);
  EXPECT_EQ(records[1499].time, 22545.0);  // the 1500th step; the 1501st added none
  EXPECT_EQ(records[1499].intensity, 1519.0);
  EXPECT_NEAR(records[1499].emitted[kBE_PM25], 0.013, 1e-12);
  // the totals still count the step without a record
  EXPECT_EQ(emis.Steps(), 1501);
  EXPECT_NEAR(emis.FlameMass(), 1.501, 1e-9);
  EXPECT_NEAR(emis.FlameTotals()[kBE_PM25], 19.513, 1e-9);
  EXPECT_EQ(emis.EndOfFlaming(), 22560.0);
}

TEST_F(BurnEmissionTest, ResetEmptiesEverythingButKeepsTheFactors) {
  ThreeSets();
  for (int i = 0; i < 1600; ++i)
    emis.Step(60.0 + 15.0 * i, 200, 0.5, 0.25, 0.125);
  emis.Reset();
  ExpectValues(emis.FlameTotals(), {}, "flaming");
  ExpectValues(emis.SmolderTotals(), {}, "smoldering");
  EXPECT_EQ(emis.FlameMass(), 0.0);
  EXPECT_EQ(emis.SmolderMass(), 0.0);
  EXPECT_EQ(emis.DuffMass(), 0.0);
  EXPECT_EQ(emis.EndOfFlaming(), 0.0);
  EXPECT_EQ(emis.EndOfSmoldering(), 0.0);
  EXPECT_EQ(emis.Steps(), 0);
  for (const d_BERecord& r : emis.Records()) {
    ASSERT_EQ(r.time, -1.0);
    ASSERT_EQ(r.intensity, 0.0);
    for (double e : r.emitted)
      ASSERT_EQ(e, 0.0);
  }
  // the next step lands in the first place, with the same factors
  emis.Step(30, 80, 0.5, 0.25, 0.125);
  EXPECT_EQ(emis.Records()[0].time, 30.0);
  EXPECT_EQ(emis.Records()[0].intensity, 80.0);
  EXPECT_DOUBLE_EQ(emis.Records()[0].emitted[kBE_PM25], 16.125);
  EXPECT_EQ(emis.Records()[1].time, -1.0);
  EXPECT_EQ(emis.Steps(), 1);

  // the duff accumulators of the fixed-factor mode are emptied too
  emis.SetFactors(kZero, kZero, kZero, -1.0);
  emis.Step(45, 80, 0.0, 0.0, 0.1);
  emis.Reset();
  ExpectValues(emis.DuffTotals(), {}, "duff");
  EXPECT_EQ(emis.DuffMass(), 0.0);
}

TEST_F(BurnEmissionTest, ZeroFactorsEmitNothingWhileTheIntensityIsKept) {
  emis.SetFactors(kZero, kZero, kZero, 0.0);
  EXPECT_FALSE(emis.FixedFactorMode());
  const double intensity[] = {120.0, 40.5, 0.0};
  for (int i = 0; i < 3; ++i)
    emis.Step(60.0 + 15.0 * i, intensity[i], 0.3, 0.2, 0.1);
  ExpectValues(emis.FlameTotals(), {}, "flaming");
  ExpectValues(emis.SmolderTotals(), {}, "smoldering");
  ExpectValues(emis.DuffTotals(), {}, "duff");
  for (int i = 0; i < 3; ++i) {
    const d_BERecord& r = emis.Records()[i];
    EXPECT_EQ(r.time, 60.0 + 15.0 * i);
    EXPECT_EQ(r.intensity, intensity[i]);
    ExpectValues(r.emitted, {}, "record");
  }
  // the masses are still counted; the last step's intensity 0 does not
  // exceed the critical 0
  EXPECT_NEAR(emis.FlameMass(), 0.9, 1e-12);
  EXPECT_NEAR(emis.SmolderMass(), 0.9, 1e-12);
  EXPECT_EQ(emis.EndOfFlaming(), 75.0);
  EXPECT_EQ(emis.EndOfSmoldering(), 90.0);
}

}  // namespace

}  // namespace sylvanor
