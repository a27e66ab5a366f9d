// Step reading through TResultFile against raw pread of the same bytes.
// The file (1000 x 1000 nodes, 2 scalar and 2 vector kinds, 45 steps of 24 MB,
// about 1.08 GB) is written once into a private temporary folder and removed
// at exit. Both sides read from the page cache after a warm-up pass, so the
// ratio measures the reader's own overhead: counter "ratio" is the reader's
// throughput over raw pread's, measured alternately in the same iterations.
#include "bench/support/LargeResultFile.h"
#include "resultdata/TResultFile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>
#include <vector>

namespace {

using namespace benchsupport;

void BM_RawPreadSequential(benchmark::State& state) {
  RawSteps raw;
  warmUp(raw);
  for (auto _ : state)
    for (int n = 0; n < Steps; ++n) raw.read(n);
  state.SetBytesProcessed(state.iterations() * Steps * raw.stepSize());
}
BENCHMARK(BM_RawPreadSequential)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReaderNextStepSequential(benchmark::State& state) {
  RawSteps raw;
  warmUp(raw);
  TResultFile reader(benchFile().path);
  compare(
      state,
      [&] {
        reader.Rewind(false);
        for (int n = 0; n < Steps; ++n) reader.NextStep();
        benchmark::DoNotOptimize(reader.StepTime());
      },
      [&] {
        for (int n = 0; n < Steps; ++n) raw.read(n);
      },
      Steps * raw.stepSize());
}
BENCHMARK(BM_ReaderNextStepSequential)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20);

void BM_ReaderGotoStepRandom(benchmark::State& state) {
  RawSteps raw;
  warmUp(raw);
  TResultFile reader(benchFile().path);
  std::vector<int> order(Steps);
  std::iota(order.begin(), order.end(), 0);
  std::shuffle(order.begin(), order.end(), std::mt19937(7));
  compare(
      state,
      [&] {
        for (int n : order) reader.GotoStep(n);
        benchmark::DoNotOptimize(reader.StepTime());
      },
      [&] {
        for (int n : order) raw.read(n);
      },
      Steps * raw.stepSize());
}
BENCHMARK(BM_ReaderGotoStepRandom)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace
