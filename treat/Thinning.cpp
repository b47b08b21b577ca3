#include "treat/Thinning.h"

#include <cmath>

#include "base/CFormat.h"
#include "base/Keyword.h"

namespace sylvanor {

namespace {

constexpr float kNeverCut = 99.0f;   // retention priority no criterion cuts
constexpr double kStep = 0.1;        // trees/acre removed per step
constexpr float kLeastLeft = 0.05f;  // less than this left of a record is none

bool InCutRange(const d_PTLRec& rec, const d_ThinSettings& s) {
  return rec.Dia > s.MinCutDia && rec.Dia < s.MaxCutDia;
}

void FreeThinning(d_PTLTable& trees, std::string& warning) {
  const int n = PTL_Count(trees);
  bool cut = false;
  for (int i = 0; i < n; ++i) {
    d_PTLRec& rec = trees[static_cast<std::size_t>(i)];
    if (rec.CutEff <= 0.0f) continue;
    rec.TPAadj = rec.TPAadj * (1.0f - rec.CutEff);
    cut = true;
  }
  if (!cut) warning = "No trees removed from free thinning";
}

void CriterionThinning(d_PTLTable& trees, const d_ThinSettings& s, const ThinCriterion& value,
                       std::string& warning) {
  const int n = PTL_Count(trees);
  // the trees to cut first lose their share whatever the stand
  for (int i = 0; i < n; ++i) {
    d_PTLRec& rec = trees[static_cast<std::size_t>(i)];
    if (rec.RetPri == 0.0f && InCutRange(rec, s)) rec.TPAadj -= rec.TPAadj * s.CutEff;
  }
  if (s.CriVal >= value(trees)) {
    warning = "No tree thining has been done.\n" +
              CFormat("Plot %s is already less than %5.2f\n", s.Crit, s.CriVal);
    return;
  }
  int steps = 0;
  for (int i = 0; i < n; ++i) {
    d_PTLRec& rec = trees[static_cast<std::size_t>(i)];
    if (rec.RetPri == kNeverCut || rec.RetPri == 0.0f || !InCutRange(rec, s)) continue;
    const int most = static_cast<int>(rec.TPAadj * s.CutEff * 10);
    for (int k = 0; k < most; ++k) {
      if (value(trees) <= s.CriVal) return;
      rec.TPAadj = static_cast<float>(rec.TPAadj - kStep);
      if (rec.TPAadj < kLeastLeft) rec.TPAadj = 0.0f;
      ++steps;
      if (rec.TPAadj == 0.0f) break;
    }
  }
  if (steps == 0)
    warning = CFormat("No trees found between specified min/max to thin, %s\n", s.Crit);
}

}  // namespace

float TH_SumCriterion(const std::string& crit, const d_PTLTable& trees, float esdd) {
  const int n = PTL_Count(trees);
  double sum = 0.0;
  for (int i = 0; i < n; ++i) {
    const d_PTLRec& rec = trees[static_cast<std::size_t>(i)];
    if (crit == "BasalArea") {
      if (!PTL_IsDead(rec)) sum += 3.14159 * (rec.Dia / 2.0) * (rec.Dia / 2.0) * rec.TPAadj / 144.0;
    } else if (crit == "StandDensityIndex") {
      sum += rec.TPAadj * std::pow(rec.Dia / 10.0, 1.605);
    } else if (crit == "TreeDensity") {
      sum += rec.TPAadj;
    } else if (crit == "ExceedingTreeDensity") {
      if (rec.Dia >= esdd) sum += rec.TPAadj;
    }
  }
  return static_cast<float>(sum);
}

int TH_Thin(d_PTLTable& trees, const d_ThinSettings& s, const ThinCriterion& value,
            std::string& warning) {
  warning.clear();
  PTL_SortRetPri(trees);
  if (SameKeyword(s.Crit, "Free")) {
    FreeThinning(trees, warning);
  } else {
    CriterionThinning(trees, s, value, warning);
  }
  // what left each record: harvest from the merchantable trees, slash below
  const int n = PTL_Count(trees);
  for (int i = 0; i < n; ++i) {
    d_PTLRec& rec = trees[static_cast<std::size_t>(i)];
    const float removed = rec.TPA - rec.TPAadj;
    rec.Harv = removed != 0.0f && rec.Dia >= s.SubMerDia ? removed : 0.0f;
    rec.Slash = removed != 0.0f && rec.Dia < s.SubMerDia ? removed : 0.0f;
  }
  return 1;
}

}  // namespace sylvanor
