#include "charteditor/series/ChartListBoxDelegate.h"

#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartResources.h"
#include "chart/model/SeriesByClass.h"
#include "chart/model/TChartSeries.h"
#include "charteditor/series/TChartListBox.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <exception>

namespace {

constexpr int kCheckSize = 13;
constexpr int kSymbolInset = 4;

}  // namespace

ChartListBoxDelegate::ChartListBoxDelegate(TChartListBox& list)
    : QStyledItemDelegate(&list), list_(list) {}

const QImage& ChartListBoxDelegate::IconOf(const QObject& series) const {
  auto it = icons_.find(series.metaObject());
  if (it == icons_.end()) {
    QImage icon;
    PlotLoadClassBitmap(series, icon);
    it = icons_.insert(series.metaObject(), icon);
  }
  return *it;
}

QSize ChartListBoxDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& /*index*/) const {
  return {option.rect.width(), TChartListBox::kItemHeight};
}

void ChartListBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const QRect r = option.rect;
  const QPalette& palette = option.palette;
  const bool selected = (option.state & QStyle::State_Selected) != 0;
  painter->save();
  painter->fillRect(r, selected ? palette.highlight() : palette.base());
  // Only the title shows the selection.
  const int titleLeft = list_.ColumnLeft(TChartListBox::ColTitle);
  painter->fillRect(QRect(r.left(), r.top(), titleLeft - 2, r.height()), palette.base());

  TChartSeries* series = list_.SeriesAt(index.row());
  if (series && list_.ShowSeriesIcon()) {
    // Rows repaint at each hover and selection: the icon is read once per class.
    if (const QImage& icon = IconOf(*series); !icon.isNull())
      painter->drawImage(QPoint(r.left() + list_.ColumnLeft(TChartListBox::ColIcon), r.top()),
                         icon);
  }
  if (series && list_.ShowSeriesColor() && series->UsesSeriesColor()) {
    const int left = r.left() + list_.ColumnLeft(TChartListBox::ColColor) - 2;
    const TRect symbol{left + kSymbolInset, r.top() + kSymbolInset,
                       left + TChartListBox::ColumnWidth(TChartListBox::ColColor) - kSymbolInset,
                       r.bottom() + 1 - kSymbolInset};
    try {
      QPainterBackend backend(*painter);
      PaintSeriesIcon(*series, backend, symbol);
    } catch (const std::exception& e) {
      // A symbol that fails to draw must not take the list down with it.
      qWarning("Series symbol failed: %s", e.what());
    }
  }
  if (series && list_.ShowActiveCheck()) {
    QStyleOptionButton check;
    check.rect = QRect(r.left() + list_.ColumnLeft(TChartListBox::ColActive) + 2, r.top() + 6,
                       kCheckSize, kCheckSize);
    check.state = QStyle::State_Enabled | (series->Active() ? QStyle::State_On : QStyle::State_Off);
    check.palette = palette;
    QStyle* style = list_.style() ? list_.style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &check, painter, &list_);
  }
  if (list_.ShowSeriesTitle()) {
    painter->setFont(option.font);
    painter->setPen(selected ? palette.color(QPalette::HighlightedText)
                             : palette.color(QPalette::Text));
    const QFontMetrics metrics(option.font);
    const int top = r.top() + (TChartListBox::kItemHeight - metrics.height()) / 2;
    painter->drawText(QPoint(r.left() + titleLeft + 1, top + metrics.ascent()),
                      index.data(Qt::DisplayRole).toString());
  }
  painter->restore();
}
