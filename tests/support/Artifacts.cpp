#include "tests/support/Artifacts.h"

#include <QDir>

namespace testsupport {

QString artifactPath(const QString& name) {
  QDir dir(QStringLiteral(VELTRANO_TEST_ARTIFACTS_DIR));
  dir.mkpath(QStringLiteral("."));
  return dir.filePath(name);
}

QString saveArtifact(const QImage& image, const QString& name) {
  const QString path = artifactPath(name);
  image.save(path, "PNG");
  return path;
}

}  // namespace testsupport
