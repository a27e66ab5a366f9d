#pragma once
// How the tools page and the tools gallery show a tool class: its
// description (the class's "Description" class info, else its name) and
// its bitmap, drawn by one item delegate for both lists.
#include <QString>
#include <QStyledItemDelegate>

class QListWidget;
class QMetaObject;

QString ToolClassDescription(const QMetaObject& toolClass);

// Appends an item for `toolClass` with `text`; the item carries the class.
void AddToolClassItem(QListWidget& list, const QMetaObject& toolClass, const QString& text);
// The class an item carries, or null.
const QMetaObject* ToolClassOfRow(const QListWidget& list, int row);

// Fills with the highlight or the list's colour, draws the class bitmap at
// the left one pixel down, and the text 18 pixels in and 2 down.
class ToolClassDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};
