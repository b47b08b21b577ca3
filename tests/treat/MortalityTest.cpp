#include "treat/Mortality.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/Burn.h"

namespace sylvanor {

TEST(MortalityTest, ProbabilitiesAndFailures) {
  const MortalityTable table = {MortRecord("PSME", "150", 36), MortRecord("PSME", "1", 36),
                                MortRecord("ABGR", "10", 25),  MortRecord("PIPO", "151", 36),
                                MortRecord("LAOC", "2", 36),   MortRecord("THPL", "1", 55),
                                MortRecord("PIJE", "4", 36)};
  MortalityTable tableWithDefault = table;
  tableWithDefault.push_back(MortRecord("*InvSpe*", "1", 19));
  // A tree 50 ft tall: species, equation type, scorch height "S" or flame length "F", DBH, crown
  // ratio, fire severity, whether the table ends in the default record; the probability (trees A
  // and B of the crown-scorch cases), the equation code found and the message.
  using Row = std::tuple<const char*, const char*, const char*, float, float, float, const char*,
                         bool, float, const char*, const char*>;
  // clang-format off
  const Row rows[] = {
      {"PSME", "CRNSCH", "S", 40, 10, 40, "", false, 0.880611f, "1", ""},   // the first CRNSCH, A
      {"ABGR", "CRNSCH", "S", 40, 10, 40, "", false, 0.230889f, "10", ""},  // 10, A
      // scorch (5 / 0.45)^1.450058 = 32.8404 ft: CLS 2.8404, CVS 26.3874, L(-(1.011148 - 0.372518))
      {"PSME", "CRNSCH", "F", 5, 10, 40, "", false, 0.345556f, "1", ""},
      {"PIJE", "CRNSCH", "S", 40, 10, 40, "Low", false, 0.992085f, "4", ""},  // 4, A, low
      {"PIJE", "CRNSCH", "S", 40, 10, 40, "l", false, 0.992085f, "4", ""},
      {"TSHE", "CRNSCH", "S", 40, 10, 40, "", false, -1, "",
       "Species Code not found: TSHE, CRNSCH \n Species: TSHE Equation Type: CRNSCH"},
      // the default's bark 0.040 15.75 = 0.63, as tree A's
      {"TSHE", "CRNSCH", "S", 40, 15.75f, 40, "", true, 0.880611f, "1", ""},
      // the equation is found without regard to case, the bark record exactly
      {"psme", "CRNSCH", "S", 40, 10, 40, "", false, -1, "1", "Invalid Species: psme"},
      {"psme", "CRNSCH", "S", 40, 15.75f, 40, "", true, 0.880611f, "1", ""},
      {"PIPO", "CRNSCH", "S", 40, 10, 40, "", false, -1, "",
       "Equation Code/Formula not found: PIPO, CRNSCH \n Species: PIPO Equation Type: CRNSCH"},
      {"PSME", "SCORCH", "S", 40, 10, 40, "", false, -1, "", "Invalid Equation Type SCORCH, "
       "Use -> CRCABE CRNSCH BOLCHR \n Species: PSME Equation Type: SCORCH"},
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
  // clang-format on
  for (const auto& [species, type, kind, scoFla, dbh, cr, severity, withDefault, want, eqCode,
                    wantMessage] : rows) {
    d_MI mi{species, type, "", 10, dbh, 50, cr, scoFla, kind, severity};
    SCOPED_TRACE(testing::Message()
                 << species << " " << type << " " << kind << scoFla << " " << severity << " DBH "
                 << dbh << " CR " << cr << (withDefault ? " with the default" : ""));
    std::string message = "left over";
    const float prob = MRT_CalcMngr(withDefault ? tableWithDefault : table, mi, message);
    EXPECT_EQ(std::tuple(mi.Prob, mi.EqCode, message), std::tuple(prob, eqCode, wantMessage));
    EXPECT_NEAR(prob, want, 2e-6f);
  }
}

}  // namespace sylvanor
