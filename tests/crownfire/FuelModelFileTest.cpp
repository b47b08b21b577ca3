#include "crownfire/FuelModelFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "crownfire/SurfaceSpread.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

// The thirteen standard fire behaviour fuel models as published by Anderson
// (1982), Aids to determining fuel models for estimating fire behavior,
// USDA Forest Service GTR INT-122, table 7. Loads ton/acre, SAV 1/ft, depth
// ft, extinction moisture percent; heat content 8000 BTU/lb throughout. The
// live SAV belongs to the live class that has a load; 0 where no class has.
struct Published {
  int number;
  const char* name;
  double h1, h10, h100, herb, woody;
  double sav1, savHerb, savWoody;
  double depth, mx;
};
constexpr Published kAnderson1982[] = {
    {1, "Short_grass", 0.74, 0, 0, 0, 0, 3500, 0, 0, 1.0, 12},
    {2, "Timber_grass_and_understory", 2.00, 1.00, 0.50, 0.50, 0, 3000, 1500, 0, 1.0, 15},
    {3, "Tall_grass", 3.01, 0, 0, 0, 0, 1500, 0, 0, 2.5, 25},
    {4, "Chaparral", 5.01, 4.01, 2.00, 0, 5.01, 2000, 0, 1500, 6.0, 20},
    {5, "Brush", 1.00, 0.50, 0, 0, 2.00, 2000, 0, 1500, 2.0, 20},
    {6, "Dormant_brush", 1.50, 2.50, 2.00, 0, 0, 1750, 0, 0, 2.5, 25},
    {7, "Southern_rough", 1.13, 1.87, 1.50, 0, 0.37, 1750, 0, 1550, 2.5, 40},
    {8, "Closed_timber_litter", 1.50, 1.00, 2.50, 0, 0, 2000, 0, 0, 0.2, 30},
    {9, "Hardwood_litter", 2.92, 0.41, 0.15, 0, 0, 2500, 0, 0, 0.2, 25},
    {10, "Timber_litter_and_understory", 3.01, 2.00, 5.01, 0, 2.00, 2000, 0, 1500, 1.0, 25},
    {11, "Light_logging_slash", 1.50, 4.51, 5.51, 0, 0, 1500, 0, 0, 1.0, 15},
    {12, "Medium_logging_slash", 4.01, 14.03, 16.53, 0, 0, 1500, 0, 0, 2.3, 20},
    {13, "Heavy_logging_slash", 7.01, 23.04, 28.05, 0, 0, 1500, 0, 0, 3.0, 25},
};

constexpr double kTonsPerAcre = 0.04591;  // lb/ft2

std::vector<CFuelModel> StandardModels() {
  std::vector<CFuelModel> models;
  for (const Published& p : kAnderson1982) {
    CFuelModel m;
    m.Number = p.number;
    m.Code = std::to_string(p.number);
    m.Load1Hr = p.h1 * kTonsPerAcre;
    m.Load10Hr = p.h10 * kTonsPerAcre;
    m.Load100Hr = p.h100 * kTonsPerAcre;
    m.LoadLiveHerb = p.herb * kTonsPerAcre;
    m.LoadLiveWoody = p.woody * kTonsPerAcre;
    m.Type = "N/A";
    m.SAV1Hr = p.sav1;
    m.SAVLiveHerb = p.savHerb;
    m.SAVLiveWoody = p.savWoody;
    m.Depth = p.depth;
    m.MxDead = p.mx / 100;
    m.HeatDead = m.HeatLive = 8000;
    m.Name = p.name;
    models.push_back(m);
  }
  return models;
}

struct Loaded {
  bool ok = false;
  std::vector<CFuelModel> models;
  bool metric = false;
  std::string message;
};

Loaded Read(const std::string& text, bool metricBefore = false) {
  std::istringstream file(text);
  Loaded r;
  r.metric = metricBefore;
  r.ok = ReadFuelModelFile(file, r.models, r.metric, r.message);
  return r;
}

constexpr const char* kUnitsMessage =
    "Error, units string missing from first line of fuel model file\nMust be ENGLISH or METRIC\n";

// A good model line in ENGLISH units.
const std::string kLine10 =
    "   10      10    3.01  2.00  5.01   0.00  2.00    N/A     2000     9999     1500    1.0     "
    "25      8000    8000  timber litter and understory\n";

void ExpectSameModel(const CFuelModel& a, const CFuelModel& b) {
  SCOPED_TRACE(b.Number);
  EXPECT_EQ(a.Number, b.Number);
  for (auto word : {&CFuelModel::Code, &CFuelModel::Type, &CFuelModel::Name})
    EXPECT_EQ(a.*word, b.*word);
  for (auto value : {&CFuelModel::Load1Hr, &CFuelModel::Load10Hr, &CFuelModel::Load100Hr,
                     &CFuelModel::LoadLiveHerb, &CFuelModel::LoadLiveWoody, &CFuelModel::SAV1Hr,
                     &CFuelModel::SAVLiveHerb, &CFuelModel::SAVLiveWoody, &CFuelModel::Depth,
                     &CFuelModel::MxDead, &CFuelModel::HeatDead, &CFuelModel::HeatLive})
    EXPECT_NEAR(a.*value, b.*value, 1e-9 * std::abs(b.*value));
  EXPECT_EQ(a.SAV10Hr, 109);
  EXPECT_EQ(a.SAV100Hr, 30);
  EXPECT_EQ(a.LoadDeadHerb, -1);  // set by the herbaceous transfer only
}

TEST(FuelModelFileRoundTrip, StandardModelsInBothUnits) {
  TempFolder folder;
  const std::vector<CFuelModel> models = StandardModels();
  for (const bool metric : {false, true}) {
    SCOPED_TRACE(metric ? "METRIC" : "ENGLISH");
    const std::string path = (folder.path() / (metric ? "m.fmd" : "e.fmd")).string();
    std::string message = "stale";
    ASSERT_TRUE(WriteFuelModelFile(path, models, metric, message));
    EXPECT_EQ(message, "");

    std::vector<CFuelModel> back;
    bool readMetric = !metric;
    ASSERT_TRUE(LoadFuelModelFile(path, back, readMetric, message)) << message;
    EXPECT_EQ(readMetric, metric);
    ASSERT_EQ(back.size(), models.size());
    for (std::size_t i = 0; i < models.size(); ++i)
      ExpectSameModel(back[i], models[i]);
  }
  // the ENGLISH file holds the published ton/acre figures
  std::ostringstream english;
  std::string message;
  ASSERT_TRUE(WriteFuelModelFile(english, models, false, message));
  EXPECT_NE(english.str().find(" 7.01 23.04 28.05 0 0 N/A 1500 0 0 3 25 8000 8000 "),
            std::string::npos)
      << english.str();
}

TEST(FuelModelFileRead, ConvertsEachUnitSystem) {
  // ENGLISH: loads x 0.04591, the rest as written, extinction / 100
  Loaded e = Read("ENGLISH\n" + kLine10);
  ASSERT_TRUE(e.ok);
  ASSERT_EQ(e.models.size(), 1u);
  const CFuelModel& m = e.models[0];
  EXPECT_EQ(m.Number, 10);
  EXPECT_EQ(m.Code, "10");
  EXPECT_EQ(m.Type, "N/A");
  EXPECT_EQ(m.Name, "timber");  // one word: the rest of the line is ignored
  EXPECT_DOUBLE_EQ(m.Load1Hr, 3.01 * 0.04591);
  EXPECT_DOUBLE_EQ(m.Load100Hr, 5.01 * 0.04591);
  EXPECT_EQ(m.LoadLiveHerb, 0);
  EXPECT_EQ(m.SAVLiveHerb, 9999);
  EXPECT_EQ(m.SAVLiveWoody, 1500);
  EXPECT_EQ(m.Depth, 1.0);
  EXPECT_DOUBLE_EQ(m.MxDead, 0.25);
  EXPECT_EQ(m.HeatLive, 8000);

  // METRIC: 10 t/ha x 0.02048 = 0.2048 lb/ft2; 100 1/cm x 30.48 = 3048 1/ft;
  // 30 cm x 0.03281 = 0.9843 ft; 18600 kJ/kg x 0.43027 = 8003.022 BTU/lb
  Loaded k = Read("METRIC\r\n14 c 10 5 0 2.5 1 dynamic 100 50 40 30 20 18600 20000 n\r\n");
  ASSERT_TRUE(k.ok);
  EXPECT_TRUE(k.metric);
  ASSERT_EQ(k.models.size(), 1u);
  const CFuelModel& n = k.models[0];
  EXPECT_DOUBLE_EQ(n.Load1Hr, 0.2048);
  EXPECT_DOUBLE_EQ(n.Load10Hr, 0.1024);
  EXPECT_DOUBLE_EQ(n.LoadLiveHerb, 0.0512);
  EXPECT_EQ(n.Type, "dynamic");
  EXPECT_DOUBLE_EQ(n.SAV1Hr, 3048);
  EXPECT_DOUBLE_EQ(n.SAVLiveHerb, 1524);
  EXPECT_DOUBLE_EQ(n.SAVLiveWoody, 1219.2);
  EXPECT_DOUBLE_EQ(n.Depth, 0.9843);
  EXPECT_DOUBLE_EQ(n.MxDead, 0.20);
  EXPECT_DOUBLE_EQ(n.HeatDead, 8003.022);
  EXPECT_DOUBLE_EQ(n.HeatLive, 8605.4);
  EXPECT_EQ(n.Name, "n");  // cut at the CR
}

TEST(FuelModelFileRead, UnitsLineIsExactAndCaseSensitive) {
  for (const std::string first :
       {"english\n", "Metric\n", "ENGLISH \n", " METRIC\n", "\n", "# ENGLISH\n", "ENGLISHX\n"}) {
    SCOPED_TRACE(first);
    const Loaded r = Read(first + kLine10, true);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, kUnitsMessage);
    EXPECT_TRUE(r.models.empty());
    EXPECT_TRUE(r.metric);  // unchanged
  }
  for (const std::string first : {"ENGLISH\n", "ENGLISH\r\n", "ENGLISH\rtrailing\n"}) {
    const Loaded r = Read(first + kLine10, true);
    EXPECT_TRUE(r.ok) << first;
    EXPECT_FALSE(r.metric);
    EXPECT_EQ(r.models.size(), 1u);
  }
  const Loaded bare = Read("METRIC");  // no line end, no models
  EXPECT_TRUE(bare.ok);
  EXPECT_TRUE(bare.metric);

  // no first line at all: an empty list, the units as they were
  for (const bool before : {false, true}) {
    const Loaded empty = Read("", before);
    EXPECT_TRUE(empty.ok);
    EXPECT_EQ(empty.metric, before);
    EXPECT_TRUE(empty.models.empty());
    EXPECT_EQ(empty.message, "");
  }
}

TEST(FuelModelFileRead, SkipsCommentsAndIncompleteLines) {
  const std::string fifteen = "20 c 1 1 1 0 0 N/A 2000 1500 1500 1.0 25 8000 8000\n";
  const std::string text =
      "ENGLISH\n"
      "#10 comment 1 1 1 0 0 N/A 2000 1500 1500 1.0 25 8000 8000 c\n" +
      fifteen +
      "21 c 1 1 1 0 0 N/A 2000 1500 1500 1.0 25 8000 8000 good\n"
      "\n"
      "22 c 1 x 1 0 0 N/A 2000 1500 1500 1.0 25 8000 8000 word\n"
      "23 c 1 1 1 0 0 N/A 2000 1500 nan 1.0 25 8000 8000 nan\n"
      "24 c 1 1 1 0 0 N/A 2000 1500 1500 1.0 25 8000 8000.5.0 twopoints\n"
      "25.0 c 1 1 1 0 0 N/A 2000 1500 1500 1.0 25 8000 8000 real\n"
      "+26\tc\t1e0 +1 1 0 0 N/A 2000 1500 1500 1.0 25 8000 8000 tabs\n";
  const Loaded r = Read(text);
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(r.models.size(), 2u);
  EXPECT_EQ(r.models[0].Number, 21);
  EXPECT_EQ(r.models[0].Name, "good");
  EXPECT_EQ(r.models[1].Number, 26);
  EXPECT_DOUBLE_EQ(r.models[1].Load1Hr, 0.04591);
  EXPECT_DOUBLE_EQ(r.models[1].Load10Hr, 0.04591);
}

TEST(FuelModelFileRead, DuplicateNumbersKeepFileOrder) {
  const Loaded r = Read("ENGLISH\n" + kLine10 +
                        "10 other 1 1 1 0 0 N/A 2000 1500 1500 1.0 25 8000 8000 second\n");
  ASSERT_EQ(r.models.size(), 2u);
  const CFuelModel* found = FindFuelModel(r.models, 10);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->Name, "timber");
}

TEST(FuelModelFileRead, LongLinesAreReadWhole) {
  const std::string model = "30 c 1 1 1 0 0 N/A 2000 1500 1500 1.0 25 8000 8000 ";
  // a name past the 254th character is read whole
  Loaded r =
      Read("ENGLISH\n" + model + std::string(254 - model.size() - 4, ' ') + "names\n" + kLine10);
  ASSERT_EQ(r.models.size(), 2u);
  EXPECT_EQ(r.models[0].Name, "names");
  // what follows a long line's sixteenth field is never a model of its own
  const std::string tail = "31 c 1 1 1 0 0 N/A 2000 1500 1500 1.0 25 8000 8000 tail";
  r = Read("ENGLISH\n" + model + "head" + std::string(254 - model.size() - 4, ' ') + tail + "\n");
  ASSERT_EQ(r.models.size(), 1u);
  EXPECT_EQ(r.models[0].Name, "head");
}

TEST(FuelModelFileLoad, FileThatCannotBeOpenedKeepsTheList) {
  TempFolder folder;
  std::vector<CFuelModel> models = StandardModels();
  bool metric = true;
  std::string message;
  const std::string missing = (folder.path() / "none.fmd").string();
  EXPECT_FALSE(LoadFuelModelFile(missing, models, metric, message));
  EXPECT_EQ(message, "Error opening " + missing + " as fuel model file\n");
  EXPECT_EQ(models.size(), 13u);
  EXPECT_TRUE(metric);

  // an opened file empties the list, even when its units line is wrong
  const std::string bad = folder.Write("bad.fmd", "units\n" + kLine10).string();
  EXPECT_FALSE(LoadFuelModelFile(bad, models, metric, message));
  EXPECT_EQ(message, kUnitsMessage);
  EXPECT_TRUE(models.empty());
  EXPECT_TRUE(metric);

  const std::string good = folder.Write("good.fmd", "ENGLISH\n" + kLine10).string();
  EXPECT_TRUE(LoadFuelModelFile(good, models, metric, message));
  EXPECT_EQ(message, "");
  EXPECT_EQ(models.size(), 1u);
  EXPECT_FALSE(metric);
}

TEST(FuelModelFileWrite, WordsAndValuesTheReaderCannotTakeBack) {
  std::vector<CFuelModel> models = StandardModels();
  models.resize(1);
  models[0].Code = "";
  models[0].Name = "two words\tand tab";
  models[0].Type = "";
  std::ostringstream file;
  std::string message;
  ASSERT_TRUE(WriteFuelModelFile(file, models, false, message));
  const Loaded r = Read(file.str());
  ASSERT_EQ(r.models.size(), 1u);
  EXPECT_EQ(r.models[0].Code, "-");
  EXPECT_EQ(r.models[0].Type, "-");
  EXPECT_EQ(r.models[0].Name, "two_words_and_tab");

  // not finite, or too long a line: nothing written
  for (const auto change : {+[](CFuelModel& m) { m.Depth = std::nan(""); },
                            +[](CFuelModel& m) { m.HeatLive = HUGE_VAL; },
                            +[](CFuelModel& m) { m.Name = std::string(200, 'n'); }}) {
    std::vector<CFuelModel> bad = StandardModels();
    change(bad[5]);
    std::ostringstream out;
    EXPECT_FALSE(WriteFuelModelFile(out, bad, true, message));
    EXPECT_NE(message, "");
    EXPECT_EQ(out.str(), "");
  }

  TempFolder folder;
  const std::string path = (folder.path() / "no" / "such" / "x.fmd").string();
  EXPECT_FALSE(WriteFuelModelFile(path, models, false, message));
  EXPECT_EQ(message, "Can't create fuel model file " + path + "\n");
}

}  // namespace

}  // namespace sylvanor
