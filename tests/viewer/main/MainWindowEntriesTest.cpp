// What the main window makes of typed entries: the angle step dialog and the
// names given on the command line.
#include "tests/viewer/ProjectFakes.h"

#include "platform/SettingsStore.h"
#include "viewer/main/CommandLineFiles.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

TEST(MainWindowAngleStep, NonFiniteAndOutOfRangeEntriesAskAgainLikeLetters) {
  QTemporaryDir dir;
  platform::SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
  TfrmMain window(store);
  auto prompts = std::make_unique<FakePrompts>();
  FakePrompts& asked = *prompts;
  window.SetPrompts(std::move(prompts));
  const struct {
    QStringList entries;  // typed one after the other; the last ends the dialog
    float step;
  } cases[] = {
      {{QStringLiteral("7.5")}, 7.5F},
      {{QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("-INF"),
        QStringLiteral("1e300"), QStringLiteral("-4e38"), QStringLiteral("abc"),
        QStringLiteral(" 12 ")},
       12.0F},
      {{QStringLiteral("3e38")}, 3e38F},  // the largest singles are steps too
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entries.join(QLatin1Char('|')).toStdString());
    asked.textPrompts.clear();
    for (const QString& e : c.entries) asked.texts.push_back(e);
    window.EditAngleStep();
    EXPECT_EQ(window.AngleStep(), c.step);
    EXPECT_EQ(asked.textPrompts.size(), c.entries.size());
    EXPECT_TRUE(asked.errors.isEmpty());
  }
  // Cancel keeps the step.
  asked.texts.push_back(std::nullopt);
  window.EditAngleStep();
  EXPECT_EQ(window.AngleStep(), 3e38F);
}

TEST(MainWindowCommandLine, EveryNameThatIsNoFileGetsALineUnlessTheJoinedPathOpens) {
  const QSet<QString> files = {QStringLiteral("/d/a.vq3"), QStringLiteral("/my results/wall.vq3")};
  const auto exists = [&files](const QString& p) { return files.contains(p); };
  const QString line = QStringLiteral("veltrano: no such file: %1");
  EXPECT_EQ(NoSuchFileLines({QStringLiteral("/d/a.vq3")}, exists), QStringList());
  EXPECT_EQ(NoSuchFileLines({QStringLiteral("/d/typo.vq3")}, exists),
            QStringList{line.arg(QStringLiteral("/d/typo.vq3"))});
  EXPECT_EQ(
      NoSuchFileLines(
          {QStringLiteral("/d/a.vq3"), QStringLiteral("b.vq3"), QStringLiteral("c d.zol")}, exists),
      (QStringList{line.arg(QStringLiteral("b.vq3")), line.arg(QStringLiteral("c d.zol"))}));
  // The halves of a path with a blank, unquoted: the joined path opens.
  EXPECT_EQ(NoSuchFileLines({QStringLiteral("/my"), QStringLiteral("results/wall.vq3")}, exists),
            QStringList());
  EXPECT_EQ(NoSuchFileLines({}, exists), QStringList());
}

}  // namespace
