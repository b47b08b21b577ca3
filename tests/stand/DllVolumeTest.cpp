#include "stand/DllVolume.h"

#include <gtest/gtest.h>

namespace sylvanor {

namespace {

DllVolume Tree(const std::string& eqId) {
  DllVolume v;
  v.EqId = eqId;
  v.Dbh = 12;
  v.Height = 50;
  v.TopDia = 4;
  return v;
}

TEST(DllVolume, ShortIdentifierAsksForTheForestDefault) {
  // no forest to begin with, so no default: the empty identifier fails
  DllVolume none = Tree("");
  none.Call();
  EXPECT_EQ(none.EqId, "");
  EXPECT_EQ(none.Error, kTarmelBadEquation);
  EXPECT_EQ(none.SettledEqId, "");

  // with a forest, the default of the initial species, red alder
  DllVolume alder = Tree("");
  alder.Forest = "06";
  alder.Call();
  EXPECT_EQ(alder.EqId, "A00CURW260");
  EXPECT_EQ(alder.SettledEqId, "A00CURW260");
  EXPECT_EQ(alder.Error, kTarmelOk);
  EXPECT_GT(alder.Vol[kVolTotalCuFt], 0.0f);

  // nine characters are still too short
  DllVolume fir = Tree("I00FW2W20");
  fir.Forest = "06";
  fir.Species = "psme";
  fir.Call();
  EXPECT_EQ(fir.SettledEqId, "I00FW2W202");
  EXPECT_EQ(fir.Error, kTarmelOk);
}

TEST(DllVolume, TenOrMoreCharactersAreKept) {
  DllVolume pine = Tree("i00fw2w122");
  pine.Forest = "06";
  pine.Species = "PSME";
  pine.Call();
  EXPECT_EQ(pine.EqId, "i00fw2w122");
  EXPECT_EQ(pine.SettledEqId, "I00FW2W122");
  EXPECT_EQ(pine.Error, kTarmelOk);

  DllVolume longer = Tree("I00FW2W1222");
  longer.Forest = "06";
  longer.Call();
  EXPECT_EQ(longer.SettledEqId, "I00FW2W1222");
  EXPECT_EQ(longer.Error, kTarmelBadEquation);
}

}  // namespace

}  // namespace sylvanor
