// The data extractor's "&edit": the chart editor on the window's chart,
// never while an update feeds the series, and afterwards the window charts
// into the series named "Series1" then, or offers no update when the
// editor deleted it.
#include "chart/model/ModelClassRegistrations.h"
#include "chart/model/SeriesByClass.h"
#include "chart/model/TChart.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TLineSeries.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/EditorPageRegistry.h"
#include "charteditor/editor/TChartEditForm.h"
#include "charteditor/editor/TChartEditor.h"
#include "charteditor/series/SeriesGalleryHooks.h"
#include "charteditor/series/TChartListBox.h"
#include "tests/chart/support/RecordingChartPrompts.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/ViewFileHost.h"
#include "viewer/view/TfrmData1D.h"

#include <QAction>
#include <QDateEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString WriteFile(const QString& path) {
  resultwriter::ResultFileSpec spec;
  spec.version = 2;
  spec.setKinds({2});
  spec.x = {0, 1, 3, 6, 10, 15};
  spec.y = {0, 2, 3, 7, 8, 11, 12};
  spec.generatedStepCount = 60;
  spec.generateStep = [](int n, resultwriter::Step& step) {
    step.time = 1800.0 * n;
    step.values[2].assign(42, float(20 + n % 7));
  };
  resultwriter::writeFile(spec, path);
  return path;
}

class DataExtractorEdit : public testing::Test {
 protected:
  DataExtractorEdit() {
    auto* to = window.findChild<QDateEdit*>(QStringLiteral("dto"));
    to->setDate(to->date().addDays(1));
    for (const char* name : {"SEURx", "SEURy"}) {
      auto* corner = window.findChild<QSpinBox*>(QString::fromLatin1(name));
      corner->setValue(corner->maximum());
    }
  }
  QAction* Action(const char* name) {
    return window.ChartMenu().findChild<QAction*>(QString::fromLatin1(name));
  }
  void RunUpdate() {
    window.UpdateButton().click();
    while (window.SliceTimer().isActive()) window.RunSlice();
  }
  // Opens the editor; `look` sees the shown form.
  void Edit(const std::function<void(TChartEditForm&)>& look) {
    window.Editor().SetModalRunner([look](TChartEditForm& form) {
      form.show();
      look(form);
      form.close();
      return 0;
    });
    Action("edit1")->trigger();
  }

  ChartEditorScope editors{{}, {RegisterModelClasses, RegisterSeriesTypes}};
  RecordingChartPrompts prompts;
  QTemporaryDir dir;
  ViewFileHost host{WriteFile(dir.filePath(QStringLiteral("run.vq3")))};
  TfrmData1D window{host, dkTemperature};
};

TEST_F(DataExtractorEdit, OpensOnTheSeriesListAndLeavesThePointsAndTheMouseUp) {
  RunUpdate();
  const int points = window.Series().PointCount();
  ASSERT_GT(points, 0);
  ASSERT_TRUE(Action("edit1")->isEnabled());
  QString caption;
  TChartSeries* selected = nullptr;
  int visibleSubTabs = 0;
  bool toolsShown = true;
  Edit([&](TChartEditForm& f) {
    caption = f.windowTitle();
    selected = f.SeriesList()->CurrentSeries();
    for (int i = 0; i < f.SubPage()->count(); ++i) visibleSubTabs += f.SubPage()->isTabVisible(i);
    toolsShown = f.MainPage()->isTabVisible(3);
  });
  EXPECT_EQ(caption, QStringLiteral("Editing Chart1"));
  EXPECT_EQ(selected, &window.Series());
  // The list and the five pages of the editor itself; the other three with
  // their families' page factories.
  int registered = 0;
  for (EditorPage page : {EditorPage::General, EditorPage::Paging, EditorPage::ThreeD})
    registered += EditorPages().Contains(page);
  EXPECT_EQ(visibleSubTabs, 6 + registered);
  EXPECT_FALSE(toolsShown);
  EXPECT_TRUE(window.Chart().CancelMouse());
  EXPECT_EQ(window.Series().PointCount(), points);
}

TEST_F(DataExtractorEdit, NotWhileAnUpdateRuns) {
  auto* to = window.findChild<QDateEdit*>(QStringLiteral("dto"));
  to->setDate(to->date().addDays(1));
  window.UpdateButton().click();
  ASSERT_TRUE(window.SliceTimer().isActive());
  EXPECT_FALSE(Action("edit1")->isEnabled());
  while (window.SliceTimer().isActive()) window.RunSlice();
  EXPECT_TRUE(Action("edit1")->isEnabled());
}

TEST_F(DataExtractorEdit, DeletingTheSeriesDisablesUpdateAndSave) {
  prompts.confirmAnswers.push_back(true);
  Edit([&](TChartEditForm& f) {
    f.findChild<QPushButton*>(QStringLiteral("BDeleteSeries"))->click();
  });
  EXPECT_EQ(window.SeriesOrNull(), nullptr);
  EXPECT_EQ(window.Chart().SeriesCount(), 0);
  EXPECT_FALSE(window.UpdateButton().isEnabled());
  EXPECT_FALSE(Action("save1")->isEnabled());
  window.SaveClick();  // nothing to save, nothing asked
  EXPECT_TRUE(prompts.fileAnswers.empty());
}

TEST_F(DataExtractorEdit, ASeriesChangedToALineIsTheOneUpdated) {
  // The gallery's choice, made without its window: a line series.
  const SeriesGalleryHooks saved =
      SetGalleryHooks({{}, [](TChartSeries*& series) -> std::optional<GalleryChoice> {
                         ChangeSeriesClass(series, TLineSeries::staticMetaObject);
                         return GalleryChoice{&TLineSeries::staticMetaObject, nullptr, 0};
                       }});
  Edit([&](TChartEditForm& f) {
    auto* change = f.findChild<QPushButton*>(QStringLiteral("BChangeTypeSeries"));
    EXPECT_TRUE(change->isEnabled());
    change->click();
  });
  SetGalleryHooks(saved);
  ASSERT_NE(window.SeriesOrNull(), nullptr);
  EXPECT_NE(qobject_cast<TLineSeries*>(window.SeriesOrNull()), nullptr);
  EXPECT_TRUE(window.UpdateButton().isEnabled());
  RunUpdate();
  EXPECT_GT(window.Series().PointCount(), 0);
}

}  // namespace
