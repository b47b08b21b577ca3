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

TEST(OutputWriters, EachFormHasItsHeadingOnceBeforeItsFirstLines) {
  Sylvanor syl;
  c_NES nes;
  LoadTestFactors(nes);
  const d_EmisSettings emis{{"1"}, {"7"}, {"8"}, 1};
  std::ostringstream out, emi;
  d_OutputHeadings headings;
  for (const char* plot : {"A", "B"}) {
    Put_Output(out, headings, syl, plot, "N", 1, 2, 3, 4);
    Put_OutputEmisExpand(emi, headings, syl, nes, emis, plot, "S");
  }
  Put_OutputEmisDefault(emi, headings, syl, "C", "N");
  const std::string a = OutputLine(syl, "A", "N", 1, 2, 3, 4);
  EXPECT_EQ(out.str(), OutputHeading() + a + OutputLine(syl, "B", "N", 1, 2, 3, 4));
  // the indices in the heading's order: torching before and after, then crowning
  EXPECT_NE(a.find(",      1,      3,      2,      4, "), std::string::npos) << a;
  // the expanded heading names the flaming group's components
  EXPECT_EQ(emi.str(),
            "Plot,MonSta,Type,Carbon dioxide,Carbon monoxide,Methane,Nitrogen oxides,"
            "Sulfur dioxide,Fine particles,Particles,Ammonia\n,,,CO2,CO,CH4,NOx as "
            "NO,SO2,PM2.5,PM10,NH3\n" +
                EmissionExpandLines(syl, nes, emis, "A", "S") +
                EmissionExpandLines(syl, nes, emis, "B", "S") + EmissionDefaultHeading() +
                EmissionDefaultLines(syl, "C", "N"));
}

}  // namespace

}  // namespace sylvanor
