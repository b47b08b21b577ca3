#include "io/LinkTreatment.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

const std::vector<d_LTF> kRows = {
    {"P1", "North", "Light Touch", "Thin Heavy", "Yes", "No", "No", "Yes"},
    {"P2", "", "Default", "Burn Only", "no", "no", "yes", "YES"},
};

TEST(LinkTreatmentWriter, HeaderAndLinesExactly) {
  EXPECT_EQ(LTF_Text(kRows),
            "Plot, MonSta, RetPri, Treatment, Thin, Prune, Pile, Burn\n"
            "P1, North, Light Touch, Thin Heavy, Yes, No, No, Yes\n"
            "P2, , Default, Burn Only, no, no, yes, YES\n");
}

TEST(LinkTreatmentReader, WrittenFileReadsBack) {
  TempFolder folder;
  const std::string path = (folder.path() / kLinkTreatmentFileName).string();
  std::string message;
  ASSERT_EQ(LTF_WriteFile(path, kRows, message), 1) << message;

  std::ifstream file(path, std::ios::binary);
  LTF_SkipHeader(file);
  for (const d_LTF& expected : kRows) {
    d_LTF row;
    ASSERT_EQ(LTF_Get(file, row, message), 1);
    EXPECT_EQ(message, "");
    EXPECT_EQ(row.Plot, expected.Plot);
    EXPECT_EQ(row.MonSta, expected.MonSta);
    EXPECT_EQ(row.RPName, expected.RPName);
    EXPECT_EQ(row.TmName, expected.TmName);
    EXPECT_EQ(row.Thin, expected.Thin);
    EXPECT_EQ(row.Prune, expected.Prune);
    EXPECT_EQ(row.Pile, expected.Pile);
    EXPECT_EQ(row.Burb, expected.Burb);
  }
  d_LTF row;
  EXPECT_EQ(LTF_Get(file, row, message), 0);
}

TEST(LinkTreatmentReader, FieldsAreCutToTheirCapacity) {
  std::istringstream file(std::string(350, 'p') + ",S," + std::string(120, 'r') + ",T," +
                          std::string(60, 'y') + ",No,No,No\n");
  d_LTF row;
  std::string message;
  ASSERT_EQ(LTF_Get(file, row, message), 1);
  EXPECT_EQ(row.Plot, std::string(299, 'p'));
  EXPECT_EQ(row.RPName, std::string(99, 'r'));
  EXPECT_EQ(row.Thin, std::string(49, 'y'));
  EXPECT_NE(message.find("The 'cr_Plot' record field is to long"), std::string::npos);
}

TEST(LinkTreatmentReader, ShortRowIsAnError) {
  std::istringstream file("P1, North, Set, Treatment, Yes, No, No\n");
  d_LTF row;
  std::string message;
  EXPECT_EQ(LTF_Get(file, row, message), -1);
  EXPECT_EQ(message, "> Format of input is incorrect !\n");
}

TEST(LinkTreatmentReader, HeaderIsReadWithA3000CharacterBuffer) {
  // a header of 2998 characters and its line end fill the buffer exactly
  std::istringstream fits(std::string(2998, 'h') + "\nP1,S,R,T,Yes,No,No,No\n");
  LTF_SkipHeader(fits);
  d_LTF row;
  std::string message;
  ASSERT_EQ(LTF_Get(fits, row, message), 1);
  EXPECT_EQ(row.Plot, "P1");

  // the part of a longer header past 2999 characters is read as a row
  std::istringstream longer(std::string(2999, 'h') +
                            "P9,S,R,T,Yes,No,No,No\nP1,S,R,T,No,No,No,No\n");
  LTF_SkipHeader(longer);
  ASSERT_EQ(LTF_Get(longer, row, message), 1);
  EXPECT_EQ(row.Plot, "P9");
}

}  // namespace

}  // namespace sylvanor
