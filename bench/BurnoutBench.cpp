// Time of one woody fuel burnout simulation: a heavy fuel bed of the twelve
// particle classes the consumption model hands over (litter, 1-, 10- and
// 100-hour wood, sound and rotten logs of four sizes) over smoldering duff,
// with herbs, shrubs and crown adding to the flames.

#include <benchmark/benchmark.h>

#include <memory>

#include "treat/Burnout.h"

namespace sylvanor {

namespace {

struct Particle {
  const char* key;
  int size;
  double tonsPerAcre, moisture, sigma, density, ignitionC;
};

// Loads in tons/acre; moistures for a 10-hour moisture of 10 % and a
// 1000-hour moisture of 20 %.
constexpr Particle kHeavyBed[] = {
    {"Litter", 0, 1.5, 0.08, 8200, 513, 327},  {"DW1", 0, 0.5, 0.08, 1480, 513, 327},
    {"DW10", 0, 1.5, 0.10, 394, 513, 327},     {"DW100", 0, 2.0, 0.12, 105, 513, 327},
    {"DW1kSnd", 3, 3.0, 0.2, 39.4, 513, 327},  {"DW1kRot", 3, 1.0, 0.5, 39.4, 224, 302},
    {"DW1kSnd", 6, 3.0, 0.2, 21.9, 513, 327},  {"DW1kRot", 6, 1.0, 0.5, 21.9, 224, 302},
    {"DW1kSnd", 9, 4.0, 0.2, 12.7, 513, 327},  {"DW1kRot", 9, 2.0, 0.5, 12.7, 224, 302},
    {"DW1kSnd", 20, 5.0, 0.2, 5.91, 513, 327}, {"DW1kRot", 20, 2.0, 0.5, 5.91, 224, 302},
};

void BM_HeavyFuelBurn(benchmark::State& state) {
  auto bu = std::make_unique<d_BU>();
  int steps = 0;
  for (auto _ : state) {
    BRN_Clear(*bu);
    d_BUControl control;
    control.duffLoad = 10 / kBUTonsAcrePerKgM2;
    control.duffMoisture = 0.6;
    BRN_SetControl(*bu, control);
    for (const Particle& p : kHeavyBed) {
      BRN_SetFuel(*bu, p.tonsPerAcre / kBUTonsAcrePerKgM2, p.moisture, p.sigma, p.density, 18600,
                  2750, 0.133, p.ignitionC, 377, 0.05, p.key, p.size);
    }
    if (BRN_Run(*bu, -1, 0.5, 1.0, 0.3, "DuffLow") != 1) {
      state.SkipWithError(bu->message.c_str());
      break;
    }
    steps = bu->emission.Steps();
  }
  state.counters["steps"] = steps;
}
BENCHMARK(BM_HeavyFuelBurn)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace sylvanor

BENCHMARK_MAIN();
