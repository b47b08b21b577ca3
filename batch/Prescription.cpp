#include "batch/Prescription.h"

#include <utility>

#include "base/CFormat.h"
#include "base/Keyword.h"

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

int FindLinkRow(const c_LTFIndex& link, const std::string& plot, const std::string& station,
                d_LTF& row, std::string& message) {
  std::string readMessage;
  const int result = link.Find(plot, station, row, readMessage);
  if (result > 0) return 1;
  if (result < 0) {
    message = CFormat("Error Reading Link Treatment File: %s ", readMessage);
    return 0;
  }
  message = CFormat("Plot Missing in Link Treatment File: %s", plot);
  return 0;
}

void LoadTreatment(const d_LTF& row, const d_PrjTreatment& t, d_TMS& s) {
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

void LoadEmissions(const c_PrjIndex& project, const c_NES& nes, d_EmisSettings& emis) {
  if (!SameKeyword(ProjectValue(project, "EmisType"), "Expanded")) {
    emis.CriFirInt = -1.0f;  // the default emissions output
    return;
  }
  emis.CriFirInt = nes.Get_CriFirInt();
  const std::pair<d_EmisFactors*, const char*> groups[] = {
      {&emis.Flame, "EmisFlame"},
      {&emis.Duff, "EmisDuff"},
      {&emis.Coarse, "EmisCoarse"},
  };
  for (const auto& [group, keyword] : groups) {
    // a group the table does not hold leaves its factors at 0
    *group = {Prj_WordToName(ProjectValue(project, keyword)), {}};
    nes.Get_MajFactor(group->Name, *group);
  }
}

void LoadFuelModel(const c_PrjIndex& project, d_FMSText& f, d_TMS& t) {
  f.Model = ProjectValue(project, "FMSModel");
  f.Climate = ProjectValue(project, "FMSClimate");
  f.BedDep = ProjectValue(project, "FMSBedDep");
  f.SAVGra = ProjectValue(project, "FMSSAVGra");
  f.SAVShu = ProjectValue(project, "FMSSAVShu");
  f.SAV1Hr = ProjectValue(project, "FMSSAV1Hr");
  t.FueModSet = f.Model;
  t.Climate = f.Climate;
  t.FueBedDep = Prj_AtoF(f.BedDep);
  t.GrassSAV = Prj_AtoF(f.SAVGra);
  t.ShrubSAV = Prj_AtoF(f.SAVShu);
  t.OneHrSAV = Prj_AtoF(f.SAV1Hr);
}

void LoadSpecies(const c_PrjIndex& project, const std::string& group, d_Prescription& pre) {
  pre.RetSpe.fill(d_RetSpe{});
  std::size_t taken = 0;
  std::string rowGroup, species, minDia, maxDia, priority;
  for (int n = 0; n < kPrjSpeciesRows && taken < kRetSpeRows; ++n) {
    if (!Prj_FindSpecies(project, rowGroup, species, minDia, maxDia, priority, n)) break;
    if (!Prj_SameName(rowGroup, group)) continue;
    d_RetSpe& spe = pre.RetSpe[taken++];
    spe.Species = species;
    spe.MinDia = Prj_AtoF(minDia);
    spe.MaxDia = Prj_AtoF(maxDia);
    spe.Pri = Prj_AtoF(priority);
  }
  pre.RetSpeCount = taken;
}

// The first numbered record of the project whose name (the `name` field) is
// `wanted`; the numbered records end at the first missing number.
template <typename Record, typename Field>
bool FindNamedRecord(const c_PrjIndex& project, int (*find)(const c_PrjIndex&, Record&, int),
                     Record& record, Field Record::*name, const std::string& wanted) {
  for (int n = 0; n < kPrjRecords && find(project, record, n); ++n) {
    if (Prj_SameName((record.*name).str(), wanted)) return true;
  }
  return false;
}

}  // namespace

std::string MoistScenario(float m) {
  if (!(m > 0.0f)) return {};
  if (m <= 6.0f) return "VeryDry";
  if (m <= 10.0f) return "Dry";
  if (m <= 16.0f) return "Moderate";
  return "Wet";
}

int Load_Prescription(const c_LTFIndex& link, const c_PrjIndex& project, const c_NES& nes,
                      const std::string& plot, const std::string& station, d_Prescription& pre,
                      std::string& moistScenario, std::string& message) {
  message.clear();
  if (!FindLinkRow(link, plot, station, pre.LinkRow, message)) return 0;
  const d_LTF& row = pre.LinkRow;

  // the retention priority set and the treatment named by the row
  d_PrjRetPri set;
  if (!FindNamedRecord(project, Prj_FindRetPri, set, &d_PrjRetPri::Name, row.RPName)) {
    message = CFormat("Cannot find Retention Priority in project file: %s", row.RPName);
    return 0;
  }

  d_PrjTreatment treatment;
  if (!FindNamedRecord(project, Prj_FindTreatment, treatment, &d_PrjTreatment::TreatName,
                       row.TmName)) {
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

  LoadTreatment(row, treatment, pre.TMS);
  LoadEmissions(project, nes, pre.Emis);
  const auto factors = set.Fields();
  for (std::size_t i = 0; i < kRetPriValues; ++i) {
    pre.RetPri[i] = Prj_AtoF(factors[2 + i]->str());  // after the name and description
  }
  LoadFuelModel(project, pre.FMSText, pre.TMS);
  LoadSpecies(project, set.SpeciesGroup.str(), pre);

  if (std::string scenario = MoistScenario(pre.TMS.Moist10Hr); !scenario.empty()) {
    moistScenario = std::move(scenario);
    return 1;
  }
  // without a treatment moisture the project's scenario applies
  PrjWords values;
  std::string line;
  if (!Prj_FindSw(project, "BCBMoist", values, line)) {
    message = "No treatment moisture value or moisture switch found in project file";
    return 0;
  }
  moistScenario = values[1];
  return 1;
}

}  // namespace sylvanor
