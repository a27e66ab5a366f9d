#include "platform/TempFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace platform {

namespace {

QMutex& lock() {
  static QMutex mutex;
  return mutex;
}

}  // namespace

QString MakeTempFileName(const QString& prefix) {
  QMutexLocker locker(&lock());
  // QTemporaryDir makes the directory with mkdtemp, so only this user can
  // enter it; its destructor at exit removes it and what is left inside.
  static QTemporaryDir directory(QDir::tempPath() + QStringLiteral("/veltrano-XXXXXX"));
  static unsigned counter = 0;
  if (!directory.isValid()) return QString();
  for (int attempt = 0; attempt < 0x10000; ++attempt) {
    counter = (counter + 1) & 0xFFFF;
    const QString number = QString::number(counter, 16).toUpper().rightJustified(4, u'0');
    const QString name = directory.filePath(prefix + number + QStringLiteral(".tmp"));
    if (!QFileInfo::exists(name)) return name;
  }
  return QString();
}

QString MakePrivateTempFolder() {
  QMutexLocker locker(&lock());
  static std::vector<std::unique_ptr<QTemporaryDir>> folders;
  auto folder =
      std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/veltrano-XXXXXX"));
  if (!folder->isValid()) return QString();
  folders.push_back(std::move(folder));
  return folders.back()->path();
}

}  // namespace platform
