#include "stand/WesternHardwood.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "stand/CodeTable.h"

namespace sylvanor {

namespace {

// Six rows per code in the order "Tot", "Fol", "Twg", "1in", "3in", "3inP";
// an empty code ends the table.
constexpr std::array<d_SLRow, 31> kRows = {{
    {"RA", "Tot", -1.329, 2.6232, 0},
    {"RA", "Fol", 2.7638, 0.2155, 1.3364},
    {"RA", "Twg", 1.286, 0.1016, 1.3525},
    {"RA", "1in", 0.8847, 0.0441, 1.3021},
    {"RA", "3in", 0.955, 0.0013, 1.9736},
    {"RA", "3inP", 0, 0, 0},
    {"GC", "Tot", -0.8032, 2.2699, 0},
    {"GC", "Fol", 1.6048, 0.563, 0.6828},
    {"GC", "Twg", 1.07, 0.2525, 0.7637},
    {"GC", "1in", 0.7312, 0.1691, 0.6118},
    {"GC", "3in", 0.9669, 0.0036, 1.1786},
    {"GC", "3inP", 0, 0, 0},
    {"BM", "Tot", -0.0582, 2.1505, 0},
    {"BM", "Fol", 4.6762, 0.1091, 2.039},
    {"BM", "Twg", 3.3212, 0.0777, 2.0496},
    {"BM", "1in", 0.9341, 0.0158, 2.1627},
    {"BM", "3in", 0.8625, 0.0093, 1.707},
    {"BM", "3inP", 0, 0, 0},
    {"MA", "Tot", -0.7881, 2.4839, 0},
    {"MA", "Fol", 1.6013, 0.3591, 1.309},
    {"MA", "Twg", 1.0357, 0.2263, 1.3567},
    {"MA", "1in", 1.0281, 0.0084, 2.185},
    {"MA", "3in", 0.8778, 0.0115, 1.6394},
    {"MA", "3inP", 0, 0, 0},
    {"TO", "Tot", -0.3169, 2.2774, 0},
    {"TO", "Fol", 1.7936, 0.5952, 0.7239},
    {"TO", "Twg", 0.994, 0.4229, 0.652},
    {"TO", "1in", 0.8759, 0.0927, 0.7843},
    {"TO", "3in", 0, 0, 0},
    {"TO", "3inP", -999, 0, 0},
    {"", "", 0, 0, 0},
}};

constexpr double kClosesCrown = 0.0;
constexpr double kNoComponent = -999.0;

// Row names of the slots Total ... Br-3inP.
constexpr std::array<std::string_view, 6> kSlotRows = {"Tot", "Fol", "Twg", "1in", "3in", "3inP"};

}  // namespace

int SL_Idx(std::string_view code, std::string_view component) {
  return FindCodeRow(kRows, code, component);
}

const d_SLRow& SL_Row(int row) {
  // anything but a row the lookup gave lands on the ending row
  return CodeRowOrEnd(kRows, row);
}

double SL_Total(const d_SLRow& row, double dbh) {
  return std::exp(row.a + row.b * std::log(dbh));
}

double SL_Fraction(const d_SLRow& row, double dbh) {
  return 1.0 / (row.a + row.b * std::pow(dbh, row.c));
}

float SL_Weight(std::string_view code, int slot, float dbh) {
  if (dbh <= 0.0f || slot < 0 || slot >= static_cast<int>(kSlotRows.size())) return 0.0f;
  const int totRow = SL_Idx(code, kSlotRows[0]);
  const int row = SL_Idx(code, kSlotRows[static_cast<std::size_t>(slot)]);
  if (totRow < 0 || row < 0) return 0.0f;

  const double d = dbh;
  const double total = SL_Total(SL_Row(totRow), d);
  if (slot == 0) return static_cast<float>(total);
  const d_SLRow& r = SL_Row(row);
  if (slot == 1) return static_cast<float>(total * SL_Fraction(r, d));

  double fraction = 0.0;
  if (r.a == kNoComponent) {
    fraction = 0.0;
  } else if (r.a == kClosesCrown) {
    fraction = std::max(0.0, 1.0 - SL_Fraction(SL_Row(row - 1), d));
  } else {
    fraction = std::max(0.0, SL_Fraction(r, d) - SL_Fraction(SL_Row(row - 1), d));
  }
  return static_cast<float>(total * fraction);
}

}  // namespace sylvanor
