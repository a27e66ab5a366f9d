#pragma once
// One row of the colour legend: a swatch in the class colour with the class's
// value range beside it. The row reads everything it shows from the legend's
// model; hovering makes it the active row, a left click on it asks the legend
// for a new colour.
#include "viewer/widgets/ColorLegendLayout.h"

#include <QWidget>

class ColorLegendModel;
class QPainter;
class TColorScrollBox;

class TColorBox : public QWidget {
  Q_OBJECT

 public:
  TColorBox(TColorScrollBox* legend, int index);

  // The row's class, 1-based (its Tag).
  int Index() const { return index_; }
  // The mouse is over the row.
  bool Active() const;

  // Draws row `index` of `model` with its top-left at `offset`: background,
  // swatch, caption, and the raised (active) or sunken (pressed) edge. Shared
  // by the row's paint and the legend's clipboard picture.
  static void Draw(QPainter& painter, QPoint offset, int width, const ColorLegendModel& model,
                   const ColorLegendLayout& layout, int index, bool active, bool pressed);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TColorScrollBox* legend_;
  int index_;
  bool pressed_ = false;
};
