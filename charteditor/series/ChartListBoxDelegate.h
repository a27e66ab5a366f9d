#pragma once
// Paints a row of the series list: the class icon, the active check, the
// series' legend symbol and its title, each in its column.
#include <QHash>
#include <QImage>
#include <QStyledItemDelegate>

class TChartListBox;

class ChartListBoxDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit ChartListBoxDelegate(TChartListBox& list);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  // The image of the series' class (null without one), read once per class.
  const QImage& IconOf(const QObject& series) const;

  TChartListBox& list_;
  mutable QHash<const QMetaObject*, QImage> icons_;
};
