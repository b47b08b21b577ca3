#include "stand/DllVolume.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sylvanor {

// An identifier shorter than 10 characters is replaced by the library's default for the forest and
// species (the initial species is red alder); a longer one is kept as given.
TEST(DllVolume, ShortIdentifierAsksForTheForestDefault) {
  const struct {
    const char *eqId, *forest, *species, *heldEqId, *settledEqId;
    int error;
  } rows[] = {
      {"", "", nullptr, "", "", kTarmelBadEquation},  // no forest, no default
      {"", "06", nullptr, "A00CURW260", "A00CURW260", kTarmelOk},
      {"I00FW2W20", "06", "psme", "I00FW2W202", "I00FW2W202", kTarmelOk},
      {"i00fw2w122", "06", "PSME", "i00fw2w122", "I00FW2W122", kTarmelOk},
      {"I00FW2W1222", "06", "PSME", "I00FW2W1222", "I00FW2W1222", kTarmelBadEquation},
  };
  for (const auto& r : rows) {
    DllVolume v;
    v.EqId = r.eqId;
    v.Forest = r.forest;
    std::tie(v.Dbh, v.Height, v.TopDia) = std::tuple(12.0f, 50.0f, 4.0f);
    if (r.species != nullptr) v.Species = r.species;
    v.Call();
    EXPECT_EQ(std::tuple(v.EqId, v.SettledEqId, v.Error, v.Vol[kVolTotalCuFt] > 0.0f),
              std::tuple(r.heldEqId, r.settledEqId, r.error, r.error == kTarmelOk))
        << '"' << r.eqId << "\" in forest \"" << r.forest << '"';
  }
}

}  // namespace sylvanor
