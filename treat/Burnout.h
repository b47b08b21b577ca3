#pragma once
// The woody fuel burnout simulation: how the litter and down woody fuel
// particles left by a passing surface fire dry, ignite and burn out, step by
// step, with the duff smoldering beneath and the consumed herbs, shrubs and
// crown adding to the flames. It gives each particle's remaining load and
// its ignition and burnout times, the fire intensity of every step, the split
// of every step's consumption into flaming and smoldering, and the smoke
// that split makes (treat/BurnEmission.h).
//
// Units inside are SI: loads kg/m2, times s, temperatures K (given in C and
// converted by adding 273), intensities kW/m2, heat content J/kg (given in
// kJ/kg). The record is large (its particle pairs, the herb and shrub
// schedule and 1500 time-step records): keep it off the stack.

#include <array>
#include <cstddef>
#include <ostream>
#include <string>

#include "base/FixedText.h"
#include "treat/BurnEmission.h"
#include "treat/BurnoutPhysics.h"

namespace sylvanor {

inline constexpr int kBUParticles = 20;
// A particle k (1-based) has the pairs (k, l), l = 0 (the particle on its
// own) ... k, at index k (k + 1) / 2 + l - 1.
inline constexpr int kBUPairs = kBUParticles * (kBUParticles + 1) / 2 + kBUParticles;
inline constexpr int kBUComponents = 19;
inline constexpr int kBUFluxSlots = 20;
inline constexpr double kBUNever = 1e30;  // a time not reached
inline constexpr double kBUTonsAcrePerKgM2 = 4.46;

inline constexpr int BU_Pair(int k, int l) {
  return k * (k + 1) / 2 + l - 1;
}

// The control values; the defaults are the consumption model's.
struct d_BUControl {
  int maxSteps = 3000;        // time steps after the first, at most
  double intensity = 50;      // igniting surface fire intensity, kW/m2
  double residence = 60;      // igniting surface fire residence time, s
  double wind = 0;            // wind speed at the top of the fuel bed, m/s
  double depth = 0.3;         // fuel bed depth, m
  double ambientC = 21;       // ambient temperature, C
  double mixing = 1.83;       // minimum mixing parameter
  double mixingRange = 0.4;   // range of the mixing parameter
  double timeStep = 15;       // s
  double duffLoad = 0;        // kg/m2
  double duffMoisture = 2.0;  // fraction
};

// One fuel particle class and what the simulation finds for it.
struct d_BUParticle {
  double load = 0;          // dry load, kg/m2
  double moisture = 0;      // fraction
  double sigma = 0;         // surface-to-volume ratio, 1/m
  double density = 0;       // dry density, kg/m3
  double heat = 0;          // heat content, J/kg
  double heatCapacity = 0;  // J/kg/K
  double conductivity = 0;  // W/m/K
  double ignitionK = 0;     // ignition temperature, K
  double charK = 0;         // char temperature, K
  double ash = 0;           // fraction
  // its component: key (up to 20 characters) and size; only the first 19
  // particles added are components
  FixedText<21> key;
  int size = 0;
  bool component = false;
  // found by the simulation
  double area = 0;             // area fraction of the particle in the bed
  double alone = 0;            // fraction burning on its own
  double lit = 0;              // fraction of its area burning
  double burnedOut = 0;        // fraction burned out
  double diffusivity = 0;      // condry / (dendry cheatd)
  double work = 0;             // burning-rate factor 1 / (255 heatk)
  double intensity = 0;        // its intensity term of the last step, kW/m2
  char state = 'S';            // 'F' flaming or 'S' smoldering in the last step
  double stepMass = 0;         // mass lost in the last step, kg/m2
  double remaining = 0;        // remaining load, kg/m2
  double ignition = kBUNever;  // earliest ignition time of its pairs, s
  double burnout = 0;          // latest burnout time of its pairs, s
};

// One interaction pair of a particle.
struct d_BUPair {
  double fraction = 0;                                             // share of the particle's load
  double load0 = 0;                                                // starting load, kg/m2
  double mass = 0;                                                 // remaining, kg/m2
  double lossRate = 0;                                             // kg/m2/s
  double diameter = 0;                                             // m
  double shrink = 0;                                               // diameter shrink rate, m/s
  double dry = kBUNever, ignition = kBUNever, burnout = kBUNever;  // s
  double tempTime = 0;  // accumulated temperature-time, K s
  double heat = 0;      // accumulated heat, J/m2
  double conduction = 0;
  std::array<double, kBUFluxSlots> flux{};  // heat flux of each step since ignition
};

// The three optional output files: consumed fuel, time-step emissions ("@"
// in front for the flaming/smoldering layout, "#FRAMES#" for standard
// output) and the time-step table. Empty names write nothing.
struct d_BUFiles {
  std::string consumed, emissions, table;
};

struct d_BU {
  std::array<d_BUParticle, kBUParticles> particles{};
  int number = 0;
  std::array<d_BUPair, kBUPairs> pairs{};
  d_BUControl control;
  d_BUDuff duff;  // the duff's burning, once run
  d_BUSchedule schedule;
  c_BurnEmission emission;
  d_BUFiles files;
  std::ostream* standardOutput = nullptr;  // where "#FRAMES#" writes
  std::string message;
};

// Empties the record: no particles, no files, no message, default control
// values (duff moisture 2.0), emission sets 0.
void BRN_Clear(d_BU& bu);

// The emission factor sets and the critical fire intensity.
void BRN_SetEmission(d_BU& bu, const d_EmisFactors& flame, const d_EmisFactors& smolder,
                     const d_EmisFactors& duff, double critical);

void BRN_SetControl(d_BU& bu, const d_BUControl& control);

// Adds a particle in the first free slot with its component key and size:
// heat content in kJ/kg, temperatures in C. Returns 0 (adding nothing) when
// the load is not above 0 or every slot is taken, else 1.
int BRN_SetFuel(d_BU& bu, double load, double moisture, double sigma, double density, double heatKJ,
                double heatCapacity, double conductivity, double ignitionC, double charC,
                double ash, const std::string& key = "", int size = 0);

// Checks the particles and control values; 1, or 0 with the message.
int BRN_Check(d_BU& bu);

// Runs the simulation with the percent of duff consumed (0-100, else the
// moisture rule), the herb, shrub and crown amounts consumed (tons/acre)
// and the duff type. 1 burned out, 2 did not ignite, 0 an error (message).
int BRN_Run(d_BU& bu, double pctDuffConsumed, double herb, double shrub, double crown,
            const std::string& duffType);

// The smoldering part (kg/m2) of the mass the particles lost in the last
// step, by their sigma: logs (up to 40.4 1/m) by their own states; each fine
// category (up to 106, 395 and 1481 1/m, and above) whole when a particle
// within 1 of its reference sigma (105, 394, 1480, 8200) smolders.
double BRN_SmolderingMass(const d_BU& bu);

// The remaining load (kg/m2) of the component with this key and size, and
// summed over every size of a key (keys without regard to case); 0 when
// there is none.
double BRN_Remaining(const d_BU& bu, const std::string& key, int size);
double BRN_RemainingKey(const d_BU& bu, const std::string& key);

}  // namespace sylvanor
