#include "treat/Burnout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

// The particle properties the consumption model gives its slots.
struct Slot {
  const char* key;
  int size;
  double sigma, density, ignitionC;
};
constexpr Slot kLitter{"Litter", 0, 8200, 513, 327};
constexpr Slot kOneHour{"DW1", 0, 1480, 513, 327};
constexpr Slot kTenHour{"DW10", 0, 394, 513, 327};
constexpr Slot kHundredHour{"DW100", 0, 105, 513, 327};
constexpr Slot kSound3{"DW1kSnd", 3, 39.4, 513, 327};
constexpr Slot kRotten3{"DW1kRot", 3, 39.4, 224, 302};
constexpr Slot kSound20{"DW1kSnd", 20, 5.91, 513, 327};

int Add(d_BU& bu, const Slot& slot, double load, double moisture) {
  return BRN_SetFuel(bu, load, moisture, slot.sigma, slot.density, 18600, 2750, 0.133,
                     slot.ignitionC, 377, 0.05, slot.key, slot.size);
}

std::unique_ptr<d_BU> NewBurn() {
  auto bu = std::make_unique<d_BU>();
  BRN_Clear(*bu);
  d_BUControl control;
  control.duffMoisture = 1.0;
  BRN_SetControl(*bu, control);
  return bu;
}

// A woody bed of the consumption model's slots, in its order, dry enough to
// burn: litter, the three fine classes, 3-6 in. logs and, unless left out,
// 20+ in. logs (which smolder for hours).
std::unique_ptr<d_BU> WoodyBed(double fineMoisture, double logMoisture, bool bigLogs = true) {
  auto bu = NewBurn();
  Add(*bu, kLitter, 0.4, fineMoisture);
  Add(*bu, kOneHour, 0.1, fineMoisture);
  Add(*bu, kTenHour, 0.25, fineMoisture + 0.02);
  Add(*bu, kHundredHour, 0.4, fineMoisture + 0.04);
  Add(*bu, kSound3, 1.0, logMoisture);
  Add(*bu, kRotten3, 0.3, std::min(3.0, 2.5 * logMoisture));
  if (bigLogs) Add(*bu, kSound20, 2.0, logMoisture);
  return bu;
}

double Initial(const d_BU& bu) {
  double sum = 0;
  for (int k = 0; k < bu.number; ++k)
    sum += bu.particles[k].load;
  return sum;
}

double Remaining(const d_BU& bu) {
  double sum = 0;
  for (int k = 0; k < bu.number; ++k)
    sum += bu.particles[k].remaining;
  return sum;
}

int UsedRecords(const d_BU& bu) {
  int n = 0;
  for (const d_BERecord& r : bu.emission.Records())
    n += r.time >= 0 ? 1 : 0;
  return n;
}

}  // namespace

// ---------------------------------------------------------------------------
// Input

TEST(BurnoutInput, SetFuelRefusesEmptyLoadsAndConvertsUnits) {
  auto bu = NewBurn();
  EXPECT_EQ(Add(*bu, kLitter, 0.0, 0.1), 0);
  EXPECT_EQ(Add(*bu, kLitter, -1.0, 0.1), 0);
  EXPECT_EQ(bu->number, 0);
  ASSERT_EQ(Add(*bu, kLitter, 0.5, 0.1), 1);
  EXPECT_DOUBLE_EQ(bu->particles[0].heat, 18600000.0);  // kJ/kg to J/kg
  EXPECT_DOUBLE_EQ(bu->particles[0].ignitionK, 600.0);
  EXPECT_DOUBLE_EQ(bu->particles[0].charK, 650.0);
  for (int i = 1; i < kBUParticles; ++i)
    Add(*bu, kOneHour, 0.1, 0.1);
  EXPECT_EQ(Add(*bu, kOneHour, 0.1, 0.1), 0);  // all 20 slots taken
  EXPECT_EQ(bu->number, kBUParticles);
}

TEST(BurnoutInput, ChecksBoundsInOrderWithTheirMessages) {
  auto bu = WoodyBed(0.1, 0.3);
  ASSERT_EQ(BRN_Check(*bu), 1) << bu->message;

  const auto refused = [](const std::function<void(d_BU&)>& change) {
    auto b = WoodyBed(0.1, 0.3);
    change(*b);
    EXPECT_EQ(BRN_Check(*b), 0);
    return b->message;
  };
  EXPECT_EQ(refused([](d_BU& b) { b.control.maxSteps = 0; }),
            "Burnout: Number of iterations invalid, 0, must be > 0");
  EXPECT_EQ(refused([](d_BU& b) { b.particles[2].ash = 0.1; }),
            "Burnout: ash content out of range (fraction):     0.10, Low:    0.00 Up:    0.10");
  EXPECT_EQ(refused([](d_BU& b) { b.particles[1].moisture = 3.01; }),
            "Burnout: fuel moisture out of range (fraction):   3.01, (Limits:  0.01 ->  3.00)");
  EXPECT_EQ(refused([](d_BU& b) { b.particles[0].ignitionK = 673; }),
            "Burnout: ignition temperature out of range (C):   400.00\n Limits:   Lower:  "
            "200.00    Upper:  400.00");
  EXPECT_EQ(refused([](d_BU& b) { b.control.intensity = 39; }),
            "Burnout: igniting fire intensity out of range (kW/m2)");
  EXPECT_EQ(refused([](d_BU& b) { b.control.residence = 201; }),
            "Burnout: igniting surface fire res. time out of range (sec)");
  EXPECT_EQ(refused([](d_BU& b) { b.control.wind = 5.5; }),
            " windspeed at top of fuelbed out of range (m/sec)");
  EXPECT_EQ(refused([](d_BU& b) { b.control.depth = 0.05; }),
            "Burnout: depth of fuel bed out of range (m)\nDepth:     0.05,   Limit Low:    "
            "0.10,  High:    5.00\n");
  EXPECT_EQ(refused([](d_BU& b) { b.control.ambientC = 41; }),
            "Burnout: ambient temperature:   41 is out of range ( -40 ->   40) (C)");
  EXPECT_EQ(refused([](d_BU& b) { b.control.duffLoad = 0.01; }),
            "Burnout: duff dry weight loading,   0.01 is out of range (kg/m2), Limit:   0.02 -> "
            " 80.00");
  EXPECT_EQ(refused([](d_BU& b) { b.control.duffMoisture = 1.973; }),
            "Burnout: duff moisture out of range (fraction)");
  // the first failure is the one reported
  EXPECT_EQ(refused([](d_BU& b) {
              b.control.intensity = 39;
              b.control.wind = 9;
            }),
            "Burnout: igniting fire intensity out of range (kW/m2)");
}

TEST(BurnoutInput, EdgesTheConsumptionModelReachesAreAccepted) {
  auto bu = WoodyBed(0.1, 0.3);
  bu->control.intensity = 50;
  bu->control.duffMoisture = 1.96;
  bu->control.duffLoad = 0.022;
  // a 10-hour moisture of 3 % makes a 1-hour particle of 0.03 - 0.02
  bu->particles[1].moisture = 0.03 - 0.02;
  bu->particles[5].moisture = 3.0;
  EXPECT_EQ(BRN_Check(*bu), 1) << bu->message;
  bu->control.intensity = 40;
  EXPECT_EQ(BRN_Check(*bu), 1) << bu->message;
}

// ---------------------------------------------------------------------------
// Preparing the particles

TEST(BurnoutPrepare, OverlapOfTwoParticlesWorkedByHand) {
  auto bu = NewBurn();
  Add(*bu, kTenHour, 0.5, 0.1);
  Add(*bu, kLitter, 0.2, 0.05);  // sorted first: the larger sigma
  BRN_Run(*bu, -1, 0, 0, 0, "DuffLow");
  const d_BUParticle& litter = bu->particles[0];
  const d_BUParticle& tenHour = bu->particles[1];
  ASSERT_EQ(litter.key.str(), "Litter");
  ASSERT_EQ(tenHour.key.str(), "DW10");

  // litter on its own: a = 3.25 exp(-20 0.05^2), x = a 8200 / pi 0.2 / 513
  const double aLitter = 3.25 * std::exp(-20 * 0.05 * 0.05);
  const double xLitter = aLitter * 8200 / std::numbers::pi * 0.2 / 513;
  const double areaLitter = 1 - std::exp(-xLitter);  // 0.9656
  EXPECT_NEAR(litter.area, areaLitter, 1e-12);
  EXPECT_NEAR(litter.alone, 1 - areaLitter, 1e-12);
  EXPECT_NEAR(bu->pairs[BU_Pair(1, 1)].fraction, areaLitter, 1e-12);

  // the 10-hour with the litter: min(1, a_litter 394 / pi 0.2 / 513) and on
  // its own 1 - exp(-a_10 394 / pi 0.5 / 513); their sum is below 1
  const double withLitter = std::min(1.0, aLitter * 394 / std::numbers::pi * 0.2 / 513);
  const double a10 = 3.25 * std::exp(-20 * 0.1 * 0.1);
  const double area10 = 1 - std::exp(-a10 * 394 / std::numbers::pi * 0.5 / 513);
  EXPECT_NEAR(bu->pairs[BU_Pair(2, 1)].fraction, withLitter, 1e-12);
  EXPECT_NEAR(bu->pairs[BU_Pair(2, 2)].fraction, area10, 1e-12);
  EXPECT_NEAR(tenHour.alone, 1 - withLitter - area10, 1e-12);
  EXPECT_NEAR(bu->pairs[BU_Pair(2, 0)].load0, 0.5 * (1 - withLitter - area10), 1e-12);
}

TEST(BurnoutPrepare, DenseBedsShareTheParticleOutWithoutALonePart) {
  auto bu = NewBurn();
  Add(*bu, kOneHour, 3.0, 0.05);
  Add(*bu, kTenHour, 3.0, 0.05);
  BRN_Run(*bu, -1, 0, 0, 0, "DuffLow");
  // both pair values of the 10-hour reach 1 and more: shared out, none alone
  EXPECT_EQ(bu->particles[1].alone, 0.0);
  EXPECT_NEAR(bu->pairs[BU_Pair(2, 1)].fraction + bu->pairs[BU_Pair(2, 2)].fraction, 1.0, 1e-12);
}

TEST(BurnoutPrepare, EachComponentKeepsItsOwnParticleThroughTheSort) {
  // sound and rotten logs of one size tie at 300 % moisture; the lighter
  // rotten log then sorts first, and each must still report its own load
  auto bu = NewBurn();
  bu->control.residence = 10;  // logs alone cannot ignite in 10 s
  Add(*bu, kSound3, 2.0, 3.0);
  Add(*bu, kRotten3, 0.5, 3.0);
  EXPECT_EQ(BRN_Run(*bu, -1, 0, 0, 0, "DuffLow"), 2);
  EXPECT_EQ(bu->particles[0].key.str(), "DW1kRot");
  EXPECT_DOUBLE_EQ(BRN_Remaining(*bu, "DW1kSnd", 3), 2.0);
  EXPECT_DOUBLE_EQ(BRN_Remaining(*bu, "dw1krot", 3), 0.5);
  EXPECT_DOUBLE_EQ(BRN_RemainingKey(*bu, "DW1kSnd"), 2.0);
  EXPECT_EQ(BRN_Remaining(*bu, "DW1kSnd", 6), 0.0);
}

// ---------------------------------------------------------------------------
// Running

TEST(BurnoutRun, RefusesAMissingDuffTypeOrAnEmptyBed) {
  auto bu = WoodyBed(0.1, 0.3);
  EXPECT_EQ(BRN_Run(*bu, -1, 0, 0, 0, ""), 0);
  EXPECT_EQ(bu->message, "ERROR- d_BU:BRN_Run() - Missing Duff Type");
  auto empty = NewBurn();
  EXPECT_EQ(BRN_Run(*empty, -1, 0, 0, 0, "DuffLow"), 0);
  EXPECT_EQ(empty->message, "ntimes == 0 || number == 0");
}

TEST(BurnoutRun, ABedThatDoesNotIgniteIsLeftAlone) {
  auto bu = NewBurn();
  bu->control.residence = 10;
  bu->control.duffLoad = 2.0;
  Add(*bu, kSound20, 3.0, 0.6);
  EXPECT_EQ(BRN_Run(*bu, -1, 1.0, 1.0, 0.5, "DuffLow"), 2);
  EXPECT_DOUBLE_EQ(BRN_Remaining(*bu, "DW1kSnd", 20), 3.0);
  EXPECT_EQ(UsedRecords(*bu), 0);
  EXPECT_EQ(bu->emission.Steps(), 0);
  EXPECT_EQ(bu->emission.FlameMass() + bu->emission.SmolderMass(), 0.0);
}

TEST(BurnoutRun, RecordsStartAtTheResidenceTimeAndFollowEveryStep) {
  auto bu = WoodyBed(0.08, 0.3, false);
  ASSERT_EQ(BRN_Run(*bu, -1, 0, 0, 0, "DuffLow"), 1) << bu->message;
  const auto& records = bu->emission.Records();
  const int used = UsedRecords(*bu);
  ASSERT_GT(used, 3);
  EXPECT_DOUBLE_EQ(records[0].time, 60.0);
  for (int i = 1; i < used; ++i)
    EXPECT_DOUBLE_EQ(records[i].time, 60.0 + 15.0 * i) << i;
  EXPECT_EQ(bu->emission.Steps(), used);
  // the last step is the first that is quiet: 0.1 kW/m2 or less, no duff
  EXPECT_LE(records[used - 1].intensity, 0.1);
  for (int i = 0; i + 1 < used; ++i)
    EXPECT_GT(records[i].intensity, 0.1) << i;
}

TEST(BurnoutRun, ABurnConservesMassAndBurnsADryFineBedOut) {
  auto bu = WoodyBed(0.06, 0.2);
  ASSERT_EQ(BRN_Run(*bu, -1, 0, 0, 0, "DuffLow"), 1) << bu->message;
  // no duff, herbs, shrubs or crown: what was emitted from is what burned
  const double burned = bu->emission.FlameMass() + bu->emission.SmolderMass();
  EXPECT_NEAR(burned + Remaining(*bu), Initial(*bu), 1e-9);
  for (int k = 0; k < bu->number; ++k) {
    const d_BUParticle& p = bu->particles[k];
    EXPECT_GE(p.remaining, -1e-12) << p.key.str();
    EXPECT_LE(p.remaining, p.load + 1e-12) << p.key.str();
    EXPECT_TRUE(std::isfinite(p.remaining) && std::isfinite(p.burnout)) << p.key.str();
  }
  EXPECT_LT(BRN_RemainingKey(*bu, "Litter"), 1e-6);
  EXPECT_LT(BRN_RemainingKey(*bu, "DW1"), 1e-6);
  EXPECT_LT(BRN_RemainingKey(*bu, "DW10"), 1e-6);
  // the big logs outlast the fine fuel
  EXPECT_GT(bu->particles[6].burnout, bu->particles[0].burnout);
}

TEST(BurnoutRun, MoreMoistureNeverBurnsMore) {
  double previous = -1;
  for (const double moisture : {0.04, 0.08, 0.12, 0.2, 0.3, 0.5}) {
    auto bu = WoodyBed(moisture, moisture + 0.15);
    const int result = BRN_Run(*bu, -1, 0, 0, 0, "DuffLow");
    ASSERT_NE(result, 0) << bu->message;
    const double burned = Initial(*bu) - Remaining(*bu);
    if (previous >= 0) {
      EXPECT_LE(burned, previous + 1e-9) << moisture;
    }
    previous = burned;
  }
}

TEST(BurnoutRun, FineFuelThatBurnsInTheFlameFrontIsFlaming) {
  auto bu = NewBurn();
  Add(*bu, kLitter, 0.5, 0.06);
  ASSERT_EQ(BRN_Run(*bu, -1, 0, 0, 0, "DuffLow"), 1) << bu->message;
  EXPECT_GT(bu->emission.FlameMass(), bu->emission.SmolderMass());
  EXPECT_NEAR(bu->emission.FlameMass() + bu->emission.SmolderMass(), 0.5 - Remaining(*bu), 1e-9);
}

TEST(BurnoutRun, TheDuffSmoldersByItsType) {
  auto bu = WoodyBed(0.08, 0.3);
  bu->control.duffLoad = 4.0;
  bu->control.duffMoisture = 0.5;
  ASSERT_EQ(BRN_Run(*bu, 40, 0, 0, 0, "DuffHigh"), 1) << bu->message;
  // 22.5 - 8.1 M; 40 % over 0.4 x 10000 x 4 / (7.5 - 2.7 M) s
  EXPECT_NEAR(bu->duff.intensity, 22.5 - 8.1 * 0.5, 1e-12);
  EXPECT_NEAR(bu->duff.duration, 0.4 * 10000 * 4 / (7.5 - 2.7 * 0.5), 1e-9);
  EXPECT_NEAR(bu->duff.mass, 0.4 * 4, 1e-12);
  // the burn lasts until the duff is gone, and all of it is emitted from
  const auto& records = bu->emission.Records();
  EXPECT_GE(records[UsedRecords(*bu) - 1].time, bu->duff.duration);
  const double woody = Initial(*bu) - Remaining(*bu);
  EXPECT_NEAR(bu->emission.FlameMass() + bu->emission.SmolderMass(), woody + 1.6, 1e-9);

  auto wet = WoodyBed(0.08, 0.3);
  wet->control.duffLoad = 4.0;
  wet->control.duffMoisture = 1.96;
  ASSERT_EQ(BRN_Run(*wet, -1, 0, 0, 0, "DuffHigh"), 1) << wet->message;
  EXPECT_EQ(wet->duff.mass, 0.0);
  EXPECT_EQ(wet->duff.intensity, 0.0);
}

TEST(BurnoutRun, HerbsShrubsAndCrownAddToTheFlames) {
  auto bu = WoodyBed(0.08, 0.3);
  ASSERT_EQ(BRN_Run(*bu, -1, 0, 0, 0, "DuffLow"), 1);
  const double woodyOnly = bu->emission.FlameMass();
  const double firstIntensity = bu->emission.Records()[0].intensity;

  auto more = WoodyBed(0.08, 0.3);
  ASSERT_EQ(BRN_Run(*more, -1, 4.0, 8.0, 1.5, "DuffLow"), 1);
  // 12 tons/acre of herbs and shrubs and 1.5 of crown, all flaming
  EXPECT_NEAR(more->emission.FlameMass() - woodyOnly, (12.0 + 1.5) / 4.46, 1e-9);
  // the first step adds 5 tons/acre of them over 60 s and the crown
  const double added = (5.0 + 1.5) * 367.30945 / 60 * 11.35;
  EXPECT_NEAR(more->emission.Records()[0].intensity - firstIntensity, added, 1e-6);
  // then 2.5 tons/acre over 15 s
  EXPECT_GT(more->emission.Records()[1].intensity - bu->emission.Records()[1].intensity,
            2.5 * 367.30945 / 15 * 11.35 - 1e-6);
}

TEST(BurnoutRun, EmissionsFollowTheFactorsWhileTheRecordsKeepTheIntensity) {
  auto zero = WoodyBed(0.08, 0.3);
  BRN_SetEmission(*zero, {}, {}, {}, 0);
  ASSERT_EQ(BRN_Run(*zero, -1, 0, 0, 0, "DuffLow"), 1);
  for (const double v : zero->emission.FlameTotals())
    EXPECT_EQ(v, 0.0);
  for (const double v : zero->emission.SmolderTotals())
    EXPECT_EQ(v, 0.0);
  EXPECT_GT(zero->emission.Records()[0].intensity, 0.0);

  // the fixed factors: PM2.5 2.604 g/kg flaming, 22.644 smoldering
  auto fixed = WoodyBed(0.08, 0.3);
  BRN_SetEmission(*fixed, {}, {}, {}, -1);
  ASSERT_EQ(BRN_Run(*fixed, -1, 0, 0, 0, "DuffLow"), 1);
  const c_BurnEmission& e = fixed->emission;
  EXPECT_NEAR(e.FlameTotals()[kBE_PM25], 2.604 * e.FlameMass(), 1e-9);
  EXPECT_NEAR(e.SmolderTotals()[kBE_PM25], 22.644 * e.SmolderMass(), 1e-9);
  EXPECT_GT(e.EndOfSmoldering(), e.EndOfFlaming());
}

TEST(BurnoutRun, OutputsStayFiniteOnExtremeBeds) {
  const auto check = [](d_BU& bu) {
    const int result = BRN_Run(bu, -1, 30, 30, 10, "PeatHigh");
    ASSERT_NE(result, 0) << bu.message;
    for (int k = 0; k < bu.number; ++k) {
      EXPECT_TRUE(std::isfinite(bu.particles[k].remaining));
      EXPECT_TRUE(std::isfinite(bu.particles[k].intensity));
    }
    for (const d_BERecord& r : bu.emission.Records()) {
      EXPECT_TRUE(std::isfinite(r.intensity));
      for (const double v : r.emitted)
        EXPECT_TRUE(std::isfinite(v));
    }
  };
  auto dry = WoodyBed(0.02, 0.05);
  dry->control.intensity = 100000;
  dry->control.wind = 5;
  check(*dry);
  auto heavy = NewBurn();
  heavy->control.duffLoad = 80;
  heavy->control.duffMoisture = 0.1;
  Add(*heavy, kSound20, 500, 0.1);
  Add(*heavy, kLitter, 1e-7, 2.9);
  check(*heavy);
}

// ---------------------------------------------------------------------------
// Output files

TEST(BurnoutFiles, NamedFilesAreWrittenAndFramesGoToTheGivenStream) {
  TempFolder folder;
  auto bu = WoodyBed(0.08, 0.3, false);
  std::ostringstream frames;
  bu->standardOutput = &frames;
  bu->files.consumed = (folder.path() / "consumed.txt").string();
  bu->files.emissions = "#FRAMES#";
  bu->files.table = (folder.path() / "table.csv").string();
  ASSERT_EQ(BRN_Run(*bu, -1, 1, 1, 0.5, "DuffLow"), 1) << bu->message;

  const int steps = bu->emission.Steps();
  const std::string text = frames.str();
  EXPECT_EQ(text.rfind("Emis-Start\n Column  1: Time since ignition, seconds\n", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - 9), "Emis-End\n");
  std::istringstream lines(text);
  int dataLines = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.size() == 4 + 13 * 9) ++dataLines;
  }
  EXPECT_EQ(dataLines, steps);
  EXPECT_EQ(text.find("   1  60.0000"), text.find("\n   1 ") + 1);

  std::ifstream consumed(folder.path() / "consumed.txt");
  std::string first;
  std::getline(consumed, first);
  EXPECT_EQ(first, "Column 1: Fuel component");
  std::ifstream table(folder.path() / "table.csv");
  std::string heading, names;
  std::getline(table, heading);
  std::getline(table, names);
  EXPECT_EQ(heading, "FI = Fire intensity (kW/m2/sec) Con = Consumed (tons/acre ),,,,,,,,,,,");
  EXPECT_EQ(names.rfind("Seconds,Duff-FI,Duff-Con,", 0), 0u);
}

TEST(BurnoutFiles, AnUnopenableFileFailsTheRun) {
  auto bu = WoodyBed(0.08, 0.3);
  bu->files.table = "/nonexistent-folder/table.csv";
  EXPECT_EQ(BRN_Run(*bu, -1, 0, 0, 0, "DuffLow"), 0);
  EXPECT_EQ(bu->message,
            "Can't Open File: /nonexistent-folder/table.csv \n NOTE--> Is it alredy open ?");
  auto emis = WoodyBed(0.08, 0.3);
  emis->files.emissions = "@/nonexistent-folder/emis.txt";
  EXPECT_EQ(BRN_Run(*emis, -1, 0, 0, 0, "DuffLow"), 0);
  EXPECT_EQ(emis->message, "Can't Open Output Time Step Emissions File");
}

}  // namespace sylvanor
