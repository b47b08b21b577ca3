// Throughput of the batch runner: whole batches of generated western conifer
// stands (bench/BatchGenerator.h) run from their files, in plots per second.
// The cases are 1000 plots of 50 trees, 10000 plots of 50 trees (beyond the
// usual plot list capacity, which the benchmark raises) and 1000 plots of
// 500 trees; then 1000 plots of 500 trees thinned to a canopy bulk density,
// and 1000 plots of 50 trees thinned, piled and burned. A batch's time should grow in proportion to
// its input, so the second case should take about ten times as long as the first.
//
// The inventory case is 20 000 plots of 50 trees, each thinned to a canopy bulk density, piled and
// burned, run with one job and with two: two jobs on two cores should run at least 1.8 times as
// many plots per second. (Its peak memory is measured on the command, scripts/inventory-bench.sh.)
//
// The files of each case are written once, before its timing, into a
// temporary folder that is removed at the end. Each iteration runs a fresh
// batch runner over them.
//
// Run: build/bench/batch_bench

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <system_error>
#include <tuple>
#include <utility>

#include <unistd.h>

#include "base/CFormat.h"
#include "batch/BatchRunner.h"
#include "bench/BatchGenerator.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

fs::path TempRoot() {
  static const fs::path root =
      fs::temp_directory_path() / CFormat("sylvanor-batch-bench-%d", static_cast<int>(getpid()));
  return root;
}

// The generated batch of a case, written on first use.
const d_GeneratedBatch* CaseFiles(int plots, int trees, std::string& message,
                                  const std::string& thinCrit, const std::string& thinTarget,
                                  bool burn) {
  static std::map<std::tuple<int, int, std::string, bool>, d_GeneratedBatch> cases;
  const auto key = std::make_tuple(plots, trees, thinCrit, burn);
  if (const auto found = cases.find(key); found != cases.end()) return &found->second;

  d_BatchShape shape;
  shape.plots = plots;
  shape.treesPerPlot = trees;
  shape.seed = 20240611u + static_cast<std::uint32_t>(plots * 7 + trees);
  shape.thinCrit = thinCrit;
  shape.thinTarget = thinTarget;
  shape.burnShare = burn ? 1.0 : 0.0;
  d_GeneratedBatch batch;
  const fs::path folder =
      TempRoot() / CFormat("p%d-t%d-%s%s", plots, trees, thinCrit, burn ? "-burn" : "");
  if (!GenerateBatch(folder, SYLVANOR_DATA_DIR, shape, batch, message)) return nullptr;
  return &cases.emplace(key, std::move(batch)).first->second;
}

// Runs the batch of `plots` plots of `trees` trees whose thinned plots are
// thinned by the criterion to the target, each plot piled and burned with
// `burn`, on `jobs` engines.
void RunCase(benchmark::State& state, int plots, int trees, const std::string& thinCrit,
             const std::string& thinTarget, bool burn = false, int jobs = 1) {
  std::string message;
  const d_GeneratedBatch* batch = CaseFiles(plots, trees, message, thinCrit, thinTarget, burn);
  if (batch == nullptr) {
    state.SkipWithError(message.c_str());
    return;
  }

  d_BatchOutcome outcome;
  for (auto _ : state) {
    state.PauseTiming();
    auto runner = std::make_unique<c_FBC>();
    d_BatchOptions options;
    options.jobs = jobs;
    options.limits = false;  // batches beyond the six-argument form's 5000 plots
    state.ResumeTiming();

    outcome = runner->RunBatch(batch->files, batch->userFolder, options);

    state.PauseTiming();
    runner.reset();
    state.ResumeTiming();
    if (outcome.result != 1) {
      message = CFormat("batch failed: %s", outcome.message);
      state.SkipWithError(message.c_str());
      return;
    }
  }

  using benchmark::Counter;
  state.counters["plots/s"] = Counter(outcome.plots, Counter::kIsIterationInvariantRate);
  state.counters["trees/s"] =
      Counter(static_cast<double>(batch->treeRows), Counter::kIsIterationInvariantRate);
  state.counters["plots"] = outcome.plots;
  state.counters["processed"] = outcome.processed;
  state.counters["skipped"] = outcome.skipped;
  state.counters["errors"] = outcome.errors;
  state.counters["thinned"] = batch->thinPlots;
}

void BM_Batch(benchmark::State& state) {
  RunCase(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), "BasalArea",
          "80");
}

// Thinning to a canopy bulk density: the canopy profile is kept up to date
// through every 0.1-tree step.
void BM_BatchThinToCBD(benchmark::State& state) {
  RunCase(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
          "CanopyBulkDensity", "0.05");
}

// Thinning, piling and a broadcast burn on every plot: the burnout
// simulation of the litter and woody fuels, the smoke and the mortality.
void BM_BatchBurn(benchmark::State& state) {
  RunCase(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), "BasalArea",
          "80", true);
}

// An inventory: every plot thinned to a canopy bulk density, piled and
// burned, on one engine and on two.
void BM_BatchInventory(benchmark::State& state) {
  RunCase(state, 20000, 50, "CanopyBulkDensity", "0.05", true, static_cast<int>(state.range(0)));
}

BENCHMARK(BM_Batch)
    ->ArgNames({"plots", "trees"})
    ->Args({1000, 50})
    ->Args({10000, 50})
    ->Args({1000, 500})
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_BatchThinToCBD)
    ->ArgNames({"plots", "trees"})
    ->Args({1000, 500})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_BatchBurn)
    ->ArgNames({"plots", "trees"})
    ->Args({1000, 50})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_BatchInventory)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace sylvanor

using namespace sylvanor;

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code error;
  fs::remove_all(TempRoot(), error);
  return 0;
}
