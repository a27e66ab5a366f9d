#include "chart/series/TLineSeries.h"

#include "chart/core/ChartMessages.h"

TLineSeries::TLineSeries(QObject* owner) : TCustomSeries(owner) {
  SetDrawLine(true);
  Pointer()->SetVisible(false);
  // A function's value over a whole source shows as a level line.
  wholeValueAsPoint_ = false;
}

void TLineSeries::Assign(const TCustomChartElement& source) {
  TCustomSeries::Assign(source);
  if (source.metaObject() != metaObject()) Pointer()->SetVisible(false);
  SetDrawLine(true);
  SetDrawArea(false);
}

void TLineSeries::CreateSubGallery(const std::function<void(const QString&)>& add) const {
  TCustomSeries::CreateSubGallery(add);
  for (ChartMsg m :
       {ChartMsg::StyleStairs, ChartMsg::StylePoints, ChartMsg::StyleHeight, ChartMsg::StyleHollow,
        ChartMsg::StyleColors, ChartMsg::StyleMarks, ChartMsg::StyleNoBorder})
    add(ChartText(m));
}

void TLineSeries::SetSubGallery(int index) {
  switch (index) {
    case 1:
      SetStairs(true);
      break;
    case 2:
      Pointer()->SetVisible(true);
      break;
    case 3:
      SetLineHeight(5);
      break;
    case 4:
      SetLineBrush(Graphics::bsClear);
      break;
    case 5:
      SetColorEachPoint(true);
      break;
    case 6:
      Marks()->SetVisible(true);
      break;
    case 7:
      LinePen()->SetVisible(false);
      break;
    default:
      break;
  }
}
