#include "viewer/main/CommandLineFiles.h"

QStringList FilesFromCommandLine(const QStringList& parameters,
                                 const std::function<bool(const QString&)>& fileExists) {
  QStringList files;
  QString joined;
  for (const QString& p : parameters) {
    if (fileExists(p)) files << p;
    joined += QLatin1Char(' ') + p;
  }
  if (files.isEmpty()) {
    joined = joined.trimmed();
    if (!joined.isEmpty() && fileExists(joined)) files << joined;
  }
  return files;
}
