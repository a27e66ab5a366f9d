#include "ResultFileSamples.h"
#include "tests/support/AllocationWatch.h"

#include "resultdata/TResultFile.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace samples;

namespace {

const QString Unsupported = QStringLiteral("unsupported Filetype or Fileversion");
const QString BeyondEnd = QStringLiteral("Read beyond end of file");

// `bytes` with a little-endian i32 (or i16) written at `offset`.
QByteArray patched(QByteArray bytes, std::int64_t offset, std::int32_t value, bool i16 = false) {
  if (i16)
    qToLittleEndian(std::int16_t(value), bytes.data() + offset);
  else
    qToLittleEndian(value, bytes.data() + offset);
  return bytes;
}

// The message the reader refuses `bytes` with, or "" when it opens them. No
// allocation made while opening exceeds the file's size (or the 64 KiB buffer).
QString refusal(TempFiles& files, const QByteArray& bytes) {
  const QString path = files.writeBytes(QStringLiteral("hostile.vq3"), bytes);
  AllocationWatch watch;
  QString message;
  try {
    TResultFile reader(path);
  } catch (const base::Exception& e) {
    message = e.message();
  }
  if (AllocationWatch::Available()) {
    EXPECT_LE(watch.Largest(), std::max<std::size_t>(std::size_t(bytes.size()), 65536));
  }
  return message;
}

}  // namespace

TEST(ReaderRefusesHostileFiles, ForeignFramingsOffsetsAndSizes) {
  TempFiles files;
  resultwriter::Layout v2, v4;
  const QByteArray plain = resultwriter::writeBytes(richSpec(2, Framing::Plain), &v2);
  const QByteArray prefixed = resultwriter::writeBytes(richSpec(2, Framing::Prefixed));
  const QByteArray records = resultwriter::writeBytes(richSpec(1, Framing::Records));
  const QByteArray plain4 = resultwriter::writeBytes(richSpec(4, Framing::Plain), &v4);
  EXPECT_EQ(refusal(files, plain), QString());
  EXPECT_EQ(refusal(files, patched(plain4, 32, std::int32_t(v4.fileSize))), QString());

  std::vector<std::pair<QByteArray, QString>> cases{{QByteArray(5000, 'x'), Unsupported},
                                                    {patched(plain, 4, 0), Unsupported}};
  for (int size : {0, 3, 10, 35}) cases.emplace_back(plain.left(size), Unsupported);
  for (std::int16_t version : {5, 7, -1, 0x0102}) {
    cases.emplace_back(patched(plain, 10, version, true), Unsupported);
    cases.emplace_back(patched(prefixed, 14, version, true), Unsupported);
  }
  // A well-formed version-2 header in a record file would pass as prefixed,
  // but the repeated length word marks a record file: versions 0 and 1 only.
  // Versions 3 and 4 in that shape are prefixed files whose extra word
  // repeats the prefix; read so, these are refused at the grid.
  cases.emplace_back(patched(records, 14, 2, true), Unsupported);
  for (std::int16_t version : {3, 4})
    cases.emplace_back(patched(records, 14, version, true),
                       QStringLiteral("Invalid grid size: nx = 1077936128, ny = 0"));
  QByteArray longHeader = records;  // a header record longer than a header
  longHeader.insert(40, QByteArray(4, '\0'));
  cases.emplace_back(patched(patched(longHeader, 0, 40), 44, 40), Unsupported);

  for (std::int64_t offset :
       {std::int64_t{0}, v4.firstStepOffset - 1, v4.fileSize + 1, std::int64_t{-8}})
    cases.emplace_back(
        patched(plain4, 32, std::int32_t(offset)),
        QStringLiteral("First step offset %1 lies outside the step area").arg(offset));

  const std::int64_t nx = v2.nxOffset, materials = v2.materialCountOffset;
  const std::int64_t counts = v2.firstMaterialOffset + 56;  // after name and reserved bytes
  const std::int32_t max = std::numeric_limits<std::int32_t>::max();
  const QString grid = QStringLiteral("Invalid grid size: nx = %1, ny = %2");
  cases.insert(cases.end(),
               {{patched(plain, nx, -1), grid.arg(-1).arg(3)},
                {patched(plain, nx, 1), grid.arg(1).arg(3)},
                {patched(plain, nx + 4, -max - 1), grid.arg(4).arg(-max - 1)},
                {patched(plain, nx, max), BeyondEnd},
                {patched(plain, nx + 4, 1 << 28), BeyondEnd},
                {patched(plain, materials, -1), QStringLiteral("Invalid material count: -1")},
                {patched(plain, materials, max), BeyondEnd},
                {patched(plain, counts, -5, true),
                 QStringLiteral("Material 1 has a negative curve count (-5)")},
                {patched(plain, counts + 16, 32767, true), BeyondEnd}});
  // No cell table in version 0: nothing but the coordinates bounds nx * ny.
  cases.emplace_back(resultwriter::writeBytes(plainSpec(0, {0}, 3000, 3000, 0)),
                     QStringLiteral("Grid of 3000 x 3000 nodes does not fit in the file"));
  cases.emplace_back(resultwriter::writeBytes(plainSpec(0, {4, 5, 6, 7}, 200, 2, 0)),
                     QStringLiteral("Step record of 12808 bytes does not fit in the file"));
  for (std::size_t n = 0; n < cases.size(); ++n)
    EXPECT_EQ(refusal(files, cases[n].first).toStdString(), cases[n].second.toStdString())
        << "case " << n;

  EXPECT_THROW(TResultFile(files.path(QStringLiteral("missing.vq3"))), EHugeFile);
}

// Every prefix of every writer-made file either opens, and then reads only
// whole steps, or is refused with an exception.
TEST(ReaderSurvivesTruncation, EveryLengthOfEveryFraming) {
  TempFiles files;
  const QString path = files.path(QStringLiteral("cut.vq3"));
  int opened = 0, refused = 0;
  for (int version = 0; version <= 4; ++version) {
    for (Framing framing : framingsOf(version)) {
      for (bool ranges : {true, false}) {
        if (version >= 3 && !ranges) continue;
        SCOPED_TRACE(testing::Message() << "version " << version << ", " << framingName(framing)
                                        << (ranges ? "" : ", no trailer"));
        const QByteArray whole = resultwriter::writeBytes(richSpec(version, framing, 2, ranges));
        for (qsizetype size = 0; size <= whole.size(); ++size) {
          files.writeBytes(QStringLiteral("cut.vq3"), whole.left(size));
          AllocationWatch watch;
          try {
            TResultFile reader(path);
            ++opened;
            ASSERT_LE(reader.LastStepIndex(), 1) << size;
            for (std::int64_t n = 0; n <= reader.LastStepIndex() + 1; ++n) {
              reader.NextStep();
              reader.GotoStep(n);
            }
            reader.PrevStep();
          } catch (const base::Exception&) {
            ++refused;
          }
          if (AllocationWatch::Available()) {
            ASSERT_LE(watch.Largest(), std::max<std::size_t>(std::size_t(size), 65536)) << size;
          }
        }
      }
    }
  }
  EXPECT_GT(opened, 0);
  EXPECT_GT(refused, 0);
  // The allocation bound means something only if the watch sees the step buffer.
  if (!AllocationWatch::Available()) GTEST_SKIP() << "needs the sanitizer allocator";
  const QString big = files.write(QStringLiteral("watched.vq3"), plainSpec(2, {0}, 300, 100, 1));
  AllocationWatch watch;
  TResultFile reader(big);
  EXPECT_GE(watch.Largest(), std::size_t(reader.RecordSize()));
}
