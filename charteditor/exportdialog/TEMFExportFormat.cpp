#include "charteditor/exportdialog/TEMFExportFormat.h"

#include "base/MathUtil.h"
#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/TCustomPlotPanel.h"
#include "charteditor/export/FileWriting.h"

#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QSvgGenerator>
#include <QVBoxLayout>

TEMFOptions::TEMFOptions(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TEMFOptions"));
  auto* layout = new QVBoxLayout(this);
  CBEnhanced = new QCheckBox(QStringLiteral("&Enhanced"), this);
  CBEnhanced->setObjectName(QStringLiteral("CBEnhanced"));
  CBEnhanced->setChecked(true);
  layout->addWidget(CBEnhanced);
  layout->addStretch();
}

TEMFExportFormat::~TEMFExportFormat() {
  delete options_.data();
}

int TEMFExportFormat::FilterIndex() const {
  return TPlotExportFormat::FilterIndex() + (Enhanced() ? 0 : 1);
}

void TEMFExportFormat::SetFilterIndex(int& counter) {
  TPlotExportFormat::SetFilterIndex(counter);
  ++counter;  // the plain metafile's entry
}

QString TEMFExportFormat::Description() const {
  return ChartText(ChartMsg::ExportAsMetafile);
}

QString TEMFExportFormat::FileExtension() const {
  return Enhanced() ? QStringLiteral("emf") : QStringLiteral("wmf");
}

QString TEMFExportFormat::FileFilter() const {
  return ChartText(ChartMsg::FilterMetafile);
}

QWidget* TEMFExportFormat::Options() {
  if (!options_) options_ = new TEMFOptions;
  return options_;
}

bool TEMFExportFormat::Enhanced() const {
  return !options_ || options_->CBEnhanced->isChecked();
}

void TEMFExportFormat::SetEnhanced(bool enhanced) {
  static_cast<TEMFOptions*>(Options())->CBEnhanced->setChecked(enhanced);
}

TMetafile TEMFExportFormat::Picture() {
  CheckSize();
  return CheckedPanel().CreateMetafile(Enhanced(), TRect{0, 0, Width, Height});
}

void TEMFExportFormat::SaveToStream(QIODevice& stream) {
  const TMetafile file = Picture();
  WriteWhole(stream, file.Data, QStringLiteral("the metafile"));
}

void TEMFExportFormat::DoCopyToClipboard() {
  TCustomPlotPanel& panel = CheckedPanel();
  const TMetafile file = Picture();
  auto mime = std::make_unique<QMimeData>();
  mime->setData(Enhanced() ? QStringLiteral("image/x-emf") : QStringLiteral("image/x-wmf"),
                file.Data);
  // Programs here that read no metafile take the same picture as SVG or
  // as a bitmap.
  const TRect r{0, 0, Width, Height};
  QBuffer svg;
  svg.open(QIODevice::WriteOnly);
  {
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    // The SVG states its size in millimetres; at the screen's resolution
    // they come back as the pixels asked for.
    const QScreen* screen = QGuiApplication::primaryScreen();
    generator.setResolution(screen ? base::Round(screen->logicalDotsPerInchX()) : 96);
    // The picture's own size: a metafile's is one less each way.
    generator.setSize(QSize(Width, Height));
    generator.setViewBox(QRect(0, 0, Width, Height));
    QPainter painter(&generator);
    QPainterBackend backend(painter);
    panel.DrawToMetaCanvas(backend, r);
  }
  mime->setData(QStringLiteral("image/svg+xml"), svg.data());
  const QImage image = panel.CreateBitmap(panel.Color(), r, TCustomPlotPanel::pf32bit);
  QByteArray png;
  QBuffer pngBuffer(&png);
  pngBuffer.open(QIODevice::WriteOnly);
  image.save(&pngBuffer, "PNG");
  mime->setData(QStringLiteral("image/png"), png);
  QGuiApplication::clipboard()->setMimeData(mime.release());
}
