#pragma once
// Crown weights of the western conifers ("PP", "GF", "DF", "LP", "WL", "SF",
// "ES", "WB", "WP", "WC", "WH"). Per code a coefficient table gives the total
// crown weight and the cumulative fractions of it held by the foliage, the
// foliage and twigs, everything through 1 in and everything through 3 in,
// and the whole crown.

#include <string_view>

namespace sylvanor {

// One row of the coefficient table. Component is "Tot", "Fol", "Twg", "1in",
// "3in" or "3inP". Below or at xL the value is yL, above xU it is yU; a limit
// of 0 is not used.
struct d_BTRow {
  std::string_view Code;
  std::string_view Component;
  int Form = 0;
  double a = 0.0;
  double b = 0.0;
  double xL = 0.0;
  double yL = 0.0;
  double xU = 0.0;
  double yU = 0.0;
};

// Value of a row at a DBH of x inches: the total crown weight in pounds for a
// "Tot" row, a cumulative fraction for the others. Forms:
//   0 a (no limits, no floor)   1 e^(a + b ln x)   2 a + b x^2   3 a e^(b x)
//   4 a - b x   5 1 / (a + b x)   6 a + b / x   7 a - b sqrt(x)
// An unknown form computes 0. x <= 0 gives 0.
double BT_Eq(const d_BTRow& row, double x);

// Row of the coefficient table for a code and component (without case), or -1.
int BT_Find(std::string_view code, std::string_view component);

// The row itself; `row` must be one BT_Find gave.
const d_BTRow& BT_Row(int row);

// Weight in pounds of component slot 0 to 5 (Total ... Br-3inP) of a tree of
// the given DBH (in). A code or slot the table does not hold gives 0.
float BT_Weight(std::string_view code, int slot, float dbh);

}  // namespace sylvanor
