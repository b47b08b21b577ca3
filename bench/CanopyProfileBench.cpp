// Speed of the canopy profile pass, the hot loop of thinning: one pass over
// plots of 50, 500 and 4999 trees of the built-in species, with the trees'
// layer shares prepared for the execution, and without (each tree worked
// out in the pass).
//
// Run: build/bench/canopy_profile_bench

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "stand/CanopyProfile.h"
#include "stand/CrownFuel.h"
#include "stand/EquationTable.h"
#include "stand/SpeciesTable.h"
#include "stand/TreeList.h"

namespace sylvanor {

namespace {

// A plot of the given number of trees, 5 to 125 ft tall, with their crown
// fuel computed.
void MakePlot(int trees) {
  ET_Load("");
  ET_LinkEq();
  PTL_InitTbl();
  std::mt19937 random(11);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  for (int slot = 0; slot < trees; ++slot) {
    d_PTLRec& t = s_PTL()[slot];
    t.Species = s_ET().Rows[slot % s_ET().Rows.size()].Species;
    t.Status = "H";
    t.CrnCls = "C";
    t.Dia = 2.0f + 30.0f * unit(random);
    t.Hgt = 5.0f + 120.0f * unit(random);
    t.CrnHgt = t.CrnHgtPru = t.Hgt * 0.8f * unit(random);
    t.TPA = t.TPAadj = 1.0f + 20.0f * unit(random);
  }
  PTL_Prepare();
  std::string message;
  PTL_CrownFuel(message);
}

void ProfilePass(benchmark::State& state, bool prepared) {
  MakePlot(static_cast<int>(state.range(0)));
  if (prepared) CP_PrepareTrees(1.0f);
  auto prof = std::make_unique<d_Profile>();
  for (auto _ : state) {
    benchmark::DoNotOptimize(CP_ProfilePass(1.0f, 5.0f, 0.012f, 0.0f, *prof));
    CP_RunMean(*prof);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ProfilePassPrepared(benchmark::State& state) {
  ProfilePass(state, true);
}
void BM_ProfilePassUnprepared(benchmark::State& state) {
  ProfilePass(state, false);
}

void BM_PrepareTrees(benchmark::State& state) {
  MakePlot(static_cast<int>(state.range(0)));
  for (auto _ : state)
    CP_PrepareTrees(1.0f);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ProfilePassPrepared)->Arg(50)->Arg(500)->Arg(4999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProfilePassUnprepared)->Arg(50)->Arg(500)->Arg(4999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PrepareTrees)->Arg(50)->Arg(500)->Arg(4999)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace sylvanor

BENCHMARK_MAIN();
