#include "charteditor/grid/ChartGridHeader.h"

#include "chart/canvas/QPainterBackend.h"
#include "chart/model/SeriesByClass.h"
#include "chart/model/TChartSeries.h"
#include "charteditor/grid/ChartGridModel.h"

#include <QImage>
#include <QPainter>

ChartGridHeader::ChartGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsClickable(false);
  setHighlightSections(false);
}

QSize ChartGridHeader::sizeHint() const {
  QSize size = QHeaderView::sizeHint();
  size.setHeight(kTitleRowHeight + kNameRowHeight);
  return size;
}

void ChartGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  QAbstractItemModel* m = model();
  if (!m) return;
  // The style's section frame over the whole height, then the two rows.
  painter->save();
  const QVariant savedText = m->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole);
  QStyleOptionHeader option;
  initStyleOption(&option);
  option.rect = rect;
  option.section = logicalIndex;
  style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
  painter->restore();

  const QRect top(rect.left(), rect.top(), rect.width(), kTitleRowHeight);
  const QRect bottom(rect.left(), rect.top() + kTitleRowHeight, rect.width(),
                     rect.height() - kTitleRowHeight);
  painter->save();
  painter->setClipRect(rect);
  painter->setPen(palette().color(QPalette::ButtonText));
  const QString title =
      m->headerData(logicalIndex, Qt::Horizontal, ChartGridModel::TitleRole).toString();
  auto* series = qobject_cast<TChartSeries*>(
      m->headerData(logicalIndex, Qt::Horizontal, ChartGridModel::SeriesRole).value<QObject*>());
  int textLeft = top.left() + 2;
  if (series) {
    QImage icon(12, 12, QImage::Format_ARGB32_Premultiplied);
    icon.fill(palette().color(QPalette::Button));
    {
      QPainter iconPainter(&icon);
      QPainterBackend backend(iconPainter);
      PaintSeriesIcon(*series, backend, TRect{0, 0, 12, 12});
    }
    painter->drawImage(top.left() + 4, top.top() + 4, icon);
    textLeft = top.left() + 18;
  }
  painter->drawText(QRect(textLeft, top.top(), top.right() - textLeft, top.height()),
                    Qt::AlignLeft | Qt::AlignVCenter, title);
  painter->drawText(bottom.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                    savedText.toString());
  painter->restore();
}
