// The record walker is the oracle of every metafile test: hand-made files,
// each breaking one rule, must each give the fault named, and a sound file
// none.
#include "tests/support/MetafileWalker.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace {

using Records = std::vector<std::vector<uint32_t>>;
using Tweak = std::function<void(QByteArray&)>;

void put32(QByteArray& b, qsizetype at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
void put16(QByteArray& b, qsizetype at, uint16_t v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>(v >> 8);
}

constexpr uint32_t kPen = 38, kSelect = 37, kDelete = 40, kSave = 33, kRestore = 34, kEof = 14;
constexpr uint32_t kStockBlackPen = 0x80000007;

// An enhanced metafile of 96×48 pixels with the counts right; each record
// is its type and parameters.
QByteArray Emf(const Records& records, uint16_t handles = 8) {
  QByteArray b(108, '\0');
  put32(b, 0, 1);
  put32(b, 4, 108);
  put32(b, 16, 95);
  put32(b, 20, 47);
  put32(b, 32, 96 * 2540 / 96);
  put32(b, 36, (48 * 2540 + 48) / 96);
  put32(b, 40, 0x464D4520);
  put32(b, 44, 0x10000);
  put16(b, 56, handles);
  for (const auto& r : records) {
    const qsizetype at = b.size();
    b.resize(at + 4 + 4 * static_cast<qsizetype>(r.size()));
    put32(b, at, r[0]);
    put32(b, at + 4, 4 + 4 * static_cast<uint32_t>(r.size()));
    for (size_t i = 1; i < r.size(); ++i) put32(b, at + 4 + 4 * static_cast<qsizetype>(i), r[i]);
  }
  put32(b, 48, static_cast<uint32_t>(b.size()));
  put32(b, 52, static_cast<uint32_t>(records.size() + 1));
  return b;
}

const std::vector<uint32_t> eof = {kEof, 0, 16, 20};
const std::vector<uint32_t> pen1 = {kPen, 1, 0, 1, 0, 0};

struct EmfCase {
  const char* name;
  Records records;
  Tweak tweak;
  const char* fault;  // empty: the file is sound
};

TEST(MetafileWalker, EnhancedFilesBreakingOneRuleEach) {
  const std::vector<EmfCase> cases = {
      {"sound", {pen1, {kSelect, 1}, {kSelect, kStockBlackPen}, {kDelete, 1}, eof}, {}, ""},
      {"saved state restored",
       {{kSave}, pen1, {kSelect, 1}, {kRestore, 0xFFFFFFFF}, {kDelete, 1}, eof},
       {},
       ""},
      {"select of a dead object", {{kSelect, 2}, eof}, {}, "not alive"},
      {"delete of the selected pen",
       {pen1, {kSelect, 1}, {kDelete, 1}, eof},
       {},
       "while it is selected"},
      {"delete of a pen a saved state holds",
       {pen1, {kSelect, 1}, {kSave}, {kSelect, kStockBlackPen}, {kDelete, 1}, eof},
       {},
       "while it is selected"},
      {"object left at the end", {pen1, eof}, {}, "left at the end: 1"},
      {"slot created twice", {pen1, pen1, {kDelete, 1}, eof}, {}, "taken"},
      {"no end record", {pen1, {kDelete, 1}}, {}, "0 end records"},
      {"two end records", {eof, eof}, {}, "after the end record"},
      {"restore without a save", {{kRestore, 0xFFFFFFFF}, eof}, {}, "restores state"},
      {"handles too few",
       {{kPen, 3, 0, 1, 0, 0}, {kDelete, 3}, eof},
       [](QByteArray& b) { put16(b, 56, 2); },
       "the records need 4"},
      {"bytes miscounted", {eof}, [](QByteArray& b) { put32(b, 48, 4000); }, "4000 bytes"},
      {"records miscounted", {eof}, [](QByteArray& b) { put32(b, 52, 3); }, "3 records"},
      {"frame off the bounds", {eof}, [](QByteArray& b) { put32(b, 32, 2600); }, "frame 2"},
      {"record past the end", {eof}, [](QByteArray& b) { put32(b, 112, 400); }, "does not fit"},
      {"record size not aligned",
       {{kSave, 0}, eof},
       [](QByteArray& b) { put32(b, 112, 10); },
       "does not fit"},
  };
  for (const EmfCase& c : cases) {
    QByteArray file = Emf(c.records);
    if (c.tweak) c.tweak(file);
    const QStringList faults = testsupport::WalkEmf(file).faults;
    if (QByteArray(c.fault).isEmpty()) {
      EXPECT_TRUE(faults.isEmpty()) << c.name << ": " << faults.join('\n').toStdString();
    } else {
      EXPECT_TRUE(faults.join('\n').contains(QLatin1String(c.fault)))
          << c.name << ": " << faults.join('\n').toStdString();
    }
  }
}

constexpr uint16_t kWPen = 0x02FA, kWBrush = 0x02FC, kWSelect = 0x012D, kWDelete = 0x01F0,
                   kWEof = 0x0000;

// A placeable plain metafile of 96×48 with the counts right; each record
// is its function and 16-bit parameters.
QByteArray Wmf(const std::vector<std::vector<uint16_t>>& records, uint16_t objects = 8) {
  QByteArray b(40, '\0');
  put32(b, 0, 0x9AC6CDD7);
  put16(b, 10, 96);
  put16(b, 12, 48);
  put16(b, 14, 96);
  uint16_t sum = 0;
  for (int i = 0; i < 20; i += 2)
    sum ^= static_cast<uint16_t>(static_cast<uint8_t>(b[i]) | static_cast<uint8_t>(b[i + 1]) << 8);
  put16(b, 20, sum);
  put16(b, 22, 1);
  put16(b, 24, 9);
  put16(b, 26, 0x300);
  put16(b, 32, objects);
  uint32_t largest = 0;
  for (const auto& r : records) {
    const qsizetype at = b.size();
    const uint32_t words = 2 + static_cast<uint32_t>(r.size());
    b.resize(at + 2 * words);
    put32(b, at, words);
    for (size_t i = 0; i < r.size(); ++i) put16(b, at + 4 + 2 * static_cast<qsizetype>(i), r[i]);
    largest = std::max(largest, words);
  }
  put32(b, 28, static_cast<uint32_t>((b.size() - 22) / 2));
  put32(b, 34, largest);
  return b;
}

struct WmfCase {
  const char* name;
  std::vector<std::vector<uint16_t>> records;
  Tweak tweak;
  const char* fault;
};

TEST(MetafileWalker, PlainFilesBreakingOneRuleEach) {
  const std::vector<uint16_t> pen = {kWPen, 0, 1, 0, 0, 0};
  const std::vector<uint16_t> brush = {kWBrush, 0, 0, 0, 0};
  const std::vector<uint16_t> wend = {kWEof};
  const std::vector<WmfCase> cases = {
      {"sound: a deleted slot is taken again",
       {{0x001E},
        pen,
        brush,
        {kWSelect, 1},
        {kWDelete, 0},
        pen,
        {kWSelect, 0},
        {0x0127, 0xFFFF},
        {kWDelete, 0},
        {kWDelete, 1},
        wend},
       {},
       ""},
      {"writer that appends instead of taking the lowest slot",
       {pen,
        brush,
        {kWSelect, 1},
        {kWDelete, 0},
        pen,
        {kWSelect, 2},
        {kWDelete, 0},
        {kWDelete, 1},
        wend},
       {},
       "selects 2"},
      {"delete of the selected pen",
       {pen, {kWSelect, 0}, {kWDelete, 0}, wend},
       {},
       "while it is selected"},
      {"object left at the end", {pen, wend}, {}, "left at the end: 0"},
      {"no end record", {pen, {kWDelete, 0}}, {}, "0 end records"},
      {"objects too few",
       {pen, brush, {kWDelete, 0}, {kWDelete, 1}, wend},
       [](QByteArray& b) { put16(b, 32, 1); },
       "the records need 2"},
      {"size miscounted", {wend}, [](QByteArray& b) { put32(b, 28, 99); }, "99 words"},
      {"largest record miscounted",
       {pen, {kWDelete, 0}, wend},
       [](QByteArray& b) { put32(b, 34, 3); },
       "largest record is 3"},
      {"checksum broken", {wend}, [](QByteArray& b) { put16(b, 20, 1); }, "checksum"},
      {"record past the end", {wend}, [](QByteArray& b) { put32(b, 40, 50); }, "does not fit"},
  };
  for (const WmfCase& c : cases) {
    QByteArray file = Wmf(c.records);
    if (c.tweak) c.tweak(file);
    const QStringList faults = testsupport::WalkWmf(file).faults;
    if (QByteArray(c.fault).isEmpty()) {
      EXPECT_TRUE(faults.isEmpty()) << c.name << ": " << faults.join('\n').toStdString();
    } else {
      EXPECT_TRUE(faults.join('\n').contains(QLatin1String(c.fault)))
          << c.name << ": " << faults.join('\n').toStdString();
    }
  }
}

TEST(MetafileWalker, HostileBytesGiveFaultsNotCrashes) {
  for (const QByteArray& junk : {QByteArray(), QByteArray(3, 'x'), QByteArray(200, '\xFF')}) {
    EXPECT_FALSE(testsupport::WalkEmf(junk).faults.isEmpty());
    EXPECT_FALSE(testsupport::WalkWmf(junk).faults.isEmpty());
  }
}

}  // namespace
