#include "engine/CrownFireDriver.h"

#include <algorithm>
#include <filesystem>

#include "base/CFormat.h"
#include "base/TextUtil.h"

namespace sylvanor {

namespace {

constexpr float kIndexLimit = 100.0f;  // mph; the model's raw value stays in the outputs

// The stand values of one state, read from the engine.
struct d_HalStand {
  float Cbd, Cbh, CrownFuel, OneHr, Litter, TenHr, HundredHr, Grass, Shrub, Cover, Height;
};

void TakeStand(d_HDI& in, float deadMx, const d_HalStand& s) {
  in.CanopyBulkDensity = std::max(s.Cbd, 0.0f);
  in.CanopyBaseHeight = std::max(s.Cbh, 0.0f);
  in.CrownFuelLoad = s.CrownFuel;
  in.OneHr = s.OneHr + s.Litter;
  in.TenHr = s.TenHr;
  in.HundredHr = s.HundredHr;
  in.Litter = s.Litter;
  in.Herb = s.Grass;
  in.Woody = s.Shrub;
  in.DeadMxExtinction = deadMx >= 0 ? static_cast<int>(deadMx) : 25;
}

d_HalStand PreStand(const Sylvanor& syl) {
  return {syl.Get_Precbd(),    syl.Get_Precbh(),    syl.Get_PreAvailFuel(), syl.GetPre_1Hr(),
          syl.GetPre_Litter(), syl.GetPre_10Hr(),   syl.GetPre_100Hr(),     syl.GetPre_Grass(),
          syl.GetPre_Shrub(),  syl.Get_PreCanCov(), syl.Get_Presh()};
}

d_HalStand PostStand(const Sylvanor& syl) {
  return {syl.Get_cbd(),        syl.Get_cbh(),      syl.Get_AvailFuel(), syl.Get_AGF_1Hr(),
          syl.Get_AGF_Litter(), syl.Get_AGF_10Hr(), syl.Get_AGF_100Hr(), syl.Get_AGF_Grass(),
          syl.Get_AGF_Shrub(),  syl.Get_CanCov(),   syl.Get_sh()};
}

// A window field's number; false when it holds none.
bool FieldNumber(const std::string& text, float& value) {
  double v = 0;
  if (!ReadNumber(text, v)) return false;
  value = static_cast<float>(v);
  return true;
}

// One state: inputs, fuel bed, wind reduction, the model when there is
// canopy fuel. Its indices, -1 when the model did not run; false when it
// failed, with the message added to the run's.
bool RunState(const d_HalStand& stand, bool post, float herbSAV, float woodySAV, float oneHrSAV,
              const std::string& scenario, const d_HalFields& fields, const std::string& base,
              d_HalState& state, std::vector<std::string>& messages, float& torch, float& crown) {
  d_HDI& in = state.In;
  Hal_InpInit(in, herbSAV, woodySAV, oneHrSAV, scenario);
  float deadMx = -1;
  if (!FieldNumber(fields.DeadMx, deadMx)) deadMx = -1;
  TakeStand(in, deadMx, stand);
  in.OneHr += 0.001f;

  std::string error;
  float depth = 0;
  const bool userDepth = FieldNumber(fields.Depth, depth);
  Hal_FuelBedDepth(in, depth, userDepth ? fields.Depth : "Auto", error);
  error.clear();
  Hal_WindReduction(in, stand.Cover, stand.Height, stand.Cbh, error);
  if (!error.empty()) messages.push_back(error);

  in.FuelModelFile = base + (post ? "-Post" : "-Pre") + ".fmd";
  state.FuelModelText = Hal_FuelModelText(in);
  HDO_Init(state.Out);
  torch = crown = -1.0f;
  if (in.CrownFuelLoad == 0.0f) return true;  // no canopy fuel: the model is not run

  std::string warning;
  error.clear();
  if (!Hal_Calc(in, state.Out, warning, error)) {
    // a zero fuel bed depth fails with a warning alone, which tells why
    const std::string& reason = error.empty() ? warning : error;
    messages.push_back(post ? reason : CFormat("Halvex DLL Error...\n%s", reason));
    return false;
  }
  torch = std::min(state.Out.TorchingIndex, kIndexLimit);
  crown = std::min(state.Out.CrowningIndex, kIndexLimit);
  return true;
}

}  // namespace

void Hal_InpPre(d_HDI& in, float deadMx, const Sylvanor& syl) {
  TakeStand(in, deadMx, PreStand(syl));
}

void Hal_InpPost(d_HDI& in, float deadMx, const Sylvanor& syl) {
  TakeStand(in, deadMx, PostStand(syl));
}

bool Hal_Mngr(const Sylvanor& syl, float herbSAV, float woodySAV, float oneHrSAV,
              const std::string& scenario, const d_HalFields& pre, const d_HalFields& post,
              const std::string& userFolder, d_HalRun& run, float& preTorch, float& preCrown,
              float& postTorch, float& postCrown) {
  run.Messages.clear();
  const std::string base = userFolder.empty()
                               ? std::string("FuelModel")
                               : (std::filesystem::path(userFolder) / "FuelModel").string();
  // both states are assessed, so that a failure before treatment does not
  // lose the stand after it
  const bool preOk = RunState(PreStand(syl), false, herbSAV, woodySAV, oneHrSAV, scenario, pre,
                              base, run.Pre, run.Messages, preTorch, preCrown);
  const bool postOk = RunState(PostStand(syl), true, herbSAV, woodySAV, oneHrSAV, scenario, post,
                               base, run.Post, run.Messages, postTorch, postCrown);
  return preOk && postOk;
}

bool Hal_WriteFiles(const d_HalRun& run, const std::string& userFolder) {
  bool written = true;
  for (const auto& [state, dump] :
       {std::pair{&run.Pre, "VX-Hal-Pre.txt"}, std::pair{&run.Post, "VX-Hal-Post.txt"}}) {
    written = Hal_FuelModelFile(state->In, state->In.FuelModelFile) && written;
    Hal_DumpInput(state->In, userFolder, dump);
  }
  return written;
}

}  // namespace sylvanor
