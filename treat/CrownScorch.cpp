#include "treat/CrownScorch.h"

#include <algorithm>
#include <cmath>

#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

double Logistic(double l) {
  return 1.0 / (1.0 + std::exp(-l));
}

// The general crown-scorch and bark thickness model for a tree of 1 in DBH
// or more.
double BarkAndCrownProb(double barkThick, double cvs) {
  return 1.0 /
         (1.0 + std::exp(6.316 * (1.0 - std::exp(-barkThick)) - 1.941 - 0.000535 * cvs * cvs));
}

// Equations 1 and 3: trees below the DBH limit are interpolated between the
// 1-inch tree and certain death by their height-to-diameter shape, as long
// as no more than half the crown length is scorched and they are 3 ft tall.
double GeneralProb(const d_ScorchTree& t, bool largeTree) {
  if (largeTree) return BarkAndCrownProb(t.BarkThick, t.Crown.CVS);
  if (t.Crown.PCL > 50.0f || t.Hgt < 3.0f) return 1.0;
  const double pm = BarkAndCrownProb(t.BarkThick1, t.Crown.CVS);
  const double slender = static_cast<double>(t.Hgt) / t.DBH - 3.0;
  // a 1-inch tree 3 ft tall stands at the 1-inch end of the interpolation
  const double share = slender > 0.0 ? (t.Hgt - 3.0) / slender : 1.0;
  return (1.0 - share) * (1.0 - pm) + pm;
}

double Eq4(const d_ScorchTree& t) {
  const double f = t.Flame / 1.8;
  if (t.LowSeverity) return 1.0 / (1.0 + std::exp(0.63754 * t.DBH - 2.1336 * f - 4.407));
  return 1.0 / (1.0 + std::exp(0.217932 * t.DBH - 3.59664 * f - 2.157));
}

double Eq5(const d_ScorchTree& t) {
  if (t.Crown.PCL <= 0.0f) return 0.0;
  const double b = 0.435 + 0.031 * t.DBH * kCmPerIn<double>;
  const double cvs = t.Crown.CVS / 10.0;
  const double p = 1.0 / (1.0 + std::exp(14.492 * b * b + 5.136 * b + 0.169 - 0.348 * cvs * cvs));
  return std::clamp(p, 0.0, 1.0);
}

// Worked in metres and centimetres.
double Eq21(const d_ScorchTree& t) {
  const double hm = kMPerFt<double> * t.Hgt;
  const double cbm = kMPerFt<double> * t.Hgt * (1.0 - t.CR / 100.0);
  const double sm = kMPerFt<double> * t.Scorch;
  const double fm = kMPerFt<double> * t.Flame;
  const double dcm = kCmPerIn<double> * t.DBH;
  const double pclm = sm > cbm ? (sm - cbm) / (hm - cbm) * 100.0 : 0.0;
  if (hm < 1.37) return Logistic(4.08 * fm + 2.714 - 3.63 * hm);
  if (dcm < 10.2) return Logistic(2.7981 * fm - 0.7661 - 1.2487 * hm);
  return Logistic(0.013 * pclm + 1.104 - 0.156 * dcm + 0.001 * dcm * pclm);
}

}  // namespace

float FlameFromScorch(float scorchHgt) {
  const double s = std::max(0.0f, scorchHgt);
  return static_cast<float>(0.45 * std::pow(std::pow(s, 1.5), 0.46));
}

float ScorchFromFlame(float flameLen) {
  const double f = std::max(0.0f, flameLen);
  return static_cast<float>(std::pow(std::pow(f / 0.45, 2.174), 0.667));
}

d_CrownScorch CrownScorched(float hgt, float crownRatio, float scorchHgt) {
  d_CrownScorch c;
  c.CL = hgt * crownRatio / 100.0f;
  c.CLS = std::clamp(scorchHgt - (hgt - c.CL), 0.0f, std::max(c.CL, 0.0f));
  c.PCL = c.CLS / c.CL * 100.0f;
  c.CVS = (2.0f * c.CL - c.CLS) * c.CLS / (c.CL * c.CL) * 100.0f;
  return c;
}

bool CrownScorchImplemented(int eqNum) {
  if (eqNum < 1 || eqNum > 21) return false;
  return eqNum != 2 && (eqNum < 6 || eqNum > 9) && eqNum != 13;
}

float CrownScorchProb(int eqNum, const d_ScorchTree& t) {
  const double pcl = t.Crown.PCL;
  const double cvs = t.Crown.CVS;
  double p = 0.0;
  switch (eqNum) {
    case 1:
      p = GeneralProb(t, t.DBH >= 1.0f);
      break;
    case 3:
      p = std::max(0.8, GeneralProb(t, t.DBH > 1.0f));
      break;
    case 4:
      p = Eq4(t);
      break;
    case 5:
      p = Eq5(t);
      break;
    case 10:
      p = Logistic(-3.5083 + 0.0956 * pcl - 0.00184 * pcl * pcl + 1.7e-5 * pcl * pcl * pcl);
      break;
    case 11:
      p = Logistic(-1.695 + 0.2071 * cvs - 0.0047 * cvs * cvs + 3.5e-5 * cvs * cvs * cvs);
      break;
    case 12:
      p = Logistic(-4.2466 + 7.172e-6 * pcl * pcl * pcl);
      break;
    case 14:
      p = Logistic(-1.6594 + 0.0327 * cvs - 0.1241 * t.DBH);
      break;
    case 15:
      p = Logistic(0.0845 + 0.0445 * cvs);
      break;
    case 16:
      p = Logistic(-2.3085 + 4.059e-6 * pcl * pcl * pcl);
      break;
    case 17:
      p = Logistic(-0.3268 + 0.1387 * cvs - 0.0033 * cvs * cvs + 2.5e-5 * cvs * cvs * cvs -
                   0.0676 * t.DBH);
      break;
    case 18:
      p = Logistic(-2.0588 + 0.000814 * pcl * pcl);
      break;
    case 19:
      p = Logistic(-2.7103 + 4.093e-6 * cvs * cvs * cvs);
      break;
    case 20:
      p = Logistic(-2.0346 + 0.0906 * cvs - 0.0022 * cvs * cvs + 1.9e-5 * cvs * cvs * cvs);
      break;
    case 21:
      p = Eq21(t);
      break;
    default:
      p = 0.0;
      break;
  }
  return static_cast<float>(p);
}

}  // namespace sylvanor
