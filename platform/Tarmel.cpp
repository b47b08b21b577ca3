#include "platform/Tarmel.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "base/Keyword.h"
#include "base/TextUtil.h"
#include "platform/StemTaper.h"

namespace sylvanor {

namespace {

constexpr int kVersion = 20261206;

constexpr std::array<std::string_view, 6> kFamilies = {"FW2", "CUR", "DVE", "MAT", "WO2", "BEH"};

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsFamily(std::string_view family) {
  for (std::string_view f : kFamilies) {
    if (SameKeyword(f, family)) return true;
  }
  return false;
}

// The species number of a well-formed identifier, or -1.
int ParseEqId(std::string_view id) {
  if (id.size() != kTarmelEqIdLength) return -1;
  for (std::size_t i = 0; i < 3; ++i) {
    if (!IsLetter(id[i]) && !IsDigit(id[i])) return -1;
  }
  if (!IsFamily(id.substr(3, 3)) || !IsLetter(id[6])) return -1;
  const std::string_view digits = id.substr(7);
  int species = -1;
  if (!std::ranges::all_of(digits, IsDigit) || !ReadWholeNumber(digits, species)) return -1;
  return species;
}

}  // namespace

int TARMELVER() {
  return kVersion;
}

std::string TARMELEQ(int /*region*/, const std::string& forest, const std::string& /*district*/,
                     const std::string& species) {
  if (forest.empty()) return "";
  for (const auto& [symbol, eqId] : kTarmelDefaultEq) {
    if (SameKeyword(symbol, species)) return std::string(eqId);
  }
  return "";
}

d_TarmelResult TARMELVOLUME(const std::string& eqId, float dbh, float height, float topDia,
                            const d_TarmelFixed& /*fixed*/) {
  d_TarmelResult result;
  result.EqId = UpperKeyword(eqId);
  const int species = ParseEqId(eqId);
  if (species < 0) {
    result.Error = kTarmelBadEquation;
    return result;
  }
  const std::optional<d_TaperCoef> coef =
      FindTaperCoef(std::string_view(eqId).substr(3, 3), species);
  if (!coef) {
    result.Error = kTarmelNoSpecies;
    return result;
  }
  // written so that a DBH or height that is not a number fails too
  if (!(dbh >= 1.0f) || !(height > 0.0f)) {
    result.Error = kTarmelBadDbhHeight;
    return result;
  }
  // The model shapes the stem over its length above breast height
  // (H - 4.5); a tree no taller than 4.5 ft has no such length, so no shape.
  if (height <= 4.5f) {
    result.Error = kTarmelShortTree;
    return result;
  }
  const double d = dbh;
  if (d * d * height > kTarmelMaxD2H) {
    result.Error = kTarmelD2H;
    return result;
  }
  const d_StemVolumes v = StemVolumes({d, height, topDia, coef->K, coef->R});
  result.Vol[kVolTotalCuFt] = static_cast<float>(v.TotalCuFt);
  result.Vol[kVolBoardFt] = static_cast<float>(v.BoardFt);
  result.Vol[kVolMerchCuFt] = static_cast<float>(v.MerchCuFt);
  return result;
}

}  // namespace sylvanor
