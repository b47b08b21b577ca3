#include "engine/BroadcastBurn.h"

#include <memory>
#include <string>

#include "base/Keyword.h"
#include "treat/Consumption.h"
#include "treat/PostBurnMortality.h"

namespace sylvanor {

namespace {

// The share of size classes 3 and 4 (9-12 and 12-20 in) in the consumption
// model's 9-20 in class; both 0 when it is empty.
struct d_ClassShares {
  float SC3 = 0, SC4 = 0;
};

d_ClassShares SharesOf(float sc3, float sc4) {
  const float sum = sc3 + sc4;
  if (sum == 0.0f) return {};
  return {sc3 / sum, sc4 / sum};
}

// The five size classes from the model's four log classes.
void FromLogClasses(const std::array<d_ConLog, kLogClasses>& logs, float d_ConLog::*value,
                    d_ClassShares shares, std::array<float, kSizeClasses>& classes) {
  classes[0] = logs[0].*value;
  classes[1] = logs[1].*value;
  classes[2] = logs[2].*value * shares.SC3;
  classes[3] = logs[2].*value * shares.SC4;
  classes[4] = logs[3].*value;
}

// A value of every component of the model (after the burn, or consumed) to
// the surface fuel record; lichen and moss are not the model's.
void ToSurfaceFuel(const d_ConOut& out, float d_ConComp::*value, float d_ConLog::*log,
                   d_ClassShares snd, d_ClassShares rot, d_SurfaceFuel& f) {
  f.Duff = out.Duff.*value;
  f.Litter = out.Litter.*value;
  f.Grass = out.Herb.*value;
  f.Shrub = out.Shrub.*value;
  f.Hr1 = out.Hr1.*value;
  f.Hr10 = out.Hr10.*value;
  f.Hr100 = out.Hr100.*value;
  FromLogClasses(out.SndLog, log, snd, f.Snd);
  FromLogClasses(out.RotLog, log, rot, f.Rot);
}

d_ConIn ConsumptionInput(const d_Settings& s, const d_SurfaceFuel& f) {
  d_ConIn in;
  in.DuffLoad = f.Duff;
  in.Litter = f.Litter;
  in.Hr1 = f.Hr1;
  in.Hr10 = f.Hr10;
  in.Hr100 = f.Hr100;
  in.Herb = f.Grass;
  in.Shrub = f.Shrub;
  in.CrownFoliage = f.Lichen + f.Moss;
  in.CrownBranch = 0;
  in.PctCrownBurned = s.MLCons * 100.0f;
  in.DuffDepth = s.DuffDepth;
  in.DuffMoist = s.DuffMoist;
  in.Moist10Hr = s.Moist10Hr;
  in.Moist1kHr = s.Moist1kHr;
  in.Region = s.Region.str();
  in.Season = s.Season.str();
  in.Snd = {f.Snd[0], f.Snd[1], f.Snd[2] + f.Snd[3], f.Snd[4]};
  in.Rot = {f.Rot[0], f.Rot[1], f.Rot[2] + f.Rot[3], f.Rot[4]};
  in.CriFirInt = s.CriFirInt;
  if (s.CriFirInt >= 0) {
    in.Flame = s.EmisFlame;
    in.Smolder = s.EmisSmolder;
    in.Duff = s.EmisDuff;
  }
  in.DuffType = "PeatLow";
  in.FuelCategory = "NATURAL";
  in.DuffMoistMethod = "ENTIRE";
  return in;
}

// The totals, factors and time history of the burn's smoke.
void KeepEmissions(const d_ConOut& out, const d_BU& bu, d_Stand& std) {
  d_EmiTotals& e = std.Emis;
  e.Flame = out.EmiFlame;
  e.Smolder = out.EmiSmolder;
  e.FlameFactors = out.FacFlame;
  e.SmolderFactors = out.FacSmolder;
  e.FlaCon = out.FlaCon;
  e.SmoCon = out.SmoCon;
  e.DufCon = out.DufCon;
  const auto& records = bu.emission.Records();
  for (std::size_t i = 0; i < kEmiSteps; ++i) {
    d_EmiStep& step = std.EmiSteps[i];
    if (records[i].time < 0) {
      step = {};
      continue;
    }
    for (std::size_t p = 0; p < kPollutants; ++p)
      step.Emitted[p] = static_cast<float>(records[i].emitted[p]);
    step.Intensity = static_cast<float>(records[i].intensity);
  }
}

}  // namespace

int BBC_Mngr(d_Exec& x) {
  d_SurfaceFuel& f = x.std.AGF;
  d_ConIn in = ConsumptionInput(x.set, f);
  const d_ClassShares snd = SharesOf(f.Snd[2], f.Snd[3]);
  const d_ClassShares rot = SharesOf(f.Rot[2], f.Rot[3]);
  if (!x.burnout) x.burnout = std::make_unique<d_BU>();
  d_ConOut out;
  std::string message;
  if (!CON_Mngr(in, out, message, *x.burnout)) {
    x.std.ErrMes = message;
    return 0;
  }
  d_BurnResults& burn = x.std.Burn;
  burn.Ignition = out.Ignition;
  KeepEmissions(out, *x.burnout, x.std);

  ToSurfaceFuel(out, &d_ConComp::Post, &d_ConLog::Post, snd, rot, f);
  d_SurfaceFuel& con = burn.Consumed;
  ToSurfaceFuel(out, &d_ConComp::Con, &d_ConLog::Con, snd, rot, con);
  burn.ConTotal = out.TotCon;
  burn.ConLargeWoody = out.Snd.Con + out.Rot.Con;

  // lichen and moss burn by their own share, ignition or not
  con.Lichen = f.Lichen * x.set.MLCons;
  con.Moss = f.Moss * x.set.MLCons;
  f.Lichen -= con.Lichen;
  f.Moss -= con.Moss;
  return 1;
}

int BBC_Mortality(d_Exec& x) {
  const d_Settings& s = x.set;
  x.std.ScoHgt = s.ScoHgt;
  d_Context& ctx = x.ctx;
  const std::string path = s.UserFolder.str();
  if (!ctx.Mortality || ctx.MortalityPath != path) {
    auto table = std::make_shared<MortalityTable>();
    std::string message;
    if (!MRT_LoadSpeFile(path, *table, message)) {
      x.std.ErrMes = message;
      return 0;
    }
    ctx.Mortality = std::move(table);
    ctx.MortalityPath = path;
  }
  std::string message;
  if (!MRT_TreeList(ctx.Trees, *ctx.Species, *ctx.Mortality, s.ScoHgt, message)) {
    x.std.ErrMes = message;
    return 0;
  }
  x.std.ScoLitter = MRT_ScorchedFoliage(ctx.Trees, *ctx.Species, s.LayWid, s.ScoHgt, x.shares);
  x.std.AGF.Litter += x.std.ScoLitter;
  x.std.Burn.KilledBasal = MRT_KilledBasalArea(ctx.Trees);
  return 1;
}

}  // namespace sylvanor
