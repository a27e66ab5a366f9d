#include "platform/ProcessLauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace platform {

bool StartDetached(const QString& program, const QStringList& arguments,
                   const QString& workingDirectory) {
  if (program.isEmpty()) return false;
  return QProcess::startDetached(program, arguments, workingDirectory);
}

QString GraphProgramFolder(const QString& applicationDir) {
  return QDir::cleanPath(applicationDir + QStringLiteral("/../Tools/Plenvy"));
}

QString GraphProgramPath(const QString& applicationDir) {
  return GraphProgramFolder(applicationDir) + QStringLiteral("/plenvy");
}

QStringList GraphProgramArguments(const QStringList& files) {
  QStringList args;
  args.reserve(files.size() * 2);
  for (const QString& f : files) {
    args << QStringLiteral("-f") << f;
  }
  return args;
}

bool LaunchGraphProgram(const QString& applicationDir, const QStringList& files) {
  const QString program = GraphProgramPath(applicationDir);
  // startDetached would search PATH for a bare name; an absolute path that
  // does not exist simply fails, which is what a missing sibling should do.
  if (!QFileInfo(program).isFile()) return false;
  return StartDetached(program, GraphProgramArguments(files), GraphProgramFolder(applicationDir));
}

}  // namespace platform
