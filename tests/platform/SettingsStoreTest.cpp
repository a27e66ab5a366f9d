#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

TEST(SettingsStoreKeepsValues, WrittenValuesReadBackAndWriteFailuresAreReported) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("s.ini"));
  const QString group = QStringLiteral("LastFiles");
  {
    platform::SettingsStore s(path);
    EXPECT_FALSE(s.hasGroup(group));
    s.setValue(group, QStringLiteral("File0"), QStringLiteral("/a b/c.vq3"));
    s.setValue(group, QStringLiteral("Name0"), QString());
    ASSERT_TRUE(s.sync());
  }
  platform::SettingsStore s(path);
  EXPECT_TRUE(s.hasGroup(group));
  EXPECT_EQ(s.value(group, QStringLiteral("File0")), QStringLiteral("/a b/c.vq3"));
  // An empty value is there; a value never written is not.
  EXPECT_EQ(s.value(group, QStringLiteral("Name0")), QString());
  EXPECT_FALSE(s.value(group, QStringLiteral("File1")).has_value());
  EXPECT_TRUE(s.remove(group, QStringLiteral("File0")));
  EXPECT_FALSE(s.remove(group, QStringLiteral("File0")));

  // A folder where the ini file should be cannot be written as a file.
  ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("taken"))));
  platform::SettingsStore taken(dir.filePath(QStringLiteral("taken")));
  taken.setValue(QStringLiteral("G"), QStringLiteral("K"), QStringLiteral("v"));
  QString error;
  EXPECT_FALSE(taken.sync(&error));
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
