// What the entries of the two popup menus do to a real view window, with
// their dialogs answered from a script: accepted and refused inputs, the
// legend file and initial-conditions exports, and the legend's colour dialog.
#include "base/Colors.h"
#include "base/IniFile.h"
#include "platform/TApplication.h"
#include "tests/viewer/LocaleGuard.h"
#include "tests/viewer/PopupMenuFakes.h"
#include "viewer/ColorLegendModel.h"
#include "viewer/TColorScrollBox.h"
#include "viewer/TfrmGLBase.h"
#include "viewer/ViewPopupMenus.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

namespace {

class PopupMenuCommands : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    host_ = std::make_unique<CountingHost>(CountingHost::WriteFile(dir_.path()));
    TApplication::SetMessageBoxHook([this](QMessageBox::Icon, const QString& title,
                                           const QString& text) { boxes_ << title + "|" + text; });
  }
  void TearDown() override { TApplication::SetMessageBoxHook(nullptr); }

  void open(TDataKind kind) {
    view_ = std::make_unique<TfrmGLBase>(*host_, kind);
    view_->resize(640, 420);
    view_->show();
    menus_ = ViewPopupMenusOf(*view_);
    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs_ = dialogs.get();
    menus_->SetDialogs(std::move(dialogs));
  }
  // Clicks an entry as the user would (through its action).
  void click(const char* name) {
    QAction* a = menus_->Item(QString::fromLatin1(name));
    ASSERT_NE(a, nullptr) << name;
    a->trigger();
  }
  void answer(std::initializer_list<std::optional<QString>> answers) {
    dialogs_->answers.assign(answers.begin(), answers.end());
    dialogs_->log.clear();
  }
  ViewModel& model() { return view_->Model(); }
  ColorLegendModel& legend() { return view_->csb->Model(); }

  LocaleGuard english_{LocaleGuard::English()};
  QTemporaryDir dir_;
  std::unique_ptr<CountingHost> host_;
  std::unique_ptr<TfrmGLBase> view_;
  ViewPopupMenus* menus_ = nullptr;
  ScriptedDialogs* dialogs_ = nullptr;
  QStringList boxes_;
};

TEST_F(PopupMenuCommands, ThresholdTakesOnlyValuesAboveZeroUpToOne) {
  open(dkCapillaryFlux);
  model().SetThreshold(0.5f);
  for (const char* ignored : {"0", "1.5", "-1"}) {
    answer({QString::fromLatin1(ignored)});
    click("threshold1");
    EXPECT_EQ(model().Threshold(), 0.5f) << ignored;
  }
  EXPECT_EQ(dialogs_->log, QStringList{"Random threshold|Enter threshold value|0.5"});
  answer({"1"});
  click("threshold1");
  EXPECT_EQ(model().Threshold(), 1.0f);

  answer({"half"});
  click("threshold1");
  EXPECT_EQ(model().Threshold(), 1.0f);
  ASSERT_EQ(boxes_.size(), 1) << "the conversion error is shown";
  EXPECT_TRUE(boxes_[0].contains("'half' is not a valid floating point value"))
      << boxes_[0].toStdString();
}

TEST_F(PopupMenuCommands, ScalingAsksAgainUntilANumberOrCancel) {
  open(dkCapillaryFlux);
  answer({"x", "", "INF", "2.5"});
  click("scaling1");
  EXPECT_EQ(model().ArrowScale(), 2.5f);
  ASSERT_EQ(dialogs_->log.size(), 4);
  for (const QString& prompt : dialogs_->log)
    EXPECT_EQ(prompt, "drawing mode:scaling|Enter factor of scaling|1");
  EXPECT_TRUE(boxes_.isEmpty()) << "no message between the tries";

  answer({"abc", std::nullopt});
  click("scaling1");
  EXPECT_EQ(model().ArrowScale(), 2.5f);
  EXPECT_EQ(dialogs_->log.size(), 2);
}

TEST_F(PopupMenuCommands, NumberFormatNeedsExactlyOneFloatConversion) {
  open(dkTemperature);
  const QString before = model().NumberFormat();
  for (const char* bad : {"%d", "%s%s", "%f %f", "%*f", "%n%n", "100%"}) {
    answer({QString::fromLatin1(bad)});
    click("format1");
    EXPECT_EQ(model().NumberFormat(), before) << bad;
    EXPECT_EQ(dialogs_->log.value(1), "message:Error|Invalid format spezifier") << bad;
  }
  answer({QStringLiteral("%5.1f °C (100%%)")});
  click("format1");
  EXPECT_EQ(model().NumberFormat(), QStringLiteral("%5.1f °C (100%%)"));
  EXPECT_EQ(dialogs_->log, QStringList{"Change number format|Format specifier|" + before});
  answer({std::nullopt});
  click("format1");
  EXPECT_EQ(model().NumberFormat(), QStringLiteral("%5.1f °C (100%%)"));
}

TEST_F(PopupMenuCommands, ZoomFactorsAndZoomSteps) {
  open(dkTemperature);
  const float fitted = model().Transform().ScaleY;
  answer({"2"});
  click("x1");
  EXPECT_EQ(model().Transform().ScaleX, 2.0f);
  EXPECT_EQ(dialogs_->log.value(0).section('|', 0, 1), "Change zoom factor|x-zoom");

  for (const char* bad : {"two", "0", "NAN", "1e40"}) {
    answer({QString::fromLatin1(bad)});
    click("y1");
    EXPECT_EQ(model().Transform().ScaleY, fitted) << bad;
    EXPECT_EQ(dialogs_->log.value(1), "message:Error|Invalid zoom factor") << bad;
  }
  answer({"0.5"});
  click("z1");
  EXPECT_EQ(model().Transform().ScaleZ, 0.5f);

  click("in1");
  EXPECT_FLOAT_EQ(model().Transform().ScaleX, 2.0f * 1.125f);
  EXPECT_FLOAT_EQ(model().Transform().ScaleY, fitted * 1.125f);
  click("out1");
  click("out1");
  EXPECT_FLOAT_EQ(model().Transform().ScaleZ, 0.5f / 1.125f);
}

TEST_F(PopupMenuCommands, TogglesChangeTheirSetting) {
  open(dkTemperature);
  click("fill1");
  EXPECT_TRUE(model().HasFlag(dfWireFrame));
  click("Grid1");
  EXPECT_FALSE(model().HasFlag(dfOutline));
  click("depthtest1");
  EXPECT_EQ(model().GridDepthFunc(), ViewModel::glAlways);
  click("depthtest1");
  EXPECT_EQ(model().GridDepthFunc(), ViewModel::glLequal);
  click("less2");
  click("depthtest2");
  EXPECT_EQ(model().MatDepthFunc(), ViewModel::glLequal) << "any other function becomes LEQUAL";
  click("visible2");
  EXPECT_FALSE(model().HasFlag(dfMaterialBorders));
  click("flat1");
  EXPECT_EQ(model().ShadeModel(), ViewModel::glFlat);
  click("visible1");
  click("lighted1");
  click("enabled1");
  EXPECT_FALSE(model().HasFlag(dfSidePanel));
  EXPECT_TRUE(model().SidePanelLighted());
  EXPECT_TRUE(model().NumberingEnabled());
  click("left1");
  click("right1");
  EXPECT_EQ(model().BoundarySides(), bsTop | bsBottom);

  // normalized changes only arrow views.
  click("normalized1");
  EXPECT_FALSE(model().HasFlag(dfArrowNorm));
  open(dkCapillaryFlux);
  click("normalized1");
  EXPECT_FALSE(model().HasFlag(dfArrowNorm));
  click("logarithmic2");
  EXPECT_TRUE(model().HasFlag(dfArrowLog));
}

TEST_F(PopupMenuCommands, NumberOfColoursAcceptsOneTo255) {
  open(dkTemperature);
  for (const char* bad : {"300", "256", "0", "-4"}) {
    answer({QString::fromLatin1(bad)});
    click("numberofcolors1");
    EXPECT_EQ(legend().BoxCount(), 10) << bad;
  }
  EXPECT_EQ(host_->updates, 0);
  EXPECT_EQ(dialogs_->log, QStringList{"colors|Enter number of colors|10"});
  answer({"255"});
  click("numberofcolors1");
  EXPECT_EQ(legend().BoxCount(), 255);
  EXPECT_EQ(host_->updates, 1);
}

TEST_F(PopupMenuCommands, IntervalBoundsAndLinearColours) {
  open(dkTemperature);
  answer({"-5.5"});
  click("lowerbound1");
  EXPECT_EQ(legend().MinValAct(), -5.5);
  EXPECT_EQ(dialogs_->log.value(0), "interval:lowerbound|Enter lowerbound of interval|-10");
  answer({"25"});
  click("upperbound1");
  EXPECT_EQ(legend().MaxValAct(), 25.0);
  EXPECT_EQ(dialogs_->log.value(0), "interval:upperbound|Enter upperbound of interval|30");
  ASSERT_TRUE(legend().ColorsLinear());
  click("linearizecolors1");
  EXPECT_FALSE(legend().ColorsLinear());
  EXPECT_EQ(host_->updates, 1);
}

TEST_F(PopupMenuCommands, LegendExportAndImportGoThroughTheirDialogs) {
  open(dkTemperature);
  dialogs_->saveName = dir_.filePath("mine.leg");
  legend().SetColorsLinear(false);
  legend().SetBoxColor(2, base::clRed);
  click("export1");
  EXPECT_EQ(dialogs_->log.value(0), "save:Norbex Legend|*.leg|leg");
  ASSERT_TRUE(QFileInfo::exists(dialogs_->saveName));
  EXPECT_EQ(base::TIniFile(dialogs_->saveName).ReadString("Legend", "Color2", ""), "clRed");

  open(dkWatercontent);
  int changes = 0;
  auto previous = legend().OnColorChanged;
  legend().OnColorChanged = [&] {
    ++changes;
    if (previous) previous();
  };
  dialogs_->openName = dir_.filePath("mine.leg");
  click("import1");
  EXPECT_EQ(dialogs_->log.value(0), "open:Norbex Legend|*.leg|leg");
  EXPECT_EQ(legend().GetBoxColor(2), base::clRed);
  EXPECT_EQ(legend().MinValAct(), -10.0);
  EXPECT_GE(changes, 1);

  dialogs_->openName = dir_.filePath("missing/none.leg");
  dialogs_->saveName = dir_.filePath("missing/none.leg");
  click("export1");
  ASSERT_EQ(boxes_.size(), 1) << "a failed save shows its error";
}

TEST_F(PopupMenuCommands, InitialConditionsAreWrittenAndTheStepReadAgain) {
  open(dkTemperature);
  int rereads = 0;
  menus_->RereadStep = [&] { ++rereads; };
  dialogs_->saveName = QString();
  click("initialconditions1");
  EXPECT_EQ(dialogs_->log.value(0), "save:Textfiles (*.txt)|*.txt|All Files|*.*|txt");
  EXPECT_EQ(rereads, 0) << "Cancel changes nothing";
  EXPECT_EQ(host_->File().SavedPosition(), -1);

  dialogs_->saveName = dir_.filePath("initial.txt");
  click("initialconditions1");
  EXPECT_TRUE(QFileInfo(dialogs_->saveName).size() > 0);
  EXPECT_EQ(rereads, 1);
  EXPECT_EQ(host_->File().SavedPosition(), -1);
}

TEST_F(PopupMenuCommands, LegendRowClickUsesTheColourDialogAndItsCustomColours) {
  open(dkTemperature);
  QStringList offered;
  view_->csb->ChooseColor = [&](base::TColor& color, QStringList& custom) {
    offered = custom;
    color = base::clFuchsia;
    custom = QStringList{"ColorA=123456"};
    return true;
  };
  legend().ColorBoxClick(1);
  EXPECT_EQ(offered, (QStringList{"ColorA=788a8f", "ColorB=e0e6e6"}));
  EXPECT_EQ(legend().GetBoxColor(1), base::clFuchsia);
  EXPECT_EQ(legend().CustomColor(), QStringList{"ColorA=123456"});

  view_->csb->ChooseColor = [](base::TColor& color, QStringList&) {
    color = base::clLime;
    return false;  // cancelled
  };
  legend().ColorBoxClick(1);
  EXPECT_EQ(legend().GetBoxColor(1), base::clFuchsia);
}

}  // namespace
