// The export dialog driven as a user would: the filter list each show
// rebuilds, the kept aspect ratio, the button states per page and format,
// the data exporter it builds, the format or exporter the picked filter
// decides, and the native file's size.
#include "ExportFixture.h"
#include "charteditor/export/TSeriesDataText.h"
#include "charteditor/exportdialog/TBMPExportFormat.h"
#include "tests/chart/support/FakePlotPanel.h"
#include "tests/support/Artifacts.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace {

QByteArray Head(const QString& path, int n) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(n);
}

TEST_F(ExportTest, EveryShowListsEachFilterOnceAndOpensOnTheFirstFormat) {
  Form(&chart);
  form.hide();
  form.show();
  EXPECT_EQ(form.PictureFilters(),
            QStringList({QStringLiteral("Enhanced Metafiles (*.emf)"),
                         QStringLiteral("Metafiles (*.wmf)"), QStringLiteral("Bitmaps (*.bmp)")}));
  ASSERT_EQ(form.formatButtons->buttons().size(), 2);
  EXPECT_EQ(form.formatButtons->button(0)->text(), QStringLiteral("as &Metafile"));
  EXPECT_EQ(form.SelectedFormat(), form.Formats()[0].get());
  EXPECT_EQ(form.Formats()[1]->FilterIndex(), 3);
  EXPECT_EQ(form.CBSeries->count(), 3);
  EXPECT_EQ(form.CBSeries->itemText(2), QStringLiteral("Line 2"));
  EXPECT_EQ(form.CBDelim->currentText(), QStringLiteral("Tab"));
}

TEST_F(ExportTest, KeepingTheAspectRatioAndAPanelOfNoHeight) {
  Form(&chart);
  EXPECT_EQ(form.UDWidth->value(), 600);
  form.UDWidth->setValue(400);
  EXPECT_EQ(form.UDHeight->value(), 200);
  form.UDHeight->setValue(150);
  EXPECT_EQ(form.UDWidth->value(), 300);
  form.CBAspect->setChecked(false);
  form.UDWidth->setValue(500);
  EXPECT_EQ(form.UDHeight->value(), 150);

  chart.SetHeight(0);
  form.Refresh();
  EXPECT_EQ(form.AspectRatio(), 0.0);
  form.CBAspect->setChecked(true);
  form.UDWidth->setValue(100);
  EXPECT_EQ(form.UDHeight->value(), 0) << "no ratio, nothing follows";
}

TEST_F(ExportTest, ButtonsFollowThePageTheFormatAndTheSeries) {
  Form(&chart);
  struct Row {
    QWidget* page;
    int format;
    bool copy, save;
  };
  const Row rows[] = {{form.TabPicture, 0, true, true},
                      {form.TabNative, 0, false, true},
                      {form.TabData, 0, true, true},
                      {form.TabData, 1, true, true},
                      {form.TabData, 3, false, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << form.PageControl->indexOf(row.page) << " / " << row.format);
    form.PageControl->setCurrentWidget(row.page);
    form.textButtons->button(row.format)->click();
    EXPECT_EQ(form.BCopy->isEnabled(), row.copy);
    EXPECT_EQ(form.BSave->isEnabled(), row.save);
  }
  form.textButtons->button(0)->click();
  form.PageControl->setCurrentWidget(form.TabData);
  chart.FreeAllSeries();
  form.Refresh();
  EXPECT_FALSE(form.BCopy->isEnabled()) << "no series, nothing to copy";
  EXPECT_TRUE(form.BSave->isEnabled() == false);
}

TEST_F(ExportTest, TheDataPageBuildsTheExporterItDescribes) {
  Form(&chart);
  struct Row {
    int format, delimiter;
    QString custom;
    QChar separator;
    int filter;
  };
  const Row rows[] = {{0, 0, {}, QLatin1Char(' '), 1},
                      {0, 1, {}, QLatin1Char('\t'), 2},
                      {0, 2, {}, QLatin1Char(','), 3},
                      {0, 3, {}, QLatin1Char(';'), 4},
                      {0, 4, QStringLiteral("#"), QLatin1Char('#'), 4},
                      {0, 4, {}, QLatin1Char(' '), 4},
                      {1, 1, {}, QLatin1Char('\t'), 5},
                      {2, 1, {}, QLatin1Char('\t'), 6},
                      {3, 1, {}, QLatin1Char('\t'), 7}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.format << " / " << row.delimiter);
    form.textButtons->button(row.format)->click();
    form.CBDelim->setCurrentIndex(row.delimiter);
    form.ECustom->setText(row.custom);
    EXPECT_EQ(form.CBDelim->isEnabled(), row.format == 0);
    EXPECT_EQ(form.CBHeader->isEnabled(), row.format != 1);
    EXPECT_EQ(form.DataFilterIndex(), row.filter);
    if (row.format == 0) {
      EXPECT_EQ(form.Separator(), row.separator);
      auto data = form.BuildDataExporter();
      ASSERT_TRUE(dynamic_cast<TSeriesDataText*>(data.get()));
      EXPECT_EQ(static_cast<TSeriesDataText*>(data.get())->TextSeparator, row.separator);
    }
  }
  form.CBSeries->setCurrentIndex(2);
  EXPECT_EQ(form.BuildDataExporter()->Series(), chart.GetSeries(1));
}

TEST_F(ExportTest, TheFilterPickedDecidesWhatTheFileHolds) {
  Form(&chart);
  form.PageControl->setCurrentWidget(form.TabPicture);
  struct Row {
    int filter;
    QByteArray head;
    int at;
  };
  const Row rows[] = {{1, QByteArray(" EMF"), 40},
                      {2, QByteArray("\xD7\xCD\xC6\x9A", 4), 0},
                      {3, QByteArray("BM"), 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.filter);
    const QString name = Path(QStringLiteral("picture%1").arg(row.filter));
    prompts.fileAnswers.push_back(name);
    prompts.filterAnswers.push_back(row.filter);
    form.BSave->click();
    EXPECT_EQ(Head(name, row.at + row.head.size()).mid(row.at), row.head);
  }
  EXPECT_TRUE(prompts.errors().isEmpty()) << prompts.errors().join('\n').toStdString();

  // Monochrome held with 24 bits: one bit per pixel.
  form.formatButtons->button(1)->click();
  auto* options = static_cast<TBMPOptions*>(form.SelectedFormat()->Options());
  options->CBColors->setCurrentIndex(6);
  options->CBMono->setChecked(true);
  prompts.fileAnswers.push_back(Path("mono.bmp"));
  form.BSave->click();
  EXPECT_EQ(QImage(Path("mono.bmp")).depth(), 1);

  // The data page: the csv filter with Tab held writes commas.
  form.PageControl->setCurrentWidget(form.TabData);
  form.CBDelim->setCurrentIndex(1);
  prompts.fileAnswers.push_back(Path("data.csv"));
  prompts.filterAnswers.push_back(3);
  form.BSave->click();
  const QByteArray csv = Head(Path("data.csv"), 4096);
  EXPECT_TRUE(csv.contains(',')) << csv.constData();
  EXPECT_FALSE(csv.contains('\t')) << csv.constData();
  // The HTML entry writes HTML whatever the format held.
  prompts.fileAnswers.push_back(Path("data.htm"));
  prompts.filterAnswers.push_back(6);
  form.BSave->click();
  EXPECT_TRUE(Head(Path("data.htm"), 4096).toLower().contains("<table"));
  EXPECT_EQ(form.textButtons->checkedId(), 2);
  // Custom preselects the custom text entry.
  form.textButtons->button(0)->click();
  form.CBDelim->setCurrentIndex(4);
  form.BSave->click();  // cancelled: no answer scripted
  EXPECT_TRUE(prompts.calls.last().contains(QStringLiteral(" / 4 / txt")))
      << prompts.calls.last().toStdString();
}

// Saving goes through the format picked in the file dialog: the bitmap's
// options must not fall back to their defaults on the way.
TEST_F(ExportTest, TheBitmapDepthChosenIsTheDepthSaved) {
  Form(&chart);
  form.PageControl->setCurrentWidget(form.TabPicture);
  form.formatButtons->button(1)->click();
  auto* options = static_cast<TBMPOptions*>(form.SelectedFormat()->Options());
  const int bmpFilter = form.SelectedFormat()->FilterIndex();
  struct Row {
    int choice;  // CBColors' index
    int bits;    // biBitCount of the file
  };
  for (const Row row : {Row{1, 1}, Row{2, 4}, Row{3, 8}, Row{5, 16}, Row{6, 24}, Row{7, 32}}) {
    SCOPED_TRACE(row.choice);
    options->CBColors->setCurrentIndex(row.choice);
    const QString name = Path(QStringLiteral("depth%1.bmp").arg(row.choice));
    prompts.fileAnswers.push_back(name);
    prompts.filterAnswers.push_back(bmpFilter);
    form.BSave->click();
    const QByteArray head = Head(name, 30);
    ASSERT_EQ(head.size(), 30);
    EXPECT_EQ(static_cast<quint8>(head[28]) | static_cast<quint8>(head[29]) << 8, row.bits);
    EXPECT_EQ(options->CBColors->currentIndex(), row.choice);
  }
  EXPECT_TRUE(prompts.errors().isEmpty()) << prompts.errors().join('\n').toStdString();
  // Choosing the format again shows its options again, from the default.
  form.formatButtons->button(0)->click();
  form.formatButtons->button(1)->click();
  EXPECT_EQ(options->CBColors->currentIndex(), 0);
}

TEST_F(ExportTest, TheFileSizeShownIsTheSizeOfTheSavedFile) {
  Form(&chart);
  form.PageControl->setCurrentWidget(form.TabNative);
  EXPECT_EQ(form.LabelSize->text(), QStringLiteral("?"));
  for (bool withData : {true, false}) {
    form.CBNativeData->setChecked(withData);
    form.CBFileSize->setChecked(true);
    form.CBFileSize->clicked(true);
    const QString name = Path(QStringLiteral("chart%1.plc").arg(withData));
    prompts.fileAnswers.push_back(name);
    form.BSave->click();
    EXPECT_EQ(form.LabelSize->text(), QStringLiteral("%1 bytes").arg(QFile(name).size()));
  }
  form.CBFileSize->setChecked(false);
  form.CBFileSize->clicked(false);
  EXPECT_EQ(form.LabelSize->text(), QStringLiteral("?"));
}

TEST_F(ExportTest, APanelThatIsNoChartHasNoDataPage) {
  FakePlotPanel panel;
  Form(&panel);
  EXPECT_FALSE(form.PageControl->isTabVisible(form.PageControl->indexOf(form.TabData)));
  EXPECT_FALSE(form.CBNativeData->isVisibleTo(&form));
  form.PageControl->setCurrentWidget(form.TabNative);
  prompts.fileAnswers.push_back(Path("panel.plc"));
  form.BSave->click();
  EXPECT_EQ(Head(Path("panel.plc"), 4), QByteArray("VCS1"));
}

// Each page as the user sees it, kept for a look.
TEST_F(ExportTest, PagesAsArtefacts) {
  Form(&chart);
  form.resize(520, 330);
  for (QWidget* page : {form.TabPicture, form.TabNative, form.TabData}) {
    form.PageControl->setCurrentWidget(page);
    const QImage shot = form.grab().toImage();
    EXPECT_FALSE(shot.isNull());
    testsupport::saveArtifact(shot, QStringLiteral("export-dialog-%1.png").arg(page->objectName()));
  }
}

}  // namespace
