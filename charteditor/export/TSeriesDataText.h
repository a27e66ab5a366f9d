#pragma once
// Series data as delimited text in CP1252: an optional header line, one
// line per point index, a closing empty line. Every field but a row's first
// has the separator before it, so columns stay in place when a field is
// empty; a field holding the separator, a quote or a line break is quoted.
#include "charteditor/export/TSeriesData.h"

#include <QChar>

class TSeriesDataText : public TSeriesData {
 public:
  TSeriesDataText(TCustomAxisPanel* chart, TChartSeries* series);

  QChar TextSeparator = QLatin1Char('\t');

 protected:
  void Write(DeviceSink& out) override;

 private:
  QString HeaderLine() const;
  QString Row(int index) const;
  void Field(QString& row, bool& first, const QString& text) const;
};
