#include "treat/Mortality.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/Burn.h"

namespace sylvanor {

TEST(MortalityTest, ProbabilitiesAndFailures) {
  const MortalityTable table = {MortRecord("PSME", "150", 36), MortRecord("PSME", "1", 36),
                                MortRecord("ABGR", "10", 25),  MortRecord("PIPO", "151", 36),
                                MortRecord("LAOC", "2", 36),   MortRecord("THPL", "1", 55),
                                MortRecord("PIJE", "4", 36),   MortRecord("ABLA", "3", 55)};
  MortalityTable tableWithDefault = table;
  tableWithDefault.push_back(MortRecord("*InvSpe*", "1", 19));
  // Species, probability, equation code found, message, equation type, "S" scorch height or "F"
  // flame length, DBH, crown ratio, severity, default record: tree A (50 ft) unless given.
  struct Row {
    const char* species;
    float prob;
    const char *eqCode, *message = "", *type = "CRNSCH", *kind = "S";
    float scoFla = 40, dbh = 10, cr = 40;
    const char* severity = "";
    bool withDefault = false;
  };
  // clang-format off
  const Row rows[] = {
      {"PSME", 0.880611f, "1"},   // the first CRNSCH
      {"ABGR", 0.230889f, "10"},  // 10
      // scorch (5 / 0.45)^1.450058 = 32.8404 ft: CLS 2.8404, CVS 26.3874, L(-(1.011148 - 0.372518))
      {"PSME", 0.345556f, "1", "", "CRNSCH", "F", 5},
      {"PIJE", 0.992085f, "4", "", "CRNSCH", "S", 40, 10, 40, "Low"},  // 4, low
      {"PIJE", 0.992085f, "4", "", "CRNSCH", "S", 40, 10, 40, "l"},
      {"TSHE", -1, "", "Species Code not found: TSHE, CRNSCH \n Species: TSHE Equation Type: "
       "CRNSCH"},
      // the default's bark 0.040 15.75 = 0.63, as tree A's
      {"TSHE", 0.880611f, "1", "", "CRNSCH", "S", 40, 15.75f, 40, "", true},
      // the equation is found without regard to case, the bark record exactly
      {"psme", -1, "1", "Invalid Species: psme"},
      {"psme", 0.880611f, "1", "", "CRNSCH", "S", 40, 15.75f, 40, "", true},
      {"PIPO", -1, "", "Equation Code/Formula not found: PIPO, CRNSCH \n Species: PIPO Equation "
       "Type: CRNSCH"},
      {"PSME", -1, "", "Invalid Equation Type SCORCH, Use -> CRCABE CRNSCH BOLCHR \n Species: PSME "
       "Equation Type: SCORCH", "SCORCH"},
      {"PSME", -1, "150", "Equation Type bolchr is not implemented, Equation Code: 150", "bolchr"},
      {"PSME", -1, "1", "Invalid Scorch/Flame Parameter (s), use F or S", "CRNSCH", "s"},
      {"PSME", -1, "1", "Mortality Calculaton is attempting to Divide by 0", "CRNSCH", "S", 40, 10,
       0},
      {"LAOC", -1, "2", "Equation Not implemented,  Equ Num: 2\n"},
      // the general model cannot run on a bark number outside the table
      {"THPL", -1, "1", "Invalid Bark Thickness Number 55, Mortality Code: THPL"},
      {"ABLA", -1, "3", "Invalid Bark Thickness Number 55, Mortality Code: ABLA"},
  };
  // clang-format on
  for (const Row& row : rows) {
    d_MI mi{row.species, row.type, "", 10, row.dbh, 50, row.cr, row.scoFla, row.kind, row.severity};
    SCOPED_TRACE(testing::Message() << "row " << &row - rows << ": " << row.species);
    std::string message = "left over";
    const float prob = MRT_CalcMngr(row.withDefault ? tableWithDefault : table, mi, message);
    EXPECT_EQ(std::tuple(mi.Prob, mi.EqCode, message), std::tuple(prob, row.eqCode, row.message));
    EXPECT_NEAR(prob, row.prob, 2e-6f);
  }
}

}  // namespace sylvanor
