#include "ui/CrownFireDetails.h"

#include <gtest/gtest.h>

namespace sylvanor {

namespace {

TEST(CrownFireDetails, RowsOfBothStatesAndTheTemplates) {
  d_HalRun run;
  run.Pre.Out.FireType = 2, run.Post.Out.FireType = 1;
  run.Pre.Out.TorchingIndex = 12.6f, run.Post.Out.TorchingIndex = 3.4e38f;  // unlimited
  run.Pre.Out.FlameLength = 3.456f, run.Post.Out.ScorchHeight = 10.004f;
  run.Pre.In.CanopyBulkDensity = 0.12345f, run.Post.In.OneHrMx = 6;
  const std::vector<d_HalRow> rows = HalDetailRows(run);
  const auto row = [&](const std::string& label) {
    for (const d_HalRow& r : rows)
      if (r.Label == label) return r.Pre + " | " + r.Post;
    return std::string("none");
  };
  EXPECT_EQ(row("Fire type"), "Passive Crown Fire | Surface Fire");
  EXPECT_EQ(row("Torching index (mi/hr)").substr(0, 6), "13 | 3");  // no decimals
  EXPECT_EQ(row("Torching index (mi/hr)").size(), 5u + 39u);
  EXPECT_EQ(row("Flame length (ft)"), "3.46 | -1.00");
  EXPECT_EQ(row("Scorch height (ft)"), "-1.00 | 10.00");
  EXPECT_EQ(row("Canopy bulk density (kg/m3)"), "0.1235 | 0.0000");
  EXPECT_EQ(row("1-hour moisture (%)"), "0.0000 | 6.0000");
  // the defaults and the heavy slash template
  EXPECT_EQ(TemplateFields(kHalTemplates[0]).DeadMx + TemplateFields(kHalTemplates[0]).Depth,
            "25Auto");
  EXPECT_EQ(
      TemplateFields(kHalTemplates[13]).DeadMx + " " + TemplateFields(kHalTemplates[13]).Depth,
      "25 3.0");
  EXPECT_EQ(kHalTemplates[8].Name, "8 compact timber litter");
}

}  // namespace

}  // namespace sylvanor
