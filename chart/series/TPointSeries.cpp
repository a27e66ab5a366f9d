#include "chart/series/TPointSeries.h"

#include "chart/core/ChartMessages.h"
#include "chart/model/TCustomPlotPanel.h"

TPointSeries::TPointSeries(QObject* owner) : TCustomSeries(owner) {
  ApplyPointSettings();
  Marks()->SetArrowLength(0);
}

void TPointSeries::ApplyPointSettings() {
  Pointer()->SetVisible(true);
  SetDrawArea(false);
  SetDrawLine(false);
  SetClickableLine(false);
}

void TPointSeries::Assign(const TCustomChartElement& source) {
  TCustomSeries::Assign(source);
  ApplyPointSettings();
}

void TPointSeries::SetColorEachPoint(bool value) {
  TCustomSeries::SetColorEachPoint(value);
  if (value) Pointer()->Brush()->SetColor(clPlotColor);
}

void TPointSeries::CreateSubGallery(const std::function<void(const QString&)>& add) const {
  TCustomSeries::CreateSubGallery(add);
  for (ChartMsg m : {ChartMsg::StyleColors, ChartMsg::StyleMarks, ChartMsg::StyleHollow,
                     ChartMsg::StyleNoBorder})
    add(ChartText(m));
  if (!SubGalleryPointerStyles()) return;
  for (ChartMsg m :
       {ChartMsg::StylePoint2D, ChartMsg::StyleTriangle, ChartMsg::StyleStar, ChartMsg::StyleCircle,
        ChartMsg::StyleDownTriangle, ChartMsg::StyleCross, ChartMsg::StyleDiamond})
    add(ChartText(m));
}

void TPointSeries::SetSubGallery(int index) {
  TSeriesPointer& p = *Pointer();
  switch (index) {
    case 1:
      SetColorEachPoint(true);
      break;
    case 2:
      Marks()->SetVisible(true);
      break;
    case 3:
      p.Brush()->SetStyle(Graphics::bsClear);
      break;
    case 4:
      p.Pen()->SetVisible(false);
      break;
    case 5:
      p.SetDraw3D(false);
      break;
    case 6:
      p.SetStyle(TSeriesPointer::psTriangle);
      break;
    case 7:
      p.SetStyle(TSeriesPointer::psStar);
      break;
    case 8:
      p.SetStyle(TSeriesPointer::psCircle);
      p.SetHorizSize(8);
      p.SetVertSize(8);
      break;
    case 9:
      p.SetStyle(TSeriesPointer::psDownTriangle);
      break;
    case 10:
      p.SetStyle(TSeriesPointer::psCross);
      break;
    case 11:
      p.SetStyle(TSeriesPointer::psDiamond);
      break;
    default:
      break;
  }
}

void TPointSeries::PrepareForGallery(bool enabled) {
  TCustomSeries::PrepareForGallery(enabled);
  const SeriesDrawingChart* chart = Drawing();
  if (!chart) return;
  // The sample chart's own width: a sample is prepared before its first
  // paint, while its chart rectangle is not laid out yet.
  int width = chart->ChartRect().Width();
  if (const auto* panel = dynamic_cast<const TCustomPlotPanel*>(ParentChart()))
    width = panel->Width();
  const int size = width < 50 ? 4 : 6;
  Pointer()->SetHorizSize(size);
  Pointer()->SetVertSize(size);
  const auto& list = chart->SeriesList();
  if (list.size() > 1 && list[1] == this) Pointer()->SetStyle(TSeriesPointer::psTriangle);
}
