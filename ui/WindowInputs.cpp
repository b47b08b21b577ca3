#include "ui/WindowInputs.h"

#include "io/WindowText.h"

namespace sylvanor {

const std::array<const char*, 20> kFuelLabels = {"Duff",
                                                 "Litter",
                                                 "Lichen",
                                                 "Moss",
                                                 "Herb",
                                                 "Shrub",
                                                 "1 Hour",
                                                 "10 Hour",
                                                 "100 Hour",
                                                 "1000 Hr Sound 1",
                                                 "1000 Hr Sound 2",
                                                 "1000 Hr Sound 3",
                                                 "1000 Hr Sound 4",
                                                 "1000 Hr Sound 5",
                                                 "1000 Hr Rotten 1",
                                                 "1000 Hr Rotten 2",
                                                 "1000 Hr Rotten 3",
                                                 "1000 Hr Rotten 4",
                                                 "1000 Hr Rotten 5",
                                                 "Pretreatment Existing Pile"};

bool ReadTreatment(const d_WindowInputs& in, d_TMS& t, std::string& message) {
  const std::pair<const std::string*, std::pair<const char*, float*>> boxes[] = {
      {&in.ThinTarget, {"Thin To Target", &t.ThiCriVal}},
      {&in.CutEff, {"Cut Efficiency %", &t.CutEff}},
      {&in.MinDia, {"Minimum <DBH>", &t.MinCutDia}},
      {&in.MaxDia, {"Maximum <DBH>", &t.MaxCutDia}},
      {&in.MerchDia, {"Merch dia >=", &t.SubMerDia}},
      {&in.TopDia, {"Top Diameter", &t.LogTopDia}},
      {&in.YardLoss, {"Yard Loss %", &t.Yardloss}},
      {&in.PruneHgt, {"Height", &t.PrunHgt}},
      {&in.PruneMRCR, {"M R C R %", &t.PrunMRCR}},
      {&in.PileSlash, {"Slash %", &t.PilSlaPct}},
      {&in.PileConsumed, {"Consumed %", &t.PilBurPct}},
      {&in.PileSurface, {"Surface %", &t.PilGroPct}},
      {&in.ScorchHgt, {"Scorch Hgt (ft)", &t.ScoHgt}},
      {&in.Moist10Hr, {" 10 Hr", &t.Moist10Hr}},
      {&in.Moist1kHr, {"1k Hr", &t.Moist1kHr}},
      {&in.MossLichen, {"Moss+Lichen %", &t.MLCons}},
      {&in.DuffDepth, {"Pre-burn Duff Depth (in)", &t.DuffDepth}},
      {&in.DuffMoist, {"Moisture", &t.DuffMoist}},
      {&in.HerbSAV, {"Grass SAV", &t.GrassSAV}},
      {&in.ShrubSAV, {"Shrub SAV", &t.ShrubSAV}},
      {&in.OneHrSAV, {"1 Hr SAV", &t.OneHrSAV}},
      {&in.BedDepth, {"Fuel Bed Depth", &t.FueBedDep}}};
  for (const auto& [text, box] : boxes) {
    if (!StrToFloat(*text, *box.second, box.first, message)) {
      message += "\nPlease fill in all inputs, Use a 0 for any unused inputs";
      return false;
    }
  }
  t.TreatName = in.TreatName;
  t.ThinInc = in.Thin ? "Yes" : "No";
  t.ThinCrit = in.ThinCrit;
  t.PrunInc = in.Prune ? "Yes" : "No";
  t.PileInc = in.Pile ? "Yes" : "No";
  t.BroBurInc = in.Burn ? "Yes" : "No";
  t.Region = in.Region;
  t.Season = in.Season;
  t.FueModSet = in.ModelSet;
  t.Climate = in.Climate;
  message.clear();
  return true;
}

bool ReadFuel(const d_WindowInputs& in, d_SurfaceFuel& fuel, std::string& message) {
  const auto loads = Loads(fuel);
  for (std::size_t k = 0; k < loads.size(); ++k) {
    if (!StrToFloat(in.Fuel[k], *loads[k], kFuelLabels[k], message)) return false;
  }
  message.clear();
  return true;
}

}  // namespace sylvanor
