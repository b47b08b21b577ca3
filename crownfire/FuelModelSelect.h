#pragma once
// Standard fire behaviour fuel model selection: a plot's surface fuel bed is
// put into one of four broad categories (grass, grass-shrub, shrub or timber
// understory, timber litter or slash) and matched to the nearest model of
// the 13-model set "Albini-13", the 40-model set "Scott-40", or both, that
// the built-in table allows for the category and climate. Nearness weighs
// the characteristic surface-area-to-volume ratio, the bulk density and the
// fine fuel load. A bed with no fuel, or one no model fits, is "NB9"
// (non-burnable).
//
// Units inside the selection are metric: loads kg/m2, SAV 1/m, bulk density
// kg/m3, fuel bed depth cm. The engine's settings are English and are
// converted when the record is filled (FillFMSelector).

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "base/FixedText.h"

namespace sylvanor {

// Fixed SAVs (1/m) of the 10-hour and 100-hour wood.
inline constexpr double kFmsTenHourSav = 357.63;
inline constexpr double kFmsHundredHourSav = 98.43;

// The name given to a bed that does not burn or that no model fits.
inline constexpr std::string_view kFmsNonBurnable = "NB9";

// The best distance before any row is looked at; it stays the record's
// distance when no row is eligible.
inline constexpr double kFmsNoDistance = 1e8;

// The table scan ends after this many rows even without an empty name.
inline constexpr std::size_t kFmsMaxRows = 1000;

// One selection record: the settings and loads it works from, the values
// derived from them and the chosen model.
struct FMSelector {
  FixedText<40> Climate;       // "Arid" or "Humid"
  FixedText<40> FuelModelSet;  // "All", "Albini-13" or "Scott-40"

  // Loads, kg/m2. The 1-hour class is litter + lichen + moss + 1-hour wood;
  // litter and 1-hour wood are also kept on their own for the bulk density.
  double OneHourClass = 0;
  double Herb = 0;
  double Shrub = 0;
  double TenHour = 0;
  double HundredHour = 0;
  double Litter = 0;
  double OneHourWood = 0;

  // SAVs, 1/m.
  double OneHourSav = 0;
  double HerbSav = 0;
  double ShrubSav = 0;

  double FuelBedDepth = 0;  // cm; kept for the outputs, not used to select

  // Derived values. The fractions and the ratio stay 0 for a bed without
  // fine fuel.
  double LiveFraction = 0;
  double HerbFraction = 0;
  double HerbShrubRatio = 0;
  double FineLoad = 0;           // kg/m2
  double CharacteristicSav = 0;  // 1/m
  double BulkDensity = 0;        // kg/m3, estimated

  // Results.
  FixedText<100> Model;
  FixedText<100> Category;
  double BestDistance = 0;
};

// The plain inputs of one selection as the engine holds them (English
// units): the climate and model set texts, the loads in tons/acre, the SAVs
// in 1/ft and the fuel bed depth in inches.
struct StandardFuelInputs {
  std::string_view Climate;
  std::string_view FuelModelSet;
  double Litter = 0;
  double Lichen = 0;
  double Moss = 0;
  double OneHour = 0;
  double Grass = 0;
  double Shrub = 0;
  double TenHour = 0;
  double HundredHour = 0;
  double OneHourSav = 0;
  double GrassSav = 0;
  double ShrubSav = 0;
  double FuelBedDepth = 0;
};

// A record filled from the inputs, converted to metric units, with the
// derived values and results empty.
FMSelector FillFMSelector(const StandardFuelInputs& inputs);

// One row of the model table: the eligibility flags are for categories 1-4
// in an arid climate (elements 0-3), then categories 1-4 in a humid climate
// (elements 4-7).
struct FuelModelRow {
  std::string_view Name;
  std::string_view Set;
  std::array<bool, 8> Eligible;
  float Sav;          // 1/m
  float BulkDensity;  // kg/m3
  float FineLoad;     // kg/m2
};

// The flags of a row written as two groups of four digits, "1100 0010".
consteval std::array<bool, 8> FmsFlags(std::string_view text) {
  if (text.size() != 9 || text[4] != ' ') throw "flags are two groups of four digits";
  std::array<bool, 8> flags{};
  std::size_t n = 0;
  for (const char c : text) {
    if (c == ' ') continue;
    if (c != '0' && c != '1') throw "a flag is 0 or 1";
    flags[n++] = c == '1';
  }
  return flags;
}

// clang-format off
inline constexpr std::array<FuelModelRow, 53> FuelModelTable = {{
    {"1",   "Albini-13", FmsFlags("1100 1100"), 11483.5f,  0.5442f, 0.1663f},
    {"2",   "Albini-13", FmsFlags("1110 1110"),  9134.4f,  2.9437f, 0.5618f},
    {"3",   "Albini-13", FmsFlags("1100 1100"),  4922.1f,  0.8854f, 0.6764f},
    {"4",   "Albini-13", FmsFlags("0010 0010"),  5706.6f,  1.9648f, 2.2513f},
    {"5",   "Albini-13", FmsFlags("0110 0010"),  5522.0f,  1.2894f, 0.6754f},
    {"6",   "Albini-13", FmsFlags("0000 0000"),  5133.0f,  1.7683f, 0.3377f},
    {"7",   "Albini-13", FmsFlags("0010 0110"),  5093.5f,  1.4351f, 0.3377f},
    {"8",   "Albini-13", FmsFlags("0001 0001"),  6199.0f, 18.4199f, 0.3377f},
    {"9",   "Albini-13", FmsFlags("0001 0001"),  8150.0f, 12.8138f, 0.6558f},
    {"10",  "Albini-13", FmsFlags("0010 0010"),  5789.1f,  8.8415f, 1.1257f},
    {"11",  "Albini-13", FmsFlags("0001 0001"),  3878.1f,  8.4731f, 0.3377f},
    {"12",  "Albini-13", FmsFlags("0001 0001"),  3755.9f, 11.0519f, 0.9005f},
    {"13",  "Albini-13", FmsFlags("0001 0001"),  3802.8f, 14.2446f, 1.5759f},
    {"GR1", "Scott-40",  FmsFlags("1000 1000"),  6738.1f,  0.7354f, 0.0899f},
    {"GR2", "Scott-40",  FmsFlags("1100 0000"),  5971.4f,  0.809f,  0.2472f},
    {"GR3", "Scott-40",  FmsFlags("0000 1100"),  4231.7f,  0.7354f, 0.3595f},
    {"GR4", "Scott-40",  FmsFlags("1100 0000"),  5989.5f,  0.7906f, 0.4831f},
    {"GR5", "Scott-40",  FmsFlags("0000 1100"),  5349.7f,  1.4218f, 0.6517f},
    {"GR6", "Scott-40",  FmsFlags("0000 1100"),  6582.6f,  1.716f,  0.7865f},
    {"GR7", "Scott-40",  FmsFlags("1000 0000"),  6017.8f,  1.5689f, 1.4381f},
    {"GR8", "Scott-40",  FmsFlags("0000 1000"),  4271.7f,  1.6179f, 1.7527f},
    {"GR9", "Scott-40",  FmsFlags("0000 1000"),  5289.3f,  1.6179f, 2.2471f},
    {"GS1", "Scott-40",  FmsFlags("0100 0000"),  6012.1f,  1.1031f, 0.3034f},
    {"GS2", "Scott-40",  FmsFlags("0100 0000"),  5995.7f,  1.2747f, 0.4719f},
    {"GS3", "Scott-40",  FmsFlags("0000 0100"),  5294.8f,  1.3278f, 0.6741f},
    {"GS4", "Scott-40",  FmsFlags("0000 0100"),  5351.7f,  4.4825f, 2.7864f},
    {"SH1", "Scott-40",  FmsFlags("0110 0100"),  5492.9f,  1.434f,  0.382f},
    {"SH2", "Scott-40",  FmsFlags("0110 0000"),  5484.5f,  6.1407f, 1.1685f},
    {"SH3", "Scott-40",  FmsFlags("0000 0110"),  4499.6f,  2.957f,  1.4943f},
    {"SH4", "Scott-40",  FmsFlags("0000 0110"),  5518.1f,  1.1644f, 0.764f},
    {"SH5", "Scott-40",  FmsFlags("0010 0000"),  4106.8f,  1.0541f, 1.4606f},
    {"SH6", "Scott-40",  FmsFlags("0000 0010"),  3754.1f,  2.1143f, 0.9663f},
    {"SH7", "Scott-40",  FmsFlags("0010 0000"),  4045.4f,  1.765f,  1.5505f},
    {"SH8", "Scott-40",  FmsFlags("0000 0010"),  4548.9f,  2.6107f, 1.4381f},
    {"SH9", "Scott-40",  FmsFlags("0000 0010"),  4521.2f,  2.5906f, 2.9325f},
    {"TU1", "Scott-40",  FmsFlags("0010 0010"),  5270.7f,  4.535f,  0.2921f},
    {"TU2", "Scott-40",  FmsFlags("0000 0010"),  5796.0f,  3.0887f, 0.2584f},
    {"TU3", "Scott-40",  FmsFlags("0000 0010"),  5286.7f,  1.8385f, 0.6404f},
    {"TU4", "Scott-40",  FmsFlags("0010 0000"),  7271.9f,  9.5603f, 1.4606f},
    {"TU5", "Scott-40",  FmsFlags("0010 0000"),  4014.4f,  8.0895f, 1.573f},
    {"TL1", "Scott-40",  FmsFlags("0001 0001"),  5631.0f, 25.0039f, 0.2247f},
    {"TL2", "Scott-40",  FmsFlags("0001 0001"),  5926.1f, 21.6946f, 0.3146f},
    {"TL3", "Scott-40",  FmsFlags("0001 0001"),  5028.0f, 13.4825f, 0.1124f},
    {"TL4", "Scott-40",  FmsFlags("0001 0001"),  5143.8f, 11.3988f, 0.1124f},
    {"TL5", "Scott-40",  FmsFlags("0001 0001"),  5621.4f,  9.8667f, 0.2584f},
    {"TL6", "Scott-40",  FmsFlags("0001 0001"),  6351.8f, 11.7665f, 0.5393f},
    {"TL7", "Scott-40",  FmsFlags("0001 0001"),  4033.4f, 18.0175f, 0.0674f},
    {"TL8", "Scott-40",  FmsFlags("0001 0001"),  5808.1f, 20.3463f, 1.3033f},
    {"TL9", "Scott-40",  FmsFlags("0001 0001"),  5687.5f, 17.2821f, 1.4943f},
    {"SB1", "Scott-40",  FmsFlags("0001 0001"),  5424.0f, 11.3988f, 0.3371f},
    {"SB2", "Scott-40",  FmsFlags("0001 0001"),  6181.1f,  9.3765f, 1.0112f},
    {"SB3", "Scott-40",  FmsFlags("0001 0001"),  6347.6f,  6.8945f, 1.2359f},
    {"SB4", "Scott-40",  FmsFlags("0001 0001"),  6255.4f,  3.8132f, 1.1797f},
}};
// clang-format on

// The fine load of a bed and its broad category.
struct FuelBedClass {
  double FineLoad = 0;  // kg/m2: 1-hour class + herbaceous + shrub
  double LiveFraction = 0;
  double HerbFraction = 0;
  double HerbShrubRatio = 0;  // 9 when there is no shrub load
  int Category = 0;           // 1-4; 0 for a bed that does not burn
};

// The category of a bed from its loads (kg/m2): 0 when there is neither fine
// fuel nor 10-hour or 100-hour wood; 4 for coarse wood only; else by the
// shares of live and herbaceous fuel in the fine load. The fractions and the
// ratio are left 0 without fine fuel.
FuelBedClass ClassifyFuelBed(double oneHourClass, double herb, double shrub, double tenHour,
                             double hundredHour);

// The text of category 1-4 ("Grass GR-1 " keeps its trailing blank); empty
// for any other number.
std::string_view FuelCategoryText(int category);

// The characteristic SAV (1/m) of the record's loads and SAVs: the SAVs
// weighted by load x SAV over the 1-hour class, 10-hour, 100-hour,
// herbaceous and shrub fuel. 0 when those weights sum to 0.
double CharacteristicSav(const FMSelector& bed);

// The estimated bulk density (kg/m3) of the record's bed from its litter,
// 1-hour wood, herbaceous and shrub loads: 1.602 + 10.413 x the dead share
// (litter + 1-hour wood) of the four. 0 when the four sum to 0.
double EstimatedBulkDensity(const FMSelector& bed);

// The flag column of category 1-4: category - 1 for an arid climate,
// category + 3 when the climate is "Humid" (without regard to case).
int FuelModelColumn(int category, std::string_view climate);

// The weighted squared distance between a bed and a table row.
double FuelModelDistance(const FuelModelRow& row, double sav, double bulkDensity, double fineLoad);

// The nearest row of a model table.
struct FuelModelMatch {
  std::string_view Name;  // "NB9" when no row is eligible
  double Distance = kFmsNoDistance;
};

// The eligible row of `table` nearest the bed. Rows are scanned in order up
// to the first with an empty name (at most kFmsMaxRows rows); a row is
// eligible when its set is `set` (without regard to case, any set when
// `set` is "All") and its flag in `column` (0-7) is on. Of rows at the same
// distance the earlier one is chosen.
FuelModelMatch NearestFuelModel(std::span<const FuelModelRow> table, std::string_view set,
                                int column, double sav, double bulkDensity, double fineLoad);

// Classifies a filled record: sets its derived values, category text, model
// name and best distance; earlier results are replaced. A bed without fuel
// is "NB9" with an empty category text and distance 0; a bed no row fits is
// "NB9" with its category text and distance 1e8. Always true.
bool SelectStandardFuelModel(FMSelector& bed);

}  // namespace sylvanor
