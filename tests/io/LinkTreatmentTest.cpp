#include "io/LinkTreatment.h"

#include <gtest/gtest.h>

#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

TEST(LinkTreatment, WrittenFile) {
  TempFolder t;
  const auto path = t.path() / kLinkTreatmentFileName;
  const std::vector<d_LTF> rows = {
      {"P1", "North", "Light Touch", "Thin Heavy", "Yes", "No", "No", "Yes"},
      {"P2", "", "Default", "Burn Only", "no", "no", "yes", "YES"}};
  std::string message;
  ASSERT_EQ(LTF_WriteFile(path.string(), rows, message), 1) << message;
  EXPECT_EQ(ReadFile(path),
            "Plot, MonSta, RetPri, Treatment, Thin, Prune, Pile, Burn\n"
            "P1, North, Light Touch, Thin Heavy, Yes, No, No, Yes\n"
            "P2, , Default, Burn Only, no, no, yes, YES\n");
}

TEST(LinkTreatment, ReadRows) {
  const std::string row = ",S,R,T,Yes,No,no,YES\n", back = ", S, R, T, Yes, No, no, YES\n";
  const std::string cut = "' record field is to long, will trunc. chars to fit.";
  // the file, its first row as written back (each field in its place), the reader's message
  const std::tuple<const char*, std::string, std::string, std::string> rows[] = {
      {"blanks trimmed", "h\nP1, S , R,T, Yes,No ,no,YES\n", "P1" + back, ""},
      {"a heading of 2998 characters and its line end", std::string(2998, 'h') + "\nP1" + row,
       "P1" + back, ""},
      {"a heading of 2999 characters at most, the rest a row",
       std::string(2999, 'h') + "P9" + row + "P1" + row, "P9" + back, ""},
      {"fields of 299, 99 and 49 characters at most",
       "h\n" + std::string(350, 'p') + ",S," + std::string(120, 'r') + ",T," +
           std::string(60, 'y') + ",No,No,No\n",
       std::string(299, 'p') + ", S, " + std::string(99, 'r') + ", T, " + std::string(49, 'y') +
           ", No, No, No\n",
       "The 'cr_Plot" + cut + "\nThe 'cr_RPName" + cut + "\nThe 'cr_Thin" + cut},
  };
  for (const auto& [name, text, first, messages] : rows) {
    std::istringstream file(text);
    LTF_SkipHeader(file);
    d_LTF read;
    std::string message;
    EXPECT_EQ(LTF_Get(file, read, message), 1) << name;
    EXPECT_EQ(LTF_Line(read), first) << name;
    EXPECT_EQ(message, messages) << name;
  }
}

}  // namespace sylvanor
