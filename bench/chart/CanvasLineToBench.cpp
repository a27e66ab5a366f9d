// 10^6 LineTo calls through the chart canvas onto a 1000 x 1000 image against
// a QPainter::drawLine loop with the same pen on the same image (same run):
// the ratio is what the canvas and backend layers cost per line. Two line
// sets: a dense series (segments of a few pixels, where per-call costs show)
// and a random walk with steps of up to 50 pixels.
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/TPlotCanvas3D.h"

#include <QImage>
#include <QPainter>
#include <QPoint>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kSide = 1000;
constexpr int kLines = 1000000;

const std::vector<QPoint>& SeriesPoints() {
  static const std::vector<QPoint> pts = [] {
    std::vector<QPoint> out;
    out.reserve(kLines + 1);
    unsigned seed = 12345;
    for (int i = 0; i <= kLines; ++i) {
      seed = seed * 1103515245u + 12345u;
      const int noise = static_cast<int>((seed >> 16) % 41) - 20;
      const int x = static_cast<int>(static_cast<long long>(i) * (kSide - 1) / kLines);
      const int y = 500 + static_cast<int>(400.0 * std::sin(i * 0.0005)) + noise;
      out.emplace_back(x, y);
    }
    return out;
  }();
  return pts;
}

const std::vector<QPoint>& WalkPoints() {
  static const std::vector<QPoint> pts = [] {
    std::vector<QPoint> out;
    out.reserve(kLines + 1);
    unsigned seed = 777;
    int x = kSide / 2, y = kSide / 2;
    auto step = [&seed] {
      seed = seed * 1103515245u + 12345u;
      return static_cast<int>((seed >> 16) % 101) - 50;
    };
    for (int i = 0; i <= kLines; ++i) {
      x = std::clamp(x + step(), 0, kSide - 1);
      y = std::clamp(y + step(), 0, kSide - 1);
      out.emplace_back(x, y);
    }
    return out;
  }();
  return pts;
}

const std::vector<QPoint>& Points(int set) {
  return set == 0 ? SeriesPoints() : WalkPoints();
}

void BM_CanvasLineTo_Canvas(benchmark::State& state) {
  const std::vector<QPoint>& pts = Points(static_cast<int>(state.range(0)));
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QPainterBackend backend(painter);
  TPlotCanvas3D canvas;
  canvas.SetUseBuffer(false);
  canvas.InitWindow(&backend, nullptr, false, TRect{0, 0, kSide, kSide});
  for (auto _ : state) {
    canvas.MoveTo(pts[0].x(), pts[0].y());
    for (int i = 1; i <= kLines; ++i) canvas.LineTo(pts[i].x(), pts[i].y());
    benchmark::ClobberMemory();
  }
  canvas.ShowImage();
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_CanvasLineTo_Canvas)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_CanvasLineTo_QPainterBaseline(benchmark::State& state) {
  const std::vector<QPoint>& pts = Points(static_cast<int>(state.range(0)));
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  // The pen the backend draws a one-pixel chart pen with.
  QPen pen(Qt::black, 0);
  pen.setCosmetic(true);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  for (auto _ : state) {
    for (int i = 1; i <= kLines; ++i) painter.drawLine(pts[i - 1], pts[i]);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_CanvasLineTo_QPainterBaseline)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
