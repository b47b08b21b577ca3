#include "ui/CrownFireDetails.h"

#include "base/CFormat.h"

namespace sylvanor {

d_HalFields TemplateFields(const d_HalTemplate& t) {
  return {std::string(t.DeadMx), std::string(t.Depth)};
}

std::vector<d_HalRow> HalDetailRows(const d_HalRun& run) {
  std::vector<d_HalRow> rows;
  const d_HDO &a = run.Pre.Out, &b = run.Post.Out;
  rows.push_back({"Fire type", Hal_FireType(a.FireType), Hal_FireType(b.FireType)});
  const std::pair<const char*, float d_HDO::*> whole[] = {
      {"Torching index (mi/hr)", &d_HDO::TorchingIndex},
      {"Crowning index (mi/hr)", &d_HDO::CrowningIndex}};
  for (const auto& [label, field] : whole)
    rows.push_back({label, CFormat("%1.0f", a.*field), CFormat("%1.0f", b.*field)});
  const std::pair<const char*, float d_HDO::*> outputs[] = {
      {"Rate of spread (ch/h)", &d_HDO::RateOfSpread},
      {"Fireline intensity (BTU/ft/s)", &d_HDO::FirelineIntensity},
      {"Flame length (ft)", &d_HDO::FlameLength},
      {"Scorch height (ft)", &d_HDO::ScorchHeight}};
  for (const auto& [label, field] : outputs)
    rows.push_back({label, CFormat("%1.2f", a.*field), CFormat("%1.2f", b.*field)});
  const std::pair<const char*, float d_HDI::*> inputs[] = {
      {"1-hour load (t/ac)", &d_HDI::OneHr},
      {"10-hour load (t/ac)", &d_HDI::TenHr},
      {"100-hour load (t/ac)", &d_HDI::HundredHr},
      {"Herb load (t/ac)", &d_HDI::Herb},
      {"Shrub load (t/ac)", &d_HDI::Woody},
      {"Fuel bed depth (ft)", &d_HDI::FuelBedDepth},
      {"Canopy bulk density (kg/m3)", &d_HDI::CanopyBulkDensity},
      {"Canopy base height (ft)", &d_HDI::CanopyBaseHeight},
      {"Canopy fuel load (t/ac)", &d_HDI::CrownFuelLoad},
      {"1-hour moisture (%)", &d_HDI::OneHrMx},
      {"10-hour moisture (%)", &d_HDI::TenHrMx},
      {"100-hour moisture (%)", &d_HDI::HundredHrMx},
      {"Live herb moisture (%)", &d_HDI::LiveHerbMx},
      {"Live woody moisture (%)", &d_HDI::LiveWoodyMx},
      {"Foliar moisture (%)", &d_HDI::FoliarMx}};
  for (const auto& [label, field] : inputs)
    rows.push_back(
        {label, CFormat("%1.4f", run.Pre.In.*field), CFormat("%1.4f", run.Post.In.*field)});
  return rows;
}

}  // namespace sylvanor
