#include "charteditor/exportdialog/ExportFormatsScope.h"

#include "charteditor/exportdialog/TBMPExportFormat.h"
#include "charteditor/exportdialog/TEMFExportFormat.h"

ExportFormatsScope::ExportFormatsScope() {
  RegisterExportFormat(QStringLiteral("TEMFExportFormat"),
                       [] { return std::make_unique<TEMFExportFormat>(); });
  RegisterExportFormat(QStringLiteral("TBMPExportFormat"),
                       [] { return std::make_unique<TBMPExportFormat>(); });
}

ExportFormatsScope::~ExportFormatsScope() {
  UnRegisterExportFormat(QStringLiteral("TEMFExportFormat"));
  UnRegisterExportFormat(QStringLiteral("TBMPExportFormat"));
}
