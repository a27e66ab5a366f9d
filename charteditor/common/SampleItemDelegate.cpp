#include "charteditor/common/SampleItemDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

void SampleItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  const bool selected = opt.state & QStyle::State_Selected;
  const QColor back = opt.palette.color(selected ? QPalette::Highlight : QPalette::Base);
  painter->save();
  painter->fillRect(opt.rect, back);
  PaintSample(*painter, opt.rect, index.row(), back);
  painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawText(opt.rect.marginsRemoved(layout_.text), layout_.align, opt.text);
  painter->restore();
}

QSize SampleItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
  const QSize s = QStyledItemDelegate::sizeHint(option, index);
  return QSize(s.width() + layout_.extraWidth, std::max(s.height(), layout_.minHeight));
}

void FitListToEntries(QComboBox& box) {
  QAbstractItemView* view = box.view();
  QStyleOptionViewItem option;
  option.initFrom(view);
  int widest = 0;
  for (int row = 0; row < box.count(); ++row)
    widest = std::max(widest,
                      view->itemDelegate()->sizeHint(option, box.model()->index(row, 0)).width());
  // The list's frame and a scroll bar, should the list ever need one.
  const int frame = 2 * view->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, view);
  view->setMinimumWidth(widest + frame + view->verticalScrollBar()->sizeHint().width());
}
