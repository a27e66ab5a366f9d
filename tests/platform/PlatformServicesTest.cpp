#include "base/Exceptions.h"
#include "platform/ProcessLauncher.h"
#include "platform/SettingsStore.h"
#include "platform/TApplication.h"
#include "platform/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

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
  EXPECT_TRUE(!taken.sync(&error) && !error.isEmpty());
}

TEST(TempFileNames, AreFreshNamesInAPrivateDirectory) {
  QSet<QString> names;
  for (int n = 0; n < 20; ++n) {
    const QString name = platform::MakeTempFileName(QStringLiteral("ogl"));
    EXPECT_TRUE(!QFileInfo::exists(name) && QFileInfo(name).fileName().startsWith("ogl"))
        << qPrintable(name);
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

TEST(GraphProgramLaunch, StubGetsOneFlagAndPathPairPerFileInItsFolder) {
  QTemporaryDir dir;
  const QString bin = dir.filePath(QStringLiteral("bin"));
  EXPECT_FALSE(platform::LaunchGraphProgram(bin, {})) << "no program there yet";
  // A stand-in that records its working folder and arguments, one per line.
  const QString folder = dir.filePath(QStringLiteral("Tools/Plenvy"));
  ASSERT_TRUE(QDir().mkpath(folder) && QDir().mkpath(bin));
  QFile stub(folder + QStringLiteral("/plenvy"));  // in ../Tools/Plenvy beside the program folder
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
  ASSERT_TRUE(QTest::qWaitFor([&] { return record.exists(); }, 10000));
  ASSERT_TRUE(record.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(record.readAll()).split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 5) << qPrintable(lines.join(u'|'));
  EXPECT_EQ(QDir(lines[0]).canonicalPath(), QDir(folder).canonicalPath());
  EXPECT_EQ(lines.mid(1),
            (QStringList{QStringLiteral("-f"), files[0], QStringLiteral("-f"), files[1]}));
}

// The handler's owner and reports from paint events are checked on a real GL
// window (tests/gl); here the messages and the guard against stacked reports.

TEST(ApplicationReportsExceptions, EveryKindOnceWithoutStackingOrEscaping) {
  QStringList boxes;
  TApplication::SetMessageBoxHook([&](QMessageBox::Icon, const QString& title,
                                      const QString& text) { boxes << title + "|" + text; });
  EXPECT_FALSE(TApplication::Guarded([]() -> bool { throw base::EFileError("Disk full"); }));
  EXPECT_FALSE(TApplication::Guarded([]() -> bool { throw std::out_of_range("index 7"); }));
  EXPECT_FALSE(TApplication::Guarded([]() -> bool { throw 42; }));
  EXPECT_TRUE(TApplication::Guarded([] { return true; }));
  const QString title = QGuiApplication::applicationDisplayName();
  EXPECT_EQ(boxes,
            QStringList({title + "|Disk full", title + "|index 7", title + "|Unknown exception"}));

  int calls = 0;
  TApplication::SetExceptionHandler([&](const std::exception_ptr&) {
    ++calls;
    // The report's own box repaints a window that fails again.
    TApplication::HandleException(std::make_exception_ptr(std::runtime_error("again")));
    throw std::runtime_error("handler broke");
  });
  EXPECT_FALSE(TApplication::Guarded([]() -> bool { throw base::Exception("first"); }));
  TApplication::Guarded([]() -> bool { throw base::Exception("second"); });
  EXPECT_EQ(calls, 2);  // the guard is released after each report
  EXPECT_EQ(boxes.size(), 3);
  TApplication::SetExceptionHandler(nullptr);
  TApplication::SetMessageBoxHook(nullptr);
}
