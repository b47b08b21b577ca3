#include "batch/OutputWriters.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/BatchFiles.h"

namespace sylvanor {

namespace {

TEST(OutputWriters, EmissionValuesAndTheEmissionsFileName) {
  const std::pair<float, const char*> values[] = {{0.5f, ",0.50"},   {5.24f, ", 5.2"},
                                                  {123.4f, ", 123"}, {0.0f, ",0.00"},
                                                  {9.96f, ",10.0"},  {10.0f, ",  10"}};
  for (const auto& [value, text] : values) {
    EXPECT_EQ(EmissionValue(value), text) << value;
  }
  const std::pair<const char*, const char*> names[] = {{"/out/run.csv", "/out/run-Emis.csv"},
                                                       {"run.csv", "run-Emis.csv"},
                                                       {"/out/run.v2.csv", "/out/run.v2-Emis.csv"},
                                                       {"/out/run", "/out/run-Emis.csv"}};
  for (const auto& [output, emissions] : names) {
    EXPECT_EQ(EmissionFileName(output), emissions);
  }
}

TEST(OutputWriters, IndicesInTheHeadingsOrderAndTheExpandedHeading) {
  Sylvanor syl;
  c_NES nes;
  LoadTestFactors(nes);
  const d_EmisSettings emis{{"1"}, {"7"}, {"8"}, 1};
  // the indices in the heading's order: torching before and after, then crowning
  const std::string a = OutputLine(syl, "A", "N", 1, 2, 3, 4);
  EXPECT_NE(a.find(",      1,      3,      2,      4, "), std::string::npos) << a;
  // the expanded heading names the flaming group's components
  EXPECT_EQ(EmissionExpandHeading(nes, emis),
            "Plot,MonSta,Type,Carbon dioxide,Carbon monoxide,Methane,Nitrogen oxides,"
            "Sulfur dioxide,Fine particles,Particles,Ammonia\n,,,CO2,CO,CH4,NOx as "
            "NO,SO2,PM2.5,PM10,NH3\n");
}

TEST(OutputWriters, ProfileLinesHoldTheLayersFromTheLowestThenMinusOne) {
  const std::string heading = ProfileHeading();
  EXPECT_EQ(heading.substr(0, 34), ",Height - ft, CBD - kg/m3\nPlot,1,2");
  EXPECT_EQ(heading.substr(heading.size() - 13), ",148,149,150\n");
  std::vector<float> layers(45, 0.0f);
  layers[0] = 0.125f, layers[39] = 0.0625f, layers[40] = 9.0f;  // 40 in use
  const std::string line = ProfileLine("P7", layers, 40);
  std::string expected = "P7,0.125000";
  for (int k = 2; k <= 150; ++k)
    expected += k < 40 ? ",0.000000" : k == 40 ? ",0.062500" : ",-1.000000";
  EXPECT_EQ(line, expected + "\n");
  // a profile higher than the file's 150 columns is cut at the 150th layer
  EXPECT_EQ(ProfileLine("Q", std::vector<float>(200, 1.0f), 200).find("-1"), std::string::npos);
}

}  // namespace

}  // namespace sylvanor
