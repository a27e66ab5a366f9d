#include "AllocationWatch.h"
#include "ResultFileSamples.h"

#include "resultdata/TResultFile.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace samples;

namespace {

const QString Unsupported = QStringLiteral("unsupported Filetype or Fileversion");
const QString BeyondEnd = QStringLiteral("Read beyond end of file");

void putI32(QByteArray& bytes, std::int64_t offset, std::int32_t value) {
  qToLittleEndian(value, bytes.data() + offset);
}
void putI16(QByteArray& bytes, std::int64_t offset, std::int16_t value) {
  qToLittleEndian(value, bytes.data() + offset);
}

// The message the reader refuses bytes with, or "" when it opens them. Any
// allocation made while opening stays within the file's size (or the 64 KiB
// read buffer).
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
    EXPECT_LE(watch.Largest(),
              std::max<std::size_t>(static_cast<std::size_t>(bytes.size()), 65536));
  }
  return message;
}

}  // namespace

TEST(ReaderRefusesForeignFiles, NoResultFileInAnyFraming) {
  TempFiles files;
  resultwriter::Layout layout;
  const QByteArray good = resultwriter::writeBytes(richSpec(2, Framing::Plain), &layout);
  EXPECT_EQ(refusal(files, good), QString());

  for (int size : {0, 3, 10, 35}) EXPECT_EQ(refusal(files, good.left(size)), Unsupported) << size;
  EXPECT_EQ(refusal(files, QByteArray(5000, 'x')), Unsupported);
  QByteArray magic = good;
  magic[5] = 'F';
  EXPECT_EQ(refusal(files, magic), Unsupported);
  for (std::int16_t version : {5, 7, -1, 0x0102}) {
    QByteArray bad = good;
    putI16(bad, 10, version);
    EXPECT_EQ(refusal(files, bad), Unsupported) << version;
    QByteArray prefixed = resultwriter::writeBytes(richSpec(2, Framing::Prefixed));
    putI16(prefixed, 14, version);
    EXPECT_EQ(refusal(files, prefixed), Unsupported) << version;
  }
}

TEST(ReaderRefusesForeignFiles, RecordsHoldVersionsZeroAndOneOnly) {
  TempFiles files;
  // A well-formed version-2 header in a record file: read as prefixed it
  // would pass, but the repeated length word marks it as a record file.
  for (std::int16_t version : {2, 3, 4}) {
    QByteArray bytes = resultwriter::writeBytes(richSpec(1, Framing::Records));
    putI16(bytes, 4 + 10, version);
    EXPECT_EQ(refusal(files, bytes), Unsupported) << version;
  }
  // A header record longer than a header.
  QByteArray longHeader = resultwriter::writeBytes(richSpec(1, Framing::Records));
  longHeader.insert(40, QByteArray(4, '\0'));
  putI32(longHeader, 0, 40);
  putI32(longHeader, 44, 40);
  EXPECT_EQ(refusal(files, longHeader), Unsupported);
}

TEST(ReaderRefusesForeignFiles, ShortHeaderRecordReadsItsHeaderBytes) {
  TempFiles files;
  // A header record of 12 bytes (magic and version) is a header too.
  QByteArray bytes = resultwriter::writeBytes(richSpec(1, Framing::Records));
  bytes.remove(4 + 12, 24);
  putI32(bytes, 0, 12);
  putI32(bytes, 4 + 12, 12);
  TResultFile reader(files.writeBytes(QStringLiteral("short.vq3"), bytes));
  EXPECT_EQ(reader.Version(), 1);
  EXPECT_EQ(reader.LastStepIndex(), 2);
}

TEST(ReaderFollowsTheFirstStepOffset, VersionThreePrefixedOffsetIsAbsolute) {
  TempFiles files;
  ResultFileSpec spec = richSpec(3, Framing::Prefixed);
  spec.gapBeforeSteps = 12;
  resultwriter::Layout layout;
  TResultFile reader(files.write(QStringLiteral("gap.vq3"), spec, &layout));
  EXPECT_EQ(reader.FirstStepOffset(), layout.firstStepOffset);
  EXPECT_EQ(reader.LastStepIndex(), 2);
  reader.NextStep();
  EXPECT_EQ(reader.StepTime(), 3600.0);
  EXPECT_EQ(reader.FieldTable()[dkTemperature].Values[5], 2.0F);
}

TEST(ReaderFollowsTheFirstStepOffset, OffsetOutsideTheStepAreaIsRefused) {
  TempFiles files;
  resultwriter::Layout layout;
  const QByteArray good = resultwriter::writeBytes(richSpec(4, Framing::Plain), &layout);
  for (std::int64_t offset :
       {std::int64_t{0}, layout.firstStepOffset - 1, layout.fileSize + 1, std::int64_t{-8}}) {
    QByteArray bad = good;
    putI32(bad, 32, static_cast<std::int32_t>(offset));
    EXPECT_EQ(refusal(files, bad),
              QStringLiteral("First step offset %1 lies outside the step area").arg(offset));
  }
  QByteArray atEnd = good;
  putI32(atEnd, 32, static_cast<std::int32_t>(layout.fileSize));
  EXPECT_EQ(refusal(files, atEnd), QString());
}

TEST(ReaderRefusesHostileSizes, GridMaterialAndCurveCounts) {
  TempFiles files;
  resultwriter::Layout layout;
  const QByteArray good = resultwriter::writeBytes(richSpec(2, Framing::Plain), &layout);
  auto patched = [&](std::int64_t offset, std::int32_t value, bool i16 = false) {
    QByteArray bytes = good;
    if (i16)
      putI16(bytes, offset, static_cast<std::int16_t>(value));
    else
      putI32(bytes, offset, value);
    return refusal(files, bytes);
  };
  const std::int64_t nx = layout.nxOffset;
  EXPECT_EQ(patched(nx, -1), QStringLiteral("Invalid grid size: nx = -1, ny = 3"));
  EXPECT_EQ(patched(nx, 1), QStringLiteral("Invalid grid size: nx = 1, ny = 3"));
  EXPECT_EQ(patched(nx + 4, std::numeric_limits<std::int32_t>::min()),
            QStringLiteral("Invalid grid size: nx = 4, ny = -2147483648"));
  EXPECT_EQ(patched(nx, std::numeric_limits<std::int32_t>::max()), BeyondEnd);
  EXPECT_EQ(patched(nx + 4, 1 << 28), BeyondEnd);
  EXPECT_EQ(patched(layout.materialCountOffset, -1), QStringLiteral("Invalid material count: -1"));
  EXPECT_EQ(patched(layout.materialCountOffset, std::numeric_limits<std::int32_t>::max()),
            BeyondEnd);
  // Counts follow the 50-byte name and 6 reserved bytes; c8 is the last.
  const std::int64_t counts = layout.firstMaterialOffset + 56;
  EXPECT_EQ(patched(counts, -5, true),
            QStringLiteral("Material 1 has a negative curve count (-5)"));
  EXPECT_EQ(patched(counts + 16, 32767, true), BeyondEnd);
}

TEST(ReaderRefusesHostileSizes, VersionZeroGridTooLargeForTheFile) {
  TempFiles files;
  ResultFileSpec spec;
  spec.version = 0;
  spec.setKinds({0});
  spec.x.assign(3000, 1.0F);
  spec.y.assign(3000, 1.0F);
  // No cell table in version 0: nothing but the coordinates bounds nx * ny.
  EXPECT_EQ(refusal(files, resultwriter::writeBytes(spec)),
            QStringLiteral("Grid of 3000 x 3000 nodes does not fit in the file"));
  // A step record larger than the whole file.
  spec.x.assign(200, 1.0F);
  spec.y.assign(2, 1.0F);
  spec.setKinds({4, 5, 6, 7});
  EXPECT_EQ(
      refusal(files, resultwriter::writeBytes(spec)),
      QStringLiteral("Step record of %1 bytes does not fit in the file").arg(8 + 8 * 4 * 200 * 2));
}

TEST(ReaderRefusesHostileSizes, LongStartDateRecordIsCut) {
  TempFiles files;
  ResultFileSpec spec = richSpec(1, Framing::Records);
  spec.startDate = "24.12.1999_13.45 and some more text";
  TResultFile reader(files.write(QStringLiteral("date.vq3"), spec));
  EXPECT_EQ(reader.HeaderBlock().StartDateText, QStringLiteral("24.12.1999_13.45"));
  EXPECT_EQ(reader.LastStepIndex(), 2);
  reader.NextStep();
  EXPECT_EQ(reader.StepTime(), 3600.0);
}

TEST(ReaderRefusesHostileSizes, RangesAreClamped) {
  TempFiles files;
  for (int version : {2, 3}) {
    ResultFileSpec spec = richSpec(version, Framing::Plain);
    (*spec.ranges)[0] = {-5000.0F, 3e9F};
    (*spec.ranges)[1] = {std::nanf(""), std::nanf("")};
    (*spec.ranges)[2] = {-1000.0F, 1e8F};
    TResultFile reader(files.write(QStringLiteral("ranges.vq3"), spec));
    const auto& ranges = reader.HeaderBlock().Ranges;
    EXPECT_EQ(ranges[0].Min, -1000.0F);
    EXPECT_EQ(ranges[0].Max, 1e8F);
    EXPECT_EQ(ranges[1].Min, -1000.0F);
    EXPECT_EQ(ranges[1].Max, 1e8F);
    EXPECT_EQ(ranges[2].Min, -1000.0F);
    EXPECT_EQ(ranges[2].Max, 1e8F);
  }
}

// Every prefix of every writer-made file either opens, and then reads only
// whole steps, or is refused with an exception.
TEST(ReaderSurvivesTruncation, EveryLengthOfEveryFraming) {
  TempFiles files;
  const QString path = files.path(QStringLiteral("cut.vq3"));
  int opened = 0;
  int refused = 0;
  for (int version = 0; version <= 4; ++version) {
    for (Framing framing : framingsOf(version)) {
      for (bool ranges : {true, false}) {
        if (version >= 3 && !ranges) continue;
        SCOPED_TRACE(testing::Message() << "version " << version << ", " << framingName(framing)
                                        << (ranges ? "" : ", no trailer"));
        const QByteArray whole = resultwriter::writeBytes(richSpec(version, framing, 2, ranges));
        for (qsizetype size = 0; size <= whole.size(); ++size) {
          const QByteArray cut = whole.left(size);
          files.writeBytes(QStringLiteral("cut.vq3"), cut);
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
            ASSERT_LE(watch.Largest(), std::max<std::size_t>(static_cast<std::size_t>(size), 65536))
                << size;
          }
        }
      }
    }
  }
  EXPECT_GT(opened, 0);
  EXPECT_GT(refused, 0);
}

// The allocation bound above means something only if the watch sees allocations.
TEST(ReaderSurvivesTruncation, AllocationWatchSeesTheStepBuffer) {
  if (!AllocationWatch::Available()) GTEST_SKIP() << "needs the sanitizer allocator";
  TempFiles files;
  ResultFileSpec spec = richSpec(2, Framing::Plain, 1);
  spec.x.assign(300, 1.0F);
  spec.y.assign(100, 1.0F);
  spec.cellMaterials.clear();
  spec.steps.clear();
  resultwriter::addNumberedSteps(spec, 1);
  const QString path = files.write(QStringLiteral("watched.vq3"), spec);
  AllocationWatch watch;
  TResultFile reader(path);
  EXPECT_GE(watch.Largest(), static_cast<std::size_t>(reader.RecordSize()));
}

TEST(ReaderRefusesForeignFiles, OpenFailurePassesOnTheFileError) {
  TempFiles files;
  const QString missing = files.path(QStringLiteral("missing.vq3"));
  try {
    TResultFile reader(missing);
    FAIL() << "no exception";
  } catch (const EHugeFile& e) {
    EXPECT_TRUE(e.message().startsWith(
        QStringLiteral("THugeFile.Reset(%1) failed. System Error.  Code: 2.").arg(missing)));
  }
  // The content decides, never the name.
  TResultFile zol(files.write(QStringLiteral("result.zol"), richSpec(4, Framing::Prefixed)));
  EXPECT_EQ(zol.LastStepIndex(), 2);
}
