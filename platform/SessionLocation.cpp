#include "platform/SessionLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace platform {

namespace {

// Writable for this process (the effective ids, as a create would see it).
bool FolderWritable(const QString& folder) {
  const QByteArray native = QFile::encodeName(folder);
  return !folder.isEmpty() && ::access(native.constData(), W_OK | X_OK) == 0;
}

}  // namespace

QString ChangeFileExt(const QString& path, const QString& extension) {
  const int slash = path.lastIndexOf(QLatin1Char('/'));
  const int dot = path.lastIndexOf(QLatin1Char('.'));
  if (dot > slash) return path.left(dot) + extension;
  return path + extension;
}

SessionLocation SessionLocation::Default() {
  return SessionLocation(QCoreApplication::applicationFilePath(),
                         QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

SessionLocation::SessionLocation(QString programFile, QString configFolder)
    : programFile_(std::move(programFile)), configFolder_(std::move(configFolder)) {}

QString SessionLocation::BesideProgram() const {
  return programFile_.isEmpty() ? QString()
                                : ChangeFileExt(programFile_, QStringLiteral(".session"));
}

QString SessionLocation::InConfigFolder() const {
  return configFolder_.isEmpty() ? QString()
                                 : QDir(configFolder_).filePath(QStringLiteral("veltrano.session"));
}

QString SessionLocation::ForReading() const {
  for (const QString& path : {BesideProgram(), InConfigFolder()})
    if (!path.isEmpty() && QFileInfo(path).isFile()) return path;
  return {};
}

QString SessionLocation::ForWriting() const {
  const QString beside = BesideProgram();
  if (!beside.isEmpty() && FolderWritable(QFileInfo(beside).absolutePath())) return beside;
  const QString inConfig = InConfigFolder();
  if (!inConfig.isEmpty()) QDir().mkpath(configFolder_);
  return inConfig.isEmpty() ? beside : inConfig;
}

}  // namespace platform
