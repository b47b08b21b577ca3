#include "treat/BurnoutPhysics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/Burn.h"

namespace sylvanor {

namespace {

constexpr const char* kCases = "treat/BurnoutPhysicsCases.txt";

// The result at word i and its relative tolerance after it.
void Expect(double got, const d_Case& c, std::size_t i) {
  EXPECT_NEAR(got, c[i], std::fabs(c[i]) * c[i + 1]) << c.name;
}

TEST(BurnoutPhysicsTest, FireEnvironmentHeatTransferDryingAndIgnition) {
  for (const d_Case& c : ReadCases(kCases, "env-"))
    Expect(BU_FireEnvTemp(c[0], c[1], 294), c, 2);
  for (const d_Case& c : ReadCases(kCases, "heat-")) {
    double biot = 0;
    Expect(BU_HeatTransfer(c[0], c[1], c[2], 0.133, {c[3], c[4]}, biot), c, 5);
    EXPECT_NEAR(biot, c[7], c[7] * c[6]) << c.name << " Biot";
  }
  for (const d_Case& c : ReadCases(kCases, "dimless-"))
    Expect(BU_DimlessTime(c[0], c[1]), c, 2);
  for (const d_Case& c : ReadCases(kCases, "wet-"))
    Expect(BU_WetIgnitionTime(c[0], c[1], 294, c[2], 0.133, 513, c[4], c[3]), c, 5);
}

TEST(BurnoutPhysicsTest, Duff) {
  for (const d_Case& c : ReadCases(kCases, "duff")) {
    const d_BUDuff d = BU_DuffBurn(c.words[0], c[1], c[2], c[3]);
    const double got[] = {d.intensity, d.fraction, d.duration, d.rate, d.mass};
    for (std::size_t i = 0; i < 5; ++i)
      EXPECT_NEAR(got[i], c[i + 4], c[i + 4] * 1e-12) << c.name << " " << i;
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
  for (const d_Case& c : ReadCases(kCases, "schedule")) {
    BU_HerbShrubSchedule(c[0], *s);
    EXPECT_NEAR(s->first.amount, c[1], 1e-12) << c.name;
    EXPECT_NEAR(s->first.intensity, c[2], 1e-7) << c.name;
    ASSERT_EQ(s->restCount, c.words.size() - 3) << c.name;
    for (std::size_t i = 0; i < kBUScheduleParts; ++i) {
      const double part = i < s->restCount ? c[i + 3] : 0.0;
      EXPECT_NEAR(s->rest[i].amount, part, 1e-12) << c.name << " " << i;
      EXPECT_NEAR(s->rest[i].intensity, part * 277.93081717, 1e-7) << c.name << " " << i;
    }
  }
}

}  // namespace

}  // namespace sylvanor
