#include "charteditor/common/SampleItemDelegate.h"

#include <QPainter>

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
