// A fast line repaint on a raster image against QPainter drawing the
// already reduced polyline (first, lowest, highest and last point of each
// pixel column) on the same image, timed in turns in one run: the "ratio"
// counter of BM_FastLineOverReducedPolyline should stay at or below 2.
// BM_FastLineRepaint/10000000 reports the large case; BM_FastLineAppend
// fills ten million points inside BeginUpdate/EndUpdate, and its
// "bytes/point" counter is what the series keeps per point.
#include "bench/support/OffscreenBenchmarks.h"
#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/series/FastLineColumns.h"
#include "chart/series/TFastLineSeries.h"
#include "tests/chart/model/FakeDrawingChart.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <random>

namespace {

double PointX(int i) {
  return i * 0.001;
}

struct Scene {
  explicit Scene(int count) : image(400, 300, QImage::Format_RGB32) {
    image.fill(Qt::white);
    series.SetParentChart(&chart);
    series.SetSeriesColor(base::clRed);
    std::mt19937 random(7);
    std::normal_distribution<double> step(0, 1);
    series.BeginUpdate();
    double y = 0;
    for (int i = 0; i < count; ++i) {
      y += step(random);
      series.AddPointXY(PointX(i), y);
    }
    series.EndUpdate();
    FakeDrawingChart::Scale(chart.bottom, 0, PointX(count - 1));
    FakeDrawingChart::Scale(chart.left, series.MinYValue(), series.MaxYValue());
    painter = std::make_unique<QPainter>(&image);
    backend = std::make_unique<QPainterBackend>(*painter);
    chart.Canvas().SetUseBuffer(false);
    chart.host.Start(backend.get());
  }
  ~Scene() { chart.host.Start(); }

  void Repaint() {
    chart.Canvas().ClipRectangle(chart.ChartRect());
    series.CalcFirstLastVisibleIndex();
    series.DrawAllValues();
    chart.Canvas().UnClipRectangle();
  }
  std::vector<QPoint> Reduced(const FastLineYExtremes* extremes = nullptr) {
    series.CalcFirstLastVisibleIndex();
    const TChartAxis* h = series.GetHorizAxis();
    const TChartAxis* v = series.GetVertAxis();
    FastLineColumnInput in;
    in.x = series.XValues()->Values();
    in.y = series.YValues()->Values();
    in.first = series.FirstValueIndex();
    in.last = series.LastValueIndex();
    in.xPos = [h](double value) { return h->CalcXPosValue(value); };
    in.yPos = [v](double value) { return v->CalcYPosValue(value); };
    in.extremes = extremes;
    return ReduceFastLineColumns(in);
  }
  void DrawReduced(const std::vector<QPoint>& points) {
    painter->setClipRect(QRect(12, 10, 376, 230));
    painter->setPen(QPen(Qt::red, 0));
    painter->drawPolyline(points.data(), static_cast<int>(points.size()));
    painter->setClipping(false);
  }

  ChartEngineScope engine;
  FakeDrawingChart chart;
  TFastLineSeries series;
  QImage image;
  std::unique_ptr<QPainter> painter;
  std::unique_ptr<QPainterBackend> backend;
};

void BM_FastLineRepaint(benchmark::State& state) {
  Scene s(static_cast<int>(state.range(0)));
  for (auto _ : state) s.Repaint();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ReducedPolyline(benchmark::State& state) {
  Scene s(static_cast<int>(state.range(0)));
  const std::vector<QPoint> points = s.Reduced();
  for (auto _ : state) s.DrawReduced(points);
  state.counters["points"] = static_cast<double>(points.size());
}

// The same kept points as one LineTo each: what the series' drawing calls
// cost on their own.
void BM_ReducedLineToChain(benchmark::State& state) {
  Scene s(1'000'000);
  const std::vector<QPoint> points = s.Reduced();
  for (auto _ : state) {
    s.backend->moveTo(points[0].x(), points[0].y());
    for (const QPoint& p : points) s.backend->lineTo(p.x(), p.y());
  }
}
BENCHMARK(BM_ReducedLineToChain)->Unit(benchmark::kMillisecond);

// The reduction alone, with the block extremes a repaint uses.
void BM_ReduceColumns(benchmark::State& state) {
  Scene s(1'000'000);
  const FastLineYExtremes extremes(s.series.XValues()->Values(), s.series.YValues()->Values());
  for (auto _ : state) benchmark::DoNotOptimize(s.Reduced(&extremes));
}
BENCHMARK(BM_ReduceColumns)->Unit(benchmark::kMillisecond);

void BM_FastLineOverReducedPolyline(benchmark::State& state) {
  Scene s(1'000'000);
  const std::vector<QPoint> points = s.Reduced();
  using Clock = std::chrono::steady_clock;
  Clock::duration seriesTime{}, polylineTime{};
  for (auto _ : state) {
    for (int i = 0; i < 10; ++i) {
      const auto t0 = Clock::now();
      s.Repaint();
      const auto t1 = Clock::now();
      s.DrawReduced(points);
      const auto t2 = Clock::now();
      seriesTime += t1 - t0;
      polylineTime += t2 - t1;
    }
  }
  state.counters["ratio"] = std::chrono::duration<double>(seriesTime).count() /
                            std::chrono::duration<double>(polylineTime).count();
}

void BM_FastLineAppend(benchmark::State& state) {
  ChartEngineScope engine;
  constexpr int count = 10'000'000;
  double bytesPerPoint = 0;
  for (auto _ : state) {
    TFastLineSeries series;
    series.BeginUpdate();
    for (int i = 0; i < count; ++i) series.AddPointXY(PointX(i), (i % 977) * 0.5);
    series.EndUpdate();
    benchmark::DoNotOptimize(series.YValues()->Values().data());
    state.PauseTiming();
    std::size_t bytes = 0;
    for (int k = 0; k < series.ValuesList().Count(); ++k)
      bytes += series.ValuesList()[k].Capacity() * sizeof(double);
    bytes += series.ColorCount() * sizeof(base::TColor) + series.LabelCount() * sizeof(QString);
    bytesPerPoint = static_cast<double>(bytes) / series.PointCount();
    state.ResumeTiming();
  }
  state.counters["bytes/point"] = bytesPerPoint;
}

BENCHMARK(BM_FastLineRepaint)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReducedPolyline)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastLineOverReducedPolyline)->MinTime(2.0);
BENCHMARK(BM_FastLineAppend)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunOffscreenBenchmarks<QGuiApplication>(argc, argv);
}
