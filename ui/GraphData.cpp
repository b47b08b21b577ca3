#include "ui/GraphData.h"

#include <algorithm>
#include <numeric>

#include "treat/Burnout.h"
#include "ui/ResultBoxes.h"

namespace sylvanor {

namespace {

using FuelPart = float (*)(const d_SurfaceFuel&);

struct d_FuelComponent {
  const char* Label;
  FuelPart Load;
};

float Sum(const std::array<float, kSizeClasses>& classes) {
  return std::accumulate(classes.begin(), classes.end(), 0.0f);
}

constexpr d_FuelComponent kFuelComponents[] = {
    {"Litter", [](const d_SurfaceFuel& f) { return f.Litter; }},
    {"Duff", [](const d_SurfaceFuel& f) { return f.Duff; }},
    {"Lichen", [](const d_SurfaceFuel& f) { return f.Lichen; }},
    {"Moss", [](const d_SurfaceFuel& f) { return f.Moss; }},
    {"Herb", [](const d_SurfaceFuel& f) { return f.Grass; }},
    {"Shrub", [](const d_SurfaceFuel& f) { return f.Shrub; }},
    {"1-hr", [](const d_SurfaceFuel& f) { return f.Hr1; }},
    {"10-hr", [](const d_SurfaceFuel& f) { return f.Hr10; }},
    {"100-hr", [](const d_SurfaceFuel& f) { return f.Hr100; }},
    {"1000-hr sound", [](const d_SurfaceFuel& f) { return Sum(f.Snd); }},
    {"1000-hr rotten", [](const d_SurfaceFuel& f) { return Sum(f.Rot); }},
    {"Existing piles", [](const d_SurfaceFuel& f) { return f.Pile; }}};

// The burn's steps run at the consumption model's control values.
constexpr d_BUControl kBurnControl{};

}  // namespace

std::vector<d_Bar> FuelLoadBars(const Sylvanor& syl) {
  // the settings hold the loads before treatment, the stand those after it
  const d_SurfaceFuel& pre = syl.Settings().Fuel;
  const d_SurfaceFuel& post = syl.Stand().AGF;
  std::vector<d_Bar> bars;
  for (const d_FuelComponent& c : kFuelComponents)
    bars.push_back({c.Label, c.Load(pre), c.Load(post)});
  return bars;
}

std::vector<d_Bar> StandBars(const Sylvanor& syl) {
  std::vector<d_Bar> bars;
  for (const d_MeasureGetters& m : kStandMeasures)
    bars.push_back({m.Label, (syl.*m.Pre)(), (syl.*m.Post)()});
  return bars;
}

std::string PollutantAxis(int pollutant) {
  if (pollutant < 0 || pollutant >= static_cast<int>(kPollutantLabels.size())) return {};
  return std::string(kPollutantLabels[static_cast<std::size_t>(pollutant)]) + " (g/m2 per step)";
}

float StepEndMinutes(int step) {
  return static_cast<float>((kBurnControl.residence + step * kBurnControl.timeStep) / 60.0);
}

std::vector<d_EmisPoint> EmissionHistory(const Sylvanor& syl, int pollutant) {
  std::vector<d_EmisPoint> points;
  if (pollutant < 0 || pollutant >= static_cast<int>(kPollutantLabels.size())) return points;
  std::size_t reached = 0;  // steps up to the last one the fire reached
  std::array<float, kPollutantLabels.size() + 1> v{};
  for (int step = 0; syl.Get_Emis(step, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]); ++step) {
    points.push_back({StepEndMinutes(step), v[7], v[static_cast<std::size_t>(pollutant)]});
    if (std::any_of(v.begin(), v.end(), [](float x) { return x != 0.0f; })) reached = points.size();
  }
  points.resize(reached);
  return points;
}

}  // namespace sylvanor
