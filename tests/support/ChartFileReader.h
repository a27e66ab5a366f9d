#pragma once
// A reader of the documented chart file (docs/chart-file.md) for tests: the
// program itself never reads chart files. It treats its input as hostile:
// every count and length is checked against the bytes left before anything
// is allocated, so a writer fault shows up as a refusal with a reason, not
// as a crash. It needs no chart classes: series records are known by their
// count of further value lists, which is all a data block needs.
#include <QByteArray>
#include <QString>
#include <QVariant>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace storedchart {

enum Tag : int {
  Integer = 1,
  Double = 2,
  Boolean = 3,
  String = 4,
  Identifier = 5,
  Color = 6,
  Picture = 7,
  Object = 8,
  Collection = 9,
  StringList = 10,
};

struct Record;

struct Property {
  QString name;
  int tag = 0;
  // Integer: qlonglong; Double: double; Boolean: bool; String and
  // Identifier: QString; Color: uint; Picture: QImage (null when empty);
  // StringList: QStringList.
  QVariant value;
  std::shared_ptr<Record> object;  // Object
  std::vector<Record> items;       // Collection
};

struct Record {
  QString className;
  QString name;
  std::vector<Property> properties;
  std::vector<Record> children;

  const Property* Find(const QString& name) const;
  // A series record carries its count of further value lists; -1 otherwise.
  int FurtherValueLists() const;
};

struct Point {
  double x = 0;  // the not-mandatory value; the index when flag bit 0 is clear
  double y = 0;
  std::uint32_t color = 0;
  QByteArray label;  // CP1252
  std::vector<double> further;
  // ArrowStart x, y, KeepArrowStart, ArrowEnd x, y, MovedByHand, BoxHeight,
  // BoxTopLeft x, y, BoxWidth.
  std::optional<std::array<std::int32_t, 10>> position;
};

struct Block {
  std::uint8_t flags = 0;
  std::vector<Point> points;
};

struct ChartFile {
  Record root;
  // One per series record (children of the root that carry a count of
  // further value lists), in the same order; empty without data.
  std::vector<Block> blocks;
  bool hasData = false;
};

// Null, with the reason in `error`, for anything but a complete file.
std::optional<ChartFile> Read(const QByteArray& bytes, QString* error);

}  // namespace storedchart
