#pragma once

namespace sylvanor {

// Crown-scorch mortality equations: the probability that a tree dies from
// the part of its crown a fire scorches, its bark thickness, size and the
// flame length. Diameters in inches, heights and lengths in feet.

// Flame length from scorch height and back. A negative value counts as 0.
float FlameFromScorch(float scorchHgt);
float ScorchFromFlame(float flameLen);

// How much of a crown the scorch height reaches.
struct d_CrownScorch {
  float CL = 0;   // crown length
  float CLS = 0;  // scorched crown length, 0 to CL
  float PCL = 0;  // percent of the crown length scorched
  float CVS = 0;  // percent of the crown volume scorched
};

// From the tree height, crown ratio (percent) and scorch height. The crown
// length must not be 0.
d_CrownScorch CrownScorched(float hgt, float crownRatio, float scorchHgt);

// Everything an equation may use.
struct d_ScorchTree {
  float DBH = 0;
  float Hgt = 0;
  float CR = 0;          // crown ratio, percent
  float Scorch = 0;      // scorch height
  float Flame = 0;       // flame length
  float BarkThick = 0;   // bark thickness of the tree
  float BarkThick1 = 0;  // bark thickness of a 1-inch tree of the species
  bool LowSeverity = false;
  d_CrownScorch Crown;
};

// Equation numbers with a formula: 1, 3, 4, 5, 10 to 12 and 14 to 21.
bool CrownScorchImplemented(int eqNum);

// Probability of mortality (0 to 1) by an implemented equation number.
float CrownScorchProb(int eqNum, const d_ScorchTree& tree);

}  // namespace sylvanor
