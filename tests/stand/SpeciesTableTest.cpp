#include "stand/SpeciesTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "stand/BuiltInSpecies.h"
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
  int Setup(const std::string& speciesFile) {
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

  TempFolder temp_;
  const std::string path_ = UserSpeciesPath(temp_);
  d_ETTable table_;
  std::string message_, text_;
};

TEST_F(SpeciesTableTest, BuiltInTableWhenThereIsNoSpeciesFile) {
  ASSERT_EQ(Setup(""), 1) << message_;
  EXPECT_EQ(message_, "");
  ASSERT_EQ(table_.Rows.size(), 55u);
  EXPECT_EQ(ET_GetItem(table_, 0, "Source", text_), 0);
  EXPECT_EQ(text_, "Internal");
  // every entry of every built-in species is linked to its equation
  for (const d_ET& et : table_.Rows) {
    for (const d_ETCom& com : et.Components) {
      EXPECT_EQ(com.Kind, "EFD") << et.Species.str() << " " << com.Component.str();
      EXPECT_GE(com.EqIdx, 0);
    }
  }
  EXPECT_EQ(std::tuple(ET_Idx(table_, "ALRU2"), ET_Idx(table_, "pipo"), ET_Idx(table_, "PIAR5"),
                       ET_Idx(table_, "PIRU"), ET_Idx(table_, "NOPE")),
            std::tuple(0, 25, 26, 54, -1));
}

TEST_F(SpeciesTableTest, SpeciesFileEndsAtAnEmptySpeciesAndLongTextsAreCut) {
  ASSERT_EQ(Setup("# my species\n" + kPsme + "26,PIPO,Ponderosa Pine," + kPP + "PIPO\n27,,," + kPP +
                  "PIPO\n28,PILA,Sugar Pine," + kPP + "PILA\n"),
            1)
      << message_;
  ASSERT_EQ(table_.Rows.size(), 2u);
  EXPECT_EQ(table_.Rows[1].Species, "PIPO");
  // (an item query of each kind, and of what is not there)
  EXPECT_EQ(ET_GetItem(table_, 0, "source", text_), 1);
  EXPECT_EQ(text_, path_);
  EXPECT_EQ(ET_GetItem(table_, 1, "OrderNumber", text_), 1);
  EXPECT_EQ(text_, "26.0");
  EXPECT_EQ(ET_GetItem(table_, 0, "Twig", text_), 1);
  EXPECT_EQ(text_, "DF");
  EXPECT_EQ(ET_GetItem(table_, 2, "Species", text_), 0);
  EXPECT_EQ(ET_GetItem(table_, 1, "Colour", text_), -1);
  EXPECT_EQ(text_, "Bullshit Request Colour");

  std::filesystem::remove(path_);
  temp_.Write("SPECIES.CSV", "1,PSME," + std::string(300, 'n') + "," + kDF);
  ASSERT_EQ(Setup(""), 1) << message_;  // the name is found without regard to case
  ASSERT_EQ(table_.Rows.size(), 1u);
  EXPECT_EQ(table_.Rows[0].CommonName.size(), 149u);
}

TEST_F(SpeciesTableTest, EachCheckHasItsMessage) {
  const std::string rows[][2] = {
      {"h,yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME", ""},
      {"X,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME",
       "Invalid/Missing Conifer/Hardwood Code.  Species: A, Code: X"},
      {"C,Yep,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME",
       "Invalid/Missing Include CBD Code.  Species: A, Code: Yep"},
      {"C,Yes,DF,DF,DF,DF,DF,DF,XX,DF,16,I00FW2W202,PSME",
       "Invalid/Missing 'VD' biomass equation code, Species: A, Code: XX"},
      {"C,Yes,DF,DF,DF,DF,DF,DF,DF,QQ,16,I00FW2W202,PSME",
       "Invalid/Missing crown reduction code. Species: A, Code: QQ"},
      {"C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,38,I00FW2W202,PSME",
       "Invalid/Missing crown cover code. Species: A, Code: 38"},
      {"C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W555,PSME",
       "Invalid/Missing Volume Eq Code. Species: A, Code: I00FW2W555"},
      {"C,Yes,DF,ZZ,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME",
       "Invalid/Missing 'Foliage' biomass equation code, Species: A, Code: ZZ"},
  };
  for (const auto& [row, message] : rows) {
    // the first row passes; a failing one is reported after the rows before it
    EXPECT_EQ(Setup(kPsme + "1,A,a," + row + "\n"), message.empty() ? 1 : 0) << row;
    EXPECT_EQ(message_, message.empty() ? "" : message + Advice()) << row;
    // the table stays as loaded
    EXPECT_EQ(table_.Rows.size(), 2u) << row;
  }
  // the bad entry of the last row is left unlinked
  const d_ETCom& foliage = table_.Rows[1].Components[kFoliage];
  EXPECT_EQ(std::tuple(foliage.EqIdx, foliage.Kind.str()), std::tuple(-1, ""s));
}

TEST_F(SpeciesTableTest, MortalityFileDecidesTheMortalityCodes) {
  // a code needs a record of the file or its default
  temp_.Write("qor_Spp.csv", "1,PSME,Douglas-fir,x,1,36,0,0,0,0,0\n");
  EXPECT_EQ(Setup(kPsme), 1) << message_;
  EXPECT_EQ(Setup(kPsme + "26,PIPO,Ponderosa Pine," + kPP + "pipo\n"), 0);
  EXPECT_EQ(message_,
            "Invalid/Missing Qorvel Mortality Species Equation Code. Species: PIPO, Code: pipo\n" +
                Advice());

  std::filesystem::remove(temp_.path() / "qor_Spp.csv");
  std::filesystem::remove(path_);
  EXPECT_EQ(Setup(""), 0);
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

TEST(SpeciesTableItems, BuiltInRows) {
  struct Row {
    int row;
    const char* item;
    int result;
    const char* text;
  };
  const Row rows[] = {
      {0, "Species", 1, "ALRU2"}, {5, "orderNUMBER", 1, " 6.0"}, {39, "Foliage", 1, "QA"},
      {39, "3InchPlus", 1, "BM"}, {54, "Mortality", 1, "PIRU"},  {3, "Colour", 1, ""},
      {55, "Species", 0, ""},     {-1, "Species", 0, ""},
  };
  for (const Row& r : rows) {
    std::string text = "stale";
    EXPECT_EQ(ESD_GetItem(r.row, r.item, text), r.result) << r.row << " " << r.item;
    EXPECT_EQ(text, r.text) << r.row << " " << r.item;
  }
}

}  // namespace

}  // namespace sylvanor
