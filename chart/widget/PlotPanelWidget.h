#pragma once
// The window of one chart panel: it paints the panel (its canvas keeps the
// finished picture, shown again while nothing changed), lays the zoom
// rectangle over that picture, and hands mouse and keys to the panel.
#include <QPointer>
#include <QWidget>

class QPainter;
#include "chart/model/TCustomPlotPanelExtended.h"

class PlotPanelWidget : public QWidget {
  Q_OBJECT

 public:
  // The panel is not owned.
  explicit PlotPanelWidget(TCustomPlotPanelExtended* panel, QWidget* parent = nullptr);
  ~PlotPanelWidget() override;

  TCustomPlotPanelExtended* Panel() const { return panel_; }

  // Paints the panel and the zoom rectangle: what paintEvent shows.
  void PaintTo(QPainter& painter);

 Q_SIGNALS:
  void keyPressed(int key, Qt::KeyboardModifiers modifiers);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void ShowCursor(int cursor);
  void UpdateBackground();

  QPointer<TCustomPlotPanelExtended> panel_;
};
