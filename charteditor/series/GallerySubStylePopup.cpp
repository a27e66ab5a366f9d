#include "charteditor/series/GallerySubStylePopup.h"

#include "charteditor/series/GallerySampleWidget.h"
#include "charteditor/series/TChartGalleryPanel.h"
#include "charteditor/series/TGalleryChart.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <array>

GallerySubStylePopup::GallerySubStylePopup(TChartGalleryPanel& outer, GallerySampleWidget& sample)
    : QFrame(&outer, Qt::Popup), inner_(new TChartGalleryPanel(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  const TGalleryChart* chosen = sample.Chart();
  inner_->SetDisplaySub(false);
  inner_->SetClickPicks(true);
  inner_->SetView3D(outer.View3D());
  inner_->CreateSubStyleList(chosen->Entry());
  const int cols = std::max(1, outer.NumCols());
  const int rows = std::max(1, (inner_->Count() + cols - 1) / cols);
  inner_->SetNumCols(cols);
  inner_->SetNumRows(rows);
  const int w = std::max(1, cols * outer.CellWidth());
  const int h = std::max(1, rows * outer.CellHeight());
  inner_->setGeometry(0, kStripHeight, w, h);
  resize(w, kStripHeight + h);
  inner_->SelectChart(chosen->SubStyle());
  inner_->OnSelectedChart = [this](TChartGalleryPanel&) { Finish(true); };

  // Just below the sample, moved left to stay on the screen.
  QPoint at = sample.mapToGlobal(QPoint(0, sample.height()));
  const QScreen* screen = sample.screen() ? sample.screen() : QGuiApplication::primaryScreen();
  if (screen) {
    const QRect room = screen->availableGeometry();
    at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - width())));
  }
  move(at);
  inner_->setFocus();
}

void GallerySubStylePopup::Finish(bool ok) {
  if (finished_) return;
  finished_ = true;
  const int subStyle = inner_->SelectedChart() ? inner_->SelectedChart()->SubStyle() : -1;
  close();
  if (OnClosed) OnClosed(ok && subStyle >= 0, subStyle);
}

void GallerySubStylePopup::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.fillRect(QRect(0, 0, width(), kStripHeight), palette().window());
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  const std::array<QPoint, 3> up{QPoint(4, 10), QPoint(8, 2), QPoint(13, 10)};
  painter.drawPolygon(up.data(), static_cast<int>(up.size()));
}

void GallerySubStylePopup::mousePressEvent(QMouseEvent* event) {
  if (event->position().y() < kStripHeight) {
    Finish(true);
    return;
  }
  QFrame::mousePressEvent(event);
}

void GallerySubStylePopup::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Finish(false);
    return;
  }
  // Every other key belongs to the sub-styles.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (inner_->SelectedIndex() >= 0) Finish(true);
    return;
  }
  QCoreApplication::sendEvent(inner_, event);
}

void GallerySubStylePopup::closeEvent(QCloseEvent* event) {
  // Closed by a click elsewhere: nothing picked.
  if (!finished_) {
    finished_ = true;
    if (OnClosed) OnClosed(false, -1);
  }
  QFrame::closeEvent(event);
}
