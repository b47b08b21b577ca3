#include "stand/WesternConifer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "stand/CodeTable.h"

namespace sylvanor {

namespace {

// Six rows per code in the order "Tot", "Fol", "Twg", "1in", "3in", "3inP";
// an empty code ends the table.
constexpr std::array<d_BTRow, 67> kRows = {{
    // code  comp    form  a        b         xL   yL  xU   yU
    {"PP", "Tot", 1, 0.268, 2.074, 0, 0, 0, 0},
    {"PP", "Fol", 3, 0.558, -0.0475, 0, 0, 0, 0},
    {"PP", "Twg", 3, 0.625, -0.0511, 0, 0, 0, 0},
    {"PP", "1in", 3, 0.985, -0.031, 1, 1, 0, 0},
    {"PP", "3in", 4, 1.083, 0.0131, 6.5, 1, 0, 0},
    {"PP", "3inP", 0, 1, 0, 0, 0, 0, 0},
    {"GF", "Tot", 1, 1.3094, 1.6076, 0, 0, 0, 0},
    {"GF", "Fol", 5, 1.592, 0.0529, 0, 0, 36, 0.286},
    {"GF", "Twg", 5, 1.15, 0.0416, 0, 0, 36, 0.286},
    {"GF", "1in", 4, 1.027, 0.015, 2.9, 1, 36, 0.488},
    {"GF", "3in", 0, 1, 0, 0, 0, 0, 0},
    {"GF", "3inP", 0, 1, 0, 0, 0, 0, 0},
    {"DF", "Tot", 1, 1.1368, 1.5819, 0, 0, 0, 0},
    {"DF", "Fol", 3, 0.484, -0.021, 0, 0, 36, 0.227},
    {"DF", "Twg", 3, 0.729, -0.0233, 0, 0, 36, 0.315},
    {"DF", "1in", 4, 1.034, 0.0158, 2.9, 1, 36, 0.465},
    {"DF", "3in", 4, 1.022, 0.00182, 14, 1, 0, 0},
    {"DF", "3inP", 0, 1, 0, 0, 0, 0, 0},
    {"LP", "Tot", 1, 0.1224, 1.882, 0, 0, 0, 0},
    {"LP", "Fol", 4, 0.493, 0.0117, 0, 0, 0, 0},
    {"LP", "Twg", 4, 0.777, 0.0146, 0, 0, 0, 0},
    {"LP", "1in", 4, 1.049, 0.014, 3.9, 1, 0, 0},
    {"LP", "3in", 0, 1, 0, 0, 0, 0, 0},
    {"LP", "3inP", 0, 1, 0, 0, 0, 0, 0},
    {"WL", "Tot", 1, 0.4373, 1.6786, 0, 0, 0, 0},
    {"WL", "Fol", 3, 0.347, -0.0434, 0, 0, 0, 0},
    {"WL", "Twg", 3, 0.745, -0.0632, 0, 0, 0, 0},
    {"WL", "1in", 3, 1.054, -0.0213, 2.9, 1, 0, 0},
    {"WL", "3in", 6, 0.922, -0.72, 11, 1, 0, 0},
    {"WL", "3inP", 0, 0, 0, 0, 0, 0, 0},
    {"SF", "Tot", 2, 7.345, 1.255, 0, 0, 0, 0},
    {"SF", "Fol", 3, 0.597, -0.0425, 0, 0, 0, 0},
    {"SF", "Twg", 3, 0.864, -0.0373, 0, 0, 0, 0},
    {"SF", "1in", 4, 1.022, 0.0108, 2.9, 1, 0, 0},
    {"SF", "3in", 0, 1, 0, 0, 0, 0, 0},
    {"SF", "3inP", 0, 1, 0, 0, 0, 0, 0},
    {"ES", "Tot", 1, 1.0404, 1.7096, 0, 0, 0, 0},
    {"ES", "Fol", 3, 0.578, -0.0325, 0, 0, 40, 0.158},
    {"ES", "Twg", 3, 0.852, -0.0281, 0, 0, 40, 0.277},
    {"ES", "1in", 4, 1.038, 0.0154, 2.9, 1, 40, 0.423},
    {"ES", "3in", 0, 1, 0, 0, 0, 0, 0},
    {"ES", "3inP", 0, 1, 0, 0, 0, 0, 0},
    {"WB", "Tot", 2, -1, 0.8371, 0, 0, 0, 0},
    {"WB", "Fol", 3, 0.512, -0.0374, 0, 0, 20, 0.242},
    {"WB", "Twg", 3, 0.864, -0.0585, 0, 0, 20, 0.268},
    {"WB", "1in", 3, 1.077, -0.0238, 3.9, 1, 20, 0.669},
    {"WB", "3in", 0, 1, 0, 0, 0, 0, 0},
    {"WB", "3inP", 0, 1, 0, 0, 0, 0, 0},
    {"WP", "Tot", 1, 0.7276, 1.5497, 0, 0, 0, 0},
    {"WP", "Fol", 3, 0.55, -0.0345, 0, 0, 0, 0},
    {"WP", "Twg", 7, 0.914, 0.0978, 0, 0, 0, 0},
    {"WP", "1in", 3, 1.056, -0.0181, 3.9, 1, 0, 0},
    {"WP", "3in", 0, 0, 0, 0, 0, 0, 0},
    {"WP", "3inP", 0, 0, 0, 0, 0, 0, 0},
    {"WC", "Tot", 1, 0.8815, 1.6389, 0, 0, 0, 0},
    {"WC", "Fol", 3, 0.617, -0.0233, 0, 0, 0, 0},
    {"WC", "Twg", 3, 0.756, -0.0241, 0, 0, 0, 0},
    {"WC", "1in", 3, 1.06, -0.0223, 2.9, 1, 0, 0},
    {"WC", "3in", 0, 1, 0, 0, 0, 0, 0},
    {"WC", "3inP", 0, 1, 0, 0, 0, 0, 0},
    {"WH", "Tot", 1, 0.7218, 1.7502, 0, 0, 0, 0},
    {"WH", "Fol", 3, 0.547, -0.037, 0, 0, 40, 0.125},
    {"WH", "Twg", 3, 0.835, -0.038, 0, 0, 40, 0.183},
    {"WH", "1in", 3, 1.0781, -0.0274, 2.9, 1, 40, 0.361},
    {"WH", "3in", 0, 1, 0, 0, 0, 0, 0},
    {"WH", "3inP", 0, 1, 0, 0, 0, 0, 0},
    {"", "", 0, 0, 0, 0, 0, 0, 0},
}};

// Row names of the slots Total ... Br-3inP.
constexpr std::array<std::string_view, 6> kSlotRows = {"Tot", "Fol", "Twg", "1in", "3in", "3inP"};

}  // namespace

double BT_Eq(const d_BTRow& row, double x) {
  if (x <= 0.0) return 0.0;  // no stem, no crown; a negative DBH is taken as none
  if (row.Form == 0) return row.a;

  double v = 0.0;
  switch (row.Form) {
    case 1:
      v = std::exp(row.a + row.b * std::log(x));
      break;
    case 2:
      v = row.a + row.b * x * x;
      break;
    case 3:
      v = row.a * std::exp(row.b * x);
      break;
    case 4:
      v = row.a - row.b * x;
      break;
    case 5:
      v = 1.0 / (row.a + row.b * x);
      break;
    case 6:
      v = row.a + row.b / x;
      break;
    case 7:
      v = row.a - row.b * std::sqrt(x);
      break;
    default:
      // a form the table never holds; it counts as nothing
      v = 0.0;
      break;
  }

  if (row.xL != 0.0 && x <= row.xL) return row.yL;
  if (row.xU != 0.0 && x > row.xU) return row.yU;
  return std::max(v, 0.0);
}

int BT_Find(std::string_view code, std::string_view component) {
  return FindCodeRow(kRows, code, component);
}

const d_BTRow& BT_Row(int row) {
  // anything but a row the lookup gave lands on the ending row
  return CodeRowOrEnd(kRows, row);
}

float BT_Weight(std::string_view code, int slot, float dbh) {
  if (slot < 0 || slot >= static_cast<int>(kSlotRows.size())) return 0.0f;
  const int totRow = BT_Find(code, kSlotRows[0]);
  const int row = BT_Find(code, kSlotRows[static_cast<std::size_t>(slot)]);
  if (totRow < 0 || row < 0) return 0.0f;

  const double x = dbh;
  const double total = BT_Eq(BT_Row(totRow), x);
  if (slot == 0) return static_cast<float>(total);
  const double cumulative = BT_Eq(BT_Row(row), x);
  if (slot == 1) return static_cast<float>(total * cumulative);
  // the other components take the step from the row before them in the table
  const double below = BT_Eq(BT_Row(row - 1), x);
  return static_cast<float>(total * std::max(0.0, cumulative - below));
}

}  // namespace sylvanor
