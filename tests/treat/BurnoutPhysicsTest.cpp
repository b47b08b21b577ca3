#include "treat/BurnoutPhysics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace sylvanor {

// Expected values below were worked out by hand from the model's formulas
// (the iterations and bisections written out step by step), not taken from
// this code's output.

namespace {

// The default mixing parameter of the igniting phase: 1.83 + 0.25 * 0.4.
constexpr double kMix = 1.83 + 0.25 * 0.4;
constexpr double kAmbient = 294.0;

// The default sound log particle.
constexpr double kDendry = 513.0;
constexpr double kCheatd = 2750.0;
constexpr double kCondry = 0.133;
constexpr double kIgnition = 600.0;

double WetTime(double tf, double h, double moisture) {
  return BU_WetIgnitionTime(tf, kIgnition, kAmbient, h, kCondry, kDendry, kCheatd, moisture);
}

void ExpectRelative(double actual, double expected, double tol) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * tol) << "expected " << expected;
}

// A usable time: neither NaN nor infinite, 0 to "never" (1e30).
void ExpectBoundedTime(double t) {
  EXPECT_TRUE(std::isfinite(t)) << t;
  EXPECT_GE(t, 0.0);
  EXPECT_LE(t, 1e30);
}

TEST(BurnoutPhysicsTest, FireEnvironmentTemperature) {
  // r 1.93, term 1.93 / 1000; rho 1.93, 2.404887, 2.626262, ... 2.811222,
  // and the 12th iterate 2.811300 lies within 0.0001 of the 11th: * 294
  EXPECT_NEAR(BU_FireEnvTemp(50.0, kMix, kAmbient), 826.522156, 1e-5);
  // q 200, term 1.93 / 4000: 13 iterates, 2.896438 * 294
  EXPECT_NEAR(BU_FireEnvTemp(200.0, kMix, kAmbient), 851.552691, 1e-5);
  // the last iterate stops short of the fixed point 826.5410 by 0.019 K
  EXPECT_NEAR(BU_FireEnvTemp(50.0, kMix, kAmbient), 826.5410, 0.05);
  // without a mixing parameter the environment stays at ambient
  EXPECT_NEAR(BU_FireEnvTemp(50.0, 0.0, kAmbient), kAmbient, 0.03);
  // no intensity: ambient
  EXPECT_DOUBLE_EQ(BU_FireEnvTemp(0.0, kMix, kAmbient), kAmbient);
}

TEST(BurnoutPhysicsTest, FireEnvironmentTemperatureGrowsWithIntensity) {
  double last = BU_FireEnvTemp(1.0, kMix, kAmbient);
  for (double q = 5.0; q <= 100000.0; q *= 1.5) {
    const double t = BU_FireEnvTemp(q, kMix, kAmbient);
    EXPECT_GT(t, last) << q;
    last = t;
  }
  // bounded by the mixing parameter's limit (r + 1) * ta
  EXPECT_LT(last, (kMix + 1.0) * kAmbient);
}

TEST(BurnoutPhysicsTest, HeatTransferConvectionAndRadiation) {
  const d_BUBed bed{0.0, 0.3};
  double biot = 0.0;
  // radiation 2.835e-8 * (1e6 + 3.6e5) * 1600 = 61.6896 at tf 1000, ts 600
  // d 4/1480: v = sqrt(5.194 * 0.3) = 1.248279, Re = 44.98302, film k 0.06625,
  // forced 0.344 Re^0.56 k / d = 71.064593 over free 7.492535
  EXPECT_NEAR(BU_HeatTransfer(4.0 / 1480.0, 1000.0, 600.0, 0.133, bed, biot), 132.754193, 1e-5);
  EXPECT_NEAR(biot, 2.6977076, 1e-6);
  // d 4/8200: Re 8.118887, forced 150.944124
  EXPECT_NEAR(BU_HeatTransfer(4.0 / 8200.0, 1000.0, 600.0, 0.133, bed, biot), 212.633724, 1e-5);
  EXPECT_NEAR(biot, 0.77987795, 1e-7);
  // a 20 in log, d 4/5.91: Re 11264.78, forced 6.255134
  EXPECT_NEAR(BU_HeatTransfer(4.0 / 5.91, 1000.0, 600.0, 0.133, bed, biot), 67.944734, 1e-5);
  EXPECT_NEAR(biot, 345.76153, 1e-4);
  // a fire cooler than the surface: film k 0.04325, forced 4.083540,
  // radiation unchanged
  EXPECT_NEAR(BU_HeatTransfer(4.0 / 5.91, 600.0, 1000.0, 0.133, bed, biot), 65.773140, 1e-5);
}

TEST(BurnoutPhysicsTest, HeatTransferFreeConvectionAndWind) {
  double biot = 0.0;
  // no air movement at all: free convection 0.382 * (400 / d)^0.25 = 7.492535
  EXPECT_NEAR(BU_HeatTransfer(4.0 / 1480.0, 1000.0, 600.0, 0.133, d_BUBed{0.0, 0.0}, biot),
              69.182135, 1e-5);
  // wind 2 m/s: v = sqrt(4 + 1.5582) = 2.357584, Re 84.95796, forced 101.461282
  EXPECT_NEAR(BU_HeatTransfer(4.0 / 1480.0, 1000.0, 600.0, 0.133, d_BUBed{2.0, 0.3}, biot),
              163.150882, 1e-5);
  EXPECT_NEAR(biot, 3.3154010, 1e-6);
  // free convection counts the temperature difference either way
  EXPECT_NEAR(BU_HeatTransfer(4.0 / 1480.0, 600.0, 1000.0, 0.133, d_BUBed{0.0, 0.0}, biot),
              69.182135, 1e-5);
}

TEST(BurnoutPhysicsTest, HeatTransferOfTheFinestParticlesIsRadiationOnly) {
  const d_BUBed bed{0.0, 0.3};
  double biot = 0.0;
  EXPECT_NEAR(BU_HeatTransfer(5e-5, 1000.0, 600.0, 0.133, bed, biot), 61.6896, 1e-9);
  EXPECT_NEAR(biot, 61.6896 * 5e-5 / 0.133, 1e-12);
  // the limit 5.75e-5 m itself gets no convection
  EXPECT_NEAR(BU_HeatTransfer(5.75e-5, 1000.0, 600.0, 0.133, bed, biot), 61.6896, 1e-9);
  // just above it: free convection 0.382 * (400 / 5.76e-5)^0.25 = 19.6 at least
  EXPECT_GT(BU_HeatTransfer(5.76e-5, 1000.0, 600.0, 0.133, bed, biot), 61.6896 + 19.0);
}

TEST(BurnoutPhysicsTest, DimensionlessTime) {
  // theta 0.5: target 0.668578; after 15 halvings [48124, 48126] / 2^16,
  // x = 48125 / 2^16 = 0.7343292, tau = ((1/x - 1) / 0.47047 * 0.5)^2
  ExpectRelative(BU_DimlessTime(0.5, 1.0), 0.14783664013937922, 1e-9);
  // theta 0.25 with the Biot number of the 1-hour particle above: x =
  // 57955 / 2^16
  ExpectRelative(BU_DimlessTime(0.25, 2.697707637992148), 0.0026555687398301057, 1e-9);
  // theta 0.9, Biot 0.5: x = 17451 / 2^16
  ExpectRelative(BU_DimlessTime(0.9, 0.5), 34.30162801450732, 1e-9);
  // theta 0.3, Biot 0.05: x = 56217 / 2^16
  ExpectRelative(BU_DimlessTime(0.3, 0.05), 12.41479123113544, 1e-9);
}

TEST(BurnoutPhysicsTest, DimensionlessTimeAtTheEnds) {
  // theta 0: the target 1.3371565 lies just above the cubic's 1.3371564 at
  // 1; x = 65535 / 2^16, tau = (2^-16 / (1 - 2^-16) / 0.47047 * 0.5)^2
  ExpectRelative(BU_DimlessTime(0.0, 1.0), 2.62984123277989e-10, 1e-9);
  // theta 1 and beyond: x = 1 / 2^16, tau = (65535 / 0.47047 * 0.5)^2
  ExpectRelative(BU_DimlessTime(1.0, 1.0), 4850904730.535059, 1e-9);
  EXPECT_DOUBLE_EQ(BU_DimlessTime(2.0, 1.0), BU_DimlessTime(1.0, 1.0));
  EXPECT_DOUBLE_EQ(BU_DimlessTime(1.0 - 1e-12, 1.0), BU_DimlessTime(1.0, 1.0));
  // no heat: never
  EXPECT_EQ(BU_DimlessTime(0.5, 0.0), 1e30);
  EXPECT_EQ(BU_DimlessTime(0.5, -1.0), 1e30);
  EXPECT_EQ(BU_DimlessTime(1.0, 1e-300), 1e30);
  ExpectBoundedTime(BU_DimlessTime(std::numeric_limits<double>::quiet_NaN(), 1.0));
  // a ratio nearer 1 (less heating) takes longer, a larger Biot number less
  EXPECT_LT(BU_DimlessTime(0.3, 1.0), BU_DimlessTime(0.6, 1.0));
  EXPECT_GT(BU_DimlessTime(0.3, 1.0), BU_DimlessTime(0.3, 2.0));
}

TEST(BurnoutPhysicsTest, WetIgnitionTimeOfTheDefaultFuel) {
  // tf 1000: target 1.3371565 * 400 / 706 = 0.7575958, root x = 0.7790718,
  // beta = 2.125534 (1 - x) / x = 0.6027561.
  // moisture 0.5: conwet 0.133 + 0.000427 * 513 * 0.5 = 0.2425255,
  // rhoc = 513 * 2750 * (1 + 0.5 * (2.177e6 + 4186 * 59) / (2750 * 306))
  // = 3442610.56; t = (beta / 100)^2 * conwet * rhoc
  ExpectRelative(WetTime(1000.0, 100.0, 0.5), 30.333919445845517, 1e-6);
  ExpectRelative(WetTime(1000.0, 150.0, 0.5), 13.481741975931344, 1e-6);
  // moisture 0.1: conwet 0.1549051, rhoc 1817122.11
  ExpectRelative(WetTime(1000.0, 100.0, 0.1), 10.226642014635928, 1e-6);
  // moisture 1: conwet 0.352051, rhoc 5474471.12
  ExpectRelative(WetTime(1000.0, 100.0, 1.0), 70.0214298976825, 1e-6);
  // dry: conwet 0.133, rhoc 1410750
  ExpectRelative(WetTime(1000.0, 100.0, 0.0), 6.816868619369637, 1e-6);
  // tf 900: target 0.6619587, x = 0.7308240, beta 0.7828734
  ExpectRelative(WetTime(900.0, 100.0, 0.5), 51.171523499245694, 1e-6);
  // tf 611, just above ignition: target 0.0463998, x = 0.1003098, beta 19.06416
  ExpectRelative(WetTime(611.0, 100.0, 0.5), 30344.547524626596, 2e-6);
  // tf 600.001: target 4.3697782e-6; the residual falls below 1e-8 at x =
  // 315 / 2^25 = 9.3877316e-6, short of the root 9.3900705e-6 (which would
  // give 4.277949e12 s): beta 226414.0207
  ExpectRelative(WetTime(600.001, 100.0, 0.5), 4280080518576.506, 1e-9);
}

TEST(BurnoutPhysicsTest, WetIgnitionTimeGrowsWithMoistureAndFallsWithHeat) {
  double last = WetTime(1000.0, 100.0, 0.0);
  for (int i = 1; i <= 300; ++i) {
    const double t = WetTime(1000.0, 100.0, i * 0.01);
    EXPECT_GT(t, last) << i;
    last = t;
  }
  // moisture 3: conwet 0.790153, rhoc 13601913.35
  ExpectRelative(last, 390.4760679586414, 1e-6);
  EXPECT_GT(WetTime(1000.0, 50.0, 0.5), WetTime(1000.0, 100.0, 0.5));
  EXPECT_GT(WetTime(800.0, 100.0, 0.5), WetTime(1000.0, 100.0, 0.5));
}

TEST(BurnoutPhysicsTest, WetIgnitionTimeNeverNaNOrInfinite) {
  // a fire no hotter than the ignition temperature, or no heat: never
  EXPECT_EQ(WetTime(600.0, 100.0, 0.5), 1e30);
  EXPECT_EQ(WetTime(500.0, 100.0, 0.5), 1e30);
  EXPECT_EQ(WetTime(1000.0, 0.0, 0.5), 1e30);
  EXPECT_EQ(WetTime(1000.0, -5.0, 0.5), 1e30);
  EXPECT_EQ(WetTime(1000.0, 1e-200, 0.5), 1e30);
  // h 1e-12: (0.6027561 / 1e-12)^2 * 0.2425255 * 3442610.56 = 3.0334e29
  ExpectRelative(WetTime(1000.0, 1e-12, 0.5), 3.033391944584553e29, 1e-6);
  // ignition temperature at ambient (theta 0): alight already
  EXPECT_EQ(BU_WetIgnitionTime(1000.0, kAmbient, kAmbient, 100.0, kCondry, kDendry, kCheatd, 0.5),
            0.0);
  // just above ambient: the target passes the cubic's top, x runs to 1
  const double warm =
      BU_WetIgnitionTime(1000.0, kAmbient + 1e-9, kAmbient, 100.0, kCondry, kDendry, kCheatd, 0.5);
  ExpectBoundedTime(warm);
  EXPECT_LT(warm, 1e-6);
  // a fire a hair above the ignition temperature (theta near 1): long, finite
  const double slow = WetTime(kIgnition + 1e-9, 100.0, 0.5);
  ExpectBoundedTime(slow);
  EXPECT_GT(slow, WetTime(611.0, 100.0, 0.5));
  ExpectBoundedTime(WetTime(1e300, 100.0, 0.5));
  ExpectBoundedTime(WetTime(1000.0, 1e300, 0.5));
  ExpectBoundedTime(WetTime(std::numeric_limits<double>::quiet_NaN(), 100.0, 0.5));
  ExpectBoundedTime(
      BU_WetIgnitionTime(1000.0, kIgnition, kAmbient, 100.0, kCondry, kDendry, 0.0, 0.5));
}

TEST(BurnoutPhysicsTest, DuffByType) {
  // load 2, moisture 0.5: intensity k (1 - 0.36 M)
  EXPECT_NEAR(BU_DuffBurn("PeatLow", 2.0, 0.5, -1.0).intensity, 9.225, 1e-12);
  EXPECT_NEAR(BU_DuffBurn("PeatHigh", 2.0, 0.5, -1.0).intensity, 12.3, 1e-12);
  EXPECT_NEAR(BU_DuffBurn("DuffLow", 2.0, 0.5, -1.0).intensity, 15.375, 1e-12);
  EXPECT_NEAR(BU_DuffBurn("DuffHigh", 2.0, 0.5, -1.0).intensity, 18.45, 1e-12);
  EXPECT_NEAR(BU_DuffBurn("duffhigh", 2.0, 0.5, -1.0).intensity, 18.45, 1e-12);
  // any other type burns as low-intensity peat
  EXPECT_NEAR(BU_DuffBurn("Moss", 2.0, 0.5, -1.0).intensity, 9.225, 1e-12);
  EXPECT_NEAR(BU_DuffBurn("", 2.0, 0.5, -1.0).intensity, 9.225, 1e-12);
  EXPECT_NEAR(BU_DuffBurn("DuffHighX", 2.0, 0.5, -1.0).intensity, 9.225, 1e-12);
}

TEST(BurnoutPhysicsTest, DuffFractionDurationAndRate) {
  // percent -1: fraction 0.837 - 0.213 = 0.624; duration 0.624 * 20000 /
  // 6.15 = 2029.268 s; rate 0.624 * 2 / 2029.268 = 6.15e-4; mass 1.248
  const d_BUDuff formula = BU_DuffBurn("DuffLow", 2.0, 0.5, -1.0);
  EXPECT_NEAR(formula.fraction, 0.624, 1e-12);
  EXPECT_NEAR(formula.duration, 2029.2682926829268, 1e-9);
  EXPECT_NEAR(formula.rate, 6.15e-4, 1e-15);
  EXPECT_NEAR(formula.mass, 1.248, 1e-12);
  // percent 50: duration 10000 / 6.15 = 1626.016 s, mass 1
  const d_BUDuff half = BU_DuffBurn("DuffLow", 2.0, 0.5, 50.0);
  EXPECT_NEAR(half.fraction, 0.5, 1e-15);
  EXPECT_NEAR(half.duration, 1626.0162601626016, 1e-9);
  EXPECT_NEAR(half.rate, 6.15e-4, 1e-15);
  EXPECT_NEAR(half.mass, 1.0, 1e-12);
  // the percent's bounds belong to it; beyond them the formula
  EXPECT_NEAR(BU_DuffBurn("DuffLow", 2.0, 0.5, 100.0).fraction, 1.0, 1e-15);
  EXPECT_NEAR(BU_DuffBurn("DuffLow", 2.0, 0.5, 100.5).fraction, 0.624, 1e-12);
  // none consumed: intensity kept, no duration and no rate
  const d_BUDuff none = BU_DuffBurn("DuffLow", 2.0, 0.5, 0.0);
  EXPECT_NEAR(none.intensity, 15.375, 1e-12);
  EXPECT_EQ(none.fraction, 0.0);
  EXPECT_EQ(none.duration, 0.0);
  EXPECT_EQ(none.rate, 0.0);
  EXPECT_EQ(none.mass, 0.0);
  // moisture 1.95: fraction 0.0063, duration 0.0063 * 20000 / 2.235 = 56.376 s,
  // mass 0.0126
  const d_BUDuff wet = BU_DuffBurn("PeatLow", 2.0, 1.95, -1.0);
  EXPECT_NEAR(wet.intensity, 3.3525, 1e-12);
  EXPECT_NEAR(wet.fraction, 0.0063, 1e-12);
  EXPECT_NEAR(wet.duration, 56.37583892617426, 1e-9);
  EXPECT_NEAR(wet.mass, 0.0126, 1e-12);
}

TEST(BurnoutPhysicsTest, DuffThatDoesNotBurn) {
  for (const d_BUDuff& d :
       {BU_DuffBurn("DuffHigh", 2.0, 1.96, -1.0), BU_DuffBurn("DuffHigh", 2.0, 2.5, 50.0),
        BU_DuffBurn("DuffHigh", 0.0, 0.5, 50.0), BU_DuffBurn("DuffHigh", -1.0, 0.5, 50.0)}) {
    EXPECT_EQ(d.intensity, 0.0);
    EXPECT_EQ(d.fraction, 0.0);
    EXPECT_EQ(d.duration, 0.0);
    EXPECT_EQ(d.rate, 0.0);
    EXPECT_EQ(d.mass, 0.0);
  }
}

TEST(BurnoutPhysicsTest, HerbAndShrubScheduleOfTwelveTons) {
  auto s = std::make_unique<d_BUSchedule>();
  BU_HerbShrubSchedule(12.0, *s);
  // 0.3 + 0.85 + 1.35 + 2.5 = 5 in the first step: 5 * 367.30945 / 60 * 11.35
  EXPECT_NEAR(s->first.amount, 5.0, 1e-12);
  EXPECT_NEAR(s->first.intensity, 347.41352146, 1e-7);
  // then 7 in parts of 2.5: 2.5 * 367.30945 / 15 * 11.35 = 694.827043
  ASSERT_EQ(s->restCount, 3u);
  EXPECT_NEAR(s->rest[0].amount, 2.5, 1e-12);
  EXPECT_NEAR(s->rest[0].intensity, 694.82704292, 1e-7);
  EXPECT_NEAR(s->rest[1].amount, 2.5, 1e-12);
  EXPECT_NEAR(s->rest[1].intensity, 694.82704292, 1e-7);
  EXPECT_NEAR(s->rest[2].amount, 2.0, 1e-12);
  EXPECT_NEAR(s->rest[2].intensity, 555.86163433, 1e-7);
  EXPECT_EQ(s->rest[3].amount, 0.0);
}

TEST(BurnoutPhysicsTest, HerbAndShrubScheduleOfSmallAmounts) {
  auto s = std::make_unique<d_BUSchedule>();
  // 4: 0.4 + 0.8 + 1.2 + 1.6 all in the first step, 4 * 367.30945 / 60 * 11.35
  BU_HerbShrubSchedule(4.0, *s);
  EXPECT_NEAR(s->first.amount, 4.0, 1e-12);
  EXPECT_NEAR(s->first.intensity, 277.93081717, 1e-7);
  EXPECT_EQ(s->restCount, 0u);
  // 0.29 + 0.58 + 0.87 + 1.16 add up to 2.9 less 4e-16 in doubles: no
  // crumb is left for a following step
  BU_HerbShrubSchedule(2.9, *s);
  EXPECT_NEAR(s->first.amount, 2.9, 1e-12);
  EXPECT_EQ(s->restCount, 0u);
  // just below 5 still splits the amount itself
  BU_HerbShrubSchedule(4.99, *s);
  EXPECT_NEAR(s->first.amount, 4.99, 1e-12);
  EXPECT_EQ(s->restCount, 0u);
  // 5 and 7.5 take the fixed parts, 7.5 with one part of 2.5 after them
  BU_HerbShrubSchedule(5.0, *s);
  EXPECT_NEAR(s->first.amount, 5.0, 1e-12);
  EXPECT_EQ(s->restCount, 0u);
  BU_HerbShrubSchedule(7.5, *s);
  ASSERT_EQ(s->restCount, 1u);
  EXPECT_NEAR(s->rest[0].amount, 2.5, 1e-12);
  // nothing to burn
  BU_HerbShrubSchedule(0.0, *s);
  EXPECT_EQ(s->first.amount, 0.0);
  EXPECT_EQ(s->first.intensity, 0.0);
  EXPECT_EQ(s->restCount, 0u);
  EXPECT_EQ(s->rest[0].amount, 0.0);
  EXPECT_EQ(s->rest[0].intensity, 0.0);
}

TEST(BurnoutPhysicsTest, HerbAndShrubScheduleStopsAtItsCapacity) {
  auto s = std::make_unique<d_BUSchedule>();
  // 1e6 - 5 would take 399998 parts; 6000 of 2.5 are kept
  BU_HerbShrubSchedule(1e6, *s);
  EXPECT_NEAR(s->first.amount, 5.0, 1e-12);
  ASSERT_EQ(s->restCount, kBUScheduleParts);
  double total = 0.0;
  for (std::size_t i = 0; i < s->restCount; ++i) {
    EXPECT_EQ(s->rest[i].amount, 2.5) << i;
    total += s->rest[i].amount;
  }
  EXPECT_NEAR(total, 15000.0, 1e-9);
  EXPECT_NEAR(s->rest[kBUScheduleParts - 1].intensity, 694.82704292, 1e-7);
  // an amount too large to count down still ends
  BU_HerbShrubSchedule(1e300, *s);
  EXPECT_EQ(s->restCount, kBUScheduleParts);
  // a shorter schedule afterwards leaves no stale parts behind
  BU_HerbShrubSchedule(12.0, *s);
  ASSERT_EQ(s->restCount, 3u);
  EXPECT_EQ(s->rest[3].amount, 0.0);
  EXPECT_EQ(s->rest[kBUScheduleParts - 1].amount, 0.0);
}

}  // namespace

}  // namespace sylvanor
