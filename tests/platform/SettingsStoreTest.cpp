// The per-user settings store: values by group, presence, removal, and
// failures to write reported rather than swallowed.
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

TEST(SettingsStoreKeepsValues, WrittenValuesReadBackFromAFreshStore) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("s.ini"));
  {
    platform::SettingsStore s(path);
    EXPECT_FALSE(s.hasGroup(QStringLiteral("LastFiles")));
    s.setValue(QStringLiteral("LastFiles"), QStringLiteral("File0"), QStringLiteral("/a b/c.vq3"));
    s.setValue(QStringLiteral("LastFiles"), QStringLiteral("Name0"), QString());
    ASSERT_TRUE(s.sync());
  }
  platform::SettingsStore s(path);
  EXPECT_TRUE(s.hasGroup(QStringLiteral("LastFiles")));
  EXPECT_EQ(s.value(QStringLiteral("LastFiles"), QStringLiteral("File0")),
            QStringLiteral("/a b/c.vq3"));
  // An empty value is there; a value never written is not.
  EXPECT_EQ(s.value(QStringLiteral("LastFiles"), QStringLiteral("Name0")), QString());
  EXPECT_FALSE(s.value(QStringLiteral("LastFiles"), QStringLiteral("File1")).has_value());
  EXPECT_TRUE(s.remove(QStringLiteral("LastFiles"), QStringLiteral("File0")));
  EXPECT_FALSE(s.remove(QStringLiteral("LastFiles"), QStringLiteral("File0")));
}

TEST(SettingsStoreKeepsValues, UnwritableFileIsReported) {
  QTemporaryDir dir;
  // A folder where the ini file should be cannot be written as a file.
  const QString path = dir.filePath(QStringLiteral("taken"));
  ASSERT_TRUE(QDir().mkpath(path));
  platform::SettingsStore s(path);
  s.setValue(QStringLiteral("G"), QStringLiteral("K"), QStringLiteral("v"));
  QString error;
  EXPECT_FALSE(s.sync(&error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(SettingsStoreKeepsValues, UserStoreLivesInTheConfigFolderUnderTheOrganisation) {
  QStandardPaths::setTestModeEnabled(true);
  platform::SettingsStore s;
  EXPECT_TRUE(s.fileName().endsWith(QStringLiteral("Orv-Software/Veltrano.ini")))
      << qPrintable(s.fileName());
  EXPECT_FALSE(s.fileName().startsWith(QDir::homePath() + QStringLiteral("/.config/Orv")))
      << "tests must not reach the user's real settings";
  QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
