#include "stand/MortalitySpecies.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

MortalityTable Load(const TempFolder& temp, const std::string& text) {
  MortalityTable table;
  std::string message = "left over";
  EXPECT_EQ(MRT_LoadSpeFile(temp.Write("qor_Spp.csv", text).string(), table, message), 1);
  return table;
}

TEST(MortalitySpeciesTest, ReadsRecordsAndSkipsWhatIsNotOne) {
  TempFolder temp;
  const MortalityTable table =
      Load(temp,
           "# comment line\r\n"
           "\r\n"
           "   \n"
           "  # indented comment\n"
           "1,PSME,Douglas-fir,Pseudotsuga menziesii,1,36,0,0,0,0,0\r\n"
           "2,SHORT,only,ten,fields,1,2,3,4,5\n"
           "3,,empty code,x,1,36,0,0,0,0,0\n"
           "4,  ,blank code,x,1,36,0,0,0,0,0\n"
           "  5 , ABGR , grand fir ,Abies grandis, 10 ,25, 1,2,3,4,5,extra\n");
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0].Species, "PSME");
  EXPECT_EQ(table[0].CommonName, "Douglas-fir");
  EXPECT_EQ(table[0].SciName, "Pseudotsuga menziesii");
  EXPECT_EQ(table[0].EqCode, "1");
  EXPECT_EQ(table[0].BarkNum, 36);
  EXPECT_EQ(table[1].Species, "ABGR");
  EXPECT_EQ(table[1].CommonName, "grand fir");
  EXPECT_EQ(table[1].EqCode, "10");
  EXPECT_EQ(table[1].BarkNum, 25);
  EXPECT_EQ(table[1].Param, (std::array<int, 5>{1, 2, 3, 4, 5}));
}

TEST(MortalitySpeciesTest, LongLinesAreReadWholeAndTextsCutToTheirFields) {
  TempFolder temp;
  const std::string line99 =
      "1,PIPO,ponderosa pine,Pinus ponderosa" + std::string(47, ' ') + ",1,36,0,0,0,0,0";
  ASSERT_EQ(line99.size(), 99u);
  const std::string longName(250, 'n');
  const MortalityTable table =
      Load(temp, line99 + "\n2,PICO," + longName + ",Pinus contorta,1,7,0,0,0,0,0\n");
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0].Species, "PIPO");
  EXPECT_EQ(table[0].SciName, "Pinus ponderosa");
  EXPECT_EQ(table[0].BarkNum, 36);
  // a 280-character line is one record; its tail does not start another
  EXPECT_EQ(table[1].Species, "PICO");
  EXPECT_EQ(table[1].CommonName.size(), 199u);
  EXPECT_EQ(table[1].BarkNum, 7);
}

TEST(MortalitySpeciesTest, WholeNumberFieldsAreReadLeniently) {
  TempFolder temp;
  const MortalityTable table = Load(temp, "1,A,a,a,1,12abc,-3,+4,x,,7.9\n");
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].BarkNum, 12);
  EXPECT_EQ(table[0].Param, (std::array<int, 5>{-3, 4, 0, 0, 7}));
}

TEST(MortalitySpeciesTest, AtMostAThousandRecordsAreKept) {
  TempFolder temp;
  std::string text;
  for (int i = 0; i < 1005; ++i)
    text += "0,S" + std::to_string(i) + ",n,n,1,1,0,0,0,0,0\n";
  const MortalityTable table = Load(temp, text);
  ASSERT_EQ(table.size(), 1000u);
  EXPECT_EQ(table.back().Species, "S999");
}

TEST(MortalitySpeciesTest, FileNameIsFoundWithoutRegardToCase) {
  TempFolder temp;
  temp.Write("QOR_SPP.CSV", "1,PSME,a,b,1,36,0,0,0,0,0\n");
  MortalityTable table;
  std::string message;
  EXPECT_EQ(MRT_LoadSpeFile((temp.path() / "qor_Spp.csv").string(), table, message), 1);
  EXPECT_EQ(table.size(), 1u);
}

TEST(MortalitySpeciesTest, MissingFileIsReported) {
  MortalityTable table(3);
  std::string message;
  EXPECT_EQ(MRT_LoadSpeFile("/no/such/folder/qor_Spp.csv", table, message), 0);
  EXPECT_EQ(message,
            "Can't Open Input Qorvel Mortality Species Equation File:\n"
            " /no/such/folder/qor_Spp.csv \nCheck path and file name.");
  EXPECT_TRUE(table.empty());
}

TEST(MortalitySpeciesTest, EquationTypeFollowsTheCode) {
  EXPECT_EQ(MRT_EqType("1"), "CRNSCH");
  EXPECT_EQ(MRT_EqType(" 99 "), "CRNSCH");
  EXPECT_EQ(MRT_EqType("-5"), "CRNSCH");
  EXPECT_EQ(MRT_EqType("100"), "BOLCHR");
  EXPECT_EQ(MRT_EqType("123456789012345"), "BOLCHR");
  EXPECT_EQ(MRT_EqType("-123456789012345"), "CRNSCH");
  EXPECT_EQ(MRT_EqType("1.5"), "CRCABE");
  EXPECT_EQ(MRT_EqType("A"), "CRCABE");
  EXPECT_EQ(MRT_EqType(""), "CRCABE");
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

  table.push_back(Record("*InvSpe*", "1"));
  EXPECT_TRUE(MRT_SpeciesCheck(table, "PIPO", "CRNSCH"));
  EXPECT_TRUE(MRT_SpeciesCheck(table, "psme", "CRNSCH"));
  // a species with records of its own does not borrow the default's equation
  EXPECT_FALSE(MRT_SpeciesCheck(table, "ABGR", "CRNSCH"));
  EXPECT_FALSE(MRT_SpeciesCheck(table, "PIPO", "BOLCHR"));
  EXPECT_EQ(MRT_SpeciesRecord(table, "PIPO"), &table.back());
  EXPECT_EQ(MRT_SpeciesRecord(table, "PSME"), &table[0]);
}

// The mortality codes of the built-in species table.
constexpr std::array<std::string_view, 50> kBuiltInMortalityCodes = {
    "ALRU2", "ALRH2", "CHNO", "LIDE",  "THPL",  "PSME",  "ABGR",  "ABPR",  "ABAM",  "ABLA",
    "ABCO",  "TSME",  "TSHE", "JUOC",  "LALY",  "LAOC",  "ARME",  "ACMA3", "ACSP2", "LIDEE",
    "PIJE",  "PIFL2", "PICO", "PIPO",  "PILA",  "PIMO3", "PIAL",  "SESE3", "SEGI2", "PIPU",
    "PIEN",  "PISI",  "PIGL", "TABR2", "POTR5", "BEPA",  "BEAL2", "CHTH2", "ABBA",  "TSCA",
    "ACRU",  "ACSA3", "QUKE", "CACHM", "QURU",  "PIST",  "PITA",  "PIRI",  "PIMA",  "PIRU",
};

TEST(MortalitySpeciesTest, ShippedFileHasARecordForEveryBuiltInCode) {
  MortalityTable table;
  std::string message;
  ASSERT_EQ(MRT_LoadSpeFile(std::string(SYLVANOR_DATA_DIR) + "/qor_Spp.csv", table, message), 1)
      << message;
  ASSERT_EQ(table.size(), kBuiltInMortalityCodes.size() + 1);
  EXPECT_EQ(table.back().Species, "*InvSpe*");
  EXPECT_EQ(table.back().BarkNum, 19);
  const MortalityTable withoutDefault(table.begin(), table.end() - 1);
  for (std::string_view code : kBuiltInMortalityCodes) {
    // passes on a record of its own, not only through the default
    EXPECT_TRUE(MRT_SpeciesCheck(withoutDefault, code, "CRNSCH")) << code;
    const d_MortSpe* record = MRT_SpeciesRecord(table, code);
    ASSERT_NE(record, nullptr) << code;
    EXPECT_EQ(record->EqCode, "1") << code;
  }
  EXPECT_EQ(MRT_SpeciesRecord(table, "PSME")->BarkNum, 36);
  EXPECT_EQ(MRT_SpeciesRecord(table, "ABGR")->BarkNum, 25);
  EXPECT_EQ(MRT_SpeciesRecord(table, "PICO")->BarkNum, 7);
  EXPECT_EQ(MRT_SpeciesRecord(table, "SEGI2")->BarkNum, 39);
}

}  // namespace

}  // namespace sylvanor
