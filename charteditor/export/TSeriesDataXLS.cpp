#include "charteditor/export/TSeriesDataXLS.h"

#include "base/Cp1252.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/TChartSeries.h"
#include "charteditor/export/DeviceSink.h"
#include "charteditor/export/TSeriesDataText.h"

#include <cmath>

namespace {

class Cells {
 public:
  explicit Cells(DeviceSink& out) : out_(out) {}
  void Start(int row) {
    row_ = row;
    column_ = 0;
  }
  void Number(double value) {
    if (!std::isfinite(value)) {
      Blank();
      return;
    }
    Head(0x0003, 15);
    out_.F64(value);
  }
  void Label(const QString& text) {
    const QByteArray bytes = base::ToCp1252(text).left(255);
    Head(0x0004, static_cast<std::uint16_t>(8 + bytes.size()));
    out_.U8(static_cast<std::uint8_t>(bytes.size()));
    out_.Put(bytes);
  }
  void Blank() { Head(0x0001, 7); }

 private:
  void Head(std::uint16_t type, std::uint16_t length) {
    out_.U16(type);
    out_.U16(length);
    out_.U16(static_cast<std::uint16_t>(row_));
    out_.U16(static_cast<std::uint16_t>(column_++));
    const char attributes[3] = {};
    out_.Put(attributes, 3);
  }
  DeviceSink& out_;
  int row_ = 0;
  int column_ = 0;
};

}  // namespace

QString TSeriesDataXLS::AsString() {
  TSeriesDataText text(Chart(), Series());
  text.IncludeIndex = IncludeIndex;
  text.IncludeHeader = IncludeHeader;
  text.IncludeLabels = IncludeLabels;
  return text.AsString();
}

void TSeriesDataXLS::Write(DeviceSink& out) {
  Prepare();
  const int pointRows = MaxPointCount();
  const int rows = pointRows + (IncludeHeader ? 1 : 0);
  const int n = static_cast<int>(Exported().size());
  int columns = (IncludeIndex ? 1 : 0) + (WithLabels() ? n : 0) + (WithX() ? n : 0);
  for (const SeriesUserPoints& s : Exported()) columns += s.Series().ValuesList().Count() - 1;
  if (rows > MaxRows || columns > MaxColumns) {
    throw ChartException(
        QStringLiteral(
            "A worksheet holds at most %1 rows and %2 columns; this export has %3 and %4")
            .arg(MaxRows)
            .arg(MaxColumns)
            .arg(rows)
            .arg(columns));
  }
  static const char bof[12] = {0x09, 0x08, 0x08, 0x00, 0x00, 0x00,
                               0x10, 0x00, 0x00, 0x00, 0x00, 0x00};
  out.Put(bof, sizeof bof);
  out.U16(0x0042);  // CODEPAGE: labels are CP1252
  out.U16(2);
  out.U16(1252);
  out.U16(0x0200);  // DIMENSIONS
  out.U16(10);
  out.U16(0);
  out.U16(static_cast<std::uint16_t>(rows));
  out.U16(0);
  out.U16(static_cast<std::uint16_t>(columns));
  out.U16(0);

  Cells cells(out);
  if (IncludeHeader) {
    cells.Start(0);
    if (IncludeIndex) cells.Label(QStringLiteral("Index"));
    for (const SeriesUserPoints& s : Exported()) {
      if (WithLabels()) cells.Label(QStringLiteral("Text"));
      for (const TChartValueList* list : ValueColumns(s.Series())) cells.Label(list->Name());
    }
  }
  const int first = IncludeHeader ? 1 : 0;
  for (int i = 0; i < pointRows; ++i) {
    cells.Start(i + first);
    if (IncludeIndex) cells.Number(i);
    for (const SeriesUserPoints& points : Exported()) {
      const auto lists = ValueColumns(points.Series());
      if (i >= points.Count()) {
        if (WithLabels()) cells.Label(QString());
        for (std::size_t c = 0; c < lists.size(); ++c) cells.Blank();
        continue;
      }
      if (WithLabels()) cells.Label(points.Label(i));
      std::size_t c = 0;
      if (WithX()) cells.Number(points.Value(*lists[c++], i));
      const bool null = points.IsNull(i);
      for (; c < lists.size(); ++c) {
        if (null) {
          cells.Blank();
        } else {
          cells.Number(points.Value(*lists[c], i));
        }
      }
    }
  }
  static const char eof[4] = {0x0A, 0x00, 0x00, 0x00};
  out.Put(eof, sizeof eof);
}
