#pragma once
// The chart as an enhanced (EMF) or plain (WMF) metafile. It owns two
// entries of the picture filter: enhanced, then plain.
#include "charteditor/exportdialog/TPlotExportFormat.h"

#include <QWidget>

class QCheckBox;
struct TMetafile;

class TEMFOptions : public QWidget {
  Q_OBJECT

 public:
  explicit TEMFOptions(QWidget* parent = nullptr);
  QCheckBox* CBEnhanced;
};

class TEMFExportFormat : public TPlotExportFormat {
 public:
  ~TEMFExportFormat() override;
  int FilterIndex() const override;
  void SetFilterIndex(int& counter) override;
  QString Description() const override;
  QString FileExtension() const override;
  QString FileFilter() const override;
  QWidget* Options() override;
  void SaveToStream(QIODevice& stream) override;

  // Without an options form the metafile is enhanced.
  bool Enhanced() const;
  void SetEnhanced(bool enhanced);
  TMetafile Picture();

 protected:
  void DoCopyToClipboard() override;

 private:
  QPointer<TEMFOptions> options_;
};
