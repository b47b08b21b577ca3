#include "stand/MortalitySpecies.h"

#include <gtest/gtest.h>

#include <tuple>

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

std::string Text(const d_MortSpe& r) {
  std::string text = r.Species.str() + "|" + r.CommonName.str() + "|" + r.SciName.str() + "|" +
                     r.EqCode.str() + "|" + std::to_string(r.BarkNum);
  for (int p : r.Param)
    text += " " + std::to_string(p);
  return text;
}

// Comments, blank lines, lines of fewer than 11 fields and lines without a
// code are skipped; fields are trimmed, texts cut to their field, whole
// numbers read leniently, a long line is one record; a thousand at most.
TEST(MortalitySpeciesTest, ReadsRecordsAndSkipsWhatIsNotOne) {
  TempFolder temp;
  const std::string line99 =
      "6,PIPO,ponderosa pine,Pinus ponderosa" + std::string(47, ' ') + ",1,36,0,0,0,0,0";
  const std::string text =
      "# comment line\r\n\r\n   \n  # indented comment\n"
      "1,PSME,Douglas-fir,Pseudotsuga menziesii,1,36,0,0,0,0,0\r\n"
      "2,SHORT,only,ten,fields,1,2,3,4,5\n3,,empty code,x,1,36,0,0,0,0,0\n"
      "4,  ,blank code,x,1,36,0,0,0,0,0\n"
      "  5 , ABGR , grand fir ,Abies grandis, 10 ,25, 1,2,3,4,5,extra\n" +
      line99 + "\n7,PICO," + std::string(250, 'n') +
      ",Pinus contorta,1,7,0,0,0,0,0\n8,A,a,a,1,12abc,-3,+4,x,,7.9\n";
  const std::string expected[] = {"PSME|Douglas-fir|Pseudotsuga menziesii|1|36 0 0 0 0 0",
                                  "ABGR|grand fir|Abies grandis|10|25 1 2 3 4 5",
                                  "PIPO|ponderosa pine|Pinus ponderosa|1|36 0 0 0 0 0",
                                  "PICO|" + std::string(199, 'n') + "|Pinus contorta|1|7 0 0 0 0 0",
                                  "A|a|a|1|12 -3 4 0 0 7"};
  ASSERT_EQ(line99.size(), 99u);
  const MortalityTable table = Load(temp.Write("qor_Spp.csv", text).string());
  ASSERT_EQ(table.size(), std::size(expected));
  for (std::size_t i = 0; i < table.size(); ++i)
    EXPECT_EQ(Text(table[i]), expected[i]) << "record " << i;
  std::string many;
  for (int i = 0; i < 1005; ++i)
    many += "0,S" + std::to_string(i) + ",n,n,1,1,0,0,0,0,0\n";
  const MortalityTable thousand = Load(temp.Write("many.csv", many).string());
  ASSERT_EQ(thousand.size(), 1000u);
  EXPECT_EQ(thousand.back().Species, "S999");
}

// The message of a file that is not there is the species table's to check.
TEST(MortalitySpeciesTest, FileIsFoundWithoutRegardToCase) {
  TempFolder temp;
  temp.Write("QOR_SPP.CSV", "1,PSME,a,b,1,36,0,0,0,0,0\n");
  EXPECT_EQ(Load((temp.path() / "qor_Spp.csv").string()).size(), 1u);
}

// A whole number below 100 is crown scorch, from 100 on bole char, anything
// else crown and cambium; too long for an int, its sign decides.
TEST(MortalitySpeciesTest, EquationTypeFollowsTheCode) {
  const std::pair<const char*, const char*> rows[] = {
      {"1", "CRNSCH"},   {" 99 ", "CRNSCH"},       {"-5", "CRNSCH"},
      {"100", "BOLCHR"}, {"1.5", "CRCABE"},        {"A", "CRCABE"},
      {"", "CRCABE"},    {"9999999999", "BOLCHR"}, {"-9999999999", "CRNSCH"}};
  for (const auto& [code, type] : rows)
    EXPECT_EQ(MRT_EqType(code), type) << '"' << code << '"';
}

// Codes compare exactly; a species without records of its own takes a final
// "*InvSpe*" record, one with records never borrows its equation.
TEST(MortalitySpeciesTest, SpeciesCheckComparesExactlyAndFallsBackToTheDefault) {
  MortalityTable table(4);
  const char* records[][2] = {{"PSME", "200"}, {"PSME", "3"}, {"ABGR", "150"}, {"*InvSpe*", "1"}};
  for (std::size_t i = 0; i < table.size(); ++i) {
    table[i].Species = records[i][0];
    table[i].EqCode = records[i][1];
  }
  const std::tuple<const char*, const char*, bool, bool> rows[] = {
      // species, type, passes without and with the default record
      {"PSME", "CRNSCH", true, true},  {"PSME", "BOLCHR", true, true},
      {"psme", "CRNSCH", false, true}, {"ABGR", "CRNSCH", false, false},
      {"PIPO", "CRNSCH", false, true}, {"PIPO", "BOLCHR", false, false}};
  const MortalityTable own(table.begin(), table.end() - 1);
  for (const auto& [species, type, without, with] : rows) {
    EXPECT_EQ(MRT_SpeciesCheck(own, species, type), without) << species << " " << type;
    EXPECT_EQ(MRT_SpeciesCheck(table, species, type), with) << species << " " << type;
  }
  EXPECT_EQ(MRT_SpeciesRecord(own, "PIPO"), nullptr);
  EXPECT_EQ(MRT_SpeciesRecord(table, "PIPO"), &table.back());
  EXPECT_EQ(MRT_SpeciesRecord(table, "PSME"), &table[0]);
}

// Every mortality code of the built-in species table has a crown-scorch
// record of its own (equation "1"), not only the final default.
TEST(MortalitySpeciesTest, ShippedFileHasARecordForEveryBuiltInCode) {
  const MortalityTable table = Load(std::string(SYLVANOR_DATA_DIR) + "/qor_Spp.csv");
  ASSERT_FALSE(table.empty());
  EXPECT_EQ(table.back().Species, "*InvSpe*");
  const MortalityTable own(table.begin(), table.end() - 1);
  for (const d_BuiltInSpecies& row : kBuiltInSpecies) {
    const d_MortSpe* record = MRT_SpeciesRecord(own, row.Mortality);
    EXPECT_TRUE(record != nullptr && record->EqCode == "1") << row.Mortality;
  }
}

}  // namespace

}  // namespace sylvanor
