#include "viewer/widgets/TQuroProgress.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace {

QPolygon ToPolygon(const TQuroProgressModel::Quad& quad) {
  return QPolygon({quad[0], quad[1], quad[2], quad[3]});
}

}  // namespace

TQuroProgress::TQuroProgress(QWidget* parent, TQuroProgressModel::Clock today)
    : QWidget(parent), model_(std::move(today)) {
  setObjectName(QStringLiteral("QuroProgress"));
  resize(TQuroProgressModel::DefaultSize, TQuroProgressModel::DefaultSize);
  model_.OnChanged = [this] { update(); };
}

QSize TQuroProgress::sizeHint() const {
  return QSize(TQuroProgressModel::DefaultSize, TQuroProgressModel::DefaultSize);
}

void TQuroProgress::resizeEvent(QResizeEvent*) {
  model_.SetSize(width(), height());
}

void TQuroProgress::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Render(p);
}

QImage TQuroProgress::RenderImage() const {
  QImage image(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
  QPainter p(&image);
  Render(p);
  return image;
}

void TQuroProgress::Render(QPainter& p) const {
  p.fillRect(rect(), palette().color(QPalette::Window));
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(Qt::black, 0));
  p.setBrush(base::ToQColor(model_.BoxColor()));
  p.drawPolygon(ToPolygon(model_.FrontFace()));
  p.drawPolygon(ToPolygon(model_.TopFace()));
  p.drawPolygon(ToPolygon(model_.RightFace()));

  // Back to front: December first, the current month in front.
  p.setFont(font());
  for (int i = TQuroProgressModel::MonthCount - 1; i >= model_.FirstDrawnSheet(); --i)
    DrawSheet(p, i);

  // The bar: a sunken frame, filled from the left in the highlight colour.
  const QRect bar(model_.BarLeft(), model_.BarTop(), model_.BarWidth(), model_.BarHeight());
  if (bar.width() > 2 && bar.height() > 2) {
    const QRect inner = bar.adjusted(1, 1, -1, -1);
    p.fillRect(bar, base::ToQColor(base::clBtnFace));
    p.setPen(base::ToQColor(base::clBtnShadow));
    p.drawLine(bar.topLeft(), bar.topRight());
    p.drawLine(bar.topLeft(), bar.bottomLeft());
    p.setPen(base::ToQColor(base::clBtnHighlight));
    p.drawLine(bar.bottomLeft(), bar.bottomRight());
    p.drawLine(bar.topRight(), bar.bottomRight());
    const int filled = model_.BarFilledWidth(inner.width());
    if (filled > 0)
      p.fillRect(QRect(inner.topLeft(), QSize(filled, inner.height())),
                 base::ToQColor(base::clHighlight));
  }
}

void TQuroProgress::DrawSheet(QPainter& p, int i) const {
  const TQuroProgressModel::Sheet& sheet = model_.SheetAt(i);
  p.setPen(QPen(Qt::black, 0));
  p.setBrush(base::ToQColor(model_.SheetColor()));
  p.drawPolygon(ToPolygon(sheet.corners));
  if (sheet.showsTexts) {
    const QFontMetrics fm(p.font());
    p.setPen(base::ToQColor(model_.FontColor()));
    for (const bool upper : {true, false}) {
      const QString text = upper ? model_.TopText(i) : model_.BottomText(i);
      const QSize size(fm.horizontalAdvance(text), fm.height());
      p.drawText(QRect(model_.TextPos(i, upper, size), size),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
    }
  }
  p.setPen(QPen(Qt::black, 0));
  const auto line = model_.MiddleLine(i);
  p.drawLine(line[0], line[1]);
}
