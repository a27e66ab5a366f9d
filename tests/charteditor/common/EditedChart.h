#pragma once
// What the editor dialogs are tested on: an object that owns, as published
// properties, every attribute those dialogs edit (a pen, a brush, a
// gradient, a font and a framed title in a chart host), counts the change
// notifications that reach it, renders all of them into an image, and is
// walked generically for the paths a dialog changed.
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartGradient.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TPlotCustomShape.h"
#include "chart/canvas/TPlotFont.h"
#include "tests/chart/support/FakeChartHost.h"

#include <QImage>
#include <QMap>
#include <QStringList>
#include <QVariant>

class EditedChart : public TPlotPersistent {
  Q_OBJECT
  Q_PROPERTY(TChartPen* Pen READ Pen)
  Q_PROPERTY(TChartBrush* Brush READ Brush)
  Q_PROPERTY(TChartGradient* Gradient READ Gradient)
  Q_PROPERTY(TPlotFont* Font READ Font)
  Q_PROPERTY(TPlotCustomShape* Title READ Title)

 public:
  EditedChart();
  ~EditedChart() override;

  TChartPen* Pen() const { return pen_; }
  TChartBrush* Brush() const { return brush_; }
  TChartGradient* Gradient() const { return gradient_; }
  TPlotFont* Font() const { return font_; }
  TPlotCustomShape* Title() const { return title_; }

  // Change notifications that reached this object, and the host's repaints.
  int changes = 0;
  FakeChartHost host;

  void ResetCounts() {
    changes = 0;
    host.invalidations = 0;
  }

  // Everything drawn into a white 400 x 300 image.
  QImage Render() const;

 private:
  TChartPen* pen_;
  TChartBrush* brush_;
  TChartGradient* gradient_;
  TPlotFont* font_;
  TPlotCustomShape* title_;
};

// Every stored published value below `object` by path ("Title.Frame.Width"),
// the extra stored values (a picture's image) included.
QMap<QString, QVariant> PublishedSnapshot(const QObject& object);
// The paths whose values differ, sorted.
QStringList ChangedPaths(const QMap<QString, QVariant>& before,
                         const QMap<QString, QVariant>& after);
