#include "crownfire/FuelModelFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/FuelBeds.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

const std::string kUnitsMessage =
    "Error, units string missing from first line of fuel model file\nMust be ENGLISH or METRIC\n";

void ExpectSameModel(const CFuelModel& a, const CFuelModel& b) {
  EXPECT_EQ(a.Number, b.Number);
  for (auto word : {&CFuelModel::Code, &CFuelModel::Type, &CFuelModel::Name})
    EXPECT_EQ(a.*word, b.*word) << b.Number;
  for (auto value : {&CFuelModel::Load1Hr, &CFuelModel::Load10Hr, &CFuelModel::Load100Hr,
                     &CFuelModel::LoadLiveHerb, &CFuelModel::LoadLiveWoody, &CFuelModel::SAV1Hr,
                     &CFuelModel::SAVLiveHerb, &CFuelModel::SAVLiveWoody, &CFuelModel::Depth,
                     &CFuelModel::MxDead, &CFuelModel::HeatDead, &CFuelModel::HeatLive})
    EXPECT_NEAR(a.*value, b.*value, 1e-9 * std::abs(b.*value)) << b.Number;
  // not in the file: the 10- and 100-hour SAVs and the cured load (the herbaceous transfer's)
  EXPECT_EQ(std::vector({a.SAV10Hr, a.SAV100Hr, a.LoadDeadHerb}), std::vector({109.0, 30.0, -1.0}));
}

// Written in either units and read back, the models are the same but for a word the reader could
// not split back out: "-" when empty, '_' for blanks and control characters.
TEST(FuelModelFileTest, ModelsRoundTripInBothUnits) {
  TempFolder folder;
  const std::string path = (folder.path() / "models.fmd").string();
  std::vector<CFuelModel> models = StandardFuelModels(), expected = models;
  models[0].Code = models[0].Type = "";
  models[0].Name = "two words\tand tab";
  expected[0].Code = expected[0].Type = "-";
  expected[0].Name = "two_words_and_tab";
  for (const bool metric : {false, true}) {
    std::string message = "stale";
    ASSERT_TRUE(WriteFuelModelFile(path, models, metric, message));
    EXPECT_EQ(message, "");
    std::vector<CFuelModel> back;
    bool readMetric = !metric;
    ASSERT_TRUE(LoadFuelModelFile(path, back, readMetric, message)) << message;
    EXPECT_EQ(readMetric, metric);
    ASSERT_EQ(back.size(), models.size());
    for (std::size_t i = 0; i < models.size(); ++i)
      ExpectSameModel(back[i], expected[i]);
  }
}

// The units line is exact and case sensitive and sets the units; an empty file keeps them. METRIC:
// 10 t/ha x 0.02048 = 0.2048 lb/ft2; 100 1/cm x 30.48 = 3048 1/ft; 30 cm x 0.03281 = 0.9843 ft;
// 18600 kJ/kg x 0.43027 = 8003.022 BTU/lb. A line ends at a CR. A line that does not give sixteen
// fields, numbers where numbers belong, is skipped, as is a comment; the sixteenth field is one
// word, and the rest of a line however long is never a model of its own.
TEST(FuelModelFileTest, ReadsUnitsAndModelLines) {
  const std::string head =
      "   10      10    3.01  2.00  5.01   0.00  2.00    N/A     2000     "
      "9999     1500    1.0     25      8000    8000  ";
  const std::string l = head + "timber litter and understory\n", pad(254, ' ');
  const std::string tail = " N/A 2000 1500 1500 1.0 25 8000 8000";
  const CFuelModel m = StaticModel(10, {3.01, 2, 5.01, 0, 2, 2000, 9999, 1500, 1, 25}, "timber");
  // clang-format off
  const CFuelModel metric{.Number = 14, .Code = "c", .Load1Hr = 0.2048, .Load10Hr = 0.1024,
      .Load100Hr = 0, .LoadLiveHerb = 0.0512, .LoadLiveWoody = 0.02048, .Type = "dynamic",
      .SAV1Hr = 3048, .SAVLiveHerb = 1524, .SAVLiveWoody = 1219.2, .Depth = 0.9843, .MxDead = 0.2,
      .HeatDead = 8003.022, .HeatLive = 8605.4, .Name = "n"};
  struct Row {
    std::string text;
    bool metricBefore, ok, metric;
    std::vector<CFuelModel> models;
  };
  const Row rows[] = {
      {"english\n" + l, true, false, true, {}},   {"Metric\n" + l, true, false, true, {}},
      {"ENGLISH \n" + l, true, false, true, {}},  {" METRIC\n" + l, true, false, true, {}},
      {"\n" + l, true, false, true, {}},          {"# ENGLISH\n" + l, true, false, true, {}},
      {"ENGLISHX\n" + l, true, false, true, {}},  {"ENGLISH\n" + l, true, true, false, {m}},
      {"ENGLISH\r\n" + l, true, true, false, {m}},
      {"ENGLISH\rtrailing\n" + l, true, true, false, {m}},
      {"METRIC", false, true, true, {}}, {"", false, true, false, {}}, {"", true, true, true, {}},
      {"METRIC\r\n14 c 10 5 0 2.5 1 dynamic 100 50 40 30 20 18600 20000 n\r\n", false, true, true,
       {metric}},
      {"ENGLISH\n#" + l + "20 c 1 1 1 0 0" + tail + "\n", false, true, false, {}},
      {"ENGLISH\n22 c 1 x 1 0 0" + tail + " word\n", false, true, false, {}},
      {"ENGLISH\n21 c +-1 1 1 0 0" + tail + " sign\n", false, true, false, {}},
      {"ENGLISH\n23 c 1 1 1 0 0 N/A 2000 1500 nan 1.0 25 8000 8000 nan\n", false, true, false, {}},
      {"ENGLISH\n24 c 1 1 1 0 0" + tail + ".5.0 twopoints\n", false, true, false, {}},
      {"ENGLISH\n25.0 c 1 1 1 0 0" + tail + " real\n", false, true, false, {}},
      {"ENGLISH\n\n+10\t10\t301e-2 +2 5.01 0 2 N/A 2000 9999 1500 1 25 8e3 8000 timber\n", false,
       true, false, {m}},
      {"ENGLISH\n" + head + pad + "timber\n" + l, false, true, false, {m, m}},
      {"ENGLISH\n" + head + "timber" + pad + "31 c 1 1 1 0 0" + tail + " tail\n", false, true,
       false, {m}},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    std::istringstream file(row.text);
    std::vector<CFuelModel> models(2);
    bool metric = row.metricBefore;
    std::string message = "stale";
    EXPECT_EQ(ReadFuelModelFile(file, models, metric, message), row.ok);
    EXPECT_EQ(message, row.ok ? "" : kUnitsMessage);
    EXPECT_EQ(metric, row.metric);
    ASSERT_EQ(models.size(), row.models.size());
    for (std::size_t i = 0; i < models.size(); ++i)
      ExpectSameModel(models[i], row.models[i]);
  }
}

// A file that cannot be opened leaves the list as it was; an opened one empties it, even when its
// units line is wrong. A value that is not finite, or a line longer than 254 characters, writes
// nothing.
TEST(FuelModelFileTest, FilesAndModelsThatFail) {
  TempFolder folder;
  std::vector<CFuelModel> models = StandardFuelModels();
  bool metric = true;
  std::string message;
  const std::string missing = (folder.path() / "none.fmd").string();
  EXPECT_FALSE(LoadFuelModelFile(missing, models, metric, message));
  EXPECT_EQ(message, "Error opening " + missing + " as fuel model file\n");
  EXPECT_EQ(models.size(), 5u);
  EXPECT_FALSE(
      LoadFuelModelFile(folder.Write("bad.fmd", "units\n").string(), models, metric, message));
  EXPECT_EQ(message, kUnitsMessage);
  EXPECT_TRUE(models.empty());
  EXPECT_TRUE(metric);
  const std::string nowhere = (folder.path() / "no" / "such" / "x.fmd").string();
  EXPECT_FALSE(WriteFuelModelFile(nowhere, StandardFuelModels(), false, message));
  EXPECT_EQ(message, "Can't create fuel model file " + nowhere + "\n");

  // Model 9's ENGLISH line, the published ton/acre figures, is 53 characters and its name: 253
  // fit, 255 do not.
  std::vector<CFuelModel> nan = StandardFuelModels(), infinite = nan, fits = nan, wide = nan;
  nan[3].Depth = NAN;
  infinite[3].HeatLive = HUGE_VAL;
  fits[3].Name = std::string(200, 'n');
  wide[3].Name = std::string(202, 'n');
  for (const auto& [written, text] :
       {std::pair{nan, "Fuel model 9 has a value that is not a number\n"},
        {infinite, "Fuel model 9 has a value that is not a number\n"},
        {wide, "Fuel model 9 does not fit a line of 254 characters\n"},
        {fits, ""}}) {
    std::ostringstream out;
    EXPECT_EQ(WriteFuelModelFile(out, written, false, message), *text == 0) << text;
    EXPECT_EQ(message, text);
    EXPECT_EQ(out.str().empty(), *text != 0) << text;
    const auto line = out.str().find("\n9 9 2.92 0.41 0.15 0 0 N/A 2500 0 0 0.2 25 8000 8000 nnn");
    EXPECT_EQ(line != std::string::npos, *text == 0) << text;
  }
}

}  // namespace

}  // namespace sylvanor
