#include "charteditor/editor/TFormPlotLegend.h"

#include "chart/model/TChartLegend.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/common/TFormPlotShape.h"
#include "charteditor/editor/PageControls.h"
#include "charteditor/editor/TRadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

TFormPlotLegend::TFormPlotLegend(QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("FormPlotLegend"));
  SetOkCancelVisible(false);
  pages_ = AddPageTabs(Body(), "PageControl1");

  PageGrid style(AddSheet(pages_, "TabStyle", tr("Style")));
  showBox_ = style.Check("CBShow", tr("&Visible"));
  invertedBox_ = style.Check("CBInverted", tr("&Inverted"));
  legendStyleBox_ =
      style.Combo("CBLegendStyle", tr("Legend &Style:"),
                  {tr("Automatic"), tr("Series Names"), tr("Series Values"), tr("Last Values")});
  textStyleBox_ = style.Combo(
      "CBLegStyle", tr("Text St&yle:"),
      {tr("Plain"), tr("Left Value"), tr("Right Value"), tr("Left Percent"), tr("Right Percent"),
       tr("X Value"), tr("Value"), tr("Percent"), tr("X and Value"), tr("X and Percent")});
  boxesBox_ = style.Check("CBBoxes", tr("C&heck boxes"));
  dividingButton_ = style.PenButton("BDivLines", tr("&Dividing Lines..."));
  vertSpacingBox_ = style.Spin("EVertSpacing", tr("V&ert. Spacing:"), -10);
  fontColorBox_ = style.Check("CBFontColor", tr("&Font Series Color"));
  style.Finish();

  PageGrid position(AddSheet(pages_, "TabPosition", tr("Position")));
  positionGroup_ = position.Radio("RGPosition", tr("Position"),
                                  {tr("&Left"), tr("&Right"), tr("&Top"), tr("&Bottom")});
  resizeBox_ = position.Check("CBResizeChart", tr("Resi&ze Chart"));
  topPosBox_ = position.Spin("SETopPos", tr("&Position Offset %:"), -100);
  marginBox_ = position.Spin("SEMargin", tr("&Margin:"), -1000, 1000);
  customBox_ = position.Check("CBCustPos", tr("&Custom:"));
  customLeftBox_ = position.Spin("ECustLeft", tr("L&eft:"), -100, 1000, 5);
  customTopBox_ = position.Spin("ECustTop", tr("T&op:"), -100, 1000, 5);
  position.Finish();

  PageGrid symbols(AddSheet(pages_, "TabSymbol", tr("Symbols")));
  symbolWidthBox_ = symbols.Spin("SEColWi", tr("&Width:"), 0, OpenSpinMaximum, 5);
  symbolUnitsBox_ =
      symbols.Combo("CBColWUnits", tr("Width &Units:"), {tr("Percent"), tr("Pixels")});
  symbolPositionBox_ = symbols.Combo("CBSymbolPos", tr("&Position:"), {tr("Left"), tr("Right")});
  continuousBox_ = symbols.Check("CBContinuous", tr("&Continuous"));
  symbols.Finish();

  shapeEditor_ = InsertShapeEditor(pages_, nullptr);

  auto check = [this](QCheckBox* box, void (TChartLegend::*set)(bool)) {
    connect(box, &QCheckBox::clicked, this,
            [this, set](bool on) { Write([&](TChartLegend& l) { (l.*set)(on); }); });
  };
  check(showBox_, &TChartLegend::SetVisible);
  check(invertedBox_, &TChartLegend::SetInverted);
  check(boxesBox_, &TChartLegend::SetCheckBoxes);
  check(fontColorBox_, &TChartLegend::SetFontSeriesColor);
  check(resizeBox_, &TChartLegend::SetResizeChart);
  connect(continuousBox_, &QCheckBox::clicked, this,
          [this](bool on) { Write([&](TChartLegend& l) { l.Symbol()->SetContinuous(on); }); });
  connect(legendStyleBox_, &QComboBox::activated, this, [this](int i) {
    Write([&](TChartLegend& l) { l.SetLegendStyle(static_cast<TChartLegend::TLegendStyle>(i)); });
  });
  connect(textStyleBox_, &QComboBox::activated, this, [this](int i) {
    Write([&](TChartLegend& l) { l.SetTextStyle(static_cast<TChartSeries::TLegendTextStyle>(i)); });
  });
  connect(symbolUnitsBox_, &QComboBox::activated, this, [this](int i) {
    Write([&](TChartLegend& l) {
      l.Symbol()->SetWidthUnits(static_cast<TLegendSymbol::TLegendSymbolSize>(i));
    });
  });
  connect(symbolPositionBox_, &QComboBox::activated, this, [this](int i) {
    Write([&](TChartLegend& l) {
      l.Symbol()->SetPosition(static_cast<TLegendSymbol::TLegendSymbolPosition>(i));
    });
  });
  auto spin = [this](QSpinBox* box, const std::function<void(TChartLegend&, int)>& set) {
    connect(box, &QSpinBox::valueChanged, this,
            [this, set](int v) { Write([&](TChartLegend& l) { set(l, v); }); });
  };
  spin(vertSpacingBox_, [](TChartLegend& l, int v) { l.SetVertSpacing(v); });
  spin(topPosBox_, [](TChartLegend& l, int v) { l.SetTopPos(v); });
  spin(symbolWidthBox_, [](TChartLegend& l, int v) { l.Symbol()->SetWidth(v); });
  // The margin belongs to the side the legend stands on when it is edited.
  spin(marginBox_, [](TChartLegend& l, int v) {
    if (l.Vertical())
      l.SetHorizMargin(v);
    else
      l.SetVertMargin(v);
  });
  spin(customLeftBox_, [](TChartLegend& l, int v) {
    if (l.CustomPosition()) l.SetLeft(v);
  });
  spin(customTopBox_, [](TChartLegend& l, int v) {
    if (l.CustomPosition()) l.SetTop(v);
  });
  connect(positionGroup_, &TRadioGroup::itemClicked, this, &TFormPlotLegend::PositionClicked);
  connect(customBox_, &QCheckBox::clicked, this, &TFormPlotLegend::CustomClicked);
}

TChartLegend* TFormPlotLegend::Legend() const {
  return qobject_cast<TChartLegend*>(Tag());
}

void TFormPlotLegend::EditLegend(TChartLegend* legend) {
  SetTag(legend);
  shapeEditor_->EditShape(legend);
  Load();
}

void TFormPlotLegend::showEvent(QShowEvent* event) {
  TEditorForm::showEvent(event);
  if (event->spontaneous() || TagGone() || !Legend()) return;
  shapeEditor_->EditShape(Legend());
  Load();
}

void TFormPlotLegend::Write(const std::function<void(TChartLegend&)>& write) {
  if (!CanWrite()) return;
  WriteChecked([&] { write(*Legend()); }, [this] { Load(); });
}

void TFormPlotLegend::Load() {
  LoadingScope loading(*this);
  TChartLegend* legend = Legend();
  LinkButtonPen(*dividingButton_, legend ? legend->DividingLines() : nullptr);
  if (!legend) return;
  showBox_->setChecked(legend->Visible());
  invertedBox_->setChecked(legend->Inverted());
  legendStyleBox_->setCurrentIndex(legend->LegendStyle());
  textStyleBox_->setCurrentIndex(legend->TextStyle());
  boxesBox_->setChecked(legend->CheckBoxes());
  vertSpacingBox_->setValue(legend->VertSpacing());
  fontColorBox_->setChecked(legend->FontSeriesColor());
  positionGroup_->SetItemIndex(legend->Alignment());
  resizeBox_->setChecked(legend->ResizeChart());
  topPosBox_->setValue(legend->TopPos());
  customBox_->setChecked(legend->CustomPosition());
  symbolWidthBox_->setValue(legend->Symbol()->Width());
  symbolUnitsBox_->setCurrentIndex(legend->Symbol()->WidthUnits());
  symbolPositionBox_->setCurrentIndex(legend->Symbol()->Position());
  continuousBox_->setChecked(legend->Symbol()->Continuous());
  LoadMargin();
  LoadCustomPosition();
}

void TFormPlotLegend::LoadMargin() {
  LoadingScope loading(*this);
  if (TChartLegend* legend = Legend())
    marginBox_->setValue(legend->Vertical() ? legend->HorizMargin() : legend->VertMargin());
}

void TFormPlotLegend::LoadCustomPosition() {
  LoadingScope loading(*this);
  TChartLegend* legend = Legend();
  const bool custom = legend && legend->CustomPosition();
  if (custom) {
    customLeftBox_->setValue(legend->Left());
    customTopBox_->setValue(legend->Top());
  }
  for (QWidget* w : {static_cast<QWidget*>(customLeftBox_), static_cast<QWidget*>(customTopBox_)})
    w->setEnabled(custom);
  for (QWidget* w : {static_cast<QWidget*>(positionGroup_), static_cast<QWidget*>(marginBox_),
                     static_cast<QWidget*>(topPosBox_)})
    w->setEnabled(!custom);
}

void TFormPlotLegend::PositionClicked(int index) {
  if (!CanWrite()) return;
  const bool wasVertical = Legend()->Vertical();
  Write(
      [&](TChartLegend& l) { l.SetAlignment(static_cast<TChartLegend::TLegendAlignment>(index)); });
  // Moving between the sides and top or bottom changes which margin the box edits.
  if (Legend() && Legend()->Vertical() != wasVertical) LoadMargin();
}

void TFormPlotLegend::CustomClicked(bool on) {
  Write([&](TChartLegend& l) { l.SetCustomPosition(on); });
  LoadCustomPosition();
  if (!on) LoadMargin();
}
