#pragma once
// Walks an enhanced (EMF) or plain (WMF, with its placeable header)
// metafile record by record and checks what players rely on: the header's
// counts and sizes against the file, every record inside the file (and
// 4-aligned in EMF), one end record and nothing after it, and the object
// table: created objects take a free slot (the lowest one in WMF), every
// select or delete names a live or stock object, nothing selected (now or
// in a saved state) is deleted, and nothing is left at the end.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace testsupport {

struct MetafileWalk {
  // Every broken rule; empty when the file holds.
  QStringList faults;
  // One line per record: its name and key parameters, for golden lists.
  QStringList records;
  int width = 0;  // from the header: EMF bounds + 1, WMF placeable bounds
  int height = 0;
  int peakObjects = 0;  // the object table size the records need
};

MetafileWalk WalkEmf(const QByteArray& file);
MetafileWalk WalkWmf(const QByteArray& file);

// The record lines whose name is `name`.
QStringList RecordsNamed(const MetafileWalk& walk, const QString& name);

}  // namespace testsupport
