#include "resultdata/FileVersion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace {

QString ownVersionText() {
  QStringList parts = QStringLiteral(VELTRANO_VERSION).split(QLatin1Char('.'));
  while (parts.size() < 4) parts.append(QStringLiteral("0"));
  return parts.mid(0, 4).join(QLatin1Char('.'));
}

bool isOwnExecutable(const QFileInfo& file) {
  if (!QCoreApplication::instance()) return false;
  const QString own = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
  return !own.isEmpty() && file.canonicalFilePath() == own;
}

}  // namespace

QString GetFileVersionText(const QString& fileName) {
  if (fileName.isEmpty()) return ownVersionText();
  const QFileInfo file(fileName);
  if (!file.exists()) return QStringLiteral("-1");
  return isOwnExecutable(file) ? ownVersionText() : QString();
}
