// Starts Veltrano: the application object that keeps exceptions inside the
// event loop, a compatibility-profile GL format for the fixed-function views,
// the program's composition (chart engine, editors, main window, dialogs) for
// the program's whole life, and the result files named on the command line.
#include "app/ProgramComposition.h"
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

  platform::SettingsStore settings;
  const ProgramComposition program(settings);
  TfrmMain& window = program.MainWindow();
  window.show();

  QStringList parameters = TApplication::arguments();
  parameters.removeFirst();  // the program itself
  window.OpenCommandLine(parameters);
  return TApplication::exec();
}
