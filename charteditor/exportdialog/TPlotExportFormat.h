#pragma once
// A picture format the export dialog offers: it draws a chart panel at a
// chosen size and hands the picture to the clipboard or to a file. Formats
// are registered by class at start-up (metafile first) and the dialog
// makes one object of each registered class every time it shows.
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class QWidget;
class TCustomPlotPanel;

class TPlotExportFormat {
 public:
  TPlotExportFormat() = default;
  virtual ~TPlotExportFormat();
  TPlotExportFormat(const TPlotExportFormat&) = delete;
  TPlotExportFormat& operator=(const TPlotExportFormat&) = delete;

  // 1-based position of this format's first entry in the picture save
  // dialog's filter list.
  virtual int FilterIndex() const { return filterIndex_; }
  // Takes the next entry (or entries) of the running counter.
  virtual void SetFilterIndex(int& counter);
  virtual QString Description() const = 0;
  virtual QString FileExtension() const = 0;
  // "text|pattern" pairs joined by "|", as the message table holds them.
  virtual QString FileFilter() const = 0;
  // The options form, created on first request and kept; none in the base.
  virtual QWidget* Options() { return nullptr; }

  // Both raise ChartException "Panel property is not set in Export
  // format" without a panel; Width and Height 0 take the panel's.
  void CopyToClipboard();
  // Written through QSaveFile: a failure keeps the old file and raises
  // ChartException naming the file.
  void SaveToFile(const QString& fileName);
  virtual void SaveToStream(QIODevice& stream) = 0;

  QPointer<TCustomPlotPanel> Panel;
  int Width = 0;
  int Height = 0;

 protected:
  virtual void DoCopyToClipboard() = 0;
  // Width and Height from the panel where they are 0.
  void CheckSize();
  // The panel, or the exception above.
  TCustomPlotPanel& CheckedPanel() const;

 private:
  int filterIndex_ = 0;
};

// The registered format classes, in registration order.
using ExportFormatFactory = std::function<std::unique_ptr<TPlotExportFormat>()>;
struct ExportFormatClass {
  QString name;
  ExportFormatFactory create;
};
void RegisterExportFormat(const QString& className, ExportFormatFactory create);
void UnRegisterExportFormat(const QString& className);
const std::vector<ExportFormatClass>& ExportFormatClasses();
