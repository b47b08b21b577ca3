#include "stand/SpeciesTable.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "stand/BuiltInSpecies.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

namespace fs = std::filesystem;

const std::string kPsme = "6,PSME,Douglas Fir,C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME\n";
const std::string kPipo =
    "26,PIPO,Ponderosa Pine,C,Yes,PP,PP,PP,PP,PP,PP,PP,PP,15,I00FW2W122,PIPO\n";

// A user folder holding the shipped mortality species file.
class SpeciesTableTest : public ::testing::Test {
 protected:
  SpeciesTableTest() {
    fs::copy_file(fs::path(SYLVANOR_DATA_DIR) / "qor_Spp.csv", temp_.path() / "qor_Spp.csv");
  }
  std::string SpeciesFile(const std::string& text) {
    return temp_.Write("species.csv", text).string();
  }
  std::string Advice(const std::string& path) {
    return "\n This problem may result in bogus output values.\n\n"
           "Please correct the error shown and look for other invalid\n"
           "codes in the species file and then restart the program or\n"
           "click the 'Calculate' button to recheck the file\n " +
           path + " \n";
  }

  TempFolder temp_;
  std::string message_;
};

TEST_F(SpeciesTableTest, BuiltInTableWhenThereIsNoSpeciesFile) {
  const std::string path = (temp_.path() / "species.csv").string();
  ASSERT_EQ(ET_Setup(message_, path), 1) << message_;
  EXPECT_EQ(message_, "");
  ASSERT_EQ(s_ET().Rows.size(), 55u);
  EXPECT_EQ(s_ET().Rows[0].Species, "ALRU2");
  EXPECT_EQ(s_ET().Rows[54].Species, "PIRU");
  std::string text;
  EXPECT_EQ(ET_GetItem(0, "Source", text), 0);
  EXPECT_EQ(text, "Internal");
  // every entry of every built-in species is linked to its equation
  for (const d_ET& et : s_ET().Rows) {
    for (const d_ETCom& com : et.Components) {
      EXPECT_EQ(com.Kind, "EFD") << et.Species.str() << " " << com.Component.str();
      EXPECT_GE(com.EqIdx, 0);
    }
  }
  EXPECT_EQ(ET_Idx("pipo"), 25);
  EXPECT_EQ(ET_Idx("PIAR5"), 26);
  EXPECT_EQ(ET_Idx("NOPE"), -1);
}

TEST_F(SpeciesTableTest, SpeciesFileEndsAtAnEmptySpecies) {
  const std::string path =
      SpeciesFile("# my species\n" + kPsme + kPipo +
                  "27,,Nobody,C,Yes,PP,PP,PP,PP,PP,PP,PP,PP,15,I00FW2W122,PIPO\n" +
                  "28,PILA,Sugar Pine,C,Yes,PP,PP,PP,PP,PP,PP,PP,PP,13,400MATW117,PILA\n");
  ASSERT_EQ(ET_Setup(message_, path), 1) << message_;
  ASSERT_EQ(s_ET().Rows.size(), 2u);
  EXPECT_EQ(s_ET().Rows[1].Species, "PIPO");
  std::string text;
  EXPECT_EQ(ET_GetItem(0, "source", text), 1);
  EXPECT_EQ(text, path);
  EXPECT_EQ(ET_GetItem(1, "OrderNumber", text), 1);
  EXPECT_EQ(text, "26.0");
  EXPECT_EQ(ET_GetItem(0, "Twig", text), 1);
  EXPECT_EQ(text, "DF");
  EXPECT_EQ(ET_GetItem(2, "Species", text), 0);
  EXPECT_EQ(ET_GetItem(1, "Colour", text), -1);
  EXPECT_EQ(text, "Bullshit Request Colour");
}

TEST_F(SpeciesTableTest, SpeciesFileNameIsFoundWithoutRegardToCase) {
  temp_.Write("SPECIES.CSV", kPsme);
  ASSERT_EQ(ET_Setup(message_, (temp_.path() / "species.csv").string()), 1) << message_;
  EXPECT_EQ(s_ET().Rows.size(), 1u);
}

TEST_F(SpeciesTableTest, LongTextsAreCutToTheirFields) {
  const std::string name(300, 'n');
  ASSERT_EQ(ET_Setup(message_, SpeciesFile("1,PSME," + name +
                                           ",C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME\n")),
            1);
  EXPECT_EQ(s_ET().Rows[0].CommonName.size(), 149u);
}

TEST_F(SpeciesTableTest, BadBiomassCodeNamesComponentSpeciesAndCode) {
  const std::string path = SpeciesFile(kPsme +
                                       "26,PIPO,Ponderosa "
                                       "Pine,C,Yes,PP,ZZ,PP,PP,PP,PP,PP,PP,15,I00FW2W122,PIPO\n");
  EXPECT_EQ(ET_Setup(message_, path), 0);
  EXPECT_EQ(message_,
            "Invalid/Missing 'Foliage' biomass equation code, "
            "Species: PIPO, Code: ZZ" +
                Advice(path));
  // the table stays as loaded, the bad entry unlinked
  ASSERT_EQ(s_ET().Rows.size(), 2u);
  EXPECT_EQ(s_ET().Rows[1].Components[kFoliage].EqIdx, -1);
  EXPECT_EQ(s_ET().Rows[1].Components[kFoliage].Kind, "");
}

TEST_F(SpeciesTableTest, EachCheckHasItsMessage) {
  const auto check = [this](const std::string& row) {
    ET_Setup(message_, SpeciesFile(row));
    return message_.substr(0, message_.find('\n', message_.find("Code:")));
  };
  EXPECT_EQ(check("1,A,a,h,yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME\n"), "");
  EXPECT_EQ(check("1,A,a,X,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME\n"),
            "Invalid/Missing Conifer/Hardwood Code.  Species: A, Code: X");
  EXPECT_EQ(check("1,A,a,C,Yep,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W202,PSME\n"),
            "Invalid/Missing Include CBD Code.  Species: A, Code: Yep");
  EXPECT_EQ(check("1,A,a,C,Yes,DF,DF,DF,DF,DF,DF,XX,DF,16,I00FW2W202,PSME\n"),
            "Invalid/Missing 'VD' biomass equation code, Species: A, Code: XX");
  EXPECT_EQ(check("1,A,a,C,Yes,DF,DF,DF,DF,DF,DF,DF,QQ,16,I00FW2W202,PSME\n"),
            "Invalid/Missing crown reduction code. Species: A, Code: QQ");
  EXPECT_EQ(check("1,A,a,C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,38,I00FW2W202,PSME\n"),
            "Invalid/Missing crown cover code. Species: A, Code: 38");
  EXPECT_EQ(check("1,A,a,C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,I00FW2W555,PSME\n"),
            "Invalid/Missing Volume Eq Code. Species: A, Code: I00FW2W555");
}

TEST_F(SpeciesTableTest, MortalityCodeNeedsARecordOrTheDefault) {
  temp_.Write("qor_Spp.csv", "1,PSME,Douglas-fir,x,1,36,0,0,0,0,0\n");
  EXPECT_EQ(ET_Setup(message_, SpeciesFile(kPsme)), 1) << message_;
  const std::string path = SpeciesFile(kPsme +
                                       "26,PIPO,Ponderosa "
                                       "Pine,C,Yes,PP,PP,PP,PP,PP,PP,PP,PP,15,I00FW2W122,pipo\n");
  EXPECT_EQ(ET_Setup(message_, path), 0);
  EXPECT_EQ(message_,
            "Invalid/Missing Qorvel Mortality Species Equation Code. "
            "Species: PIPO, Code: pipo\n" +
                Advice(path));
}

TEST_F(SpeciesTableTest, MissingMortalityFileIsReported) {
  fs::remove(temp_.path() / "qor_Spp.csv");
  const std::string path = (temp_.path() / "species.csv").string();
  EXPECT_EQ(ET_Setup(message_, path), 0);
  const std::string qor = (temp_.path() / "qor_Spp.csv").string();
  EXPECT_EQ(message_,
            "Error try to open/load Qorvel species file.\n"
            "Can't Open Input Qorvel Mortality Species Equation File:\n " +
                qor +
                " \nCheck path and file name.\n"
                "\n\nError encountered while attempting to validate equations "
                "codes\n in File: " +
                path + "\n");
  // the built-in table is loaded all the same
  EXPECT_EQ(s_ET().Rows.size(), 55u);
}

TEST(SpeciesTableItems, BuiltInRows) {
  std::string text;
  EXPECT_EQ(ESD_GetItem(0, "Species", text), 1);
  EXPECT_EQ(text, "ALRU2");
  EXPECT_EQ(ESD_GetItem(5, "orderNUMBER", text), 1);
  EXPECT_EQ(text, " 6.0");
  EXPECT_EQ(ESD_GetItem(39, "Foliage", text), 1);
  EXPECT_EQ(text, "QA");
  EXPECT_EQ(ESD_GetItem(39, "3InchPlus", text), 1);
  EXPECT_EQ(text, "BM");
  EXPECT_EQ(ESD_GetItem(54, "Mortality", text), 1);
  EXPECT_EQ(text, "PIRU");
  EXPECT_EQ(ESD_GetItem(3, "Colour", text), 1);
  EXPECT_EQ(text, "");
  EXPECT_EQ(ESD_GetItem(55, "Species", text), 0);
  EXPECT_EQ(ESD_GetItem(-1, "Species", text), 0);
}

}  // namespace

}  // namespace sylvanor
