#include "MetafileWalker.h"

#include <QHash>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

namespace testsupport {
namespace {

class Reader {
 public:
  explicit Reader(const QByteArray& bytes) : b_(bytes) {}
  bool has(qsizetype at, qsizetype n) const { return at >= 0 && n >= 0 && at <= b_.size() - n; }
  uint32_t u32(qsizetype at) const {
    if (!has(at, 4)) return 0;
    return static_cast<uint32_t>(static_cast<uint8_t>(b_[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(b_[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(b_[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(b_[at + 3])) << 24;
  }
  int32_t i32(qsizetype at) const { return static_cast<int32_t>(u32(at)); }
  uint16_t u16(qsizetype at) const {
    if (!has(at, 2)) return 0;
    return static_cast<uint16_t>(static_cast<uint8_t>(b_[at]) | static_cast<uint8_t>(b_[at + 1])
                                                                    << 8);
  }
  int16_t i16(qsizetype at) const { return static_cast<int16_t>(u16(at)); }
  qsizetype size() const { return b_.size(); }
  const QByteArray& bytes() const { return b_; }

 private:
  const QByteArray& b_;
};

QString hex(uint32_t v) {
  return QStringLiteral("$%1").arg(v, 6, 16, QLatin1Char('0')).toUpper();
}

// Objects by slot, with the kind that a select replaces.
class ObjectTable {
 public:
  explicit ObjectTable(QStringList& faults) : faults_(faults) {}

  void create(int slot, char kind, const QString& where) {
    if (slot < 0) {
      faults_ << where + QStringLiteral(": no slot");
      return;
    }
    if (live_.contains(slot)) faults_ << where + QStringLiteral(": slot %1 is taken").arg(slot);
    live_[slot] = kind;
    peak_ = std::max(peak_, slot + 1);
  }
  // The lowest free slot from `first`.
  int lowestFree(int first) const {
    int s = first;
    while (live_.contains(s)) ++s;
    return s;
  }
  void select(int slot, std::optional<char> stockKind, const QString& where) {
    char kind;
    if (stockKind) {
      kind = *stockKind;
    } else if (live_.contains(slot)) {
      kind = live_[slot];
    } else {
      faults_ << where + QStringLiteral(": selects %1, which is not alive").arg(slot);
      return;
    }
    current_[kind] = stockKind ? -1 : slot;
  }
  void remove(int slot, bool stock, const QString& where) {
    if (stock) return;
    if (!live_.contains(slot)) {
      faults_ << where + QStringLiteral(": deletes %1, which is not alive").arg(slot);
      return;
    }
    if (selected(slot))
      faults_ << where + QStringLiteral(": deletes %1 while it is selected").arg(slot);
    live_.remove(slot);
  }
  void save() { saved_.push_back(current_); }
  void restore(int n, const QString& where) {
    // Negative: that many back; positive: the n-th save.
    const qsizetype keep = n < 0 ? static_cast<qsizetype>(saved_.size()) + n : n - 1;
    if (n == 0 || keep < 0 || keep >= static_cast<qsizetype>(saved_.size())) {
      faults_ << where + QStringLiteral(": restores state %1 of %2").arg(n).arg(saved_.size());
      return;
    }
    current_ = saved_[static_cast<size_t>(keep)];
    saved_.resize(static_cast<size_t>(keep));
  }
  void end() {
    if (!live_.isEmpty()) {
      QStringList left;
      for (auto it = live_.cbegin(); it != live_.cend(); ++it) left << QString::number(it.key());
      left.sort();
      faults_ << QStringLiteral("objects left at the end: ") + left.join(QLatin1Char(' '));
    }
  }
  int peak() const { return peak_; }

 private:
  bool selected(int slot) const {
    auto holds = [slot](const std::map<char, int>& s) {
      for (const auto& [kind, h] : s)
        if (h == slot) return true;
      return false;
    };
    if (holds(current_)) return true;
    for (const auto& s : saved_)
      if (holds(s)) return true;
    return false;
  }

  QStringList& faults_;
  QHash<int, char> live_;
  std::map<char, int> current_;
  std::vector<std::map<char, int>> saved_;
  int peak_ = 0;
};

// --- enhanced metafiles -------------------------------------------------------------

QString emfName(uint32_t type) {
  static const QHash<uint32_t, QString> names = {{1, "HEADER"},
                                                 {3, "POLYGON"},
                                                 {4, "POLYLINE"},
                                                 {9, "SETWINDOWEXTEX"},
                                                 {10, "SETWINDOWORGEX"},
                                                 {11, "SETVIEWPORTEXTEX"},
                                                 {12, "SETVIEWPORTORGEX"},
                                                 {14, "EOF"},
                                                 {15, "SETPIXELV"},
                                                 {17, "SETMAPMODE"},
                                                 {18, "SETBKMODE"},
                                                 {19, "SETPOLYFILLMODE"},
                                                 {20, "SETROP2"},
                                                 {22, "SETTEXTALIGN"},
                                                 {24, "SETTEXTCOLOR"},
                                                 {25, "SETBKCOLOR"},
                                                 {27, "MOVETOEX"},
                                                 {30, "INTERSECTCLIPRECT"},
                                                 {33, "SAVEDC"},
                                                 {34, "RESTOREDC"},
                                                 {37, "SELECTOBJECT"},
                                                 {38, "CREATEPEN"},
                                                 {39, "CREATEBRUSHINDIRECT"},
                                                 {40, "DELETEOBJECT"},
                                                 {42, "ELLIPSE"},
                                                 {43, "RECTANGLE"},
                                                 {44, "ROUNDRECT"},
                                                 {45, "ARC"},
                                                 {47, "PIE"},
                                                 {54, "LINETO"},
                                                 {59, "BEGINPATH"},
                                                 {60, "ENDPATH"},
                                                 {63, "STROKEANDFILLPATH"},
                                                 {67, "SELECTCLIPPATH"},
                                                 {81, "STRETCHDIBITS"},
                                                 {82, "EXTCREATEFONTINDIRECTW"},
                                                 {84, "EXTTEXTOUTW"},
                                                 {86, "POLYGON16"},
                                                 {87, "POLYLINE16"},
                                                 {94, "CREATEDIBPATTERNBRUSHPT"},
                                                 {95, "EXTCREATEPEN"}};
  return names.value(type, QStringLiteral("TYPE%1").arg(type));
}

std::optional<char> emfStockKind(uint32_t h) {
  if (!(h & 0x80000000u)) return std::nullopt;
  const uint32_t n = h & 0x7FFFFFFFu;
  if (n <= 5 || n == 18) return 'b';
  if ((n >= 6 && n <= 8) || n == 19) return 'p';
  if (n >= 10 && n <= 17) return 'f';
  return 'o';
}

QString emfParams(const Reader& r, qsizetype at, uint32_t type, uint32_t size) {
  auto rect = [&](qsizetype o) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(r.i32(at + o))
        .arg(r.i32(at + o + 4))
        .arg(r.i32(at + o + 8))
        .arg(r.i32(at + o + 12));
  };
  auto pt = [&](qsizetype o) {
    return QStringLiteral("%1,%2").arg(r.i32(at + o)).arg(r.i32(at + o + 4));
  };
  switch (type) {
    case 3:
    case 4:
    case 86:
    case 87: {
      const uint32_t n = r.u32(at + 24);
      const bool small = type >= 86;
      QString s = QStringLiteral("n=%1").arg(n);
      if (n > 0) {
        const qsizetype p = at + 28;
        s += small ? QStringLiteral(" first=%1,%2").arg(r.i16(p)).arg(r.i16(p + 2))
                   : QStringLiteral(" first=%1").arg(pt(28));
      }
      return s;
    }
    case 9:
    case 10:
    case 11:
    case 12:
    case 27:
    case 54:
      return pt(8);
    case 15:
      return pt(8) + QLatin1Char(' ') + hex(r.u32(at + 16));
    case 17:
    case 18:
    case 19:
    case 20:
    case 22:
    case 34:
    case 67:
      return QString::number(r.i32(at + 8));
    case 24:
    case 25:
      return hex(r.u32(at + 8));
    case 30:
    case 42:
    case 43:
      return rect(8);
    case 44:
      return rect(8) + QStringLiteral(" %1x%2").arg(r.i32(at + 24)).arg(r.i32(at + 28));
    case 45:
    case 47:
      return rect(8) + QLatin1Char(' ') + pt(24) + QLatin1Char(' ') + pt(32);
    case 37:
    case 40: {
      const uint32_t h = r.u32(at + 8);
      return h & 0x80000000u ? QStringLiteral("stock%1").arg(h & 0x7FFFFFFFu) : QString::number(h);
    }
    case 38:
      return QStringLiteral("%1 style=%2 width=%3 %4")
          .arg(r.u32(at + 8))
          .arg(r.u32(at + 12))
          .arg(r.i32(at + 16))
          .arg(hex(r.u32(at + 24)));
    case 95:
      return QStringLiteral("%1 style=$%2 width=%3 %4")
          .arg(r.u32(at + 8))
          .arg(r.u32(at + 28), 0, 16)
          .arg(r.u32(at + 32))
          .arg(hex(r.u32(at + 40)));
    case 39:
      return QStringLiteral("%1 style=%2 %3 hatch=%4")
          .arg(r.u32(at + 8))
          .arg(r.u32(at + 12))
          .arg(hex(r.u32(at + 16)))
          .arg(r.u32(at + 20));
    case 94:
      return QStringLiteral("%1 %2x%3")
          .arg(r.u32(at + 8))
          .arg(r.i32(at + r.u32(at + 16) + 4))
          .arg(r.i32(at + r.u32(at + 16) + 8));
    case 82: {
      QString face;
      for (int i = 0; i < 32; ++i) {
        const uint16_t c = r.u16(at + 12 + 28 + 2 * i);
        if (!c) break;
        face += QChar(c);
      }
      return QStringLiteral("%1 height=%2 escapement=%3 weight=%4 \"%5\"")
          .arg(r.u32(at + 8))
          .arg(r.i32(at + 12))
          .arg(r.i32(at + 20))
          .arg(r.i32(at + 28))
          .arg(face);
    }
    case 84: {
      const uint32_t n = r.u32(at + 44);
      const uint32_t off = r.u32(at + 48);
      QString text;
      for (uint32_t i = 0; i < n && i < 256 && off + 2 * i + 2 <= size; ++i)
        text += QChar(r.u16(at + off + 2 * i));
      return pt(36) + QStringLiteral(" \"%1\"").arg(text);
    }
    case 81: {
      const qsizetype bmi = at + r.u32(at + 48);
      return QStringLiteral("%1 %2x%3 from %4x%5 bpp=%6")
          .arg(pt(24))
          .arg(r.i32(at + 72))
          .arg(r.i32(at + 76))
          .arg(r.i32(at + 40))
          .arg(r.i32(at + 44))
          .arg(r.u16(bmi + 14));
    }
    case 63:
      return QString();
    default:
      return QString();
  }
}

// --- plain metafiles ---------------------------------------------------------------

QString wmfName(uint16_t f) {
  static const QHash<uint16_t, QString> names = {{0x0000, "EOF"},
                                                 {0x001E, "SAVEDC"},
                                                 {0x0102, "SETBKMODE"},
                                                 {0x0103, "SETMAPMODE"},
                                                 {0x0104, "SETROP2"},
                                                 {0x0106, "SETPOLYFILLMODE"},
                                                 {0x0127, "RESTOREDC"},
                                                 {0x012D, "SELECTOBJECT"},
                                                 {0x012E, "SETTEXTALIGN"},
                                                 {0x0142, "DIBCREATEPATTERNBRUSH"},
                                                 {0x01F0, "DELETEOBJECT"},
                                                 {0x0201, "SETBKCOLOR"},
                                                 {0x0209, "SETTEXTCOLOR"},
                                                 {0x020B, "SETWINDOWORG"},
                                                 {0x020C, "SETWINDOWEXT"},
                                                 {0x020D, "SETVIEWPORTORG"},
                                                 {0x020E, "SETVIEWPORTEXT"},
                                                 {0x02FA, "CREATEPENINDIRECT"},
                                                 {0x02FB, "CREATEFONTINDIRECT"},
                                                 {0x02FC, "CREATEBRUSHINDIRECT"},
                                                 {0x0213, "LINETO"},
                                                 {0x0214, "MOVETO"},
                                                 {0x0324, "POLYGON"},
                                                 {0x0325, "POLYLINE"},
                                                 {0x0416, "INTERSECTCLIPRECT"},
                                                 {0x0418, "ELLIPSE"},
                                                 {0x041B, "RECTANGLE"},
                                                 {0x041F, "SETPIXEL"},
                                                 {0x061C, "ROUNDRECT"},
                                                 {0x0817, "ARC"},
                                                 {0x081A, "PIE"},
                                                 {0x0A32, "EXTTEXTOUT"},
                                                 {0x0F43, "STRETCHDIB"},
                                                 {0x00F7, "CREATEPALETTE"},
                                                 {0x01F9, "CREATEPATTERNBRUSH"},
                                                 {0x06FF, "CREATEREGION"}};
  return names.value(f, QStringLiteral("FUNC%1").arg(f, 4, 16, QLatin1Char('0')));
}

std::optional<char> wmfCreateKind(uint16_t f) {
  switch (f) {
    case 0x02FA:
      return 'p';
    case 0x02FC:
    case 0x0142:
    case 0x01F9:
      return 'b';
    case 0x02FB:
      return 'f';
    case 0x00F7:
      return 'l';
    case 0x06FF:
      return 'r';
    default:
      return std::nullopt;
  }
}

QString wmfParams(const Reader& r, qsizetype at, uint16_t f, uint32_t words, int createdSlot) {
  const qsizetype p = at + 6;
  auto v = [&](int i) { return r.i16(p + 2 * i); };
  // Rectangles are stored bottom, right, top, left.
  auto rectFrom = [&](int i) {
    return QStringLiteral("%1,%2,%3,%4").arg(v(i + 3)).arg(v(i + 2)).arg(v(i + 1)).arg(v(i));
  };
  switch (f) {
    case 0x0214:
    case 0x0213:
    case 0x020B:
    case 0x020C:
      return QStringLiteral("%1,%2").arg(v(1)).arg(v(0));
    case 0x0102:
    case 0x0103:
    case 0x0104:
    case 0x0106:
    case 0x0127:
    case 0x012D:
    case 0x012E:
    case 0x01F0:
      return QString::number(v(0));
    case 0x0201:
    case 0x0209:
      return hex(r.u32(p));
    case 0x0324:
    case 0x0325:
      return QStringLiteral("n=%1 first=%2,%3").arg(r.u16(p)).arg(v(1)).arg(v(2));
    case 0x0416:
    case 0x0418:
    case 0x041B:
      return rectFrom(0);
    case 0x061C:
      return rectFrom(2) + QStringLiteral(" %1x%2").arg(v(1)).arg(v(0));
    case 0x0817:
    case 0x081A:
      return rectFrom(4) + QStringLiteral(" %1,%2 %3,%4").arg(v(3)).arg(v(2)).arg(v(1)).arg(v(0));
    case 0x041F:
      return QStringLiteral("%1,%2 %3").arg(v(3)).arg(v(2)).arg(hex(r.u32(p)));
    case 0x02FA:
      return QStringLiteral("%1 style=$%2 width=%3 %4")
          .arg(createdSlot)
          .arg(r.u16(p), 0, 16)
          .arg(v(1))
          .arg(hex(r.u32(p + 6)));
    case 0x02FC:
      return QStringLiteral("%1 style=%2 %3 hatch=%4")
          .arg(createdSlot)
          .arg(r.u16(p))
          .arg(hex(r.u32(p + 2)))
          .arg(r.u16(p + 6));
    case 0x0142:
      return QStringLiteral("%1 %2x%3").arg(createdSlot).arg(r.i32(p + 8)).arg(r.i32(p + 12));
    case 0x02FB: {
      QByteArray face;
      for (int i = 0; i < 32 && r.has(p + 18 + i, 1); ++i) {
        const char c = r.bytes()[p + 18 + i];
        if (!c) break;
        face += c;
      }
      return QStringLiteral("%1 height=%2 escapement=%3 weight=%4 \"%5\"")
          .arg(createdSlot)
          .arg(v(0))
          .arg(v(2))
          .arg(v(4))
          .arg(QString::fromLatin1(face));
    }
    case 0x0A32: {
      const int n = std::max<int>(0, v(2));
      const uint16_t opts = r.u16(p + 6);
      const qsizetype s = p + 8 + ((opts & 0x6) ? 8 : 0);
      QByteArray text;
      for (int i = 0; i < n && i < 256 && r.has(s + i, 1) && s + i < at + 2 * qsizetype(words); ++i)
        text += r.bytes()[s + i];
      return QStringLiteral("%1,%2 \"%3\"").arg(v(1)).arg(v(0)).arg(QString::fromLatin1(text));
    }
    case 0x0F43:
      return QStringLiteral("%1,%2 %3x%4 from %5x%6 bpp=%7")
          .arg(v(10))
          .arg(v(9))
          .arg(v(8))
          .arg(v(7))
          .arg(v(4))
          .arg(v(3))
          .arg(r.u16(p + 22 + 14));
    default:
      return QString();
  }
}

QString line(const QString& name, const QString& params) {
  return params.isEmpty() ? name : name + QLatin1Char(' ') + params;
}

}  // namespace

MetafileWalk WalkEmf(const QByteArray& file) {
  MetafileWalk walk;
  QStringList& faults = walk.faults;
  const Reader r(file);
  if (file.size() < 88 || r.u32(0) != 1 || r.u32(40) != 0x464D4520) {
    faults << QStringLiteral("no enhanced metafile header");
    return walk;
  }
  const int32_t bounds[4] = {r.i32(8), r.i32(12), r.i32(16), r.i32(20)};
  const int32_t frame[4] = {r.i32(24), r.i32(28), r.i32(32), r.i32(36)};
  walk.width = bounds[2] - bounds[0] + 1;
  walk.height = bounds[3] - bounds[1] + 1;
  // The frame spans the whole pixels the inclusive bounds name.
  for (int i = 0; i < 4; ++i) {
    const long long want = ((bounds[i] + (i >= 2 ? 1LL : 0LL)) * 2540LL + 48) / 96;
    if (std::llabs(frame[i] - want) > 1)
      faults << QStringLiteral("frame %1 is %2, bounds say %3").arg(i).arg(frame[i]).arg(want);
  }
  const uint32_t nBytes = r.u32(48);
  const uint32_t nRecords = r.u32(52);
  const uint16_t nHandles = r.u16(56);
  if (nBytes != static_cast<uint32_t>(file.size()))
    faults << QStringLiteral("header says %1 bytes, the file has %2").arg(nBytes).arg(file.size());

  ObjectTable objects(faults);
  qsizetype at = 0;
  uint32_t count = 0;
  int eofs = 0;
  bool afterEof = false;
  while (at < file.size()) {
    const QString where = QStringLiteral("record %1 at %2").arg(count).arg(at);
    if (at % 4) faults << where + QStringLiteral(": not 4-aligned");
    if (!r.has(at, 8)) {
      faults << where + QStringLiteral(": cut short");
      break;
    }
    const uint32_t type = r.u32(at);
    const uint32_t size = r.u32(at + 4);
    if (size < 8 || size % 4 || !r.has(at, size)) {
      faults << where + QStringLiteral(": size %1 does not fit the file").arg(size);
      break;
    }
    if (afterEof) faults << where + QStringLiteral(": after the end record");
    if (count == 0 && type != 1) faults << where + QStringLiteral(": the header is not first");
    ++count;
    const QString name = emfName(type);
    switch (type) {
      case 38:
      case 39:
      case 82:
      case 94:
      case 95: {
        const uint32_t h = r.u32(at + 8);
        if (h == 0 || (h & 0x80000000u))
          faults << where + QStringLiteral(": creates reserved %1").arg(h);
        else
          objects.create(static_cast<int>(h),
                         type == 38 || type == 95 ? 'p'
                         : type == 82             ? 'f'
                                                  : 'b',
                         where);
        break;
      }
      case 37: {
        const uint32_t h = r.u32(at + 8);
        objects.select(static_cast<int>(h & 0x7FFFFFFFu), emfStockKind(h), where);
        break;
      }
      case 40: {
        const uint32_t h = r.u32(at + 8);
        objects.remove(static_cast<int>(h & 0x7FFFFFFFu), (h & 0x80000000u) != 0, where);
        break;
      }
      case 33:
        objects.save();
        break;
      case 34:
        objects.restore(r.i32(at + 8), where);
        break;
      case 14:
        ++eofs;
        afterEof = true;
        objects.end();
        break;
      default:
        break;
    }
    if (type != 1) walk.records << line(name, emfParams(r, at, type, size));
    at += size;
  }
  if (eofs != 1) faults << QStringLiteral("%1 end records").arg(eofs);
  if (nRecords != count)
    faults << QStringLiteral("header says %1 records, the file has %2").arg(nRecords).arg(count);
  walk.peakObjects = std::max(1, objects.peak());
  if (nHandles < walk.peakObjects)
    faults << QStringLiteral("header says %1 handles, the records need %2")
                  .arg(nHandles)
                  .arg(walk.peakObjects);
  return walk;
}

MetafileWalk WalkWmf(const QByteArray& file) {
  MetafileWalk walk;
  QStringList& faults = walk.faults;
  const Reader r(file);
  if (file.size() < 22 + 18 || r.u32(0) != 0x9AC6CDD7u) {
    faults << QStringLiteral("no placeable header");
    return walk;
  }
  uint16_t checksum = 0;
  for (int i = 0; i < 20; i += 2) checksum ^= r.u16(i);
  if (checksum != r.u16(20))
    faults << QStringLiteral("placeable checksum %1, the header gives %2")
                  .arg(r.u16(20))
                  .arg(checksum);
  walk.width = r.i16(10) - r.i16(6);
  walk.height = r.i16(12) - r.i16(8);
  if (r.u16(14) == 0) faults << QStringLiteral("zero units per inch");
  const qsizetype h = 22;
  if (r.u16(h + 2) != 9) faults << QStringLiteral("header size %1, not 9 words").arg(r.u16(h + 2));
  const uint32_t mtSize = r.u16(h + 6) | static_cast<uint32_t>(r.u16(h + 8)) << 16;
  const uint16_t mtNoObjects = r.u16(h + 10);
  const uint32_t mtMaxRecord = r.u16(h + 12) | static_cast<uint32_t>(r.u16(h + 14)) << 16;
  if (file.size() % 2) faults << QStringLiteral("odd file size %1").arg(file.size());
  if (qsizetype(mtSize) * 2 != file.size() - h)
    faults << QStringLiteral("header says %1 words, the file has %2")
                  .arg(mtSize)
                  .arg((file.size() - h) / 2);

  ObjectTable objects(faults);
  qsizetype at = h + 18;
  uint32_t largest = 0;
  int eofs = 0;
  int count = 0;
  bool afterEof = false;
  while (at < file.size()) {
    const QString where = QStringLiteral("record %1 at %2").arg(count).arg(at);
    if (!r.has(at, 6)) {
      faults << where + QStringLiteral(": cut short");
      break;
    }
    const uint32_t words = r.u32(at);
    const uint16_t f = r.u16(at + 4);
    if (words < 3 || !r.has(at, qsizetype(words) * 2)) {
      faults << where + QStringLiteral(": size %1 words does not fit the file").arg(words);
      break;
    }
    if (afterEof) faults << where + QStringLiteral(": after the end record");
    ++count;
    largest = std::max(largest, words);
    int created = -1;
    if (const std::optional<char> kind = wmfCreateKind(f)) {
      created = objects.lowestFree(0);
      objects.create(created, *kind, where);
    } else if (f == 0x012D) {
      objects.select(r.u16(at + 6), std::nullopt, where);
    } else if (f == 0x01F0) {
      objects.remove(r.u16(at + 6), false, where);
    } else if (f == 0x001E) {
      objects.save();
    } else if (f == 0x0127) {
      objects.restore(r.i16(at + 6), where);
    } else if (f == 0) {
      ++eofs;
      afterEof = true;
      objects.end();
    }
    walk.records << line(wmfName(f), wmfParams(r, at, f, words, created));
    at += qsizetype(words) * 2;
  }
  if (eofs != 1) faults << QStringLiteral("%1 end records").arg(eofs);
  if (mtMaxRecord != largest)
    faults << QStringLiteral("header says the largest record is %1 words, it is %2")
                  .arg(mtMaxRecord)
                  .arg(largest);
  walk.peakObjects = objects.peak();
  if (mtNoObjects < walk.peakObjects)
    faults << QStringLiteral("header says %1 objects, the records need %2")
                  .arg(mtNoObjects)
                  .arg(walk.peakObjects);
  return walk;
}

QStringList RecordsNamed(const MetafileWalk& walk, const QString& name) {
  QStringList out;
  for (const QString& l : walk.records)
    if (l == name || l.startsWith(name + QLatin1Char(' '))) out << l;
  return out;
}

}  // namespace testsupport
