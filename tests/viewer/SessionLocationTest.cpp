// Where the session file is read and written: next to the program when its
// folder allows it, else in the user's config folder; reading prefers the
// file next to the program.
#include "platform/SessionLocation.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using platform::ChangeFileExt;
using platform::SessionLocation;

void touch(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(SessionLocation, TheProgramsExtensionBecomesSession) {
  EXPECT_EQ(ChangeFileExt("/opt/veltrano/veltrano", ".session"), "/opt/veltrano/veltrano.session");
  EXPECT_EQ(ChangeFileExt("/opt/v.2/veltrano.bin", ".session"), "/opt/v.2/veltrano.session");
  EXPECT_EQ(ChangeFileExt("/opt/v.2/veltrano", ".session"), "/opt/v.2/veltrano.session");
}

TEST(SessionLocation, ReadingPrefersTheProgramsFolder) {
  QTemporaryDir program, config;
  const SessionLocation location(program.filePath("veltrano"), config.path());
  EXPECT_TRUE(location.ForReading().isEmpty()) << "no session file yet";

  touch(config.filePath("veltrano.session"));
  EXPECT_EQ(location.ForReading(), config.filePath("veltrano.session"));
  touch(program.filePath("veltrano.session"));
  EXPECT_EQ(location.ForReading(), program.filePath("veltrano.session"));
}

TEST(SessionLocation, WritingGoesBesideTheProgramWhenItsFolderAllowsIt) {
  QTemporaryDir program, config;
  const SessionLocation location(program.filePath("veltrano"), config.path());
  EXPECT_EQ(location.ForWriting(), program.filePath("veltrano.session"));

  // A folder the program cannot write into: the session goes to the user's
  // config folder, which is created when missing.
  const QString configFolder = config.filePath("Orv-Software/Veltrano");
  const SessionLocation installed(program.filePath("missing/bin/veltrano"), configFolder);
  EXPECT_EQ(installed.ForWriting(), configFolder + "/veltrano.session");
  EXPECT_TRUE(QDir(configFolder).exists());
}

}  // namespace
