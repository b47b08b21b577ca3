#include "treat/BurnoutPhysics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/Burn.h"

namespace sylvanor {

namespace {

constexpr double kAmbient = 294.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<d_Case> Cases(const std::string& prefix) {
  return ReadCases("treat", "BurnoutPhysicsCases.txt", prefix);
}

// Within a relative tolerance of the value worked out by hand.
void ExpectNear(double got, double want, double tolerance, const std::string& name) {
  EXPECT_NEAR(got, want, std::fabs(want) * tolerance) << name;
}

TEST(BurnoutPhysicsTest, FireEnvironmentTemperature) {
  for (const d_Case& c : Cases("env-"))
    ExpectNear(BU_FireEnvTemp(c[0], c[1], kAmbient), c[2], c[3], c.name);
}

TEST(BurnoutPhysicsTest, HeatTransfer) {
  for (const d_Case& c : Cases("heat-")) {
    double biot = kNaN;
    ExpectNear(BU_HeatTransfer(c[0], c[1], c[2], 0.133, {c[3], c[4]}, biot), c[5], c[6], c.name);
    if (!std::isnan(c[7])) ExpectNear(biot, c[7], c[6], c.name + " Biot");
  }
}

TEST(BurnoutPhysicsTest, DimensionlessTime) {
  for (const d_Case& c : Cases("dimless-"))
    ExpectNear(BU_DimlessTime(c[0], c[1]), c[2], c[3], c.name);
  const double t = BU_DimlessTime(kNaN, 1.0);
  EXPECT_TRUE(t >= 0 && t <= 1e30) << t;
}

TEST(BurnoutPhysicsTest, WetIgnitionTime) {
  for (const d_Case& c : Cases("wet-"))
    ExpectNear(BU_WetIgnitionTime(c[0], 600, kAmbient, c[1], 0.133, 513, 2750, c[2]), c[3], c[4],
               c.name);
  // never NaN or infinite: tf, tig, h, cheatd and the range of the time
  const double rows[][6] = {
      {1000, kAmbient, 100, 2750, 0, 0},            // ignition at ambient: alight already
      {1000, kAmbient + 1e-9, 100, 2750, 0, 1e-6},  // x runs to 1 past the cubic's top
      {600 + 1e-9, 600, 100, 2750, 30344.6, 1e30},  // longer than at 611 K, finite
      {1e300, 600, 100, 2750, 0, 1e30},             // a huge fire
      {1000, 600, 1e300, 2750, 0, 1e30},            // a huge film coefficient
      {kNaN, 600, 100, 2750, 0, 1e30},              // a fire not a number
      {1000, 600, 100, 0, 0, 1e30},                 // no heat capacity
  };
  for (const auto& r : rows) {
    const double t = BU_WetIgnitionTime(r[0], r[1], kAmbient, r[2], 0.133, 513, r[3], 0.5);
    EXPECT_TRUE(t >= r[4] && t <= r[5]) << t << " at " << r[0] << ", " << r[1] << ", " << r[2];
  }
}

TEST(BurnoutPhysicsTest, Duff) {
  for (const d_Case& c : Cases("duff")) {
    const d_BUDuff got = BU_DuffBurn(c.words[0], c[1], c[2], c[3]);
    ExpectNear(got.intensity, c[4], 1e-12, c.name + " intensity");
    ExpectNear(got.fraction, c[5], 1e-12, c.name + " fraction");
    ExpectNear(got.duration, c[6], 1e-12, c.name + " duration");
    ExpectNear(got.rate, c[7], 1e-12, c.name + " rate");
    ExpectNear(got.mass, c[8], 1e-12, c.name + " mass");
  }
}

TEST(BurnoutPhysicsTest, HerbAndShrubSchedule) {
  auto s = std::make_unique<d_BUSchedule>();
  // 1e6 - 5 would take 399998 parts: 6000 of 2.5 are kept, each 694.82704292
  BU_HerbShrubSchedule(1e6, *s);
  ASSERT_EQ(s->restCount, kBUScheduleParts);
  for (const d_BUPart& part : s->rest)
    ASSERT_TRUE(part.amount == 2.5 && std::fabs(part.intensity - 694.82704292) < 1e-7);
  BU_HerbShrubSchedule(1e300, *s);  // too large to count down, still ends
  EXPECT_EQ(s->restCount, kBUScheduleParts);
  // each schedule clears what the one before left behind
  for (const d_Case& c : Cases("schedule")) {
    BU_HerbShrubSchedule(c[0], *s);
    ExpectNear(s->first.amount, c[1], 1e-12, c.name);
    ExpectNear(s->first.intensity, c[2], 1e-9, c.name);
    ASSERT_EQ(s->restCount, c.words.size() - 3) << c.name;
    for (std::size_t i = 0; i < kBUScheduleParts; ++i) {
      const double part = i + 3 < c.words.size() ? c[i + 3] : 0.0;
      ExpectNear(s->rest[i].amount, part, 1e-12, c.name);
      ExpectNear(s->rest[i].intensity, part * 277.9308172, 1e-9, c.name);
    }
  }
}

}  // namespace

}  // namespace sylvanor
