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
    ASSERT_FALSE(name.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(name));
    EXPECT_TRUE(QFileInfo(name).fileName().startsWith(QStringLiteral("ogl")));
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

TEST(TempFileNames, SkipNamesAlreadyTaken) {
  // Names count up in hex: take the next three before they are handed out.
  const QFileInfo first(platform::MakeTempFileName(QStringLiteral("x")));
  bool ok = false;
  const int number = first.completeBaseName().mid(1).toInt(&ok, 16);
  ASSERT_TRUE(ok) << first.fileName().toStdString();
  QStringList taken;
  for (int n = 1; n <= 3; ++n) {
    const QString hex = QString::number(number + n, 16).toUpper().rightJustified(4, u'0');
    taken.append(first.dir().filePath(QStringLiteral("x") + hex + QStringLiteral(".tmp")));
    QFile file(taken.last());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  const QString next = platform::MakeTempFileName(QStringLiteral("x"));
  EXPECT_FALSE(taken.contains(next)) << next.toStdString();
  EXPECT_TRUE(next.endsWith(QStringLiteral("%1.tmp").arg(number + 4, 4, 16, QLatin1Char('0')),
                            Qt::CaseInsensitive))
      << next.toStdString();
  EXPECT_FALSE(QFileInfo::exists(next));
  for (const QString& name : taken) QFile::remove(name);
}

}  // namespace
