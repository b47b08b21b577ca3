#include "stand/EqFun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stand/EasternSpecies.h"
#include "stand/PinyonJuniper.h"
#include "stand/VertDist.h"
#include "stand/WesternConifer.h"
#include "stand/WesternHardwood.h"

namespace sylvanor {

namespace {

constexpr const char* kSix[] = {"Total", "Foliage", "Br-Twg", "Br-1in", "Br-3in", "Br-3inP"};

struct Pair {
  std::string Code;
  std::string Component;
};

// The rows in table order.
std::vector<Pair> ListedRows() {
  std::vector<Pair> rows;
  const auto add = [&rows](std::initializer_list<const char*> codes, int components) {
    for (const char* code : codes) {
      for (int i = 0; i < components; ++i)
        rows.push_back({code, kSix[i]});
    }
  };
  add({"PP", "GF", "DF", "LP", "WL", "SF", "ES", "WB", "WP", "WC", "WH"}, 6);
  add({"RA", "GC", "MA", "TO", "BM"}, 6);
  add({"PY", "JP"}, 6);
  add({"PB", "YB", "AC", "BF", "EH", "RM", "SM", "QA", "RO", "EP", "LO", "PI", "BS", "RS"}, 3);
  for (const char* code : {"PP", "DF", "WF", "LP", "IC", "PS", "UN"})
    rows.push_back({code, "VD"});
  return rows;
}

TEST(EqFun, HoldsTheRowsInOrder) {
  const std::vector<Pair> rows = ListedRows();
  ASSERT_EQ(rows.size(), 157u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(EQ_Find(rows[i].Code, rows[i].Component), static_cast<int>(i))
        << rows[i].Code << " " << rows[i].Component;
    const d_EqFun& row = EQ_Row(static_cast<int>(i));
    EXPECT_EQ(row.Code, rows[i].Code);
    EXPECT_NE(row.Function, nullptr);
  }
}

TEST(EqFun, FindsWithoutCase) {
  EXPECT_EQ(EQ_Find("pp", "total"), 0);
  EXPECT_EQ(EQ_Find("Ps", "vd"), 155);
  EXPECT_EQ(EQ_Find("XX", "Total"), -1);
  EXPECT_EQ(EQ_Find("PB", "Br-1in"), -1);  // eastern codes have no branch rows
  EXPECT_EQ(EQ_Find("PP", "Twig"), -1);
  EXPECT_EQ(EQ_Find("", ""), -1);  // the ending row is not a row
}

// Every row runs its own family's equation for its own code and component.
TEST(EqFun, EachRowRunsItsOwnEquation) {
  d_EP ep;
  ep.DBH = 14.0f;
  ep.Height = 70.0f;
  ep.CrownBase = 25.0f;
  for (const Pair& p : ListedRows()) {
    if (p.Component == "VD") continue;
    int slot = 0;
    while (p.Component != kSix[slot])
      ++slot;
    const int row = EQ_Find(p.Code, p.Component);
    ASSERT_GE(row, 0);
    const float got = EQ_Row(row).Function(ep);
    // each code belongs to one family; the others give it nothing
    const float want = BT_Weight(p.Code, slot, ep.DBH) + SL_Weight(p.Code, slot, ep.DBH) +
                       PJ_Weight(p.Code, slot, ep.DBH) +
                       East_Weight(p.Code, slot, ep.DBH, ep.Height, ep.CrownBase);
    EXPECT_FLOAT_EQ(got, want) << p.Code << " " << p.Component;
    if (slot == 0) {
      EXPECT_GT(got, 0.0f) << p.Code;
    }
  }

  // "VD" rows read the relative crown height from the Height field
  ep.Height = 0.5f;
  EXPECT_FLOAT_EQ(EQ_Row(EQ_Find("DF", "VD")).Function(ep), VD_Fraction("DF", 0.5f));
  EXPECT_FLOAT_EQ(EQ_Row(EQ_Find("IC", "VD")).Function(ep), VD_Fraction("IC", 0.5f));
}

}  // namespace

}  // namespace sylvanor
