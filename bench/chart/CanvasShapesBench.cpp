// Gradient fills and solids through the chart canvas onto a QImage.
// GradientFill of 1920 x 1080 is set against QPainter filling the same bands
// (top-bottom) and the same frames (from the centre) directly, in the same
// run: the ratio is what the canvas and backend layers add. Pie3D and
// Cylinder are timed per call (10^5 calls a run) for the record.
#include "base/Colors.h"
#include "base/MathUtil.h"
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/canvas/TView3DOptions.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kSolidCalls = 100000;
const base::TColor kFrom = 0x800000;  // navy
const base::TColor kTo = 0xFFFF00;    // aqua

QColor Step(int k, int n) {
  auto channel = [&](int shift) {
    const int a = int((kFrom >> shift) & 0xFF), b = int((kTo >> shift) & 0xFF);
    return a + (n > 0 ? base::MulDiv(k, b - a, n) : 0);
  };
  return QColor(channel(0), channel(8), channel(16));
}

struct ImageCanvas {
  QImage image{kWidth, kHeight, QImage::Format_RGB32};
  QPainter painter;
  std::unique_ptr<QPainterBackend> backend;
  TView3DOptions view;
  TPlotCanvas3D canvas;

  ImageCanvas() {
    image.fill(Qt::white);
    painter.begin(&image);
    backend = std::make_unique<QPainterBackend>(painter);
    canvas.SetUseBuffer(false);
    canvas.InitWindow(backend.get(), &view, true, TRect{0, 0, kWidth, kHeight});
    canvas.Projection(100, TRect{0, 0, kWidth, kHeight});
  }
  ~ImageCanvas() {
    canvas.ShowImage();
    backend.reset();
    painter.end();
  }
};

void BM_CanvasShapes_GradientTopBottom(benchmark::State& state) {
  ImageCanvas c;
  for (auto _ : state) {
    c.canvas.GradientFill(TRect{0, 0, kWidth, kHeight}, kFrom, kTo, gdTopBottom);
    benchmark::ClobberMemory();
  }
}

void BM_CanvasShapes_GradientTopBottomPainter(benchmark::State& state) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  const int n = std::min(kHeight, 256);
  for (auto _ : state) {
    for (int k = 0; k < n; ++k) {
      const int from = kHeight - base::MulDiv(k + 1, kHeight, n);
      const int to = kHeight - base::MulDiv(k, kHeight, n);
      p.fillRect(QRect(0, from, kWidth, to - from), Step(k, n - 1));
    }
    benchmark::ClobberMemory();
  }
}

void BM_CanvasShapes_GradientFromCenter(benchmark::State& state) {
  ImageCanvas c;
  for (auto _ : state) {
    c.canvas.GradientFill(TRect{0, 0, kWidth, kHeight}, kTo, kFrom, gdFromCenter);
    benchmark::ClobberMemory();
  }
}

void BM_CanvasShapes_GradientFromCenterPainter(benchmark::State& state) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  const int hi = kHeight / 2, wj = kWidth / 2;
  for (auto _ : state) {
    for (int i = 0, j = 0;;) {
      const QRect in(j, i, kWidth - 2 * j, kHeight - 2 * i);
      if (!in.isEmpty()) {
        const QColor colour = Step(i + j, wj + hi);
        p.fillRect(QRect(in.left(), in.top(), in.width(), 1), colour);
        if (in.height() > 1) p.fillRect(QRect(in.left(), in.bottom(), in.width(), 1), colour);
        if (in.height() > 2) {
          p.fillRect(QRect(in.left(), in.top() + 1, 1, in.height() - 2), colour);
          if (in.width() > 1)
            p.fillRect(QRect(in.right(), in.top() + 1, 1, in.height() - 2), colour);
        }
      }
      if (i >= hi && j >= wj) break;
      if (i < hi) ++i;
      if (j < wj) ++j;
    }
    benchmark::ClobberMemory();
  }
}

void BM_CanvasShapes_Pie3D(benchmark::State& state) {
  ImageCanvas c;
  BackendBrush brush;
  brush.color = 0x40C0FF;
  for (auto _ : state) {
    for (int i = 0; i < kSolidCalls; ++i) {
      c.backend->setBrush(brush);
      const double start = (i % 36) * 0.1745;
      c.canvas.Pie3D(200 + (i % 1500), 300 + (i % 500), 80, 60, 0, 20, start, start + 1.3, true,
                     true);
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kSolidCalls);
}

void BM_CanvasShapes_Cylinder(benchmark::State& state) {
  ImageCanvas c;
  BackendBrush brush;
  brush.color = 0xC0C0C0;
  for (auto _ : state) {
    for (int i = 0; i < kSolidCalls; ++i) {
      c.backend->setBrush(brush);
      const int x = 50 + (i % 1800);
      c.canvas.Cylinder(true, x, 100 + (i % 300), x + 40, 800, 0, 20, true);
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kSolidCalls);
}

}  // namespace

BENCHMARK(BM_CanvasShapes_GradientTopBottom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasShapes_GradientTopBottomPainter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasShapes_GradientFromCenter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasShapes_GradientFromCenterPainter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasShapes_Pie3D)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CanvasShapes_Cylinder)->Unit(benchmark::kMillisecond)->Iterations(1);
