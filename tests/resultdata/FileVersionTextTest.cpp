#include "resultdata/FileVersion.h"

#include <QCoreApplication>
#include <QTemporaryFile>

#include <gtest/gtest.h>

TEST(FileVersionText, OwnProgramInFourPartsOtherFileEmptyMissingFileMinusOne) {
  const QString text = GetFileVersionText(QString());
  EXPECT_TRUE(text.startsWith(QStringLiteral(VELTRANO_VERSION))) << text.toStdString();
  EXPECT_EQ(text.count(QLatin1Char('.')), 3);
  EXPECT_EQ(GetFileVersionText(QCoreApplication::applicationFilePath()), text);
  QTemporaryFile file;
  ASSERT_TRUE(file.open());
  EXPECT_EQ(GetFileVersionText(file.fileName()), QString());
  EXPECT_EQ(GetFileVersionText(file.fileName() + QStringLiteral(".missing")), "-1");
}
