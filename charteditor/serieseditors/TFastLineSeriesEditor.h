#pragma once
// The fast line's "Format" sheet: the pen dialog on the series' line pen,
// without OK and Cancel (every change is written at once), and "Draw All".
// Its colour is the series colour, so that the line and everything that
// shows the series' colour change together.
#include "charteditor/common/TPenDialog.h"
#include "charteditor/serieseditors/SeriesEditorHooks.h"

#include <QPointer>

class QCheckBox;
class TFastLineSeries;

class TFastLineSeriesEditor : public TPenDialog, public SeriesEditorHooks {
  Q_OBJECT
  // What the colour button writes: the series colour, in one repaint.
  Q_PROPERTY(uint SeriesColor READ SeriesColor WRITE SetSeriesColor)

 public:
  explicit TFastLineSeriesEditor(QWidget* parent = nullptr);

  void LoadSeries() override;
  // Embedded, there is nothing to go back to: Escape keeps the pen.
  void reject() override;

  uint SeriesColor() const;
  // The series colour (the fast line's pen follows it) with one repaint of
  // the chart for both changes.
  void SetSeriesColor(uint color);

 protected:
  // The pen may have changed elsewhere: showing loads it again.
  void showEvent(QShowEvent* event) override;

 private:
  QCheckBox* drawAllBox_;
  QPointer<TFastLineSeries> series_;
};
