// The two popup menus of real view windows, with dialogs answered from a
// script: the marks and visibility that opening a menu sets from the view
// (read after the on-open handler ran; no menu runs modally), what the
// entries do with accepted and refused inputs, and the file exports.
#include "base/Colors.h"
#include "chart/core/ChartEngine.h"
#include "platform/TApplication.h"
#include "tests/support/Artifacts.h"
#include "tests/viewer/NavigationTestHost.h"
#include "viewer/view/TfrmData1D.h"
#include "viewer/view/TfrmGLBase.h"
#include "viewer/view/ViewDialogs.h"
#include "viewer/view/ViewPopupMenus.h"
#include "viewer/widgets/TColorScrollBox.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QOpenGLWidget>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <functional>
#include <map>
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
    // Paints reach only a window the display shows.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    view_->OpenGL1.Widget()->installEventFilter(&paints_);
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

  // Counts the paints of the drawing area.
  struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      count += e->type() == QEvent::Paint;
      return false;
    }
  } paints_;
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
         {"normalized1", "threshold1", "logarithmic2", "scaling1", "image1", "detail1", "detail2"},
         false);
  expect(&QAction::isVisible,
         {"fill1", "shademodel1", "sidepanel1", "boundaries1", "initialconditions1", "Data1"},
         true);
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

TEST_F(PopupMenuCommands, DataOpensTheExtractorOverTheProgramForTheViewsField) {
  ChartEngineScope engine;
  open(dkTemperature);
  click("Data1");
  TfrmData1D* window = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<TfrmData1D*>(w)) window = d;
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(window->Model().Nx(), host_.File().Nx());
  delete window;
}

// Every entry of both menus, clicked once on a fresh view whose setting is
// first put at `before`: the setting changes as far as the entry says, each
// dialog asks with the caption, prompt and prefilled text the user sees (once
// per answer), and the drawing is repainted exactly when the command says so.
TEST_F(PopupMenuCommands, EveryEntryChangesItsSettingAsksAsShownAndRepaintsWhenItShould) {
  const QString legendFile = dir_.filePath("three.leg"), exported = dir_.filePath("out.leg");
  {
    QFile f(legendFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Legend]\nMinValDefault=0\nMaxValDefault=1000\nMinVal=100\nMaxVal=900\nCount=3\n");
  }
  const auto number = [](auto v) { return QString::number(v); };
  const auto flag = [&](TDrawFlag f) { return [&, f] { return number(model().HasFlag(f)); }; };
  const std::map<QString, std::function<QString()>> read = {
      {"wire", flag(dfWireFrame)},
      {"grid", flag(dfOutline)},
      {"borders", flag(dfMaterialBorders)},
      {"panel", flag(dfSidePanel)},
      {"norm", flag(dfArrowNorm)},
      {"log", flag(dfArrowLog)},
      {"shade", [&] { return number(model().ShadeModel()); }},
      {"gridDepth", [&] { return number(model().GridDepthFunc()); }},
      {"matDepth", [&] { return number(model().MatDepthFunc()); }},
      {"lighted", [&] { return number(model().SidePanelLighted()); }},
      {"numbers", [&] { return number(model().NumberingEnabled()); }},
      {"format", [&] { return model().NumberFormat(); }},
      {"sides", [&] { return number(model().BoundarySides()); }},
      {"threshold", [&] { return number(model().Threshold()); }},
      {"arrowScale", [&] { return number(model().ArrowScale()); }},
      {"linear", [&] { return number(legend().ColorsLinear()); }},
      {"exported", [&] { return number(QFileInfo::exists(exported)); }},
      {"clipboard", [&] { return number(QGuiApplication::clipboard()->image().height() > 100); }},
      {"scales",
       [&] {
         const ViewTransform& t = model().Transform();
         return QStringLiteral("%1 %2 %3").arg(t.ScaleX).arg(t.ScaleY).arg(t.ScaleZ);
       }},
      {"legend",
       [&] {
         const ColorLegendModel& l = legend();
         return QStringLiteral("%1 %2 %3").arg(l.BoxCount()).arg(l.MinValAct()).arg(l.MaxValAct());
       }},
  };
  // Puts a setting at the `before` of a row that a fresh view does not start with.
  const std::map<QString, std::function<void(const QString&)>> put = {
      {"shade", [&](const QString& v) { model().SetShadeModel(v.toUInt()); }},
      {"gridDepth", [&](const QString& v) { model().SetGridDepthFunc(v.toUInt()); }},
      {"matDepth", [&](const QString& v) { model().SetMatDepthFunc(v.toUInt()); }},
      {"sides", [&](const QString& v) { model().SetBoundarySides(std::uint8_t(v.toUInt())); }},
      {"scales",
       [&](const QString& v) {
         const float s = v.section(' ', 0, 0).toFloat();
         model().SetScaleX(s);
         model().SetScaleY(s);
         model().SetScaleZ(s);
       }},
  };
  constexpr TDataKind T = dkTemperature, F = dkCapillaryFlux;
  const std::optional<QString> cancel;
  const char *format = "Change number format|Format specifier|%4.0f",
             *colours10 = "colors|Enter number of colors|10",
             *colours1 = "colors|Enter number of colors|1",
             *lower = "interval:lowerbound|Enter lowerbound of interval|0",
             *upper = "interval:upperbound|Enter upperbound of interval|1000",
             *threshold = "Random threshold|Enter threshold value|1",
             *scaling = "drawing mode:scaling|Enter factor of scaling|1";
  const struct {
    TDataKind kind;
    const char *entry, *reads, *before, *after;
    bool repaints;
    std::vector<std::optional<QString>> answers = {};
    const char* asked = nullptr;  // caption|prompt|text of each question
    int updates = 0;              // calls of the project's UpdateViews, which repaint the views
  } table[] = {
      {T, "fill1", "wire", "0", "1", true},
      {T, "flat1", "shade", "7425", "7424", true},
      {T, "smooth1", "shade", "7424", "7425", true},
      {T, "Grid1", "grid", "1", "0", true},
      {T, "depthtest1", "gridDepth", "515", "519", true},  // LEQUAL to ALWAYS
      {T, "depthtest1", "gridDepth", "513", "515", true},
      {T, "always1", "gridDepth", "515", "519", true},  // the hidden detail entries
      {T, "greater2", "matDepth", "515", "516", true},
      {T, "visible2", "borders", "1", "0", true},
      {T, "depthtest2", "matDepth", "519", "515", true},
      {T, "visible1", "panel", "1", "0", true},
      {T, "lighted1", "lighted", "0", "1", true},
      {T, "enabled1", "numbers", "0", "1", true},
      {T, "format1", "format", "%4.0f", "%6.2f", false, {"%6.2f"}, format},
      {T, "top1", "sides", "15", "14", true},
      {T, "left1", "sides", "15", "13", true},
      {T, "bottom1", "sides", "15", "11", true},
      {T, "right1", "sides", "7", "15", true},
      {T, "x1", "scales", "2 2 2", "0.5 2 2", false, {"0.5"}, "Change zoom factor|x-zoom|2"},
      {T, "y1", "scales", "2 2 2", "2 3 2", false, {"3"}, "Change zoom factor|y-zoom|2"},
      {T, "z1", "scales", "2 2 2", "2 2 0.25", false, {"0.25"}, "Change zoom factor|z-zoom|2"},
      {T, "in1", "scales", "2 2 2", "2.25 2.25 2.25", true},
      {T, "out1", "scales", "2.25 2.25 2.25", "2 2 2", true},
      {T, "normalized1", "norm", "0", "0", false},  // no arrows to normalise
      {T, "numberofcolors1", "legend", "10 0 1000", "4 0 1000", false, {"4"}, colours10, 1},
      {T, "deletecolor1", "legend", "10 0 1000", "9 0 1000", false, {}, nullptr, 1},
      {T, "linearizecolors1", "linear", "1", "0", false, {}, nullptr, 1},
      {T, "lowerbound1", "legend", "10 0 1000", "10 -5 1000", true, {"-5"}, lower},
      {T, "upperbound1", "legend", "10 0 1000", "10 0 500", true, {"500"}, upper},
      {T, "lowerbound1", "legend", "10 0 1000", "10 0 1000", false, {cancel}, lower},
      {T, "import1", "legend", "10 0 1000", "3 100 900", true},
      {T, "export1", "exported", "0", "1", false},
      {T, "copytoclipboard1", "clipboard", "0", "1", false},
      {F, "normalized1", "norm", "1", "0", true},
      {F, "logarithmic2", "log", "0", "1", true},
      {F, "threshold1", "threshold", "1", "0.25", false, {"0.25"}, threshold},
      {F, "scaling1", "arrowScale", "1", "2.5", false, {"two", "", "2.5"}, scaling},
      {F, "scaling1", "arrowScale", "1", "1", false, {"x", cancel}, scaling},
      {F, "Grid1", "grid", "0", "1", true},
      {F, "numberofcolors1", "legend", "1 0 2", "5 0 2", false, {"5"}, colours1, 1},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(testing::Message() << row.entry << " on kind " << int(row.kind));
    open(row.kind);
    QGuiApplication::clipboard()->clear();
    dialogs_->openName = legendFile;
    dialogs_->saveName = exported;
    answer({});
    dialogs_->answers.assign(row.answers.begin(), row.answers.end());
    const int updates = calls("UpdateViews");
    const auto& state = read.at(QString::fromLatin1(row.reads));
    const QString before = QString::fromUtf8(row.before);
    if (state() != before) put.at(QString::fromLatin1(row.reads))(before);
    ASSERT_EQ(state(), before);
    QCoreApplication::processEvents();  // paints that were due before
    paints_.count = 0;
    click(row.entry);
    QCoreApplication::processEvents();  // a repaint reaches the drawing here
    EXPECT_EQ(state(), QString::fromUtf8(row.after));
    QStringList asked;
    for (std::size_t n = 0; n < row.answers.size(); ++n) asked << QString::fromUtf8(row.asked);
    EXPECT_EQ(dialogs_->log, asked);
    EXPECT_EQ(calls("UpdateViews") - updates, row.updates);
    if (row.updates == 0) {
      EXPECT_EQ(paints_.count > 0, row.repaints) << paints_.count << " paints";
    }
  }
  EXPECT_TRUE(boxes_.isEmpty()) << boxes_.join('\n').toStdString();
}

// A new lower bound recolours the relief at the next paint even when no
// step comes: the colours of the heights follow the narrowed interval.
TEST_F(PopupMenuCommands, ANewBoundRecoloursTheReliefAtTheNextPaint) {
  open(dkTemperature);
  model().PrepareForPaint();
  const std::vector<std::uint8_t> before = model().Colors();
  answer({QStringLiteral("400")});
  click("lowerbound1");
  model().PrepareForPaint();
  EXPECT_NE(model().Colors(), before);
  const std::size_t centre = std::size_t(model().Grid()->CentreBase() + 5 * 9 + 4);
  const float z = model().Vertices()[centre].Z;
  const base::TColor shown =
      base::RGB(model().Colors()[centre * 3], model().Colors()[centre * 3 + 1],
                model().Colors()[centre * 3 + 2]);
  EXPECT_EQ(shown, base::ColorToRGB(legend().ValueToInterpolatedColor(z)));
}

}  // namespace
