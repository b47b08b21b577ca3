#include "treat/Thinning.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>
#include <utility>

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

// The criterion's value while the thinning cuts: kept up to date for a sum,
// evaluated in full near the target, where rounding in the running value
// could otherwise decide a step.
class CriterionTracker {
 public:
  CriterionTracker(const d_PTLTable& trees, const d_ThinCriterion& c, float target)
      : trees_(trees), c_(c), target_(target), value_(c.Value(trees)) {}

  float Full() { return value_ = c_.Value(trees_); }

  // True when the stand is at or below the target.
  bool Reached() {
    constexpr double kMargin = 1e-3;  // relative
    const bool near =
        !c_.Cut ||
        value_ - target_ <= kMargin * std::max(std::fabs(value_), std::fabs(target_)) + 1e-6;
    return near && Full() <= target_;
  }

  // The record lost `removed` trees per acre.
  void Cut(const d_PTLRec& rec, double removed) {
    if (c_.Cut) value_ = c_.Cut(rec, removed);
  }

 private:
  const d_PTLTable& trees_;
  const d_ThinCriterion& c_;
  double target_;
  double value_;
};

void CriterionThinning(d_PTLTable& trees, const d_ThinSettings& s, const d_ThinCriterion& c,
                       std::string& warning) {
  const int n = PTL_Count(trees);
  // the trees to cut first lose their share whatever the stand
  for (int i = 0; i < n; ++i) {
    d_PTLRec& rec = trees[static_cast<std::size_t>(i)];
    if (rec.RetPri == 0.0f && InCutRange(rec, s)) rec.TPAadj -= rec.TPAadj * s.CutEff;
  }
  CriterionTracker value(trees, c, s.CriVal);
  if (s.CriVal >= value.Full()) {
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
      if (value.Reached()) return;
      const float before = rec.TPAadj;
      rec.TPAadj = static_cast<float>(rec.TPAadj - kStep);
      if (rec.TPAadj < kLeastLeft) rec.TPAadj = 0.0f;
      value.Cut(rec, static_cast<double>(before) - rec.TPAadj);
      ++steps;
      if (rec.TPAadj == 0.0f) break;
    }
  }
  if (steps == 0)
    warning = CFormat("No trees found between specified min/max to thin, %s\n", s.Crit);
}

}  // namespace

namespace {

// What one tree per acre of a record adds to a sum criterion.
using SumTerm = double (*)(const d_PTLRec& rec, float esdd);

constexpr std::pair<std::string_view, SumTerm> kSumTerms[] = {
    {"BasalArea",
     [](const d_PTLRec& rec, float) {
       return PTL_IsDead(rec) ? 0.0 : 3.14159 * (rec.Dia / 2.0) * (rec.Dia / 2.0) / 144.0;
     }},
    {"StandDensityIndex",
     [](const d_PTLRec& rec, float) { return std::pow(rec.Dia / 10.0, 1.605); }},
    {"TreeDensity", [](const d_PTLRec&, float) { return 1.0; }},
    {"ExceedingTreeDensity",
     [](const d_PTLRec& rec, float esdd) { return rec.Dia >= esdd ? 1.0 : 0.0; }},
};

// The term of a keyword, looked up once per thinning; any other keyword
// adds nothing.
SumTerm SumTermOf(const std::string& crit) {
  for (const auto& [keyword, term] : kSumTerms) {
    if (keyword == crit) return term;
  }
  return [](const d_PTLRec&, float) { return 0.0; };
}

double SumOf(SumTerm term, const d_PTLTable& trees, float esdd) {
  const int n = PTL_Count(trees);
  double sum = 0.0;
  for (int i = 0; i < n; ++i) {
    const d_PTLRec& rec = trees[static_cast<std::size_t>(i)];
    sum += rec.TPAadj * term(rec, esdd);
  }
  return sum;
}

}  // namespace

double TH_PerTree(const std::string& crit, const d_PTLRec& rec, float esdd) {
  return SumTermOf(crit)(rec, esdd);
}

float TH_SumCriterion(const std::string& crit, const d_PTLTable& trees, float esdd) {
  return static_cast<float>(SumOf(SumTermOf(crit), trees, esdd));
}

d_ThinCriterion TH_SumThinCriterion(const std::string& crit, float esdd) {
  auto sum = std::make_shared<double>(0.0);
  const SumTerm term = SumTermOf(crit);
  return {[term, esdd, sum](const d_PTLTable& trees) {
            *sum = SumOf(term, trees, esdd);
            return static_cast<float>(*sum);
          },
          [term, esdd, sum](const d_PTLRec& rec, double removed) {
            return *sum -= term(rec, esdd) * removed;
          }};
}

d_ThinCriterion TH_ThinCriterion(const std::string& crit, const d_ThinCanopy& c) {
  if (crit == "CanopyCover") {
    auto area = std::make_shared<double>(0.0);  // live crown area, ft2/acre
    return {[c, area](const d_PTLTable& trees) {
              const int n = PTL_Count(trees);
              *area = 0.0;
              for (int i = 0; i < n; ++i) {
                const d_PTLRec& rec = trees[static_cast<std::size_t>(i)];
                if (!PTL_IsDead(rec)) *area += SM_CrownArea(*c.Species, rec) * rec.TPAadj;
              }
              return SM_CoverOf(*area) / 100.0f;
            },
            [c, area](const d_PTLRec& rec, double removed) {
              if (!PTL_IsDead(rec)) *area -= SM_CrownArea(*c.Species, rec) * removed;
              return SM_CoverOf(*area) / 100.0;
            }};
  }
  if (crit == "CanopyFuelLoad" || crit == "CanopyBulkDensity") {
    const bool cbd = crit == "CanopyBulkDensity";
    auto load = std::make_shared<double>(0.0);  // available canopy fuel, tons/acre
    const auto value = [c, cbd, load]() -> double {
      if (!cbd) return *load;
      CP_RunMean(*c.Layers);
      return c.Layers->CBD;
    };
    return {[c, load, value](const d_PTLTable& trees) {
              *load = CP_ProfilePass(trees, *c.Species, c.LayWid, c.RASpread, c.CriThr, 0.0f,
                                     *c.Shares, *c.Layers);
              return static_cast<float>(value());
            },
            [c, load, value](const d_PTLRec& rec, double removed) {
              *load += CP_CutTree(rec, static_cast<float>(removed), *c.Species, 0.0f, *c.Shares,
                                  *c.Layers);
              return value();
            }};
  }
  return TH_SumThinCriterion(crit, c.Esdd);
}

int TH_Thin(d_PTLTable& trees, const d_ThinSettings& s, const d_ThinCriterion& criterion,
            std::string& warning) {
  warning.clear();
  PTL_SortRetPri(trees);
  if (SameKeyword(s.Crit, "Free")) {
    FreeThinning(trees, warning);
  } else {
    CriterionThinning(trees, s, criterion, warning);
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
