#include "engine/Sylvanor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Sylvanor, InitialisationResetsTheSettings) {
  Sylvanor e;
  e.Set_UserFolder("/data/qor_spp.csv");
  e.Set_ThinInc("Yes");
  e.Set_Litter(3);
  e.Set_SC5Rot(4);
  e.Set_CriFirInt(50);
  e.Set_EmisFactor("Flame", "Woody", 1, 2, 3, 4, 5, 6, 7);
  ASSERT_EQ(e.Init_LarGUI("English", "Metric", ""), 1);
  const d_Settings& s = e.Settings();
  EXPECT_EQ(s.UserFolder.str(), "/data/qor_spp.csv");  // the user folder survives a reset
  EXPECT_TRUE(s.ThinInc.empty());
  EXPECT_EQ(s.InUnits.str(), "English");
  EXPECT_EQ(s.OutUnits.str(), "Metric");
  EXPECT_EQ(s.Litter, -9999.0f);
  EXPECT_EQ(s.SCRot[4], -9999.0f);
  EXPECT_EQ(s.ThiCriVal, -9999.0f);
  EXPECT_EQ(s.FueBedDep, -9999.0f);
  EXPECT_EQ(s.LayWid, 1.0f);
  EXPECT_EQ(s.RASpread, 5.0f);
  EXPECT_EQ(s.CBDCriThr, 0.012f);
  EXPECT_EQ(s.MLCons, 0.9f);
  EXPECT_EQ(s.CriFirInt, 0.0f);
  EXPECT_EQ(s.EmisFlame.Name.str(), "Woody");  // factor groups are set per plot, not reset

  EXPECT_EQ(e.Init_LarGUI("metric", "metric", ""), 1);
  EXPECT_EQ(e.Settings().LayWid, 0.1f);
}

TEST(Sylvanor, BatchInitialisationLoadsNothingAndReturnsZero) {
  Sylvanor e;
  EXPECT_EQ(e.Init_LarGUI("English", "English", "BATCH"), 0);
  EXPECT_EQ(e.Settings().RASpread, 5.0f);
  EXPECT_EQ(e.Get_ErrMes(), "");
}

TEST(Sylvanor, InitialisationClearsTheMessages) {
  Sylvanor e;
  e.Init_LarGUI("English", "English", "");
  ASSERT_EQ(e.Check_Inputs(), 0);
  ASSERT_NE(e.Get_ErrMes(), "");
  e.Init_LarGUI("English", "English", "");
  EXPECT_EQ(e.Get_ErrMes(), "");
  EXPECT_TRUE(e.Stand().Warning.empty());
}

TEST(Sylvanor, SettersStoreUncheckedAndCutTextsToTheirField) {
  Sylvanor e;
  e.Init_LarGUI("English", "English", "");
  EXPECT_EQ(e.Set_MinCutDia(-123.5f), 1);
  EXPECT_EQ(e.Settings().MinCutDia, -123.5f);
  EXPECT_EQ(e.Set_ThinInc("Perhaps"), 1);  // a 5-character field holds 4 characters
  EXPECT_EQ(e.Settings().ThinInc.str(), "Perh");
  EXPECT_EQ(e.Set_PrunInc("Certainly"), 1);  // 8 characters hold 7
  EXPECT_EQ(e.Settings().PrunInc.str(), "Certain");
  const std::string longPath(2500, 'p');
  e.Set_UserFolder(longPath);
  EXPECT_EQ(e.Settings().UserFolder.size(), 1999u);
  // a cut keyword is no keyword: validation refuses it
  e.Set_ThinInc("Yes, please");
  EXPECT_EQ(e.Check_Inputs(), 0);
  EXPECT_EQ(e.Get_ErrMes(), "Invalid argument for Thinning Include, use Yes or No");
}

TEST(Sylvanor, EmissionFactorGroupsByComponent) {
  Sylvanor e;
  EXPECT_EQ(e.Set_EmisFactor("smolder", "Duff group", 10, 20, 30, 40, 50, 60, 70), 1);
  EXPECT_EQ(e.Set_EmisFactor("DUFF", "Duff only", 1, 2, 3, 4, 5, 6, 7), 1);
  EXPECT_EQ(e.Set_EmisFactor("Crown", "Ignored", 9, 9, 9, 9, 9, 9, 9), 1);
  const d_Settings& s = e.Settings();
  EXPECT_EQ(s.EmisSmolder.Name.str(), "Duff group");
  const std::array<float, 7> smolder{10, 20, 30, 40, 50, 60, 70};
  EXPECT_EQ(s.EmisSmolder.Factor, smolder);
  EXPECT_EQ(s.EmisDuff.Name.str(), "Duff only");
  EXPECT_EQ(s.EmisDuff.Factor[6], 7.0f);
  EXPECT_TRUE(s.EmisFlame.Name.empty());
  EXPECT_EQ(s.EmisFlame.Factor[0], 0.0f);
}

TEST(Sylvanor, LoadGettersReadTheSettingsAsTheyStand) {
  Sylvanor e;
  e.Init_LarGUI("English", "English", "");
  using Setter = int (Sylvanor::*)(float);
  using Getter = float (Sylvanor::*)() const;
  const std::pair<Setter, Getter> pairs[] = {
      {&Sylvanor::Set_Litter, &Sylvanor::GetPre_Litter},
      {&Sylvanor::Set_Grass, &Sylvanor::GetPre_Grass},
      {&Sylvanor::Set_Shrub, &Sylvanor::GetPre_Shrub},
      {&Sylvanor::Set_1Hr, &Sylvanor::GetPre_1Hr},
      {&Sylvanor::Set_10Hr, &Sylvanor::GetPre_10Hr},
      {&Sylvanor::Set_100Hr, &Sylvanor::GetPre_100Hr},
      {&Sylvanor::Set_SC1Snd, &Sylvanor::GetPre_SC1Snd},
      {&Sylvanor::Set_SC2Snd, &Sylvanor::GetPre_SC2Snd},
      {&Sylvanor::Set_SC3Snd, &Sylvanor::GetPre_SC3Snd},
      {&Sylvanor::Set_SC4Snd, &Sylvanor::GetPre_SC4Snd},
      {&Sylvanor::Set_SC5Snd, &Sylvanor::GetPre_SC5Snd},
      {&Sylvanor::Set_SC1Rot, &Sylvanor::GetPre_SC1Rot},
      {&Sylvanor::Set_SC2Rot, &Sylvanor::GetPre_SC2Rot},
      {&Sylvanor::Set_SC3Rot, &Sylvanor::GetPre_SC3Rot},
      {&Sylvanor::Set_SC4Rot, &Sylvanor::GetPre_SC4Rot},
      {&Sylvanor::Set_SC5Rot, &Sylvanor::GetPre_SC5Rot},
  };
  float value = 1.5f;
  for (const auto& [set, get] : pairs)
    (e.*set)(value += 1.0f);
  value = 1.5f;
  for (const auto& [set, get] : pairs)
    EXPECT_EQ((e.*get)(), value += 1.0f);
}

}  // namespace
