#include "ui/MainWindowState.h"

#include <algorithm>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "io/PlotFuel.h"
#include "io/PlotTrees.h"
#include "stand/TreeList.h"
#include "treat/RetentionPriority.h"
#include "ui/TreatmentFile.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

std::string Num(float value) {
  return CFormat("%g", value);
}

float Value(const std::string& text) {
  return Prj_AtoF(text);
}

GridRow Row(const d_GridTree& t) {
  return {t.Num,
          t.Species,
          Num(t.DBH),
          Num(t.Hgt),
          Num(t.CrnHgt),
          t.CrnCls,
          t.Status,
          t.Snag,
          Num(t.TPA),
          CFormat("%6.4f", t.RetPri),
          CFormat("%1.1f", t.Thinned),
          CFormat("%1.1f", t.Killed)};
}

}  // namespace

std::vector<std::string> c_MainWindowState::Start(const fs::path& programDir,
                                                  const fs::path& dataHome) {
  std::vector<std::string> shown;
  programDir_ = programDir;
  const d_WindowStart start = WindowStartUp(programDir, dataHome, nes_);
  if (!start.Folder.warning.empty()) shown.push_back(start.Folder.warning);
  if (start.Folder.result != 1) {
    shown.push_back(start.Folder.message);
    return shown;
  }
  userFolder_ = start.Folder.folder;
  ChartColors = ReadChartColors(userFolder_);
  if (!start.EmisMessage.empty()) shown.push_back(start.EmisMessage);
  emisLists_ = EmissionLists(nes_);
  NewProject();
  if (!start.Project.empty()) {
    std::string message;
    if (!OpenProject(start.Project, message)) shown.push_back(message);
  }
  return shown;
}

void c_MainWindowState::NewProject() {
  project_ = {};
  project_.FuelModelShow = true;  // a new project shows the fuel model selector
  projectFile_.clear();
  in_ = {};
  // the emission lists' first choices
  const auto pick = [](const std::vector<d_EmisChoice>& list, int k, std::string& group) {
    if (k >= 0) group = list[static_cast<std::size_t>(k)].Group;
  };
  pick(emisLists_.Flame, emisLists_.FlameDefault, in_.EmisFlame);
  pick(emisLists_.Duff, emisLists_.DuffDefault, in_.EmisDuff);
  pick(emisLists_.Coarse, emisLists_.CoarseDefault, in_.EmisCoarse);
  InputsToProject();
}

int c_MainWindowState::OpenProject(const std::string& path, std::string& message) {
  d_PrjData data;
  if (!Prj_ReadFile(path, data, message)) return 0;
  project_ = std::move(data);
  projectFile_ = path;
  ProjectToInputs();
  plots_.clear();
  current_ = -1;
  if (project_.PlotFileName.empty()) return 1;
  const std::string layout = project_.PlotFileType.empty() ? "VXD" : project_.PlotFileType;
  if (!LoadPlotFile(project_.PlotFileName, layout, message)) return 0;
  const auto named = std::find(plots_.begin(), plots_.end(), project_.PlotName);
  const d_ShowPlot shown =
      ShowPlot(named == plots_.end() ? 0 : static_cast<int>(named - plots_.begin()));
  message = shown.Message;
  return shown.Ok ? 1 : 0;
}

int c_MainWindowState::SaveProject(const std::string& path, std::string& message) {
  InputsToProject();
  if (!Prj_WriteFile(path, project_, message)) return 0;
  projectFile_ = path;
  return 1;
}

int c_MainWindowState::LoadPlotFile(const std::string& path, const std::string& layout,
                                    std::string& message) {
  const d_PlotKeys keys = LoadPlotKeys(layout, path);
  if (!keys.ok) {
    message = keys.message;
    return 0;
  }
  plotFile_ = path;
  layout_ = UpperKeyword(layout);
  plots_ = keys.keys;
  current_ = -1;
  message.clear();
  return 1;
}

d_ShowPlot c_MainWindowState::ShowPlot(int index) {
  d_ShowPlot shown;
  if (index < 0 || index >= static_cast<int>(plots_.size())) {
    shown.Message = "No plot to show";
    return shown;
  }
  const std::string& key = plots_[static_cast<std::size_t>(index)];
  const d_PlotFuelLoad fuel = LoadPlotFuel(layout_, plotFile_, key);
  if (!fuel.ok) {
    shown.Message = fuel.message;
    return shown;
  }
  const d_PlotTrees trees = LoadPlotTrees(layout_, plotFile_, key);
  if (!trees.ok) {
    shown.Message = trees.message;
    return shown;
  }
  current_ = index;
  const auto loads = Loads(fuel.fuel.Loads);
  for (std::size_t k = 0; k < loads.size(); ++k)
    in_.Fuel[k] = Num(*loads[k]);
  // the plot's own duff depth and SAVs, as the batch takes them
  in_.DuffDepth = Num(fuel.fuel.DuffDepth);
  if (fuel.fuel.GrassSAV && *fuel.fuel.GrassSAV > 0) in_.HerbSAV = Num(*fuel.fuel.GrassSAV);
  if (fuel.fuel.ShrubSAV && *fuel.fuel.ShrubSAV > 0) in_.ShrubSAV = Num(*fuel.fuel.ShrubSAV);
  if (fuel.fuel.OneHrSAV && *fuel.fuel.OneHrSAV > 0) in_.OneHrSAV = Num(*fuel.fuel.OneHrSAV);
  in_.Trees.clear();
  for (const d_GridTree& tree : trees.trees)
    in_.Trees.push_back(Row(tree));
  in_.Selected.assign(in_.Trees.size(), false);
  ApplyRetentionPriority();

  // the warnings go to the project folder's warnings file
  const fs::path folder = projectFile_.empty() ? userFolder_ : fs::path(projectFile_).parent_path();
  const d_PlotWarningsFile file = WritePlotWarnings(folder.string(), trees.warnings);
  shown.WarningsFile = file.path;
  if (!file.ok) {
    shown.Message = file.message;
  } else if (file.count > 0 && !suppressed_.contains(plotFile_)) {
    shown.Notice = PlotWarningsNotice(file.count, file.path);
  }
  shown.Ok = true;
  return shown;
}

bool ChosenRetPri(const d_PrjData& project, d_ChosenRetPri& chosen) {
  const auto found = std::find_if(
      project.RetPriSets.begin(), project.RetPriSets.end(),
      [&](const d_PrjRetPri& set) { return Prj_SameName(set.Name.str(), project.RetPri); });
  if (project.RetPri.empty() || found == project.RetPriSets.end()) return false;
  const auto fields = found->Fields();
  for (std::size_t k = 0; k < kRetPriValues; ++k)
    chosen.Values[k] = Value(fields[k + 2]->str());  // after the name and description
  chosen.Species.clear();
  for (const d_PrjSpeciesRow& row : project.SpeciesRows) {
    if (!Prj_SameName(row.Group, found->SpeciesGroup.str())) continue;
    d_RetSpe& spe = chosen.Species.emplace_back();
    spe.Species = row.Species;
    spe.MinDia = Value(row.MinDia), spe.MaxDia = Value(row.MaxDia), spe.Pri = Value(row.Priority);
  }
  return true;
}

void c_MainWindowState::ApplyRetentionPriority() {
  d_ChosenRetPri chosen;
  if (!ChosenRetPri(project_, chosen)) return;
  const auto& v = chosen.Values;
  d_RetPriSet set{v[0], v[1], v[2], v[3],  v[4],  v[5],  v[6],
                  v[7], v[8], v[9], v[10], v[11], v[12], v[13]};
  RetPriSpeList species;
  RPC_Init_SpeLis(species);
  for (const d_RetSpe& row : chosen.Species) {
    if (RPC_SetSpe(species, row.Species.str(), row.MinDia, row.MaxDia, row.Pri) >=
        static_cast<int>(kRetPriSpecies))
      break;
  }
  // the grid's trees through the engine's own pass over a tree list (an
  // empty species stands in as "?", so that the list goes on)
  d_PTLTable table;
  const std::size_t count = std::min(in_.Trees.size(), static_cast<std::size_t>(kTreeListMax));
  for (std::size_t r = 0; r < count; ++r) {
    const GridRow& row = in_.Trees[r];
    d_PTLRec& rec = table[r];
    rec.Species = row[1].empty() ? std::string("?") : row[1];
    rec.Dia = Value(row[2]), rec.Hgt = Value(row[3]), rec.CrnHgt = Value(row[4]);
    rec.CrnCls = row[5], rec.Status = row[6];
  }
  PLT_RetPriCalc(table, set, species);
  for (std::size_t r = 0; r < count; ++r)
    in_.Trees[r][9] = CFormat("%6.4f", table[r].RetPri);
}

std::vector<std::string> c_MainWindowState::RetPriNames() const {
  std::vector<std::string> names;
  for (const d_PrjRetPri& set : project_.RetPriSets)
    names.push_back(set.Name.str());
  return names;
}

void c_MainWindowState::ChooseRetPri(const std::string& name) {
  project_.RetPri = name;
  ApplyRetentionPriority();
}

bool c_MainWindowState::SaveTreatment() {
  if (Prj_WordToName(in_.TreatName).empty()) return false;
  d_PrjTreatment t;
  for (const d_TreatmentField& field : kTreatmentFields)
    t.*field.Field = in_.*field.Box;
  auto& list = project_.Treatments;
  const auto same = std::find_if(list.begin(), list.end(), [&](const d_PrjTreatment& old) {
    return Prj_SameName(old.TreatName.str(), in_.TreatName);
  });
  if (same != list.end()) {
    *same = t;
  } else {
    list.push_back(t);
  }
  project_.Treatment = in_.TreatName;
  return true;
}

d_CalcResult c_MainWindowState::Calculate() {
  last_ = sylvanor::Calculate(syl_, nes_, in_, userFolder_, HalPre, HalPost);
  for (std::size_t r = 0; r < in_.Trees.size(); ++r) {
    in_.Trees[r][10] = last_.Thinned[r];
    in_.Trees[r][11] = last_.Killed[r];
  }
  return last_;
}

int c_MainWindowState::SaveSettings(std::string& message) {
  if (projectFile_.empty()) projectFile_ = (userFolder_ / "Sylvanor.vxp").string();
  if (!SaveProject(projectFile_, message)) return 0;
  return WriteSettingsProject(userFolder_, projectFile_, message);
}

void c_MainWindowState::ProjectToInputs() {
  const d_PrjData& d = project_;
  in_.Thin = d.Thin, in_.Prune = d.Prune, in_.Pile = d.Pile, in_.Burn = d.BCB;
  in_.TreatName = d.Treatment;
  in_.ThinCrit = d.ThinType.empty() ? "None" : d.ThinType;
  const std::pair<std::string*, float> boxes[] = {
      {&in_.ThinTarget, d.ThinCriteria}, {&in_.CutEff, d.ThinCutEff},
      {&in_.MinDia, d.ThinMinCut},       {&in_.MaxDia, d.ThinMaxCut},
      {&in_.MerchDia, d.ThinSubMer},     {&in_.TopDia, d.ThinLogTop},
      {&in_.YardLoss, d.ThinYarLos},     {&in_.PruneHgt, d.PruneHgt},
      {&in_.PruneMRCR, d.PruneMRCR},     {&in_.PileSlash, d.PileSlash},
      {&in_.PileConsumed, d.PileBurn},   {&in_.PileSurface, d.PileGround},
      {&in_.ScorchHgt, d.BCBScoHgt},     {&in_.Moist10Hr, d.BCBMoi10Hr},
      {&in_.Moist1kHr, d.BCBMoi1kHr},    {&in_.MossLichen, d.BCBMosLicBur},
      {&in_.DuffDepth, d.BCBDuDep},      {&in_.DuffMoist, d.BCBMoiDuf},
      {&in_.HerbSAV, d.FMSSAVGra},       {&in_.ShrubSAV, d.FMSSAVShu},
      {&in_.OneHrSAV, d.FMSSAV1Hr},      {&in_.BedDepth, d.FMSBedDep}};
  for (const auto& [box, value] : boxes)
    *box = Num(value);
  for (const auto& [box, text] : {std::pair{&in_.Region, d.BCBRegion},
                                  {&in_.Season, d.BCBSeason},
                                  {&in_.MoistScenario, d.BCBMoist},
                                  {&in_.Climate, d.FMSClimate},
                                  {&in_.ModelSet, d.FMSModel},
                                  {&in_.CBDThreshold, d.CBDThreshold},
                                  {&in_.EmisFlame, d.EmisFlame},
                                  {&in_.EmisDuff, d.EmisDuff},
                                  {&in_.EmisCoarse, d.EmisCoarse}}) {
    if (!text.empty()) *box = text;
  }
}

void c_MainWindowState::InputsToProject() {
  d_PrjData& d = project_;
  d.Thin = in_.Thin, d.Prune = in_.Prune, d.Pile = in_.Pile, d.BCB = in_.Burn;
  d.Treatment = in_.TreatName;
  d.ThinType = in_.ThinCrit;
  const std::pair<float*, const std::string*> boxes[] = {
      {&d.ThinCriteria, &in_.ThinTarget}, {&d.ThinCutEff, &in_.CutEff},
      {&d.ThinMinCut, &in_.MinDia},       {&d.ThinMaxCut, &in_.MaxDia},
      {&d.ThinSubMer, &in_.MerchDia},     {&d.ThinLogTop, &in_.TopDia},
      {&d.ThinYarLos, &in_.YardLoss},     {&d.PruneHgt, &in_.PruneHgt},
      {&d.PruneMRCR, &in_.PruneMRCR},     {&d.PileSlash, &in_.PileSlash},
      {&d.PileBurn, &in_.PileConsumed},   {&d.PileGround, &in_.PileSurface},
      {&d.BCBScoHgt, &in_.ScorchHgt},     {&d.BCBMoi10Hr, &in_.Moist10Hr},
      {&d.BCBMoi1kHr, &in_.Moist1kHr},    {&d.BCBMosLicBur, &in_.MossLichen},
      {&d.BCBDuDep, &in_.DuffDepth},      {&d.BCBMoiDuf, &in_.DuffMoist},
      {&d.FMSSAVGra, &in_.HerbSAV},       {&d.FMSSAVShu, &in_.ShrubSAV},
      {&d.FMSSAV1Hr, &in_.OneHrSAV},      {&d.FMSBedDep, &in_.BedDepth}};
  for (const auto& [value, box] : boxes)
    *value = Value(*box);
  d.BCBRegion = in_.Region, d.BCBSeason = in_.Season, d.BCBMoist = in_.MoistScenario;
  d.FMSClimate = in_.Climate, d.FMSModel = in_.ModelSet, d.CBDThreshold = in_.CBDThreshold;
  d.EmisFlame = in_.EmisFlame, d.EmisDuff = in_.EmisDuff, d.EmisCoarse = in_.EmisCoarse;
  d.PlotFileName = plotFile_, d.PlotFileType = layout_;
  d.PlotName = current_ >= 0 ? plots_[static_cast<std::size_t>(current_)] : std::string();
}

}  // namespace sylvanor
