#include "stand/MortalitySpecies.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "stand/BuiltInSpecies.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

MortalityTable Load(const std::string& path) {
  MortalityTable table(3);  // left over: emptied first
  std::string message;
  EXPECT_EQ(MRT_LoadSpeFile(path, table, message), 1) << message;
  return table;
}

// Comments, blank lines, lines of fewer than 11 fields and lines without a
// code are skipped; fields are trimmed, texts cut to their field, whole
// numbers read leniently, and a long line is one record.
TEST(MortalitySpeciesTest, ReadsRecordsAndSkipsWhatIsNotOne) {
  TempFolder temp;
  const std::string line99 =
      "6,PIPO,ponderosa pine,Pinus ponderosa" + std::string(47, ' ') + ",1,36,0,0,0,0,0";
  ASSERT_EQ(line99.size(), 99u);
  const MortalityTable table =
      Load(temp.Write("qor_Spp.csv",
                      "# comment line\r\n\r\n   \n  # indented comment\n"
                      "1,PSME,Douglas-fir,Pseudotsuga menziesii,1,36,0,0,0,0,0\r\n"
                      "2,SHORT,only,ten,fields,1,2,3,4,5\n"
                      "3,,empty code,x,1,36,0,0,0,0,0\n"
                      "4,  ,blank code,x,1,36,0,0,0,0,0\n"
                      "  5 , ABGR , grand fir ,Abies grandis, 10 ,25, 1,2,3,4,5,extra\n" +
                          line99 + "\n7,PICO," + std::string(250, 'n') +
                          ",Pinus contorta,1,7,0,0,0,0,0\n8,A,a,a,1,12abc,-3,+4,x,,7.9\n")
               .string());
  ASSERT_EQ(table.size(), 5u);
  EXPECT_EQ(table[0].SciName, "Pseudotsuga menziesii");
  EXPECT_EQ(table[1].Species, "ABGR");
  EXPECT_EQ(table[1].CommonName, "grand fir");
  EXPECT_EQ(table[1].EqCode, "10");
  EXPECT_EQ(table[1].BarkNum, 25);
  EXPECT_EQ(table[1].Param, (std::array<int, 5>{1, 2, 3, 4, 5}));
  EXPECT_EQ(table[2].SciName, "Pinus ponderosa");
  EXPECT_EQ(table[3].Species, "PICO");  // 280 characters; the tail starts no record
  EXPECT_EQ(table[3].CommonName.size(), 199u);
  EXPECT_EQ(table[3].BarkNum, 7);
  EXPECT_EQ(table[4].BarkNum, 12);
  EXPECT_EQ(table[4].Param, (std::array<int, 5>{-3, 4, 0, 0, 7}));

  // at most a thousand records are kept
  std::string text;
  for (int i = 0; i < 1005; ++i)
    text += "0,S" + std::to_string(i) + ",n,n,1,1,0,0,0,0,0\n";
  const MortalityTable many = Load(temp.Write("many.csv", text).string());
  ASSERT_EQ(many.size(), 1000u);
  EXPECT_EQ(many.back().Species, "S999");
}

TEST(MortalitySpeciesTest, FileIsFoundWithoutRegardToCaseOrReported) {
  TempFolder temp;
  temp.Write("QOR_SPP.CSV", "1,PSME,a,b,1,36,0,0,0,0,0\n");
  EXPECT_EQ(Load((temp.path() / "qor_Spp.csv").string()).size(), 1u);
  MortalityTable table(3);
  std::string message;
  EXPECT_EQ(MRT_LoadSpeFile("/no/such/folder/qor_Spp.csv", table, message), 0);
  EXPECT_EQ(message,
            "Can't Open Input Qorvel Mortality Species Equation File:\n"
            " /no/such/folder/qor_Spp.csv \nCheck path and file name.");
  EXPECT_TRUE(table.empty());
}

// A whole number below 100 is crown scorch, from 100 on bole char, anything
// else crown and cambium; too long for an int, its sign decides.
TEST(MortalitySpeciesTest, EquationTypeFollowsTheCode) {
  const std::pair<std::string, const char*> rows[] = {{"1", "CRNSCH"},
                                                      {" 99 ", "CRNSCH"},
                                                      {"-5", "CRNSCH"},
                                                      {"100", "BOLCHR"},
                                                      {"1.5", "CRCABE"},
                                                      {"A", "CRCABE"},
                                                      {"", "CRCABE"},
                                                      {std::string(15, '9'), "BOLCHR"},
                                                      {"-" + std::string(15, '9'), "CRNSCH"}};
  for (const auto& [code, type] : rows)
    EXPECT_EQ(MRT_EqType(code), type) << '"' << code << '"';
}

d_MortSpe Record(const std::string& species, const std::string& eqCode) {
  d_MortSpe r;
  r.Species = species;
  r.EqCode = eqCode;
  return r;
}

TEST(MortalitySpeciesTest, SpeciesCheckComparesExactlyAndFallsBackToTheDefault) {
  MortalityTable table = {Record("PSME", "200"), Record("PSME", "3"), Record("ABGR", "150")};
  EXPECT_TRUE(MRT_SpeciesCheck(table, "PSME", "CRNSCH"));
  EXPECT_TRUE(MRT_SpeciesCheck(table, "PSME", "BOLCHR"));
  EXPECT_FALSE(MRT_SpeciesCheck(table, "psme", "CRNSCH"));
  EXPECT_FALSE(MRT_SpeciesCheck(table, "ABGR", "CRNSCH"));
  EXPECT_FALSE(MRT_SpeciesCheck(table, "PIPO", "CRNSCH"));
  EXPECT_EQ(MRT_SpeciesRecord(table, "PIPO"), nullptr);
  table.push_back(Record("*InvSpe*", "1"));
  EXPECT_TRUE(MRT_SpeciesCheck(table, "PIPO", "CRNSCH"));
  EXPECT_TRUE(MRT_SpeciesCheck(table, "psme", "CRNSCH"));
  // a species with records of its own does not borrow the default's equation
  EXPECT_FALSE(MRT_SpeciesCheck(table, "ABGR", "CRNSCH"));
  EXPECT_FALSE(MRT_SpeciesCheck(table, "PIPO", "BOLCHR"));
  EXPECT_EQ(MRT_SpeciesRecord(table, "PIPO"), &table.back());
  EXPECT_EQ(MRT_SpeciesRecord(table, "PSME"), &table[0]);
}

// One record of its own (not only through the default) with a crown-scorch
// equation for every mortality code of the built-in species table.
TEST(MortalitySpeciesTest, ShippedFileHasARecordForEveryBuiltInCode) {
  const MortalityTable table = Load(std::string(SYLVANOR_DATA_DIR) + "/qor_Spp.csv");
  ASSERT_FALSE(table.empty());
  EXPECT_EQ(table.back().Species, "*InvSpe*");
  EXPECT_EQ(table.back().BarkNum, 19);
  const MortalityTable own(table.begin(), table.end() - 1);
  std::set<std::string_view> codes;
  for (const d_BuiltInSpecies& row : kBuiltInSpecies) {
    codes.insert(row.Mortality);
    EXPECT_TRUE(MRT_SpeciesCheck(own, row.Mortality, "CRNSCH")) << row.Mortality;
    const d_MortSpe* record = MRT_SpeciesRecord(own, row.Mortality);
    EXPECT_TRUE(record != nullptr && record->EqCode == "1") << row.Mortality;
  }
  EXPECT_EQ(table.size(), codes.size() + 1);
  for (const auto& [code, bark] : {std::pair{"PSME", 36}, {"ABGR", 25}, {"PICO", 7}, {"SEGI2", 39}})
    EXPECT_EQ(MRT_SpeciesRecord(table, code)->BarkNum, bark) << code;
}

}  // namespace

}  // namespace sylvanor
