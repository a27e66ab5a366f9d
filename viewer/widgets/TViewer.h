#pragma once
// A plain scrolling text window: lines of a fixed-pitch font drawn from the
// top, with a vertical scroll bar on the right. The material window is one.
#include "viewer/widgets/TextViewerModel.h"

#include <QImage>
#include <QWidget>

class QScrollBar;

class TViewer : public QWidget {
  Q_OBJECT

 public:
  explicit TViewer(QWidget* parent = nullptr);

  // The window shows a copy of `lines` from the first; the scroll range
  // follows the new line count.
  void SetLines(const QStringList& lines);
  const TextViewerModel& Model() const { return model_; }
  QScrollBar* ScrollBar1() const { return scrollBar_; }

  // What a paint event shows, lines and background (without the scroll bar).
  QImage RenderImage() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Render(QPainter& painter) const;
  void UpdateScrollRange();

  TextViewerModel model_;
  QScrollBar* scrollBar_;
};
