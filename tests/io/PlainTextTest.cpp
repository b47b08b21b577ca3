#include "io/PlainText.h"

#include <gtest/gtest.h>

#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

TEST(PlainText, FuelAndTreeFiles) {
  TempFolder t;
  // blanks, tabs and line ends all separate; values past the twentieth are ignored
  const auto fuel =
      t.Write("fuel", "3 10 0.1 0.2 1.1 0.5\n\t0.3 1.2 2.4\n1 2 3 4 5  6 7 8 9 10.5 12 99");
  EXPECT_EQ(FuelText(LoadFuelText(fuel.string()).fuel),
            "3 10 0.1 0.2 1.1 0.5 0.3 1.2 2.4 1 2 3 4 5 6 7 8 9 10.5 12");
  // the file, its load: trees numbered from 1, a blank line skipped, a bad
  // line stopping the load (the trees before it kept); "@" for the folder
  const std::pair<std::string, std::string> rows[] = {
      {"PIPO 12.5 60 20 D H N 30 0.8\n\nPSME 8 40 15 C D Y 50 0\n",
       "1 PIPO 12.5 60 20 D H N 30 0.8; 2 PSME 8 40 15 C D Y 50 0"},
      {"PIPO 12.5 60 20 D H N 30 0.8\nPSME 8 forty 15 C H N 50 0\n",
       "1 PIPO 12.5 60 20 D H N 30 0.8\nfailed: Error in tree file: @/trees \n line 2 needs nine "
       "values: species, DBH, height, crown base height, crown class, status, snag, TPA and "
       "retention priority\n"},
  };
  for (const auto& [trees, loaded] : rows) {
    EXPECT_EQ(TreesText(LoadTreeText(t.Write("trees", trees).string())),
              WithPath(loaded, t.path()));
  }
  const d_PlotFuelLoad bad = LoadFuelText(t.Write("bad", "1 2 3 x 5").string());
  EXPECT_FALSE(bad.ok);
  EXPECT_EQ(bad.message,
            WithPath("Error in fuel file: @/bad \n value 4 of 20 is missing or not a number\n",
                     t.path()));
  EXPECT_EQ(LoadFuelText((t.path() / "none").string()).message,
            WithPath("Can't open fuel file: @/none \n", t.path()));
  EXPECT_EQ(TreesText(LoadTreeText((t.path() / "none").string())),
            WithPath("\nfailed: Can't open tree file: @/none \n", t.path()));
}

}  // namespace sylvanor
