#pragma once
// Crown weights of the western hardwoods ("RA", "GC", "MA", "TO", "BM"). Per
// code a "Tot" row gives the total crown weight and five fraction rows
// ("Fol", "Twg", "1in", "3in", "3inP") the cumulative share of it up to
// that component.

#include <string_view>

namespace sylvanor {

// One row of the table. A fraction row with a = 0 closes the crown (its
// component takes everything above the row before it); a = -999 marks a
// component the code does not have.
struct d_SLRow {
  std::string_view Code;
  std::string_view Component;
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
};

// Row of the table for a code and component (without case), or -1.
int SL_Idx(std::string_view code, std::string_view component);

// The row itself; `row` must be one SL_Idx gave.
const d_SLRow& SL_Row(int row);

// Total crown weight (lb) of a "Tot" row for a DBH of D inches: e^(a + b ln D).
double SL_Total(const d_SLRow& row, double dbh);

// Cumulative fraction of a fraction row: 1 / (a + b D^c).
double SL_Fraction(const d_SLRow& row, double dbh);

// Weight in pounds of component slot 0 to 5 (Total ... Br-3inP) of a tree of
// the given DBH (in). A DBH of 0 or less, an unknown code or slot gives 0.
float SL_Weight(std::string_view code, int slot, float dbh);

}  // namespace sylvanor
