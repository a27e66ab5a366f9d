#pragma once
// The chart grid's column header in two rows: above the first column of
// each series its symbol and title, below every column the name of what it
// holds ("Colors", "Text", a value list's name).
#include <QHeaderView>

class ChartGridHeader : public QHeaderView {
  Q_OBJECT

 public:
  static constexpr int kTitleRowHeight = 20;
  static constexpr int kNameRowHeight = 16;

  explicit ChartGridHeader(QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};
