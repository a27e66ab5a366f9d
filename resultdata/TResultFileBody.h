#pragma once
// Reads the body of a result file (everything between the header and the
// first step) into a TResultFile: start-date text, slot table, slot names,
// value ranges, grid, cell materials and material records, in the layout of
// the file's version and framing.
//
// Every count is checked against the bytes left in the file before anything
// is sized from it, so a hostile or truncated file is refused with an
// exception and never allocates more than the file could fill.
#include <QByteArray>

#include <cstdint>

class TResultFile;
class THugeFile;
struct TMaterialRecord;

class TResultFileBody {
 public:
  explicit TResultFileBody(TResultFile& target);
  // Reads from the current file position (just after the header) and leaves
  // the position after the body.
  void Read();

 private:
  void need(std::int64_t bytes) const;
  void read(void* destination, std::int64_t bytes);
  void skip(std::int64_t bytes);
  std::int16_t readI16();
  std::int32_t readI32();
  // Record framing: a record's leading and closing length words; no-ops in
  // the plain and prefixed framings, where items follow without markers.
  std::int64_t begin();
  void end();

  QByteArray readStartDateText();
  void readSlotTable();
  void readSlotNames();
  void readRanges();
  void readGrid();
  void readCellMaterials();
  void readMaterials();
  void readMaterial(TMaterialRecord& material, int number);
  void readCurve(TMaterialRecord& material, int number, int curve, int count, int entryWidth);

  TResultFile& target_;
  THugeFile& file_;
  const std::int64_t fileSize_;
  const bool records_;
};
