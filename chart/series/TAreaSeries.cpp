#include "chart/series/TAreaSeries.h"

#include "chart/core/ChartMessages.h"

#include <algorithm>

TAreaSeries::TAreaSeries(QObject* owner) : TCustomSeries(owner) {
  SetDrawArea(true);
  Pointer()->SetVisible(false);
  // A function's value over a whole source shows as a level area.
  wholeValueAsPoint_ = false;
}

TAreaSeries::TMultiArea TAreaSeries::MultiArea() const {
  switch (Stacked()) {
    case cssStack:
      return maStacked;
    case cssStack100:
      return maStacked100;
    default:
      return maNone;
  }
}

void TAreaSeries::SetMultiArea(TMultiArea value) {
  SetStacked(value == maStacked ? cssStack : value == maStacked100 ? cssStack100 : cssNone);
}

void TAreaSeries::Assign(const TCustomChartElement& source) {
  TCustomSeries::Assign(source);
  SetDrawArea(true);
  SetDrawLine(true);
  if (source.metaObject() != metaObject()) Pointer()->SetVisible(false);
  if (const auto* s = qobject_cast<const TAreaSeries*>(&source); s && s != this) {
    SetUseYOrigin(s->useYOrigin_);
    SetYOrigin(s->yOrigin_);
  }
}

double TAreaSeries::MaxYValue() const {
  const double result = TCustomSeries::MaxYValue();
  return useYOrigin_ ? std::max(result, yOrigin_) : result;
}

double TAreaSeries::MinYValue() const {
  const double result = TCustomSeries::MinYValue();
  return useYOrigin_ ? std::min(result, yOrigin_) : result;
}

int TAreaSeries::GetOriginPos(int valueIndex) const {
  return useYOrigin_ ? CalcYPosValue(yOrigin_) : TCustomSeries::GetOriginPos(valueIndex);
}

void TAreaSeries::CreateSubGallery(const std::function<void(const QString&)>& add) const {
  TCustomSeries::CreateSubGallery(add);
  for (ChartMsg m : {ChartMsg::StyleStairs, ChartMsg::StyleMarks, ChartMsg::StyleColors,
                     ChartMsg::StyleHollow, ChartMsg::StyleNoLines, ChartMsg::GalleryStack,
                     ChartMsg::StyleStack100, ChartMsg::StylePoints})
    add(ChartText(m));
}

void TAreaSeries::SetSubGallery(int index) {
  switch (index) {
    case 1:
      SetStairs(true);
      break;
    case 2:
      Marks()->SetVisible(true);
      break;
    case 3:
      SetColorEachPoint(true);
      break;
    case 4:
      AreaChartBrush()->SetStyle(Graphics::bsClear);
      break;
    case 5:
      AreaLinesPen()->SetVisible(false);
      break;
    case 6:
      SetMultiArea(maStacked);
      break;
    case 7:
      SetMultiArea(maStacked100);
      break;
    case 8:
      Pointer()->SetVisible(true);
      break;
    default:
      break;
  }
}
