#include "ResultFileSamples.h"

#include "resultdata/TResultFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <fcntl.h>
#include <unistd.h>

using namespace samples;

namespace {

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
  const struct {
    ResultFileSpec spec;
    int chop;  // bytes cut from the end
    std::int64_t lastStep;
  } cases[] = {{small, 0, 3},
               {smallTrailer, 0, 3},
               {richSpec(1, Framing::Plain, 3, false), 0, 2},
               {richSpec(1, Framing::Records, 3, false), 0, 2},
               {richSpec(2, Framing::Plain, 3, false), 10, 1}};
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
  const double time = 42 * 3600.0;  // shows as step 41
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
