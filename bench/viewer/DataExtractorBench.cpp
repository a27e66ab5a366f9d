// The data extractor over a file of about 1.08 GB (1000 x 1000 nodes, 2
// scalar and 2 vector kinds, 45 steps of 24 MB, ResultFileBench's layout):
// the mean over every inner cell of every step, against a raw pread of the
// same steps, both from the page cache after a warm-up, timed alternately
// in the same iterations. Counter "ratio" is the extractor's throughput over
// raw pread's; it should stay at or above 0.8.
#include "resultdata/TResultFile.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "viewer/view/DataExtractor.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Nodes = 1000;
constexpr int Steps = 45;

struct BenchFile {
  std::unique_ptr<QTemporaryDir> dir;
  QString path;
  resultwriter::Layout layout;
};

const BenchFile& benchFile() {
  static BenchFile file = [] {
    BenchFile made;
    made.dir =
        std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/veltrano-extract-bench-XXXXXX"));
    made.path = made.dir->filePath(QStringLiteral("big.vq3"));
    resultwriter::ResultFileSpec spec;
    spec.version = 2;
    spec.setKinds({0, 2, 4, 6});
    spec.x.resize(Nodes);
    spec.y.resize(Nodes);
    std::iota(spec.x.begin(), spec.x.end(), 0.0F);
    std::iota(spec.y.begin(), spec.y.end(), 0.0F);
    spec.ranges = resultwriter::Ranges{};
    spec.generatedStepCount = Steps;
    spec.generateStep = [](int n, resultwriter::Step& step) {
      step.time = 3600.0 * (n + 1);
      for (int kind : {0, 2, 4, 6}) {
        step.values[static_cast<std::size_t>(kind)].assign(std::size_t{Nodes} * Nodes,
                                                           float(n + kind));
        if (kind >= 4)
          step.directions[static_cast<std::size_t>(kind)].assign(std::size_t{Nodes} * Nodes, 45.0F);
      }
    };
    resultwriter::writeFile(spec, made.path, &made.layout);
    std::fprintf(stderr, "bench file: %lld bytes, %d steps of %lld bytes\n",
                 static_cast<long long>(made.layout.fileSize), Steps,
                 static_cast<long long>(made.layout.stepSize));
    return made;
  }();
  return file;
}

// Raw baseline: one pread per step into a page-aligned buffer of the step's
// size (the destination's alignment alone changes the copy speed).
class RawSteps {
 public:
  RawSteps() : layout_(benchFile().layout) {
    buffer_ = static_cast<char*>(std::aligned_alloc(
        4096, (static_cast<std::size_t>(layout_.stepSize) + 4095) / 4096 * 4096));
    fd_ = ::open(QFile::encodeName(benchFile().path).constData(), O_RDONLY | O_CLOEXEC);
  }
  ~RawSteps() {
    ::close(fd_);
    std::free(buffer_);
  }
  RawSteps(const RawSteps&) = delete;
  RawSteps& operator=(const RawSteps&) = delete;
  void read(std::int64_t step) {
    const std::int64_t offset = layout_.firstStepOffset + step * layout_.stepSize;
    std::int64_t done = 0;
    while (done < layout_.stepSize) {
      const ssize_t got =
          ::pread(fd_, buffer_ + done, static_cast<std::size_t>(layout_.stepSize - done),
                  static_cast<off_t>(offset + done));
      if (got <= 0) break;
      done += got;
    }
    benchmark::DoNotOptimize(buffer_);
  }
  std::int64_t stepSize() const { return layout_.stepSize; }

 private:
  const resultwriter::Layout& layout_;
  char* buffer_ = nullptr;
  int fd_ = -1;
};

double seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

void warmUp(RawSteps& raw) {
  for (int n = 0; n < Steps; ++n) raw.read(n);
}

// Times one reader pass and one raw pass per iteration, in alternating order:
// whichever pass runs first in a pair is measurably slower, whatever it is.
template <class ReaderPass, class RawPass>
void compare(benchmark::State& state, ReaderPass readerPass, RawPass rawPass,
             std::int64_t bytesPerPass) {
  double readerSeconds = 0.0;
  double rawSeconds = 0.0;
  bool readerFirst = true;
  for (auto _ : state) {
    state.PauseTiming();
    if (!readerFirst) {
      const auto rawStart = std::chrono::steady_clock::now();
      rawPass();
      rawSeconds += seconds(std::chrono::steady_clock::now() - rawStart);
    }
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    readerPass();
    readerSeconds += seconds(std::chrono::steady_clock::now() - start);
    state.PauseTiming();
    if (readerFirst) {
      const auto rawStart = std::chrono::steady_clock::now();
      rawPass();
      rawSeconds += seconds(std::chrono::steady_clock::now() - rawStart);
    }
    readerFirst = !readerFirst;
    state.ResumeTiming();
  }
  const double bytes = double(state.iterations()) * double(bytesPerPass);
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.counters["raw_MB/s"] = bytes / rawSeconds / 1e6;
  state.counters["ratio"] = rawSeconds / readerSeconds;
}

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
