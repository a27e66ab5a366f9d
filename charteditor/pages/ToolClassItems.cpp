#include "charteditor/pages/ToolClassItems.h"

#include "chart/core/ChartResources.h"

#include <QImage>
#include <QListWidget>
#include <QMetaClassInfo>
#include <QPainter>

namespace {

constexpr int kClassRole = Qt::UserRole + 1;

}  // namespace

QString ToolClassDescription(const QMetaObject& toolClass) {
  const int info = toolClass.indexOfClassInfo("Description");
  if (info >= 0) return QString::fromUtf8(toolClass.classInfo(info).value());
  return QString::fromLatin1(toolClass.className());
}

void AddToolClassItem(QListWidget& list, const QMetaObject& toolClass, const QString& text) {
  auto* item = new QListWidgetItem(text);
  item->setData(kClassRole, QVariant::fromValue(reinterpret_cast<quintptr>(&toolClass)));
  list.addItem(item);
}

const QMetaObject* ToolClassOfRow(const QListWidget& list, int row) {
  const QListWidgetItem* item = list.item(row);
  if (!item) return nullptr;
  return reinterpret_cast<const QMetaObject*>(item->data(kClassRole).value<quintptr>());
}

void ToolClassDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  const QPalette& palette = option.palette;
  painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
  const auto* toolClass =
      reinterpret_cast<const QMetaObject*>(index.data(kClassRole).value<quintptr>());
  if (toolClass) {
    const QMetaObject* parent = toolClass->superClass();
    QImage bitmap;
    if (PlotLoadBitmap(bitmap, QString::fromLatin1(toolClass->className()),
                       parent ? QString::fromLatin1(parent->className()) : QString()))
      painter->drawImage(option.rect.left(), option.rect.top() + 1, bitmap);
  }
  painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
  painter->drawText(option.rect.adjusted(18, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                    index.data(Qt::DisplayRole).toString());
}
