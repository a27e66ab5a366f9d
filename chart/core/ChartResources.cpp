#include "chart/core/ChartResources.h"

#include <QFile>

namespace {

bool loadNamed(QImage& image, const QString& name) {
  if (name.isEmpty()) return false;
  const QString path = QStringLiteral(":/chart/") + name.toUpper() + QStringLiteral(".png");
  if (!QFile::exists(path)) return false;
  QImage loaded(path);
  if (loaded.isNull()) return false;
  image = loaded;
  return true;
}

}  // namespace

bool PlotLoadBitmap(QImage& image, const QString& name, const QString& fallback) {
  return loadNamed(image, name) || loadNamed(image, fallback);
}

bool PlotLoadClassBitmap(const QObject& object, QImage& image) {
  const QMetaObject* mo = object.metaObject();
  const QMetaObject* parent = mo->superClass();
  return PlotLoadBitmap(image, QString::fromLatin1(mo->className()),
                        parent ? QString::fromLatin1(parent->className()) : QString());
}

void PlotFreeLibrary(QLibrary& library) {
  library.unload();
}
