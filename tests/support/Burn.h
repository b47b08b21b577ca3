#pragma once
// Burn inputs for the tests: fuel beds of the burnout simulation, mortality
// species records and the hand-worked cases kept in data files.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <numeric>
#include <sstream>

#include "stand/MortalitySpecies.h"
#include "treat/Burnout.h"

namespace sylvanor {

// A particle class: key, size, sigma (1/m), dry density (kg/m3), ignition temperature (C); all
// have 18600 kJ/kg, 2750 J/kg/K, 0.133 W/m/K, a char temperature of 377 C and 5 % ash.
struct d_BurnSlot {
  const char* key;
  int size;
  double sigma, density, ignitionC;
};
inline constexpr d_BurnSlot kLitter{"Litter", 0, 8200, 513, 327},
    kOneHour{"DW1", 0, 1480, 513, 327}, kTenHour{"DW10", 0, 394, 513, 327},
    kHundredHour{"DW100", 0, 105, 513, 327}, kSound3{"DW1kSnd", 3, 39.4, 513, 327},
    kRotten3{"DW1kRot", 3, 39.4, 224, 302}, kSound20{"DW1kSnd", 20, 5.91, 513, 327};

// Adds a particle of the class (load kg/m2); 1, or 0 when it is refused.
inline int AddFuel(d_BU& bu, const d_BurnSlot& slot, double load, double moisture) {
  return BRN_SetFuel(bu, load, moisture, slot.sigma, slot.density, 18600, 2750, 0.133,
                     slot.ignitionC, 377, 0.05, slot.key, slot.size);
}

// An empty record, off the stack: default control values, duff moisture 1.
inline std::unique_ptr<d_BU> NewBurn() {
  auto bu = std::make_unique<d_BU>();
  BRN_Clear(*bu);
  bu->control.duffMoisture = 1.0;
  return bu;
}

// A bed (kg/m2): litter 0.4 and 1-hour 0.1 at `fine`, 10-hour 0.25 and 100-hour 0.4 2 and 4 points
// wetter; 3-6 in. logs 1.0 sound at `logs`, 0.3 rotten 2.5 times as wet (at most 3); 20+ in. 2.0.
inline std::unique_ptr<d_BU> WoodyBed(double fine, double logs, bool bigLogs = true) {
  auto bu = NewBurn();
  AddFuel(*bu, kLitter, 0.4, fine);
  AddFuel(*bu, kOneHour, 0.1, fine);
  AddFuel(*bu, kTenHour, 0.25, fine + 0.02);
  AddFuel(*bu, kHundredHour, 0.4, fine + 0.04);
  AddFuel(*bu, kSound3, 1.0, logs);
  AddFuel(*bu, kRotten3, 0.3, std::min(3.0, 2.5 * logs));
  if (bigLogs) AddFuel(*bu, kSound20, 2.0, logs);
  return bu;
}

// The load burned (kg/m2).
inline double Burned(const d_BU& bu) {
  return std::accumulate(
      bu.particles.begin(), bu.particles.end(), 0.0,
      [](double sum, const d_BUParticle& p) { return sum + p.load - p.remaining; });
}

inline d_MortSpe MortRecord(const std::string& species, const std::string& eqCode, int barkNum) {
  return {{species}, {}, {}, {eqCode}, barkNum, {}};
}

// A hand-worked case: its name (file, line and first word) and its words,
// read as numbers by [] ("a/b" for a quotient, "nan").
struct d_Case {
  std::string name;
  std::vector<std::string> words;
  double operator[](std::size_t i) const {
    const std::string& w = words.at(i);
    const auto slash = w.find('/');
    return slash == w.npos ? std::stod(w)
                           : std::stod(w.substr(0, slash)) / std::stod(w.substr(slash + 1));
  }
};

// The cases of a data file under tests/ whose name starts with `prefix`. A line holds the name and
// the words, then '#' and the working; a line starting with '#' is a comment.
inline std::vector<d_Case> ReadCases(const std::string& file, const std::string& prefix) {
  std::ifstream in(std::filesystem::path(SYLVANOR_TESTS_DIR) / file);
  std::vector<d_Case> cases;
  std::string line, name, word;
  for (int number = 1; std::getline(in, line); ++number) {
    std::istringstream words(line.substr(0, line.find('#')));
    if (!(words >> name) || !name.starts_with(prefix)) continue;
    cases.push_back({file + ":" + std::to_string(number) + " " + name, {}});
    while (words >> word)
      cases.back().words.push_back(word);
  }
  EXPECT_FALSE(cases.empty()) << "no " << prefix << " cases in " << file;
  return cases;
}

}  // namespace sylvanor
