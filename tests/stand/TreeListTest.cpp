#include "stand/TreeList.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "stand/EquationTable.h"

namespace sylvanor {

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

class TreeListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedSpecies_ = s_ET().Rows;
    s_ET().Rows.clear();
    for (const char* code : {"PIPO", "PSME"}) {
      d_ET row;
      row.Species = code;
      s_ET().Rows.push_back(row);
    }
    PTL_InitTbl();
  }
  void TearDown() override {
    PTL_InitTbl();
    s_ET().Rows = savedSpecies_;
  }

  // A sound English tree line; each test spoils one value.
  struct Line {
    int treeNum = 1;
    std::string species = "PIPO";
    float dia = 10, hgt = 50, crnHgt = 20, tpa = 40;
    std::string crnCls = "D", status = "H";
    float retPri = 1, cutEff = 0.5f;
    std::string units = "English";
  };

  int Put(const Line& l) {
    return PTL_PutRec(recNum_++, l.treeNum, l.species, l.dia, l.hgt, l.crnHgt, l.tpa, l.crnCls,
                      l.status, l.retPri, l.cutEff, l.units, "", message_);
  }

  // Puts a line that must be refused, and checks the table kept its trees.
  std::string Refused(const Line& l) {
    const int before = PTL_Count();
    EXPECT_EQ(Put(l), 0);
    EXPECT_EQ(PTL_Count(), before);
    const d_PTLRec& next = s_PTL()[before];
    EXPECT_TRUE(next.Species.empty());
    EXPECT_EQ(next.TreeNum, 0);
    EXPECT_EQ(next.Dia, 0.0f);
    EXPECT_EQ(next.TPA, 0.0f);
    return message_;
  }

  std::vector<int> TreeNums() {
    std::vector<int> nums;
    for (int i = 0; i < PTL_Count(); ++i)
      nums.push_back(s_PTL()[i].TreeNum);
    return nums;
  }

  std::vector<d_ET> savedSpecies_;
  int recNum_ = 0;
  std::string message_;
};

TEST_F(TreeListTest, InitEmptiesTheTableAndGivesItsCapacity) {
  Put(Line{});
  s_PTL()[0].Killed = 3;
  s_PTL()[kTreeSlots - 1].Species = "PIPO";
  EXPECT_EQ(PTL_InitTbl(), 4999);
  EXPECT_EQ(PTL_Count(), 0);
  EXPECT_TRUE(s_PTL()[0].Species.empty());
  EXPECT_EQ(s_PTL()[0].Killed, 0.0f);
  EXPECT_EQ(s_PTL()[0].Dia, 0.0f);
  EXPECT_TRUE(s_PTL()[kTreeSlots - 1].Species.empty());
}

TEST_F(TreeListTest, AcceptedLineIsStoredWithAllItsFields) {
  message_ = "stale";
  EXPECT_EQ(PTL_PutRec(0, 7, "pipo", 12.5f, 60, 0, 80, "sc", "d", 5, 1, "English", "by the road",
                       message_),
            1);
  EXPECT_EQ(message_, "");
  const d_PTLRec& r = s_PTL()[0];
  EXPECT_EQ(r.RecNum, 0);
  EXPECT_EQ(r.TreeNum, 7);
  EXPECT_EQ(r.Species, "pipo");
  EXPECT_EQ(r.Dia, 12.5f);
  EXPECT_EQ(r.Hgt, 60.0f);
  EXPECT_EQ(r.CrnHgt, 0.0f);  // a crown reaching the ground is allowed
  EXPECT_EQ(r.CrnHgtPru, 0.0f);
  EXPECT_EQ(r.TPA, 80.0f);
  EXPECT_EQ(r.TPAadj, 80.0f);
  EXPECT_EQ(r.CrnCls, "sc");
  EXPECT_EQ(r.Status, "d");
  EXPECT_TRUE(PTL_IsDead(r));
  EXPECT_EQ(r.RetPri, 5.0f);
  EXPECT_EQ(r.CutEff, 1.0f);
  EXPECT_EQ(r.Note, "by the road");
  EXPECT_EQ(PTL_Count(), 1);

  Line live;
  live.status = "h";
  EXPECT_EQ(Put(live), 1);
  EXPECT_FALSE(PTL_IsDead(s_PTL()[1]));
}

TEST_F(TreeListTest, EveryCheckHasItsMessage) {
  Put(Line{});  // one tree already in; refusals must leave it the only one
  Line l;
  l.species = "ABCO";
  EXPECT_EQ(Refused(l), "Error - Invalid Species Code ABCO\n");
  l = Line{};
  l.crnCls = "X";
  EXPECT_EQ(Refused(l), "Invalid Code X, use: D C I S O E SC N");
  l = Line{};
  l.dia = 301;
  EXPECT_EQ(Refused(l), "Error - Invalid Diameter  301.0, Limit is 300.0\n");
  l.dia = 0;
  EXPECT_EQ(Refused(l), "Error - Invalid Diameter    0.0, Limit is 300.0\n");
  l = Line{};
  l.hgt = 1000.5f;
  EXPECT_EQ(Refused(l), "Error - Invalid Tree Height 1000.5, Limit is 1000.0\n");
  l = Line{};
  l.crnHgt = -1;
  EXPECT_EQ(Refused(l), "Error - Tree Crown Height (  -1.0) is less than 0 \n");
  l.crnHgt = 50;
  EXPECT_EQ(Refused(l),
            "Error - Tree Crown Height (  50.0) is greater/equal than top height ( 50.0)\n");
  l = Line{};
  l.tpa = 100001;
  EXPECT_EQ(Refused(l), "Error - Invalid number of trees 100001.0, Limit is 100000.0\n");
  l.tpa = 0;
  EXPECT_EQ(Refused(l), "Error - Invalid number of trees    0.0, Limit is 100000.0\n");
  l = Line{};
  l.status = "X";
  EXPECT_EQ(Refused(l), "Error - Invalid Tree Status Code: X \n");
  l = Line{};
  l.retPri = -0.5f;
  EXPECT_EQ(Refused(l), "Error - Invalid Retention Priority: -0.50, use 0 -> 1.0\n");
  l = Line{};
  l.cutEff = 1.5f;
  EXPECT_EQ(Refused(l), "Error - Invalid Free Thinning Cut Efficency: 1.50, use 0 -> 1.0\n");
  l.cutEff = -0.1f;
  EXPECT_EQ(Refused(l), "Error - Invalid Free Thinning Cut Efficency: -0.10, use 0 -> 1.0\n");
}

TEST_F(TreeListTest, ChecksRunInOrderAndLimitsAreInclusive) {
  Line l;
  l.crnCls = "X";
  l.dia = -1;
  l.status = "X";
  EXPECT_EQ(Refused(l), "Invalid Code X, use: D C I S O E SC N");

  Line edge;
  edge.dia = 300;
  edge.hgt = 1000;
  edge.crnHgt = 999.9f;
  edge.tpa = 100000;
  edge.retPri = 99;
  edge.cutEff = 0;
  EXPECT_EQ(Put(edge), 1) << message_;
  edge.retPri = 0;
  edge.cutEff = 1;
  edge.crnCls = "N";
  edge.status = "U";
  EXPECT_EQ(Put(edge), 1) << message_;
}

TEST_F(TreeListTest, NaNIsRefusedWithTheMessageOfItsValue) {
  auto startsWith = [](const std::string& text, const std::string& head) {
    return text.rfind(head, 0) == 0;
  };
  Line l;
  l.dia = kNaN;
  EXPECT_TRUE(startsWith(Refused(l), "Error - Invalid Diameter")) << message_;
  l = Line{};
  l.hgt = kNaN;
  EXPECT_TRUE(startsWith(Refused(l), "Error - Invalid Tree Height")) << message_;
  l = Line{};
  l.crnHgt = kNaN;
  EXPECT_TRUE(startsWith(Refused(l), "Error - Tree Crown Height (")) << message_;
  EXPECT_NE(message_.find("less than 0"), std::string::npos);
  l = Line{};
  l.tpa = kNaN;
  EXPECT_TRUE(startsWith(Refused(l), "Error - Invalid number of trees")) << message_;
  l = Line{};
  l.retPri = kNaN;
  EXPECT_TRUE(startsWith(Refused(l), "Error - Invalid Retention Priority")) << message_;
  l = Line{};
  l.cutEff = kNaN;
  EXPECT_TRUE(startsWith(Refused(l), "Error - Invalid Free Thinning Cut Efficency")) << message_;
}

TEST_F(TreeListTest, MetricLinesAreCheckedInMetricAndStoredInEnglish) {
  Line l;
  l.units = "metric";
  l.dia = 762;
  l.hgt = 304.8f;
  l.crnHgt = 10;
  l.tpa = 247100;
  ASSERT_EQ(Put(l), 1) << message_;
  const d_PTLRec& r = s_PTL()[0];
  EXPECT_NEAR(r.Dia, 300.0f, 1e-3f);   // 762 x 0.393701 = 300.00016
  EXPECT_NEAR(r.Hgt, 1000.0f, 0.02f);  // 304.8 x 3.2808 = 999.988
  EXPECT_NEAR(r.CrnHgt, 32.808f, 1e-4f);
  EXPECT_NEAR(r.CrnHgtPru, 32.808f, 1e-4f);
  EXPECT_NEAR(r.TPA, 100000.0f, 0.5f);  // 247100 / 2.471
  EXPECT_EQ(r.TPAadj, r.TPA);

  l = Line{};
  l.units = "Metric";
  l.dia = 763;
  EXPECT_EQ(Refused(l), "Error - Invalid Diameter  763.0, Limit is 762.0\n");
  l = Line{};
  l.units = "Metric";
  l.hgt = 305;
  EXPECT_EQ(Refused(l), "Error - Invalid Tree Height  305.0, Limit is 304.8\n");
  l = Line{};
  l.units = "Metric";
  l.tpa = 247101;
  EXPECT_EQ(Refused(l), "Error - Invalid number of trees 247101.0, Limit is 247100.0\n");

  // any other units text means English: 762 in is over the limit
  l = Line{};
  l.units = "Imperial";
  l.dia = 762;
  EXPECT_EQ(Refused(l), "Error - Invalid Diameter  762.0, Limit is 300.0\n");
}

TEST_F(TreeListTest, TableHoldsAtMost4999Trees) {
  Line l;
  for (int i = 0; i < 4998; ++i) {
    l.treeNum = i + 1;
    ASSERT_EQ(Put(l), 1) << "tree " << i + 1 << ": " << message_;
  }
  l.treeNum = 4999;
  EXPECT_EQ(Put(l), 1) << message_;
  EXPECT_EQ(PTL_Count(), 4999);
  EXPECT_EQ(s_PTL()[4998].TreeNum, 4999);

  l.treeNum = 5000;
  EXPECT_EQ(Refused(l), "Error - Plot Tree List Table is full, max size is 5000");
  EXPECT_EQ(s_PTL()[4998].TreeNum, 4999);
  // a bad line on a full table is told about its own fault
  l.dia = 0;
  EXPECT_EQ(Refused(l), "Error - Invalid Diameter    0.0, Limit is 300.0\n");
}

TEST_F(TreeListTest, GetInfoReportsTheFirstTreeWithTheNumber) {
  Line l;
  l.treeNum = 4;
  l.species = "PSME";
  Put(l);
  l.species = "PIPO";
  Put(l);
  s_PTL()[0].TPAadj = 30;  // 10 of the 40 thinned
  s_PTL()[0].Killed = 5;
  s_PTL()[0].MortPct = 0.6f;

  std::string species;
  float killed = -1, mortPct = -1, thinned = -1, pctThinned = -1;
  EXPECT_EQ(PTL_GetInfo(4, species, killed, mortPct, thinned, pctThinned), 1);
  EXPECT_EQ(species, "PSME");
  EXPECT_EQ(killed, 5.0f);
  EXPECT_EQ(mortPct, 0.6f);
  EXPECT_FLOAT_EQ(thinned, 10.0f);
  EXPECT_FLOAT_EQ(pctThinned, 25.0f);

  s_PTL()[0].TPAadj = 45;  // more left than entered counts as none thinned
  EXPECT_EQ(PTL_GetInfo(4, species, killed, mortPct, thinned, pctThinned), 1);
  EXPECT_EQ(thinned, 0.0f);
  EXPECT_EQ(pctThinned, 0.0f);

  species = "unchanged";
  killed = mortPct = thinned = pctThinned = -1;
  EXPECT_EQ(PTL_GetInfo(9, species, killed, mortPct, thinned, pctThinned), 0);
  EXPECT_EQ(species, "unchanged");
  EXPECT_EQ(killed, -1.0f);
  EXPECT_EQ(mortPct, -1.0f);
  EXPECT_EQ(thinned, -1.0f);
  EXPECT_EQ(pctThinned, -1.0f);
}

TEST_F(TreeListTest, GetRecInfoReportsTheLastTreeWithTheNumber) {
  Line l;
  l.treeNum = 2;
  Put(l);
  l.species = "PSME";
  l.dia = 14;
  l.hgt = 70;
  l.crnHgt = 30;
  l.tpa = 12;
  l.retPri = 3;
  l.crnCls = "C";
  l.status = "S";
  Put(l);
  s_PTL()[1].CrnHgtPru = 45;  // pruned; the crown base as entered is reported

  std::string species, crnCls, status;
  float dia = 0, hgt = 0, crnHgt = 0, tpa = 0, retPri = 0;
  EXPECT_EQ(PTL_GetRecInfo(2, species, dia, hgt, crnHgt, tpa, retPri, crnCls, status), 1);
  EXPECT_EQ(species, "PSME");
  EXPECT_EQ(dia, 14.0f);
  EXPECT_EQ(hgt, 70.0f);
  EXPECT_EQ(crnHgt, 30.0f);
  EXPECT_EQ(tpa, 12.0f);
  EXPECT_EQ(retPri, 3.0f);
  EXPECT_EQ(crnCls, "C");
  EXPECT_EQ(status, "S");

  species = "unchanged";
  dia = -1;
  EXPECT_EQ(PTL_GetRecInfo(3, species, dia, hgt, crnHgt, tpa, retPri, crnCls, status), 0);
  EXPECT_EQ(species, "unchanged");
  EXPECT_EQ(dia, -1.0f);
}

TEST_F(TreeListTest, DensityCodesAndTheirSums) {
  d_PTLRec r;
  r.TPA = 40;
  r.TPAadj = 30;
  r.Killed = 12;
  EXPECT_EQ(PTL_GetTPA(r, "TPA"), 40.0f);
  EXPECT_EQ(PTL_GetTPA(r, "TPAadj"), 30.0f);
  EXPECT_EQ(PTL_GetTPA(r, "Thinned"), 10.0f);
  EXPECT_EQ(PTL_GetTPA(r, "PostMort"), 18.0f);
  EXPECT_EQ(PTL_GetTPA(r, "tpa"), 0.0f);  // codes are compared exactly
  EXPECT_EQ(PTL_GetTPA(r, "Bogus"), 0.0f);
  r.Killed = 35;
  r.TPAadj = 45;
  EXPECT_EQ(PTL_GetTPA(r, "Thinned"), 0.0f);
  EXPECT_EQ(PTL_GetTPA(r, "PostMort"), 10.0f);
  r.TPAadj = 30;
  EXPECT_EQ(PTL_GetTPA(r, "PostMort"), 0.0f);

  Line l;
  l.dia = 4;
  l.tpa = 100;
  Put(l);
  l.dia = 8;
  l.tpa = 50;
  Put(l);
  l.dia = 12;
  l.tpa = 20;
  Put(l);
  s_PTL()[2].TPAadj = 15;
  EXPECT_EQ(PTL_SumTPA("TPA"), 170.0f);
  EXPECT_EQ(PTL_SumTPA("TPAadj"), 165.0f);
  EXPECT_EQ(PTL_SumTPA("Thinned"), 5.0f);
  EXPECT_EQ(PTL_SumTPA("TPA", 8), 70.0f);  // the 8-inch tree is not below 8
  EXPECT_EQ(PTL_SumTPA("TPAadj", 8.01f), 15.0f);
  EXPECT_EQ(PTL_SumTPA("TPA", 12.5f), 0.0f);
  EXPECT_EQ(PTL_SumTPA("Bogus", 0), 0.0f);
}

TEST_F(TreeListTest, PrepareResetsThinningAndSetsBasalArea) {
  Line l;
  l.dia = 10;
  Put(l);
  l.dia = 3;
  Put(l);
  s_PTL()[0].TPAadj = 5;
  PTL_Prepare();
  EXPECT_EQ(s_PTL()[0].TPAadj, 40.0f);
  EXPECT_NEAR(s_PTL()[0].BasAre, 78.53975f, 1e-4f);   // 3.14159 x 5^2
  EXPECT_NEAR(s_PTL()[1].BasAre, 7.0685775f, 1e-5f);  // 3.14159 x 1.5^2
  EXPECT_EQ(s_PTL()[2].BasAre, 0.0f);                 // free slots are left alone
}

TEST_F(TreeListTest, RetentionOrderIsAscendingAndMovesWholeRecords) {
  Line l;
  const float priorities[] = {3, 1, 2};
  for (int i = 0; i < 3; ++i) {
    l.treeNum = i + 1;
    l.retPri = priorities[i];
    l.dia = 10.0f * (i + 1);
    Put(l);
  }
  PTL_SortRetPri();
  EXPECT_EQ(TreeNums(), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(s_PTL()[0].RetPri, 1.0f);
  EXPECT_EQ(s_PTL()[0].Dia, 20.0f);
  EXPECT_EQ(s_PTL()[0].RecNum, 1);
  EXPECT_EQ(s_PTL()[2].Dia, 10.0f);
  EXPECT_TRUE(s_PTL()[3].Species.empty());
}

TEST_F(TreeListTest, RetentionOrderOfTiesFollowsTheExchanges) {
  // Priorities 2 1 2 1 for trees 1 2 3 4. Worked through by hand: i=1 swaps
  // with 0 (1 2 3 4 -> 2 1 3 4), i=3 swaps with 1 (-> 2 4 3 1); no other
  // pair has i's priority below j's. The twos end up reversed.
  Line l;
  const float priorities[] = {2, 1, 2, 1};
  for (int i = 0; i < 4; ++i) {
    l.treeNum = i + 1;
    l.retPri = priorities[i];
    Put(l);
  }
  PTL_SortRetPri();
  EXPECT_EQ(TreeNums(), (std::vector<int>{2, 4, 3, 1}));
}

}  // namespace

}  // namespace sylvanor
