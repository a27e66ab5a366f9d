// A project over a real result file with fake views: the views it makes,
// stepping with wrap-round, Goto, playback and the material window's listing.
#include "tests/viewer/ProjectFakes.h"

#include "base/Exceptions.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "viewer/project/TZolProject.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr double kDay = 86400.0;

class ProjectTest : public testing::Test {
 protected:
  std::unique_ptr<TZolProject> Open(std::initializer_list<int> kinds, int steps) {
    const QString path = WriteResultFile(SmallSpec(kinds, steps), dir_.path(),
                                         QStringLiteral("p%1.vq3").arg(++files_));
    auto p = std::make_unique<TZolProject>(owner_, path);
    p->SetEndOfFilmPause(std::chrono::milliseconds(0));
    return p;
  }
  // Value of kind 0 on screen: the numbered steps hold n * 100 + kind.
  static int StepOnScreen(const TZolProject& p, TDataKind kind) {
    return static_cast<int>(p.FieldValues(kind)[5] - static_cast<float>(kind)) / 100;
  }

  QTemporaryDir dir_;
  int files_ = 0;
  FakeOwner owner_;
};

TEST_F(ProjectTest, ViewsAreMadeHighestSlotFirstAndSpanStartToLastStep) {
  auto p = Open({0, 2}, 3);
  EXPECT_EQ(owner_.log.created, (std::vector<TDataKind>{dkTemperature, dkWatercontent}));
  ASSERT_EQ(p->Views().size(), 2u);
  EXPECT_EQ(p->Views().back()->Kind(), dkWatercontent);
  EXPECT_EQ(p->CurrentStepIndex(), 0);
  EXPECT_EQ(StepOnScreen(*p, dkWatercontent), 0);
  EXPECT_EQ(p->FieldValues(dkAirVelocity), nullptr);
  // Each view is reset and given its dates before the first step is shown.
  EXPECT_EQ(owner_.log.calls, (QStringList{QStringLiteral("2:reset"), QStringLiteral("2:dates"),
                                           QStringLiteral("0:reset"), QStringLiteral("0:dates"),
                                           QStringLiteral("2:step"), QStringLiteral("0:step")}));
  // The date strip ends at the last step's time (3 h); each step shows its own date.
  const auto* v = static_cast<const FakeView*>(p->Views()[0]->Widget());
  EXPECT_DOUBLE_EQ(v->startDate, p->StartDate());
  EXPECT_DOUBLE_EQ(v->endDate, p->StartDate() + 3 * 3600 / kDay);
  EXPECT_DOUBLE_EQ(p->EndDate(), v->endDate);
  EXPECT_DOUBLE_EQ(owner_.log.shownDates.back(), p->StartDate() + 3600 / kDay);
}

TEST_F(ProjectTest, VersionZeroSlotNamesBecomeViewCaptions) {
  resultwriter::ResultFileSpec spec = SmallSpec({}, 0, 0);
  spec.slotTable = {2, -1, -1, -1, -1, -1, -1, -1};
  spec.slotNames[0] = QByteArray(
      "Temp \xB0"
      "C");  // Windows-1252 degree sign
  resultwriter::addNumberedSteps(spec, 1);
  TZolProject p(owner_, WriteResultFile(spec, dir_.path(), QStringLiteral("v0.zol")));
  ASSERT_EQ(p.Views().size(), 1u);
  EXPECT_EQ(static_cast<const FakeView*>(p.Views()[0]->Widget())->caption,
            QStringLiteral("Temp \u00B0C"));
}

TEST_F(ProjectTest, SteppingWrapsBothWaysAndTheLastStepKeepsItsIndex) {
  auto p = Open({0}, 3);
  p->StepBack();
  EXPECT_EQ(StepOnScreen(*p, dkWatercontent), 2);
  EXPECT_EQ(p->CurrentStepIndex(), 2) << "the last step is on screen, so its index is shown";
  p->StepBack();
  EXPECT_EQ(p->CurrentStepIndex(), 1);
  p->StepForward();
  EXPECT_EQ(p->CurrentStepIndex(), 2);
  p->StepForward();
  EXPECT_EQ(StepOnScreen(*p, dkWatercontent), 0);
  EXPECT_EQ(p->CurrentStepIndex(), 0);
}

TEST_F(ProjectTest, GotoClampsToTheStepsAndPromptsWithSignedIndices) {
  auto p = Open({0}, 5);
  p->StepForward();
  owner_.answers = {QStringLiteral("-5"), QStringLiteral("99"), QStringLiteral(" 2 "),
                    std::nullopt};
  p->GotoStep();
  EXPECT_EQ(p->CurrentStepIndex(), 0);
  EXPECT_EQ(owner_.prompts.back(), QStringLiteral("Goto step|jump to (last step is 4):|1"));
  p->GotoStep();
  EXPECT_EQ(p->CurrentStepIndex(), 4);
  EXPECT_EQ(StepOnScreen(*p, dkWatercontent), 4);
  p->GotoStep();
  EXPECT_EQ(p->CurrentStepIndex(), 2);
  p->GotoStep();  // Cancel
  EXPECT_EQ(p->CurrentStepIndex(), 2);
  owner_.answers = {QStringLiteral("three")};
  EXPECT_THROW(p->GotoStep(), base::EConvertError);
  EXPECT_EQ(p->CurrentStepIndex(), 2);
}

TEST_F(ProjectTest, PlayAdvancesAndPauseThenPlayContinuesFromTheCurrentStep) {
  auto p = Open({0}, 50);
  p->Play();
  ASSERT_TRUE(RunEventsUntil([&] { return p->CurrentStepIndex() >= 3; }));
  p->Pause();
  const auto at = p->CurrentStepIndex();
  const auto shown = p->StepsShown();
  RunEventsFor(50);
  EXPECT_EQ(p->CurrentStepIndex(), at) << "no step after Pause returned";
  EXPECT_EQ(p->StepsShown(), shown);

  const auto dates = owner_.log.shownDates.size();
  p->Play();
  ASSERT_TRUE(RunEventsUntil([&] { return p->StepsShown() > shown; }));
  p->Pause();
  // Step n lies 3600 * (n + 1) s after the start. A slow machine may have
  // played to the last of the 50 steps before the pause: the film goes round.
  const auto next = (at + 1) % 50;
  EXPECT_DOUBLE_EQ(owner_.log.shownDates.at(dates), p->StartDate() + (next + 1) * 3600 / kDay)
      << "the first step after resuming follows the paused one";
}

TEST_F(ProjectTest, AStepThatCannotBeReadStopsPlaybackWithTheMessage) {
  // Steps of 40 kB each, so that reading them goes past the reader's buffer.
  resultwriter::ResultFileSpec spec = SmallSpec({0}, 0);
  spec.x.resize(100);
  spec.y.resize(100);
  for (int i = 0; i < 100; ++i) spec.x[i] = spec.y[i] = 0.01F * static_cast<float>(i);
  spec.materials.clear();
  resultwriter::addNumberedSteps(spec, 6);
  const QString path = WriteResultFile(spec, dir_.path(), QStringLiteral("shrinking.vq3"));
  TZolProject p(owner_, path);
  p.SetEndOfFilmPause(std::chrono::milliseconds(0));
  // The file loses its last steps while open (a simulation rewriting it).
  QFile f(path);
  ASSERT_TRUE(f.resize(f.size() - 3 * 40008));
  p.Play();
  ASSERT_TRUE(RunEventsUntil([&] { return !owner_.errors.isEmpty(); }));
  EXPECT_FALSE(p.IsPlaying());
  EXPECT_EQ(owner_.errors.size(), 1);
}

TEST_F(ProjectTest, MaterialWindowListsEachIndexOnceAndNothingOutOfRange) {
  auto p = Open({0}, 1);
  p->ShowMaterial(0);  // no window: nothing
  p->ToggleMaterialWindow();
  ASSERT_NE(p->MaterialWindow(), nullptr);
  for (int index : {0, 0, -1, 7, 7, 0}) p->ShowMaterial(index);
  ASSERT_EQ(owner_.log.materialTexts.size(), 2u);
  EXPECT_EQ(owner_.log.materialTexts[0].first(), QStringLiteral("Brick"));
  EXPECT_EQ(owner_.log.materialTexts[1], owner_.log.materialTexts[0]);
}

}  // namespace
