#include "charteditor/exportdialog/TPlotExportFormat.h"

#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/TCustomPlotPanel.h"
#include "charteditor/export/FileWriting.h"

#include <algorithm>

TPlotExportFormat::~TPlotExportFormat() = default;

void TPlotExportFormat::SetFilterIndex(int& counter) {
  ++counter;
  filterIndex_ = counter;
}

TCustomPlotPanel& TPlotExportFormat::CheckedPanel() const {
  if (!Panel) throw ChartException(ChartText(ChartMsg::ExportNoPanel));
  return *Panel;
}

void TPlotExportFormat::CheckSize() {
  const TRect r = CheckedPanel().GetRectangle();
  if (Width == 0) Width = r.Width();
  if (Height == 0) Height = r.Height();
}

void TPlotExportFormat::CopyToClipboard() {
  CheckedPanel();
  Options();
  CheckSize();
  DoCopyToClipboard();
}

void TPlotExportFormat::SaveToFile(const QString& fileName) {
  CheckedPanel();
  Options();
  CheckSize();
  SaveFileAtomically(fileName, [this](QIODevice& file) { SaveToStream(file); });
}

namespace {

std::vector<ExportFormatClass>& Registry() {
  static std::vector<ExportFormatClass> classes;
  return classes;
}

}  // namespace

void RegisterExportFormat(const QString& className, ExportFormatFactory create) {
  UnRegisterExportFormat(className);
  Registry().push_back({className, std::move(create)});
}

void UnRegisterExportFormat(const QString& className) {
  std::erase_if(Registry(), [&](const ExportFormatClass& c) { return c.name == className; });
}

const std::vector<ExportFormatClass>& ExportFormatClasses() {
  return Registry();
}
