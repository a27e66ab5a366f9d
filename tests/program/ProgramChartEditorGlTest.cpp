// The chart editor in the running program, opened from the extractor's
// chart popup: every page and sheet sits inside the editor at the size it
// opens with and shows its controls whole, every registered series class
// shows its own editor on the Series page, a calculated series the function
// editor, and the commands that ask show the real dialogs.
#include "tests/program/RunningProgram.h"

#include "chart/core/ChartClassRegistry.h"
#include "chart/model/TChart.h"
#include "chart/series/TAveragePlotFunction.h"
#include "chart/series/TLineSeries.h"
#include "charteditor/common/EditorFormRegistry.h"
#include "charteditor/common/TEditorForm.h"
#include "charteditor/editor/TChartEditForm.h"
#include "charteditor/series/TChartListBox.h"
#include "charteditor/serieseditors/TFormPlotSeries.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>

namespace programtest {
namespace {

QString NameOf(const QWidget& w) {
  return QStringLiteral("%1 %2").arg(QString::fromLatin1(w.metaObject()->className()),
                                     w.objectName());
}

// No editor form shows as a window of its own.
void ExpectNoFormWindows(const QString& where) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && qobject_cast<TEditorForm*>(w))
      ADD_FAILURE() << where.toStdString() << ": " << NameOf(*w).toStdString() << " is a window";
}

// Every visible control lies inside `page` and has the room its text asks for.
void ExpectControlsWhole(QWidget& page, const QString& where) {
  const QRect inside = page.rect();
  for (QWidget* w : page.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&page) || w->isWindow()) continue;
    const QRect at(w->mapTo(&page, QPoint(0, 0)), w->size());
    if (!inside.contains(at))
      ADD_FAILURE() << where.toStdString() << ": " << NameOf(*w).toStdString() << " at " << at.x()
                    << "," << at.y() << " " << at.width() << "x" << at.height()
                    << " lies outside its page " << inside.width() << "x" << inside.height();
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->wordWrap()) continue;
      text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      if (!qobject_cast<QCheckBox*>(w) && !qobject_cast<QRadioButton*>(w)) continue;
      text = button->text();
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      // An editable box's text is the user's, and scrolls.
      if (combo->isEditable()) continue;
      text = combo->currentText();
    } else {
      continue;
    }
    if (w->sizeHint().width() > w->width())
      ADD_FAILURE() << where.toStdString() << ": " << NameOf(*w).toStdString() << " \""
                    << text.toStdString() << "\" needs " << w->sizeHint().width() << " pixels, has "
                    << w->width();
  }
}

// A page of the editor and the sheets of every tab control on it, each made
// current in turn: inside the editor, no window, its controls whole.
void CheckPage(QWidget& page, QWidget& form, const QString& where) {
  // The layouts a page just shown asked for, as the event loop would run them.
  for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  EXPECT_FALSE(page.isWindow()) << where.toStdString();
  EXPECT_TRUE(page.isVisible()) << where.toStdString();
  const QRect at(page.mapTo(&form, QPoint(0, 0)), page.size());
  EXPECT_TRUE(form.rect().contains(at)) << where.toStdString() << " lies outside the editor";
  ExpectNoFormWindows(where);
  ExpectControlsWhole(page, where);
  // The tab controls nearest to the page; deeper ones are their sheets'.
  for (QTabWidget* tabs : page.findChildren<QTabWidget*>()) {
    QWidget* up = tabs->parentWidget();
    while (up && up != &page && !qobject_cast<QTabWidget*>(up)) up = up->parentWidget();
    if (up != &page || !tabs->isVisibleTo(&page)) continue;
    for (int i = 0; i < tabs->count(); ++i) {
      if (!tabs->isTabVisible(i)) continue;
      tabs->setCurrentIndex(i);
      CheckPage(*tabs->widget(i), form, where + QStringLiteral(" > ") + tabs->tabText(i));
    }
  }
}

class ProgramChartEditor : public RunningProgram {
 protected:
  void SetUp() override {
    RunningProgram::SetUp();
    if (HasFatalFailure()) return;
    Update(OpenExtractor(), 1);
  }

  // Runs `body` on the chart editor the extractor's popup opens, while it is
  // up; closes it afterwards.
  void WithEditor(const std::function<void(TChartEditForm&)>& body) {
    auto answer = ModalAnswer::Of<TChartEditForm>([&](TChartEditForm& form) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
      body(form);
      form.done(QDialog::Rejected);
    });
    extractor_->ChartMenu().findChild<QAction*>(QStringLiteral("edit1"))->trigger();
    EXPECT_TRUE(answer->Answered()) << "the editor opened";
  }

  // Shows `series` on the editor's Series page.
  static TFormPlotSeries* ShowSeries(TChartEditForm& form, TChartSeries& series) {
    form.MainPage()->setCurrentIndex(0);
    form.SubPage()->setCurrentIndex(0);
    form.SeriesList()->SelectSeries(&series);
    form.MainPage()->setCurrentIndex(1);
    return form.SeriesEditor();
  }

  static TEditorForm* FormatEditor(TFormPlotSeries& page) {
    QWidget* sheet = page.findChild<QWidget*>(QStringLiteral("TheTabSheet"));
    if (!sheet || !page.Pages()->isTabVisible(page.Pages()->indexOf(sheet))) return nullptr;
    return sheet->findChild<TEditorForm*>(QString(), Qt::FindDirectChildrenOnly);
  }
};

TEST_F(ProgramChartEditor, EveryPageSitsInItsTabAtTheOpeningSize) {
  WithEditor([&](TChartEditForm& form) {
    const QSize opening = form.size();
    QTabWidget& sub = *form.SubPage();
    for (int i = 0; i < sub.count(); ++i) {
      EXPECT_TRUE(sub.isTabVisible(i)) << sub.tabText(i).toStdString() << " has its tab";
      sub.setCurrentIndex(i);
      QWidget* page = i == 0 ? sub.widget(0) : form.Page(EditorPage(i - 1));
      ASSERT_NE(page, nullptr) << sub.tabText(i).toStdString();
      CheckPage(*page, form, QStringLiteral("Chart > ") + sub.tabText(i));
    }
    QTabWidget& main = *form.MainPage();
    for (int i = 2; i < main.count(); ++i) {
      if (!main.isTabVisible(i)) continue;
      main.setCurrentIndex(i);
      QWidget* page = form.Page(EditorPage(int(EditorPage::Data) + i - 2));
      ASSERT_NE(page, nullptr) << main.tabText(i).toStdString();
      CheckPage(*page, form, main.tabText(i));
    }
    for (EditorPage page : {EditorPage::Data, EditorPage::Export, EditorPage::Print})
      EXPECT_NE(form.Page(page), nullptr) << "page " << int(page) << " was visited";
    EXPECT_EQ(form.size(), opening) << "every page fits the size the editor opened with";
  });
}

TEST_F(ProgramChartEditor, EverySeriesClassShowsItsOwnEditorAndACalculatedOneItsFunction) {
  TChart& chart = extractor_->Chart();
  std::vector<std::pair<QString, QPointer<TChartSeries>>> made;
  for (const ChartClassEntry* entry : ChartClasses().Entries(ChartClassKind::Series)) {
    auto* series = qobject_cast<TChartSeries*>(entry->create(&chart));
    ASSERT_NE(series, nullptr) << entry->name.toStdString();
    series->setObjectName(entry->name);
    series->FillSampleValues(5);
    chart.AddSeries(series);
    made.emplace_back(entry->name, series);
  }
  ASSERT_GE(made.size(), 12u);
  auto* average = new TLineSeries(&chart);
  average->setObjectName(QStringLiteral("Average"));
  chart.AddSeries(average);
  average->SetFunction(new TAveragePlotFunction(average));
  average->SetDataSource(&extractor_->Series());

  WithEditor([&](TChartEditForm& form) {
    for (const auto& [name, series] : made) {
      TFormPlotSeries* page = ShowSeries(form, *series);
      ASSERT_NE(page, nullptr);
      ASSERT_EQ(page->Series(), series.data()) << name.toStdString();
      const QString editorClass = series->GetEditorClass();
      EXPECT_TRUE(EditorForms().Contains(editorClass)) << name.toStdString();
      TEditorForm* editor = FormatEditor(*page);
      ASSERT_NE(editor, nullptr) << name.toStdString() << " has a Format sheet";
      EXPECT_EQ(QString::fromLatin1(editor->metaObject()->className()), editorClass);
      CheckPage(*page, form, QStringLiteral("Series ") + name);
    }
    TFormPlotSeries* page = ShowSeries(form, *average);
    ASSERT_NE(page, nullptr);
    QWidget* source = page->findChild<QWidget*>(QStringLiteral("TabDataSource"));
    ASSERT_NE(source, nullptr);
    page->Pages()->setCurrentWidget(source);
    auto* functions = source->findChild<TEditorForm*>(QStringLiteral("PlotFuncEditor"));
    ASSERT_NE(functions, nullptr) << "the function editor sits under Data Source";
    EXPECT_TRUE(functions->isVisible());
    CheckPage(*page, form, QStringLiteral("Series Average"));
  });
}

TEST_F(ProgramChartEditor, CommandsThatAskShowTheRealDialogs) {
  const QString picture = dir_.filePath(QStringLiteral("chart.bmp"));
  WithEditor([&](TChartEditForm& form) {
    form.SeriesList()->SelectSeries(&extractor_->Series());
    auto confirm = ModalAnswer::Of<QMessageBox>(
        [](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    form.findChild<QPushButton*>(QStringLiteral("BDeleteSeries"))->click();
    EXPECT_TRUE(confirm->Answered()) << "Delete asks first";
    EXPECT_EQ(extractor_->Chart().SeriesCount(), 1) << "and No keeps the series";

    form.SubPage()->setCurrentIndex(int(EditorPage::Panel) + 1);
    auto* colour = form.findChild<QAbstractButton*>(QStringLiteral("BPanelColor"));
    ASSERT_NE(colour, nullptr);
    auto chooser = ModalAnswer::Of<QColorDialog>([](QColorDialog& d) { d.reject(); });
    colour->click();
    EXPECT_TRUE(chooser->Answered()) << "Color... shows the colour dialog";

    form.MainPage()->setCurrentIndex(4);
    QWidget* exportPage = form.Page(EditorPage::Export);
    ASSERT_NE(exportPage, nullptr);
    auto* save = exportPage->findChild<QPushButton*>(QStringLiteral("BSave"));
    ASSERT_NE(save, nullptr);
    auto name = ModalAnswer::Of<QFileDialog>([&](QFileDialog& d) { TypeFileName(d, picture); });
    save->click();
    EXPECT_TRUE(name->Answered()) << "Save... shows the file dialog";
  });
  const QFileInfo written(picture);
  EXPECT_TRUE(written.exists());
  EXPECT_GT(written.size(), 100);
}

}  // namespace
}  // namespace programtest
