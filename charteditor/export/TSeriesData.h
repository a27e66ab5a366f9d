#pragma once
// The base of the series data exports: which series go out, which columns
// they have, and where the bytes go. Each exporter streams its rows as it
// makes them (a file of ten million points never exists as one string);
// AsString exists for the clipboard.
#include "base/FormatSettings.h"
#include "chart/model/SeriesUserPoints.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class DeviceSink;
class QIODevice;
class TChartSeries;
class TChartValueList;
class TCustomAxisPanel;

class TSeriesData {
 public:
  // `series` null exports every series of `chart`.
  TSeriesData(TCustomAxisPanel* chart, TChartSeries* series);
  virtual ~TSeriesData();
  TSeriesData(const TSeriesData&) = delete;
  TSeriesData& operator=(const TSeriesData&) = delete;

  bool IncludeIndex = false;
  bool IncludeHeader = false;  // XML has none
  bool IncludeLabels = true;

  TCustomAxisPanel* Chart() const { return chart_; }
  TChartSeries* Series() const { return series_; }
  // Worked out at the start of every export.
  std::uint8_t StoreFlags() const { return storeFlags_; }

  virtual QString AsString();
  // Raise ChartException naming the file or device and the system's reason;
  // a file keeps its old contents when the new ones cannot be written.
  void SaveToStream(QIODevice& stream);
  void SaveToFile(const QString& fileName);
  void CopyToClipboard();

 protected:
  virtual void Write(DeviceSink& out) = 0;
  // The text of the bytes Write makes; CP1252 unless an exporter says.
  virtual QString Decode(const QByteArray& bytes) const;

  // Fixes the exported series, the store flags and the number format.
  void Prepare();
  // The exported series, each as the user gave its points: a paint's own
  // points (the pie's Other slice) never go out.
  const std::vector<SeriesUserPoints>& Exported() const { return exported_; }
  // The largest point count among the exported series (0 without any).
  int MaxPointCount() const;
  // The value lists of a series in column order: the not-mandatory one
  // (when X values go out), the mandatory one, then the third onward.
  std::vector<const TChartValueList*> ValueColumns(const TChartSeries& series) const;
  bool WithX() const { return (storeFlags_ & 1) != 0; }
  bool WithLabels() const { return (storeFlags_ & 4) != 0; }
  QString Number(double value) const;
  // The series' title, else its name, else its place in the chart.
  QString TitleOf(const TChartSeries& series) const;

 private:
  TCustomAxisPanel* chart_;
  TChartSeries* series_;
  std::uint8_t storeFlags_ = 0;
  std::vector<SeriesUserPoints> exported_;
  std::shared_ptr<const base::FormatSettings> format_;
};
