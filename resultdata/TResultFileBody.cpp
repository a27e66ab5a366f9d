#include "resultdata/TResultFileBody.h"

#include "resultdata/TResultFile.h"
#include "resultdata/TResultFileFormat.h"

using namespace resultfile;

#include <QtEndian>

#include <algorithm>
#include <cstring>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "arrays are read straight into memory");

TResultFileBody::TResultFileBody(TResultFile& target)
    : target_(target),
      file_(target.file_),
      fileSize_(target.fileSize_),
      records_(target.framing_ == TResultFraming::Records) {}

void TResultFileBody::need(std::int64_t bytes) const {
  if (bytes < 0 || bytes > fileSize_ - file_.FilePos()) throw ReadBeyondEnd();
}

void TResultFileBody::read(void* destination, std::int64_t bytes) {
  file_.BlockReadUnsafe(destination, bytes);
}

void TResultFileBody::skip(std::int64_t bytes) {
  need(bytes);
  file_.Seek(file_.FilePos() + bytes);
}

std::int16_t TResultFileBody::readI16() {
  unsigned char bytes[2];
  read(bytes, 2);
  return qFromLittleEndian<qint16>(bytes);
}

std::int32_t TResultFileBody::readI32() {
  unsigned char bytes[4];
  read(bytes, 4);
  return qFromLittleEndian<qint32>(bytes);
}

std::int64_t TResultFileBody::begin() {
  return records_ ? readI32() : 0;
}

void TResultFileBody::end() {
  if (records_) readI32();
}

void TResultFileBody::Read() {
  const int version = target_.version_;
  // The reserved 64-byte text; the version-0 record layout spreads it over
  // eight records and puts 24 bytes of its own before them.
  if (records_ && version == 0) {
    skip(24);
    for (int n = 0; n < 8; ++n) {
      begin();
      skip(8);
      end();
    }
  } else {
    begin();
    skip(64);
    end();
  }
  target_.header_.StartDateText = DecodeAnsi(readStartDateText());
  begin();
  readSlotTable();
  end();
  if (version == 0) {
    begin();
    readSlotNames();
    end();
  }
  begin();
  skip(9);  // reserved short string
  end();
  if (version >= 3) readRanges();
  readGrid();
  if (version >= 1) {
    readCellMaterials();
    readMaterials();
  } else {
    // No table in the file: every cell with an area holds material 1.
    const std::int64_t nodes = std::int64_t{target_.nx_} * target_.ny_;
    if (2 * nodes > fileSize_)
      throw base::Exception(QStringLiteral("Grid of %1 x %2 nodes does not fit in the file")
                                .arg(target_.nx_)
                                .arg(target_.ny_));
    auto& cells = target_.cellMaterials_;
    cells.assign(static_cast<std::size_t>(nodes), 1);
    for (std::int32_t j = 0; j < target_.ny_; ++j) cells[static_cast<std::size_t>(j)] = 0;
    for (std::int64_t i = 1; i < target_.nx_; ++i)
      cells[static_cast<std::size_t>(i * target_.ny_)] = 0;
  }
}

// Plain: a short string of 17 (length byte, 16 characters). Records: a
// one-byte record with the length, then a record with the characters; a
// longer text than 16 characters is cut and the rest skipped.
QByteArray TResultFileBody::readStartDateText() {
  char text[StartDateChars];
  int length;
  if (records_) {
    begin();
    unsigned char lengthByte = 0;
    read(&lengthByte, 1);
    end();
    const std::int64_t stored = begin();
    need(stored);
    const int kept = static_cast<int>(std::min<std::int64_t>(stored, StartDateChars));
    read(text, kept);
    skip(stored - kept);
    end();
    length = std::min<int>(lengthByte, kept);
  } else {
    unsigned char shortString[1 + StartDateChars];
    read(shortString, sizeof shortString);
    length = std::min<int>(shortString[0], StartDateChars);
    std::memcpy(text, shortString + 1, StartDateChars);
  }
  return QByteArray(text, length);
}

void TResultFileBody::readSlotTable() {
  unsigned char bytes[2 * THeaderBlock::SlotCount];
  read(bytes, sizeof bytes);
  const bool kindPerSlot = target_.version_ == 0;
  for (int s = 0; s < THeaderBlock::SlotCount; ++s) {
    const auto entry = qFromLittleEndian<qint16>(bytes + 2 * s);
    const int low = entry & 0xff;
    TDataKind kind;
    if (kindPerSlot)
      kind = entry < 0 || low > dkEmpty ? dkEmpty : static_cast<TDataKind>(low);
    else
      kind = low != 0 ? static_cast<TDataKind>(s) : dkEmpty;
    target_.header_.KindSlots[static_cast<std::size_t>(s)] = kind;
  }
}

void TResultFileBody::readSlotNames() {
  char names[THeaderBlock::SlotCount][SlotNameChars];
  read(names, sizeof names);
  auto& header = target_.header_;
  header.HasSlotNames = true;
  for (int s = 0; s < THeaderBlock::SlotCount; ++s) {
    const char* name = names[s];
    const auto length = static_cast<int>(std::find(name, name + SlotNameChars, '\0') - name);
    header.SlotNames[static_cast<std::size_t>(s)] = DecodeAnsi(QByteArray(name, length));
  }
}

void TResultFileBody::readRanges() {
  unsigned char bytes[RangeBytes];
  read(bytes, RangeBytes);
  DecodeRanges(bytes, target_.header_.Ranges);
  target_.rangesInBody_ = true;
}

void TResultFileBody::readGrid() {
  begin();
  const std::int32_t nx = readI32();
  const std::int32_t ny = readI32();
  // A grid needs at least one cell with an area, and below two nodes the
  // cell sizes and weights have no meaning.
  if (nx < 2 || ny < 2)
    throw base::Exception(QStringLiteral("Invalid grid size: nx = %1, ny = %2").arg(nx).arg(ny));
  need(4 * (std::int64_t{nx} + ny));
  target_.nx_ = nx;
  target_.ny_ = ny;
  target_.x_.resize(static_cast<std::size_t>(nx));
  target_.y_.resize(static_cast<std::size_t>(ny));
  read(target_.x_.data(), 4 * std::int64_t{nx});
  read(target_.y_.data(), 4 * std::int64_t{ny});
  end();
}

void TResultFileBody::readCellMaterials() {
  begin();
  const std::int32_t count = readI32();
  end();
  if (count < 0) throw base::Exception(QStringLiteral("Invalid material count: %1").arg(count));
  target_.materialCount_ = count;
  begin();
  const std::int64_t nodes = std::int64_t{target_.nx_} * target_.ny_;
  need(2 * nodes);
  target_.cellMaterials_.resize(static_cast<std::size_t>(nodes));
  read(target_.cellMaterials_.data(), 2 * nodes);
  end();
}

void TResultFileBody::readMaterials() {
  const std::int32_t count = target_.materialCount_;
  // Each record holds at least its fixed part: name, reserved bytes, counts
  // and values (and in records, the markers of its eight records).
  const std::int64_t fixed = target_.version_ == 1 ? MaterialFixedBytesV1 : MaterialFixedBytes;
  need(count * (fixed + (records_ ? 8 * 8 : 0)));
  target_.materials_.resize(static_cast<std::size_t>(count));
  for (int m = 0; m < count; ++m) readMaterial(target_.materials_[static_cast<std::size_t>(m)], m);
}

void TResultFileBody::readMaterial(TMaterialRecord& material, int number) {
  unsigned char name[MaterialNameBytes];
  begin();
  read(name, MaterialNameBytes);
  end();
  material.Name = DecodeAnsi(QByteArray(reinterpret_cast<const char*>(name + 1),
                                        std::min<int>(name[0], MaterialNameBytes - 1)));
  begin();
  skip(6);  // reserved
  end();
  auto& c = material.Counts;
  begin();
  if (target_.version_ == 1) {
    c[0] = readI16();
    c[2] = readI16();
    c[4] = readI16();
    c[8] = readI16();
  } else {
    for (auto& count : c) count = readI16();
  }
  end();
  begin();
  read(material.Values.data(), 4 * TMaterialRecord::ValueCount);
  end();
  if (target_.version_ == 1) {
    readCurve(material, number, 0, c[0], 3);
    readCurve(material, number, 2, c[2], 3);
    readCurve(material, number, 4, c[8], 3);
    readCurve(material, number, 5, c[4], 5);
  } else {
    // On disk curve 4 (the moisture storage function) comes last.
    for (int curve = 0; curve < 4; ++curve)
      readCurve(material, number, curve, c[static_cast<std::size_t>(curve)], 2);
    for (int curve = 5; curve < 9; ++curve)
      readCurve(material, number, curve, c[static_cast<std::size_t>(curve - 1)], 2);
    readCurve(material, number, 4, c[8], 3);
  }
}

void TResultFileBody::readCurve(TMaterialRecord& material, int number, int curve, int count,
                                int entryWidth) {
  if (count < 0)
    throw base::Exception(
        QStringLiteral("Material %1 has a negative curve count (%2)").arg(number + 1).arg(count));
  begin();
  const std::int64_t bytes = std::int64_t{count} * entryWidth * 4;
  need(bytes);
  TMaterialCurve& target = material.Curves[static_cast<std::size_t>(curve)];
  target.EntryWidth = entryWidth;
  target.Data.resize(static_cast<std::size_t>(count) * static_cast<std::size_t>(entryWidth));
  read(target.Data.data(), bytes);
  end();
}
