#include "viewer/widgets/TViewer.h"

#include "base/Colors.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int ScrollBarWidth = 16;

// The platform's fixed-pitch font at 11 points.
QFont TerminalFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(11);
  return font;
}

}  // namespace

TViewer::TViewer(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Viewer"));
  setWindowTitle(QStringLiteral("Viewer"));
  setFont(TerminalFont());
  scrollBar_ = new QScrollBar(Qt::Vertical, this);
  scrollBar_->setObjectName(QStringLiteral("ScrollBar1"));
  scrollBar_->setRange(0, 0);
  scrollBar_->setSingleStep(1);
  connect(scrollBar_, &QScrollBar::valueChanged, this, [this] { update(); });
  resize(870, 640);
}

void TViewer::SetLines(const QStringList& lines) {
  model_.SetLines(lines);
  UpdateScrollRange();
  update();
}

void TViewer::resizeEvent(QResizeEvent*) {
  scrollBar_->setGeometry(width() - ScrollBarWidth, 0, ScrollBarWidth, height());
  UpdateScrollRange();
  update();
}

void TViewer::UpdateScrollRange() {
  model_.SetMetrics(QFontMetrics(font()).height() + 2, height());
  scrollBar_->setMaximum(model_.ScrollMax());
  scrollBar_->setPageStep(model_.PageStep());
}

void TViewer::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Render(p);
}

QImage TViewer::RenderImage() const {
  QImage image(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
  QPainter p(&image);
  Render(p);
  return image;
}

void TViewer::Render(QPainter& p) const {
  p.fillRect(rect(), base::ToQColor(base::clWhite));
  p.setFont(font());
  p.setPen(base::ToQColor(base::clBlack));
  const int position = scrollBar_->value();
  const int first = model_.FirstLine(position);
  const int h = model_.LineHeight();
  for (int k = 0; k < model_.VisibleLineCount(position); ++k) {
    p.drawText(QRect(TextViewerModel::LeftMargin, k * h, width(), h),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
               model_.Lines().at(first + k));
  }
}
