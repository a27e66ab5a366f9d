#pragma once
// The chart as a device-independent bitmap of 1 to 32 bits per pixel.
#include "charteditor/export/BmpWriter.h"
#include "charteditor/exportdialog/TPlotExportFormat.h"

#include <QImage>
#include <QWidget>

class QCheckBox;
class QComboBox;

class TBMPOptions : public QWidget {
  Q_OBJECT

 public:
  explicit TBMPOptions(QWidget* parent = nullptr);
  QCheckBox* CBMono;
  QComboBox* CBColors;

 protected:
  void showEvent(QShowEvent* event) override;
};

class TBMPExportFormat : public TPlotExportFormat {
 public:
  ~TBMPExportFormat() override;
  QString Description() const override;
  QString FileExtension() const override { return QStringLiteral("bmp"); }
  QString FileFilter() const override;
  QWidget* Options() override;
  void SaveToStream(QIODevice& stream) override;

  // Monochrome wins over the colour list.
  BmpDepth Depth();
  // The panel drawn at Width x Height on its colour (white for clNone).
  QImage Picture();

 protected:
  void DoCopyToClipboard() override;

 private:
  QPointer<TBMPOptions> options_;
};
