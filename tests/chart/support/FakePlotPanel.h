#pragma once
// A panel whose chart drawing is a known pattern, for tests of the panel and
// its window: by default one red pixel at the bounds' corner; `drawHook`
// replaces it. Counts its paints.
#include "chart/model/TCustomPlotPanelExtended.h"

#include <functional>

class FakePlotPanel : public TCustomPlotPanelExtended {
 public:
  using TCustomPlotPanelExtended::TCustomPlotPanelExtended;

  int draws = 0;
  int invalidations = 0;
  std::function<void(FakePlotPanel&, const TRect&)> drawHook;
  // Called on every InvalidateChart, before the panel decides to repaint.
  std::function<void()> onInvalidate;

  void InvalidateChart() override {
    ++invalidations;
    if (onInvalidate) onInvalidate();
    TCustomPlotPanelExtended::InvalidateChart();
  }

 protected:
  void InternalDraw(const TRect& bounds) override {
    ++draws;
    if (drawHook) {
      drawHook(*this, bounds);
    } else {
      Canvas().ReferenceCanvas().setPixel(bounds.Left, bounds.Top, base::clRed);
    }
  }
};

// A fake chart: panel background, chart rectangle filled blue, a 12-point
// title centred above it.
inline void DrawFakeChart(FakePlotPanel& panel, const TRect& bounds) {
  panel.PanelPaint(bounds);
  DrawingBackend& b = panel.Canvas().ReferenceCanvas();
  BackendBrush brush;
  brush.color = base::clBlue;
  b.setBrush(brush);
  b.fillRect(panel.ChartRect());
  BackendFont font;
  font.height = -16;  // 12 points at 96 dpi
  font.color = base::clBlack;
  b.setFont(font);
  b.setTextAlign(TextAlign::Center | TextAlign::Top);
  b.textOut(panel.ChartXCenter(), bounds.Top + 1, QStringLiteral("Title"));
}
