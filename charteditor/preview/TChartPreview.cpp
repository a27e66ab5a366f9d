#include "charteditor/preview/TChartPreview.h"

#include "chart/model/TCustomAxisPanel.h"
#include "chart/widget/PlotPanelWidget.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/WaitCursor.h"
#include "charteditor/preview/PrinterEnvironment.h"
#include "charteditor/preview/TPlotPreviewPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

TChartPreview::NavigatorFactory& Navigators() {
  static TChartPreview::NavigatorFactory factory;
  return factory;
}

}  // namespace

void TChartPreview::SetNavigatorFactory(NavigatorFactory factory) {
  Navigators() = std::move(factory);
}

TChartPreview::TChartPreview(QWidget* parent, PrinterEnvironment* printers)
    : TEditorForm(parent), printers_(printers) {
  setObjectName(QStringLiteral("TChartPreview"));
  setWindowTitle(QStringLiteral("PlotChart Print Preview"));
  SetOkCancelVisible(false);
  if (!printers_) {
    ownPrinters_ = MakeQtPrinterEnvironment();
    printers_ = ownPrinters_.get();
  }
  preview_ = std::make_unique<TPlotPreviewPanel>();
  preview_->setObjectName(QStringLiteral("PlotPreviewPanel1"));
  preview_->SetPrinterEnvironment(printers_);
  // The page lies on a grey gradient.
  preview_->Gradient()->SetDirection(Graphics::gdFromTopLeft);
  preview_->Gradient()->SetEndColor(base::clGray);
  preview_->Gradient()->SetVisible(true);
  preview_->OnChangeMargins = [this](QObject*, bool disable, const TRect& margins) {
    DragChangedMargins(disable, margins);
  };

  auto* layout = new QHBoxLayout(Body());
  auto* left = new QWidget(Body());
  left->setObjectName(QStringLiteral("Panel1"));
  auto* column = new QVBoxLayout(left);
  layout->addWidget(left);
  PlotPreviewPanel1 = new PlotPanelWidget(preview_.get(), Body());
  PlotPreviewPanel1->setObjectName(QStringLiteral("PlotPreviewPanel1"));
  PlotPreviewPanel1->setMinimumSize(200, 150);
  layout->addWidget(PlotPreviewPanel1, 1);

  auto* printerLabel = new QLabel(QStringLiteral("P&rinter:"), left);
  CBPrinters = new QComboBox(left);
  CBPrinters->setObjectName(QStringLiteral("CBPrinters"));
  printerLabel->setBuddy(CBPrinters);
  column->addWidget(printerLabel);
  column->addWidget(CBPrinters);
  auto* buttons = new QHBoxLayout;
  BSetupPrinter = new QPushButton(QStringLiteral("&Setup..."), left);
  BSetupPrinter->setObjectName(QStringLiteral("BSetupPrinter"));
  BPrint = new QPushButton(QStringLiteral("&Print"), left);
  BPrint->setObjectName(QStringLiteral("BPrint"));
  BClose = new QPushButton(QStringLiteral("Close"), left);
  BClose->setObjectName(QStringLiteral("BClose"));
  for (QPushButton* b : {BSetupPrinter, BPrint, BClose}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  column->addLayout(buttons);

  Orientation = new QGroupBox(QStringLiteral("Orien&tation:"), left);
  Orientation->setObjectName(QStringLiteral("Orientation"));
  auto* orientationLayout = new QHBoxLayout(Orientation);
  orientationButtons = new QButtonGroup(this);
  int id = 0;
  for (const QString& text : {QStringLiteral("P&ortrait"), QStringLiteral("&Landscape")}) {
    auto* radio = new QRadioButton(text, Orientation);
    orientationButtons->addButton(radio, id++);
    orientationLayout->addWidget(radio);
  }
  column->addWidget(Orientation);

  GBMargins = new QGroupBox(QStringLiteral("Margins (%)"), left);
  GBMargins->setObjectName(QStringLiteral("GBMargins"));
  auto* grid = new QGridLayout(GBMargins);
  auto spin = [&](const char* name, int row, int col) {
    // An up-down with only a lower bound tops out at 100.
    QSpinBox* box = MakeSpin(GBMargins, name, 0, 100, 5);
    grid->addWidget(box, row, col);
    return box;
  };
  UDTopMa = spin("UDTopMa", 0, 1);
  UDLeftMa = spin("UDLeftMa", 1, 0);
  UDRightMa = spin("UDRightMa", 1, 2);
  UDBotMa = spin("UDBotMa", 2, 1);
  column->addWidget(GBMargins);

  PanelMargins = new QWidget(left);
  PanelMargins->setObjectName(QStringLiteral("PanelMargins"));
  auto* marginColumn = new QVBoxLayout(PanelMargins);
  marginColumn->setContentsMargins(0, 0, 0, 0);
  BReset = new QPushButton(QStringLiteral("Reset &Margins"), PanelMargins);
  BReset->setObjectName(QStringLiteral("BReset"));
  BReset->setEnabled(false);
  BReset->setAutoDefault(false);
  ShowMargins = new QCheckBox(QStringLiteral("&View Margins"), PanelMargins);
  ShowMargins->setObjectName(QStringLiteral("ShowMargins"));
  ShowMargins->setChecked(true);
  marginColumn->addWidget(BReset);
  marginColumn->addWidget(ShowMargins);
  column->addWidget(PanelMargins);

  CBProp = new QCheckBox(QStringLiteral("Proport&ional"), left);
  CBProp->setObjectName(QStringLiteral("CBProp"));
  CBProp->setChecked(true);
  column->addWidget(CBProp);
  column->addWidget(new QLabel(QStringLiteral("Detail:"), left));
  auto* detail = new QHBoxLayout;
  detail->addWidget(new QLabel(QStringLiteral("More"), left));
  Resolution = new QSlider(Qt::Horizontal, left);
  Resolution->setObjectName(QStringLiteral("Resolution"));
  Resolution->setRange(0, 100);
  Resolution->setValue(99);
  Resolution->setSingleStep(2);
  Resolution->setTickInterval(10);
  Resolution->setTickPosition(QSlider::TicksBelow);
  detail->addWidget(Resolution);
  detail->addWidget(new QLabel(QStringLiteral("Normal"), left));
  column->addLayout(detail);
  column->addStretch();
  navigatorPlace_ = new QWidget(left);
  navigatorPlace_->setObjectName(QStringLiteral("NavigatorPlace"));
  new QHBoxLayout(navigatorPlace_);
  navigatorPlace_->layout()->setContentsMargins(0, 0, 0, 0);
  navigatorPlace_->hide();
  column->addWidget(navigatorPlace_);

  connect(CBPrinters, &QComboBox::activated, this, [this](int index) { PrinterChosen(index); });
  connect(BSetupPrinter, &QPushButton::clicked, this, [this] { Setup(); });
  connect(BPrint, &QPushButton::clicked, this, [this] { Print(); });
  connect(BClose, &QPushButton::clicked, this, &QDialog::reject);
  connect(orientationButtons, &QButtonGroup::idClicked, this, [this] { OrientationClicked(); });
  for (QSpinBox* box : {UDLeftMa, UDTopMa, UDRightMa, UDBotMa})
    connect(box, &QSpinBox::valueChanged, this, [this, box](int v) { MarginEdited(box, v); });
  connect(CBProp, &QCheckBox::clicked, this, [this](bool on) { ProportionalClicked(on); });
  connect(ShowMargins, &QCheckBox::toggled, this,
          [this](bool on) { preview_->Margins()->SetVisible(on); });
  connect(Resolution, &QSlider::valueChanged, this, [this](int position) {
    if (TCustomPlotPanel* panel = PreviewedPanel()) {
      panel->SetPrintResolution(position - 100);
      preview_->InvalidateChart();
    }
  });
  connect(BReset, &QPushButton::clicked, this, [this] { Reset(); });
  changing_ = false;
}

TChartPreview::~TChartPreview() {
  // The window goes before the panel it shows.
  delete PlotPreviewPanel1;
}

void TChartPreview::SetEmbedded(bool embedded) {
  GBMargins->setVisible(!embedded);
  PanelMargins->setVisible(!embedded);
  BClose->setVisible(!embedded);
}

void TChartPreview::SetNavigator(QWidget* navigator) {
  delete navigator_;
  navigator_ = navigator;
  if (navigator_) {
    navigator_->setParent(navigatorPlace_);
    navigatorPlace_->layout()->addWidget(navigator_);
    navigator_->show();
  }
  navigatorPlace_->setVisible(navigator_ != nullptr);
}

TCustomPlotPanel* TChartPreview::PreviewedPanel() const {
  return preview_->Panel();
}

void TChartPreview::showEvent(QShowEvent* event) {
  Refresh();
  TEditorForm::showEvent(event);
}

void TChartPreview::Refresh() {
  changing_ = true;
  auto* panel = qobject_cast<TCustomPlotPanel*>(Tag());
  if (panel && panel != PreviewedPanel()) preview_->SetPanel(panel);
  panel = PreviewedPanel();
  ShowPrinters();
  const bool printer = printers_->HasPrinter();
  BPrint->setEnabled(printer && panel);
  BSetupPrinter->setEnabled(printer);
  Orientation->setEnabled(printer);
  if (printer) {
    printers_->SetOrientation(QPageLayout::Landscape);
    preview_->SetOrientation(TPlotPreviewPanel::ppoLandscape);
    ShowOrientation();
  }
  CBProp->setEnabled(panel);
  Resolution->setEnabled(panel);
  GBMargins->setEnabled(panel);
  if (panel) {
    CBProp->setChecked(panel->PrintProportional());
    Resolution->setValue(panel->PrintResolution() + 100);
    remembered_ = panel->PrintMargins();
    if (panel->PrintProportional() && printer) RecalcProportional();
    ShowMarginsInBoxes(panel->PrintMargins());
    auto* chart = qobject_cast<TCustomAxisPanel*>(panel);
    SetNavigator(chart && Navigators()
                     ? Navigators()(chart, navigatorPlace_, [this] { preview_->InvalidateChart(); })
                     : nullptr);
  }
  BReset->setEnabled(false);
  changing_ = false;
}

void TChartPreview::ShowMarginsInBoxes(const TRect& m) {
  const bool was = changing_;
  changing_ = true;
  const int values[4] = {m.Left, m.Top, m.Right, m.Bottom};
  QSpinBox* boxes[4] = {UDLeftMa, UDTopMa, UDRightMa, UDBotMa};
  for (int i = 0; i < 4; ++i) {
    boxes[i]->setValue(values[i]);
    lastValue_[i] = values[i];
  }
  changing_ = was;
}

TRect TChartPreview::TypedMargins() const {
  return TRect{UDLeftMa->value(), UDTopMa->value(), UDRightMa->value(), UDBotMa->value()};
}

void TChartPreview::MarginEdited(QSpinBox* box, int value) {
  if (changing_) return;
  QSpinBox* boxes[4] = {UDLeftMa, UDTopMa, UDRightMa, UDBotMa};
  const int i = static_cast<int>(std::find(boxes, boxes + 4, box) - boxes);
  const int opposite = boxes[(i + 2) % 4]->value();
  if (value + opposite >= 100) {
    changing_ = true;
    box->setValue(lastValue_[i]);
    changing_ = false;
    return;
  }
  lastValue_[i] = value;
  TCustomPlotPanel* panel = PreviewedPanel();
  if (!panel) return;
  // Proportional margins would replace the one typed at the next paint.
  panel->SetPrintProportional(false);
  {
    const QSignalBlocker block(CBProp);
    CBProp->setChecked(false);
  }
  panel->SetPrintMargins(TypedMargins());
  BReset->setEnabled(TypedMargins() != remembered_);
  preview_->InvalidateChart();
}

void TChartPreview::RecalcProportional() {
  TCustomPlotPanel* panel = PreviewedPanel();
  if (!panel || !printers_->HasPrinter()) return;
  preview_->ApplyOrientation();
  panel->SetPrintMargins(panel->CalcProportionalMargins(printers_->Page()));
  remembered_ = panel->PrintMargins();
  ShowMarginsInBoxes(remembered_);
  BReset->setEnabled(false);
  preview_->InvalidateChart();
}

void TChartPreview::ShowPrinters() {
  const QSignalBlocker block(CBPrinters);
  CBPrinters->clear();
  CBPrinters->addItems(printers_->PrinterNames());
  if (printers_->HasPrinter()) CBPrinters->setCurrentIndex(printers_->CurrentPrinter());
}

void TChartPreview::ShowOrientation() {
  const int id = printers_->Orientation() == QPageLayout::Landscape ? 1 : 0;
  orientationButtons->button(id)->setChecked(true);
}

void TChartPreview::OrientationClicked() {
  const bool landscape = orientationButtons->checkedId() == 1;
  printers_->SetOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  preview_->SetOrientation(landscape ? TPlotPreviewPanel::ppoLandscape
                                     : TPlotPreviewPanel::ppoPortrait);
  TCustomPlotPanel* panel = PreviewedPanel();
  if (panel && panel->PrintProportional()) RecalcProportional();
  preview_->InvalidateChart();
}

void TChartPreview::PrinterChosen(int index) {
  printers_->SelectPrinter(index);
  ShowOrientation();
  OrientationClicked();
}

void TChartPreview::Setup() {
  printers_->Setup(this);
  ShowPrinters();
  ShowOrientation();
  preview_->SetOrientation(printers_->Orientation() == QPageLayout::Landscape
                               ? TPlotPreviewPanel::ppoLandscape
                               : TPlotPreviewPanel::ppoPortrait);
  preview_->InvalidateChart();
}

void TChartPreview::ProportionalClicked(bool on) {
  TCustomPlotPanel* panel = PreviewedPanel();
  if (!panel || changing_) return;
  panel->SetPrintProportional(on);
  if (on) RecalcProportional();
}

void TChartPreview::Reset() {
  if (TCustomPlotPanel* panel = PreviewedPanel()) panel->SetPrintMargins(remembered_);
  ShowMarginsInBoxes(remembered_);
  preview_->InvalidateChart();
  BReset->setEnabled(false);
}

void TChartPreview::DragChangedMargins(bool disableProportional, const TRect& margins) {
  ShowMarginsInBoxes(margins);
  if (disableProportional) {
    if (TCustomPlotPanel* panel = PreviewedPanel()) panel->SetPrintProportional(false);
    const QSignalBlocker block(CBProp);
    CBProp->setChecked(false);
  }
  BReset->setEnabled(margins != remembered_);
}

void TChartPreview::Print() {
  TCustomPlotPanel* panel = PreviewedPanel();
  if (!panel || !printers_->HasPrinter()) return;
  auto* chart = qobject_cast<TCustomAxisPanel*>(panel);
  const bool pages = chart && chart->NumPages() > 1;
  int from = 1, to = 1;
  if (pages) {
    to = chart->NumPages();
    if (!printers_->ChoosePages(this, 1, chart->NumPages(), from, to)) return;
  }
  if (!printers_->BeginJob(this)) return;
  try {
    WaitCursor wait;
    if (pages) {
      preview_->ApplyOrientation();
      const QString title = preview_->Title().isEmpty() ? chart->objectName() : preview_->Title();
      chart->PrintPages(printers_->Printer(title), from, to);
    } else {
      preview_->Print();
    }
  } catch (...) {
    printers_->EndJob(false);
    throw;
  }
  printers_->EndJob(true);
}

void ChartPreview(QWidget* owner, TCustomPlotPanel* panel) {
  {
    TChartPreview form(owner);
    form.SetTag(panel);
    form.exec();
  }
  if (panel) panel->InvalidateChart();
}
