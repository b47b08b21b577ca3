#include "treat/Consumption.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/Keyword.h"
#include "stand/UnitFactors.h"
#include "treat/BurnEmission.h"
#include "treat/ConsumptionCheck.h"
#include "treat/DuffConsumption.h"
#include "treat/PlantConsumption.h"

namespace sylvanor {

namespace {

constexpr double kTonsAcre = kBUTonsAcrePerKgM2;  // tons/acre per kg/m2
constexpr float kEmptyOneHour = 1e-7f;            // kg/m2 simulated for a 1-hour load of 0
constexpr int kBurnout = 999;                     // consumed as the burnout finds it
constexpr int kLitterPinFlaWoo = 997;
constexpr int kLitterSouthEast = 998;
constexpr int kCoastalPlain = 30;

// The component keys of the burnout, and the log class sizes (in).
constexpr std::string_view kKeyLitter = "Litter", kKeyHr1 = "DW1", kKeyHr10 = "DW10",
                           kKeyHr100 = "DW100", kKeySound = "DW1kSnd", kKeyRotten = "DW1kRot";
constexpr std::array<int, kLogClasses> kLogSizes = {3, 6, 9, 20};

// The fixed factor keys in the reported order.
constexpr std::array<std::string_view, kPollutants> kFixedKeys = {"pm25", "pm10", "ch4", "co2",
                                                                  "co",   "nox",  "so2"};

bool OverrideOn(const d_ConIn& in) {
  return SameKeyword(in.Override, "Yes");
}

// With the override on, a litter number 997, 998 or 999 replaces the
// chosen equation; 999 then consumes all the litter.
bool LitterOverridden(const d_ConIn& in) {
  return OverrideOn(in) && (in.OvLitter == kLitterPinFlaWoo || in.OvLitter == kLitterSouthEast ||
                            in.OvLitter == kBurnout);
}

// The litter equation chosen by cover and region, or the override's.
int LitterEquation(const d_ConIn& in) {
  if (LitterOverridden(in)) return in.OvLitter;
  if (CON_CoverGroup(in.CoverGroup) == CoverGroup::PinFlaWoo) return kLitterPinFlaWoo;
  if (SameKeyword(in.Region, "SouthEast")) return kLitterSouthEast;
  return kBurnout;
}

// The litter an equation consumes; the burnout's own finding for 999 is
// taken after the run, so here 999 stands for all of it.
float LitterByEquation(const d_ConIn& in, int eq) {
  if (eq == kLitterPinFlaWoo) return CON_Litter997(in.Litter, in.Moist10Hr);
  if (eq == kLitterSouthEast) return static_cast<float>(0.8 * in.Litter);
  return in.Litter;
}

// What the burnout consumed of a component key, tons/acre: the load before
// less what remains of every particle under the key, the remainder kept
// within 0 and the load.
float ConsumedByBurnout(const d_BU& bu, std::string_view key, float pre) {
  if (pre == 0.0f) return 0.0f;
  const double remaining =
      std::clamp(BRN_RemainingKey(bu, std::string(key)) * kTonsAcre, 0.0, static_cast<double>(pre));
  return static_cast<float>(pre - remaining);
}

void Fill(d_ConComp& c, int eq, float pre, float con) {
  c.Eq = eq;
  c.Pre = pre;
  c.Con = con;
  Fue_CalcPP(pre, con, c.Post, c.Pct);
}

// The particles of the burnout in their order, with the moisture rules of
// the down woody fuels: the 1-hour 2 points drier than the 10-hour, the
// 100-hour 2 points wetter; rotten logs 2.5 times as wet as sound ones, at
// most 3.
void AddParticles(const d_ConIn& in, const d_ConOut& out, d_BU& bu) {
  const double m10 = in.Moist10Hr / 100.0;
  const double sound = in.Moist1kHr / 100.0;
  const double rotten = std::min(3.0, 2.5 * sound);
  std::array<double, kConSlots> moisture = {m10 - 0.02, m10 - 0.02, m10,   m10 + 0.02,
                                            sound,      rotten,     sound, rotten,
                                            sound,      rotten,     sound, rotten};
  float litter = 0;
  if (out.Litter.Eq == kCoastalPlain) {
    litter = out.Litter.Con;
    moisture[0] = in.LitterMoist / 100.0;
  } else {
    litter = LitterByEquation(in, LitterEquation(in));
  }
  if (in.MoistOverride) {
    for (std::size_t i = 0; i < kConSlots; ++i)
      moisture[i] = in.Particles[i].Moisture;
  }
  std::array<double, kConSlots> load = {litter / kTonsAcre, in.Hr1 / kTonsAcre, in.Hr10 / kTonsAcre,
                                        in.Hr100 / kTonsAcre};
  if (load[1] == 0) load[1] = kEmptyOneHour;
  for (std::size_t c = 0; c < kLogClasses; ++c) {
    load[4 + 2 * c] = in.Snd[c] / kTonsAcre;
    load[5 + 2 * c] = in.Rot[c] / kTonsAcre;
  }
  const auto key = [](std::size_t i) -> std::string_view {
    if (i < 4) return std::array{kKeyLitter, kKeyHr1, kKeyHr10, kKeyHr100}[i];
    return i % 2 == 0 ? kKeySound : kKeyRotten;
  };
  for (std::size_t i = 0; i < kConSlots; ++i) {
    const d_ConParticle& p = in.Particles[i];
    const int size = i < 4 ? 0 : kLogSizes[(i - 4) / 2];
    BRN_SetFuel(bu, load[i], moisture[i], p.Sigma, p.Density, p.Heat, p.HeatCapacity,
                p.Conductivity, p.IgnitionC, p.CharC, p.Ash, std::string(key(i)), size);
  }
}

void LogClasses(const d_ConIn& in, const d_BU& bu, d_ConOut& out) {
  const auto classes = [&](const std::array<float, kLogClasses>& pre, std::string_view key,
                           std::array<d_ConLog, kLogClasses>& logs, d_ConComp& total) {
    total = {kBurnout, 0, 0, 0, 0};
    for (std::size_t c = 0; c < kLogClasses; ++c) {
      d_ConLog& log = logs[c];
      log.Pre = pre[c];
      const double left = BRN_Remaining(bu, std::string(key), kLogSizes[c]) * kTonsAcre;
      log.Con = static_cast<float>(std::max(0.0, log.Pre - left));
      log.Post = log.Pre - log.Con;
      log.Pct = log.Pre == 0 ? 0 : log.Con >= log.Pre ? 100 : log.Con / log.Pre * 100;
      total.Pre += log.Pre;
      total.Con += log.Con;
      total.Post += log.Post;
    }
    total.Pct = total.Pre == 0 ? 0 : total.Con / total.Pre * 100;
  };
  classes(in.Snd, kKeySound, out.SndLog, out.Snd);
  classes(in.Rot, kKeyRotten, out.RotLog, out.Rot);
}

void Emissions(const d_BU& bu, d_ConOut& out) {
  const c_BurnEmission& e = bu.emission;
  for (std::size_t i = 0; i < kPollutants; ++i) {
    out.EmiFlame[i] = static_cast<float>(e.FlameTotals()[i] * kLbAcrePerGm2<double>);
    out.EmiSmolder[i] = static_cast<float>(e.SmolderTotals()[i] * kLbAcrePerGm2<double>);
    double flaming = 0, smoldering = 0;
    BE_FixedFactor(kFixedKeys[i], flaming, smoldering);
    out.FacFlame[i] = static_cast<float>(flaming);
    out.FacSmolder[i] = static_cast<float>(smoldering);
  }
  // the smoldering mass holds the duff's only where the duff has a factor
  // set of its own
  out.FlaCon = static_cast<float>(e.FlameMass());
  out.DufCon = static_cast<float>(e.DuffMass());
  out.SmoCon =
      static_cast<float>(e.FixedFactorMode() ? e.SmolderMass() : e.SmolderMass() - e.DuffMass());
  out.DuffIntensity = static_cast<float>(bu.duff.intensity);
  out.DuffDuration = static_cast<float>(bu.duff.duration);
}

// A burn that does not ignite consumes nothing.
void NoIgnition(d_ConOut& out) {
  for (d_ConComp* c : {&out.Litter, &out.Hr1, &out.Hr10, &out.Hr100, &out.Snd, &out.Rot, &out.Duff,
                       &out.Herb, &out.Shrub, &out.CroFol, &out.CroBra, &out.DuffDepth}) {
    c->Con = c->Pct = 0;
    c->Post = c->Pre;
  }
  for (auto* logs : {&out.SndLog, &out.RotLog}) {
    for (d_ConLog& log : *logs) {
      log.Con = log.Pct = 0;
      log.Post = log.Pre;
    }
  }
}

void Totals(d_ConOut& out) {
  out.TotPre = out.TotCon = out.TotPost = 0;
  for (const d_ConComp* c : {&out.Litter, &out.Hr1, &out.Hr10, &out.Hr100, &out.Snd, &out.Rot,
                             &out.Duff, &out.Herb, &out.Shrub, &out.CroFol, &out.CroBra}) {
    out.TotPre += c->Pre;
    out.TotCon += c->Con;
    out.TotPost += c->Post;
  }
  out.TotFrac = out.TotPre == 0 ? 0 : out.TotCon / out.TotPre;
}

}  // namespace

void Fue_CalcPP(float pre, float con, float& post, float& pct) {
  if (pre == 0.0f) {
    post = pct = 0.0f;
    return;
  }
  post = pre - con;
  pct = con / pre * 100.0f;
}

int CON_Surface(const d_ConIn& in, d_ConOut& out, std::string& message) {
  if (!CON_ChkInputs(in, message)) return 0;
  out.Duff.Pre = in.DuffLoad;

  d_DufRes res;
  DUF_Mngr(in, res);
  d_ConComp& duff = out.Duff;
  duff.Eq = res.PctEq;
  if (in.DuffLoad == 0.0f) {
    duff.Con = duff.Post = duff.Pct = 0;
  } else {
    duff.Con = std::min(in.DuffLoad, static_cast<float>(in.DuffLoad * res.Pct / 100.0));
    duff.Post = in.DuffLoad - duff.Con;
    duff.Pct = res.Pct;
  }
  d_ConComp& depth = out.DuffDepth;
  depth.Eq = res.DepthEq;
  depth.Pre = in.DuffDepth;
  if (in.DuffDepth == 0.0f) {
    depth.Con = depth.Post = depth.Pct = 0;
  } else {
    depth.Con = res.Depth;
    depth.Post = in.DuffDepth - res.Depth;
    depth.Pct = res.Depth / in.DuffDepth * 100.0f;
  }
  out.MinSoil = res.MinSoil;
  out.MinSoilEq = res.MinSoilEq;

  if (res.LitterEq == kCoastalPlain) {
    d_ConComp& litter = out.Litter;
    litter.Eq = kCoastalPlain;
    litter.Pre = in.Litter;
    litter.Con = static_cast<float>(in.Litter * res.LitterPct / 100.0);
    litter.Post = in.Litter - litter.Con;
    litter.Pct = res.LitterPct;
  }
  CON_Herb(in, out.Herb);
  CON_Shrub(in, out.Shrub);
  CON_CrownFoliage(in, out.CroFol);
  CON_CrownBranch(in, out.CroBra);
  return 1;
}

int CON_Woody(const d_ConIn& in, d_ConOut& out, std::string& message, d_BU& bu) {
  if (!CON_ChkWoody(in, message)) return 0;
  BRN_Clear(bu);
  BRN_SetEmission(bu, in.Flame, in.Smolder, in.Duff, in.CriFirInt);
  d_BUControl control = in.Control;
  control.duffLoad = in.DuffLoad / kTonsAcre;
  control.duffMoisture = in.DuffMoist / 100.0;
  BRN_SetControl(bu, control);
  bu.files = in.Files;
  AddParticles(in, out, bu);

  if (!BRN_Check(bu)) {
    message = bu.message;
    return 0;
  }
  const int run = BRN_Run(bu, in.PctDuffConsumed, out.Herb.Con, out.Shrub.Con,
                          out.CroFol.Con + out.CroBra.Con, in.DuffType);
  if (run == 0) {
    message = bu.message;
    return 0;
  }
  out.Ignition = run == 2 ? "NO" : "YES";

  if (out.Litter.Eq != kCoastalPlain) {
    const int eq = LitterEquation(in);
    Fill(out.Litter, eq, in.Litter,
         eq == kBurnout && !LitterOverridden(in) ? ConsumedByBurnout(bu, kKeyLitter, in.Litter)
                                                 : LitterByEquation(in, eq));
  }
  Fill(out.Hr1, kBurnout, in.Hr1, ConsumedByBurnout(bu, kKeyHr1, in.Hr1));
  Fill(out.Hr10, kBurnout, in.Hr10, ConsumedByBurnout(bu, kKeyHr10, in.Hr10));
  Fill(out.Hr100, kBurnout, in.Hr100, ConsumedByBurnout(bu, kKeyHr100, in.Hr100));
  LogClasses(in, bu, out);
  Emissions(bu, out);

  if (run == 2) {
    NoIgnition(out);
    return 2;
  }
  return 1;
}

int CON_Mngr(d_ConIn& in, d_ConOut& out, std::string& message, d_BU& bu) {
  message.clear();
  out = {};
  if (!CON_Surface(in, out, message)) return 0;
  in.PctDuffConsumed = OverrideOn(in) ? out.DuffDepth.Pct : out.Duff.Pct;
  const int result = CON_Woody(in, out, message, bu);
  if (result == 0) return 0;
  Totals(out);
  return result;
}

}  // namespace sylvanor
