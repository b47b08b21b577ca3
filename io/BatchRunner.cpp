#include "io/BatchRunner.h"

#include "io/CFormat.h"
#include "io/Keyword.h"
#include "platform/FileLookup.h"

namespace {

// A switch of the link treatment file, stored as "Yes" only when it says so.
const char* YesNo(const std::string& value) {
  return SameKeyword(value, "Yes") ? "Yes" : "No";
}

bool IsYesOrNo(const std::string& value) {
  return SameKeyword(value, "Yes") || SameKeyword(value, "No");
}

// The value of a keyword line of the project file, empty when missing.
std::string ProjectValue(std::istream& file, const std::string& keyword) {
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
  m_Link = nullptr;
  if (!OpenForReading(m_LinkFile, path)) {
    message = CFormat("Can't Open Link Treatment File : %s\n", path);
    return 0;
  }
  m_Link = &m_LinkFile;
  return 1;
}

int c_FBC::OpenProject(const std::string& path, std::string& message) {
  m_Proj = nullptr;
  if (!OpenForReading(m_ProjFile, path)) {
    message = CFormat("Can't Open Batch Project File: %s\n", path);
    return 0;
  }
  m_Proj = &m_ProjFile;
  return 1;
}

void c_FBC::UseLinkTreatment(std::istream& file) {
  m_Link = &file;
}

void c_FBC::UseProject(std::istream& file) {
  m_Proj = &file;
}

int c_FBC::Load_Prescription(const std::string& plot, const std::string& station,
                             std::string& moistScenario, std::string& message) {
  message.clear();
  if (m_Link == nullptr) {
    message = "Link Treatment File is not open";
    return 0;
  }
  if (m_Proj == nullptr) {
    message = "Batch Project File is not open";
    return 0;
  }
  std::istream& project = *m_Proj;

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
  std::istream& link = *m_Link;
  link.clear();
  link.seekg(0);
  LTF_SkipHeader(link);
  for (int i = 0; i < kLinkTreatmentRows; ++i) {
    std::string readMessage;
    const int result = LTF_Get(link, m_LinkRow, readMessage);
    if (result == 0) break;
    if (result < 0) {
      message = CFormat("Error Reading Link Treatment File: %s ", readMessage);
      return 0;
    }
    if (m_LinkRow.Plot == plot && m_LinkRow.MonSta == station) return 1;
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
  std::istream& project = *m_Proj;
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
  std::istream& project = *m_Proj;
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
  std::istream& project = *m_Proj;
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
  if (!Prj_FindSw(*m_Proj, "BCBMoist", values, line)) {
    message = "No treatment moisture value or moisture switch found in project file";
    return 0;
  }
  scenario = values[1];
  return 1;
}
