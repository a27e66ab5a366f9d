#pragma once
// Where tests keep what a person may want to look at after a run: rendered
// images, failed pixel probes. The folder lives in the build tree and CI keeps it.
#include <QImage>
#include <QString>

namespace testsupport {

// Absolute path of `name` inside the artifacts folder (created on demand).
QString artifactPath(const QString& name);

// Saves `image` as a PNG artifact; returns the path written.
QString saveArtifact(const QImage& image, const QString& name);

}  // namespace testsupport
