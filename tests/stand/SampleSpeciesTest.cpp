#include "stand/SampleSpecies.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

std::vector<std::string> Lines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

TEST(SampleSpeciesTest, WritesTheHeadAndEveryBuiltInRow) {
  TempFolder temp;
  std::string message;
  ASSERT_EQ(Create_SamSpe_ESD(temp.path().string(), message), 1);
  const auto file = temp.path() / "sample-species.csv";
  EXPECT_EQ(message,
            "File Created:\n" + file.string() + "\n\nNOTE:\n See Help and comments in file.");

  const std::vector<std::string> lines = Lines(file);
  ASSERT_EQ(lines.size(), 16u + 55u);
  EXPECT_EQ(lines[0], "#");
  EXPECT_EQ(lines[1],
            "# Use this sample file to add delete or modify species code and/or equation set that "
            "are used by");
  EXPECT_EQ(lines[10],
            "# If you wish to make a hardwood tree have its canopy fuel included in canopy bulk "
            "density caclulations");
  EXPECT_EQ(lines[14],
            "# order,Species,Common,Conifer,Inc,,,,,,,Vert,Crown,Canpy,Bole,Qorvel-Mort");
  EXPECT_EQ(lines[15],
            "# Num,code,Name,Hard,CBD,Tot,Fol,Twg,1in,3in,3+,Dist,Reduc,Cover,Volume,Spe-code");
  // the order number is written "%4.1f": one-digit numbers get a leading blank
  EXPECT_EQ(lines[16], " 1.0,ALRU2,Red Alder,H,No,RA,RA,RA,RA,RA,RA,UN,DF,22,A00CURW260,ALRU2");
  EXPECT_EQ(lines[16 + 26],
            "27.0,PIAR5,Ponderosa Pine SW,C,Yes,PP,PP,PP,PP,PP,PP,PS,PS,15,I00FW2W122,PIPO");
  EXPECT_EQ(lines[16 + 39],
            "40.0,POTR5,Quaking Aspen,H,No,QA,QA,QA,BM,BM,BM,UN,WF,26,200DVEW746,POTR5");
  EXPECT_EQ(lines.back(), "55.0,PIRU,Red Spruce,C,Yes,RS,RS,RS,DF,DF,DF,DF,DF,10,407FW2W093,PIRU");
}

TEST(SampleSpeciesTest, HeadIsSixteenCommentLines) {
  std::ostringstream head;
  _Heading(head);
  const std::string text = head.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 16);
  EXPECT_EQ(text.substr(0, 2), "#\n");
}

TEST(SampleSpeciesTest, UnwritableFolderIsReported) {
  std::string message;
  EXPECT_EQ(Create_SamSpe_ESD("/no/such/folder", message), 0);
  EXPECT_EQ(message, "/no/such/folder/sample-species.csv\n Can't Open File");
}

}  // namespace

}  // namespace sylvanor
