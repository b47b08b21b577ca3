#pragma once
// The seven pollutants of the smoke emissions, and a set of emission factors.
// A factor set is stored in the order CO, CO2, CH4, PM2.5, PM10, NOx, SO2;
// every reported emission list is in the order PM2.5, PM10, CH4, CO2, CO,
// NOx, SO2.

#include <array>
#include <cstddef>
#include <string>

namespace sylvanor {

// The pollutants, numbered in the stored order.
enum class Pollutant : std::size_t { CO, CO2, CH4, PM25, PM10, NOx, SO2 };
inline constexpr std::size_t kPollutants = 7;

// The stored order of a factor set.
constexpr std::array<Pollutant, kPollutants> StoredOrder() {
  using enum Pollutant;
  return {CO, CO2, CH4, PM25, PM10, NOx, SO2};
}

// The order of a reported emission list.
constexpr std::array<Pollutant, kPollutants> ReportedOrder() {
  using enum Pollutant;
  return {PM25, PM10, CH4, CO2, CO, NOx, SO2};
}

// The pollutants of a reported list as reports and charts name them, and
// as the columns of a table name them.
inline constexpr std::array<const char*, kPollutants> kPollutantLabels = {
    "PM2.5", "PM10", "CH4", "CO2", "CO", "NOx", "SO2"};
inline constexpr std::array<const char*, kPollutants> kPollutantColumns = {
    "pm25", "pm10", "ch4", "co2", "co", "nox", "so2"};

// The place of a pollutant in a reported list.
constexpr std::size_t Reported(Pollutant p) {
  std::size_t i = 0;
  while (ReportedOrder()[i] != p)
    ++i;
  return i;
}

// A set of emission factors: the name of its factor group and one factor
// (g/kg) per pollutant, in the stored order.
struct d_EmisFactors {
  std::string Name;
  std::array<float, kPollutants> Factor{};
  float& operator[](Pollutant p) { return Factor[static_cast<std::size_t>(p)]; }
  float operator[](Pollutant p) const { return Factor[static_cast<std::size_t>(p)]; }
};

}  // namespace sylvanor
