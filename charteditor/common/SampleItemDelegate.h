#pragma once
// A list entry drawn as a sample beside its name (pen styles, fill
// patterns, point styles): the entry's background, the sample its owner
// draws left of the name, then the name in the entry's text colour.
#include <QStyledItemDelegate>

class QComboBox;

class SampleItemDelegate : public QStyledItemDelegate {
 public:
  struct Layout {
    QMargins text;        // the name's box inside the entry
    Qt::Alignment align;  // the name inside that box
    int extraWidth;       // room for the sample beside the name
    int minHeight;
  };
  SampleItemDelegate(const Layout& layout, QObject* parent)
      : QStyledItemDelegate(parent), layout_(layout) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const final;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const final;

 protected:
  // Draws entry `row`'s sample inside `item`, on the `back` colour.
  virtual void PaintSample(QPainter& painter, const QRect& item, int row,
                           const QColor& back) const = 0;

 private:
  Layout layout_;
};

// A combo box's open list is as wide as the box, which measures its entries
// by their names alone: this widens the list to the entries its item
// delegate draws (a sample beside each name), once the entries are in.
void FitListToEntries(QComboBox& box);
