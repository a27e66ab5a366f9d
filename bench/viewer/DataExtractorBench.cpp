// The data extractor over a file of about 1.08 GB (1000 x 1000 nodes, 2
// scalar and 2 vector kinds, 45 steps of 24 MB, ResultFileBench's layout):
// the mean over every inner cell of every step, against a raw pread of the
// same steps, both from the page cache after a warm-up, timed alternately
// in the same iterations. Counter "ratio" is the extractor's throughput over
// raw pread's; it should stay at or above 0.8.
#include "bench/support/LargeResultFile.h"
#include "resultdata/TResultFile.h"
#include "viewer/view/DataExtractor.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <numeric>
#include <vector>

namespace {

using namespace benchsupport;

void BM_ExtractWholeInterior(benchmark::State& state) {
  RawSteps raw;
  warmUp(raw);
  const base::TDateTime start = TResultFile(benchFile().path).StartDate();
  std::vector<float> widths(Nodes, 1.0F);
  widths[0] = 0;
  DataExtractor extractor(benchFile().path, dkTemperature, widths, widths, start);
  const DataExtractorRect inner{DataExtractor::MinCell, DataExtractor::MinCell,
                                extractor.MaxCellX(), extractor.MaxCellY()};
  std::size_t points = 0;
  compare(
      state,
      [&] {
        extractor.Start(inner, start - 1, start + 1000);
        while (extractor.RunSlice(std::chrono::seconds(10))) {
        }
        points = extractor.Points().size();
      },
      [&] {
        for (int n = 0; n < Steps; ++n) raw.read(n);
      },
      Steps * raw.stepSize());
  state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_ExtractWholeInterior)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace
