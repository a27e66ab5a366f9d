#pragma once
// The hook for vector picture writers (enhanced and plain metafiles): a
// writer is a drawing backend plus the bytes it produced. The writers
// register a factory; until one does, asking for a metafile fails with a
// ChartException.
#include "chart/canvas/DrawingBackend.h"

#include <QByteArray>
#include <QSize>

#include <functional>
#include <memory>

class MetafileWriter {
 public:
  virtual ~MetafileWriter() = default;
  // Where the chart draws; its capabilities say "metafile".
  virtual DrawingBackend& Backend() = 0;
  // Ends the picture and answers the file's bytes.
  virtual QByteArray Finish() = 0;
};

using MetafileWriterFactory =
    std::function<std::unique_ptr<MetafileWriter>(bool enhanced, QSize size)>;

// An empty factory removes the one in force.
void SetMetafileWriterFactory(MetafileWriterFactory factory);
bool MetafileWritersAvailable();
// A writer for a picture of `size`; throws ChartException when no factory
// is registered or it made none.
std::unique_ptr<MetafileWriter> CreateMetafileWriter(bool enhanced, QSize size);

// The size a metafile of the rectangle `r` gets: one less than r each way,
// never below 1 x 1.
QSize MetafileSize(const TRect& r);

// A finished metafile.
struct TMetafile {
  bool Enhanced = true;
  QSize Size;
  QByteArray Data;
};
