#pragma once
// Series data as XML in UTF-8: one series element per series, one point
// element per point with its values as attributes named after the value
// lists. List names come from stored charts, so they are made into valid,
// distinct attribute names; texts are escaped, characters XML forbids
// become U+FFFD.
#include "charteditor/export/TSeriesData.h"

#include <QStringList>

class TSeriesDataXML : public TSeriesData {
 public:
  using TSeriesData::TSeriesData;

 protected:
  void Write(DeviceSink& out) override;
  QString Decode(const QByteArray& bytes) const override;

 private:
  void SeriesElement(DeviceSink& out, const TChartSeries& series) const;
};

// `text` escaped for an attribute value.
QString XmlAttributeText(const QString& text);
// A valid XML name made from `name`.
QString XmlName(const QString& name);
