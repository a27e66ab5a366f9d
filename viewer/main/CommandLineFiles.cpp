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

QStringList NoSuchFileLines(const QStringList& parameters,
                            const std::function<bool(const QString&)>& fileExists) {
  QStringList lines;
  const QStringList files = FilesFromCommandLine(parameters, fileExists);
  // The halves of a path split at blanks are no mistake when joined they open.
  if (files.size() == 1 && !parameters.contains(files.front())) return lines;
  for (const QString& p : parameters)
    if (!fileExists(p)) lines << QStringLiteral("veltrano: no such file: %1").arg(p);
  return lines;
}
