// Building the grid geometry of a large file, against a plain pass that reads
// the same cell table and writes as many vertices and indices: the least work
// any build must do. The ratio of the two, measured in the same run, is what
// to watch.
#include "resultdata/TGrid.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

constexpr int kSize = 2000;

// A 2000 x 2000 grid: three material bands, the area-less column 0 and row 0
// inactive, and an inactive hole in the middle so that side lists, corners
// and material edges all have entries.
struct LargeGrid {
  std::vector<float> x, y;
  std::vector<std::int16_t> cells;
  LargeGrid() {
    for (int i = 0; i < kSize; ++i) x.push_back(0.01f * float(i) + 0.001f * float(i % 7));
    y = x;
    cells.resize(std::size_t(kSize) * kSize);
    for (int i = 0; i < kSize; ++i)
      for (int j = 0; j < kSize; ++j) {
        const bool hole = i > 800 && i < 1200 && j > 900 && j < 1100;
        const bool border = i == 0 || j == 0;
        cells[std::size_t(i) * kSize + std::size_t(j)] =
            border || hole ? 0 : std::int16_t(1 + 3 * i / kSize);
      }
  }
};

const LargeGrid& largeGrid() {
  static const LargeGrid grid;
  return grid;
}

// Reads every cell, writes the four vertex sections and 8 + 12 indices per
// active cell into fresh arrays that are not cleared first.
std::size_t plainPass(const LargeGrid& g) {
  const std::size_t nodes = std::size_t(kSize) * kSize;
  std::unique_ptr<TGridVertex[]> vertices(new TGridVertex[4 * nodes]);
  std::unique_ptr<std::uint32_t[]> outline(new std::uint32_t[8 * nodes]);
  std::unique_ptr<std::uint32_t[]> fill(new std::uint32_t[12 * nodes]);
  std::size_t active = 0;
  for (int i = 0; i < kSize; ++i)
    for (int j = 0; j < kSize; ++j) {
      const std::size_t k = std::size_t(i) * kSize + std::size_t(j);
      const float xi = g.x[std::size_t(i)], yj = g.y[std::size_t(j)];
      vertices[k] = {xi, yj, 0};
      vertices[nodes + k] = {xi, yj, 0};
      vertices[2 * nodes + k] = {xi, yj, 0};
      vertices[3 * nodes + k] = {xi, yj, 0};
      if (g.cells[k] > 0) {
        const auto uk = std::uint32_t(k);
        for (std::uint32_t n = 0; n < 8; ++n) outline[8 * active + n] = uk + n;
        for (std::uint32_t n = 0; n < 12; ++n) fill[12 * active + n] = uk + n;
        ++active;
      }
    }
  benchmark::DoNotOptimize(vertices.get());
  benchmark::DoNotOptimize(outline.get());
  benchmark::DoNotOptimize(fill.get());
  return active;
}

void BM_PlainPass(benchmark::State& state) {
  const LargeGrid& g = largeGrid();
  for (auto _ : state) benchmark::DoNotOptimize(plainPass(g));
}
BENCHMARK(BM_PlainPass)->Unit(benchmark::kMillisecond);

void BM_GridBuild(benchmark::State& state) {
  LargeGrid g = largeGrid();
  for (auto _ : state) {
    TGrid grid;
    grid.Build(kSize, kSize, g.cells, g.y, g.x);
    benchmark::DoNotOptimize(grid.Vertices().data());
  }
}
BENCHMARK(BM_GridBuild)->Unit(benchmark::kMillisecond);

// Both in one loop, alternating, so that the ratio compares like with like.
void BM_GridBuildOverPlainPass(benchmark::State& state) {
  LargeGrid g = largeGrid();
  using Clock = std::chrono::steady_clock;
  double plainSeconds = 0, buildSeconds = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    benchmark::DoNotOptimize(plainPass(g));
    const auto t1 = Clock::now();
    {
      TGrid grid;
      grid.Build(kSize, kSize, g.cells, g.y, g.x);
      benchmark::DoNotOptimize(grid.Vertices().data());
    }
    const auto t2 = Clock::now();
    plainSeconds += std::chrono::duration<double>(t1 - t0).count();
    buildSeconds += std::chrono::duration<double>(t2 - t1).count();
  }
  state.counters["plain_ms"] = 1000 * plainSeconds / double(state.iterations());
  state.counters["build_ms"] = 1000 * buildSeconds / double(state.iterations());
  state.counters["ratio"] = buildSeconds / plainSeconds;
}
BENCHMARK(BM_GridBuildOverPlainPass)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
