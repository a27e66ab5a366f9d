#pragma once
// The pop-up below a gallery sample that offers its type's sub-styles as a
// second, smaller gallery. A click on a sub-style, Enter, or a click on the
// strip at the top picks; Escape or a click elsewhere closes it unchanged.
#include <QFrame>

#include <functional>

class GallerySampleWidget;
class TChartGalleryPanel;

class GallerySubStylePopup : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kStripHeight = 12;

  GallerySubStylePopup(TChartGalleryPanel& outer, GallerySampleWidget& sample);

  TChartGalleryPanel* Inner() const { return inner_; }
  // Closes, telling OnClosed whether a sub-style was picked (and which).
  void Finish(bool ok);

  std::function<void(bool ok, int subStyle)> OnClosed;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  TChartGalleryPanel* inner_;
  bool finished_ = false;
};
