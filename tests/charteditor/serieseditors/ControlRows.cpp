#include "tests/charteditor/serieseditors/ControlRows.h"

#include <QTabWidget>

void CheckControlRow(const ControlRow& row) {
  SeriesPage page(*row.seriesClass);
  if (row.prepare) {
    row.prepare(*page.Series(0));
    page.Form().RefreshSeries(page.Series(1));
    page.Form().RefreshSeries(page.Series(0));
  }
  ASSERT_TRUE(page.ShowSheet(QString::fromLatin1(row.sheet)))
      << page.SheetCaptions().join(QLatin1Char(',')).toStdString();
  page.Mark();
  row.act(*page.Form().Pages()->currentWidget(), page.Prompts());
  EXPECT_EQ(page.Changed(), row.paths);
  EXPECT_GE(page.repaints, 1);
}

RowAction ClickOn(const char* name) {
  return [name](QWidget& w, RecordingChartPrompts&) { Click(w, name); };
}

RowAction StepUpOn(const char* name) {
  return [name](QWidget& w, RecordingChartPrompts&) { StepUp(w, name); };
}

RowAction ChooseOn(const char* name, int index) {
  return [name, index](QWidget& w, RecordingChartPrompts&) { Choose(w, name, index); };
}

RowAction TypeOn(const char* name, const char* text) {
  return [name, text](QWidget& w, RecordingChartPrompts&) {
    TypeText(w, name, QString::fromLatin1(text));
  };
}

RowAction PickColor(const char* name, base::TColor color) {
  return [name, color](QWidget& w, RecordingChartPrompts& prompts) {
    prompts.colorAnswers.push_back(color);
    Click(w, name);
  };
}
