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
  return static_cast<int>(std::lround(reader.StepTime() / 3600.0)) - 1;
}

}  // namespace

TEST(ReaderStepsThroughThreeSteps, NextWrapsToTheFirstStep) {
  TempFiles files;
  for (Framing framing : {Framing::Plain, Framing::Records}) {
    SCOPED_TRACE(framingName(framing));
    TResultFile reader(files.write(QStringLiteral("three.vq3"), richSpec(1, framing)));
    EXPECT_TRUE(reader.NextStep());
    EXPECT_TRUE(reader.NextStep());
    EXPECT_FALSE(reader.NextStep());
    EXPECT_EQ(shownStep(reader), 2);
    EXPECT_TRUE(reader.NextStep());
    EXPECT_EQ(shownStep(reader), 0);
    EXPECT_EQ(reader.CurrentStepIndex(), 0);
  }
}

TEST(ReaderStepsThroughThreeSteps, PrevFromTheFirstStepShowsTheLast) {
  TempFiles files;
  TResultFile reader(files.write(QStringLiteral("three.vq3"), richSpec(2, Framing::Prefixed)));
  reader.NextStep();
  EXPECT_TRUE(reader.PrevStep());
  EXPECT_EQ(shownStep(reader), 2);
  EXPECT_EQ(reader.CurrentStepIndex(), 2);
  EXPECT_TRUE(reader.PrevStep());
  EXPECT_EQ(shownStep(reader), 1);
  // Before any read, the step before "step 0" is the last one too.
  TResultFile fresh(files.path(QStringLiteral("three.vq3")));
  fresh.PrevStep();
  EXPECT_EQ(shownStep(fresh), 2);
}

TEST(ReaderStepsThroughThreeSteps, GotoOutsideTheStepsChangesNothing) {
  TempFiles files;
  TResultFile reader(files.write(QStringLiteral("three.vq3"), richSpec(3, Framing::Plain)));
  reader.GotoStep(1);
  EXPECT_EQ(shownStep(reader), 1);
  const std::int64_t index = reader.CurrentStepIndex();
  for (std::int64_t bad :
       {reader.LastStepIndex() + 1, std::int64_t{-1}, std::numeric_limits<std::int64_t>::max(),
        std::numeric_limits<std::int64_t>::min()}) {
    reader.GotoStep(bad);
    EXPECT_EQ(shownStep(reader), 1) << bad;
    EXPECT_EQ(reader.CurrentStepIndex(), index) << bad;
  }
  reader.GotoStep(reader.LastStepIndex());
  EXPECT_EQ(shownStep(reader), 2);
  EXPECT_TRUE(reader.NextStep());
  EXPECT_EQ(shownStep(reader), 0);
}

TEST(ReaderStepsThroughThreeSteps, RewindSaveAndRestorePositions) {
  TempFiles files;
  TResultFile reader(files.write(QStringLiteral("three.vq3"), richSpec(2, Framing::Plain)));
  reader.Rewind(true);
  EXPECT_EQ(reader.CurrentStepIndex(), 1);  // positioned at the last step, nothing read
  EXPECT_FALSE(reader.NextStep());
  EXPECT_EQ(shownStep(reader), 2);

  reader.Rewind(false);
  reader.NextStep();
  reader.SavePosition();
  reader.NextStep();
  reader.NextStep();
  reader.RestorePosition();
  EXPECT_EQ(reader.SavedPosition(), -1);
  EXPECT_EQ(shownStep(reader), 2);  // the buffer is not re-read
  reader.NextStep();
  EXPECT_EQ(shownStep(reader), 1);
  // Without a saved position nothing moves.
  reader.RestorePosition();
  reader.NextStep();
  EXPECT_EQ(shownStep(reader), 2);
}

TEST(ReaderEndsTheStepAreaAtTheTrailer, SmallStepsNeverReadTheTrailer) {
  TempFiles files;
  // 2 x 2 nodes, one scalar: S = 24 bytes, less than the 73-byte trailer.
  for (bool trailer : {true, false}) {
    SCOPED_TRACE(trailer ? "trailer" : "no trailer");
    ResultFileSpec spec;
    spec.version = 2;
    spec.setKinds({0});
    spec.x = {0, 1};
    spec.y = {0, 1};
    if (trailer) spec.ranges = resultwriter::Ranges{};
    resultwriter::addNumberedSteps(spec, 4);
    TResultFile reader(files.write(QStringLiteral("small.vq3"), spec));
    ASSERT_EQ(reader.RecordSize(), 24);
    EXPECT_EQ(reader.LastStepIndex(), 3);
    for (int n = 0; n < 4; ++n) EXPECT_EQ(reader.NextStep(), n < 3);
    EXPECT_EQ(shownStep(reader), 3);
    reader.GotoStep(reader.LastStepIndex());
    EXPECT_EQ(shownStep(reader), 3);
  }
}

TEST(ReaderEndsTheStepAreaAtTheTrailer, WithoutTrailerTheLastStepIsShown) {
  TempFiles files;
  for (Framing framing : {Framing::Plain, Framing::Records}) {
    SCOPED_TRACE(framingName(framing));
    TResultFile reader(files.write(QStringLiteral("nt.vq3"), richSpec(1, framing, 3, false)));
    EXPECT_FALSE(reader.HasRangeTrailer());
    EXPECT_EQ(reader.LastStepIndex(), 2);
    reader.NextStep();
    reader.NextStep();
    EXPECT_FALSE(reader.NextStep());
    EXPECT_EQ(shownStep(reader), 2);
    EXPECT_EQ(reader.HeaderBlock().Ranges[2].Min, -25.0F);
    EXPECT_EQ(reader.HeaderBlock().Ranges[0].Max, 1000.0F);
    EXPECT_EQ(reader.HeaderBlock().Ranges[7].Max, 10.0F);
  }
}

TEST(ReaderEndsTheStepAreaAtTheTrailer, PartialLastStepIsNeverRead) {
  TempFiles files;
  resultwriter::Layout layout;
  QByteArray bytes = resultwriter::writeBytes(richSpec(2, Framing::Plain, 3, false), &layout);
  bytes.chop(10);
  TResultFile reader(files.writeBytes(QStringLiteral("partial.vq3"), bytes));
  EXPECT_EQ(reader.LastStepIndex(), 1);
  EXPECT_TRUE(reader.NextStep());
  EXPECT_FALSE(reader.NextStep());
  EXPECT_TRUE(reader.NextStep());
  EXPECT_EQ(shownStep(reader), 0);
}

TEST(ReaderWithoutAWholeStep, ReadingRaisesAndTheReaderStaysUsable) {
  TempFiles files;
  for (bool trailer : {false, true}) {
    SCOPED_TRACE(trailer ? "trailer" : "no trailer");
    resultwriter::Layout layout;
    QByteArray bytes = resultwriter::writeBytes(richSpec(2, Framing::Plain, 0, trailer), &layout);
    bytes.insert(layout.firstStepOffset, QByteArray(20, '\x11'));  // less than one step
    TResultFile reader(files.writeBytes(QStringLiteral("empty.vq3"), bytes));
    EXPECT_EQ(reader.LastStepOffset(), reader.FirstStepOffset() - reader.RecordSize());
    EXPECT_EQ(reader.LastStepIndex(), -1);
    for (int n = 0; n < 2; ++n) {
      try {
        reader.NextStep();
        FAIL() << "no exception";
      } catch (const EHugeFile& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Read beyond end of file"));
        EXPECT_EQ(e.helpContext(), 1008);
      }
      EXPECT_THROW(reader.PrevStep(), EHugeFile);
      reader.Rewind(true);
      EXPECT_EQ(reader.CurrentStepIndex(), -1);
    }
    reader.GotoStep(0);
    EXPECT_EQ(reader.StepTime(), 0.0);
    EXPECT_EQ(reader.FieldTable()[dkTemperature].Values[0], 0.0F);
  }
}

TEST(ReaderAddressesStepsIn64Bits, StepBeyondFourGigabytes) {
  TempFiles files;
  ResultFileSpec spec;
  spec.version = 2;
  spec.setKinds({0});
  spec.x = {0, 1};
  spec.y = {0, 1};
  resultwriter::addNumberedSteps(spec, 1);
  resultwriter::Layout layout;
  const QString path = files.write(QStringLiteral("big.vq3"), spec, &layout);
  // A sparse file of 5e9 bytes of steps; the last whole step gets a time.
  const std::int64_t steps = 5'000'000'000 / layout.stepSize;
  const std::int64_t last = layout.firstStepOffset + (steps - 1) * layout.stepSize;
  const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, layout.firstStepOffset + steps * layout.stepSize + 5), 0);
  const double time = 42.0;
  ASSERT_EQ(::pwrite(fd, &time, 8, last), 8);
  ::close(fd);

  TResultFile reader(path);
  EXPECT_EQ(reader.LastStepIndex(), steps - 1);
  EXPECT_EQ(reader.LastStepOffset(), last);
  reader.GotoStep(steps - 1);
  EXPECT_EQ(reader.StepTime(), 42.0);
  EXPECT_EQ(reader.CurrentStepIndex(), steps - 1);
  reader.NextStep();  // wraps to step 0
  EXPECT_EQ(reader.StepTime(), 3600.0);
  reader.PrevStep();
  EXPECT_EQ(reader.StepTime(), 42.0);
}
