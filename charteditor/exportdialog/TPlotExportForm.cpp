#include "charteditor/exportdialog/TPlotExportForm.h"

#include "base/Exceptions.h"
#include "base/FileFilters.h"
#include "base/MathUtil.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/core/ChartPrompts.h"
#include "chart/model/TChartSeries.h"
#include "chart/model/TCustomAxisPanel.h"
#include "charteditor/common/WaitCursor.h"
#include "charteditor/export/ChartFile.h"
#include "charteditor/export/ComponentStreamWriter.h"
#include "charteditor/export/FileWriting.h"
#include "charteditor/export/TSeriesDataHTML.h"
#include "charteditor/export/TSeriesDataText.h"
#include "charteditor/export/TSeriesDataXLS.h"
#include "charteditor/export/TSeriesDataXML.h"
#include "charteditor/exportdialog/ExportFiles.h"
#include "charteditor/exportdialog/TEMFExportFormat.h"
#include "platform/MailComposer.h"
#include "platform/TempFiles.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QRadioButton* AddRadio(QGroupBox* box, QButtonGroup* group, const QString& text) {
  auto* button = new QRadioButton(text, box);
  group->addButton(button, static_cast<int>(group->buttons().size()));
  box->layout()->addWidget(button);
  button->show();  // the box may be on screen already
  return button;
}

}  // namespace

TPlotExportForm::TPlotExportForm(QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("TPlotExportForm"));
  setWindowTitle(QStringLiteral("Export Chart"));
  SetOkCancelVisible(false);
  auto* layout = new QVBoxLayout(Body());
  PageControl = new QTabWidget(Body());
  PageControl->setObjectName(QStringLiteral("PageControl1"));
  layout->addWidget(PageControl);
  BuildPicturePage();
  BuildNativePage();
  BuildDataPage();
  auto* buttons = new QHBoxLayout;
  layout->addLayout(buttons);
  auto button = [&](const char* name, const QString& text) {
    auto* b = new QPushButton(text, Body());
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  BCopy = button("BCopy", QStringLiteral("&Copy"));
  BSave = button("BSave", QStringLiteral("&Save..."));
  BSend = button("BSend", QStringLiteral("S&end..."));
  buttons->addStretch();
  BClose = button("BClose", QStringLiteral("Close"));
  connect(BCopy, &QPushButton::clicked, this, [this] { Copy(); });
  connect(BSave, &QPushButton::clicked, this, [this] { Save(); });
  connect(BSend, &QPushButton::clicked, this, [this] { Send(); });
  connect(BClose, &QPushButton::clicked, this, &QDialog::reject);
  connect(PageControl, &QTabWidget::currentChanged, this, [this] { UpdateButtons(); });
  PageControl->setCurrentWidget(TabPicture);
}

TPlotExportForm::~TPlotExportForm() {
  // Options forms sit in TabOptions: the formats free them first.
  formats_.clear();
}

void TPlotExportForm::BuildPicturePage() {
  TabPicture = new QWidget;
  TabPicture->setObjectName(QStringLiteral("TabPicture"));
  PageControl->addTab(TabPicture, QStringLiteral("Picture"));
  auto* layout = new QHBoxLayout(TabPicture);
  RGFormat = new QGroupBox(QStringLiteral("&Format"), TabPicture);
  RGFormat->setObjectName(QStringLiteral("RGFormat"));
  new QVBoxLayout(RGFormat);
  formatButtons = new QButtonGroup(this);
  layout->addWidget(RGFormat);
  PageOptions = new QTabWidget(TabPicture);
  PageOptions->setObjectName(QStringLiteral("PageOptions"));
  layout->addWidget(PageOptions, 1);
  TabOptions = new QWidget;
  TabOptions->setObjectName(QStringLiteral("TabOptions"));
  new QVBoxLayout(TabOptions);
  PageOptions->addTab(TabOptions, QStringLiteral("Options"));
  TabSize = new QWidget;
  TabSize->setObjectName(QStringLiteral("TabSize"));
  PageOptions->addTab(TabSize, QStringLiteral("Size"));
  auto* size = new QGridLayout(TabSize);
  auto spin = [&](const char* name, const QString& caption, int row) {
    auto* box = new QSpinBox(TabSize);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, 3000);
    auto* label = new QLabel(caption, TabSize);
    label->setBuddy(box);
    size->addWidget(label, row, 0);
    size->addWidget(box, row, 1);
    return box;
  };
  UDWidth = spin("UDWidth", QStringLiteral("&Width:"), 0);
  UDHeight = spin("UDHeight", QStringLiteral("&Height:"), 1);
  CBAspect = new QCheckBox(QStringLiteral("&Keep aspect ratio"), TabSize);
  CBAspect->setObjectName(QStringLiteral("CBAspect"));
  CBAspect->setChecked(true);
  size->addWidget(CBAspect, 2, 0, 1, 2);
  size->setRowStretch(3, 1);
  connect(formatButtons, &QButtonGroup::idClicked, this, [this](int id) { SelectFormat(id); });
  connect(UDWidth, &QSpinBox::valueChanged, this, [this](int v) { WidthChanged(v); });
  connect(UDHeight, &QSpinBox::valueChanged, this, [this](int v) { HeightChanged(v); });
}

void TPlotExportForm::BuildNativePage() {
  TabNative = new QWidget;
  TabNative->setObjectName(QStringLiteral("TabNative"));
  PageControl->addTab(TabNative, QStringLiteral("Native"));
  auto* layout = new QGridLayout(TabNative);
  CBNativeData = new QCheckBox(QStringLiteral("&Include Series data"), TabNative);
  CBNativeData->setObjectName(QStringLiteral("CBNativeData"));
  CBNativeData->setChecked(true);
  CBFileSize = new QCheckBox(QStringLiteral("&File size:"), TabNative);
  CBFileSize->setObjectName(QStringLiteral("CBFileSize"));
  LabelSize = new QLabel(QStringLiteral("?"), TabNative);
  LabelSize->setObjectName(QStringLiteral("LabelSize"));
  layout->addWidget(CBNativeData, 0, 0, 1, 2);
  layout->addWidget(CBFileSize, 1, 0);
  layout->addWidget(LabelSize, 1, 1);
  layout->setRowStretch(2, 1);
  connect(CBFileSize, &QCheckBox::clicked, this, [this] { ShowFileSize(); });
  connect(CBNativeData, &QCheckBox::clicked, this, [this] { ShowFileSize(); });
}

void TPlotExportForm::BuildDataPage() {
  TabData = new QWidget;
  TabData->setObjectName(QStringLiteral("TabData"));
  PageControl->addTab(TabData, QStringLiteral("Data"));
  auto* layout = new QGridLayout(TabData);
  CBSeries = new QComboBox(TabData);
  CBSeries->setObjectName(QStringLiteral("CBSeries"));
  auto* seriesLabel = new QLabel(QStringLiteral("Se&ries:"), TabData);
  seriesLabel->setBuddy(CBSeries);
  layout->addWidget(seriesLabel, 0, 0);
  layout->addWidget(CBSeries, 0, 1);
  RGText = new QGroupBox(QStringLiteral("&Format:"), TabData);
  RGText->setObjectName(QStringLiteral("RGText"));
  new QVBoxLayout(RGText);
  textButtons = new QButtonGroup(this);
  for (const char* text : {"Text", "XML", "HTML Table", "Excel"})
    AddRadio(RGText, textButtons, QString::fromLatin1(text));
  textButtons->button(fmtText)->setChecked(true);
  layout->addWidget(RGText, 1, 0, 3, 1);
  CBDelim = new QComboBox(TabData);
  CBDelim->setObjectName(QStringLiteral("CBDelim"));
  CBDelim->addItems({QStringLiteral("Space"), QStringLiteral("Tab"), QStringLiteral("Comma"),
                     QStringLiteral("Colon"), QStringLiteral("Custom")});
  auto* delimLabel = new QLabel(QStringLiteral("&Delimiter:"), TabData);
  delimLabel->setBuddy(CBDelim);
  ECustom = new QLineEdit(TabData);
  ECustom->setObjectName(QStringLiteral("ECustom"));
  ECustom->setMaxLength(1);
  ECustom->setEnabled(false);
  auto* delim = new QHBoxLayout;
  delim->addWidget(delimLabel);
  delim->addWidget(CBDelim);
  delim->addWidget(ECustom);
  layout->addLayout(delim, 1, 1);
  auto* include = new QGroupBox(QStringLiteral("&Include:"), TabData);
  auto* includeLayout = new QVBoxLayout(include);
  auto check = [&](const char* name, const QString& text, bool on) {
    auto* box = new QCheckBox(text, include);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(on);
    includeLayout->addWidget(box);
    return box;
  };
  CBLabels = check("CBLabels", QStringLiteral("Point &Labels"), true);
  CBIndex = check("CBIndex", QStringLiteral("Point &Index"), false);
  CBHeader = check("CBHeader", QStringLiteral("&Header"), true);
  layout->addWidget(include, 2, 1);
  layout->setRowStretch(3, 1);
  connect(textButtons, &QButtonGroup::idClicked, this, [this] { TextFormatChanged(); });
  connect(CBDelim, &QComboBox::activated, this, [this] { DelimiterChanged(); });
}

// --- show ---------------------------------------------------------------------------------

TCustomPlotPanel* TPlotExportForm::ExportPanel() const {
  return qobject_cast<TCustomPlotPanel*>(Tag());
}

TCustomAxisPanel* TPlotExportForm::AxisPanel() const {
  return qobject_cast<TCustomAxisPanel*>(Tag());
}

void TPlotExportForm::showEvent(QShowEvent* event) {
  Refresh();
  TEditorForm::showEvent(event);
}

void TPlotExportForm::Refresh() {
  TCustomPlotPanel* panel = ExportPanel();
  if (!panel) return;
  changing_ = true;
  const TRect r = panel->GetRectangle();
  UDWidth->setValue(r.Width());
  UDHeight->setValue(r.Height());
  aspectRatio_ = r.Width() > 0 && r.Height() > 0 ? double(r.Width()) / r.Height() : 0;
  const bool chart = AxisPanel() != nullptr;
  CBSeries->clear();
  if (TCustomAxisPanel* axes = AxisPanel()) {
    CBSeries->addItem(ChartText(ChartMsg::All));
    for (int i = 0; i < axes->SeriesCount(); ++i)
      CBSeries->addItem(axes->SeriesTitleOrName(*axes->GetSeries(i)));
    CBSeries->setCurrentIndex(0);
  }
  PageControl->setTabVisible(PageControl->indexOf(TabData), chart);
  CBNativeData->setVisible(chart);
  // The format list and the picture filter, rebuilt from nothing each show.
  for (QAbstractButton* b : formatButtons->buttons()) {
    formatButtons->removeButton(b);
    delete b;
  }
  formats_.clear();
  pictureFilters_.clear();
  int counter = 0;
  for (const ExportFormatClass& c : ExportFormatClasses()) {
    std::unique_ptr<TPlotExportFormat> format = c.create();
    format->Panel = panel;
    format->SetFilterIndex(counter);
    pictureFilters_ << base::QtNameFilters(format->FileFilter());
    AddRadio(RGFormat, formatButtons, format->Description());
    formats_.push_back(std::move(format));
  }
  CBDelim->setCurrentIndex(1);  // Tab
  if (!formats_.empty()) {
    formatButtons->button(0)->setChecked(true);
    SelectFormat(0);
  }
  TextFormatChanged();
  changing_ = false;
  UpdateButtons();
}

TPlotExportFormat* TPlotExportForm::SelectedFormat() const {
  const int id = formatButtons->checkedId();
  return id >= 0 && id < static_cast<int>(formats_.size())
             ? formats_[static_cast<std::size_t>(id)].get()
             : nullptr;
}

void TPlotExportForm::SelectFormat(int index) {
  if (index < 0 || index >= static_cast<int>(formats_.size())) return;
  formatButtons->button(index)->setChecked(true);
  QWidget* options = formats_[static_cast<std::size_t>(index)]->Options();
  // The form already on show stays as it is: showing it again would put
  // its choices (the bitmap's depth) back to their defaults.
  for (QWidget* child : TabOptions->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child != options) child->hide();
  const bool shown = options && !options->findChildren<QWidget*>().isEmpty();
  PageOptions->setTabVisible(PageOptions->indexOf(TabOptions), shown);
  if (shown) {
    if (options->parentWidget() != TabOptions) {
      options->setParent(TabOptions);
      TabOptions->layout()->addWidget(options);
    }
    options->show();
    PageOptions->setCurrentWidget(TabOptions);
  } else {
    PageOptions->setCurrentWidget(TabSize);
  }
  UpdateButtons();
}

// --- controls -----------------------------------------------------------------------------

int TPlotExportForm::TextFormatIndex() const {
  return std::max(0, textButtons->checkedId());
}

void TPlotExportForm::UpdateButtons() {
  QWidget* page = PageControl->currentWidget();
  TCustomAxisPanel* chart = AxisPanel();
  bool copy = page == TabPicture || (page == TabData && chart && chart->SeriesCount() > 0);
  const bool save = copy || page == TabNative;
  if (page == TabData && TextFormatIndex() == fmtExcel) copy = false;
  BCopy->setEnabled(copy);
  BSave->setEnabled(save);
  BSend->setEnabled(save && platform::MailProgramAvailable());
}

void TPlotExportForm::TextFormatChanged() {
  const int format = TextFormatIndex();
  CBDelim->setEnabled(format == fmtText);
  ECustom->setEnabled(CBDelim->isEnabled() && CBDelim->currentIndex() == 4);
  CBHeader->setEnabled(format != fmtXML);
  UpdateButtons();
}

void TPlotExportForm::DelimiterChanged() {
  ECustom->setEnabled(CBDelim->currentIndex() == 4);
  if (ECustom->isEnabled()) ECustom->setFocus();
}

void TPlotExportForm::WidthChanged(int value) {
  if (changing_ || !CBAspect->isChecked() || aspectRatio_ == 0) return;
  changing_ = true;
  UDHeight->setValue(base::Round(value / aspectRatio_));
  changing_ = false;
}

void TPlotExportForm::HeightChanged(int value) {
  if (changing_ || !CBAspect->isChecked() || aspectRatio_ == 0) return;
  changing_ = true;
  UDWidth->setValue(base::Round(value * aspectRatio_));
  changing_ = false;
}

QChar TPlotExportForm::Separator() const {
  switch (CBDelim->currentIndex()) {
    case 0:
      return QLatin1Char(' ');
    case 1:
      return QLatin1Char('\t');
    case 2:
      return QLatin1Char(',');
    case 3:
      return QLatin1Char(';');
    default:
      return ECustom->text().isEmpty() ? QLatin1Char(' ') : ECustom->text().at(0);
  }
}

int TPlotExportForm::DataFilterIndex() const {
  const int format = TextFormatIndex();
  if (format != fmtText) return format + 4;
  return std::min(CBDelim->currentIndex(), 3) + 1;  // Custom shares Colon's entry
}

std::unique_ptr<TSeriesData> TPlotExportForm::BuildDataExporter() const {
  TCustomAxisPanel* chart = AxisPanel();
  TChartSeries* series = nullptr;
  const int row = CBSeries->currentIndex();
  if (chart && row > 0 && row - 1 < chart->SeriesCount()) series = chart->GetSeries(row - 1);
  std::unique_ptr<TSeriesData> data;
  switch (TextFormatIndex()) {
    case fmtXML:
      data = std::make_unique<TSeriesDataXML>(chart, series);
      break;
    case fmtHTML:
      data = std::make_unique<TSeriesDataHTML>(chart, series);
      break;
    case fmtExcel:
      data = std::make_unique<TSeriesDataXLS>(chart, series);
      break;
    default: {
      auto text = std::make_unique<TSeriesDataText>(chart, series);
      text->TextSeparator = Separator();
      data = std::move(text);
    }
  }
  data->IncludeLabels = CBLabels->isChecked();
  data->IncludeIndex = CBIndex->isChecked();
  data->IncludeHeader = CBHeader->isChecked();
  return data;
}

void TPlotExportForm::WriteNative(QIODevice& device) const {
  if (TCustomAxisPanel* chart = AxisPanel()) {
    SaveChartToStream(*chart, device, CBNativeData->isChecked());
    return;
  }
  TCustomPlotPanel* panel = ExportPanel();
  if (!panel) throw ChartException(ChartText(ChartMsg::ExportNoPanel));
  const QByteArray bytes = PanelComponentStream(*panel, panel->objectName());
  WriteWhole(device, bytes, QStringLiteral("the chart"));
}

void TPlotExportForm::ShowFileSize() {
  if (!CBFileSize->isChecked()) {
    LabelSize->setText(QStringLiteral("?"));
    return;
  }
  Guarded([this] {
    CountingDevice counter;
    counter.open(QIODevice::WriteOnly);
    WriteNative(counter);
    LabelSize->setText(ChartFormat(ChartMsg::ByteCount, {counter.Count()}));
  });
}

// --- actions ------------------------------------------------------------------------------

template <class F>
void TPlotExportForm::Guarded(F action) {
  try {
    action();
  } catch (const base::Exception& e) {
    Prompts().Error(e.message());
  }
}

void TPlotExportForm::Copy() {
  Guarded([this] {
    if (PageControl->currentWidget() == TabPicture) {
      TPlotExportFormat* format = SelectedFormat();
      if (!format) return;
      format->Width = UDWidth->value();
      format->Height = UDHeight->value();
      WaitCursor wait;
      format->CopyToClipboard();
    } else if (PageControl->currentWidget() == TabData) {
      WaitCursor wait;
      BuildDataExporter()->CopyToClipboard();
    }
  });
}

void TPlotExportForm::WriteCurrent(const QString& fileName, int filterIndex) {
  QWidget* page = PageControl->currentWidget();
  WaitCursor wait;
  if (page == TabPicture) {
    // The filter picked decides the format: a .bmp holds a bitmap.
    int first = 1;
    for (std::size_t i = 0; i < formats_.size(); ++i) {
      const int entries = static_cast<int>(base::QtNameFilters(formats_[i]->FileFilter()).size());
      if (filterIndex >= first && filterIndex < first + entries) {
        SelectFormat(static_cast<int>(i));
        if (auto* emf = dynamic_cast<TEMFExportFormat*>(formats_[i].get()))
          emf->SetEnhanced(filterIndex == first);
        break;
      }
      first += entries;
    }
    TPlotExportFormat* format = SelectedFormat();
    if (!format) return;
    format->Width = UDWidth->value();
    format->Height = UDHeight->value();
    format->SaveToFile(fileName);
  } else if (page == TabNative) {
    SaveFileAtomically(fileName, [this](QIODevice& file) { WriteNative(file); });
  } else if (page == TabData) {
    // The filter picked decides the exporter, and a text filter its delimiter.
    if (filterIndex > 4) {
      textButtons->button(filterIndex - 4)->setChecked(true);
    } else if (filterIndex >= 1) {
      textButtons->button(fmtText)->setChecked(true);
      if (filterIndex <= 3) CBDelim->setCurrentIndex(filterIndex - 1);
    }
    TextFormatChanged();
    BuildDataExporter()->SaveToFile(fileName);
  }
}

void TPlotExportForm::Save() {
  Guarded([this] {
    QWidget* page = PageControl->currentWidget();
    QString fileName;
    int filterIndex = 1;
    bool chosen = false;
    if (page == TabPicture) {
      TPlotExportFormat* format = SelectedFormat();
      if (!format) return;
      filterIndex = format->FilterIndex();
      chosen = Prompts().SaveFileNameFiltered(QString(), pictureFilters_, format->FileExtension(),
                                              filterIndex, fileName);
    } else if (page == TabNative) {
      chosen = Prompts().SaveFileNameFiltered(QString(), NativeFilters(), QStringLiteral("plc"),
                                              filterIndex, fileName);
    } else {
      filterIndex = DataFilterIndex();
      chosen = Prompts().SaveFileNameFiltered(QString(), DataFilters(), QStringLiteral("txt"),
                                              filterIndex, fileName);
    }
    if (chosen) WriteCurrent(fileName, filterIndex);
  });
}

QString TPlotExportForm::SendExtension() const {
  QWidget* page = PageControl->currentWidget();
  if (page == TabNative) return QStringLiteral("plc");
  if (page == TabData) return DataFilterExtension(DataFilterIndex());
  TPlotExportFormat* format = SelectedFormat();
  return format ? format->FileExtension() : QString();
}

void TPlotExportForm::Send() {
  Guarded([this] {
    const QString folder = platform::MakePrivateTempFolder();
    if (folder.isEmpty()) throw ChartException(ChartText(ChartMsg::NoTempFolder));
    const QString name = folder + QStringLiteral("/PlotChart.") + SendExtension();
    int filterIndex = 1;
    if (PageControl->currentWidget() == TabPicture && SelectedFormat())
      filterIndex = SelectedFormat()->FilterIndex();
    else if (PageControl->currentWidget() == TabData)
      filterIndex = DataFilterIndex();
    WriteCurrent(name, filterIndex);
    // The file stays with its folder until the program ends: the mail
    // program reads it after we have moved on.
    platform::ComposeMail(QStringLiteral("PlotChart"), name, [](int code) {
      if (code != 0) Prompts().Error(ChartFormat(ChartMsg::MailError, {code}));
    });
  });
}
