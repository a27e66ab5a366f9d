// Starting the sibling graph program in ../Tools/Plenvy beside the program folder.
#include "platform/ProcessLauncher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

namespace {

TEST(GraphProgramLaunch, StubGetsOneFlagAndPathPairPerFileInItsFolder) {
  QTemporaryDir dir;
  const QString bin = dir.filePath(QStringLiteral("bin"));
  EXPECT_FALSE(platform::LaunchGraphProgram(bin, {})) << "no program there yet";
  // A stand-in that records its working folder and arguments, one per line.
  const QString folder = dir.filePath(QStringLiteral("Tools/Plenvy"));
  ASSERT_TRUE(QDir().mkpath(folder) && QDir().mkpath(bin));
  ASSERT_EQ(platform::GraphProgramPath(bin), folder + QStringLiteral("/plenvy"));
  QFile stub(platform::GraphProgramPath(bin));
  ASSERT_TRUE(stub.open(QIODevice::WriteOnly));
  stub.write(
      "#!/bin/sh\n"
      "out=\"$(dirname \"$0\")/args.txt\"\n"
      "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$out.tmp\"\n"
      "mv \"$out.tmp\" \"$out\"\n");
  stub.close();
  stub.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  const QStringList files{QStringLiteral("/data/my wall.vq3"), QStringLiteral("/data/\"b\".zol")};
  ASSERT_TRUE(platform::LaunchGraphProgram(bin, files));
  QFile record(folder + QStringLiteral("/args.txt"));
  QElapsedTimer t;
  t.start();
  while (!record.exists() && t.elapsed() < 10000) QThread::msleep(20);
  ASSERT_TRUE(record.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(record.readAll()).split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 5) << qPrintable(lines.join(u'|'));
  EXPECT_EQ(QDir(lines[0]).canonicalPath(), QDir(folder).canonicalPath());
  EXPECT_EQ(lines.mid(1),
            (QStringList{QStringLiteral("-f"), files[0], QStringLiteral("-f"), files[1]}));
}

}  // namespace
