#include "ResultFileSamples.h"

#include "resultdata/TResultFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include <fcntl.h>
#include <unistd.h>

using namespace samples;

namespace {

// The brick of richSpec: version 1 stores curves 0, 2, 4 (triples) and 5
// (5-tuples) only; later versions store curve c with c + 1 pairs, curve 4 last
// and as triples.
void expectBrickCurves(int version, const TMaterialRecord& brick) {
  using Counts = std::array<std::int16_t, 9>;
  if (version == 1) {
    EXPECT_EQ(brick.Counts, (Counts{2, 0, 0, 0, 1, 0, 0, 0, 2}));
    for (int c : {1, 3, 6, 7, 8}) EXPECT_TRUE(brick.Curves[c].Data.empty()) << c;
    EXPECT_EQ(brick.Curves[0].EntryWidth, 3);
    EXPECT_EQ(brick.Curves[0].At(1, 1), 0.9F);
    EXPECT_EQ(brick.Curves[4].At(1, 1), 200.0F);
    EXPECT_EQ(brick.Curves[5].EntryWidth, 5);
    EXPECT_EQ(brick.Curves[5].At(0, 4), 5.0F);
    return;
  }
  EXPECT_EQ(brick.Counts, (Counts{1, 2, 3, 4, 6, 7, 8, 9, 5}));  // curve 4's count last
  for (int c = 0; c < 9; ++c) {
    EXPECT_EQ(brick.Curves[c].EntryWidth, c == 4 ? 3 : 2) << c;
    ASSERT_EQ(brick.Curves[c].EntryCount(), c + 1) << c;
    EXPECT_EQ(brick.Curves[c].At(c, 1), float(c)) << c;
  }
  EXPECT_EQ(brick.Curves[4].At(2, 2), 2.5F);
}

// Which numbered step the buffer holds (-1 for the zero buffer).
int shownStep(const TResultFile& reader) {
  return int(std::lround(reader.StepTime() / 3600.0)) - 1;
}
// The step in the buffer and the step the reader is at.
std::pair<int, std::int64_t> shown(const TResultFile& reader) {
  return {shownStep(reader), reader.CurrentStepIndex()};
}
constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();

}  // namespace

TEST(ReaderReadsEveryVersionAndFraming, HeaderMaterialsAndSteps) {
  TempFiles files;
  for (int version = 0; version <= 4; ++version) {
    for (Framing framing : framingsOf(version)) {
      SCOPED_TRACE(testing::Message() << "version " << version << ", " << framingName(framing));
      const ResultFileSpec spec = richSpec(version, framing);
      TResultFile reader(files.write(QStringLiteral("rich.vq3"), spec));
      EXPECT_EQ(reader.Version(), version);
      EXPECT_EQ(int(reader.Framing()), int(framing));
      const THeaderBlock& header = reader.HeaderBlock();
      EXPECT_DOUBLE_EQ(reader.StartDate(),
                       base::EncodeDate(1999, 12, 24) + base::EncodeTime(13, 45, 0, 0));
      EXPECT_EQ(header.KindSlots[version == 0 ? 0 : 2], dkTemperature);
      EXPECT_EQ(header.KindSlots[version == 0 ? 1 : 4], dkCapillaryFlux);
      EXPECT_EQ(std::count(header.KindSlots.begin(), header.KindSlots.end(), dkEmpty), 6);
      EXPECT_EQ(header.HasSlotNames, version == 0);
      EXPECT_EQ(header.SlotNames[1],
                version == 0 ? QStringLiteral("Kapillarstr\u00f6mung") : QString());
      for (int k = 0; k < 8; ++k) {  // out-of-range and NaN limits clamped
        EXPECT_EQ(header.Ranges[k].Min, k < 2 ? -1000.0F : float(-k)) << k;
        EXPECT_EQ(header.Ranges[k].Max, k < 2 ? 1e8F : float(10 * k + 5)) << k;
      }
      EXPECT_EQ(reader.HasRangeTrailer(), version <= 2);
      EXPECT_EQ(reader.X(), spec.x);
      if (version == 0) {
        // No cell table in version 0: every cell of column >= 1 and row >= 1 is material 1.
        EXPECT_EQ(reader.CellMaterials(),
                  (std::vector<std::int16_t>{0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 1, 1}));
        EXPECT_EQ(reader.MaterialCount(), 0);
      } else {
        EXPECT_EQ(reader.CellMaterials(), spec.cellMaterials);
        ASSERT_EQ(reader.MaterialCount(), 2);
        EXPECT_EQ(reader.Materials()[1].Name, QStringLiteral("Lime plaster \u20ac"));
        EXPECT_EQ(reader.Materials()[0].Values[10], 1010.0F);
        TMaterialRecord brick;
        ASSERT_TRUE(reader.GetMaterial(0, brick));
        expectBrickCurves(version, brick);
      }
      // Material 3 of the cell table is not in the file.
      TMaterialRecord rec;
      rec.Name = QStringLiteral("unchanged");
      EXPECT_FALSE(reader.GetMaterial(reader.MaterialCount(), rec));
      EXPECT_FALSE(reader.GetMaterial(-1, rec));
      EXPECT_EQ(rec.Name, QStringLiteral("unchanged"));
      // 12 nodes: R = 48; temperature one array, capillary flux two.
      EXPECT_EQ(reader.RecordSize(), framing == Framing::Records ? 16 + 3 * 56 : 8 + 3 * 48);
      EXPECT_EQ(reader.FieldTable()[dkWatercontent].Values, nullptr);
      ASSERT_EQ(reader.LastStepIndex(), 2);
      EXPECT_EQ(shown(reader), std::pair(-1, std::int64_t{-1}));  // nothing read yet
      for (int n = 0; n < 3; ++n) {
        reader.NextStep();
        EXPECT_EQ(reader.CurrentStepIndex(), n);
        EXPECT_EQ(reader.StepTime(), 3600.0 * (n + 1));  // unaligned in records
        const TFieldTable& table = reader.FieldTable();
        for (int k = 0; k < 12; ++k) {
          EXPECT_EQ(table[dkTemperature].Values[k], float(n * 100 + 2));
          EXPECT_EQ(table[dkCapillaryFlux].Values[k], float(n * 100 + 4));
          EXPECT_EQ(table[dkCapillaryFlux].Directions[k], float(n * 100 + 4) + 0.5F);
        }
      }
    }
  }
}

TEST(ReaderStepsThroughThreeSteps, NextPrevGotoAndRewindWrapAround) {
  TempFiles files;
  for (int version : {1, 2, 3}) {
    for (Framing framing : framingsOf(version)) {
      SCOPED_TRACE(testing::Message() << "version " << version << ", " << framingName(framing));
      const QString path = files.write(QStringLiteral("three.vq3"), richSpec(version, framing));
      TResultFile reader(path);
      EXPECT_TRUE(reader.NextStep());
      EXPECT_TRUE(reader.NextStep());
      EXPECT_FALSE(reader.NextStep());
      EXPECT_TRUE(reader.NextStep());
      EXPECT_EQ(shown(reader), std::pair(0, std::int64_t{0}));
      EXPECT_TRUE(reader.PrevStep());
      EXPECT_EQ(shown(reader), std::pair(2, std::int64_t{2}));
      EXPECT_TRUE(reader.PrevStep());
      for (std::int64_t bad : {reader.LastStepIndex() + 1, std::int64_t{-1}, Max, -Max - 1}) {
        reader.GotoStep(bad);
        EXPECT_EQ(shown(reader), std::pair(1, std::int64_t{1})) << bad;
      }
      TResultFile fresh(path);  // before any read, the step before step 0 is the last one too
      fresh.PrevStep();
      EXPECT_EQ(shownStep(fresh), 2);
    }
  }
  TResultFile reader(files.path(QStringLiteral("three.vq3")));
  reader.Rewind(true);
  EXPECT_EQ(shown(reader), std::pair(-1, std::int64_t{1}));  // before the last step, nothing read
  reader.Rewind(false);
  reader.NextStep();
  reader.SavePosition();
  reader.NextStep();
  reader.NextStep();
  reader.RestorePosition();
  EXPECT_EQ(shown(reader), std::pair(2, std::int64_t{0}));  // the buffer is not re-read
  reader.NextStep();
  reader.RestorePosition();  // nothing saved: nothing moves
  reader.NextStep();
  EXPECT_EQ(shownStep(reader), 2);
}

// The step area ends at the trailer, or at the end of the file without one;
// only whole steps in it are read, and without one reading raises.
TEST(ReaderEndsTheStepAreaAtTheTrailer, LastWholeStepIsTheLastStep) {
  TempFiles files;
  // 2 x 2 nodes, one scalar: S = 24 bytes, less than the 73-byte trailer.
  ResultFileSpec small = plainSpec(2, {0}, 2, 2, 4), smallTrailer = small;
  smallTrailer.ranges = resultwriter::Ranges{};
  ResultFileSpec gap = richSpec(3, Framing::Prefixed), longDate = richSpec(1, Framing::Records);
  gap.gapBeforeSteps = 12;  // the version-3 prefixed first-step offset is absolute
  longDate.startDate = "24.12.1999_13.45 and more";  // a record longer than the field is cut
  // 12 nodes, one scalar kind: S = 8 + 48 plain, 16 + 56 in records.
  for (Framing framing : {Framing::Plain, Framing::Records}) {
    const QString path = files.write(QStringLiteral("s.vq3"), plainSpec(1, {1}, 3, 4, 2, framing));
    EXPECT_EQ(TResultFile(path).RecordSize(), framing == Framing::Records ? 72 : 56);
  }
  const struct {
    ResultFileSpec spec;
    int chop;  // bytes cut from the end
    std::int64_t lastStep;
  } cases[] = {{small, 0, 3},
               {smallTrailer, 0, 3},
               {richSpec(1, Framing::Plain, 3, false), 0, 2},
               {richSpec(1, Framing::Records, 3, false), 0, 2},
               {richSpec(2, Framing::Plain, 3, false), 10, 1},
               {plainSpec(1, {1}, 3, 4, 2, Framing::Records), 0, 1},
               {gap, 0, 2},
               {longDate, 0, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    QByteArray bytes = resultwriter::writeBytes(c.spec);
    bytes.chop(c.chop);
    TResultFile reader(files.writeBytes(QStringLiteral("area.vq3"), bytes));
    EXPECT_EQ(reader.LastStepIndex(), c.lastStep);
    for (std::int64_t n = 0; n <= c.lastStep; ++n) EXPECT_EQ(reader.NextStep(), n < c.lastStep);
    EXPECT_EQ(shownStep(reader), c.lastStep);
    EXPECT_TRUE(reader.NextStep());
    EXPECT_EQ(shownStep(reader), 0);
    reader.GotoStep(reader.LastStepIndex());
    EXPECT_EQ(shownStep(reader), c.lastStep);
  }

  for (bool trailer : {false, true}) {
    resultwriter::Layout layout;
    QByteArray bytes = resultwriter::writeBytes(richSpec(2, Framing::Plain, 0, trailer), &layout);
    bytes.insert(layout.firstStepOffset, QByteArray(20, '\x11'));  // less than one step
    TResultFile reader(files.writeBytes(QStringLiteral("empty.vq3"), bytes));
    EXPECT_EQ(reader.LastStepIndex(), -1);
    try {
      reader.NextStep();
      ADD_FAILURE() << "no exception";
    } catch (const EHugeFile& e) {
      EXPECT_EQ(e.message(), QStringLiteral("Read beyond end of file"));
    }
    for (int n = 0; n < 2; ++n) {  // a failed read leaves the reader usable
      EXPECT_THROW(reader.NextStep(), EHugeFile) << trailer;
      EXPECT_THROW(reader.PrevStep(), EHugeFile) << trailer;
      reader.Rewind(true);
    }
    reader.GotoStep(0);
    EXPECT_EQ(shown(reader), std::pair(-1, std::int64_t{-1})) << trailer;
  }
}

// Sizes, offsets and step numbers beyond 32 bits, in a sparse file.
TEST(ReaderAddressesStepsIn64Bits, FiveGigabyteFile) {
  TempFiles files;
  resultwriter::Layout layout;
  const QString path = files.write(QStringLiteral("big.vq3"), plainSpec(2, {0}, 2, 2, 1), &layout);
  const std::int64_t size = 5'000'000'000;
  const std::int64_t steps = (size - layout.firstStepOffset) / layout.stepSize;
  const std::int64_t last = layout.firstStepOffset + (steps - 1) * layout.stepSize;
  const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, size), 0);
  const double time = 42 * 3600.0;             // shows as step 41
  ASSERT_EQ(::pwrite(fd, &time, 8, last), 8);  // the last whole step
  ::close(fd);
  THugeFile raw(path);
  raw.Reset(1);
  EXPECT_EQ(raw.FileSize(), size);
  TResultFile reader(path);
  EXPECT_EQ(reader.LastStepIndex(), steps - 1);
  reader.GotoStep(steps - 1);
  EXPECT_EQ(shown(reader), std::pair(41, steps - 1));
  reader.NextStep();  // wraps to step 0
  EXPECT_EQ(shown(reader), std::pair(0, std::int64_t{0}));
  reader.PrevStep();
  EXPECT_EQ(shown(reader), std::pair(41, steps - 1));
}
