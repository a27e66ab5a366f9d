#pragma once
// The "Export Chart" dialog: the chart as a picture (each registered
// format with its options and a size), as a native chart file, or its
// series data as text, XML, an HTML table or a spreadsheet; copied, saved
// or mailed. Shown on its own or embedded as the chart editor's Export
// page (Close hidden there). The panel to export is the form's tag.
#include "charteditor/common/TEditorForm.h"

#include <memory>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;
class TCustomAxisPanel;
class TCustomPlotPanel;
class TPlotExportFormat;
class TSeriesData;

class TPlotExportForm : public TEditorForm {
  Q_OBJECT

 public:
  explicit TPlotExportForm(QWidget* parent = nullptr);
  ~TPlotExportForm() override;

  TCustomPlotPanel* ExportPanel() const;
  double AspectRatio() const { return aspectRatio_; }
  // The format objects of this show, in the order of RGFormat.
  const std::vector<std::unique_ptr<TPlotExportFormat>>& Formats() const { return formats_; }
  TPlotExportFormat* SelectedFormat() const;
  // The picture save dialog's filters (Qt name filters) of this show.
  const QStringList& PictureFilters() const { return pictureFilters_; }
  // The text export's separator as the delimiter box says.
  QChar Separator() const;
  // 1..7: the data save dialog's entry for the chosen format and delimiter.
  int DataFilterIndex() const;
  // The exporter the Data page describes.
  std::unique_ptr<TSeriesData> BuildDataExporter() const;
  // Fills the controls from the panel; the show does this.
  void Refresh();

  QTabWidget* PageControl;
  QWidget* TabPicture;
  QWidget* TabNative;
  QWidget* TabData;
  QGroupBox* RGFormat;
  QButtonGroup* formatButtons;
  QTabWidget* PageOptions;
  QWidget* TabOptions;
  QWidget* TabSize;
  QSpinBox* UDWidth;
  QSpinBox* UDHeight;
  QCheckBox* CBAspect;
  QCheckBox* CBNativeData;
  QCheckBox* CBFileSize;
  QLabel* LabelSize;
  QComboBox* CBSeries;
  QGroupBox* RGText;
  QButtonGroup* textButtons;
  QComboBox* CBDelim;
  QLineEdit* ECustom;
  QCheckBox* CBLabels;
  QCheckBox* CBIndex;
  QCheckBox* CBHeader;
  QPushButton* BCopy;
  QPushButton* BSave;
  QPushButton* BSend;
  QPushButton* BClose;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  enum TextFormat { fmtText, fmtXML, fmtHTML, fmtExcel };
  void BuildPicturePage();
  void BuildNativePage();
  void BuildDataPage();
  TCustomAxisPanel* AxisPanel() const;
  int TextFormatIndex() const;
  void SelectFormat(int index);
  void UpdateButtons();
  void TextFormatChanged();
  void DelimiterChanged();
  void WidthChanged(int value);
  void HeightChanged(int value);
  void ShowFileSize();
  void Copy();
  void Save();
  void Send();
  // Writes the current page's file to `fileName`; raises on failure.
  void WriteCurrent(const QString& fileName, int filterIndex);
  void WriteNative(QIODevice& device) const;
  // The extension a sent file gets on the current page.
  QString SendExtension() const;
  // Runs `action`, showing a ChartException through the error prompt.
  template <class F>
  void Guarded(F action);

  std::vector<std::unique_ptr<TPlotExportFormat>> formats_;
  QStringList pictureFilters_;
  double aspectRatio_ = 0;
  bool changing_ = false;
};
