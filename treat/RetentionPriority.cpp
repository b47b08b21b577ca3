#include "treat/RetentionPriority.h"

#include <algorithm>

#include "base/Keyword.h"

namespace sylvanor {

namespace {

constexpr float kNoSpeciesRow = 0.5f;  // species factor when no row applies
constexpr float kNeverThin = 99.0f;
constexpr float kLowCrownRatio = 0.1f;  // the crown ratio at which the factor is CRs
constexpr float kNoLiveDia = 9999.0f;   // start of the search for the smallest live DBH

bool InRange(const d_RetPriSpe& row, float dbh) {
  return row.MinDia <= dbh && dbh < row.MaxDia;
}

float StatusWeight(const d_RetPriSet& set, const std::string& status) {
  if (SameKeyword(status, "H")) return set.Hea;
  if (SameKeyword(status, "U")) return set.UHe;
  if (SameKeyword(status, "S")) return set.Sic;
  return set.Dea;  // "D" and anything unknown
}

// "SC" (and any unknown class) has no weight of its own and gives 0.
float CrownClassWeight(const d_RetPriSet& set, const std::string& crownClass) {
  if (SameKeyword(crownClass, "D")) return set.Dom;
  if (SameKeyword(crownClass, "C")) return set.CoD;
  if (SameKeyword(crownClass, "I")) return set.Int;
  if (SameKeyword(crownClass, "E")) return set.Emr;
  if (SameKeyword(crownClass, "S")) return set.Sup;
  if (SameKeyword(crownClass, "O")) return set.OpG;
  if (SameKeyword(crownClass, "N")) return set.Non;
  return 0.0f;
}

void RaiseLowCrownRatio(float& v) {
  if (v > 0.0f && v < kLowCrownRatio) v = kLowCrownRatio;
}

// A straight line through (0.1, CRs) and (CRm, 1), kept within 0 to 1: a
// factor below 0 would make a priority negative, below the trees that are
// cut first. The pairs (1, 1), (1, 0) and (0, 0) switch the factor off. With
// CRm at 0.1 the line would be vertical; the factor is then 1 from 0.1 on
// and CRs below.
double CrownRatioFactor(d_RetPriSet& set, float crownRatio) {
  if (!(crownRatio > 0.0f)) return 0.0;
  RaiseLowCrownRatio(set.CRs);
  RaiseLowCrownRatio(set.CRm);
  const float crs = set.CRs;
  const float crm = set.CRm;
  if ((crs == 1.0f && crm == 1.0f) || (crs == 1.0f && crm == 0.0f) || (crs == 0.0f && crm == 0.0f))
    return 1.0;
  double r;
  if (crm == kLowCrownRatio)
    r = crownRatio >= kLowCrownRatio ? 1.0 : crs;
  else
    r = (1.0 - crs) / (static_cast<double>(crm) - kLowCrownRatio) *
            (static_cast<double>(crownRatio) - crm) +
        1.0;
  return std::clamp(r, 0.0, 1.0);
}

// From Dia at zero DBH up to 1 at the plot's largest live DBH, which also
// stands for any larger DBH (of a dead tree).
double DiameterFactor(const d_RetPriSet& set, float dbh) {
  const double maxDia = set.MaxDia;
  if (!(maxDia > 0.0)) return 0.0;
  const double dia = std::min(static_cast<double>(dbh), maxDia);
  const double d = dia / maxDia * (1.0 - set.Dia) + set.Dia;
  return (d < 0.0 || d > 1.0) ? 0.0 : d;
}

}  // namespace

void RPC_Init_SpeLis(RetPriSpeList& list) {
  for (d_RetPriSpe& row : list)
    row.Name.clear();
}

int RPC_SetSpe(RetPriSpeList& list, const std::string& name, float minDia, float maxDia,
               float pri) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (!list[i].Name.empty()) continue;
    d_RetPriSpe& row = list[i];
    row.Name = name;
    row.MinDia = minDia;
    row.MaxDia = maxDia;
    row.Pri = pri;
    return static_cast<int>(i);
  }
  return static_cast<int>(kRetPriSpecies);
}

float RPC_Species_GetPri(const RetPriSpeList& list, const std::string& species, float dbh) {
  bool haveOther = false;
  float other = 0.0f;
  for (const d_RetPriSpe& row : list) {
    if (row.Name.empty()) break;
    if (!InRange(row, dbh)) continue;
    if (row.Name == species) return row.Pri;
    if (row.Name == "_Other") {
      haveOther = true;
      other = row.Pri;
    }
  }
  return haveOther ? other : kNoSpeciesRow;
}

float RPC_Get_RetPri(d_RetPriSet& set, const RetPriSpeList& list, const std::string& species,
                     const std::string& crownClass, float crownRatio, const std::string& status,
                     float dbh) {
  const float s = RPC_Species_GetPri(list, species, dbh);
  if (s == kNeverThin) return kNeverThin;
  const double w = StatusWeight(set, status);
  const double c = CrownClassWeight(set, crownClass);
  const double r = CrownRatioFactor(set, crownRatio);
  const double d = DiameterFactor(set, dbh);
  if (SameKeyword(status, "D")) return static_cast<float>(w * s * d);
  return static_cast<float>(w * s * c * r * d);
}

int PLT_RetPriCalc(d_PTLTable& table, d_RetPriSet& set, const RetPriSpeList& list) {
  const int n = PTL_Count(table);
  float minDia = kNoLiveDia;
  float maxDia = 0.0f;
  for (int i = 0; i < n; ++i) {
    const d_PTLRec& rec = table[i];
    if (PTL_IsDead(rec)) continue;
    minDia = std::min(minDia, rec.Dia);
    maxDia = std::max(maxDia, rec.Dia);
  }
  set.MinDia = minDia;
  set.MaxDia = maxDia;

  for (int i = 0; i < n; ++i) {
    d_PTLRec& rec = table[i];
    const float crownRatio = rec.Hgt > 0.0f ? (rec.Hgt - rec.CrnHgt) / rec.Hgt : 0.0f;
    rec.RetPri = RPC_Get_RetPri(set, list, rec.Species.str(), rec.CrnCls.str(), crownRatio,
                                rec.Status.str(), rec.Dia);
  }
  return 1;
}

}  // namespace sylvanor
