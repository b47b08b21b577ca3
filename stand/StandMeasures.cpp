#include "stand/StandMeasures.h"

#include <algorithm>
#include <cmath>

#include "stand/CrownTables.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

constexpr double kSqInPerSqFt = 144.0;
constexpr double kSdiExponent = 1.605;  // Reineke's slope
constexpr double kQd75Share = 0.75;     // share of the basal area held by the largest trees

double StemArea(double dia) {
  const double radius = dia / 2.0;
  return kPi<> * radius * radius;
}

}  // namespace

double SM_CrownArea(const d_ETTable& species, const d_PTLRec& rec) {
  const int row = ET_Idx(species, rec.Species);
  if (row < 0) return 0.0;
  const float area = ET_CrownArea(species.Rows[row].Canopy, rec.Dia, rec.Hgt);
  return area > 0.0f ? area : 0.0;
}

float SM_CoverOf(double crownArea) {
  // Crowns placed at random over the acre overlap, so the share of ground
  // they cover is 1 - e^(-crown area / acre).
  return crownArea > 0.0
             ? static_cast<float>(100.0 * (1.0 - std::exp(-crownArea / kSqFtPerAcre<double>)))
             : 0.0f;
}

float SM_Basal(const d_PTLTable& trees, const std::string& code) {
  double basalSqIn = 0.0;
  const int n = PTL_Count(trees);
  for (int i = 0; i < n; ++i) {
    const d_PTLRec& rec = trees[i];
    if (!PTL_IsDead(rec)) basalSqIn += rec.BasAre * static_cast<double>(PTL_GetTPA(rec, code));
  }
  return static_cast<float>(basalSqIn / kSqInPerSqFt);
}

d_StandMeasures SM_Calc(const d_PTLTable& trees, const d_ETTable& species, const std::string& code,
                        float esdd, d_SMWork& work) {
  double stems = 0.0;
  double treesAbove = 0.0;
  double basalSqIn = 0.0;
  double sdi = 0.0;
  double diaSqTrees = 0.0;
  double crownArea = 0.0;
  const int n = PTL_Count(trees);
  for (int i = 0; i < n; ++i) {
    const d_PTLRec& rec = trees[i];
    const double c = PTL_GetTPA(rec, code);
    const double dia = rec.Dia;
    stems += c;
    if (rec.Dia >= esdd) treesAbove += c;
    sdi += c * std::pow(dia / 10.0, kSdiExponent);
    diaSqTrees += dia * dia * c;
    // Dead trees count in the density but hold no live basal area or crown.
    if (PTL_IsDead(rec)) continue;
    basalSqIn += rec.BasAre * c;
    crownArea += SM_CrownArea(species, rec) * c;
  }

  d_StandMeasures m;
  m.SteDen = static_cast<float>(stems);
  m.SteDenExc = static_cast<float>(treesAbove);
  m.Basal = static_cast<float>(basalSqIn / kSqInPerSqFt);
  m.StdDenIdx = static_cast<float>(sdi);
  m.QuaMeaDia = stems > 0.0 ? static_cast<float>(std::sqrt(diaSqTrees / stems)) : 0.0f;
  m.Qd75 = SM_Qd75(trees, code, work);
  m.CanCov = SM_CoverOf(crownArea);
  return m;
}

float SM_Qd75(const d_PTLTable& trees, const std::string& code, d_SMWork& work) {
  std::vector<float>& dia = work.Dia;
  std::vector<float>& tpa = work.Tpa;
  std::vector<int>& order = work.Order;
  dia.clear();
  tpa.clear();
  order.clear();
  const int n = PTL_Count(trees);
  for (int i = 0; i < n; ++i) {
    dia.push_back(trees[i].Dia);
    tpa.push_back(PTL_GetTPA(trees[i], code));
    order.push_back(i);
  }
  // Largest diameter first. Records of equal diameter give identical trees
  // to the walk below, so their order among themselves cannot change the
  // result and any sort into descending diameter will do; an index sort
  // keeps this O(n log n) on a list of up to 5000 records.
  std::sort(order.begin(), order.end(), [&dia](int a, int b) { return dia[a] > dia[b]; });

  double total = 0.0;
  for (int k = 0; k < n; ++k) {
    const int i = order[k];
    total += StemArea(dia[i]) * tpa[i];
  }
  if (!(total > 0.0)) return 0.0f;
  const double target = kQd75Share * total;

  // Whole trees, largest first: a record gives one tree for every started
  // unit of its density (2.3 gives three, 0.4 one, 0 none).
  double diaSq = 0.0;
  double area = 0.0;
  long count = 0;
  for (int k = 0; k < n; ++k) {
    const int i = order[k];
    const double d = dia[i];
    const double treeArea = StemArea(d);
    for (int taken = 0; taken < tpa[i]; ++taken) {
      diaSq += d * d;
      area += treeArea;
      ++count;
      if (area >= target) return static_cast<float>(std::sqrt(diaSq / count));
    }
  }
  // Only rounding can leave the share short of 75 %: take every tree walked.
  return count > 0 ? static_cast<float>(std::sqrt(diaSq / count)) : 0.0f;
}

d_StandVolumes SM_Volumes(const d_PTLTable& trees, float subMerDia) {
  double stCuFt = 0.0;
  double stBdFt = 0.0;
  double stMeCuFt = 0.0;
  double haCuFt = 0.0;
  double haBdFt = 0.0;
  double haMeCuFt = 0.0;
  const int n = PTL_Count(trees);
  for (int i = 0; i < n; ++i) {
    const d_PTLRec& rec = trees[i];
    if (rec.TPAadj > 0.0f) {
      stCuFt += static_cast<double>(rec.VolCuFt) * rec.TPAadj;
      // Board feet and merchantable cubic feet only from trees big enough
      // to be sold.
      if (rec.Dia >= subMerDia) {
        stBdFt += static_cast<double>(rec.VolBdFt) * rec.TPAadj;
        stMeCuFt += static_cast<double>(rec.VolMeCuFt) * rec.TPAadj;
      }
    }
    // Slashed trees are cut too: they count in the cubic feet taken down
    // but not in the board or merchantable feet taken away.
    haCuFt += static_cast<double>(rec.VolCuFt) * (rec.Harv + rec.Slash);
    haBdFt += static_cast<double>(rec.VolBdFt) * rec.Harv;
    haMeCuFt += static_cast<double>(rec.VolMeCuFt) * rec.Harv;
  }

  d_StandVolumes v;
  v.StCuFt = static_cast<float>(stCuFt);
  v.StBdft = static_cast<float>(stBdFt);
  v.StMeCuft = static_cast<float>(stMeCuFt);
  v.HaBasal = SM_Basal(trees, "Thinned");
  v.HaCuFt = static_cast<float>(haCuFt);
  v.HaBdft = static_cast<float>(haBdFt);
  v.HaMeCuft = static_cast<float>(haMeCuFt);
  return v;
}

}  // namespace sylvanor
