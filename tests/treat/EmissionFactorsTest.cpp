#include "treat/EmissionFactors.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <tuple>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

const std::string kHeadings =
    "##,units:g/kg,,Carbon dioxide,Carbon monoxide,Methane,\"Nitrogen oxides, as NO\",Sulfur "
    "dioxide,PM2.5,PM10,Ammonia\n";
const std::string kCodes = "Group #,# Cover Type,Type,CO2,CO,CH4,NOx as NO,SO2,PM2.5,PM10,NH3\n";
const std::string kGroup1 = "1,Grass,STFS,1,2,3,4,5,6,7,-1\n";
const std::string kOrder = "Emission File Component(s) is not in expected order.\nf.csv";

// Reads the text as the file "f.csv": the result and the message.
using Result = std::tuple<int, std::string>;
Result Read(c_NES& table, const std::string& text) {
  std::istringstream file(text);
  std::string message = "left over";
  const int result = table.Read(file, "f.csv", message);
  return {result, message};
}

// Get_Factor: the result, factor, cover type, heading and code.
auto Factor(const c_NES& table, const std::string& group, int component) {
  std::string cover = "x", heading = "x", code = "x";
  float factor = 0;
  const int result = table.Get_Factor(group, component, cover, factor, heading, code);
  return std::make_tuple(result, factor, cover, heading, code);
}

// The seven factors of a group in the order CO, CO2, CH4, PM2.5, PM10, NOx,
// SO2; none when the group is not in the table.
std::optional<std::array<float, 7>> Major(const c_NES& table, const std::string& group) {
  std::array<float, 7> f{};
  if (!table.Get_MajFactor(group, f[0], f[1], f[2], f[3], f[4], f[5], f[6])) return std::nullopt;
  return f;
}

TEST(EmissionFactorsTest, ShippedFileLoadsWithFactorsInEngineOrder) {
  c_NES table;
  std::string message;
  ASSERT_EQ(table.LoadFile(SYLVANOR_DATA_DIR "/Emission_Factors.csv", message), 1) << message;
  EXPECT_EQ(table.GroupCount(), 6);
  EXPECT_EQ(Major(table, "3"),
            (std::array<float, 7>{6.52f, 1778.01f, 0.796f, 2.604f, 3.07272f, 3.2f, 1.0f}));
  EXPECT_EQ(Major(table, "5"), std::nullopt);
  EXPECT_EQ(std::get<3>(Factor(table, "2", 4)), "Nitrogen oxides, as NO");
  EXPECT_EQ(table.Get_CriFirInt(), 15.0f);
}

TEST(EmissionFactorsTest, HeaderRows) {
  c_NES table;
  // quotes and tabs become blanks, empty fields are skipped, header words
  // are compared without case, a byte order mark is ignored; the fourth code
  // is not "NOx as NO"
  EXPECT_EQ(Read(table,
                 "\xEF\xBB\xBF ## ,UNITS:G/KG,,,CO2 name,\"CO, carbon\"\t,,CH4 name\r\n"
                 "GROUP # ,\t# cover type,type,\"co2\",co,,ch4,\"NOx, as NO\"\r\n"
                 "1, Grass ,STFS,10,20,30,40\r\n"),
            Result(-5, kOrder));
  EXPECT_EQ(table.ComponentCount(), 4);
  EXPECT_EQ(Factor(table, "1", 2), std::make_tuple(1, 20.0f, "Grass", "CO, carbon", "co"));
  EXPECT_EQ(Factor(table, "1", 4), std::make_tuple(1, 40.0f, "Grass", "", "NOx, as NO"));
  for (const std::string& text :
       {std::string(""), "##\n" + kCodes + kGroup1, "#,units:g/kg\n" + kCodes + kGroup1,
        kHeadings + "Group #,# Cover Type\n" + kGroup1, kCodes + kHeadings + kGroup1}) {
    EXPECT_EQ(Read(table, text),
              Result(0,
                     "Input Emission File has invalid format. \n Look at a previous file "
                     "that had a valid format\n"))
        << text;
    EXPECT_EQ(table.GroupCount(), 0) << text;
  }
}

TEST(EmissionFactorsTest, ComponentOrderCheck) {
  c_NES table;
  const std::string codes[] = {"CO2", "CO", "CH4", "NOx as NO", "SO2", "PM2.5", "PM10"};
  const int faults[] = {-2, -3, -4, -5, -7, -8, -9};
  for (std::size_t k = 0; k < 7; ++k) {
    // a wrong code, a missing factor and an empty one in the k-th column
    std::string row2 = "Group #,# Cover Type,Type", row1 = "1,G,STFS", empty = "1,G,STFS";
    for (std::size_t i = 0; i < 7; ++i) {
      row2 += "," + (i == k ? std::string("NH3") : codes[i]);
      row1 += i == k ? ",-1" : ",1";
      empty += i == k ? "," : ",1";
    }
    const Result fault{faults[k], kOrder};
    EXPECT_EQ(Read(table, kHeadings + row2 + "\n" + kGroup1), fault) << codes[k];
    EXPECT_EQ(Read(table, kHeadings + kCodes + row1 + "\n"), fault) << codes[k];
    EXPECT_EQ(Read(table, kHeadings + kCodes + empty + "\n"), fault) << codes[k];
  }
  // the eighth factor may be missing, a zero is a figure, codes ignore case
  EXPECT_EQ(Read(table, kHeadings + kCodes + "1,G,STFS,1,2,3,0,5,6,7,\n"), Result(1, ""));
  EXPECT_EQ(
      Read(table,
           kHeadings + "Group #,# Cover Type,Type,co2,Co,ch4,NOX AS NO,so2,pm2.5,pm10\n" + kGroup1),
      Result(1, ""));
  // without group "1" the table keeps what was read
  EXPECT_EQ(Read(table, kHeadings + kCodes + "2,Forest,STFS,1,2,3,4,5,6,7\n"), Result(-1, kOrder));
  EXPECT_EQ(Major(table, "2"), (std::array<float, 7>{2, 1, 3, 6, 7, 4, 5}));
}

TEST(EmissionFactorsTest, GroupRowsKindsMarksAndFactors) {
  c_NES table;
  ASSERT_EQ(Read(table, kHeadings + kCodes + kGroup1 +
                            "3,Forest flaming,stfs,1\n8,Duff,DUFFRSC,1\n7,Logs,CwdRsc,1\n"
                            "33,Other,Pile,1\n9,Bare,DuffRsc\n"),
            Result(1, ""));
  // row: group, kind (also on a row without factors), default mark
  const std::tuple<int, std::string, int, int> rows[] = {
      {0, "1", 1, 0},   {1, "3", 1, 1}, {2, "8", 2, 2}, {3, "7", 3, 3},
      {4, "33", -1, 0}, {5, "9", 2, 0}, {6, "", -1, 0}};
  for (const auto& [row, group, kind, mark] : rows) {
    std::string g = "x", cover;
    int m = -5;
    EXPECT_EQ(table.GetGrpCov(row, g, cover, m), kind) << row;
    EXPECT_EQ(std::make_pair(g, m), std::make_pair(group, mark)) << row;
  }
  EXPECT_EQ(Factor(table, "1", 8), std::make_tuple(0, -1.0f, "Grass", "", ""));  // missing
  EXPECT_EQ(Factor(table, "8", 2), std::make_tuple(0, -1.0f, "Duff", "", ""));   // past the end
  EXPECT_EQ(Factor(table, "3 ", 1), std::make_tuple(-1, -1.0f, "", "", ""));
  EXPECT_EQ(std::get<0>(Factor(table, "", 1)), -1);
  // a blank line is skipped, an empty one or an empty group number ends the rows
  const std::string rows2 = kHeadings + kCodes + kGroup1 + "  \t \r\n2,A,STFS,1\r\n";
  for (const char* end : {"\r\n3,B,STFS,1\n", ",B,STFS,1\n4,C,STFS,1\n"}) {
    EXPECT_EQ(Read(table, rows2 + end), Result(1, "")) << end;
    EXPECT_EQ(table.GroupCount(), 2) << end;
  }
}

TEST(EmissionFactorsTest, RowsAndColumnsPastTheLimitsAreIgnored) {
  c_NES table;
  std::string codes = "Group #,# Cover Type,Type,CO2,CO,CH4,NOx as NO,SO2,PM2.5,PM10";
  std::string rows = "1,G,STFS,1,2,3,4,5,6,7";
  for (int i = 8; i <= 410; ++i) {
    codes += ",C" + std::to_string(i);
    rows += "," + std::to_string(i);
  }
  for (int i = 2; i <= 60; ++i)
    rows += "\n" + std::to_string(i) + ",G,STFS,1";
  ASSERT_EQ(Read(table, kHeadings + codes + "\n" + rows), Result(1, ""));
  EXPECT_EQ(table.GroupCount(), 50);
  EXPECT_EQ(table.ComponentCount(), 300);
  EXPECT_EQ(Factor(table, "1", 300), std::make_tuple(1, 300.0f, "G", "", "C300"));
  EXPECT_EQ(std::get<1>(Factor(table, "1", 400)), 400.0f);
  EXPECT_EQ(std::get<0>(Factor(table, "1", 401)), 0);
}

TEST(EmissionFactorsTest, FileIsFoundThroughQorvelDataOrNamed) {
  TempFolder temp;
  temp.Write("EMISSION_FACTORS.CSV", kHeadings + kCodes + kGroup1);
  const char* old = std::getenv("QORVEL_DATA");
  const std::string saved = old ? old : "";
  ::setenv("QORVEL_DATA", temp.path().c_str(), 1);
  c_NES table;
  std::string message;
  EXPECT_EQ(c_NES::NES_FilePath(), (temp.path() / "EMISSION_FACTORS.CSV").string());
  EXPECT_EQ(table.LoadFile(message), 1) << message;
  ::unsetenv("QORVEL_DATA");
  if (!std::filesystem::exists("Emission_Factors.csv")) {
    EXPECT_EQ(c_NES::NES_FilePath(), "Emission_Factors.csv");
  }
  if (old) ::setenv("QORVEL_DATA", saved.c_str(), 1);
  EXPECT_EQ(table.LoadFile("/nonexistent/none.csv", message), 0);
  EXPECT_EQ(message, "Error opening or can't find input emission file: /nonexistent/none.csv \n");
}

}  // namespace

}  // namespace sylvanor
