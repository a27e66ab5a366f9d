// Help files are found in their folder by name only: a missing file, or a
// name that would reach outside the folder, gives no help.
#include "charteditor/common/HelpFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(HelpFiles, FoundByNameInTheFolderOnly) {
  QTemporaryDir root;
  ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("help")));
  const QString folder = root.filePath(QStringLiteral("help"));
  for (const QString& path :
       {folder + QStringLiteral("/guide.eve"), root.filePath(QStringLiteral("outside.eve"))}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  EXPECT_EQ(FindHelpFile(QStringLiteral("guide.eve"), folder),
            QDir(folder).absoluteFilePath(QStringLiteral("guide.eve")));
  for (const char* name : {"missing.eve", "../outside.eve", "..\\outside.eve", "", ".."})
    EXPECT_TRUE(FindHelpFile(QString::fromLatin1(name), folder).isEmpty()) << name;
  EXPECT_TRUE(FindHelpFile(QStringLiteral("guide.eve"), QString()).isEmpty());
}
