// Result files assembled here byte by byte from the file layout, without the
// test writer, so that a layout misread alike by reader and writer cannot pass.
#include "resultdata/TResultFile.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

struct Bytes {
  QByteArray data;

  Bytes& raw(const QByteArray& bytes) {
    data += bytes;
    return *this;
  }
  template <typename T>
  Bytes& le(T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    data.append(bytes, sizeof(T));
    return *this;
  }
  Bytes& i16(std::int16_t v) { return le(v); }
  Bytes& i32(std::int32_t v) { return le(v); }
  Bytes& f32(float v) { return le(v); }
  Bytes& f64(double v) { return le(v); }
  // A short string of n: length byte, text, zero padding to n bytes.
  Bytes& shortString(const QByteArray& text, int n) {
    data += char(text.size());
    data += text;
    data += QByteArray(n - 1 - int(text.size()), '\0');
    return *this;
  }
};

constexpr int Nx = 3, Ny = 2, Nodes = Nx * Ny;
const QByteArray Date = "24.12.1999_13.45";
const float X[Nx] = {0.0F, 0.5F, 1.5F}, Y[Ny] = {0.0F, 2.0F};
const std::int16_t Cells[Nodes] = {0, 0, 0, 1, 0, 1};
// Temperature (kind 2) and capillary flow (kind 4, a vector: magnitude and
// direction arrays) in every step; two steps.
constexpr int Steps = 2;
float temperature(int step, int k) {
  return float(10 * step + k);
}
float magnitude(int step, int k) {
  return float(100 * (step + 1) + k);
}
float direction(int k) {
  return float(45 * k);
}
float rangeMin(int kind) {
  return float(-kind);
}
float rangeMax(int kind) {
  return float(10 * kind + 5);
}

Bytes header(int version, std::int32_t firstStep) {
  Bytes b;
  b.raw(QByteArray("\x09$k5mflow$", 10)).i16(std::int16_t(version));
  b.raw(QByteArray(20, 'r'));
  return b.i32(firstStep);
}

Bytes ranges() {
  Bytes b;
  for (int kind = 0; kind < 8; ++kind) b.f32(rangeMin(kind)).f32(rangeMax(kind));
  return b;
}

Bytes slotTable() {
  Bytes b;
  for (int s = 0; s < 8; ++s) b.i16(s == 2 || s == 4 ? 1 : 0);
  return b;
}

Bytes stepArrays(int step) {
  Bytes b;
  for (int k = 0; k < Nodes; ++k) b.f32(temperature(step, k));
  for (int k = 0; k < Nodes; ++k) b.f32(magnitude(step, k));
  for (int k = 0; k < Nodes; ++k) b.f32(direction(k));
  return b;
}

// The fields between the header and the steps, each one record in the record
// framing. One material "Brick": version 1 with curves 0 (two triples), 2
// (empty), 4 (one triple) and 5 (one 5-tuple); later versions with curve c
// holding c + 1 entries. `firstWord`: the first four bytes of the reserved text.
std::vector<QByteArray> fields(int version, std::int32_t firstWord) {
  Bytes grid, cells, values;
  grid.i32(Nx).i32(Ny);
  for (float x : X) grid.f32(x);
  for (float y : Y) grid.f32(y);
  for (std::int16_t m : Cells) cells.i16(m);
  for (int v = 0; v < 11; ++v) values.f32(float(1000 + v));
  std::vector<QByteArray> f{Bytes().i32(firstWord).raw(QByteArray(60, 't')).data,
                            QByteArray(1, char(Date.size())), Date, slotTable().data,
                            Bytes().shortString("reserved", 9).data};
  if (version >= 3) f.push_back(ranges().data);
  f.insert(f.end(), {grid.data, Bytes().i32(1).data, cells.data,
                     Bytes().shortString("Brick", 50).data, QByteArray(6, 'm')});
  if (version == 1) {
    f.insert(f.end(), {Bytes().i16(2).i16(0).i16(1).i16(1).data,  // c0, c2, c4, c8
                       values.data, Bytes().f32(0).f32(0.6F).f32(0).f32(1).f32(0.9F).f32(0).data,
                       QByteArray(), Bytes().f32(0.5F).f32(20).f32(0).data,
                       Bytes().f32(1).f32(2).f32(3).f32(4).f32(5).data});
    return f;
  }
  Bytes counts, curves;
  for (int c : {0, 1, 2, 3, 5, 6, 7, 8}) counts.i16(std::int16_t(c + 1));
  counts.i16(5);  // c8: curve 4
  for (int c : {0, 1, 2, 3, 5, 6, 7, 8, 4})
    for (int e = 0; e <= c; ++e) {
      curves.f32(float(c)).f32(float(e));
      if (c == 4) curves.f32(float(e) + 0.5F);
    }
  f.insert(f.end(), {counts.data, values.data, curves.data});
  return f;
}

// The plain layout; `at` is where it starts in the file (4 when prefixed),
// `extraWord` the word after the header of versions 3 and 4.
QByteArray plainLayout(int version, std::int64_t at, std::int32_t extraWord,
                       std::int32_t firstWord) {
  Bytes body;
  for (const QByteArray& field : fields(version, firstWord)) body.raw(field);
  const std::int64_t gap = 12;  // versions 3 and 4 may leave bytes before the steps
  const std::int64_t bodyStart = at + 36 + (version >= 3 ? 4 : 0);
  const auto firstStep = std::int32_t(bodyStart + body.data.size() + (version >= 3 ? gap : 0));
  Bytes file = header(version, version >= 3 ? firstStep : 0);
  if (version >= 3) file.i32(extraWord);
  file.raw(body.data);
  if (version >= 3) file.raw(QByteArray(gap, 'g'));
  for (int step = 0; step < Steps; ++step) file.f64(3600.0 * (step + 1)).raw(stepArrays(step).data);
  if (version <= 2) file.shortString("$minmax$", 9).raw(ranges().data);
  return file.data;
}

QByteArray plain(int version) {
  return plainLayout(version, 0, 77, 0);
}
QByteArray prefixed(int version, std::int32_t prefix, std::int32_t extraWord = 77,
                    std::int32_t firstWord = 0) {
  return Bytes().i32(prefix).raw(plainLayout(version, 4, extraWord, firstWord)).data;
}

// Version 1 as length-marked records: length, data, length.
QByteArray records() {
  Bytes file;
  auto record = [&](const QByteArray& b) {
    file.i32(std::int32_t(b.size())).raw(b).i32(std::int32_t(b.size()));
  };
  record(header(1, 0).data);
  for (const QByteArray& field : fields(1, 0)) record(field);
  for (int step = 0; step < Steps; ++step) {
    record(Bytes().f64(3600.0 * (step + 1)).data);
    const QByteArray arrays = stepArrays(step).data;
    for (int a = 0; a < 3; ++a) record(arrays.mid(a * 4 * Nodes, 4 * Nodes));
  }
  record("$minmax$");
  record(ranges().data);
  return file.data;
}

class Files {
 public:
  QString write(const QByteArray& bytes) {
    const QString path = dir_.filePath(QStringLiteral("fixture.vq3"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    EXPECT_EQ(file.write(bytes), bytes.size());
    return path;
  }

 private:
  QTemporaryDir dir_;
};

void expectFixtureContent(TResultFile& reader, int version) {
  EXPECT_EQ(reader.Version(), version);
  EXPECT_EQ(reader.HeaderBlock().StartDateText, QString::fromLatin1(Date));
  EXPECT_EQ(reader.HeaderBlock().KindSlots,
            (std::array<TDataKind, 8>{dkEmpty, dkEmpty, TDataKind(2), dkEmpty, TDataKind(4),
                                      dkEmpty, dkEmpty, dkEmpty}));
  ASSERT_EQ(reader.Nx(), Nx);
  ASSERT_EQ(reader.Ny(), Ny);
  EXPECT_EQ(reader.X(), std::vector<float>(X, X + Nx));
  EXPECT_EQ(reader.Y(), std::vector<float>(Y, Y + Ny));
  EXPECT_EQ(reader.CellMaterials(), std::vector<std::int16_t>(Cells, Cells + Nodes));
  ASSERT_EQ(reader.Materials().size(), 1U);
  const TMaterialRecord& brick = reader.Materials()[0];
  EXPECT_EQ(brick.Name, QStringLiteral("Brick"));
  EXPECT_EQ(brick.Values[10], 1010.0F);
  if (version == 1) {
    EXPECT_EQ(brick.Curves[0].At(1, 1), 0.9F);
    EXPECT_EQ(brick.Curves[4].At(0, 1), 20.0F);
    EXPECT_EQ(brick.Curves[5].At(0, 4), 5.0F);
  } else {
    EXPECT_EQ(brick.Curves[8].At(8, 1), 8.0F);
    EXPECT_EQ(brick.Curves[4].At(4, 2), 4.5F);
  }
  for (int kind = 0; kind < 8; ++kind) {
    EXPECT_EQ(reader.HeaderBlock().Ranges[std::size_t(kind)].Min, rangeMin(kind)) << kind;
    EXPECT_EQ(reader.HeaderBlock().Ranges[std::size_t(kind)].Max, rangeMax(kind)) << kind;
  }
  ASSERT_EQ(reader.LastStepIndex(), Steps - 1);
  for (int step = 0; step < Steps; ++step) {
    reader.NextStep();
    SCOPED_TRACE(testing::Message() << "step " << step);
    EXPECT_EQ(reader.StepTime(), 3600.0 * (step + 1));
    const TFieldArrays& t = reader.FieldTable()[2];
    const TFieldArrays& flow = reader.FieldTable()[4];
    ASSERT_TRUE(t.Values && flow.Values && flow.Directions);
    for (int k = 0; k < Nodes; ++k) {
      EXPECT_EQ(t.Values[k], temperature(step, k)) << k;
      EXPECT_EQ(flow.Values[k], magnitude(step, k)) << k;
      EXPECT_EQ(flow.Directions[k], direction(k)) << k;
    }
  }
}

}  // namespace

TEST(ReaderReadsFilesBuiltByteByByte, EveryFramingIncludingRecordShapedPrefixes) {
  struct Case {
    const char* name;
    QByteArray bytes;
    int version;
    TResultFraming framing;
  };
  const std::vector<Case> cases{
      {"plain v1", plain(1), 1, TResultFraming::Plain},
      {"plain v2", plain(2), 2, TResultFraming::Plain},
      {"plain v4", plain(4), 4, TResultFraming::Plain},
      {"prefixed v1", prefixed(1, 7), 1, TResultFraming::Prefixed},
      {"prefixed v3", prefixed(3, 0), 3, TResultFraming::Prefixed},
      {"records v1", records(), 1, TResultFraming::Records},
      // A header written as one length-marked record, its closing 36 taken
      // as the extra word of versions 3 and 4.
      {"record-shaped prefixed v3", prefixed(3, 36, 36), 3, TResultFraming::Prefixed},
      {"record-shaped prefixed v4", prefixed(4, 36, 36), 4, TResultFraming::Prefixed},
      // Version 1 has no extra word: a body that happens to begin with 36.
      {"record-shaped prefixed v1", prefixed(1, 36, 0, 36), 1, TResultFraming::Prefixed},
  };
  Files files;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      TResultFile reader(files.write(c.bytes));
      EXPECT_EQ(reader.Framing(), c.framing);
      expectFixtureContent(reader, c.version);
    } catch (const base::Exception& e) {
      ADD_FAILURE() << "refused: " << e.message().toStdString();
    }
  }
}

TEST(ReaderRefusesRecordShapedFiles, VersionTwoAndFilesThatNeitherFramingReads) {
  // The record framing cannot carry version 2, and version 2 has no extra word.
  const QByteArray v2 = prefixed(2, 36, 0, 36);
  // Refused as records and as prefixed (nx = 1): the records refusal is the
  // one reported, its grid record read from the start-date bytes on.
  QByteArray v1 = prefixed(1, 36, 0, 36);
  qToLittleEndian(std::int32_t(1), v1.data() + 4 + 36 + 64 + 17 + 16 + 9);
  Files files;
  for (const auto& [bytes, message] : std::vector<std::pair<QByteArray, QString>>{
           {v2, QStringLiteral("unsupported Filetype or Fileversion")},
           {v1, QStringLiteral("Invalid grid size: nx = 0, ny = 256")}}) {
    QString refusal;
    try {
      TResultFile reader(files.write(bytes));
    } catch (const base::Exception& e) {
      refusal = e.message();
    }
    EXPECT_EQ(refusal.toStdString(), message.toStdString());
  }
}
