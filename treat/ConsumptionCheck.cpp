#include "treat/ConsumptionCheck.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "base/CFormat.h"
#include "base/Keyword.h"

namespace sylvanor {

namespace {

// A value passes when it lies within the limits, both included; a value
// that is not a number never does.
bool Within(double value, double low, double high) {
  return value >= low && value <= high;
}

bool OneOf(std::string_view text, std::initializer_list<std::string_view> words) {
  for (std::string_view w : words)
    if (SameKeyword(text, w)) return true;
  return false;
}

// Sets the message and returns 0, the result of a failed check.
int Fail(std::string& message, std::string text) {
  message = std::move(text);
  return 0;
}

constexpr double kLitMoistLow = 1, kLitMoistHigh = 100;       // percent, coastal plain cover
constexpr int kPlantLoadLow = 0, kPlantLoadHigh = 999;        // tons/acre
constexpr double kDuffLoadLow = 0.1, kDuffLoadHigh = 356.78;  // tons/acre
constexpr double kDuffDepthLow = 0, kDuffDepthHigh = 999;     // in
constexpr double kDuffMoistLow = 10, kDuffMoistHigh = 197.2;  // percent
constexpr double kMoist10Low = 3, kMoist10High = 298;         // percent
constexpr double kMoist1kLow = 1, kMoist1kHigh = 300;         // percent
constexpr double kWoodyLoadLow = 0, kWoodyLoadHigh = 999;     // tons/acre
// The burnout takes a duff load of 0.022 to 80 kg/m2, checked in tons/acre.
constexpr double kTonsPerKg = 4.46;
constexpr double kBurnDuffLow = 0.022 * kTonsPerKg, kBurnDuffHigh = 80 * kTonsPerKg;

constexpr std::array<std::string_view, 4> kPlantNames = {"Herb", "Shrub", "Crown Foliage",
                                                         "Crown Branch"};

constexpr std::array<std::string_view, 12> kWoodyNames = {"Litter",
                                                          "Down Woody 0 -> 1/4 inch (1 Hour)",
                                                          "Down Woody 1/4 -> 1 inch (10 Hour)",
                                                          "Down Woody 1 -> 3 inch   (100 Hour)",
                                                          "Down Woody 3->6 inch Sound",
                                                          "Down Woody 6->9 inch Sound",
                                                          "Down Woody 9->20 inch Sound",
                                                          "Down Woody 20+ inch Sound",
                                                          "Down Woody 3->6 inch Rotten",
                                                          "Down Woody 6->9 inch Rotten",
                                                          "Down Woody 9->20 inch Rotten",
                                                          "Down Woody 20+ inch Rotten"};

// The duff load, depth and moisture. Load and depth are checked unless both
// are 0; the moisture always; a load without a depth fails last.
int ChkDuffInputs(const d_ConIn& in, std::string& message) {
  if (in.DuffLoad != 0 || in.DuffDepth != 0) {
    if (!Within(in.DuffLoad, kDuffLoadLow, kDuffLoadHigh))
      return Fail(message,
                  CFormat("Duff Fuel Load %6.2f is out of limits (%6.2f -> %6.2f)", in.DuffLoad,
                          kDuffLoadLow, kDuffLoadHigh) +
                      "\n Duff load can only be set to 0 when duff depth is also set to 0");
    if (!Within(in.DuffDepth, kDuffDepthLow, kDuffDepthHigh))
      return Fail(message, CFormat("Duff Depth %6.2f is out limits (%6.2f -> %6.2f)", in.DuffDepth,
                                   kDuffDepthLow, kDuffDepthHigh));
  }
  if (!Within(in.DuffMoist, kDuffMoistLow, kDuffMoistHigh))
    return Fail(message, CFormat("Duff Moisture  %6.2f is out limits (%6.2f -> %6.2f)",
                                 in.DuffMoist, kDuffMoistLow, kDuffMoistHigh));
  if (in.DuffLoad != 0 && in.DuffDepth == 0)
    return Fail(message, "Duff Depth is 0, Set Duff Load & Depth to 0 or both to non-zero values");
  return 1;
}

// The keywords: region, fuel category, duff moisture method, season and
// cover group (an empty cover group is none).
int ChkKeywords(const d_ConIn& in, std::string& message) {
  if (!OneOf(in.Region, {"SouthEast", "InteriorWest", "PacificWest", "NorthEast"}))
    return Fail(message, CFormat("No/Invalid Region, Valid: %s, %s, %s, %s", "SouthEast",
                                 "InteriorWest", "PacificWest", "NorthEast"));
  if (!OneOf(in.FuelCategory, {"Natural", "Slash"}))
    return Fail(message, CFormat("No/Invalid Fuel Category (%s), Valid: %s, %s)", in.FuelCategory,
                                 "Natural", "Slash"));
  // a method is missing when its text is empty, else invalid when it is none of the four
  if (in.DuffMoistMethod.empty()) return Fail(message, "Missing Duff Moisture Measure Method");
  if (!OneOf(in.DuffMoistMethod, {"Entire", "Lower", "NFDR", "AdjNFDR"}))
    return Fail(message,
                CFormat("Invalid Duff Moisture Measure Method '%s'\n    Valid Codes = %s, %s, "
                        "%s, %s, %s",
                        in.DuffMoistMethod, "Entire", "Lower", "NFDR", "AdjNFDR", "Entire"));
  if (!OneOf(in.Season, {"Spring", "Summer", "Fall", "Winter"}))
    return Fail(message, CFormat("Invalid/Missing Season: (%s)\n    Valid: %s, %s, %s, %s",
                                 in.Season, "Spring", "Summer", "Fall", "Winter"));
  // no cover group at all is valid; the message names nine of the codes
  if (CON_CoverGroup(in.CoverGroup) == CoverGroup::Invalid)
    return Fail(message,
                CFormat("Invalid Cover Type (%s), Valid...\n %s, %s, %s, %s \n %s, "
                        "%s, %s, %s %s or leave blank (\"\")",
                        in.CoverGroup, "GG", "SG", "SB", "PC", "PN", "WPH", "RJP", "BBS", "PFL"));
  return 1;
}

}  // namespace

int CON_ChkInputs(const d_ConIn& in, std::string& message) {
  // a coastal plain cover needs the litter moisture
  if (CON_CoverGroup(in.CoverGroup) == CoverGroup::CoastPlain &&
      !Within(in.LitterMoist, kLitMoistLow, kLitMoistHigh))
    return Fail(message,
                CFormat("_ChkLitMois() Litter Moisture %6.2f is out of limits (%6.2f -> %6.2f)",
                        in.LitterMoist, kLitMoistLow, kLitMoistHigh) +
                    "\n     Litter Moisture is required for Coastal Plain cover types");
  // each plant load on its own: herb, shrub, crown foliage, crown branch
  const std::array<float, 4> plants = {in.Herb, in.Shrub, in.CrownFoliage, in.CrownBranch};
  for (std::size_t i = 0; i < plants.size(); ++i) {
    if (!Within(plants[i], kPlantLoadLow, kPlantLoadHigh))
      return Fail(message, CFormat("_ChkLim() %s Fuel Load %6.2f is out limit (%d -> %d )",
                                   kPlantNames[i], plants[i], kPlantLoadLow, kPlantLoadHigh));
  }
  // the crown foliage burned is a percent
  if (!Within(in.PctCrownBurned, 0, 100))
    return Fail(message, CFormat("Percent of Crown Foliage Burn %6.2f is out of limit 0 -> 100",
                                 in.PctCrownBurned));
  if (ChkDuffInputs(in, message) == 0) return 0;
  return ChkKeywords(in, message);
}

int CON_ChkWoody(const d_ConIn& in, std::string& message) {
  // the moistures of the fine and of the large wood
  if (!Within(in.Moist10Hr, kMoist10Low, kMoist10High))
    return Fail(message,
                CFormat("Down Woody 10 Hour Moisture %6.2f is out of limits. ( %6.2f -> %6.2f )",
                        in.Moist10Hr, kMoist10Low, kMoist10High));
  if (!Within(in.Moist1kHr, kMoist1kLow, kMoist1kHigh))
    return Fail(message,
                CFormat("Down Woody 1000 Hour Moisture %6.2f is out of limits. ( %6.2f -> %6.2f )",
                        in.Moist1kHr, kMoist1kLow, kMoist1kHigh));
  // the plant loads together, all of which the fire may take
  const double plants = static_cast<double>(in.Herb) + in.Shrub + in.CrownFoliage + in.CrownBranch;
  if (!Within(plants, kPlantLoadLow, kPlantLoadHigh))
    return Fail(message, CFormat("Invalid Combined Herb, Shrub, Crown and Branch Foliage  %6.2f "
                                 "\n ( Limit: %6.2f -> %6.2f tons per acre)",
                                 plants, static_cast<double>(kPlantLoadLow),
                                 static_cast<double>(kPlantLoadHigh)));
  // the percent of the duff consumed is -1 when not given
  if (in.PctDuffConsumed != -1 && !Within(in.PctDuffConsumed, 0, 100))
    return Fail(message, CFormat("Percent of Duff Consumed %6.2f is out of limit 0 -> 100",
                                 in.PctDuffConsumed));
  // no duff passes; a duff load is checked with its moisture
  if (in.DuffLoad != 0) {
    if (!Within(in.DuffLoad, kBurnDuffLow, kBurnDuffHigh))
      return Fail(message, CFormat("_ChkDuff() - Duff Fuel Load %6.2f is out limit. (%6.2f -> "
                                   "%6.2f tons per acre)",
                                   in.DuffLoad, kBurnDuffLow, kBurnDuffHigh));
    if (!Within(in.DuffMoist, kDuffMoistLow, kDuffMoistHigh))
      return Fail(message,
                  CFormat("_ChkDuff() - Duff Moisture %6.2f is out limit. (%6.2f -> %6.2f)",
                          in.DuffMoist, kDuffMoistLow, kDuffMoistHigh));
  }
  // each litter and woody load, in the order of their names
  const std::array<float, 12> loads = {in.Litter, in.Hr1,    in.Hr10,   in.Hr100,
                                       in.Snd[0], in.Snd[1], in.Snd[2], in.Snd[3],
                                       in.Rot[0], in.Rot[1], in.Rot[2], in.Rot[3]};
  for (std::size_t i = 0; i < loads.size(); ++i) {
    if (!Within(loads[i], kWoodyLoadLow, kWoodyLoadHigh))
      return Fail(message, CFormat("The %s load (%6.2f)is out limits ( %4.0f -> %4.0f)",
                                   kWoodyNames[i], loads[i], kWoodyLoadLow, kWoodyLoadHigh));
  }
  return 1;
}

}  // namespace sylvanor
