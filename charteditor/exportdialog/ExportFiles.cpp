#include "charteditor/exportdialog/ExportFiles.h"
#include "base/FileFilters.h"

#include "charteditor/exportdialog/TPlotExportFormat.h"

QStringList NativeFilters() {
  return {QStringLiteral("Native chart files (*.plc *.PLC)")};
}

namespace {

const char* const kDataFilter =
    "Space delimited text files|*.txt|Tab delimited text files|*.txt|Comma delimited text "
    "files|*.csv|Custom delimited text files|*.txt|XML files|*.xml|HTML files|*.htm|Microsoft "
    "Excel files|*.xls";

}  // namespace

QStringList DataFilters() {
  return base::QtNameFilters(QString::fromLatin1(kDataFilter));
}

QString DataFilterExtension(int filterIndex) {
  static const char* const extensions[] = {"txt", "txt", "csv", "txt", "xml", "htm", "xls"};
  if (filterIndex < 1 || filterIndex > 7) return QStringLiteral("txt");
  return QString::fromLatin1(extensions[filterIndex - 1]);
}
