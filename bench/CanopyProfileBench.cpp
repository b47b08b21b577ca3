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
#include "stand/Context.h"
#include "stand/CrownFuel.h"
#include "stand/SpeciesTable.h"

namespace sylvanor {

namespace {

// A plot of the given number of trees of the built-in species, 5 to 125 ft
// tall, with their crown fuel computed.
std::unique_ptr<d_Context> MakePlot(int trees) {
  auto ctx = std::make_unique<d_Context>();
  auto species = std::make_shared<d_ETTable>();
  ET_Load(*species, "");
  ET_LinkEq(*species);
  ctx->Species = species;
  std::mt19937 random(11);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  for (int slot = 0; slot < trees; ++slot) {
    d_PTLRec& t = ctx->Trees[slot];
    t.Species = species->Rows[slot % species->Rows.size()].Species;
    t.Status = "H";
    t.CrnCls = "C";
    t.Dia = 2.0f + 30.0f * unit(random);
    t.Hgt = 5.0f + 120.0f * unit(random);
    t.CrnHgt = t.CrnHgtPru = t.Hgt * 0.8f * unit(random);
    t.TPA = t.TPAadj = 1.0f + 20.0f * unit(random);
  }
  PTL_Prepare(ctx->Trees);
  std::string message;
  PTL_CrownFuel(ctx->Trees, *species, message);
  return ctx;
}

void ProfilePass(benchmark::State& state, bool prepared) {
  const auto ctx = MakePlot(static_cast<int>(state.range(0)));
  auto work = std::make_unique<d_CPWork>();
  if (prepared) CP_PrepareTrees(ctx->Trees, *ctx->Species, 1.0f, *work);
  auto prof = std::make_unique<d_Profile>();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        CP_ProfilePass(ctx->Trees, *ctx->Species, 1.0f, 5.0f, 0.012f, 0.0f, *work, *prof));
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
  const auto ctx = MakePlot(static_cast<int>(state.range(0)));
  auto work = std::make_unique<d_CPWork>();
  for (auto _ : state)
    CP_PrepareTrees(ctx->Trees, *ctx->Species, 1.0f, *work);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ProfilePassPrepared)->Arg(50)->Arg(500)->Arg(4999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProfilePassUnprepared)->Arg(50)->Arg(500)->Arg(4999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PrepareTrees)->Arg(50)->Arg(500)->Arg(4999)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace sylvanor

BENCHMARK_MAIN();
