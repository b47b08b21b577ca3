#include "stand/SampleSpecies.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "tests/support/TempFolder.h"

namespace sylvanor {

// A head of 16 comment lines ending in the column names, then one line per built-in species.
TEST(SampleSpeciesTest, WritesTheHeadAndEveryBuiltInRow) {
  TempFolder temp;
  std::string message;
  ASSERT_EQ(Create_SamSpe_ESD(temp.path().string(), message), 1);
  const auto file = temp.path() / "sample-species.csv";
  EXPECT_EQ(message,
            "File Created:\n" + file.string() + "\n\nNOTE:\n See Help and comments in file.");
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  ASSERT_EQ(lines.size(), 16u + 55u);
  for (std::size_t i = 0; i < 16; ++i)
    EXPECT_EQ(lines[i][0], '#') << "line " << i;
  const std::pair<std::size_t, const char*> rows[] = {
      {14, "# order,Species,Common,Conifer,Inc,,,,,,,Vert,Crown,Canpy,Bole,Qorvel-Mort"},
      {15, "# Num,code,Name,Hard,CBD,Tot,Fol,Twg,1in,3in,3+,Dist,Reduc,Cover,Volume,Spe-code"},
      // the order number is written "%4.1f": one-digit numbers get a leading blank
      {16, " 1.0,ALRU2,Red Alder,H,No,RA,RA,RA,RA,RA,RA,UN,DF,22,A00CURW260,ALRU2"},
      {42, "27.0,PIAR5,Ponderosa Pine SW,C,Yes,PP,PP,PP,PP,PP,PP,PS,PS,15,I00FW2W122,PIPO"},
      {55, "40.0,POTR5,Quaking Aspen,H,No,QA,QA,QA,BM,BM,BM,UN,WF,26,200DVEW746,POTR5"},
      {70, "55.0,PIRU,Red Spruce,C,Yes,RS,RS,RS,DF,DF,DF,DF,DF,10,407FW2W093,PIRU"}};
  for (const auto& [index, text] : rows)
    EXPECT_EQ(lines[index], text) << "line " << index;

  EXPECT_EQ(Create_SamSpe_ESD("/no/such/folder", message), 0);
  EXPECT_EQ(message, "/no/such/folder/sample-species.csv\n Can't Open File");
}

}  // namespace sylvanor
