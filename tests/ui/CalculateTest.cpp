#include "ui/Calculate.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

// A plot of two ponderosa pines and a Douglas-fir without a treatment, every
// box filled.
d_WindowInputs TwoPines() {
  d_WindowInputs in;
  in.Fuel.fill("1");
  for (std::string* box :
       {&in.ThinTarget, &in.CutEff, &in.MinDia, &in.MaxDia, &in.MerchDia, &in.TopDia, &in.YardLoss,
        &in.PruneHgt, &in.PruneMRCR, &in.PileSlash, &in.PileConsumed, &in.PileSurface,
        &in.ScorchHgt, &in.Moist10Hr, &in.Moist1kHr, &in.MossLichen, &in.DuffDepth, &in.DuffMoist})
    *box = "0";
  in.Trees = {{"1", "PIPO", "14", "70", "30", "D", "H", "", "20", "0.5", "", ""},
              {"2", "PIPO", "10", "50", "20", "C", "H", "", "100", "0.5", "", ""},
              {"3", "PSME", "10", "55", "25", "C", "H", "", "40", "0.5", "", ""}};
  return in;
}

class CalculateTest : public ::testing::Test {
 protected:
  d_CalcResult Run(const d_WindowInputs& in) { return Calculate(syl_, nes_, in, user_); }
  TempFolder folder_;
  std::filesystem::path user_ = MakeShippedUserFolder(folder_.path() / "user");
  c_NES nes_ = [this] {
    c_NES nes;
    std::string message;
    nes.LoadFile((user_ / "Emission_Factors.csv").string(), message);
    return nes;
  }();
  Sylvanor syl_;
};

TEST_F(CalculateTest, EachFailingStepGivesItsMessageAndTheWarning) {
  const struct {
    void (*spoil)(d_WindowInputs&);
    int step;
    std::string message;
  } rows[] = {
      {[](d_WindowInputs& in) { in.CBDThreshold = "2"; }, 3,
       "Settings Form Canopy Bulk Density  Threshold 2 is out of limits 0.001 -> 1.0"},
      {[](d_WindowInputs& in) { in.Fuel[1] = "lots"; }, 4,
       "Litter contains (lots) an invalid number"},
      {[](d_WindowInputs& in) { in.CutEff = ""; }, 5,
       "Cut Efficiency % contains a blank \nPlease fill in all inputs, Use a 0 for any unused "
       "inputs"},
      {[](d_WindowInputs& in) { in.Trees[1][2] = "ten"; }, 6,
       "Tree Grid Record in Error --> 2 PIPO \n DBH (ten) is not a number\nIf you are hand "
       "entering data fill in every column, include 0 thin & kill columns\nOr your input tree "
       "file may be in error. "}};
  for (const auto& row : rows) {
    d_WindowInputs in = TwoPines();
    row.spoil(in);
    const d_CalcResult result = Run(in);
    EXPECT_EQ(std::to_string(result.FailedStep) + "|" + result.Message,
              std::to_string(row.step) + "|" + row.message + kStepFailure);
  }
  // a species file the engine refuses stops the run at its start
  std::ofstream(user_ / "species.csv")
      << "1,ABCD,a,C,Yes,DF,DF,DF,DF,DF,DF,DF,DF,16,NOVOLUME,PSME\n";
  const d_CalcResult badTable = Run(TwoPines());
  EXPECT_EQ(badTable.FailedStep, 2);
  EXPECT_EQ(badTable.Message, syl_.Get_ErrMes() + kStepFailure);
  std::filesystem::remove(user_ / "species.csv");

  // a tree the engine refuses names its row
  d_WindowInputs in = TwoPines();
  in.Trees[2][1] = "ZZZZ";
  const d_CalcResult refused = Run(in);
  EXPECT_EQ(refused.Message.rfind("Tree record 3 in error\n ", 0), 0u) << refused.Message;
}

TEST_F(CalculateTest, ASelectedRowIsLeftOutAndTheGridGetsThinnedAndKilled) {
  d_WindowInputs in = TwoPines();
  in.Trees[1][2] = "not read";  // selected: never read
  in.Selected = {false, true, false};
  const d_CalcResult result = Run(in);
  ASSERT_TRUE(result.Ok) << result.Message;
  EXPECT_FLOAT_EQ(syl_.Get_PreSteDen(), 60);  // 20 + 40 trees/acre
  EXPECT_EQ(result.Thinned, std::vector<std::string>({"0.0", "", "0.0"}));
  EXPECT_EQ(result.Killed, std::vector<std::string>({"0.0", "", "0.0"}));
  EXPECT_GT(result.Indices.PreTorch, 0);
}

}  // namespace

}  // namespace sylvanor
