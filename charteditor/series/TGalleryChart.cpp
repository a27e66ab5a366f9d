#include "charteditor/series/TGalleryChart.h"

#include "chart/canvas/TPlotFont.h"

namespace {

constexpr int kRotation = 335;
constexpr int kSelectedRotation = 345;
constexpr int kSelectedTitleSize = 9;

void LookOfWall(TChartWall& wall) {
  wall.SetColor(base::clWhite);
  wall.SetSize(4);
  wall.Pen()->SetColor(base::clGray);
}

}  // namespace

TGalleryChart::TGalleryChart(QObject* parent) : TCustomChart(parent) {
  Legend()->SetVisible(false);
  LeftAxis()->SetLabels(false);
  BottomAxis()->SetLabels(false);
  Title()->Font()->SetColor(base::clNavy);
  defaultTitleSize_ = Title()->Font()->Size();
  TView3DOptions* view = View3DOptions();
  view->SetOrthogonal(false);
  view->SetZoom(90);
  view->SetPerspective(55);
  view->SetRotation(kRotation);
  view->SetElevation(350);
  SetChart3DPercent(100);
  SetClipPoints(false);
  Frame()->SetVisible(false);
  SetBevelWidth(2);
  SetBevelOuter(bvNone);
  LookOfWall(*BackWall());
  LookOfWall(*LeftWall());
}

void TGalleryChart::SetSelectedLook(bool selected) {
  TChartGradient* gradient = Gradient();
  TPlotFont* font = Title()->Font();
  if (selected) {
    gradient->SetDirection(gdFromTopLeft);
    gradient->SetStartColor(base::clSilver);
    gradient->SetEndColor(base::clWhite);
    gradient->SetVisible(true);
    View3DOptions()->SetRotation(kSelectedRotation);
    font->SetStyle(fsBold);
    font->SetColor(base::clBlack);
    font->SetSize(kSelectedTitleSize);
    SetBevelOuter(bvLowered);
  } else {
    gradient->SetVisible(false);
    View3DOptions()->SetRotation(kRotation);
    font->SetStyle({});
    font->SetColor(available_ ? base::clNavy : base::clGray);
    font->SetSize(defaultTitleSize_);
    SetBevelOuter(bvNone);
  }
}

void TGalleryChart::SetAvailableLook(bool available) {
  available_ = available;
  if (available) return;
  Title()->Font()->SetColor(base::clGray);
  for (TChartWall* wall : {static_cast<TChartWall*>(BackWall()), LeftWall()}) {
    wall->Pen()->SetColor(base::clGray);
    wall->Pen()->SetWidth(1);
  }
}
