#include "stand/TreeList.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

using namespace std::string_literals;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// A sound English tree line; each case spoils or changes some of it.
struct Line {
  int treeNum = 1;
  std::string species = "PIPO";
  float dia = 10, hgt = 50, crnHgt = 20, tpa = 40;
  std::string crnCls = "D", status = "H";
  float retPri = 1, cutEff = 0.5f;
  std::string units = "English";
};

class TreeListTest : public ::testing::Test {
 protected:
  int Put(const Line& l) {
    return PTL_PutRec(list_, species_, recNum_++, l.treeNum, l.species, l.dia, l.hgt, l.crnHgt,
                      l.tpa, l.crnCls, l.status, l.retPri, l.cutEff, l.units, "", message_);
  }
  const d_ETTable species_ = SpeciesTable({{.Species = "PIPO"}, {.Species = "PSME"}});
  d_PTLTable list_;
  int recNum_ = 0;
  std::string message_;
};

TEST_F(TreeListTest, AcceptedLinesAreStoredInEnglishWithAllTheirFields) {
  message_ = "stale";
  EXPECT_EQ(PTL_PutRec(list_, species_, 9, 7, "pipo", 12.5f, 60, 0, 80, "sc", "d", 5, 1, "English",
                       "by the road", message_),
            1);
  const d_PTLRec& r = list_[0];  // a crown reaching the ground is allowed
  EXPECT_EQ(std::tuple(message_, r.RecNum, r.TreeNum, r.Species.str(), r.Dia, r.Hgt, r.CrnHgtPru,
                       r.TPAadj, r.CrnCls.str(), r.RetPri, r.CutEff, r.Note.str(), PTL_IsDead(r)),
            std::tuple(""s, 9, 7, "pipo"s, 12.5f, 60.0f, 0.0f, 80.0f, "sc"s, 5.0f, 1.0f,
                       "by the road"s, true));
  // every limit is inclusive; limits and values are metric with "metric"
  EXPECT_EQ(Put({.dia = 300, .hgt = 1000, .crnHgt = 999.9f, .tpa = 1e5f, .cutEff = 0}), 1);
  EXPECT_EQ(Put({.crnCls = "N", .status = "h", .retPri = 0, .cutEff = 1}), 1);
  ASSERT_EQ(Put({.dia = 762, .hgt = 304.8f, .crnHgt = 10, .tpa = 247100, .units = "metric"}), 1);
  const d_PTLRec& m = list_[3];
  EXPECT_NEAR(m.Dia, 300.0f, 1e-3f);      // 762 x 0.393701 = 300.00016
  EXPECT_NEAR(m.Hgt, 1000.0f, 0.02f);     // 304.8 x 3.2808 = 999.988
  EXPECT_NEAR(m.CrnHgt, 32.808f, 1e-4f);  // 10 x 3.2808
  EXPECT_NEAR(m.TPA, 100000.0f, 0.5f);    // 247100 / 2.471
  EXPECT_EQ(std::tuple(m.CrnHgtPru, m.TPAadj), std::tuple(m.CrnHgt, m.TPA));
  // the table empties and gives its capacity
  list_[kTreeSlots - 1].Species = "PIPO";
  EXPECT_EQ(PTL_InitTbl(list_), 4999);
  EXPECT_EQ(std::tuple(PTL_Count(list_), list_[0].Dia, list_[kTreeSlots - 1].Species.str()),
            std::tuple(0, 0.0f, ""s));
}

TEST_F(TreeListTest, EveryRefusalHasItsMessageAndLeavesTheTable) {
  // each row named by its message; the checks run in the order of the rows
  const std::pair<Line, std::string> rows[] = {
      {{.species = "ABCO"}, "Error - Invalid Species Code ABCO\n"},
      {{.dia = -1, .crnCls = "X", .status = "X"}, "Invalid Code X, use: D C I S O E SC N"},
      {{.dia = 301}, "Error - Invalid Diameter  301.0, Limit is 300.0\n"},
      {{.dia = 0}, "Error - Invalid Diameter    0.0, Limit is 300.0\n"},
      {{.dia = kNaN}, "Error - Invalid Diameter    nan, Limit is 300.0\n"},
      {{.hgt = 1000.5f}, "Error - Invalid Tree Height 1000.5, Limit is 1000.0\n"},
      {{.hgt = kNaN}, "Error - Invalid Tree Height    nan, Limit is 1000.0\n"},
      {{.crnHgt = -1}, "Error - Tree Crown Height (  -1.0) is less than 0 \n"},
      {{.crnHgt = kNaN}, "Error - Tree Crown Height (   nan) is less than 0 \n"},
      {{.crnHgt = 50},
       "Error - Tree Crown Height (  50.0) is greater/equal than top height ( 50.0)\n"},
      {{.tpa = 100001}, "Error - Invalid number of trees 100001.0, Limit is 100000.0\n"},
      {{.tpa = 0}, "Error - Invalid number of trees    0.0, Limit is 100000.0\n"},
      {{.tpa = kNaN}, "Error - Invalid number of trees    nan, Limit is 100000.0\n"},
      {{.status = "X"}, "Error - Invalid Tree Status Code: X \n"},
      {{.retPri = -0.5f}, "Error - Invalid Retention Priority: -0.50, use 0 -> 1.0\n"},
      {{.retPri = kNaN}, "Error - Invalid Retention Priority:  nan, use 0 -> 1.0\n"},
      {{.cutEff = 1.5f}, "Error - Invalid Free Thinning Cut Efficency: 1.50, use 0 -> 1.0\n"},
      {{.cutEff = -0.1f}, "Error - Invalid Free Thinning Cut Efficency: -0.10, use 0 -> 1.0\n"},
      {{.cutEff = kNaN}, "Error - Invalid Free Thinning Cut Efficency:  nan, use 0 -> 1.0\n"},
      {{.dia = 763, .units = "Metric"}, "Error - Invalid Diameter  763.0, Limit is 762.0\n"},
      {{.hgt = 305, .units = "metric"}, "Error - Invalid Tree Height  305.0, Limit is 304.8\n"},
      {{.tpa = 247101, .units = "Metric"},
       "Error - Invalid number of trees 247101.0, Limit is 247100.0\n"},
      {{.dia = 762, .units = "Imperial"}, "Error - Invalid Diameter  762.0, Limit is 300.0\n"},
  };
  Put({});  // one tree already in: a refusal leaves it the only one
  for (const auto& [line, message] : rows) {
    EXPECT_EQ(Put(line), 0) << message;
    EXPECT_EQ(message_, message);
    EXPECT_EQ(PTL_Count(list_), 1) << message;
    EXPECT_EQ(list_[1].Dia, 0.0f) << message;
  }
}

TEST_F(TreeListTest, TableHoldsAtMost4999Trees) {
  for (int i = 1; i <= 4999; ++i)
    ASSERT_EQ(Put({.treeNum = i}), 1) << "tree " << i << ": " << message_;
  EXPECT_EQ(Put({.treeNum = 5000}), 0);
  EXPECT_EQ(message_, "Error - Plot Tree List Table is full, max size is 5000");
  EXPECT_EQ(std::tuple(list_[4998].TreeNum, list_[4999].Species.str()), std::tuple(4999, ""s));
  // a bad line on a full table is told about its own fault
  EXPECT_EQ(Put({.dia = 0}), 0);
  EXPECT_EQ(message_, "Error - Invalid Diameter    0.0, Limit is 300.0\n");
}

TEST_F(TreeListTest, InfoOfTheFirstTreeAndLineOfTheLastWithTheNumber) {
  Put({.treeNum = 4, .species = "PSME"});
  Put({.treeNum = 4, .dia = 14, .hgt = 70, .crnHgt = 30, .tpa = 12, .crnCls = "C", .retPri = 3});
  list_[0].TPAadj = 30;  // 10 of the 40 thinned
  list_[0].Killed = 5;
  list_[0].MortPct = 0.6f;
  list_[1].CrnHgtPru = 45;  // pruned; the crown base as entered is reported
  std::string species = "unchanged", crnCls, status;
  float killed = -1, mortPct, thinned, pct, dia = -1, hgt, crnHgt, tpa, retPri;
  // an unknown number copies nothing
  EXPECT_EQ(PTL_GetInfo(list_, 9, species, killed, mortPct, thinned, pct) +
                PTL_GetRecInfo(list_, 9, species, dia, hgt, crnHgt, tpa, retPri, crnCls, status),
            0);
  EXPECT_EQ(std::tuple(species, killed, dia), std::tuple("unchanged"s, -1.0f, -1.0f));
  EXPECT_EQ(PTL_GetInfo(list_, 4, species, killed, mortPct, thinned, pct), 1);
  EXPECT_EQ(std::tuple(species, killed, mortPct, thinned, pct),
            std::tuple("PSME"s, 5.0f, 0.6f, 10.0f, 25.0f));
  list_[0].TPAadj = 45;  // more left than entered counts as none thinned
  EXPECT_EQ(PTL_GetInfo(list_, 4, species, killed, mortPct, thinned, pct), 1);
  EXPECT_EQ(std::tuple(thinned, pct), std::tuple(0.0f, 0.0f));
  EXPECT_EQ(PTL_GetRecInfo(list_, 4, species, dia, hgt, crnHgt, tpa, retPri, crnCls, status), 1);
  EXPECT_EQ(std::tuple(species, dia, hgt, crnHgt, tpa, retPri, crnCls, status),
            std::tuple("PIPO"s, 14.0f, 70.0f, 30.0f, 12.0f, 3.0f, "C"s, "H"s));
}

TEST_F(TreeListTest, DensityCodesSumsAndTheStartOfAnExecution) {
  d_PTLRec r = TreeRec({.TPA = 40});
  const std::tuple<float, float, const char*, float> rows[] = {
      // TPAadj, Killed, code, trees
      {30, 12, "TPA", 40},      {30, 12, "TPAadj", 30},   {30, 12, "Thinned", 10},
      {30, 12, "PostMort", 18}, {30, 12, "tpa", 0},       {30, 12, "Bogus", 0},
      {45, 35, "Thinned", 0},   {45, 35, "PostMort", 10}, {30, 35, "PostMort", 0}};
  for (const auto& [adj, killed, code, expected] : rows) {
    std::tie(r.TPAadj, r.Killed) = std::tuple(adj, killed);
    EXPECT_EQ(PTL_GetTPA(r, code), expected) << code << " " << adj << " " << killed;
  }
  Put({.dia = 4, .tpa = 100});
  Put({.dia = 8, .tpa = 50});
  Put({.dia = 12, .tpa = 20});
  list_[2].TPAadj = 15;
  list_[3].Dia = 4;  // beyond the list
  // the 8-inch tree is not below 8
  EXPECT_EQ(std::tuple(PTL_SumTPA(list_, "TPA"), PTL_SumTPA(list_, "TPAadj"),
                       PTL_SumTPA(list_, "Thinned"), PTL_SumTPA(list_, "TPA", 8),
                       PTL_SumTPA(list_, "TPAadj", 8.01f), PTL_SumTPA(list_, "Bogus", 0)),
            std::tuple(170.0f, 165.0f, 5.0f, 70.0f, 15.0f, 0.0f));
  // every tree's density back to as entered, its basal area from its diameter
  PTL_Prepare(list_);
  EXPECT_EQ(list_[2].TPAadj, 20.0f);
  EXPECT_NEAR(list_[1].BasAre, 50.26544f, 1e-4f);   // 3.14159 x 4^2
  EXPECT_NEAR(list_[2].BasAre, 113.09724f, 1e-4f);  // 3.14159 x 6^2
  EXPECT_EQ(list_[3].BasAre, 0.0f);
}

TEST_F(TreeListTest, RetentionOrderIsAscendingAndMovesWholeRecords) {
  // Ties follow the exchanges. Worked through by hand for 2 1 2 1: i=1 swaps
  // with 0 (1 2 3 4 -> 2 1 3 4), i=3 swaps with 1 (-> 2 4 3 1); no other pair
  // has i's priority below j's. The twos end up reversed.
  const std::pair<std::vector<float>, std::vector<int>> rows[] = {{{3, 1, 2}, {2, 3, 1}},
                                                                  {{2, 1, 2, 1}, {2, 4, 3, 1}}};
  for (const auto& [priorities, order] : rows) {
    PTL_InitTbl(list_);
    for (int num = 1; num <= static_cast<int>(priorities.size()); ++num)
      Put({.treeNum = num, .dia = 10.0f * num, .retPri = priorities[num - 1]});
    PTL_SortRetPri(list_);
    for (std::size_t i = 0; i < order.size(); ++i) {
      const d_PTLRec& r = list_[i];
      EXPECT_EQ(std::tuple(r.TreeNum, r.Dia, r.RetPri),
                std::tuple(order[i], 10.0f * order[i], priorities[order[i] - 1]))
          << priorities.size() << " trees, slot " << i;
    }
  }
}

}  // namespace

}  // namespace sylvanor
