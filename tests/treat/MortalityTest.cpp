#include "treat/Mortality.h"

#include <gtest/gtest.h>

#include "tests/support/Burn.h"

namespace sylvanor {

TEST(MortalityTest, ProbabilitiesAndFailures) {
  const MortalityTable table = {MortRecord("PSME", "150", 36), MortRecord("PSME", "1", 36),
                                MortRecord("ABGR", "10", 25),  MortRecord("PIPO", "151", 36),
                                MortRecord("LAOC", "2", 36),   MortRecord("THPL", "1", 55),
                                MortRecord("PIJE", "4", 36)};
  MortalityTable withDefault = table;
  withDefault.push_back(MortRecord("*InvSpe*", "1", 19));
  // A tree 50 ft tall: species, equation type, scorch height "S" or flame
  // length "F" and its value, DBH, crown ratio, fire severity, whether the
  // table ends in the default record, and the probability (worked out in the
  // crown-scorch cases, trees A and B), equation code (not checked when
  // null) and message.
  struct Row {
    const char *species, *type, *kind;
    float scoFla, dbh, cr;
    const char* severity;
    bool withDefault;
    float prob;
    const char *eqCode, *message;
  };
  const Row rows[] = {
      {"PSME", "CRNSCH", "S", 40, 10, 40, "", false, 0.880611f, "1", ""},   // the first CRNSCH, A
      {"ABGR", "CRNSCH", "S", 40, 10, 40, "", false, 0.230889f, "10", ""},  // 10, A
      // scorch ((2 / 0.45)^2.174)^0.667 = 8.697 ft, below the crown: bark only
      {"PSME", "CRNSCH", "F", 2, 10, 40, "", false, 0.266755f, "1", ""},
      {"PIJE", "CRNSCH", "S", 40, 10, 40, "Low", false, 0.992085f, "4", ""},  // 4, A, low
      {"PIJE", "CRNSCH", "S", 40, 10, 40, "l", false, 0.992085f, "4", ""},
      {"TSHE", "CRNSCH", "S", 40, 10, 40, "", false, -1, nullptr,
       "Species Code not found: TSHE, CRNSCH \n Species: TSHE Equation Type: CRNSCH"},
      // the default's bark 0.040 15.75 = 0.63, as tree A's
      {"TSHE", "CRNSCH", "S", 40, 15.75f, 40, "", true, 0.880611f, "1", ""},
      // the equation is found without regard to case, the bark record exactly
      {"psme", "CRNSCH", "S", 40, 10, 40, "", false, -1, "1", "Invalid Species: psme"},
      {"psme", "CRNSCH", "S", 40, 15.75f, 40, "", true, 0.880611f, "1", ""},
      {"PIPO", "CRNSCH", "S", 40, 10, 40, "", false, -1, nullptr,
       "Equation Code/Formula not found: PIPO, CRNSCH \n Species: PIPO Equation Type: CRNSCH"},
      {"PSME", "SCORCH", "S", 40, 10, 40, "", false, -1, nullptr,
       "Invalid Equation Type SCORCH, Use -> CRCABE CRNSCH BOLCHR \n Species: PSME Equation "
       "Type: SCORCH"},
      {"PSME", "bolchr", "S", 40, 10, 40, "", false, -1, "150",
       "Equation Type bolchr is not implemented, Equation Code: 150"},
      {"PSME", "CRNSCH", "s", 40, 10, 40, "", false, -1, "1",
       "Invalid Scorch/Flame Parameter (s), use F or S"},
      {"PSME", "CRNSCH", "S", 40, 10, 0, "", false, -1, "1",
       "Mortality Calculaton is attempting to Divide by 0"},
      {"LAOC", "CRNSCH", "S", 40, 10, 40, "", false, -1, "2",
       "Equation Not implemented,  Equ Num: 2\n"},
      // the general model cannot run on a bark number outside the table
      {"THPL", "CRNSCH", "S", 40, 10, 40, "", false, -1, "1",
       "Invalid Bark Thickness Number 55, Mortality Code: THPL"},
  };
  for (const Row& row : rows) {
    d_MI mi{row.species, row.type, "", 10, row.dbh, 50, row.cr, row.scoFla, row.kind, row.severity};
    SCOPED_TRACE(mi.Species + " " + mi.EqType + " " + mi.ScoFlaKind + " " + mi.FireSev + " DBH " +
                 std::to_string(mi.DBH) + " CR " + std::to_string(mi.CR) +
                 (row.withDefault ? " with the default" : ""));
    std::string message = "left over";
    const float prob = MRT_CalcMngr(row.withDefault ? withDefault : table, mi, message);
    EXPECT_NEAR(prob, row.prob, 2e-6f);
    EXPECT_EQ(mi.Prob, prob);
    EXPECT_EQ(message, row.message);
    if (row.eqCode != nullptr) {
      EXPECT_EQ(mi.EqCode, row.eqCode);
    }
  }
}

}  // namespace sylvanor
