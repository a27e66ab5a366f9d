// A 10^6-point polyline through the QPainter drawing backend against
// QPainter::drawPolyline with the same pen on the same image (same run):
// the ratio is what the backend's bounds check and state handling cost.
// The same points as 10^6 separate lineTo calls against a drawLine loop
// show the cost per call.
#include "chart/canvas/QPainterBackend.h"

#include <QImage>
#include <QPainter>
#include <QPoint>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kSide = 1000;
constexpr int kPoints = 1000000;

const std::vector<QPoint>& points() {
  static const std::vector<QPoint> pts = [] {
    std::vector<QPoint> out;
    out.reserve(kPoints);
    unsigned seed = 12345;
    for (int i = 0; i < kPoints; ++i) {
      seed = seed * 1103515245u + 12345u;
      const int noise = static_cast<int>((seed >> 16) % 41) - 20;
      const int x = static_cast<int>(static_cast<long long>(i) * (kSide - 1) / (kPoints - 1));
      const int y = 500 + static_cast<int>(400.0 * std::sin(i * 0.0005)) + noise;
      out.emplace_back(x, y);
    }
    return out;
  }();
  return pts;
}

void BM_Polyline_Backend(benchmark::State& state) {
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QPainterBackend backend(painter);
  BackendPen pen;
  pen.color = base::clBlack;
  pen.width = 1;
  backend.setPen(pen);
  const std::vector<QPoint>& pts = points();
  for (auto _ : state) {
    backend.polyline(pts);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_Polyline_Backend)->Unit(benchmark::kMillisecond);

void BM_Polyline_QPainterBaseline(benchmark::State& state) {
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(Qt::black, 0);
  pen.setCosmetic(true);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  const std::vector<QPoint>& pts = points();
  for (auto _ : state) {
    painter.drawPolyline(pts.data(), static_cast<int>(pts.size()));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_Polyline_QPainterBaseline)->Unit(benchmark::kMillisecond);

void BM_LineTo_Backend(benchmark::State& state) {
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QPainterBackend backend(painter);
  BackendPen pen;
  pen.color = base::clBlack;
  backend.setPen(pen);
  const std::vector<QPoint>& pts = points();
  for (auto _ : state) {
    backend.moveTo(pts[0].x(), pts[0].y());
    for (const QPoint& p : pts) backend.lineTo(p.x(), p.y());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_LineTo_Backend)->Unit(benchmark::kMillisecond);

void BM_LineTo_QPainterBaseline(benchmark::State& state) {
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(Qt::black, 0);
  pen.setCosmetic(true);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  const std::vector<QPoint>& pts = points();
  for (auto _ : state) {
    QPoint last = pts[0];
    for (const QPoint& p : pts) {
      painter.drawLine(last, p);
      last = p;
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_LineTo_QPainterBaseline)->Unit(benchmark::kMillisecond);

}  // namespace
