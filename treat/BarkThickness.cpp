#include "treat/BarkThickness.h"

#include <array>

namespace sylvanor {

namespace {

// factors of the bark thickness equation numbers 1 to 39
constexpr std::array<float, 39> kBarkFactor = {
    0.019f, 0.022f, 0.024f, 0.025f, 0.026f, 0.027f, 0.028f, 0.029f, 0.030f, 0.031f,  // 1-10
    0.032f, 0.033f, 0.034f, 0.035f, 0.036f, 0.037f, 0.038f, 0.039f, 0.040f, 0.041f,  // 11-20
    0.042f, 0.043f, 0.044f, 0.045f, 0.046f, 0.047f, 0.048f, 0.049f, 0.050f, 0.052f,  // 21-30
    0.055f, 0.057f, 0.059f, 0.060f, 0.062f, 0.063f, 0.068f, 0.072f, 0.081f,          // 31-39
};
constexpr int kNoBarkNum = 100;

}  // namespace

float BarkFactor(int barkNum) {
  if (barkNum == kNoBarkNum) return 0.0f;
  if (barkNum < 1 || barkNum > static_cast<int>(kBarkFactor.size())) return -1.0f;
  return kBarkFactor[barkNum - 1];
}

float SMT_CalcBarkThick(const MortalityTable& table, std::string_view species, float dbh) {
  const d_MortSpe* record = MRT_SpeciesRecord(table, species);
  if (record == nullptr) return -1.0f;
  const float factor = BarkFactor(record->BarkNum);
  if (factor < 0.0f) return -1.0f;
  return factor * dbh;
}

}  // namespace sylvanor
