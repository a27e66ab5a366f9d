#include "platform/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(TempFileNames, AreFreshNamesInAPrivateDirectory) {
  QSet<QString> names;
  for (int n = 0; n < 20; ++n) {
    const QString name = platform::MakeTempFileName(QStringLiteral("ogl"));
    EXPECT_FALSE(QFileInfo::exists(name));
    EXPECT_TRUE(QFileInfo(name).fileName().startsWith(QStringLiteral("ogl"))) << qPrintable(name);
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 20);
  const QString dir = QFileInfo(*names.begin()).absolutePath();
  EXPECT_NE(QDir(dir).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(dir).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_EQ(info.st_uid, ::getuid());
}

}  // namespace
