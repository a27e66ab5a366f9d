#include "charteditor/export/MetafileWriters.h"

#include "charteditor/export/EmfWriterBackend.h"
#include "charteditor/export/WmfWriterBackend.h"

MetafileWritersScope::MetafileWritersScope() {
  SetMetafileWriterFactory([](bool enhanced, QSize size) -> std::unique_ptr<MetafileWriter> {
    if (enhanced) return std::make_unique<EmfWriterBackend>(size);
    return std::make_unique<WmfWriterBackend>(size);
  });
}

MetafileWritersScope::~MetafileWritersScope() {
  SetMetafileWriterFactory({});
}
