// Where the session file is read and written: next to the program when its
// folder allows it, else in the user's config folder; reading prefers the
// file next to the program.
#include "platform/SessionLocation.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using platform::SessionLocation;
TEST(SessionLocation, ReadingPrefersAndWritingUsesTheProgramsFolderWhenItCan) {
  EXPECT_EQ(platform::ChangeFileExt("/opt/v.2/veltrano", ".session"), "/opt/v.2/veltrano.session");

  QTemporaryDir program, config;
  const SessionLocation location(program.filePath("veltrano"), config.path());
  EXPECT_TRUE(location.ForReading().isEmpty()) << "no session file yet";
  EXPECT_EQ(location.ForWriting(), program.filePath("veltrano.session"));
  for (const QString& path :
       {config.filePath("veltrano.session"), program.filePath("veltrano.session")}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(location.ForReading(), path);
  }

  // A program folder that cannot be written sends the session to the config folder.
  const QString configFolder = config.filePath("Orv-Software/Veltrano");
  const SessionLocation installed(program.filePath("missing/bin/veltrano"), configFolder);
  EXPECT_EQ(installed.ForWriting(), configFolder + "/veltrano.session");
  EXPECT_TRUE(QDir(configFolder).exists()) << "created when missing";
}

}  // namespace
