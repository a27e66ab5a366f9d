// The two popup menus of real view windows, with dialogs answered from a
// script: the marks and visibility that opening a menu sets from the view
// (read after the on-open handler ran; no menu runs modally), what the
// entries do with accepted and refused inputs, and the file exports.
#include "platform/TApplication.h"
#include "tests/support/Artifacts.h"
#include "tests/viewer/NavigationTestHost.h"
#include "viewer/view/TfrmGLBase.h"
#include "viewer/view/ViewDialogs.h"
#include "viewer/view/ViewPopupMenus.h"
#include "viewer/widgets/TColorScrollBox.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QOpenGLWidget>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

namespace {

// Answers prompts in order (nullopt is Cancel) and logs them and every message.
class ScriptedDialogs final : public ViewDialogs {
 public:
  std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                 const QString& text) override {
    log << caption + "|" + prompt + "|" + text;
    if (answers.empty()) return std::nullopt;
    const std::optional<QString> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowMessage(const QString& caption, const QString& text) override {
    log << "message:" + caption + "|" + text;
  }
  QString SaveFileName(const QString&, const QString&) override { return saveName; }
  QString OpenFileName(const QString&, const QString&) override { return openName; }

  std::deque<std::optional<QString>> answers;
  QStringList log;
  QString saveName, openName;
};

class PopupMenus : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    TApplication::SetMessageBoxHook([this](QMessageBox::Icon, const QString& title,
                                           const QString& text) { boxes_ << title + "|" + text; });
  }
  void TearDown() override { TApplication::SetMessageBoxHook(nullptr); }

  void open(TDataKind kind) {
    view_ = std::make_unique<TfrmGLBase>(host_, kind);
    view_->resize(640, 420);
    view_->show();
    menus_ = ViewPopupMenusOf(*view_);
    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs_ = dialogs.get();
    menus_->SetDialogs(std::move(dialogs));
  }
  QAction* item(const char* name) const {
    QAction* a = menus_->Item(QString::fromLatin1(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
  }
  void click(const char* name) {
    if (QAction* a = item(name)) a->trigger();
  }
  void answer(std::initializer_list<std::optional<QString>> answers) {
    dialogs_->answers.assign(answers.begin(), answers.end());
    dialogs_->log.clear();
  }
  // Every named entry is visible (or checked) exactly when `yes` says so.
  void expect(bool (QAction::*is)() const, std::initializer_list<const char*> names, bool yes) {
    for (const char* n : names) EXPECT_EQ((item(n)->*is)(), yes) << n;
  }
  int calls(const char* name) const { return int(host_.Calls.count(QString::fromLatin1(name))); }
  ViewModel& model() { return view_->Model(); }
  ColorLegendModel& legend() { return view_->csb->Model(); }

  LocaleGuard english_{LocaleGuard::English()};
  QTemporaryDir dir_;
  NavigationTestHost host_{NavigationTestContent()};
  std::unique_ptr<TfrmGLBase> view_;
  ViewPopupMenus* menus_ = nullptr;
  ScriptedDialogs* dialogs_ = nullptr;
  QStringList boxes_;
};

using PopupMenuState = PopupMenus;
using PopupMenuCommands = PopupMenus;

TEST_F(PopupMenuState, ScalarViewOpensWithReliefEntriesMarkedFromTheView) {
  open(dkTemperature);
  menus_->PopupMenu1Popup();
  EXPECT_EQ(calls("Pause"), 1) << "opening the menu pauses playback";
  expect(&QAction::isVisible,
         {"normalized1", "threshold1", "logarithmic2", "scaling1", "Data1", "image1", "detail1",
          "detail2"},
         false);
  expect(&QAction::isVisible,
         {"fill1", "shademodel1", "sidepanel1", "boundaries1", "initialconditions1"}, true);
  expect(&QAction::isChecked,
         {"smooth1", "Grid1", "depthtest1", "visible2", "depthtest2", "visible1", "top1", "left1",
          "bottom1", "right1", "lequal1"},
         true);
  expect(&QAction::isChecked, {"fill1", "flat1", "lighted1", "enabled1", "always1"}, false);
  expect(&QAction::isEnabled, {"depthtest1"}, true);

  // The marks follow the view at the next opening.
  model().SetFlag(dfOutline, false);
  model().SetShadeModel(ViewModel::glFlat);
  model().SetBoundarySides(bsTop | bsBottom);
  menus_->PopupMenu1Popup();
  expect(&QAction::isChecked, {"Grid1", "smooth1", "left1", "right1"}, false);
  expect(&QAction::isChecked, {"flat1", "top1", "bottom1"}, true);
  EXPECT_FALSE(item("depthtest1")->isEnabled()) << "depth test needs the grid visible";

  // The legend menu shows the linear mark and pauses nothing.
  menus_->pmcsbPopup();
  EXPECT_EQ(calls("Pause"), 2);
  expect(&QAction::isChecked, {"linearizecolors1"}, true);
  view_->csb->Model().SetColorsLinear(false);
  menus_->pmcsbPopup();
  expect(&QAction::isChecked, {"linearizecolors1"}, false);
}

TEST_F(PopupMenuState, VectorViewOpensWithArrowEntriesMarkedFromTheView) {
  open(dkCapillaryFlux);
  menus_->PopupMenu1Popup();
  expect(&QAction::isVisible, {"normalized1", "threshold1", "logarithmic2", "scaling1"}, true);
  expect(&QAction::isVisible,
         {"fill1", "shademodel1", "sidepanel1", "boundaries1", "initialconditions1"}, false);
  expect(&QAction::isChecked, {"normalized1", "visible2"}, true);
  expect(&QAction::isChecked, {"logarithmic2", "Grid1"}, false);
  EXPECT_FALSE(item("depthtest1")->isEnabled());

  model().SetFlag(dfArrowNorm, false);
  menus_->PopupMenu1Popup();
  expect(&QAction::isChecked, {"normalized1"}, false);
  expect(&QAction::isVisible, {"threshold1"}, false);  // the threshold belongs to normalized arrows

  open(dkWatercontent);  // a scalar kind without boundaries
  menus_->PopupMenu1Popup();
  expect(&QAction::isVisible, {"boundaries1"}, false);
  expect(&QAction::isVisible, {"initialconditions1"}, true);
}

TEST_F(PopupMenuState, RightClicksOpenTheMenuOfWhatIsUnderTheMouse) {
  open(dkTemperature);
  for (auto [widget, menu, other] :
       {std::tuple<QWidget*, QMenu*, QMenu*>{view_->OpenGL1.Widget(), menus_->PopupMenu1(),
                                             menus_->pmcsb()},
        std::tuple<QWidget*, QMenu*, QMenu*>{view_->csb->viewport(), menus_->pmcsb(),
                                             menus_->PopupMenu1()}}) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 40),
                            widget->mapToGlobal(QPoint(20, 40)));
    QCoreApplication::sendEvent(widget, &event);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(other->isVisible());
    testsupport::saveArtifact(menu->grab().toImage(), menu->objectName() + ".png");
    menu->hide();
  }
}

TEST_F(PopupMenuCommands, RefusedInputsKeepTheSettingAndValidOnesApply) {
  const auto setting = [&](const QString& entry) {
    if (entry == "threshold1") return QString::number(model().Threshold());
    if (entry == "format1") return model().NumberFormat();
    if (entry == "numberofcolors1") return QString::number(legend().BoxCount());
    return QString::number(model().Transform().ScaleY);
  };
  const struct {
    TDataKind kind;
    const char* entry;
    std::vector<const char*> refused;
    const char* error;  // the message shown for a refused input, if any
    const char* accepted;
  } table[] = {
      {dkTemperature,
       "format1",
       {"%d", "%s%s", "%f %f", "%*f", "%n%n", "100%"},
       "Invalid format spezifier",
       "%5.1f °C (100%%)"},
      {dkTemperature, "numberofcolors1", {"300", "256", "0", "-4"}, nullptr, "255"},
      {dkTemperature, "y1", {"two", "0", "NAN", "1e40"}, "Invalid zoom factor", "2"},
      {dkCapillaryFlux, "threshold1", {"0", "1.5", "-1"}, nullptr, "1"},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.entry);
    open(row.kind);
    model().SetThreshold(0.5f);  // so that taking 1 shows
    const QString before = setting(row.entry);
    const int updates = calls("UpdateViews");
    for (const char* refused : row.refused) {
      answer({QString::fromUtf8(refused)});
      click(row.entry);
      EXPECT_EQ(setting(row.entry), before) << refused;
      if (row.error != nullptr) {
        EXPECT_EQ(dialogs_->log.value(1), QStringLiteral("message:Error|") + row.error);
      }
    }
    EXPECT_EQ(calls("UpdateViews"), updates);
    answer({QString::fromUtf8(row.accepted)});
    click(row.entry);
    EXPECT_EQ(setting(row.entry), QString::fromUtf8(row.accepted));
  }
  answer({"half"});  // on the last row's view
  click("threshold1");
  EXPECT_EQ(boxes_.size(), 1) << "the conversion error is shown";
}

TEST_F(PopupMenuCommands, ExportsShowTheirErrorsAndInitialConditionsReadTheStepAgain) {
  open(dkTemperature);
  host_.File().NextStep();  // the second step is shown
  int rereads = 0;
  menus_->RereadStep = [&] { ++rereads; };
  click("initialconditions1");  // Cancel
  dialogs_->saveName = dir_.filePath("missing/initial.txt");
  click("initialconditions1");
  click("export1");  // the legend
  EXPECT_EQ(boxes_.size(), 2) << "each failed save shows its error";
  EXPECT_EQ(rereads, 0);
  EXPECT_EQ(host_.File().SavedPosition(), -1) << "the position is restored";
  EXPECT_EQ(host_.File().CurrentStepIndex(), 1);

  dialogs_->saveName = dir_.filePath("initial.txt");
  click("initialconditions1");
  EXPECT_GT(QFileInfo(dialogs_->saveName).size(), 0);
  EXPECT_EQ(rereads, 1);
  EXPECT_EQ(host_.File().SavedPosition(), -1);
}

}  // namespace
