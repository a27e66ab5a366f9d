// Starting the sibling graph program: where it is looked for, the argument
// list it gets, and a missing program reported as not started.
#include "platform/ProcessLauncher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

namespace {

TEST(GraphProgramLaunch, ArgumentsAreOneFlagAndPathPairPerFile) {
  EXPECT_TRUE(platform::GraphProgramArguments({}).isEmpty());
  EXPECT_EQ(platform::GraphProgramArguments({QStringLiteral("/a b/x.vq3"), QStringLiteral("y\"q")}),
            (QStringList{QStringLiteral("-f"), QStringLiteral("/a b/x.vq3"), QStringLiteral("-f"),
                         QStringLiteral("y\"q")}));
}

TEST(GraphProgramLaunch, ProgramSitsInToolsPlenvyBesideTheProgramFolder) {
  EXPECT_EQ(platform::GraphProgramFolder(QStringLiteral("/opt/veltrano/bin")),
            QStringLiteral("/opt/veltrano/Tools/Plenvy"));
  EXPECT_EQ(platform::GraphProgramPath(QStringLiteral("/opt/veltrano/bin")),
            QStringLiteral("/opt/veltrano/Tools/Plenvy/plenvy"));
}

TEST(GraphProgramLaunch, MissingProgramIsNotStarted) {
  QTemporaryDir dir;
  EXPECT_FALSE(platform::LaunchGraphProgram(dir.filePath(QStringLiteral("bin")), {}));
}

// A stand-in graph program that writes its working folder and arguments,
// one per line, and then renames the file into place.
QString WriteStub(const QTemporaryDir& dir) {
  const QString folder = dir.filePath(QStringLiteral("Tools/Plenvy"));
  QDir().mkpath(folder);
  QDir().mkpath(dir.filePath(QStringLiteral("bin")));
  const QString stub = folder + QStringLiteral("/plenvy");
  QFile f(stub);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(
      "#!/bin/sh\n"
      "out=\"$(dirname \"$0\")/args.txt\"\n"
      "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$out.tmp\"\n"
      "mv \"$out.tmp\" \"$out\"\n");
  f.close();
  f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return folder + QStringLiteral("/args.txt");
}

QStringList WaitForLines(const QString& path) {
  QElapsedTimer t;
  t.start();
  while (!QFile::exists(path) && t.elapsed() < 10000) QThread::msleep(20);
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TEST(GraphProgramLaunch, StubReceivesTheFilesAsSeparateArgumentsInItsFolder) {
  QTemporaryDir dir;
  const QString record = WriteStub(dir);
  const QString withBlank = QStringLiteral("/data/my wall.vq3");
  ASSERT_TRUE(platform::LaunchGraphProgram(dir.filePath(QStringLiteral("bin")),
                                           {withBlank, QStringLiteral("/data/b.zol")}));
  const QStringList lines = WaitForLines(record);
  ASSERT_EQ(lines.size(), 5) << qPrintable(lines.join(QLatin1Char('|')));
  EXPECT_EQ(QDir(lines[0]).canonicalPath(),
            QDir(dir.filePath(QStringLiteral("Tools/Plenvy"))).canonicalPath());
  EXPECT_EQ(lines.mid(1), (QStringList{QStringLiteral("-f"), withBlank, QStringLiteral("-f"),
                                       QStringLiteral("/data/b.zol")}));
}

}  // namespace
