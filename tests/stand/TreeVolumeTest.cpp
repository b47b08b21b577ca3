#include "stand/TreeVolume.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

namespace sylvanor {

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

using Tree = std::tuple<std::string, float, float, float>;  // identifier, DBH, top, height

struct Outcome {
  int ok = 0;
  d_TreeVol vol{1, 2, 3};  // left over: cleared first
  std::string message = "old";
};

Outcome Volumes(const Tree& t) {
  Outcome o;
  const auto& [id, dbh, top, height] = t;
  o.ok = TreeVolume(id, dbh, top, height, o.vol, o.message);
  return o;
}

TEST(TreeVolume, JuniperByHand) {
  // species 999 is a cone with k = 0.9: D 10 in, H 40.5 ft gives
  // d(h) = (40.5 - h) / 4, and the 4-in top is at 24.5 ft
  const Outcome o = Volumes({"101DVEW999", 10, 4, 40.5f});
  ASSERT_EQ(o.ok, 1) << o.message;
  EXPECT_EQ(o.message, "");
  EXPECT_NEAR(o.vol.CuFt, 7.54834, 1e-4);    // pi 10.125^2 / 576 * 40.5 / 3
  EXPECT_NEAR(o.vol.BdFt, 11.51734, 1e-4);   // log to 17 ft, d 5.875: 27.26734 - 11.75 - 4
  EXPECT_NEAR(o.vol.MeCuFt, 6.53747, 1e-4);  // pi/576 * 81/3888 * (39.5^3 - 16^3)
}

// Inputs adjusted before the call (identifiers compared without case) give
// the volumes of the adjusted tree: the same as the second tree ('='), others
// ('!') or more ('>'). Red alder under 18 ft uses aspen; subalpine fir is at
// most 350 ft; thin trees count as 1 in; a top that is not a number is the
// tip; incense cedar and sugar pine use aspen only up to breast height.
TEST(TreeVolume, AdjustedInputs) {
  const std::tuple<Tree, char, Tree> rows[] = {
      {{"A00CURW260", 8, 2, 16}, '=', {"200DVEW746", 8, 2, 16}},
      {{"a00curw260", 8, 2, 16}, '=', {"200DVEW746", 8, 2, 16}},
      {{"A00CURW260", 8, 2, 17.9f}, '=', {"200DVEW746", 8, 2, 17.9f}},
      {{"A00CURW260", 8, 2, 18}, '!', {"200DVEW746", 8, 2, 18}},
      {{"I00FW2W019", 30, 6, 400}, '=', {"I00FW2W019", 30, 6, 350}},
      {{"I00FW2W017", 30, 6, 400}, '>', {"I00FW2W017", 30, 6, 350}},
      {{"I00FW2W202", 0.5f, 0, 12}, '=', {"I00FW2W202", 1, 0, 12}},
      {{"I00FW2W202", 10, kNaN, 40}, '=', {"I00FW2W202", 10, 0, 40}},
      {{"400MATW081", 6, 0, 4.6f}, '!', {"200DVEW746", 6, 0, 4.6f}},
      {{"400MATW117", 6, 0, 4.6f}, '!', {"200DVEW746", 6, 0, 4.6f}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row));
    const auto& [tree, relation, other] = row;
    const Outcome a = Volumes(tree), b = Volumes(other);
    ASSERT_EQ(a.ok + b.ok, 2) << a.message << b.message;
    if (relation == '=') {
      EXPECT_TRUE(a.vol.CuFt == b.vol.CuFt && a.vol.BdFt == b.vol.BdFt &&
                  a.vol.MeCuFt == b.vol.MeCuFt);
    }
    EXPECT_TRUE(relation != '>' || a.vol.CuFt > b.vol.CuFt);
    EXPECT_EQ(relation == '=', a.vol.CuFt == b.vol.CuFt);
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
      {{"I00FW2W202", kNaN, 2, 40}, 3, "I00FW2W202, DBH:  nan, TopDBH: 2.00, Height: 40.00"},
      {{"I00FW2W202", 10, 2, kNaN}, 3, "I00FW2W202, DBH: 10.00, TopDBH: 2.00, Height:  nan"},
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
    SCOPED_TRACE(::testing::PrintToString(tree));
    const Outcome o = Volumes(tree);
    EXPECT_EQ(o.ok, 0);
    EXPECT_EQ(o.message, "Error Number " + std::to_string(number) +
                             " - Volume Library\n Eq Id: " + inputs + "\n " + texts[number]);
    EXPECT_TRUE(o.vol.CuFt == 0 && o.vol.BdFt == 0 && o.vol.MeCuFt == 0);
  }
}

}  // namespace

}  // namespace sylvanor
