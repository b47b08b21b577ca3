#include "ui/EquationTable.h"

#include <gtest/gtest.h>

#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

TEST(EquationTableTest, AFreshEngineShowsTheBuiltInTable) {
  TempFolder folder;
  const auto user = MakeShippedUserFolder(folder.path() / "user");
  Sylvanor syl;
  const d_EquationTable table = EquationTableRows(syl, user);
  EXPECT_EQ(table.Message, "");
  EXPECT_EQ(table.Source, "Internal");
  ASSERT_EQ(table.Rows.size(), 55u);
  // row 40 of the built-in table, Quaking Aspen, in the columns' order: its
  // crown code for total, foliage and twigs, its branch code for the rest
  const std::array<std::string, 16> aspen = {
      "POTR5", "40.0", "Quaking Aspen", "H",    "No", "QA", "QA", "QA", "BM", "BM", "BM", "UN",
      "WF",    "26",   "200DVEW746",    "POTR5"};
  EXPECT_EQ(table.Rows[39], aspen);
  // its crown equation names the species group it was fitted for; a name is no equation
  EXPECT_EQ(EquationReference(syl, 5, "QA").rfind("Quaking Aspen", 0), 0u);
  EXPECT_EQ(EquationReference(syl, 2, "Quaking Aspen"), "");
  EXPECT_EQ(table.Rows[54][0], "PIRU");
}

TEST(EquationTableTest, TheSampleFileIsWrittenAndReadsBackAsASpeciesFile) {
  TempFolder folder;
  const auto user = MakeShippedUserFolder(folder.path() / "user");
  const auto sample = user / "sample-species.csv";
  EXPECT_EQ(WriteSampleSpecies(user),
            "File Created:\n" + sample.string() + "\n\nNOTE:\n See Help and comments in file.");
  ASSERT_TRUE(std::filesystem::exists(sample));
  EXPECT_EQ(WriteSampleSpecies(user / "none"),
            (user / "none" / "sample-species.csv").string() + "\n Can't Open File");

  // an engine that already holds a table keeps it; a fresh one reads the file
  Sylvanor loaded;
  ASSERT_EQ(InitEngine(loaded, user), 1);
  std::filesystem::copy_file(sample, user / "species.csv");
  EXPECT_EQ(EquationTableRows(loaded, user).Source, "Internal");
  Sylvanor fresh;
  const d_EquationTable table = EquationTableRows(fresh, user);
  EXPECT_EQ(table.Message, "");
  EXPECT_EQ(table.Source, (user / "species.csv").string());
  ASSERT_EQ(table.Rows.size(), 55u);
  EXPECT_EQ(table.Rows[39][2], "Quaking Aspen");
}

}  // namespace sylvanor
