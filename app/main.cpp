// Starts Veltrano: the application object that keeps exceptions inside the
// event loop, a compatibility-profile GL format for the fixed-function views,
// the chart engine for the program's whole life (its texts, cursors and
// registrations before any chart window opens), the main window, and the
// result files named on the command line.
#include "chart/core/ChartEngine.h"
#include "chart/model/ModelClassRegistrations.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "charteditor/export/MetafileWriters.h"
#include "charteditor/exportdialog/ExportFormatsScope.h"
#include "platform/SettingsStore.h"
#include "platform/TApplication.h"
#include "viewer/main/TfrmMain.h"

#include <QSurfaceFormat>

int main(int argc, char** argv) {
  QSurfaceFormat format = QSurfaceFormat::defaultFormat();
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setDepthBufferSize(24);
  QSurfaceFormat::setDefaultFormat(format);

  TApplication app(argc, argv);
  TApplication::setOrganizationName(QString::fromLatin1(platform::SettingsStore::Organisation));
  TApplication::setApplicationName(QString::fromLatin1(platform::SettingsStore::Application));
  TApplication::setApplicationVersion(QStringLiteral(VELTRANO_VERSION));
  // After the application object: the engine takes the desktop's font. The
  // model classes and series types are known by name from the start, as the
  // data extractor's chart and anything made by class name expect.
  const ChartEngineScope chartEngine({RegisterModelClasses, RegisterSeriesTypes});
  // Charts export as metafiles and bitmaps.
  const MetafileWritersScope metafileWriters;
  const ExportFormatsScope exportFormats;

  platform::SettingsStore settings;
  TfrmMain window(settings);
  window.show();

  QStringList parameters = TApplication::arguments();
  parameters.removeFirst();  // the program itself
  window.OpenCommandLine(parameters);
  return TApplication::exec();
}
