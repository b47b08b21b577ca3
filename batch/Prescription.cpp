#include "batch/Prescription.h"

#include <algorithm>
#include <utility>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "base/TextInput.h"

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

// Reads the numbers of the project file, keeping the first one beyond the
// range of a float with the keyword and field it was found at.
class NumberReader {
 public:
  explicit NumberReader(const c_PrjIndex& project) : project_(project) {}

  // The value of `text`, found at the field of the keyword's line (the
  // keyword's own value when `field` is empty); 0 when out of range.
  float operator()(const std::string& text, const std::string& keyword,
                   const std::string& field = {}) {
    float value = 0.0f;
    if (!Prj_ReadFloat(text, value) && error_.empty()) {
      const std::string where = field.empty() ? keyword : field + " of " + keyword;
      error_ = AtFileLine(
          CFormat("Error Reading Batch Project File: %s is out of range: %s", where, text),
          project_.Name(), project_.LineOf(keyword));
    }
    return value;
  }
  const std::string& Error() const { return error_; }

 private:
  const c_PrjIndex& project_;
  std::string error_;
};

int FindLinkRow(const c_LTFIndex& link, const std::string& plot, const std::string& station,
                d_LTF& row, std::string& message) {
  std::string readMessage;
  const int result = link.Find(plot, station, row, readMessage);
  if (result > 0) return 1;
  if (result < 0) {
    message = AtFileLine(CFormat("Error Reading Link Treatment File: %s ", readMessage),
                         link.Name(), link.ReadLine());
    return 0;
  }
  message = CFormat("Plot Missing in Link Treatment File: %s", plot);
  return 0;
}

void LoadTreatment(const d_LTF& row, const d_PrjTreatment& t, const std::string& keyword,
                   NumberReader& number, d_TMS& s) {
  const auto value = [&](const PrjField& field) {
    const auto fields = t.Fields();
    const std::size_t k =
        static_cast<std::size_t>(std::find(fields.begin(), fields.end(), &field) - fields.begin());
    return number(field.str(), keyword, kPrjTreatmentFieldNames[k]);
  };
  s.ThinInc = YesNo(row.Thin);
  s.TreatName = Prj_WordToName(t.TreatName.str());
  s.ThinCrit = t.ThinType;
  s.ThiCriVal = value(t.ThinCriteria);
  s.CutEff = value(t.ThinCutEff);
  s.SubMerDia = value(t.ThinSubMerc);
  s.LogTopDia = value(t.ThinTopDiam);
  s.Yardloss = value(t.ThinYardLose);
  s.MinCutDia = value(t.ThinMinCut);
  s.MaxCutDia = value(t.ThinMaxCut);

  s.PrunInc = YesNo(row.Prune);
  s.PrunHgt = value(t.PruneHgt);
  s.PrunMRCR = value(t.PruneMRCR);

  s.PileInc = YesNo(row.Pile);
  s.PilGroPct = value(t.PilExiGro);
  s.PilSlaPct = value(t.PileSlash);
  s.PilBurPct = value(t.PilePercentBurn);

  s.BroBurInc = YesNo(row.Burb);
  s.ScoHgt = value(t.BBSchHgt);
  s.Moist10Hr = value(t.BB10HrMoist);
  s.Moist1kHr = value(t.BB1kHrMoist);
  s.DuffMoist = value(t.BBDuffMoist);
  s.Region = t.BBRegion;
  s.Season = t.BBSeason;
}

void LoadEmissions(const c_PrjIndex& project, const c_NES& nes, d_EmisSettings& emis) {
  // the groups are read in both modes: the burned piles smoke with the
  // flaming and coarse-wood groups even when the burn takes the fixed factors
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
  emis.CriFirInt = SameKeyword(ProjectValue(project, "EmisType"), "Expanded")
                       ? nes.Get_CriFirInt()
                       : -1.0f;  // the default emissions output
}

void LoadFuelModel(const c_PrjIndex& project, NumberReader& number, d_FMSText& f, d_TMS& t) {
  f.Model = ProjectValue(project, "FMSModel");
  f.Climate = ProjectValue(project, "FMSClimate");
  f.BedDep = ProjectValue(project, "FMSBedDep");
  f.SAVGra = ProjectValue(project, "FMSSAVGra");
  f.SAVShu = ProjectValue(project, "FMSSAVShu");
  f.SAV1Hr = ProjectValue(project, "FMSSAV1Hr");
  t.FueModSet = f.Model;
  t.Climate = f.Climate;
  t.FueBedDep = number(f.BedDep, "FMSBedDep");
  t.GrassSAV = number(f.SAVGra, "FMSSAVGra");
  t.ShrubSAV = number(f.SAVShu, "FMSSAVShu");
  t.OneHrSAV = number(f.SAV1Hr, "FMSSAV1Hr");
}

void LoadSpecies(const c_PrjIndex& project, NumberReader& number, const std::string& group,
                 d_Prescription& pre) {
  pre.RetSpe.fill(d_RetSpe{});
  std::size_t taken = 0;
  std::string rowGroup, species, minDia, maxDia, priority;
  for (int n = 0; n < kPrjSpeciesRows && taken < kRetSpeRows; ++n) {
    if (!Prj_FindSpecies(project, rowGroup, species, minDia, maxDia, priority, n)) break;
    if (!Prj_SameName(rowGroup, group)) continue;
    d_RetSpe& spe = pre.RetSpe[taken++];
    const std::string keyword = CFormat("Species-%d", n);
    spe.Species = species;
    spe.MinDia = number(minDia, keyword, "MinDia");
    spe.MaxDia = number(maxDia, keyword, "MaxDia");
    spe.Pri = number(priority, keyword, "Priority");
  }
  pre.RetSpeCount = taken;
}

// The number of the first numbered record of the project whose name (the
// `name` field) is `wanted`, or -1; the numbered records end at the first
// missing number.
template <typename Record, typename Field>
int FindNamedRecord(const c_PrjIndex& project, int (*find)(const c_PrjIndex&, Record&, int),
                    Record& record, Field Record::*name, const std::string& wanted) {
  for (int n = 0; n < kPrjRecords && find(project, record, n); ++n) {
    if (Prj_SameName((record.*name).str(), wanted)) return n;
  }
  return -1;
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
  const int setNum = FindNamedRecord(project, Prj_FindRetPri, set, &d_PrjRetPri::Name, row.RPName);
  if (setNum < 0) {
    message = CFormat("Cannot find Retention Priority in project file: %s", row.RPName);
    return 0;
  }

  d_PrjTreatment treatment;
  const int treatmentNum = FindNamedRecord(project, Prj_FindTreatment, treatment,
                                           &d_PrjTreatment::TreatName, row.TmName);
  if (treatmentNum < 0) {
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

  NumberReader number(project);
  LoadTreatment(row, treatment, CFormat("Treatment-%d", treatmentNum), number, pre.TMS);
  LoadEmissions(project, nes, pre.Emis);
  const auto factors = set.Fields();
  const std::string setKeyword = CFormat("RetPri-%d", setNum);
  for (std::size_t i = 0; i < kRetPriValues; ++i) {
    // after the name and description
    pre.RetPri[i] = number(factors[2 + i]->str(), setKeyword, kPrjRetPriFieldNames[2 + i]);
  }
  LoadFuelModel(project, number, pre.FMSText, pre.TMS);
  LoadSpecies(project, number, set.SpeciesGroup.str(), pre);
  if (!number.Error().empty()) {
    message = number.Error();
    return 0;
  }

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
