#include "treat/EmissionFactors.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

const std::string kHeadings =
    "##,units:g/kg,,Carbon dioxide,Carbon monoxide,Methane,\"Nitrogen oxides, as NO\",Sulfur "
    "dioxide,PM2.5,PM10,Ammonia\n";
const std::string kCodes = "Group #,# Cover Type,Type,CO2,CO,CH4,NOx as NO,SO2,PM2.5,PM10,NH3\n";
const std::string kGroup1 = "1,Grass,STFS,1,2,3,4,5,6,7,-1\n";
constexpr std::array<int, 7> kFaults = {-2, -3, -4, -5, -7, -8, -9};

struct Loaded {
  int result;
  std::string message;
};

Loaded Load(const TempFolder& temp, c_NES& table, const std::string& text) {
  Loaded loaded{0, "left over"};
  loaded.result = table.LoadFile(temp.Write("Emission_Factors.csv", text).string(), loaded.message);
  return loaded;
}

struct Factor {
  int result;
  float value;
  std::string cover, heading, code;
};

Factor GetFactor(const c_NES& table, const std::string& group, int component) {
  Factor f{0, 0, "x", "x", "x"};
  f.result = table.Get_Factor(group, component, f.cover, f.value, f.heading, f.code);
  return f;
}

TEST(EmissionFactorsTest, ShippedFileLoadsWithFactorsInEngineOrder) {
  c_NES table;
  std::string message;
  ASSERT_EQ(table.LoadFile(std::string(SYLVANOR_DATA_DIR) + "/Emission_Factors.csv", message), 1)
      << message;
  EXPECT_EQ(table.GroupCount(), 6);
  std::array<float, 7> f{};
  ASSERT_EQ(table.Get_MajFactor("3", f[0], f[1], f[2], f[3], f[4], f[5], f[6]), 1);
  const std::array<float, 7> expected = {6.52f, 1778.01f, 0.796f, 2.604f, 3.07272f, 3.2f, 1.0f};
  for (std::size_t i = 0; i < f.size(); ++i)
    EXPECT_FLOAT_EQ(f[i], expected[i]) << i;
  EXPECT_EQ(table.Get_MajFactor("5", f[0], f[1], f[2], f[3], f[4], f[5], f[6]), 0);
  EXPECT_EQ(GetFactor(table, "2", 4).heading, "Nitrogen oxides, as NO");
  EXPECT_FLOAT_EQ(table.Get_CriFirInt(), 15.0f);
}

TEST(EmissionFactorsTest, HeaderRowsPairHeadingsWithCodes) {
  TempFolder temp;
  c_NES table;
  // quotes and tabs become blanks, empty fields are skipped, header words
  // are compared without case, a byte order mark is ignored
  const Loaded loaded = Load(temp, table,
                             "\xEF\xBB\xBF ## ,UNITS:G/KG,,,CO2 name,\"CO, carbon\"\t,,CH4 name\r\n"
                             "GROUP # ,\t# cover type,type,\"co2\",co,,ch4,\"NOx, as NO\"\r\n"
                             "1, Grass ,STFS,10,20,30,40\r\n");
  EXPECT_EQ(loaded.result, -5);  // the fourth code is not "NOx as NO"
  EXPECT_EQ(table.ComponentCount(), 4);
  const Factor co = GetFactor(table, "1", 2);
  EXPECT_EQ(co.result, 1);
  EXPECT_EQ(co.cover, "Grass");
  EXPECT_FLOAT_EQ(co.value, 20.0f);
  EXPECT_EQ(co.heading, "CO, carbon");
  EXPECT_EQ(co.code, "co");
  EXPECT_EQ(GetFactor(table, "1", 4).heading, "");  // a code without a heading
  EXPECT_EQ(GetFactor(table, "1", 4).code, "NOx, as NO");
}

TEST(EmissionFactorsTest, ComponentOrderCheck) {
  TempFolder temp;
  c_NES table;
  const std::array<std::string, 7> codes = {"CO2", "CO",    "CH4", "NOx as NO",
                                            "SO2", "PM2.5", "PM10"};
  for (std::size_t k = 0; k < codes.size(); ++k) {
    std::string row2 = "Group #,# Cover Type,Type", row1 = "1,G,STFS", empty = "1,G,STFS";
    for (std::size_t i = 0; i < codes.size(); ++i) {
      row2 += "," + (i == k ? std::string("NH3") : codes[i]);
      row1 += "," + (i == k ? std::string("-1") : "1");
      empty += "," + (i == k ? std::string() : "1");
    }
    const Loaded wrong = Load(temp, table, kHeadings + row2 + "\n" + kGroup1);
    EXPECT_EQ(wrong.result, kFaults[k]) << codes[k];
    EXPECT_EQ(wrong.message, "Emission File Component(s) is not in expected order.\n" +
                                 (temp.path() / "Emission_Factors.csv").string());
    EXPECT_EQ(Load(temp, table, kHeadings + kCodes + row1 + "\n").result, kFaults[k]);
    EXPECT_EQ(Load(temp, table, kHeadings + kCodes + empty + "\n").result, kFaults[k]);
  }
  // the eighth factor may be missing, a zero is a figure, codes ignore case
  EXPECT_EQ(Load(temp, table, kHeadings + kCodes + "1,G,STFS,1,2,3,0,5,6,7,\n").result, 1);
  EXPECT_EQ(Load(temp, table,
                 kHeadings + "Group #,# Cover Type,Type,co2,Co,ch4,NOX AS NO,so2," +
                     "pm2.5,pm10\n" + kGroup1)
                .result,
            1);
  // without group "1" the table keeps what was read
  EXPECT_EQ(Load(temp, table, kHeadings + kCodes + "2,Forest,STFS,1,2,3,4,5,6,7\n").result, -1);
  std::array<float, 7> f{};
  ASSERT_EQ(table.Get_MajFactor("2", f[0], f[1], f[2], f[3], f[4], f[5], f[6]), 1);
  EXPECT_EQ(f, (std::array<float, 7>{2, 1, 3, 6, 7, 4, 5}));
}

TEST(EmissionFactorsTest, BadHeaderRowsAndMissingFile) {
  TempFolder temp;
  c_NES table;
  for (const std::string& text :
       {std::string(""), "##\n" + kCodes + kGroup1, "#,units:g/kg\n" + kCodes + kGroup1,
        kHeadings + "Group #,# Cover Type\n" + kGroup1, kCodes + kHeadings + kGroup1}) {
    const Loaded loaded = Load(temp, table, text);
    EXPECT_EQ(loaded.result, 0);
    EXPECT_EQ(loaded.message,
              "Input Emission File has invalid format. \n Look at a previous file that had a "
              "valid format\n");
    EXPECT_EQ(table.GroupCount(), 0);
  }
  std::string message;
  const std::string missing = (temp.path() / "none.csv").string();
  EXPECT_EQ(table.LoadFile(missing, message), 0);
  EXPECT_EQ(message, "Error opening or can't find input emission file: " + missing + " \n");
}

TEST(EmissionFactorsTest, GroupRowsKindsMarksAndFactors) {
  TempFolder temp;
  c_NES table;
  ASSERT_EQ(
      Load(temp, table,
           kHeadings + kCodes + kGroup1 +
               "3,Forest flaming,stfs,1\n8,Duff,DUFFRSC,1\n7,Logs,CwdRsc,1\n33,Other,Pile,1\n")
          .result,
      1);
  const std::array<int, 6> kinds = {1, 1, 2, 3, -1, -1}, marks = {0, 1, 2, 3, 0, 0};
  const std::array<std::string, 6> groups = {"1", "3", "8", "7", "33", ""};
  for (int row = 0; row < 6; ++row) {
    std::string group, cover;
    int mark = -5;
    EXPECT_EQ(table.GetGrpCov(row, group, cover, mark), kinds[row]) << row;
    EXPECT_EQ(group, groups[row]);
    EXPECT_EQ(mark, marks[row]);
  }
  const Factor missing = GetFactor(table, "1", 8);
  EXPECT_EQ(missing.result, 0);
  EXPECT_EQ(missing.cover, "Grass");
  EXPECT_FLOAT_EQ(missing.value, -1.0f);
  EXPECT_EQ(missing.code, "");
  EXPECT_EQ(GetFactor(table, "8", 2).result, 0);  // past the row's end
  EXPECT_EQ(GetFactor(table, "3 ", 1).result, -1);
  EXPECT_EQ(GetFactor(table, "", 1).result, -1);
}

TEST(EmissionFactorsTest, GroupRowsEndAtEmptyLineOrLeadingComma) {
  TempFolder temp;
  c_NES table;
  const std::string rows = kHeadings + kCodes + kGroup1 + "  \t \r\n2,A,STFS,1\r\n";
  EXPECT_EQ(Load(temp, table, rows + "\r\n3,B,STFS,1\n").result, 1);
  EXPECT_EQ(table.GroupCount(), 2);  // the blank line is skipped, the empty one ends
  EXPECT_EQ(Load(temp, table, rows + ",B,STFS,1\n4,C,STFS,1\n").result, 1);
  EXPECT_EQ(table.GroupCount(), 2);
}

TEST(EmissionFactorsTest, RowsAndColumnsPastTheLimitsAreIgnored) {
  TempFolder temp;
  c_NES table;
  std::string codes = "Group #,# Cover Type,Type,CO2,CO,CH4,NOx as NO,SO2,PM2.5,PM10";
  std::string rows = "1,G,STFS,1,2,3,4,5,6,7";
  for (int i = 8; i <= 410; ++i) {
    codes += ",C" + std::to_string(i);
    rows += "," + std::to_string(i);
  }
  for (int i = 2; i <= 60; ++i)
    rows += "\n" + std::to_string(i) + ",G,STFS,1";
  ASSERT_EQ(Load(temp, table, kHeadings + codes + "\n" + rows).result, 1);
  EXPECT_EQ(table.GroupCount(), 50);
  EXPECT_EQ(table.ComponentCount(), 300);
  EXPECT_EQ(GetFactor(table, "1", 300).code, "C300");
  EXPECT_FLOAT_EQ(GetFactor(table, "1", 400).value, 400.0f);
  EXPECT_EQ(GetFactor(table, "1", 401).result, 0);
}

TEST(EmissionFactorsTest, FileIsFoundThroughQorvelData) {
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
}

}  // namespace

}  // namespace sylvanor
