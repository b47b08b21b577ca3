#include "treat/BurnEmission.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

namespace sylvanor {

namespace {

using Values = std::array<double, kPollutants>;
using Masses = std::array<double, 3>;

// Factor sets (g/kg, order CO, CO2, CH4, PM2.5, PM10, NOx, SO2) whose every
// factor differs from all others, so that a pollutant or a set taken for
// another shows in the results.
const d_EmisFactors kFlame{"3", {71, 1650, 3, 13, 15, 2.5f, 1.25f}};
const d_EmisFactors kSmolder{"7", {230, 1420, 11, 22, 26, 0.75f, 0.5f}};
const d_EmisFactors kDuff{"8", {270, 1360, 7, 33, 39, 0.25f, 1.75f}};

// Emissions (g/m2) in the reported order PM2.5, PM10, CH4, CO2, CO, NOx, SO2.
void ExpectValues(const Values& got, const Values& want, const std::string& what) {
  const char* names[] = {"PM2.5", "PM10", "CH4", "CO2", "CO", "NOx", "SO2"};
  for (std::size_t p = 0; p < kPollutants; ++p)
    EXPECT_NEAR(got[p], want[p], 1e-9 * std::max(1.0, std::fabs(want[p]))) << what << names[p];
}
Masses MassesOf(const c_BurnEmission& e) {
  return {e.FlameMass(), e.SmolderMass(), e.DuffMass()};
}

TEST(BurnEmissionTest, FixedFactorsByKeyInAnyCase) {
  const std::tuple<std::vector<const char*>, double, double> rows[] = {
      {{"pm10"}, 3.07272, 26.71992},
      {{"pm25", "pm2.5", "PM2.5", "Pm25"}, 2.604, 22.644},
      {{"ch4"}, 0.796, 13.756},
      {{"CO"}, 6.52, 301.72},
      {{"co2"}, 1778.01, 1228.11},
      {{"NOx"}, 3.2, 0.0},
      {{"SO2"}, 1.0, 1.0},
      {{"pm1", "", "pm 2.5", "co2 ", "pm2,5", "Flame"}, 0, 0},  // unknown keys
  };
  for (const auto& [keys, flaming, smoldering] : rows) {
    for (const char* key : keys) {
      double f = -7, s = -7;
      BE_FixedFactor(key, f, s);
      EXPECT_EQ(f, flaming) << key;
      EXPECT_EQ(s, smoldering) << key;
    }
  }
}

// F = 0.5, S = 0.25, D = 0.125 kg/m2: e.g. PM2.5 flaming 13 x 0.5 = 6.5,
// smoldering 22 x 0.25 + 33 x 0.125 = 9.625. Then F = 0.25, S = 0, D = 0.5:
// e.g. CO flaming 71 x 0.25 = 17.75, smoldering 270 x 0.5 = 135.
TEST(BurnEmissionTest, ThreeSetsTakeEachFactorForItsPollutantAndTheDuffAsSmoldering) {
  c_BurnEmission emis;
  emis.SetFactors(kFlame, kSmolder, kDuff, 15.0);
  const d_BEStep s = emis.Step(60, 200, 0.5, 0.25, 0.125);
  //                    PM2.5  PM10    CH4    CO2    CO     NOx      SO2
  ExpectValues(s.flame, {6.5, 7.5, 1.5, 825.0, 35.5, 1.25, 0.625}, "step flaming ");
  ExpectValues(s.smolder, {9.625, 11.375, 3.625, 525.0, 91.25, 0.21875, 0.34375}, "smoldering ");
  EXPECT_EQ((Masses{s.flameMass, s.smolderMass, s.duffMass}), (Masses{0.5, 0.375, 0.125}));
  const auto& records = emis.Records();
  ExpectValues(records[0].emitted, {16.125, 18.875, 5.125, 1350, 126.75, 1.46875, 0.96875}, "rec ");
  emis.Step(75, 90, 0.25, 0.0, 0.5);
  ExpectValues(emis.FlameTotals(), {9.75, 11.25, 2.25, 1237.5, 53.25, 1.875, 0.9375}, "flaming ");
  ExpectValues(emis.SmolderTotals(), {26.125, 30.875, 7.125, 1205, 226.25, 0.34375, 1.21875}, "");
  ExpectValues(emis.DuffTotals(), {}, "duff ");
  EXPECT_EQ(MassesOf(emis), (Masses{0.75, 0.875, 0.625}));  // the duff with the smoldering
  EXPECT_EQ(
      (Masses{records[1].time, records[1].intensity, records[1].emitted[Reported(Pollutant::CO)]}),
      (Masses{75, 90, 152.75}));  // CO 17.75 + 135
}

// F = 0.5, S = 0.2, D = 0.1 kg/m2 with the fixed table: e.g. PM2.5 flaming
// 2.604 x 0.5 = 1.302, smoldering 22.644 x 0.2 = 4.5288, duff 22.644 x 0.1 =
// 2.2644; no SO2. The factor sets given play no part.
TEST(BurnEmissionTest, FixedFactorModeUsesTheTableAndKeepsTheDuffApart) {
  c_BurnEmission emis;
  emis.SetFactors(kFlame, kSmolder, kDuff, -1.0);
  const d_BEStep s = emis.Step(60, 200, 0.5, 0.2, 0.1);
  //                    PM2.5  PM10     CH4     CO2      CO      NOx  SO2
  const Values flame = {1.302, 1.53636, 0.398, 889.005, 3.26, 1.6, 0.0};
  const Values smolder = {4.5288, 5.343984, 2.7512, 245.622, 60.344, 0.0, 0.0};
  const Values duff = {2.2644, 2.671992, 1.3756, 122.811, 30.172, 0.0, 0.0};
  ExpectValues(s.flame, flame, "step flaming ");
  ExpectValues(s.smolder, smolder, "step smoldering ");
  EXPECT_EQ((Masses{s.flameMass, s.smolderMass, s.duffMass}), (Masses{0.5, 0.2, 0.1}));
  // the record: flaming plus smoldering without the duff
  ExpectValues(emis.Records()[0].emitted, {5.8308, 6.880344, 3.1492, 1134.627, 63.604, 1.6, 0},
               "record ");
  ExpectValues(emis.FlameTotals(), flame, "flaming ");
  ExpectValues(emis.SmolderTotals(), smolder, "smoldering ");
  ExpectValues(emis.DuffTotals(), duff, "duff ");
  EXPECT_EQ(MassesOf(emis), (Masses{0.5, 0.2, 0.1}));
  emis.Step(75, 100, 0.5, 0.2, 0.1);  // doubles every total
  ExpectValues(emis.DuffTotals(), {4.5288, 5.343984, 2.7512, 245.622, 60.344, 0, 0}, "duff ");
  EXPECT_EQ(MassesOf(emis), (Masses{1.0, 0.4, 0.2}));
}

TEST(BurnEmissionTest, EndOfFlamingAndSmolderingAtTheirThresholds) {
  struct Row {
    const char* name;
    double t, intensity, flame, smolder, duff, endFlaming, endSmoldering;
  };
  const auto run = [](double critical, std::initializer_list<Row> rows) {
    c_BurnEmission emis;
    emis.SetFactors({}, {}, {}, critical);
    EXPECT_EQ(emis.FixedFactorMode(), critical < 0);
    for (const Row& row : rows) {
      emis.Step(row.t, row.intensity, row.flame, row.smolder, row.duff);
      EXPECT_EQ(emis.EndOfFlaming(), row.endFlaming) << row.name;
      EXPECT_EQ(emis.EndOfSmoldering(), row.endSmoldering) << row.name;
    }
    // factors of 0 emit nothing, unless the fixed table takes their place
    if (critical >= 0) ExpectValues(emis.FlameTotals(), {}, "zero factors ");
  };
  run(15.0, {{"intensity at the critical value", 10, 15.0, 1.0, 0, 0, 0, 0},
             {"both masses at 1e-5", 20, 15.5, 1e-5, 1e-5, 0, 0, 0},
             {"flaming above both", 30, 15.5, 2e-5, 0, 1e-5, 30, 0},
             {"S + D above 1e-5", 40, 16, 0.2, 0.6e-5, 0.6e-5, 40, 40},
             {"nothing burns: both kept", 50, 100, 0, 0, 0, 40, 40},
             {"flaming below the critical intensity", 60, 5, 1, 0, 0.5, 40, 60}});
  run(0.0, {{"0 does not exceed the critical 0", 10, 0, 0.3, 0.2, 0.1, 0, 10}});
  // in the fixed-factor mode any intensity exceeds the critical -1, and the
  // duff counts though it is kept apart
  run(-1.0, {{"intensity 0", 10, 0, 0.1, 0, 0, 10, 0}, {"duff alone", 20, 0, 0, 0, 0.01, 10, 20}});
}

TEST(BurnEmissionTest, RecordsFillInOrderUpTo1500AndResetEmptiesThem) {
  c_BurnEmission emis;
  emis.SetFactors(kFlame, kSmolder, kDuff, 15.0);
  // steps every 15 s from 60 s, 0.001 kg/m2 flaming each: PM2.5 13 x 0.001
  for (int i = 0; i < 1501; ++i)
    emis.Step(60.0 + 15.0 * i, 20.0 + i, 0.001, 0.0, 0.0);
  const auto& records = emis.Records();
  // the 1500th step has the last record; the totals count the 1501st too
  EXPECT_EQ((Masses{records[1].time, records[1499].time, records[1499].intensity}),
            (Masses{75, 22545, 1519}));
  EXPECT_NEAR(records[1499].emitted[Reported(Pollutant::PM25)], 0.013, 1e-12);
  EXPECT_EQ(emis.Steps(), 1501);
  EXPECT_NEAR(emis.FlameMass(), 1.501, 1e-9);
  EXPECT_NEAR(emis.FlameTotals()[Reported(Pollutant::PM25)], 19.513, 1e-9);
  EXPECT_EQ(emis.EndOfFlaming(), 22560.0);
  emis.Step(22575, 80, 0.5, 0.25, 0.125);
  emis.Reset();  // all emptied, every record unused
  ExpectValues(emis.FlameTotals(), {}, "flaming ");
  ExpectValues(emis.SmolderTotals(), {}, "smoldering ");
  EXPECT_EQ(MassesOf(emis), (Masses{0, 0, 0}));
  EXPECT_EQ((Masses{emis.EndOfFlaming(), emis.EndOfSmoldering(), 1.0 * emis.Steps()}), Masses{});
  for (const d_BERecord& r : records)
    ASSERT_TRUE(r.time == -1 && r.intensity == 0 && r.emitted == Values{});
  // the next step lands in the first place, with the same factors
  emis.Step(30, 80, 0.5, 0.25, 0.125);
  EXPECT_EQ((Masses{records[0].time, records[0].intensity, records[1].time}), (Masses{30, 80, -1}));
  EXPECT_EQ(records[0].emitted[Reported(Pollutant::PM25)], 16.125);
  // the duff accumulators of the fixed-factor mode are emptied too
  emis.SetFactors({}, {}, {}, -1.0);
  emis.Step(45, 80, 0.0, 0.0, 0.1);
  emis.Reset();
  ExpectValues(emis.DuffTotals(), {}, "duff ");
  EXPECT_EQ(emis.DuffMass(), 0.0);
}

}  // namespace

}  // namespace sylvanor
