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

}  // namespace

TEST(ReaderStepsThroughThreeSteps, NextPrevAndGotoWrapAround) {
  TempFiles files;
  for (int version : {1, 2, 3}) {
    for (Framing framing : framingsOf(version)) {
      SCOPED_TRACE(testing::Message() << "version " << version << ", " << framingName(framing));
      const QString path = files.write(QStringLiteral("three.vq3"), richSpec(version, framing));
      TResultFile reader(path);
      EXPECT_TRUE(reader.NextStep());
      EXPECT_TRUE(reader.NextStep());
      EXPECT_FALSE(reader.NextStep());
      EXPECT_EQ(shownStep(reader), 2);
      EXPECT_TRUE(reader.NextStep());
      EXPECT_EQ(shownStep(reader), 0);
      EXPECT_EQ(reader.CurrentStepIndex(), 0);
      EXPECT_TRUE(reader.PrevStep());
      EXPECT_EQ(shownStep(reader), 2);
      EXPECT_EQ(reader.CurrentStepIndex(), 2);
      EXPECT_TRUE(reader.PrevStep());
      EXPECT_EQ(shownStep(reader), 1);
      for (std::int64_t bad :
           {reader.LastStepIndex() + 1, std::int64_t{-1}, std::numeric_limits<std::int64_t>::max(),
            std::numeric_limits<std::int64_t>::min()}) {
        reader.GotoStep(bad);
        EXPECT_EQ(shownStep(reader), 1) << bad;
        EXPECT_EQ(reader.CurrentStepIndex(), 1) << bad;
      }
      // Before any read, the step before "step 0" is the last one too.
      TResultFile fresh(path);
      fresh.PrevStep();
      EXPECT_EQ(shownStep(fresh), 2);
    }
  }
}

TEST(ReaderStepsThroughThreeSteps, RewindSaveAndRestorePositions) {
  TempFiles files;
  TResultFile reader(files.write(QStringLiteral("three.vq3"), richSpec(2, Framing::Plain)));
  reader.Rewind(true);
  EXPECT_EQ(reader.CurrentStepIndex(), 1);  // at the last step, nothing read
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
  reader.RestorePosition();  // nothing saved: nothing moves
  reader.NextStep();
  EXPECT_EQ(shownStep(reader), 2);
}

// The step area ends at the trailer, or at the end of the file without one;
// only whole steps in it are read.
TEST(ReaderEndsTheStepAreaAtTheTrailer, LastWholeStepIsTheLastStep) {
  TempFiles files;
  struct Case {
    const char* name;
    ResultFileSpec spec;
    int chop;  // bytes cut from the end
    std::int64_t lastStep;
  };
  // 2 x 2 nodes, one scalar: S = 24 bytes, less than the 73-byte trailer.
  ResultFileSpec small = plainSpec(2, {0}, 2, 2, 4);
  ResultFileSpec smallTrailer = small;
  smallTrailer.ranges = resultwriter::Ranges{};
  const Case cases[] = {{"small steps", small, 0, 3},
                        {"small steps, trailer", smallTrailer, 0, 3},
                        {"no trailer", richSpec(1, Framing::Plain, 3, false), 0, 2},
                        {"no trailer, records", richSpec(1, Framing::Records, 3, false), 0, 2},
                        {"partial last step", richSpec(2, Framing::Plain, 3, false), 10, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
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
}

TEST(ReaderWithoutAWholeStep, ReadingRaisesAndTheReaderStaysUsable) {
  TempFiles files;
  for (bool trailer : {false, true}) {
    SCOPED_TRACE(trailer ? "trailer" : "no trailer");
    resultwriter::Layout layout;
    QByteArray bytes = resultwriter::writeBytes(richSpec(2, Framing::Plain, 0, trailer), &layout);
    bytes.insert(layout.firstStepOffset, QByteArray(20, '\x11'));  // less than one step
    TResultFile reader(files.writeBytes(QStringLiteral("empty.vq3"), bytes));
    EXPECT_EQ(reader.LastStepIndex(), -1);
    for (int n = 0; n < 2; ++n) {
      try {
        reader.NextStep();
        ADD_FAILURE() << "no exception";
      } catch (const EHugeFile& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Read beyond end of file"));
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
  resultwriter::Layout layout;
  const QString path = files.write(QStringLiteral("big.vq3"), plainSpec(2, {0}, 2, 2, 1), &layout);
  // A sparse file of 5e9 bytes of steps; the last whole step gets a time.
  const std::int64_t steps = 5'000'000'000 / layout.stepSize;
  const std::int64_t last = layout.firstStepOffset + (steps - 1) * layout.stepSize;
  const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, last + layout.stepSize + 5), 0);
  const double time = 42.0;
  ASSERT_EQ(::pwrite(fd, &time, 8, last), 8);
  ::close(fd);
  TResultFile reader(path);
  EXPECT_EQ(reader.LastStepIndex(), steps - 1);
  reader.GotoStep(steps - 1);
  EXPECT_EQ(reader.StepTime(), 42.0);
  EXPECT_EQ(reader.CurrentStepIndex(), steps - 1);
  reader.NextStep();  // wraps to step 0
  EXPECT_EQ(reader.StepTime(), 3600.0);
  reader.PrevStep();
  EXPECT_EQ(reader.StepTime(), 42.0);
}
