#include "charteditor/export/AtomicFile.h"

#include "chart/core/ChartExceptions.h"

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
