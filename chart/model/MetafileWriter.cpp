#include "chart/model/MetafileWriter.h"

#include "chart/core/ChartExceptions.h"

#include <algorithm>
#include <cstdint>

namespace {

MetafileWriterFactory& Factory() {
  static MetafileWriterFactory factory;
  return factory;
}

}  // namespace

void SetMetafileWriterFactory(MetafileWriterFactory factory) {
  Factory() = std::move(factory);
}

bool MetafileWritersAvailable() {
  return static_cast<bool>(Factory());
}

std::unique_ptr<MetafileWriter> CreateMetafileWriter(bool enhanced, QSize size) {
  std::unique_ptr<MetafileWriter> writer;
  if (Factory()) writer = Factory()(enhanced, size);
  if (!writer) throw ChartException(QStringLiteral("metafile export not available"));
  return writer;
}

QSize MetafileSize(const TRect& r) {
  // 64-bit: a rectangle spanning the int range must not overflow.
  const int64_t w = int64_t(r.Right) - r.Left - 1;
  const int64_t h = int64_t(r.Bottom) - r.Top - 1;
  return QSize(static_cast<int>(std::clamp<int64_t>(w, 1, INT32_MAX)),
               static_cast<int>(std::clamp<int64_t>(h, 1, INT32_MAX)));
}
