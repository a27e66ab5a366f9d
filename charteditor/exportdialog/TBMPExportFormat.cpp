#include "charteditor/exportdialog/TBMPExportFormat.h"

#include "chart/core/ChartMessages.h"
#include "chart/model/TCustomPlotPanel.h"
#include "charteditor/export/FileWriting.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QIODevice>
#include <QVBoxLayout>

TBMPOptions::TBMPOptions(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TBMPOptions"));
  auto* layout = new QVBoxLayout(this);
  CBMono = new QCheckBox(QStringLiteral("&Monochrome"), this);
  CBMono->setObjectName(QStringLiteral("CBMono"));
  CBColors = new QComboBox(this);
  CBColors->setObjectName(QStringLiteral("CBColors"));
  CBColors->addItems({QStringLiteral("Default"), QStringLiteral("2 (1 bit)"),
                      QStringLiteral("16 (4 bit)"), QStringLiteral("256 (8 bit)"),
                      QStringLiteral("32768 (15 bit)"), QStringLiteral("65536 (16 bit)"),
                      QStringLiteral("16M (24 bit)"), QStringLiteral("16M (32 bit)")});
  layout->addWidget(CBMono);
  layout->addWidget(CBColors);
  layout->addStretch();
  connect(CBMono, &QCheckBox::toggled, CBColors, [this](bool on) { CBColors->setEnabled(!on); });
}

void TBMPOptions::showEvent(QShowEvent* event) {
  CBColors->setCurrentIndex(0);
  QWidget::showEvent(event);
}

TBMPExportFormat::~TBMPExportFormat() {
  delete options_.data();
}

QString TBMPExportFormat::Description() const {
  return ChartText(ChartMsg::ExportAsBitmap);
}

QString TBMPExportFormat::FileFilter() const {
  return ChartText(ChartMsg::FilterBitmap);
}

QWidget* TBMPExportFormat::Options() {
  if (!options_) options_ = new TBMPOptions;
  return options_;
}

BmpDepth TBMPExportFormat::Depth() {
  auto* options = static_cast<TBMPOptions*>(Options());
  if (options->CBMono->isChecked()) return BmpDepth::Bits1;
  const int index = options->CBColors->currentIndex();
  return index <= 0 ? BmpDepth::Default : static_cast<BmpDepth>(index);
}

QImage TBMPExportFormat::Picture() {
  TCustomPlotPanel& panel = CheckedPanel();
  CheckSize();
  return panel.CreateBitmap(panel.Color(), TRect{0, 0, Width, Height}, TCustomPlotPanel::pf32bit);
}

void TBMPExportFormat::DoCopyToClipboard() {
  // The clipboard gets the picture as the chosen depth shows it.
  const QImage reduced = QImage::fromData(EncodeBmp(Picture(), Depth()), "BMP");
  QGuiApplication::clipboard()->setImage(reduced);
}

void TBMPExportFormat::SaveToStream(QIODevice& stream) {
  const QByteArray bytes = EncodeBmp(Picture(), Depth());
  WriteWhole(stream, bytes, QStringLiteral("the bitmap"));
}
