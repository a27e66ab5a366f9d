#pragma once
// The window of one gallery sample. It shows the sample chart's finished
// picture and lays over it, without drawing the chart again, the frame of
// the sample under the mouse and the sign that sub-styles can be opened.
// Clicks go to the gallery panel, never to the chart (no zooming here).
#include "chart/widget/PlotPanelWidget.h"

#include <functional>

class TGalleryChart;

class GallerySampleWidget : public PlotPanelWidget {
  Q_OBJECT

 public:
  // Owns `chart`.
  explicit GallerySampleWidget(TGalleryChart* chart, QWidget* parent = nullptr);
  ~GallerySampleWidget() override;

  TGalleryChart* Chart() const;

  bool Hovered() const { return hovered_; }
  // The small triangle at the bottom left: this sample's sub-styles can be opened.
  void SetShowSubSign(bool value);
  bool ShowSubSign() const { return showSubSign_; }

  std::function<void(GallerySampleWidget&, QPoint at)> OnPress;
  std::function<void(GallerySampleWidget&)> OnDoubleClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void DrawOverlay(QPainter& painter);

  TGalleryChart* chart_;
  bool hovered_ = false;
  bool showSubSign_ = false;
};
