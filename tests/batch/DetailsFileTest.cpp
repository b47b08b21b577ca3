#include "batch/DetailsFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "base/CFormat.h"
#include "base/CsvRow.h"
#include "batch/BatchRunner.h"
#include "tests/support/BatchFiles.h"
#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

namespace fs = std::filesystem;

TEST(DetailsFile, NamesAndUnitsRowsReadAsTheyAreAndEveryColumnIsDocumentedWithItsMeaning) {
  std::istringstream heading(DetailsHeading());
  std::string names, units, rest;
  std::getline(heading, names), std::getline(heading, units);
  EXPECT_FALSE(std::getline(heading, rest));
  const std::vector<std::string> nameFields = csv_read_row(names, ','),
                                 unitFields = csv_read_row(units, ',');
  ASSERT_EQ(nameFields.size(), DetailsColumns().size());
  EXPECT_EQ(unitFields.size(), nameFields.size());
  EXPECT_EQ(names.substr(0, 26), "plot_id,station,treatment,");
  EXPECT_EQ(units.substr(0, 30), "text,text,text,t/ac,t/ac,kg/m3");
  const std::string doc =
      ReadFile(fs::path(SYLVANOR_TESTS_DIR) / ".." / "docs" / "details-file.md");
  const std::regex snake("[a-z][a-z0-9]*(_[a-z0-9]+)*");
  std::set<std::string> seen;
  for (std::size_t k = 0; k < nameFields.size(); ++k) {
    const std::string& name = nameFields[k];
    EXPECT_TRUE(std::regex_match(name, snake)) << name;
    EXPECT_TRUE(seen.insert(name).second) << name << " twice";
    EXPECT_FALSE(unitFields[k].empty() || unitFields[k].find(' ') != std::string::npos) << name;
    // the table's row names the column's unit and its meaning word for word
    const std::string meaning(DetailsColumns()[k].Meaning);
    EXPECT_FALSE(meaning.empty()) << name;
    EXPECT_NE(doc.find("| `" + name + "` | " + unitFields[k] + " | " + meaning + " |\n"),
              std::string::npos)
        << name << " is not in docs/details-file.md as \"" << meaning << "\"";
  }
}

TEST(DetailsFile, TheRowOfASamplePlotHoldsTheEnginesResults) {
  // the sample batch; its last plot, SYL-12, is thinned to a canopy bulk
  // density, pruned and burned, and its results stay in the runner's engine
  TempFolder out;
  const auto fbc = std::make_unique<c_FBC>();
  DetailsRows plots = RunSampleBatch(*fbc, out.path());
  EXPECT_EQ(plots.size(), 12u);
  const std::map<std::string, std::string>& row = plots["SYL-12"];
  const auto number = [&](const std::string& name) { return std::stof(row.at(name)); };

  const Sylvanor& s = fbc->Engine();
  float pm25 = 0, pm10 = 0, ch4 = 0, co2 = 0, co = 0, nox = 0, so2 = 0;
  s.Get_EmiTot("Total", pm25, pm10, ch4, co2, co, nox, so2);
  const std::pair<const char*, float> values[] = {{"pre_cbd", s.Get_Precbd()},
                                                  {"post_cbh", s.Get_cbh()},
                                                  {"post_trees", s.Get_SteDen()},
                                                  {"harvested_board_ft", s.Get_HaBdft()},
                                                  {"thin_slash_foliage", s.Get_TSFol()},
                                                  {"prune_slash_1hr", s.Get_PS1Hr()},
                                                  {"post_surface_total", s.Get_AGF_Total()},
                                                  {"consumed_duff", s.Get_BBC_Duff()},
                                                  {"consumed_total", s.Get_ConsumedTotal()},
                                                  {"killed_basal_area", s.Get_KilledBasal()},
                                                  {"smoke_total_pm25", pm25},
                                                  {"smoke_total_co2", co2}};
  for (const auto& [name, value] : values)
    EXPECT_EQ(row.at(name), ShortestText(value)) << name;
  EXPECT_EQ(row.at("plot_id") + "|" + row.at("treatment") + "|" + row.at("burn_ignition") + "|" +
                row.at("post_fuel_model"),
            "SYL-12|CBD Thin Prune and Burn|" + s.Get_BurnIgnition() + "|" +
                s.Get_FuelModel_PostTreatment());
  // the trees entered less those thinned and those the fire killed are the trees left
  EXPECT_NEAR(number("pre_trees") - number("thinned_trees") - number("killed_trees"),
              number("post_trees"), 0.01);
  EXPECT_GT(number("killed_trees") * number("thinned_trees") * number("consumed_total"), 0);
  // the output line's indices are the model's, limited to 100
  for (const char* state : {"pre_", "post_"}) {
    for (const char* index : {"torching_index", "crowning_index"}) {
      const std::string name = std::string(state) + index;
      EXPECT_EQ(number(name), std::min(number(name + "_unlimited"), 100.0f)) << name;
    }
    EXPECT_NE(row.at(std::string(state) + "fire_type"), "");
  }
  // SYL-02's piles burn with the project's groups 3 and 7 though its burn would take the fixed
  // factors: 9.851046 t/ac are 2.20823 kg/m2; 0.25 x 2.20823 x 1778.01 g/kg of CO2 = 981.56
  // g/m2 = 8757.3 lb/ac; 0.75 x 2.20823 x 22.644 g/kg of PM2.5 = 37.503 g/m2 = 334.59 lb/ac
  const std::map<std::string, std::string>& piled = plots["SYL-02"];
  EXPECT_EQ(piled.at("pile_burned"), "9.851046");
  EXPECT_NEAR(std::stof(piled.at("pile_smoke_flaming_co2")), 8757.3f, 0.1f);
  EXPECT_NEAR(std::stof(piled.at("pile_smoke_smoldering_pm25")), 334.59f, 0.01f);
}

}  // namespace

}  // namespace sylvanor
