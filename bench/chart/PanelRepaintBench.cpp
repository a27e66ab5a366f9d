// A chart window repainting an unchanged chart (the panel shows its
// canvas's finished picture again) against a bare QPainter drawImage of
// that picture onto the same target, timed in turns in one run. The
// "ratio" counter of BM_PanelRepaintOverDrawImage is what the panel and
// backend layers add to a repaint; it should stay at or below 1.2.
#include "bench/support/OffscreenBenchmarks.h"
#include "chart/model/TCustomPlotPanelExtended.h"
#include "chart/widget/PlotPanelWidget.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

class BenchPanel : public TCustomPlotPanelExtended {
 protected:
  void InternalDraw(const TRect& bounds) override {
    PanelPaint(bounds);
    BackendBrush brush;
    brush.color = base::clBlue;
    Canvas().ReferenceCanvas().setBrush(brush);
    Canvas().ReferenceCanvas().fillRect(ChartRect());
  }
};

struct Scene {
  Scene() : widget(&panel), target(400, 250, QImage::Format_ARGB32_Premultiplied) {
    widget.resize(400, 250);
    target.fill(Qt::white);
    QPainter painter(&target);
    widget.PaintTo(painter);  // draws the chart once; later paints reuse it
  }
  BenchPanel panel;
  PlotPanelWidget widget;
  QImage target;
};

void BM_PanelRepaint(benchmark::State& state) {
  Scene s;
  for (auto _ : state) {
    QPainter painter(&s.target);
    s.widget.PaintTo(painter);
  }
}

void BM_DrawImage(benchmark::State& state) {
  Scene s;
  const QImage picture = *s.panel.Canvas().Buffer();
  for (auto _ : state) {
    QPainter painter(&s.target);
    painter.drawImage(0, 0, picture);
  }
}

void BM_PanelRepaintOverDrawImage(benchmark::State& state) {
  Scene s;
  const QImage* picture = s.panel.Canvas().Buffer();
  if (!picture) {
    state.SkipWithError("the panel kept no picture");
    return;
  }
  const QImage copy = *picture;
  using Clock = std::chrono::steady_clock;
  Clock::duration panelTime{}, drawTime{};
  for (auto _ : state) {
    for (int i = 0; i < 20; ++i) {
      const auto t0 = Clock::now();
      {
        QPainter painter(&s.target);
        s.widget.PaintTo(painter);
      }
      const auto t1 = Clock::now();
      {
        QPainter painter(&s.target);
        painter.drawImage(0, 0, copy);
      }
      const auto t2 = Clock::now();
      panelTime += t1 - t0;
      drawTime += t2 - t1;
    }
  }
  state.counters["ratio"] = std::chrono::duration<double>(panelTime).count() /
                            std::chrono::duration<double>(drawTime).count();
}

BENCHMARK(BM_PanelRepaint);
BENCHMARK(BM_DrawImage);
BENCHMARK(BM_PanelRepaintOverDrawImage)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  return RunOffscreenBenchmarks<QApplication>(argc, argv);
}
