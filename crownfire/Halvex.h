#pragma once
// The crown fire assessment of one stand. The stand's surface fuel bed (low)
// and a crown fuel bed (high) are each rated by the surface spread model;
// from the two ratings follow the fire type, the crown fraction burned, the
// blended rate of spread, heat, intensity, flame length and scorch height,
// and the open wind speeds at which crowning begins (torching index), an
// active crown fire can spread (crowning index) and a crown fire drops back
// to the surface (surfacing index). The indices are closed-form inversions
// of the spread equations.
//
// No output is ever NaN or infinite. An index with no finite value (beyond
// any representable wind, or undefined) means no wind reaches that state:
// the torching, crowning and surfacing indices are then, like any index
// above it, the largest single-precision value (std::numeric_limits<float>
// ::max()), never 0, which would read as a stand that crowns without wind.
// Any other output without a finite value (the scorch height at or above
// 140 F, say) is 0.

#include <string>
#include <vector>

#include "crownfire/HalvexTypes.h"

namespace sylvanor {

class CHalvex {
 public:
  std::vector<CFuelModel> FuelModels;  // in file order
  bool Metric = false;                 // units of the last fuel model file read
  CHalvexInputs Inputs;
  CHalvexOutputs Outputs;
  CHalvexTempSet LowResult;   // surface fuel bed
  CHalvexTempSet HighResult;  // crown fuel bed

  // Replaces the fuel model list from a fuel model file; false with a
  // message when the file cannot be opened or its units line is wrong.
  bool LoadFuelModelFile(const std::string& path, std::string& message);

  // Surface spread of one fuel bed under the stored inputs.
  CHalvexTempSet CalculateROS(const CHalvexInputsSet& set) const;

  void SetInputs(const CHalvexInputs& inputs) { Inputs = inputs; }

  // The whole assessment: checks and completes the stored inputs, rates both
  // fuel beds and derives the outputs. `success` is false only when the
  // inputs are invalid (the returned outputs then carry the error); a
  // surface fire that does not spread gives all-zero outputs with success.
  CHalvexOutputs CalculateHalvexOutputs(bool& success);

  // The outputs from the stored inputs and the two fuel bed ratings.
  CHalvexOutputs CalculateOutputs();

  // The wind factor whose vector sum with the slope factor `phiS` (wind
  // blowing at an angle with the given cosine and sine from upslope) has the
  // length `phiTarget`: the larger root of the quadratic when `root` is 1,
  // the smaller otherwise. A negative discriminant counts as 0.
  static double GetWF(int root, double cosTheta, double sinTheta, double phiS, double phiTarget);

  // The discriminant of that quadratic; negative when no wind reaches the
  // target.
  static double WindFactorDiscriminant(double cosTheta, double sinTheta, double phiS,
                                       double phiTarget);

  // The open wind (mph) at which a fuel bed rated `t` reaches the wind
  // factor `phiW`, with `k` the open-to-midflame wind factor. The wind
  // limit of the spread model is not applied.
  static double OpenWindForWindFactor(const CHalvexTempSet& t, double k, double phiW);
};

}  // namespace sylvanor
