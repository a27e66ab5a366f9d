#include "charteditor/export/FileWriting.h"

#include "chart/core/ChartExceptions.h"

#include <QIODevice>
#include <QSaveFile>

void SaveFileAtomically(const QString& fileName, const std::function<void(QIODevice&)>& write) {
  QSaveFile file(fileName);
  // Writers name the device in their own error messages.
  file.setObjectName(fileName);
  if (!file.open(QIODevice::WriteOnly))
    throw ChartException(QStringLiteral("Cannot create %1: %2").arg(fileName, file.errorString()));
  write(file);
  if (!file.commit())
    throw ChartException(QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString()));
}

void WriteWhole(QIODevice& device, const QByteArray& bytes, const QString& what) {
  if (device.write(bytes) != bytes.size())
    throw ChartException(QStringLiteral("Cannot write %1: %2").arg(what, device.errorString()));
}
