#include "stand/TreeVolume.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace sylvanor {

namespace {

using namespace std::string_literals;
using Tree = std::tuple<std::string, float, float, float>;  // identifier, DBH, top, height

// Cubic, board and merchantable feet (left over ones cleared first), the
// result and the message of a tree.
std::tuple<float, float, float, int, std::string> Volumes(const Tree& t) {
  d_TreeVol v{1, 2, 3};
  std::string message = "old";
  const auto& [id, dbh, top, height] = t;
  const int ok = TreeVolume(id, dbh, top, height, v, message);
  return {v.CuFt, v.BdFt, v.MeCuFt, ok, message};
}

// Species 999 is a cone with k = 0.9: D 10 in, H 40.5 ft gives d(h) = (40.5 - h) / 4, and
// the 4-in top is at 24.5 ft.
TEST(TreeVolume, JuniperByHand) {
  const auto [cuFt, bdFt, meCuFt, ok, message] = Volumes({"101DVEW999", 10, 4, 40.5f});
  ASSERT_EQ(std::pair(ok, message), std::pair(1, ""s));
  EXPECT_NEAR(cuFt, 7.54834, 1e-4);    // pi 10.125^2 / 576 * 40.5 / 3
  EXPECT_NEAR(bdFt, 11.51734, 1e-4);   // log to 17 ft, d 5.875: 27.26734 - 11.75 - 4
  EXPECT_NEAR(meCuFt, 6.53747, 1e-4);  // pi/576 * 81/3888 * (39.5^3 - 16^3)
}

// Inputs adjusted before the call (identifiers compared without case) give the volumes of the
// adjusted tree: the same as the second tree ('='), other cubic feet ('!') or more ('>'). Red alder
// under 18 ft uses aspen; subalpine fir is at most 350 ft; thin trees count as 1 in; incense cedar
// and sugar pine use aspen only up to breast height.
TEST(TreeVolume, AdjustedInputs) {
  const std::tuple<Tree, char, Tree> rows[] = {
      {{"A00CURW260", 8, 2, 16}, '=', {"200DVEW746", 8, 2, 16}},
      {{"a00curw260", 8, 2, 16}, '=', {"200DVEW746", 8, 2, 16}},
      {{"A00CURW260", 8, 2, 17.9f}, '=', {"200DVEW746", 8, 2, 17.9f}},
      {{"A00CURW260", 8, 2, 18}, '!', {"200DVEW746", 8, 2, 18}},
      {{"I00FW2W019", 30, 6, 400}, '=', {"I00FW2W019", 30, 6, 350}},
      {{"I00FW2W017", 30, 6, 400}, '>', {"I00FW2W017", 30, 6, 350}},
      {{"I00FW2W202", 0.95f, 0, 12}, '=', {"I00FW2W202", 1, 0, 12}},
      {{"400MATW081", 6, 0, 4.6f}, '!', {"200DVEW746", 6, 0, 4.6f}},
      {{"400MATW117", 6, 0, 4.6f}, '!', {"200DVEW746", 6, 0, 4.6f}},
  };
  for (const auto& [tree, relation, other] : rows) {
    SCOPED_TRACE(::testing::PrintToString(tree));
    const auto a = Volumes(tree), b = Volumes(other);
    ASSERT_EQ(std::get<3>(a) + std::get<3>(b), 2) << std::get<4>(a) << std::get<4>(b);
    const float cuA = std::get<0>(a), cuB = std::get<0>(b);
    EXPECT_TRUE(relation == '=' ? a == b : (relation == '>' ? cuA > cuB : cuA != cuB));
  }
}

// A refused tree has no volumes and the message "Error Number N - Volume
// Library", the inputs as adjusted and the error's text.
TEST(TreeVolume, ErrorMessages) {
  const char* texts[] = {"",
                         "No/Invalid volume equation match",
                         "",
                         "DBH less than one, or Invalid Height",
                         "Tree height less than 4.5",
                         "D2H is out of bounds",
                         "No species match"};
  const std::tuple<Tree, int, const char*> rows[] = {
      // shorter than 10 characters asks for the forest's default: there is no forest
      {{"", 10, 2, 40}, 1, ", DBH: 10.00, TopDBH: 2.00, Height: 40.00"},
      {{"I00XYZW202", 12.345f, 0, 40}, 1, "I00XYZW202, DBH: 12.35, TopDBH: 0.00, Height: 40.00"},
      {{"I00FW2W202", 10, 2, 0}, 3, "I00FW2W202, DBH: 10.00, TopDBH: 2.00, Height: 0.00"},
      {{"I00FW2W202", 10, 2, 4}, 4, "I00FW2W202, DBH: 10.00, TopDBH: 2.00, Height: 4.00"},
      {{"I00FW2W202", 0.5f, 2, 3}, 4, "I00FW2W202, DBH: 1.00, TopDBH: 2.00, Height: 3.00"},
      // the aspen equation still cannot take a tree of 4.5 ft
      {{"400MATW081", 6, 0, 4.5f}, 4, "200DVEW746, DBH: 6.00, TopDBH: 0.00, Height: 4.50"},
      {{"400matw117", 6, 0, 4.5f}, 4, "200DVEW746, DBH: 6.00, TopDBH: 0.00, Height: 4.50"},
      {{"I00FW2W202", 300, 2, 1001}, 5, "I00FW2W202, DBH: 300.00, TopDBH: 2.00, Height: 1001.00"},
      // the limited height is shown: 600^2 x 350 = 1.26e8 is out of bounds
      {{"i00fw2w019", 600, 6, 400}, 5, "i00fw2w019, DBH: 600.00, TopDBH: 6.00, Height: 350.00"},
      {{"I00FW2W555", 10, 2, 40}, 6, "I00FW2W555, DBH: 10.00, TopDBH: 2.00, Height: 40.00"},
  };
  for (const auto& [tree, number, inputs] : rows) {
    EXPECT_EQ(Volumes(tree),
              std::tuple(0.0f, 0.0f, 0.0f, 0,
                         "Error Number " + std::to_string(number) +
                             " - Volume Library\n Eq Id: " + inputs + "\n " + texts[number]))
        << ::testing::PrintToString(tree);
  }
}

}  // namespace

}  // namespace sylvanor
