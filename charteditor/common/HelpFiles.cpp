#include "charteditor/common/HelpFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString HelpFolder() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help"));
}

QString FindHelpFile(const QString& name, const QString& folder) {
  // A name is a file name, never a path that could leave the folder.
  if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
      name == QLatin1String("..") || folder.isEmpty())
    return QString();
  const QFileInfo file(QDir(folder).filePath(name));
  return file.isFile() ? file.absoluteFilePath() : QString();
}
