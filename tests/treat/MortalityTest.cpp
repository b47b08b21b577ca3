#include "treat/Mortality.h"

#include <gtest/gtest.h>

namespace sylvanor {

namespace {

d_MortSpe Record(const std::string& species, const std::string& eqCode, int barkNum) {
  d_MortSpe r;
  r.Species = species;
  r.EqCode = eqCode;
  r.BarkNum = barkNum;
  return r;
}

// A 10-inch tree, 50 ft tall with a 40 % crown, under a 40 ft scorch height.
d_MI Tree(const std::string& species) {
  d_MI mi;
  mi.Species = species;
  mi.EqType = "CRNSCH";
  mi.TPA = 10;
  mi.DBH = 10;
  mi.Hgt = 50;
  mi.CR = 40;
  mi.ScoFla = 40;
  mi.ScoFlaKind = "S";
  return mi;
}

class MortalityTest : public ::testing::Test {
 protected:
  MortalityTable table_ = {Record("PSME", "150", 36), Record("PSME", "1", 36),
                           Record("ABGR", "10", 25),  Record("PIPO", "151", 36),
                           Record("LAOC", "2", 36),   Record("THPL", "1", 55)};
  std::string message_;
};

TEST_F(MortalityTest, FirstEquationOfTheRequestedTypeIsUsed) {
  d_MI mi = Tree("PSME");
  // equation 1 with bark 0.063 * 10 and CVS 75 (worked out in the crown-scorch tests)
  EXPECT_NEAR(MRT_CalcMngr(table_, mi, message_), 0.880611f, 2e-5f);
  EXPECT_NEAR(mi.Prob, 0.880611f, 2e-5f);
  EXPECT_EQ(mi.EqCode, "1");
  EXPECT_EQ(message_, "");

  d_MI abgr = Tree("ABGR");
  EXPECT_NEAR(MRT_CalcMngr(table_, abgr, message_), 0.230889f, 2e-5f);  // equation 10, PCL 50
}

TEST_F(MortalityTest, FlameLengthGivesTheScorchHeight) {
  d_MI byFlame = Tree("PSME");
  byFlame.ScoFlaKind = "F";
  byFlame.ScoFla = 2.0f;  // scorch ((2 / 0.45)^2.174)^0.667 = 8.697 ft, below the crown
  // bark only: 1 / (1 + e^1.011148)
  EXPECT_NEAR(MRT_CalcMngr(table_, byFlame, message_), 0.266755f, 2e-5f);
}

TEST_F(MortalityTest, SpeciesWithoutRecordUsesTheFinalDefault) {
  d_MI mi = Tree("TSHE");
  EXPECT_EQ(MRT_CalcMngr(table_, mi, message_), -1.0f);
  EXPECT_EQ(message_,
            "Species Code not found: TSHE, CRNSCH \n Species: TSHE Equation Type: CRNSCH");

  table_.push_back(Record("*InvSpe*", "1", 19));
  mi = Tree("TSHE");
  mi.DBH = 15.75f;  // bark 0.040 * 15.75 = 0.63, as the Douglas-fir above
  EXPECT_NEAR(MRT_CalcMngr(table_, mi, message_), 0.880611f, 2e-5f);
}

TEST_F(MortalityTest, EquationIsChosenWithoutCaseButTheBarkRecordExactly) {
  d_MI mi = Tree("psme");
  EXPECT_EQ(MRT_CalcMngr(table_, mi, message_), -1.0f);
  EXPECT_EQ(message_, "Invalid Species: psme");
  EXPECT_EQ(mi.EqCode, "1");

  table_.push_back(Record("*InvSpe*", "1", 19));
  mi = Tree("psme");
  mi.DBH = 15.75f;  // the default's bark number 19 stands for it
  EXPECT_NEAR(MRT_CalcMngr(table_, mi, message_), 0.880611f, 2e-5f);
}

TEST_F(MortalityTest, RequestFailuresNameSpeciesAndType) {
  d_MI pipo = Tree("PIPO");
  EXPECT_EQ(MRT_CalcMngr(table_, pipo, message_), -1.0f);
  EXPECT_EQ(message_,
            "Equation Code/Formula not found: PIPO, CRNSCH \n Species: PIPO Equation Type: CRNSCH");

  d_MI badType = Tree("PSME");
  badType.EqType = "SCORCH";
  EXPECT_EQ(MRT_CalcMngr(table_, badType, message_), -1.0f);
  EXPECT_EQ(message_,
            "Invalid Equation Type SCORCH, Use -> CRCABE CRNSCH BOLCHR \n"
            " Species: PSME Equation Type: SCORCH");

  d_MI bole = Tree("PSME");
  bole.EqType = "bolchr";
  EXPECT_EQ(MRT_CalcMngr(table_, bole, message_), -1.0f);
  EXPECT_EQ(bole.EqCode, "150");
  EXPECT_EQ(message_, "Equation Type bolchr is not implemented, Equation Code: 150");
}

TEST_F(MortalityTest, CrownScorchFailures) {
  d_MI kind = Tree("PSME");
  kind.ScoFlaKind = "s";
  EXPECT_EQ(MRT_CalcMngr(table_, kind, message_), -1.0f);
  EXPECT_EQ(message_, "Invalid Scorch/Flame Parameter (s), use F or S");

  d_MI noCrown = Tree("PSME");
  noCrown.CR = 0;
  EXPECT_EQ(MRT_CalcMngr(table_, noCrown, message_), -1.0f);
  EXPECT_EQ(message_, "Mortality Calculaton is attempting to Divide by 0");

  d_MI notImplemented = Tree("LAOC");
  EXPECT_EQ(MRT_CalcMngr(table_, notImplemented, message_), -1.0f);
  EXPECT_EQ(message_, "Equation Not implemented,  Equ Num: 2\n");

  // bark number 55 is not in the table: the general model cannot run on it
  d_MI noBark = Tree("THPL");
  EXPECT_EQ(MRT_CalcMngr(table_, noBark, message_), -1.0f);
  EXPECT_EQ(message_, "Invalid Bark Thickness Number 55, Mortality Code: THPL");
  EXPECT_EQ(noBark.Prob, -1.0f);
}

}  // namespace

}  // namespace sylvanor
