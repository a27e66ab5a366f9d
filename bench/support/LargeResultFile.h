// The large result file that the reader and extractor benchmarks share
// (1000 x 1000 nodes, 2 scalar and 2 vector kinds, 45 steps of 24 MB, about
// 1.08 GB), written once per program into a private temporary folder and
// removed at exit, with the raw pread baseline they are measured against.
#pragma once

#include "tests/support/writer/ResultFileWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <numeric>

#include <fcntl.h>
#include <unistd.h>

namespace benchsupport {

constexpr int Nodes = 1000;
constexpr int Steps = 45;

struct BenchFile {
  std::unique_ptr<QTemporaryDir> dir;
  QString path;
  resultwriter::Layout layout;
};

inline const BenchFile& benchFile() {
  static BenchFile file = [] {
    BenchFile made;
    made.dir = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/veltrano-bench-XXXXXX"));
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

inline double seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

inline void warmUp(RawSteps& raw) {
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

}  // namespace benchsupport
