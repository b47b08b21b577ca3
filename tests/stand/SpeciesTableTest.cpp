#include "stand/SpeciesTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>

#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

using namespace std::string_literals;

// the codes of a species row from the conifer/hardwood code on
const std::string kDF = "C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME\n";
const std::string kPP = "C,Yes,PP,PP,PP,PP,PP,PP,PP,PP,15,I00FW2W122,";
const std::string kPsme = "6,PSME,Douglas Fir," + kDF;

// A user folder holding the shipped mortality species file.
class SpeciesTableTest : public ::testing::Test {
 protected:
  int LoadSpecies(const std::string& speciesFile) {
    if (!speciesFile.empty()) temp_.Write("species.csv", speciesFile);
    return ET_Setup(table_, message_, path_);
  }
  std::string Advice() const {
    return "\n This problem may result in bogus output values.\n\n"
           "Please correct the error shown and look for other invalid\n"
           "codes in the species file and then restart the program or\n"
           "click the 'Calculate' button to recheck the file\n " +
           path_ + " \n";
  }
  std::pair<int, std::string> Item(int row, const char* item) {
    std::string text = "stale";
    const int result =
        table_.Rows.empty() ? ESD_GetItem(row, item, text) : ET_GetItem(table_, row, item, text);
    return {result, text};
  }

  TempFolder temp_;
  const std::string path_ = UserSpeciesPath(temp_);
  d_ETTable table_;
  std::string message_;
};

TEST_F(SpeciesTableTest, BuiltInTableWhenThereIsNoSpeciesFile) {
  // of the built-in rows: items named without case, unknown ones empty
  const std::tuple<int, const char*, int, std::string> esd[] = {
      {5, "orderNUMBER", 1, " 6.0"}, {3, "Colour", 1, ""}, {-1, "Species", 0, ""}};
  for (const auto& [row, item, result, text] : esd)
    EXPECT_EQ(Item(row, item), std::pair(result, text)) << row << " " << item;

  ASSERT_EQ(LoadSpecies(""), 1) << message_;
  EXPECT_EQ(std::tuple(message_, table_.Rows.size(), Item(0, "Source")),
            std::tuple(""s, 55u, std::pair(0, "Internal"s)));
  for (const d_ET& et : table_.Rows)  // hardwoods are left out of canopy bulk density
    EXPECT_EQ(et.Include.str(), et.HarCon.str() == "H" ? "No" : "Yes") << et.Species.str();
  EXPECT_EQ(std::tuple(ET_Idx(table_, "ALRU2"), ET_Idx(table_, "pipo"), ET_Idx(table_, "PIAR5"),
                       ET_Idx(table_, "PIRU"), ET_Idx(table_, "NOPE")),
            std::tuple(0, 25, 26, 54, -1));
}

TEST_F(SpeciesTableTest, SpeciesFileEndsAtAnEmptySpeciesAndLongTextsAreCut) {
  ASSERT_EQ(LoadSpecies("# my species\n" + kPsme + "26,PIPO,Ponderosa Pine," + kPP + "PIPO\n27,,," +
                        kPP + "PIPO\n28,PILA,Sugar Pine," + kPP + "PILA\n"),
            1)
      << message_;
  ASSERT_EQ(table_.Rows.size(), 2u);
  const std::tuple<int, const char*, int, std::string> rows[] = {
      {0, "source", 1, path_}, {1, "OrderNumber", 1, "26.0"},
      {0, "Twig", 1, "DF"},    {1, "Species", 1, "PIPO"},
      {2, "Species", 0, ""},   {1, "Colour", -1, "Bullshit Request Colour"}};
  for (const auto& [row, item, result, text] : rows)
    EXPECT_EQ(Item(row, item), std::pair(result, text)) << row << " " << item;

  std::filesystem::remove(path_);
  temp_.Write("SPECIES.CSV", "1,PSME," + std::string(300, 'n') + "," + kDF);
  ASSERT_EQ(LoadSpecies(""), 1) << message_;  // the name is found without regard to case
  EXPECT_EQ(std::tuple(table_.Rows.size(), table_.Rows[0].CommonName.size()), std::tuple(1u, 149u));
}

// A row of kDF's fields with one replaced; a failing row is reported after
// the rows before it, and the table stays as loaded.
TEST_F(SpeciesTableTest, EachCheckHasItsMessage) {
  const std::tuple<int, const char*, std::string> rows[] = {
      {0, "h", ""},
      {1, "yes", ""},
      {0, "X", "Invalid/Missing Conifer/Hardwood Code.  Species: A, Code: X"},
      {1, "Yep", "Invalid/Missing Include CBD Code.  Species: A, Code: Yep"},
      {8, "XX", "Invalid/Missing 'VD' biomass equation code, Species: A, Code: XX"},
      {9, "QQ", "Invalid/Missing crown reduction code. Species: A, Code: QQ"},
      {10, "38", "Invalid/Missing crown cover code. Species: A, Code: 38"},
      {11, "I00FW2W555", "Invalid/Missing Volume Eq Code. Species: A, Code: I00FW2W555"},
      {3, "ZZ", "Invalid/Missing 'Foliage' biomass equation code, Species: A, Code: ZZ"},
  };
  for (const auto& [field, code, message] : rows) {
    std::string row = kDF;
    std::size_t at = 0;
    for (int i = 0; i < field; ++i)
      at = row.find(',', at) + 1;
    row.replace(at, row.find(',', at) - at, code);
    EXPECT_EQ(LoadSpecies(kPsme + "1,A,a," + row), message.empty() ? 1 : 0) << row;
    EXPECT_EQ(message_, message.empty() ? "" : message + Advice()) << row;
    EXPECT_EQ(table_.Rows.size(), 2u) << row;
  }
  // the bad entry of the last row is left unlinked
  const d_ETCom& foliage = table_.Rows[1].Components[kFoliage];
  EXPECT_EQ(std::tuple(foliage.EqIdx, foliage.Kind.str()), std::tuple(-1, ""s));
}

TEST_F(SpeciesTableTest, MortalityFileDecidesTheMortalityCodes) {
  // a code needs a record of the file or its default
  temp_.Write("qor_Spp.csv", "1,PSME,Douglas-fir,x,1,36,0,0,0,0,0\n");
  EXPECT_EQ(LoadSpecies(kPsme), 1) << message_;
  EXPECT_EQ(LoadSpecies(kPsme + "26,PIPO,Ponderosa Pine," + kPP + "pipo\n"), 0);
  EXPECT_EQ(message_,
            "Invalid/Missing Qorvel Mortality Species Equation Code. Species: PIPO, Code: pipo\n" +
                Advice());
  std::filesystem::remove(temp_.path() / "qor_Spp.csv");
  std::filesystem::remove(path_);
  EXPECT_EQ(LoadSpecies(""), 0);
  EXPECT_EQ(message_,
            "Error try to open/load Qorvel species file.\n"
            "Can't Open Input Qorvel Mortality Species Equation File:\n " +
                (temp_.path() / "qor_Spp.csv").string() +
                " \nCheck path and file name.\n"
                "\n\nError encountered while attempting to validate equations "
                "codes\n in File: " +
                path_ + "\n");
  EXPECT_EQ(table_.Rows.size(), 55u);  // the built-in table is loaded all the same
}

}  // namespace

}  // namespace sylvanor
