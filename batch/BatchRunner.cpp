#include "batch/BatchRunner.h"

#include <algorithm>
#include <filesystem>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "base/TextUtil.h"
#include "io/PlotFuel.h"
#include "io/PlotTrees.h"
#include "platform/FileLookup.h"

namespace sylvanor {

namespace {

// A switch of the link treatment file, stored as "Yes" only when it says so.
const char* YesNo(const std::string& value) {
  return SameKeyword(value, "Yes") ? "Yes" : "No";
}

bool IsYesOrNo(const std::string& value) {
  return SameKeyword(value, "Yes") || SameKeyword(value, "No");
}

// The value of a keyword line of the project file, empty when missing.
std::string ProjectValue(const c_PrjIndex& file, const std::string& keyword) {
  PrjWords values;
  std::string line;
  Prj_FindSw(file, keyword, values, line);
  return values[1];
}

int OpenForReading(std::ifstream& file, const std::string& path) {
  file.close();
  file.clear();
  file.open(FindFileNoCase(path), std::ios::binary);
  return file.is_open() ? 1 : 0;
}

}  // namespace

int c_FBC::OpenLinkTreatment(const std::string& path, std::string& message) {
  m_HaveLink = false;
  m_Link.Clear();
  std::ifstream file;
  if (!OpenForReading(file, path)) {
    message = CFormat("Can't Open Link Treatment File : %s\n", path);
    return 0;
  }
  UseLinkTreatment(file);
  return 1;
}

int c_FBC::OpenProject(const std::string& path, std::string& message) {
  m_HaveProj = false;
  m_Proj.Clear();
  std::ifstream file;
  if (!OpenForReading(file, path)) {
    message = CFormat("Can't Open Batch Project File: %s\n", path);
    return 0;
  }
  UseProject(file);
  return 1;
}

void c_FBC::UseLinkTreatment(std::istream& file) {
  m_Link.Build(file, kLinkTreatmentRows);
  m_HaveLink = true;
}

void c_FBC::UseProject(std::istream& file) {
  m_Proj.Build(file);
  m_HaveProj = true;
}

int c_FBC::Load_Prescription(const std::string& plot, const std::string& station,
                             std::string& moistScenario, std::string& message) {
  message.clear();
  if (!m_HaveLink) {
    message = "Link Treatment File is not open";
    return 0;
  }
  if (!m_HaveProj) {
    message = "Batch Project File is not open";
    return 0;
  }
  const c_PrjIndex& project = m_Proj;

  if (!FindLinkRow(plot, station, message)) return 0;
  const d_LTF& row = m_LinkRow;

  // the retention priority set and the treatment named by the row; the
  // numbered records end at the first missing number
  d_PrjRetPri set;
  bool found = false;
  for (int n = 0; n < kPrjRecords && Prj_FindRetPri(project, set, n); ++n) {
    if (Prj_SameName(set.Name.str(), row.RPName)) {
      found = true;
      break;
    }
  }
  if (!found) {
    message = CFormat("Cannot find Retention Priority in project file: %s", row.RPName);
    return 0;
  }

  d_PrjTreatment treatment;
  found = false;
  for (int n = 0; n < kPrjRecords && Prj_FindTreatment(project, treatment, n); ++n) {
    if (Prj_SameName(treatment.TreatName.str(), row.TmName)) {
      found = true;
      break;
    }
  }
  if (!found) {
    message = CFormat("Can't locate Treatment in project file. Treatment: %s", row.TmName);
    return 0;
  }

  const std::pair<const std::string*, const char*> switches[] = {
      {&row.Thin, "Thinning"},
      {&row.Prune, "Pruning"},
      {&row.Pile, "Piling"},
      {&row.Burb, "Broadcast Burn"},
  };
  for (const auto& [value, step] : switches) {
    if (!IsYesOrNo(*value)) {
      message = CFormat(" Treatment file contains invalid entry ('%s') for %s, use 'Yes' or 'No'",
                        *value, step);
      return 0;
    }
  }

  LoadTreatment(treatment);
  LoadEmissions();

  const auto factors = set.Fields();
  for (std::size_t i = 0; i < kRetPriValues; ++i) {
    m_RetPri[i] = Prj_AtoF(factors[2 + i]->str());  // after the name and description
  }
  const auto& r = m_RetPri;
  m_Syl.PLT_PutRetPri(r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8], r[9], r[10], r[11],
                      r[12], r[13]);

  LoadFuelModel();
  LoadSpecies(set.SpeciesGroup.str());
  return MoistScenario(moistScenario, message);
}

int c_FBC::FindLinkRow(const std::string& plot, const std::string& station, std::string& message) {
  std::string readMessage;
  const int result = m_Link.Find(plot, station, m_LinkRow, readMessage);
  if (result > 0) return 1;
  if (result < 0) {
    message = CFormat("Error Reading Link Treatment File: %s ", readMessage);
    return 0;
  }
  message = CFormat("Plot Missing in Link Treatment File: %s", plot);
  return 0;
}

void c_FBC::LoadTreatment(const d_PrjTreatment& t) {
  const d_LTF& row = m_LinkRow;
  d_TMS& s = m_TMS;
  s.ThinInc = YesNo(row.Thin);
  s.TreatName = Prj_WordToName(t.TreatName.str());
  s.ThinCrit = t.ThinType;
  s.ThiCriVal = Prj_AtoF(t.ThinCriteria.str());
  s.CutEff = Prj_AtoF(t.ThinCutEff.str());
  s.SubMerDia = Prj_AtoF(t.ThinSubMerc.str());
  s.LogTopDia = Prj_AtoF(t.ThinTopDiam.str());
  s.Yardloss = Prj_AtoF(t.ThinYardLose.str());
  s.MinCutDia = Prj_AtoF(t.ThinMinCut.str());
  s.MaxCutDia = Prj_AtoF(t.ThinMaxCut.str());

  s.PrunInc = YesNo(row.Prune);
  s.PrunHgt = Prj_AtoF(t.PruneHgt.str());
  s.PrunMRCR = Prj_AtoF(t.PruneMRCR.str());

  s.PileInc = YesNo(row.Pile);
  s.PilGroPct = Prj_AtoF(t.PilExiGro.str());
  s.PilSlaPct = Prj_AtoF(t.PileSlash.str());
  s.PilBurPct = Prj_AtoF(t.PilePercentBurn.str());

  s.BroBurInc = YesNo(row.Burb);
  s.ScoHgt = Prj_AtoF(t.BBSchHgt.str());
  s.Moist10Hr = Prj_AtoF(t.BB10HrMoist.str());
  s.Moist1kHr = Prj_AtoF(t.BB1kHrMoist.str());
  s.DuffMoist = Prj_AtoF(t.BBDuffMoist.str());
  s.Region = t.BBRegion;
  s.Season = t.BBSeason;
}

void c_FBC::LoadEmissions() {
  const c_PrjIndex& project = m_Proj;
  if (!SameKeyword(ProjectValue(project, "EmisType"), "Expanded")) {
    m_Emis.CriFirInt = -1.0f;  // the default emissions output
    return;
  }
  m_Emis.CriFirInt = m_NES.Get_CriFirInt();
  const std::pair<d_EmisGroup*, const char*> groups[] = {
      {&m_Emis.Flame, "EmisFlame"},
      {&m_Emis.Duff, "EmisDuff"},
      {&m_Emis.Coarse, "EmisCoarse"},
  };
  for (const auto& [group, keyword] : groups) {
    // a group the table does not hold leaves its factors at 0
    *group = d_EmisGroup{};
    group->Name = Prj_WordToName(ProjectValue(project, keyword));
    m_NES.Get_MajFactor(group->Name, group->CO, group->CO2, group->CH4, group->PM25, group->PM10,
                        group->NOX, group->SO2);
  }
}

void c_FBC::LoadFuelModel() {
  const c_PrjIndex& project = m_Proj;
  d_FMSText& f = m_FMSText;
  f.Model = ProjectValue(project, "FMSModel");
  f.Climate = ProjectValue(project, "FMSClimate");
  f.BedDep = ProjectValue(project, "FMSBedDep");
  f.SAVGra = ProjectValue(project, "FMSSAVGra");
  f.SAVShu = ProjectValue(project, "FMSSAVShu");
  f.SAV1Hr = ProjectValue(project, "FMSSAV1Hr");
  m_TMS.FueModSet = f.Model;
  m_TMS.Climate = f.Climate;
  m_TMS.FueBedDep = Prj_AtoF(f.BedDep);
  m_TMS.GrassSAV = Prj_AtoF(f.SAVGra);
  m_TMS.ShrubSAV = Prj_AtoF(f.SAVShu);
  m_TMS.OneHrSAV = Prj_AtoF(f.SAV1Hr);
}

void c_FBC::LoadSpecies(const std::string& group) {
  const c_PrjIndex& project = m_Proj;
  m_RetSpe.fill(d_RetSpe{});
  std::size_t taken = 0;
  std::string rowGroup, species, minDia, maxDia, priority;
  for (int n = 0; n < kPrjSpeciesRows && taken < kRetSpeRows; ++n) {
    if (!Prj_FindSpecies(project, rowGroup, species, minDia, maxDia, priority, n)) break;
    if (!Prj_SameName(rowGroup, group)) continue;
    d_RetSpe& spe = m_RetSpe[taken++];
    spe.Species = species;
    spe.MinDia = Prj_AtoF(minDia);
    spe.MaxDia = Prj_AtoF(maxDia);
    spe.Pri = Prj_AtoF(priority);
  }

  m_Syl.PLT_PutRetPriSpe("Init", 0.0f, 0.0f, 0.0f);
  for (std::size_t i = 0; i < taken; ++i) {
    const d_RetSpe& spe = m_RetSpe[i];
    m_Syl.PLT_PutRetPriSpe(spe.Species.str(), spe.MinDia, spe.MaxDia, spe.Pri);
  }
}

int c_FBC::MoistScenario(std::string& scenario, std::string& message) {
  const float m = m_TMS.Moist10Hr;
  if (m > 0.0f) {
    if (m <= 6.0f) {
      scenario = "VeryDry";
    } else if (m <= 10.0f) {
      scenario = "Dry";
    } else if (m <= 16.0f) {
      scenario = "Moderate";
    } else {
      scenario = "Wet";
    }
    return 1;
  }
  // without a treatment moisture the project's scenario applies
  PrjWords values;
  std::string line;
  if (!Prj_FindSw(m_Proj, "BCBMoist", values, line)) {
    message = "No treatment moisture value or moisture switch found in project file";
    return 0;
  }
  scenario = values[1];
  return 1;
}

// ---------------------------------------------------------------------------
// The batch

namespace {

void Rewind(std::istream& file) {
  file.clear();
  file.seekg(0);
}

// Converts g/m2 to lb/acre.
constexpr float kLbAcrePerGm2 = 4046.86f / 453.592f;
constexpr std::size_t kEmisComponents = 220;  // components totalled in the expanded form

std::string NoCommas(std::string text) {
  StrRepChr(text, ',', ';');
  return text;
}

}  // namespace

int c_FBC::Init(const std::string& mode) {
  CloseFile();
  m_Plots.clear();
  m_PlotIdx = -1;
  m_ErrCount = 0;
  m_TreeNums.clear();
  m_FileType.clear();
  m_Message.clear();
  m_InUnits = "English";
  m_OutUnits = "English";
  m_Syl.Init_LarGUI(m_InUnits, m_OutUnits, SameKeyword(mode, "Batch") ? "Batch" : "");
  m_Syl.Set_CBDCriThr(0.012f);
  return 1;
}

int c_FBC::OpenFiles(const d_BatchFiles& f) {
  return OpenFiles(f.Plot, f.Tree, f.Link, f.Project, f.Output, f.Error, f.ProfilePre,
                   f.ProfilePost);
}

int c_FBC::OpenFiles(const std::string& plotFile, const std::string& treeFile,
                     const std::string& linkFile, const std::string& projectFile,
                     const std::string& outputFile, const std::string& errorFile,
                     const std::string& profilePreFile, const std::string& profilePostFile) {
  m_Message.clear();
  m_FileType = PlotFileLayout(plotFile);
  if (m_FileType != "VXD" && m_FileType != "PDQ") {
    m_FileType.clear();
    m_Message = CFormat("Invalid Input Plot File Type:\n%s", plotFile);
    return 0;
  }

  if (!OpenForReading(m_PlotFile, plotFile)) {
    m_Message = CFormat("Can't Open Plot File: %s\n", plotFile);
    return 0;
  }
  if (!OpenForReading(m_TreeFile, treeFile)) {
    m_Message = CFormat("Can't Open Tree File: %s\n", treeFile);
    return 0;
  }
  m_Trees.Build(m_TreeFile, m_FileType, kBatchTreeRows);
  if (!linkFile.empty()) {
    std::string message;
    if (!OpenLinkTreatment(linkFile, message) || !OpenProject(projectFile, message)) {
      m_Message = message;
      return 0;
    }
  }

  const auto openForWriting = [this](std::ofstream& file, const std::string& path,
                                     const char* failure) {
    file.close();
    file.clear();
    file.open(path, std::ios::binary | std::ios::trunc);
    if (file.is_open()) return true;
    m_Message = CFormat(failure, path);
    return false;
  };
  m_OutHeading = false;
  m_EmiHeading = false;
  m_EmiExpHeading = false;
  if (!openForWriting(m_Out, outputFile, "Can't Open Output Plot File: %s\n")) return 0;
  if (!openForWriting(m_Emi, EmissionFileName(outputFile), "Can't Open Output Emission File: %s\n"))
    return 0;
  if (!openForWriting(m_Err, errorFile, "Can't Open Output Error File: %s\n")) return 0;
  if (!profilePreFile.empty() &&
      !openForWriting(m_ProPre, profilePreFile, "Can't Open Canopy Bulk Density Pre File: %s\n"))
    return 0;
  if (!profilePostFile.empty() &&
      !openForWriting(m_ProPost, profilePostFile, "Can't Open Canopy Bulk Density Post File: %s\n"))
    return 0;
  return 1;
}

int c_FBC::LoadPlotNames() {
  m_Plots.clear();
  m_PlotIdx = -1;
  m_Message.clear();
  if (!m_PlotFile.is_open()) {
    m_Message = "Plot File is not open";
    return 0;
  }
  const bool pdq = m_FileType == "PDQ";
  Rewind(m_PlotFile);
  SkipHeadingLine(m_PlotFile);
  for (int i = 0; i < kBatchPlotListRows; ++i) {
    std::string message;
    const int result = ReadPlotRow(message);
    if (result == 0) break;
    if (result < 0) {
      m_Plots.clear();
      m_Message = CFormat("Error Reading Sylvanor Plot File: %s ", message);
      return 0;
    }
    if (static_cast<int>(m_Plots.size()) >= m_PlotCapacity) {
      m_Plots.clear();
      m_Message = CFormat("Max # (%d) of input plots exceeded", m_PlotCapacity);
      return 0;
    }
    d_BatchPlot plot;
    plot.Plot = pdq ? m_PDQRow.Plot : m_VXDRow.Plot;
    plot.MonSta = pdq ? m_PDQRow.MonSta : std::string();
    plot.Num = static_cast<int>(m_Plots.size());
    m_Plots.push_back(std::move(plot));
  }
  if (m_Plots.empty()) {
    // without a plot there is no batch to run; say why rather than fail silently
    m_Message = "No plots found in Plot File";
    return 0;
  }
  // back to the first row: the plots are read forward from here, and the
  // heading is not a plot
  Rewind(m_PlotFile);
  SkipHeadingLine(m_PlotFile);
  return PlotCount();
}

int c_FBC::NextPlot(std::string& plot, std::string& station) {
  ++m_PlotIdx;
  if (m_PlotIdx >= PlotCount()) return -1;
  const d_BatchPlot& p = m_Plots[static_cast<std::size_t>(m_PlotIdx)];
  plot = p.Plot;
  station = p.MonSta;

  if (FindPlotRow(p) != 1) return -1;

  m_TMS.DuffDepth = m_FileType == "PDQ" ? m_PDQRow.DuffDepth : m_VXDRow.DuffDept;
  SetInputs();
  TMS_LoadVX();

  if (!m_Syl.Check_InputsLG()) {
    Log_Errors(m_Syl.Get_ErrMes() + "Cannot process this plot", p.Plot, p.MonSta);
    return 0;
  }

  NextPlotEmis(p);

  m_Syl.PTL_InitTbl();
  if (!LoadTrees(p)) return 0;

  m_Syl.PLT_RetPriCalc();
  if (!m_Syl.PTL_Exec()) {
    Log_Errors(m_Syl.Get_ErrMes(), p.Plot, p.MonSta);
    return 0;
  }
  return 1;
}

int c_FBC::ReadPlotRow(std::string& message) {
  return m_FileType == "PDQ" ? ReadRow(m_PlotFile, m_PDQRow, message)
                             : ReadRow(m_PlotFile, m_VXDRow, message);
}

int c_FBC::FindPlotRow(const d_BatchPlot& p) {
  const bool pdq = m_FileType == "PDQ";
  for (int i = 0; i < kBatchPlotScanRows; ++i) {
    std::string message;
    const int result = ReadPlotRow(message);
    if (result == 0) break;
    if (result < 0) {
      Log_Errors("Error Reading Sylvanor Plot Fuel File", p.Plot, p.MonSta);
      return -1;
    }
    const bool found =
        pdq ? SameKeyword(m_PDQRow.Plot, p.Plot) && SameKeyword(m_PDQRow.MonSta, p.MonSta)
            : SameKeyword(m_VXDRow.Plot, p.Plot);
    if (found) return 1;
  }
  Log_Errors("Logic Error - Plot Num not found in Plot File \n", p.Plot, p.MonSta);
  return -1;
}

void c_FBC::SetInputs() {
  m_Syl.Set_ESDD(3.0f);
  d_PlotFuel fuel;
  if (m_FileType == "PDQ") {
    fuel = PDQ_PlotFuel(m_PDQRow);
    // a SAV the plot gives replaces the treatment's
    if (m_PDQRow.SAVGrass > 0.0f) m_TMS.GrassSAV = m_PDQRow.SAVGrass;
    if (m_PDQRow.SAVShrub > 0.0f) m_TMS.ShrubSAV = m_PDQRow.SAVShrub;
    if (m_PDQRow.SAVOneHr > 0.0f) m_TMS.OneHrSAV = m_PDQRow.SAVOneHr;
  } else {
    fuel = VXD_PlotFuel(m_VXDRow);
  }
  m_Syl.Set_Duff(fuel.Duff);
  m_Syl.Set_Grass(fuel.Grass);
  m_Syl.Set_Lichen(fuel.Lichen);
  m_Syl.Set_Moss(fuel.Moss);
  m_Syl.Set_Shrub(fuel.Shrub);
  m_Syl.Set_Litter(fuel.Litter);
  m_Syl.Set_1Hr(fuel.Hr1);
  m_Syl.Set_10Hr(fuel.Hr10);
  m_Syl.Set_100Hr(fuel.Hr100);
  m_Syl.Set_SC1Snd(fuel.Snd[0]);
  m_Syl.Set_SC2Snd(fuel.Snd[1]);
  m_Syl.Set_SC3Snd(fuel.Snd[2]);
  m_Syl.Set_SC4Snd(fuel.Snd[3]);
  m_Syl.Set_SC5Snd(fuel.Snd[4]);
  m_Syl.Set_SC1Rot(fuel.Rot[0]);
  m_Syl.Set_SC2Rot(fuel.Rot[1]);
  m_Syl.Set_SC3Rot(fuel.Rot[2]);
  m_Syl.Set_SC4Rot(fuel.Rot[3]);
  m_Syl.Set_SC5Rot(fuel.Rot[4]);
  m_Syl.Set_ExiPilLoa(fuel.Pile);
}

void c_FBC::TMS_LoadVX() {
  const d_TMS& t = m_TMS;
  m_Syl.Set_UserFolder(m_UserData);
  const bool thin = !SameKeyword(t.ThinCrit.str(), "None") && SameKeyword(t.ThinInc.str(), "Yes");
  m_Syl.Set_ThinInc(thin ? "Yes" : "No");
  m_Syl.Set_ThinCrit(t.ThinCrit.str());
  m_Syl.Set_ThiCriVal(SameKeyword(t.ThinCrit.str(), "CanopyCover") ? t.ThiCriVal / 100.0f
                                                                   : t.ThiCriVal);
  m_Syl.Set_CutEff(t.CutEff / 100.0f);
  m_Syl.Set_MinCutDia(t.MinCutDia);
  m_Syl.Set_MaxCutDia(t.MaxCutDia);
  m_Syl.Set_SubMerDia(t.SubMerDia);
  m_Syl.Set_LogTopDia(t.LogTopDia);
  m_Syl.Set_Yardloss(t.Yardloss / 100.0f);

  m_Syl.Set_PrunInc(t.PrunInc.str());
  m_Syl.Set_PrunHgt(t.PrunHgt);
  m_Syl.Set_PrunMRCR(t.PrunMRCR / 100.0f);

  const bool pile = SameKeyword(t.PileInc.str(), "Yes");
  m_Syl.Set_PilGroFra(pile ? t.PilGroPct / 100.0f : 0.0f);
  m_Syl.Set_PilTPFra(pile ? t.PilSlaPct / 100.0f : 0.0f);
  m_Syl.Set_PilBurFra(pile ? t.PilBurPct / 100.0f : 0.0f);

  if (SameKeyword(t.BroBurInc.str(), "No")) {
    m_Syl.Set_BroBurInc("No");
  } else {
    m_Syl.Set_BroBurInc("Yes");
    m_Syl.Set_ScoHgt(t.ScoHgt);
    m_Syl.Set_DuffDepth(t.DuffDepth);
    m_Syl.Set_MLCons(t.MLCons / 100.0f);
    m_Syl.Set_Moist10Hr(t.Moist10Hr / 100.0f);
    m_Syl.Set_Moist1kHr(t.Moist1kHr / 100.0f);
    m_Syl.Set_DuffMoist(t.DuffMoist / 100.0f);
    m_Syl.Set_Region(t.Region.str());
    m_Syl.Set_Season(t.Season.str());
  }

  m_Syl.Set_FueModSet(t.FueModSet);
  m_Syl.Set_Climate(t.Climate);
  m_Syl.Set_FueBedDep(t.FueBedDep);
  m_Syl.Set_GrassSAV(t.GrassSAV);
  m_Syl.Set_ShrubSAV(t.ShrubSAV);
  m_Syl.Set_1HrSAV(t.OneHrSAV);
}

void c_FBC::NextPlotEmis(const d_BatchPlot& p) {
  if (m_FileType != "PDQ") return;  // a VXD row names no emission groups
  const std::array<const std::string*, 3> names = {&m_PDQRow.EmiFla, &m_PDQRow.EmiDuf,
                                                   &m_PDQRow.EmiCoa};
  int unnamed = 0;
  for (const std::string* name : names) {
    if (name->empty() || name->front() == '0') ++unnamed;
  }
  if (unnamed == 3) return;  // the plot keeps the current factors

  std::array<d_EmisGroup, 3> groups;
  int found = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    d_EmisGroup& g = groups[i];
    g.Name = *names[i];
    found += m_NES.Get_MajFactor(g.Name, g.CO, g.CO2, g.CH4, g.PM25, g.PM10, g.NOX, g.SO2);
  }
  if (found < 3) {
    Log_Errors(
        "Missing or invalid emissions factors detected. The emissions factors set on the GUI "
        "will be used.\n",
        p.Plot, p.MonSta);
    return;
  }
  m_Emis.Flame = groups[0];
  m_Emis.Duff = groups[1];
  m_Emis.Coarse = groups[2];
  m_Emis.CriFirInt = m_NES.Get_CriFirInt();
  const std::pair<const char*, const d_EmisGroup*> engine[] = {
      {"Flame", &m_Emis.Flame}, {"Duff", &m_Emis.Duff}, {"Smolder", &m_Emis.Coarse}};
  for (const auto& [component, g] : engine) {
    m_Syl.Set_EmisFactor(component, g->Name, g->CO, g->CO2, g->CH4, g->PM25, g->PM10, g->NOX,
                         g->SO2);
  }
  m_Syl.Set_CriFirInt(m_Emis.CriFirInt);
}

int c_FBC::LoadTrees(const d_BatchPlot& p) {
  m_TreeNums.clear();
  int rowNum = 0;
  for (const d_BatchTree& tree : m_Trees.Rows(p.Plot, p.MonSta)) {
    ++rowNum;
    if (SameKeyword(tree.Status, "D")) continue;  // dead trees carry no canopy fuel
    PutTree(p, tree, rowNum);
  }
  if (m_Trees.ReadError()) {
    Log_Errors(CFormat("Error Reading Sylvanor Tree File: %s ", m_Trees.ReadMessage()), p.Plot,
               p.MonSta);
    return 0;
  }
  return 1;
}

void c_FBC::PutTree(const d_BatchPlot& p, const d_BatchTree& tree, int rowNum) {
  const bool pdq = m_FileType == "PDQ";
  const int accepted = static_cast<int>(m_TreeNums.size());
  const int treeNum = pdq ? accepted + 1 : static_cast<int>(tree.Num);

  float crnHgt = tree.CrnHgt;
  const std::string crownBase =
      FixCrownBaseHeight(tree.Hgt, crnHgt, pdq ? static_cast<float>(tree.CrnRat) : -1.0f);
  if (!crownBase.empty()) {
    Log_Errors(CFormat("%d  %s  DHB:%4.2f  Hgt:%4.1f  HgtCrn:%4.1f\n%s ", rowNum, tree.Species,
                       tree.DBH, tree.Hgt, crnHgt, crownBase),
               p.Plot, p.MonSta);
  }
  std::string crnCls = tree.CrnCls;
  const std::string crownClass =
      FixCrownClass(rowNum, tree.Species, tree.DBH, tree.Hgt, crnHgt, crnCls);
  if (!crownClass.empty()) Log_Errors(crownClass, p.Plot, p.MonSta);

  std::string message;
  if (!m_Syl.PTL_PutRec(accepted, treeNum, tree.Species, tree.DBH, tree.Hgt, crnHgt, tree.TPA,
                        crnCls, tree.Status, 0.0f, 0.0f, "English", "", message)) {
    Log_Errors(CFormat(" %s  %d %s Dia:%5.1f Hgt:%5.1f.", message, rowNum, tree.Species, tree.DBH,
                       tree.Hgt) +
                   " - Tree record will be ignored",
               p.Plot, p.MonSta);
    return;
  }
  m_TreeNums.push_back(treeNum);
}

void c_FBC::Log_Errors(const std::string& message, const std::string& plot,
                       const std::string& station) {
  if (m_Err.is_open()) {
    m_Err << CFormat("Plot: %s - MonSta: %s \n %s\n\n", plot, station, message);
  }
  ++m_ErrCount;
}

void c_FBC::CloseFile() {
  for (std::ifstream* file : {&m_PlotFile, &m_TreeFile}) {
    file->close();
    file->clear();
  }
  for (std::ofstream* file : {&m_Out, &m_Emi, &m_Err, &m_ProPre, &m_ProPost}) {
    file->close();
    file->clear();
  }
  m_Trees.Clear();
}

void c_FBC::Put_Output(const d_BatchPlot& p, float preTorch, float preCrown, float postTorch,
                       float postCrown) {
  if (!m_Out.is_open()) return;
  if (!m_OutHeading) {
    m_Out << OutputHeading();
    m_OutHeading = true;
  }
  m_Out << OutputLine(m_Syl, p.Plot, p.MonSta, preTorch, preCrown, postTorch, postCrown);
}

void c_FBC::Put_OutputEmisDefault(const d_BatchPlot& p) {
  if (!m_Emi.is_open()) return;
  if (!m_EmiHeading) {
    m_Emi << EmissionDefaultHeading();
    m_EmiHeading = true;
  }
  m_Emi << EmissionDefaultLines(m_Syl, p.Plot, p.MonSta);
}

void c_FBC::Put_OutputEmisExpand(const d_BatchPlot& p) {
  if (!m_Emi.is_open()) return;
  if (!m_EmiExpHeading) {
    m_Emi << EmissionExpandHeading(m_NES, m_Emis);
    m_EmiExpHeading = true;
  }
  m_Emi << EmissionExpandLines(m_Syl, m_NES, m_Emis, p.Plot, p.MonSta);
}

d_BatchOutcome c_FBC::RunBatch(const d_BatchFiles& files, const std::string& userFolder,
                               const BatchProgress& progress) {
  d_BatchOutcome outcome;
  const auto fail = [&](std::string message) {
    CloseFile();
    outcome.result = -1;
    outcome.message = std::move(message);
    outcome.errors = m_ErrCount;
    return outcome;
  };

  Init("CLB");
  if (!OpenFiles(files)) {
    return fail(
        CFormat("Error opening file(s). Make sure existing files are closed\n %s", m_Message));
  }

  const std::filesystem::path folder(userFolder);
  m_UserData = FindFileNoCase((folder / "qor_spp.csv").string());
  std::string message;
  if (userFolder.empty() ||
      m_NES.LoadFile(FindFileNoCase((folder / "Emission_Factors.csv").string()), message) <= 0) {
    return fail(CFormat("Can't open Emission Factor File in User Folder.\n %s\n", userFolder));
  }

  if (!LoadPlotNames()) return fail(m_Message);
  outcome.plots = PlotCount();

  for (int i = 0; i < PlotCount(); ++i) {
    const d_BatchPlot& plot = m_Plots[static_cast<std::size_t>(i)];
    std::string moistScenario;
    message.clear();
    if (!Load_Prescription(plot.Plot, plot.MonSta, moistScenario, message) || !message.empty()) {
      Log_Errors(message, plot.Plot, plot.MonSta);
      SkipPlot();
      ++outcome.skipped;
    } else {
      std::string id, station;
      const int result = NextPlot(id, station);
      if (result == 1 && id != plot.Plot) {
        return fail(CFormat("Logic Error - VXLB_Main()\n %s - %s", id, plot.Plot));
      }
      if (result == 1) {
        // the crown fire driver reports -1 for each index when it does not run
        const float preTorch = -1.0f, preCrown = -1.0f, postTorch = -1.0f, postCrown = -1.0f;
        Put_Output(plot, preTorch, preCrown, postTorch, postCrown);
        if (m_Emis.CriFirInt > 0.0f) {
          Put_OutputEmisExpand(plot);
        } else {
          Put_OutputEmisDefault(plot);
        }
        ++outcome.processed;
      } else {
        // skipped or failed (its entry is in the error file): no output
        // lines, which would otherwise carry the previous plot's results
        ++outcome.skipped;
      }
    }
    if (progress) progress(i + 1, PlotCount());
  }

  outcome.errors = m_ErrCount;
  outcome.result = 1;
  CloseFile();
  return outcome;
}

// ---------------------------------------------------------------------------
// Output files

std::string EmissionFileName(const std::string& outputFile) {
  const std::filesystem::path out(outputFile);
  return (out.parent_path() / (out.stem().string() + "-Emis.csv")).string();
}

std::string OutputHeading() {
  return "PlotID, MonSta, preCFL, postCFL, preCBD, postCBD, preCBH, postCBH, preSH, postSH, "
         "preTD, postTD, preSDI, postSDI, preCC, postCC, preBA, postBA, preQMD, postQMD, "
         "preQ75, postQ75, preTORI, postTORI, preCRNI, postCRNI, stdCubicFt, HarCubicFt, "
         "stdMCFt, HarMCFt, stdMBFt, HarMBFt, preFueMod, postFueMod\n"
         " Units,,T/ac,T/ac,kg/m3,kg/m3,ft,ft,ft,ft,tpa,tpa,tpa,tpa,percent,percent,ft2/ac, "
         "ft2/ac,     in,      in,     in,      in,   mi/hr,    mi/hr,   mi/hr,    mi/hr,    "
         "ft3/ac,     ft3/ac,  ft3/ac,  ft3/ac,   ft/ac,   ft/ac,      code,       code\n";
}

std::string OutputLine(const Sylvanor& s, const std::string& plot, const std::string& station,
                       float preTorch, float preCrown, float postTorch, float postCrown) {
  return CFormat(
      "%s, %s, %6.2f, %6.2f, %6.3f, %6.3f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, "
      "%6.2f,  %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.0f, %6.0f, %6.0f, "
      "%6.0f, %6.2f, %6.2f, %6.2f, %6.2f,  %6.2f, %6.2f, %s, %s \n",
      plot, station, s.Get_PreAvailFuel(), s.Get_AvailFuel(), s.Get_Precbd(), s.Get_cbd(),
      s.Get_Precbh(), s.Get_cbh(), s.Get_Presh(), s.Get_sh(), s.Get_PreSteDen(), s.Get_SteDen(),
      s.Get_PreStdDenIdx(), s.Get_StdDenIdx(), s.Get_PreCanCov(), s.Get_CanCov(), s.Get_PreBasal(),
      s.Get_Basal(), s.Get_PreQuaMeaDia(), s.Get_QuaMeaDia(), s.Get_PreQd75(), s.Get_Qd75(),
      preTorch, postTorch, preCrown, postCrown, s.Get_StCuFt(), s.Get_HaCuFt(), s.Get_StMeCuft(),
      s.Get_HaMeCuft(), s.Get_StBdft(), s.Get_HaBdft(), s.Get_FuelModel_PreTreatment(),
      s.Get_FuelModel_PostTreatment());
}

std::string EmissionValue(float value) {
  if (value < 1.0f) return CFormat(",%4.2f", value);
  if (value < 10.0f) return CFormat(",%4.1f", value);
  return CFormat(",%4.0f", value);
}

std::string EmissionDefaultHeading() {
  return "Plot,MonSta,Type,CO2,CO,CH4,NOX,SO2,PM2.5,PM10\n"
         ",,,lb/ac,lb/ac,lb/ac,lb/ac,lb/ac,lb/ac,lb/ac\n";
}

std::string EmissionDefaultLines(const Sylvanor& s, const std::string& plot,
                                 const std::string& station) {
  std::string text;
  for (const char* type : {"Flame", "Smolder", "Total"}) {
    float pm25 = 0, pm10 = 0, ch4 = 0, co2 = 0, co = 0, nox = 0, so2 = 0;
    s.Get_EmiTot(type, pm25, pm10, ch4, co2, co, nox, so2);
    text += CFormat("%s,%s,%s", plot, station, type);
    for (const float v : {co2, co, ch4, nox, so2, pm25, pm10}) {
      text += EmissionValue(v);
    }
    text += '\n';
  }
  return text;
}

std::string EmissionExpandHeading(const c_NES& nes, const d_EmisSettings& emis) {
  std::string headings = "Plot,MonSta,Type";
  std::string codes = ",,";
  for (int k = 1; k <= nes.ComponentCount(); ++k) {
    std::string cover, heading, code;
    float factor = 0;
    if (nes.Get_Factor(emis.Flame.Name, k, cover, factor, heading, code) != 1) continue;
    headings += "," + NoCommas(heading);
    codes += "," + NoCommas(code);
  }
  return headings + "\n" + codes + "\n";
}

std::string EmissionExpandLines(const Sylvanor& s, const c_NES& nes, const d_EmisSettings& emis,
                                const std::string& plot, const std::string& station) {
  float flame = 0, coarse = 0, duff = 0;
  s.Get_EmiMass(flame, coarse, duff);
  const int components = std::min(nes.ComponentCount(), static_cast<int>(kEmisComponents));
  std::vector<float> total(static_cast<std::size_t>(components) + 1, 0.0f);
  std::vector<bool> counted(total.size(), false);
  std::string cover, heading, code;

  std::string text = CFormat("%s,%s,STFS", plot, station);
  for (int k = 1; k <= components; ++k) {
    float factor = 0;
    if (nes.Get_Factor(emis.Flame.Name, k, cover, factor, heading, code) != 1) continue;
    const float v = flame * factor * kLbAcrePerGm2;
    text += EmissionValue(v);
    total[k] += v;
  }
  text += '\n';

  text += CFormat("%s,%s,CWDRSC+Duff", plot, station);
  for (int k = 1; k <= components; ++k) {
    float factor = 0;
    if (nes.Get_Factor(emis.Coarse.Name, k, cover, factor, heading, code) != 1) continue;
    float duffFactor = 0;
    // a duff group without this component adds nothing
    if (nes.Get_Factor(emis.Duff.Name, k, cover, duffFactor, heading, code) != 1) duffFactor = 0;
    const float v = (coarse * factor + duff * duffFactor) * kLbAcrePerGm2;
    text += EmissionValue(v);
    total[k] += v;
    counted[k] = true;
  }
  text += '\n';

  text += CFormat("%s,%s,Total", plot, station);
  for (int k = 1; k <= components; ++k) {
    if (counted[k]) text += EmissionValue(total[k]);
  }
  text += '\n';
  return text;
}

}  // namespace sylvanor
