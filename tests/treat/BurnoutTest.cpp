#include "treat/Burnout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <tuple>

#include "tests/support/Burn.h"
#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

// A burn with the moisture rule for the duff and no herbs, shrubs or crown.
int Burn(d_BU& bu) {
  return BRN_Run(bu, -1, 0, 0, 0, "DuffLow");
}
double Emitted(const d_BU& bu) {
  return bu.emission.FlameMass() + bu.emission.SmolderMass();
}

TEST(BurnoutInput, SetFuelRefusesEmptyLoadsAndConvertsUnits) {
  auto bu = NewBurn();
  EXPECT_EQ(AddFuel(*bu, kLitter, 0.0, 0.1) + AddFuel(*bu, kLitter, -1.0, 0.1), 0);
  ASSERT_EQ(AddFuel(*bu, kLitter, 0.5, 0.1), 1);
  const d_BUParticle& p = bu->particles[0];
  EXPECT_EQ(std::make_tuple(p.heat, p.ignitionK, p.charK), std::make_tuple(18600000.0, 600, 650));
  while (bu->number < kBUParticles)
    AddFuel(*bu, kOneHour, 0.1, 0.1);
  EXPECT_EQ(AddFuel(*bu, kOneHour, 0.1, 0.1), 0);  // all 20 slots taken
  // 19 particles are components: the litter and 18 of the 19 1-hour ones
  EXPECT_NEAR(BRN_RemainingKey(*bu, "dw1"), 18 * 0.1, 1e-12);
}

// The bed is checked, then burned: the message of the first failure.
TEST(BurnoutInput, FailuresInOrderWithTheirMessages) {
  // clang-format off
  const std::pair<std::function<void(d_BU&)>, std::string> rows[] = {
      // the edges the consumption model reaches: a 10-hour moisture of 3 % makes 1-hour 0.03 - 0.02
      {[](d_BU& b) { b.control = {.intensity = 40, .duffLoad = 0.022, .duffMoisture = 1.96};
                     b.particles[1].moisture = 0.03 - 0.02, b.particles[5].moisture = 3.0; }, ""},
      {[](d_BU& b) { b.control.maxSteps = 0; },
       "Burnout: Number of iterations invalid, 0, must be > 0"},
      {[](d_BU& b) { b.particles[2].ash = 0.1; },
       "Burnout: ash content out of range (fraction):     0.10, Low:    0.00 Up:    0.10"},
      {[](d_BU& b) { b.particles[1].moisture = 3.01; },
       "Burnout: fuel moisture out of range (fraction):   3.01, (Limits:  0.01 ->  3.00)"},
      {[](d_BU& b) { b.particles[0].ignitionK = 673; }, "Burnout: ignition temperature out of "
       "range (C):   400.00\n Limits:   Lower:  200.00    Upper:  400.00"},
      {[](d_BU& b) { b.particles[4].charK = 523; }, "Burnout: char end pyrolisis temperature out "
       "of range (C):   250.00\n Limits:   Lower:  250.00   Upper:  500.00"},
      {[](d_BU& b) { b.control.intensity = 39, b.control.wind = 9; },  // only the first
       "Burnout: igniting fire intensity out of range (kW/m2)"},
      {[](d_BU& b) { b.control.residence = 201; },
       "Burnout: igniting surface fire res. time out of range (sec)"},
      {[](d_BU& b) { b.control.wind = 5.5; }, " windspeed at top of fuelbed out of range (m/sec)"},
      {[](d_BU& b) { b.control.depth = 0.05; }, "Burnout: depth of fuel bed out of range (m)\n"
       "Depth:     0.05,   Limit Low:    0.10,  High:    5.00\n"},
      {[](d_BU& b) { b.control.ambientC = 41; },
       "Burnout: ambient temperature:   41 is out of range ( -40 ->   40) (C)"},
      {[](d_BU& b) { b.control.duffLoad = 0.01; }, "Burnout: duff dry weight loading,   0.01 is "
       "out of range (kg/m2), Limit:   0.02 ->  80.00"},
      {[](d_BU& b) { b.control.duffMoisture = 1.973; },
       "Burnout: duff moisture out of range (fraction)"},
      {[](d_BU& b) { b.number = 0; }, "ntimes == 0 || number == 0"},
      {[](d_BU& b) { b.files.table = "/nonexistent/table.csv"; },
       "Can't Open File: /nonexistent/table.csv \n NOTE--> Is it alredy open ?"},
      {[](d_BU& b) { b.files.emissions = "@/nonexistent/emis.txt"; },
       "Can't Open Output Time Step Emissions File"},
      {[](d_BU& b) { b.files.consumed = "/nonexistent/consumed.txt"; },
       "Can't open Burnout output consumed file.\n/nonexistent/consumed.txt"},
  };
  // clang-format on
  for (const auto& [change, message] : rows) {
    auto bu = WoodyBed(0.1, 0.3, false);
    change(*bu);
    EXPECT_EQ(BRN_Check(*bu) == 1 ? Burn(*bu) : 0, message.empty() ? 1 : 0) << message;
    EXPECT_EQ(bu->message, message);
  }
  auto bu = WoodyBed(0.1, 0.3, false);
  EXPECT_EQ(BRN_Run(*bu, -1, 0, 0, 0, ""), 0);
  EXPECT_EQ(bu->message, "ERROR- d_BU:BRN_Run() - Missing Duff Type");
}

TEST(BurnoutPrepare, OverlapOfTheParticlesWorkedByHand) {
  auto bu = NewBurn(), dense = NewBurn();
  AddFuel(*bu, kTenHour, 0.5, 0.1);
  AddFuel(*bu, kLitter, 0.2, 0.05);  // sorted first: the larger sigma
  AddFuel(*dense, kOneHour, 3.0, 0.05);
  AddFuel(*dense, kTenHour, 3.0, 0.05);
  Burn(*bu);
  Burn(*dense);
  ASSERT_EQ(bu->particles[0].key.str(), "Litter");
  // x = 3.25 exp(-20 M^2) sigma / pi load / 513, M and load of the finer of the pair: a particle
  // with itself 1 - exp(-x) (0.9656 for the litter), with a finer one min(1, x)
  const double a = 3.25 * std::exp(-20 * 0.05 * 0.05), pi = std::numbers::pi;
  const double area = 1 - std::exp(-a * 8200 / pi * 0.2 / 513);
  const double withLitter = std::min(1.0, a * 394 / pi * 0.2 / 513);
  const double area10 = 1 - std::exp(-3.25 * std::exp(-20 * 0.1 * 0.1) * 394 / pi * 0.5 / 513);
  const double alone10 = 1 - withLitter - area10;  // their sum is below 1
  const auto& p = bu->particles;
  const auto& pairs = bu->pairs;
  EXPECT_NEAR(p[0].area, area, 1e-12);
  EXPECT_NEAR(p[0].alone, 1 - area, 1e-12);
  EXPECT_NEAR(pairs[BU_Pair(1, 1)].fraction, area, 1e-12);
  EXPECT_NEAR(pairs[BU_Pair(2, 1)].fraction, withLitter, 1e-12);
  EXPECT_NEAR(pairs[BU_Pair(2, 2)].fraction, area10, 1e-12);
  EXPECT_NEAR(p[1].alone, alone10, 1e-12);
  EXPECT_NEAR(pairs[BU_Pair(2, 0)].load0, 0.5 * alone10, 1e-12);
  // a dense bed: both pair values of the 10-hour reach 1 and more, so they share it out and
  // none of it is alone
  const auto& d = dense->pairs;
  EXPECT_EQ(dense->particles[1].alone, 0.0);
  EXPECT_NEAR(d[BU_Pair(2, 1)].fraction + d[BU_Pair(2, 2)].fraction, 1, 1e-12);
}

TEST(BurnoutPrepare, EachComponentKeepsItsOwnParticleThroughTheSort) {
  // sound and rotten logs of one size tie at 300 % moisture; the lighter rotten log then sorts
  // first, and each must still report its own load
  auto bu = NewBurn();
  bu->control.residence = 10;  // logs alone cannot ignite in 10 s
  bu->control.duffLoad = 2.0;
  AddFuel(*bu, kSound3, 2.0, 3.0);
  AddFuel(*bu, kRotten3, 0.5, 3.0);
  EXPECT_EQ(BRN_Run(*bu, -1, 1.0, 1.0, 0.5, "DuffLow"), 2);
  EXPECT_EQ(bu->particles[0].key.str(), "DW1kRot");
  EXPECT_EQ(std::tuple(BRN_Remaining(*bu, "DW1kSnd", 3), BRN_Remaining(*bu, "dw1krot", 3),
                       BRN_RemainingKey(*bu, "DW1kSnd"), BRN_Remaining(*bu, "DW1kSnd", 6)),
            std::tuple(2.0, 0.5, 2.0, 0.0));
  // a bed that does not ignite is left alone: no step, no record, no smoke
  EXPECT_EQ(bu->emission.Records()[0].time, -1.0);
  EXPECT_EQ(bu->emission.Steps() + Emitted(*bu), 0.0);
}

TEST(BurnoutRun, ABurnConservesMassAndTheDuffSmoldersByItsType) {
  auto bu = WoodyBed(0.06, 0.2), litter = NewBurn();
  bu->control.duffLoad = 4.0;
  bu->control.duffMoisture = 0.5;
  AddFuel(*litter, kLitter, 0.5, 0.06);
  ASSERT_EQ(BRN_Run(*bu, 40, 0, 0, 0, "DuffHigh") + Burn(*litter), 2) << bu->message;
  // 22.5 - 8.1 M; 40 % over 0.4 x 10000 x 4 / (7.5 - 2.7 M) s
  EXPECT_NEAR(bu->duff.intensity, 22.5 - 8.1 * 0.5, 1e-12);
  EXPECT_NEAR(bu->duff.duration, 0.4 * 10000 * 4 / (7.5 - 2.7 * 0.5), 1e-9);
  // the burn lasts until the duff is gone; with no herbs, shrubs or crown what was emitted from
  // is what burned and the 1.6 kg/m2 of duff
  const int used = std::min<int>(bu->emission.Steps(), kBERecords);
  EXPECT_GE(bu->emission.Records()[used - 1].time, bu->duff.duration);
  EXPECT_NEAR(Emitted(*bu), Burned(*bu) + 0.4 * 4, 1e-9);
  for (const d_BUParticle& p : bu->particles)
    EXPECT_TRUE(p.remaining >= -1e-12 && p.remaining <= p.load + 1e-12) << p.key.str();
  for (const char* fine : {"Litter", "DW1", "DW10"})
    EXPECT_LT(BRN_RemainingKey(*bu, fine), 1e-6) << fine;
  EXPECT_GT(bu->particles[6].burnout, bu->particles[0].burnout);  // the big logs outlast it
  // litter alone burns in the flame front: mostly flaming
  EXPECT_GT(litter->emission.FlameMass(), litter->emission.SmolderMass());
  EXPECT_NEAR(Emitted(*litter), Burned(*litter), 1e-9);
}

TEST(BurnoutRun, HerbsShrubsCrownEmissionFactorsAndTheFilesOfEveryStep) {
  auto bu = WoodyBed(0.08, 0.3, false), more = WoodyBed(0.08, 0.3, false);
  BRN_SetEmission(*bu, {}, {}, {}, -1);  // the fixed factors
  TempFolder folder;
  std::ostringstream frames;
  more->standardOutput = &frames;
  const auto consumed = folder.path() / "consumed.txt", table = folder.path() / "table.csv";
  more->files = {consumed.string(), "#FRAMES#", table.string()};
  ASSERT_EQ(Burn(*bu) + BRN_Run(*more, -1, 4.0, 8.0, 1.5, "DuffLow"), 2) << more->message;
  const auto &records = bu->emission.Records(), &moreRecords = more->emission.Records();
  // 12 tons/acre of herbs and shrubs and 1.5 of crown, all flaming
  EXPECT_NEAR(more->emission.FlameMass() - bu->emission.FlameMass(), (12.0 + 1.5) / 4.46, 1e-9);
  // the first step adds 5 tons/acre of them over 60 s and the crown, then 2.5 over 15 s
  EXPECT_NEAR(moreRecords[0].intensity - records[0].intensity, (5.0 + 1.5) * 367.30945 / 60 * 11.35,
              1e-6);
  EXPECT_GT(moreRecords[1].intensity - records[1].intensity, 2.5 * 367.30945 / 15 * 11.35 - 1e-6);
  // the fixed factors: PM2.5 2.604 g/kg flaming, 22.644 smoldering
  const c_BurnEmission& e = bu->emission;
  EXPECT_NEAR(e.FlameTotals()[Reported(Pollutant::PM25)], 2.604 * e.FlameMass(), 1e-9);
  EXPECT_NEAR(e.SmolderTotals()[Reported(Pollutant::PM25)], 22.644 * e.SmolderMass(), 1e-9);
  EXPECT_GT(e.EndOfSmoldering(), e.EndOfFlaming());
  // records every 15 s from 60 s; the last at the first quiet step (0.1 kW/m2 or less, no duff)
  const int steps = more->emission.Steps();
  ASSERT_TRUE(steps > 3 && steps < 1500) << steps;
  EXPECT_EQ(moreRecords[steps].time, -1.0);
  for (int i = 0; i < steps; ++i) {
    EXPECT_DOUBLE_EQ(moreRecords[i].time, 60.0 + 15.0 * i) << i;
    EXPECT_EQ(moreRecords[i].intensity <= 0.1, i == steps - 1) << i;
  }
  // the frames: 13 column lines, a line a step (number, time, intensity, 7 pollutants, 4 masses)
  const std::string text = frames.str();
  EXPECT_TRUE(text.starts_with("Emis-Start\n Column  1: Time since ignition, seconds\n"));
  EXPECT_TRUE(text.ends_with("Emis-End\n"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 13 + steps + 1);
  const auto first = text.find("\n   1  60.0000") + 1;
  EXPECT_EQ(text.find('\n', first) - first, 4 + 13 * 9);
  EXPECT_TRUE(ReadFile(consumed).starts_with("Column 1: Fuel component\n"));
  EXPECT_TRUE(ReadFile(table).starts_with(
      "FI = Fire intensity (kW/m2/sec) Con = Consumed (tons/acre ),,,,,,,,,,,\n"
      "Seconds,Duff-FI,Duff-Con,"));
}

TEST(BurnoutRun, EveryPairOfAParticleLitInTheIgnitingPhaseBurnsThere) {
  // Litter at 226 % moisture overlaps itself hardly at all (3.25 exp(-20 x 2.26^2) is about
  // 1e-44), so its pair with itself holds a fraction of 1e-30 against 1 for the litter on its own.
  // Under a 1000 kW/m2 fire for 200 s both pairs dry, ignite and burn out within the residence
  // time; the small pair must not be left to burn later, after the large one has taken the lit
  // fraction to 0.
  auto bu = NewBurn();
  bu->control.intensity = 1000;
  bu->control.residence = 200;
  AddFuel(*bu, kLitter, 0.5, 2.26);
  ASSERT_EQ(Burn(*bu), 1) << bu->message;
  const d_BUParticle& litter = bu->particles[0];
  EXPECT_LT(litter.burnout, 200.0);
  EXPECT_EQ(bu->pairs[BU_Pair(1, 1)].burnout, bu->pairs[BU_Pair(1, 0)].burnout);
  EXPECT_EQ(litter.remaining, 0.0);
}

TEST(BurnoutRun, AFineCategorySmoldersWholeWhenAnyParticleNearItsReferenceSmolders) {
  // two 1-hour particles within 1 of 1480 1/m, one flaming, one smoldering; a 10-hour flaming;
  // logs by their own states
  auto owned = NewBurn();
  d_BU& bu = *owned;
  bu.number = 5;
  const std::array<std::tuple<double, char, double>, 5> particles = {
      {{1480, 'F', 0.3}, {1480.5, 'S', 0.1}, {394, 'F', 0.2}, {39.4, 'S', 0.05}, {12.7, 'F', 1}}};
  for (std::size_t k = 0; k < particles.size(); ++k)
    std::tie(bu.particles[k].sigma, bu.particles[k].state, bu.particles[k].stepMass) = particles[k];
  EXPECT_DOUBLE_EQ(BRN_SmolderingMass(bu), 0.3 + 0.1 + 0.05);
}

}  // namespace

}  // namespace sylvanor
