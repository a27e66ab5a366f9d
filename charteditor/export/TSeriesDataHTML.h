#pragma once
// Series data as an HTML table in CP1252: every series of a row has its
// own cells, empty ones where it has no point. Markup characters in texts
// are escaped and characters CP1252 lacks become numeric references, so a
// label shows in a browser as the user typed it.
#include "charteditor/export/TSeriesData.h"

class TSeriesDataHTML : public TSeriesData {
 public:
  using TSeriesData::TSeriesData;

 protected:
  void Write(DeviceSink& out) override;

 private:
  QByteArray HeaderRow() const;
  QByteArray Row(int index) const;
};

// `text` as HTML character data in CP1252 bytes.
QByteArray HtmlText(const QString& text);
