#include "crownfire/FuelModelFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "base/CFormat.h"
#include "crownfire/Halvex.h"
#include "tests/support/FuelBeds.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

const std::string kUnitsMessage =
    "Error, units string missing from first line of fuel model file\nMust be ENGLISH or METRIC\n";

// The models as a text, a line each: number, code, type, name, loads (1-, 10-, 100-hour,
// herbaceous, woody, cured), SAVs (1-, 10-, 100-hour, herbaceous, woody), depth, extinction, heats
// (dead, live).
std::string Text(const std::vector<CFuelModel>& models) {
  std::string text;
  for (const CFuelModel& m : models) {
    text += CFormat("%d %s %s %s", m.Number, m.Code, m.Type, m.Name);
    for (const double v : {m.Load1Hr, m.Load10Hr, m.Load100Hr, m.LoadLiveHerb, m.LoadLiveWoody,
                           m.LoadDeadHerb, m.SAV1Hr, m.SAV10Hr, m.SAV100Hr, m.SAVLiveHerb,
                           m.SAVLiveWoody, m.Depth, m.MxDead, m.HeatDead, m.HeatLive})
      text += CFormat(" %.9g", v);
    text += "\n";
  }
  return text;
}

// Written in either units and read back, the models are the same but for a word the reader could
// not split back out: "-" when empty, '_' for blanks and control characters. The 10- and 100-hour
// SAVs and the cured load are not in the file: a model read has 109, 30 and -1. A file that cannot
// be opened leaves the list as it was.
TEST(FuelModelFileTest, FilesWrittenAndRead) {
  TempFolder folder;
  const std::string path = (folder.path() / "models.fmd").string();
  std::vector<CFuelModel> models = StandardFuelModels(), expected = models;
  models[0].Code = models[0].Type = "";
  models[0].Name = "two words\tand tab";
  models[1].SAV10Hr = models[1].SAV100Hr = models[1].LoadDeadHerb = 1;
  expected[0].Code = expected[0].Type = "-";
  expected[0].Name = "two_words_and_tab";
  std::string message = "stale";
  CHalvex h;  // the crown fire model reads its list
  for (const bool metric : {false, true}) {
    ASSERT_TRUE(WriteFuelModelFile(path, models, metric, message));
    EXPECT_EQ(message, "");
    h.Metric = !metric;
    ASSERT_TRUE(h.LoadFuelModelFile(path, message)) << message;
    EXPECT_EQ(h.Metric, metric);
    EXPECT_EQ(Text(h.FuelModels), Text(expected));
  }
  const std::string missing = (folder.path() / "none.fmd").string();
  EXPECT_FALSE(h.LoadFuelModelFile(missing, message));
  EXPECT_EQ(message, "Error opening " + missing + " as fuel model file\n");
  EXPECT_EQ(Text(h.FuelModels), Text(expected));
  const std::string nowhere = (folder.path() / "no" / "such" / "x.fmd").string();
  EXPECT_FALSE(WriteFuelModelFile(nowhere, models, false, message));
  EXPECT_EQ(message, "Can't create fuel model file " + nowhere + "\n");
}

// The units line is exact and case sensitive and sets the units; an empty file keeps them. METRIC:
// 10 t/ha x 0.02048 = 0.2048 lb/ft2; 100 1/cm x 30.48 = 3048 1/ft; 30 cm x 0.03281 = 0.9843 ft;
// 18600 kJ/kg x 0.43027 = 8003.022 BTU/lb. A line ends at a CR. A line that does not give sixteen
// fields, finite numbers where numbers belong (also in model units: 1e308 1/cm is not), is skipped,
// as is a comment; the sixteenth field is one word; the rest of a long line is never a model.
TEST(FuelModelFileTest, ReadsUnitsAndModelLines) {
  const std::string head =
      "   10      10    3.01  2.00  5.01   0.00  2.00    N/A     2000     "
      "9999     1500    1.0     25      8000    8000  ";
  const std::string l = head + "timber litter and understory\n", pad(254, ' ');
  const std::string tail = " N/A 2000 1500 1500 1.0 25 8000 8000";
  const std::string m =
      Text({StaticModel(10, {3.01, 2, 5.01, 0, 2, 2000, 9999, 1500, 1, 25}, "timber")});
  const std::string metric =
      "14 c dynamic n 0.2048 0.1024 0 0.0512 0.02048 -1 3048 109 30 1524 1219.2 0.9843 0.2 "
      "8003.022 8605.4\n";
  // the file, the units before, success, the units after, the models read
  // clang-format off
  const std::tuple<std::string, bool, bool, bool, std::string> rows[] = {
      {"Metric\n" + l, true, false, true, ""},    {"ENGLISH \n" + l, true, false, true, ""},
      {" METRIC\n" + l, true, false, true, ""},   {"\n" + l, true, false, true, ""},
      {"# ENGLISH\n" + l, true, false, true, ""}, {"ENGLISHX\n" + l, true, false, true, ""},
      {"ENGLISH\n" + l, true, true, false, m},    {"ENGLISH\rtrailing\n" + l, true, true, false, m},
      {"METRIC", false, true, true, ""}, {"", false, true, false, ""}, {"", true, true, true, ""},
      {"METRIC\r\n14 c 10 5 0 2.5 1 dynamic 100 50 40 30 20 18600 20000 n\r\n", false, true, true,
       metric},
      {"METRIC\n#" + l + "20 c 1 1 1 0 0" + tail + "\n22 c 1 x 1 0 0" + tail + " word\n" +
       "25.0 c 1 1 1 0 0" + tail + " real\n23 c 1 1 1 0 0 N/A 1e308 1500 15 1 25 8000 8000 big\n" +
       "24 c 1 1 1 0 0 N/A 2000 1500 1500 1.0 nan 8000 8000 nan\n", false, true, true, ""},
      {"ENGLISH\n\n+10\t10\t301e-2 +2 5.01 0 2 N/A 2000 9999 1500 1 25 8e3 8000 timber\n", false,
       true, false, m},
      {"ENGLISH\n" + head + pad + "timber\n" + l, false, true, false, m + m},
      {"ENGLISH\n" + head + "timber" + pad + "31 c 1 1 1 0 0" + tail + " tail\n", false, true,
       false, m},
  };
  // clang-format on
  for (const auto& [text, before, ok, after, models] : rows) {
    SCOPED_TRACE(text);
    std::istringstream file(text);
    std::vector<CFuelModel> read(2);
    bool metric = before;
    std::string message = "stale";
    EXPECT_EQ(ReadFuelModelFile(file, read, metric, message), ok);
    EXPECT_EQ(message, ok ? "" : kUnitsMessage);
    EXPECT_EQ(metric, after);
    EXPECT_EQ(Text(read), models);
  }
}

// A value that is not finite, or a line longer than 254 characters, writes nothing: model 9's
// ENGLISH line is 53 characters and its name, 253 fit, 255 do not.
TEST(FuelModelFileTest, ModelsThatCannotBeWritten) {
  const std::string nan = "Fuel model 9 has a value that is not a number\n";
  // clang-format off
  using M = CFuelModel;
  const std::pair<void (*)(M&), std::string> rows[] = {
    {[](M& m) { m.Depth = NAN; }, nan}, {[](M& m) { m.HeatLive = HUGE_VAL; }, nan},
    {[](M& m) { m.Name.assign(202, 'n'); }, "Fuel model 9 does not fit a line of 254 characters\n"},
    {[](M& m) { m.Name.assign(200, 'n'); }, ""}};
  // clang-format on
  for (const auto& [spoil, text] : rows) {
    std::vector<CFuelModel> models = StandardFuelModels();
    spoil(models[3]);
    std::ostringstream out;
    std::string message;
    EXPECT_EQ(WriteFuelModelFile(out, models, false, message), text.empty()) << text;
    EXPECT_EQ(message, text);
    EXPECT_EQ(out.str().empty(), !text.empty()) << text;
  }
}

}  // namespace

}  // namespace sylvanor
