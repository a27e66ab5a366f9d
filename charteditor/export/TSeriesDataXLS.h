#pragma once
// Series data as a binary worksheet (the BIFF2 record layout): BOF, the
// code page, DIMENSIONS, one cell record per value, EOF. The layout's
// limits (16,384 rows, 256 columns) are checked before the first byte, so
// a too large export fails whole instead of wrapping rows over each other.
#include "charteditor/export/TSeriesData.h"

class TSeriesDataXLS : public TSeriesData {
 public:
  using TSeriesData::TSeriesData;

  static constexpr int MaxRows = 16384;
  static constexpr int MaxColumns = 256;

  // The clipboard gets the same cells as tab-separated text.
  QString AsString() override;

 protected:
  void Write(DeviceSink& out) override;
};
