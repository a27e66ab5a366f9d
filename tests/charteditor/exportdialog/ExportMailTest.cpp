// Sending hands the file to the desktop's mail program: a fake xdg-email
// first on PATH records what it was given and answers with a chosen exit
// code; without one, Send stays disabled.
#include "ExportFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

namespace {

class FakeMailProgram {
 public:
  // Writes its arguments and whether the attachment exists to `log`.
  FakeMailProgram(const QString& folder, int exitCode)
      : log_(folder + QStringLiteral("/mail.log")) {
    const QString script = folder + QStringLiteral("/xdg-email");
    QFile file(script);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral(
                   "#!/bin/sh\necho \"$@\" > '%1.tmp'\n[ -f \"$4\" ] && echo exists >> '%1.tmp'\n"
                   "mv '%1.tmp' '%1'\nexit %2\n")
                   .arg(log_)
                   .arg(exitCode)
                   .toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    oldPath_ = qgetenv("PATH");
    qputenv("PATH", folder.toUtf8() + (oldPath_.isEmpty() ? QByteArray() : ":" + oldPath_));
  }
  ~FakeMailProgram() { qputenv("PATH", oldPath_); }
  QString Log() const {
    QFile file(log_);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }
  bool Ran() const { return QFileInfo::exists(log_); }

 private:
  QString log_;
  QByteArray oldPath_;
};

TEST_F(ExportTest, SendAttachesTheFileInAFolderOfItsOwn) {
  FakeMailProgram mail(dir.path(), 0);
  Form(&chart);
  ASSERT_TRUE(form.BSend->isEnabled());
  form.BSend->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return mail.Ran(); }, 5000));
  const QStringList words =
      mail.Log().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  ASSERT_GE(words.size(), 5) << mail.Log().toStdString();
  EXPECT_EQ(words.mid(0, 3), QStringList({QStringLiteral("--subject"), QStringLiteral("PlotChart"),
                                          QStringLiteral("--attach")}));
  const QFileInfo attached(words[3]);
  EXPECT_EQ(attached.fileName(), QStringLiteral("PlotChart.emf"));
  EXPECT_EQ(words[4], QStringLiteral("exists"));
  EXPECT_TRUE(attached.exists()) << "kept for the mail program";
  EXPECT_EQ(
      QFile::permissions(attached.path()) & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther),
      QFile::Permissions());
  QTest::qWait(50);
  EXPECT_TRUE(prompts.errors().isEmpty());
}

TEST_F(ExportTest, AMailProgramThatFailsIsReportedWithItsCode) {
  FakeMailProgram mail(dir.path(), 3);
  Form(&chart);
  form.PageControl->setCurrentWidget(form.TabNative);
  form.BSend->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.errors().isEmpty(); }, 5000));
  EXPECT_EQ(prompts.errors(),
            QStringList(QStringLiteral("Can not email PlotChart. Mapi Error: 3")));
  EXPECT_TRUE(mail.Log().contains(QStringLiteral("PlotChart.plc")));
}

TEST_F(ExportTest, WithoutAMailProgramSendIsDisabled) {
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", dir.path().toUtf8());
  Form(&chart);
  EXPECT_TRUE(form.BSave->isEnabled());
  EXPECT_FALSE(form.BSend->isEnabled());
  qputenv("PATH", path);
}

}  // namespace
