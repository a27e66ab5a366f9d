#include "charteditor/editor/TFormPlotPanel.h"

#include "chart/canvas/TPicture.h"
#include "chart/core/ChartPrompts.h"
#include "chart/model/TCustomPlotPanelExtended.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/PictureFiles.h"
#include "charteditor/common/TPlotGradientEditor.h"
#include "charteditor/editor/PageControls.h"
#include "charteditor/editor/TRadioGroup.h"

#include <QCheckBox>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabWidget>

TFormPlotPanel::TFormPlotPanel(QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("FormPlotPanel"));
  setWindowTitle(tr("Panel Editor"));
  SetOkCancelVisible(false);
  pages_ = AddPageTabs(Body(), "PageControl1");

  PageGrid background(AddSheet(pages_, "TabBack", tr("Background")));
  colorButton_ = background.ColorButton("BPanelColor", tr("&Color..."));
  imageModeGroup_ =
      background.Radio("RGBitmap", tr("St&yle"), {tr("Stretch"), tr("Tile"), tr("Center")});
  browseButton_ = background.Button("BBrowseImage", tr("B&rowse..."));
  insideBox_ = background.Check("CBImageInside", tr("I&nside"));
  transparentBox_ = background.Check("CBTransp", tr("&Transparent"));
  background.Finish();

  PageGrid borders(AddSheet(pages_, "TabBorders", tr("Borders")));
  const QStringList bevels = {tr("None"), tr("Lowered"), tr("Raised")};
  bevelInnerGroup_ = borders.Radio("RGBevelIn", tr("Bevel &Inner:"), bevels);
  bevelOuterGroup_ = borders.Radio("RGBevelOut", tr("Bevel &Outer:"), bevels);
  bevelWidthBox_ = borders.Spin("SEPanelWi", tr("Widt&h:"), 0);
  borderBox_ = borders.Check("CBPanelBorder", tr("&Border"));
  borderWidthBox_ = borders.Spin("SEPanelBor", tr("&Width:"), 0);
  borders.Finish();

  QWidget* gradientSheet = AddSheet(pages_, "TabGradient", tr("Gradient"));
  gradientEditor_ = new TPlotGradientEditor(gradientSheet);
  gradientEditor_->SetOkCancelVisible(false);
  pages_->setCurrentIndex(0);

  connect(imageModeGroup_, &TRadioGroup::itemClicked, this, [this](int i) {
    if (CanWrite())
      Panel()->SetBackImageMode(static_cast<TCustomPlotPanelExtended::TPlotBackImageMode>(i));
  });
  connect(browseButton_, &QPushButton::clicked, this, &TFormPlotPanel::BrowseOrClear);
  connect(insideBox_, &QCheckBox::clicked, this, [this](bool on) {
    if (CanWrite()) Panel()->SetBackImageInside(on);
  });
  connect(transparentBox_, &QCheckBox::clicked, this, [this](bool on) {
    if (CanWrite() && !Panel()->BackImage()->Empty()) Panel()->SetBackImageTransp(on);
  });
  connect(bevelInnerGroup_, &TRadioGroup::itemClicked, this, [this](int i) {
    if (CanWrite()) Panel()->SetBevelInner(static_cast<TPanelBevel>(i));
  });
  connect(bevelOuterGroup_, &TRadioGroup::itemClicked, this, [this](int i) {
    if (CanWrite()) Panel()->SetBevelOuter(static_cast<TPanelBevel>(i));
  });
  connect(borderBox_, &QCheckBox::clicked, this, [this](bool on) {
    if (CanWrite()) Panel()->SetBorderStyle(on ? Graphics::bsSingle : Graphics::bsNone);
  });
  connect(bevelWidthBox_, &QSpinBox::valueChanged, this, &TFormPlotPanel::BevelWidthChanged);
  connect(borderWidthBox_, &QSpinBox::valueChanged, this, &TFormPlotPanel::BorderWidthChanged);
}

TCustomPlotPanelExtended* TFormPlotPanel::Panel() const {
  return qobject_cast<TCustomPlotPanelExtended*>(Tag());
}

void TFormPlotPanel::EditPanel(TCustomPlotPanelExtended* panel) {
  SetTag(panel);
  if (panel) {
    AddEditorForm(gradientEditor_, gradientEditor_->parentWidget(), panel->Gradient(), true);
    gradientEditor_->EditGradient(panel->Gradient());
  }
  Load();
}

void TFormPlotPanel::showEvent(QShowEvent* event) {
  TEditorForm::showEvent(event);
  if (event->spontaneous() || TagGone() || !Panel()) return;
  gradientEditor_->EditGradient(Panel()->Gradient());
  Load();
}

void TFormPlotPanel::Load() {
  LoadingScope loading(*this);
  TCustomPlotPanelExtended* panel = Panel();
  colorButton_->LinkProperty(panel, QStringLiteral("Color"));
  if (!panel) return;
  bevelInnerGroup_->SetItemIndex(panel->BevelInner());
  bevelOuterGroup_->SetItemIndex(panel->BevelOuter());
  bevelWidthBox_->setValue(panel->BevelWidth());
  borderBox_->setChecked(panel->BorderStyle() == Graphics::bsSingle);
  borderWidthBox_->setValue(panel->BorderWidth());
  LoadImageControls();
}

void TFormPlotPanel::LoadImageControls() {
  LoadingScope loading(*this);
  TCustomPlotPanelExtended* panel = Panel();
  if (!panel) return;
  const bool hasImage = !panel->BackImage()->Empty();
  imageModeGroup_->SetItemIndex(panel->BackImageMode());
  insideBox_->setChecked(panel->BackImageInside());
  transparentBox_->setChecked(panel->BackImageTransp());
  imageModeGroup_->setEnabled(hasImage);
  insideBox_->setEnabled(hasImage);
  // Transparency is the image's: without one the box would say nothing true.
  transparentBox_->setEnabled(hasImage);
  browseButton_->setText(hasImage ? tr("Clea&r") : tr("B&rowse..."));
}

void TFormPlotPanel::BrowseOrClear() {
  if (!CanWrite()) return;
  TCustomPlotPanelExtended* panel = Panel();
  if (!panel->BackImage()->Empty()) {
    panel->BackImage()->Clear();
  } else {
    QString fileName;
    if (!Prompts().OpenPictureFileName(fileName)) return;
    QString error;
    // A file that cannot be read leaves the image as it was.
    if (!LoadPictureFile(*panel->BackImage(), fileName, error)) Prompts().Error(error);
  }
  LoadImageControls();
}

// The widths are the window's: written only when the user changed them on a shown page.
void TFormPlotPanel::BevelWidthChanged(int value) {
  if (CanWrite() && isVisible() && Panel()->BevelWidth() != value) Panel()->SetBevelWidth(value);
}

void TFormPlotPanel::BorderWidthChanged(int value) {
  if (CanWrite() && isVisible() && Panel()->BorderWidth() != value) Panel()->SetBorderWidth(value);
}
