#include "io/TreeFileIndex.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/Keyword.h"
#include "io/LinkTreatment.h"
#include "io/PlotLayouts.h"

namespace sylvanor {

namespace {

// The species of a plot's rows as a scan of the whole file gives them, and
// whether the scan met an unreadable row.
std::vector<std::string> ScanVXD(std::istream& file, const std::string& plot, bool& readError) {
  file.clear();
  file.seekg(0);
  LTF_SkipHeader(file);
  std::vector<std::string> species;
  readError = false;
  d_VXDTreeRow row;
  std::string message;
  for (;;) {
    const int result = ReadRow(file, row, message);
    if (result == 0) break;
    if (result < 0) {
      readError = true;
      break;
    }
    if (SameKeyword(row.Plot, plot)) species.push_back(row.Species);
  }
  return species;
}

std::vector<std::string> Species(const std::vector<d_BatchTree>& rows) {
  std::vector<std::string> species;
  for (const d_BatchTree& row : rows) {
    species.push_back(row.Species);
  }
  return species;
}

// A and B interleaved, a in another case, C after an unreadable row.
constexpr const char* kVXD =
    "Plot,Num,Species,DBH,Hgt,HgtCrn,CC,TS,TPA\n"
    "A,1,PIPO,14,70,30,D,H,20\n"
    "B,1,PSME,10,55,25,C,H,40\n"
    "a,2,ABGR,4,20,8,I,H,60\n"
    "A,3,LAOC,8,40,-1,,D,10\n"
    "B,2,PSME\n"
    "C,1,PICO,6,35,12,C,H,80\n"
    "A,4,PIPO,2,12,4,S,H,100\n";

}  // namespace

TEST(TreeFileIndex, GivesEachPlotsRowsAsAScanOfTheWholeFileWould) {
  std::istringstream file(kVXD);
  c_TreeIndex index;
  index.Build(file, "VXD", 500000);
  for (const char* plot : {"A", "a", "B", "C", "D"}) {
    bool readError = false;
    const auto scanned = ScanVXD(file, plot, readError);
    EXPECT_EQ(Species(index.Rows(plot, "")), scanned) << plot;
    EXPECT_EQ(index.ReadError(), readError);
  }
  EXPECT_EQ(Species(index.Rows("A", "any station")),
            (std::vector<std::string>{"PIPO", "ABGR", "LAOC"}));
  EXPECT_NE(index.ReadMessage().find("Format of input is incorrect"), std::string::npos);
}

TEST(TreeFileIndex, KeepsTheValuesTheBatchUses) {
  std::istringstream file(kVXD);
  c_TreeIndex index;
  index.Build(file, "vxd", 2);  // the read limit: two rows
  ASSERT_EQ(index.Rows("A", "").size(), 1u);
  const d_BatchTree& t = index.Rows("A", "")[0];
  EXPECT_EQ(t.Num, 1.0f);
  EXPECT_EQ(t.DBH, 14.0f);
  EXPECT_EQ(t.Hgt, 70.0f);
  EXPECT_EQ(t.CrnHgt, 30.0f);
  EXPECT_EQ(t.TPA, 20.0f);
  EXPECT_EQ(t.CrnCls, "D");
  EXPECT_EQ(t.Status, "H");
  EXPECT_EQ(t.CrnRat, -1);  // no crown ratio in this layout
  EXPECT_FALSE(index.ReadError());
}

TEST(TreeFileIndex, PDQRowsAreKeyedByPlotAndStationWithoutRegardToCase) {
  const std::string header =
      "cr_Plot,cr_MonSta,cr_MonOrd,cr_Spe,f_TPA,f_DBH,f_Hgt,f_CrnHgt,cr_Status,cr_CrnCls,"
      "i_CrnRat,f_BolCha,f_CrnScoPer,f_CrnScoHgt,f_CKF,cr_BeeDam,cr_EquTyp,f_FlaSco,cr_FS,"
      "cr_FirSev\n";
  std::istringstream file(header +
                          "P1,North,1,PIPO,20,14,70,30,H,D,55,0,0,0,0,,,0,,\n"
                          "P1,South,1,PSME,40,10,55,25,H,C,40,0,0,0,0,,,0,,\n"
                          "p1,NORTH,1,ABGR,60,4,20,-1,H,I,-1,0,0,0,0,,,0,,\n");
  c_TreeIndex index;
  index.Build(file, "PDQ", 500000);
  const auto& north = index.Rows("P1", "north");
  ASSERT_EQ(north.size(), 2u);
  EXPECT_EQ(north[0].CrnRat, 55);
  EXPECT_EQ(north[1].Species, "ABGR");
  EXPECT_EQ(north[1].CrnRat, -1);
  EXPECT_EQ(Species(index.Rows("P1", "South")), std::vector<std::string>{"PSME"});
  EXPECT_TRUE(index.Rows("P1", "").empty());
}

}  // namespace sylvanor
