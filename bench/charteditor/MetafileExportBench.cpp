// Exporting a chart with a 10^6-point line as EMF and as WMF against
// painting the same chart into the counting null backend, timed in turns
// in one run. Each paint does what the chart does for a full repaint of a
// fast line: map every point to the device, keep each pixel column's
// first, lowest, highest and last point, and draw what is left as one
// polyline, around a frame with axis labels. The "ratio" counters are
// what writing the picture adds; they should stay at or below 1.5.
#include "bench/support/OffscreenBenchmarks.h"
#include "chart/canvas/NullBackend.h"
#include "charteditor/export/EmfWriterBackend.h"
#include "charteditor/export/WmfWriterBackend.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

constexpr int kPoints = 1000000;
constexpr int kWidth = 800, kHeight = 500;
constexpr TRect kPlot{60, 30, 780, 460};

struct Series {
  std::vector<double> x, y;
  Series() {
    x.reserve(kPoints);
    y.reserve(kPoints);
    unsigned seed = 12345;
    for (int i = 0; i < kPoints; ++i) {
      seed = seed * 1103515245u + 12345u;
      x.push_back(i);
      y.push_back(std::sin(i * 0.0005) * 100.0 + static_cast<int>((seed >> 16) % 41) - 20);
    }
  }
};

const Series& series() {
  static const Series s;
  return s;
}

void PaintChart(DrawingBackend& b) {
  BackendBrush brush;
  brush.color = base::clWhite;
  b.setBrush(brush);
  b.fillRect({0, 0, kWidth, kHeight});
  b.setPen(BackendPen{});
  b.rectangle(kPlot);
  BackendFont font;
  b.setFont(font);
  b.setTextAlign(TextAlign::Right | TextAlign::Top);
  for (int i = 0; i <= 10; ++i) {
    const int y = kPlot.Bottom - i * kPlot.Height() / 10;
    b.moveTo(kPlot.Left - 5, y);
    b.lineTo(kPlot.Left, y);
    b.textOut(kPlot.Left - 8, y - 7, QString::number(-120 + 24 * i));
  }

  const Series& s = series();
  const double sx = (kPlot.Width() - 1) / (s.x.back() - s.x.front());
  const double sy = (kPlot.Height() - 1) / 240.0;
  std::vector<QPoint> reduced;
  reduced.reserve(4 * kPlot.Width());
  int column = INT32_MIN, lo = 0, hi = 0, last = 0;
  auto flush = [&] {
    if (column == INT32_MIN) return;
    reduced.emplace_back(column, lo);
    reduced.emplace_back(column, hi);
    reduced.emplace_back(column, last);
  };
  for (size_t i = 0; i < s.x.size(); ++i) {
    const int px = kPlot.Left + static_cast<int>(std::lround((s.x[i] - s.x.front()) * sx));
    const int py = kPlot.Bottom - 1 - static_cast<int>(std::lround((s.y[i] + 120.0) * sy));
    if (px != column) {
      flush();
      reduced.emplace_back(px, py);  // the column's first point
      column = px;
      lo = hi = py;
    }
    lo = std::min(lo, py);
    hi = std::max(hi, py);
    last = py;
  }
  flush();
  BackendPen pen;
  pen.color = base::clRed;
  b.setPen(pen);
  b.polyline(reduced);
}

template <typename Writer>
void BM_ExportOverNull(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  Clock::duration writeTime{}, nullTime{};
  size_t bytes = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    {
      Writer writer(QSize(kWidth, kHeight));
      PaintChart(writer);
      bytes = static_cast<size_t>(writer.Finish().size());
    }
    const auto t1 = Clock::now();
    {
      NullBackend null(QSize(kWidth, kHeight));
      PaintChart(null);
      benchmark::DoNotOptimize(null.calls());
    }
    const auto t2 = Clock::now();
    writeTime += t1 - t0;
    nullTime += t2 - t1;
  }
  state.counters["ratio"] = std::chrono::duration<double>(writeTime).count() /
                            std::chrono::duration<double>(nullTime).count();
  state.counters["bytes"] = static_cast<double>(bytes);
}

// The writers' own pace on an unreduced line: every point written.
template <typename Writer>
void BM_MillionPointPolyline(benchmark::State& state) {
  const Series& s = series();
  std::vector<QPoint> pts;
  pts.reserve(kPoints);
  for (int i = 0; i < kPoints; ++i) pts.emplace_back(i % kWidth, static_cast<int>(s.y[i]) + 250);
  for (auto _ : state) {
    Writer writer(QSize(kWidth, kHeight));
    writer.polyline(pts);
    benchmark::DoNotOptimize(writer.Finish().size());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

BENCHMARK(BM_ExportOverNull<EmfWriterBackend>)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ExportOverNull<WmfWriterBackend>)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_MillionPointPolyline<EmfWriterBackend>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MillionPointPolyline<WmfWriterBackend>)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunOffscreenBenchmarks<QGuiApplication>(argc, argv);
}
