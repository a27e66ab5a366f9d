// Printing where the system has no printer: a printer that writes a PDF
// file comes after the system's printers, the preview offers it and its
// controls, and a job asks for the file's name and writes it whole or not
// at all, read back with poppler's pdfinfo.
#include "chart/core/ChartExceptions.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/preview/PrinterEnvironment.h"
#include "charteditor/preview/TChartPreview.h"
#include "tests/chart/support/FakePlotPanel.h"
#include "tests/chart/support/RecordingChartPrompts.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(PdfPrinter, ComesAfterTheSystemsPrintersAndIsCurrentWithoutThem) {
  struct Row {
    QStringList system;
    QString defaultName;
    int current;
  };
  const Row rows[] = {
      {{}, {}, 0},
      {{QStringLiteral("Office"), QStringLiteral("Lab")}, QStringLiteral("Lab"), 1},
      {{QStringLiteral("Office")}, QStringLiteral("Gone"), 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.system.join(',').toStdString());
    const auto printers = MakeQtPrinterEnvironment(row.system, row.defaultName);
    EXPECT_EQ(printers->PrinterNames(), QStringList(row.system) << PdfPrinterName());
    EXPECT_EQ(printers->CurrentPrinter(), row.current);
    EXPECT_TRUE(printers->HasPrinter());
  }
}

class PdfPrinterTest : public ::testing::Test {
 protected:
  PdfPrinterTest() {
    panel.setObjectName(QStringLiteral("Chart1"));
    panel.SetWidth(400);
    panel.SetHeight(250);
    form.SetTag(&panel);
    form.Refresh();
  }
  QString Path(const QString& name) const { return dir.filePath(name); }
  QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files); }
  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  ChartEditorScope editors;
  RecordingChartPrompts prompts;
  QTemporaryDir dir;
  std::unique_ptr<PrinterEnvironment> printers = MakeQtPrinterEnvironment({}, {});
  FakePlotPanel panel;
  TChartPreview form{nullptr, printers.get()};
};

TEST_F(PdfPrinterTest, PrintAsksForTheFileAndWritesIt) {
  EXPECT_EQ(form.CBPrinters->currentText(), PdfPrinterName());
  EXPECT_TRUE(form.BPrint->isEnabled());
  EXPECT_TRUE(form.BSetupPrinter->isEnabled());
  EXPECT_TRUE(form.Orientation->isEnabled());
  const QString pdf = Path(QStringLiteral("chart.pdf"));
  prompts.fileAnswers.push_back(pdf);
  form.BPrint->click();
  EXPECT_TRUE(prompts.errors().isEmpty()) << prompts.errors().join('\n').toStdString();
  EXPECT_EQ(Files(), QStringList(QStringLiteral("chart.pdf")));
  EXPECT_TRUE(Read(pdf).startsWith("%PDF"));
  if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
    GTEST_SKIP() << "poppler-utils not installed";
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {pdf});
  ASSERT_TRUE(info.waitForFinished(30000));
  EXPECT_EQ(info.exitCode(), 0);
  const QString text = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Chart1"))) << text.toStdString();
}

// A job called off, or one whose chart fails to draw, leaves the file as
// it was and nothing beside it.
TEST_F(PdfPrinterTest, AJobCalledOffOrFailedLeavesTheOldFile) {
  const QString pdf = Path(QStringLiteral("old.pdf"));
  {
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
  }
  form.BPrint->click();  // no name given
  EXPECT_EQ(Read(pdf), QByteArray("old"));
  panel.drawHook = [](FakePlotPanel&, const TRect&) {
    throw ChartException(QStringLiteral("boom"));
  };
  prompts.fileAnswers.push_back(pdf);
  EXPECT_THROW(form.Print(), ChartException);
  EXPECT_EQ(Read(pdf), QByteArray("old"));
  EXPECT_EQ(Files(), QStringList(QStringLiteral("old.pdf")));
  // The next job replaces it.
  panel.drawHook = nullptr;
  prompts.fileAnswers.push_back(pdf);
  form.Print();
  EXPECT_TRUE(Read(pdf).startsWith("%PDF"));
  EXPECT_EQ(Files(), QStringList(QStringLiteral("old.pdf")));
  // A folder that does not exist is reported.
  prompts.fileAnswers.push_back(Path(QStringLiteral("none/x.pdf")));
  form.Print();
  EXPECT_EQ(prompts.errors().size(), 1);
}

}  // namespace
