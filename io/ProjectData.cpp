#include "io/ProjectData.h"

#include <algorithm>
#include <fstream>
#include <optional>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "platform/FileLookup.h"

namespace sylvanor {

namespace {

// The words of a keyword's line, when the project has one.
std::optional<PrjWords> Words(const c_PrjIndex& project, const std::string& keyword) {
  PrjWords words;
  std::string line;
  if (!Prj_FindSw(project, keyword, words, line)) return std::nullopt;
  return words;
}

void ReadText(const c_PrjIndex& project, const char* keyword, std::string& field) {
  if (const auto words = Words(project, keyword)) field = Prj_WordToName((*words)[1]);
}

void ReadNumber(const c_PrjIndex& project, const char* keyword, float& field) {
  if (const auto words = Words(project, keyword)) field = Prj_AtoF((*words)[1]);
}

void ReadSwitch(const c_PrjIndex& project, const char* keyword, bool& field) {
  if (const auto words = Words(project, keyword)) field = SameKeyword((*words)[1], "Yes");
}

void ReadColor(const c_PrjIndex& project, const char* keyword, d_PrjColor& color) {
  if (const auto words = Words(project, keyword)) {
    color = {static_cast<int>(Prj_AtoF((*words)[1])), static_cast<int>(Prj_AtoF((*words)[2])),
             static_cast<int>(Prj_AtoF((*words)[3]))};
  }
}

// A record's fields with their '$' turned back into blanks.
template <class Record>
Record Named(Record record) {
  for (PrjField* field : record.Fields())
    *field = Prj_WordToName(field->str());
  return record;
}

}  // namespace

d_PrjData Prj_ReadData(const c_PrjIndex& p) {
  d_PrjData d;
  ReadText(p, "CBDThreshold", d.CBDThreshold);

  for (int n = 0;; ++n) {
    d_PrjSpeciesRow row;
    if (!Prj_FindSpecies(p, row.Group, row.Species, row.MinDia, row.MaxDia, row.Priority, n)) break;
    for (std::string* field : {&row.Group, &row.Species, &row.MinDia, &row.MaxDia, &row.Priority})
      *field = Prj_WordToName(*field);
    d.SpeciesRows.push_back(std::move(row));
  }
  for (int n = 0;; ++n) {
    const auto words = Words(p, CFormat("SpeciesGroup-%d", n));
    if (!words) break;
    d.SpeciesGroups.push_back(
        {Prj_WordToName((*words)[1]), static_cast<int>(Prj_AtoF((*words)[2]))});
  }
  for (int n = 0;; ++n) {
    d_PrjRetPri set;
    if (!Prj_FindRetPri(p, set, n)) break;
    d.RetPriSets.push_back(Named(set));
  }
  ReadText(p, "RetPri", d.RetPri);
  for (int n = 0;; ++n) {
    d_PrjTreatment treatment;
    if (!Prj_FindTreatment(p, treatment, n)) break;
    d.Treatments.push_back(Named(treatment));
  }
  ReadText(p, "Treatment", d.Treatment);

  ReadSwitch(p, "Thin", d.Thin);
  ReadSwitch(p, "Prune", d.Prune);
  ReadSwitch(p, "BCB", d.BCB);
  ReadSwitch(p, "Pile", d.Pile);
  ReadText(p, "ThinType", d.ThinType);
  const std::pair<const char*, float*> numbers[] = {
      {"ThinCriteria", &d.ThinCriteria}, {"ThinCutEff", &d.ThinCutEff},
      {"ThinMinCut", &d.ThinMinCut},     {"ThinMaxCut", &d.ThinMaxCut},
      {"ThinSubMer", &d.ThinSubMer},     {"ThinLogTop", &d.ThinLogTop},
      {"ThinYarLos", &d.ThinYarLos},     {"PruneHgt", &d.PruneHgt},
      {"PruneMRCR", &d.PruneMRCR},       {"BCBScoHgt", &d.BCBScoHgt},
      {"BCBDuDep", &d.BCBDuDep},         {"BCBMosLicBur", &d.BCBMosLicBur},
      {"BCBMoi10Hr", &d.BCBMoi10Hr},     {"BCBMoi1kHr", &d.BCBMoi1kHr},
      {"BCBMoiDuf", &d.BCBMoiDuf},       {"PileGround", &d.PileGround},
      {"PileSlash", &d.PileSlash},       {"PileBurn", &d.PileBurn},
      {"FMSBedDep", &d.FMSBedDep},       {"FMSSAVGra", &d.FMSSAVGra},
      {"FMSSAVShu", &d.FMSSAVShu},       {"FMSSAV1Hr", &d.FMSSAV1Hr}};
  for (const auto& [keyword, field] : numbers)
    ReadNumber(p, keyword, *field);
  const std::pair<const char*, std::string*> texts[] = {
      {"BCBMoist", &d.BCBMoist},         {"BCBRegion", &d.BCBRegion},
      {"BCBSeason", &d.BCBSeason},       {"EmisType", &d.EmisType},
      {"EmisFlame", &d.EmisFlame},       {"EmisDuff", &d.EmisDuff},
      {"EmisCoarse", &d.EmisCoarse},     {"FMSModel", &d.FMSModel},
      {"FMSClimate", &d.FMSClimate},     {"PlotFileName", &d.PlotFileName},
      {"PlotFileType", &d.PlotFileType}, {"PlotName", &d.PlotName}};
  for (const auto& [keyword, field] : texts)
    ReadText(p, keyword, *field);

  if (const auto words = Words(p, "DecimalPrecision"))
    d.DecimalPrecision = std::clamp(static_cast<int>(Prj_AtoF((*words)[1])), 1, 3);
  for (const char* scheme : {"Color1", "Color2", "ColorCustom"}) {
    if (Words(p, scheme)) {
      d.ColorScheme = scheme;
      break;
    }
  }
  ReadColor(p, "ColorBackground", d.ColorBackground);
  ReadColor(p, "ColorControl", d.ColorControl);
  ReadSwitch(p, "FuelModelShow", d.FuelModelShow);
  return d;
}

int Prj_ReadFile(const std::string& path, d_PrjData& data, std::string& message) {
  message.clear();
  const std::filesystem::path found = FindFileNoCase(path);
  std::ifstream file;
  if (!ExistsAsNonFile(found)) file.open(found, std::ios::binary);
  if (!file.is_open()) {
    message = CFormat("Can't Open Project File: %s\n", path);
    if (ExistsAsNonFile(found)) message += CFormat(" %s is not a file\n", path);
    return 0;
  }
  c_PrjIndex project;
  project.Build(file, path);
  data = Prj_ReadData(project);
  return 1;
}

}  // namespace sylvanor
