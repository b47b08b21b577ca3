#include "ui/ResultBoxes.h"

#include <algorithm>

#include "base/CFormat.h"

namespace sylvanor {

namespace {

using S = Sylvanor;
using Getter = float (Sylvanor::*)() const;

struct d_OneState {
  const char* group;
  const char* label;
  Getter get;
};

constexpr d_OneState kOthers[] = {
    {"Volumes", "Standing board feet (bdft/ac)", &S::Get_StBdft},
    {"Volumes", "Harvested board feet (bdft/ac)", &S::Get_HaBdft},
    {"Volumes", "Standing cubic feet (ft3/ac)", &S::Get_StCuFt},
    {"Volumes", "Harvested cubic feet (ft3/ac)", &S::Get_HaCuFt},
    {"Volumes", "Standing merch. cubic feet (ft3/ac)", &S::Get_StMeCuft},
    {"Volumes", "Harvested merch. cubic feet (ft3/ac)", &S::Get_HaMeCuft},
    {"Slash and piles", "Thinning slash, foliage (t/ac)", &S::Get_TSFol},
    {"Slash and piles", "Thinning slash, 1-hour (t/ac)", &S::Get_TS1Hr},
    {"Slash and piles", "Thinning slash, 10-hour (t/ac)", &S::Get_TS10Hr},
    {"Slash and piles", "Thinning slash, 100-hour (t/ac)", &S::Get_TS100Hr},
    {"Slash and piles", "Thinning slash, 1000-hour class 1 (t/ac)", &S::Get_TSC1},
    {"Slash and piles", "Prune slash, foliage (t/ac)", &S::Get_PSFol},
    {"Slash and piles", "Prune slash, 1-hour (t/ac)", &S::Get_PS1Hr},
    {"Slash and piles", "Prune slash, 10-hour (t/ac)", &S::Get_PS10Hr},
    {"Slash and piles", "Prune slash, 100-hour (t/ac)", &S::Get_PS100Hr},
    {"Slash and piles", "Piled surface fuel, litter and foliage (t/ac)", &S::Get_PlLitFol},
    {"Slash and piles", "Pile total (t/ac)", &S::Get_PlTot},
    {"Slash and piles", "Slash onto pile (t/ac)", &S::Get_SlashOnToPile},
    {"Slash and piles", "Pile consumed (t/ac)", &S::Get_PilBur},
    {"Consumed", "Litter (t/ac)", &S::Get_BBC_Litter},
    {"Consumed", "Duff (t/ac)", &S::Get_BBC_Duff},
    {"Consumed", "Lichen (t/ac)", &S::Get_BBC_Lichen},
    {"Consumed", "Moss (t/ac)", &S::Get_BBC_Moss},
    {"Consumed", "Herb (t/ac)", &S::Get_BBC_Grass},
    {"Consumed", "Shrub (t/ac)", &S::Get_BBC_Shrub},
    {"Consumed", "1-hour (t/ac)", &S::Get_BBC_1Hr},
    {"Consumed", "10-hour (t/ac)", &S::Get_BBC_10Hr},
    {"Consumed", "100-hour (t/ac)", &S::Get_BBC_100Hr},
    {"Consumed", "1000-hour logs (t/ac)", &S::Get_BBC_LargeWoody},
    {"Consumed", "Total (t/ac)", &S::Get_ConsumedTotal},
    {"After treatment", "Litter (t/ac)", &S::Get_AGF_Litter},
    {"After treatment", "Duff (t/ac)", &S::Get_AGF_Duff},
    {"After treatment", "Lichen (t/ac)", &S::Get_AGF_Lichen},
    {"After treatment", "Moss (t/ac)", &S::Get_AGF_Moss},
    {"After treatment", "Herb (t/ac)", &S::Get_AGF_Grass},
    {"After treatment", "Shrub (t/ac)", &S::Get_AGF_Shrub},
    {"After treatment", "1-hour (t/ac)", &S::Get_AGF_1Hr},
    {"After treatment", "10-hour (t/ac)", &S::Get_AGF_10Hr},
    {"After treatment", "100-hour (t/ac)", &S::Get_AGF_100Hr},
    {"After treatment", "Existing piles (t/ac)", &S::Get_AGF_ExiPil},
    {"After treatment", "Total (t/ac)", &S::Get_AGF_Total}};

}  // namespace

std::vector<d_ResultBox> ResultBoxes(const Sylvanor& s, const d_OutputIndices& x, int decimals) {
  std::vector<d_ResultBox> boxes;
  for (const d_MeasureGetters& m : kStandMeasures)
    boxes.push_back(
        {"Stand", m.Label, CFormat(m.Format, (s.*m.Pre)()), CFormat(m.Format, (s.*m.Post)())});
  boxes.push_back({"Stand", "Torching index (mi/hr)", CFormat("%1.0f", x.PreTorch),
                   CFormat("%1.0f", x.PostTorch)});
  boxes.push_back({"Stand", "Crowning index (mi/hr)", CFormat("%1.0f", x.PreCrown),
                   CFormat("%1.0f", x.PostCrown)});
  boxes.push_back(
      {"Stand", "Fuel model", s.Get_FuelModel_PreTreatment(), s.Get_FuelModel_PostTreatment()});
  const std::string format = CFormat("%%1.%df", std::clamp(decimals, 1, 3));
  for (const d_OneState& m : kOthers) {
    const bool volume = std::string_view(m.group) == "Volumes";
    boxes.push_back({m.group, m.label, "", CFormat(volume ? "%1.0f" : format, (s.*m.get)())});
  }
  return boxes;
}

std::string ThresholdText(const Sylvanor& s) {
  return CFormat(
      "Canopy bulk density threshold used: %6.4f kg/m3 before treatment, %6.4f kg/m3 "
      "after treatment",
      s.Get_PreCBDThreshold(), s.Get_CBDThreshold());
}

}  // namespace sylvanor
