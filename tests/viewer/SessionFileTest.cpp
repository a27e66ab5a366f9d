// The session file: every view setting and the window placement written and
// read back exactly, on any locale; a hostile file changes nothing that is
// invalid; a loaded session keeps its zoom although the window's resize fits
// the scale.
#include "base/Colors.h"
#include "base/Exceptions.h"
#include "base/IniFile.h"
#include "tests/viewer/LocaleGuard.h"
#include "tests/viewer/ViewTestHost.h"
#include "viewer/ColorLegendModel.h"
#include "viewer/SessionFile.h"
#include "viewer/SessionWindow.h"
#include "viewer/TFloatIniFile.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {

// A window that records what the session does to it. Like a view window it
// fits the view's scale whenever its size changes.
class FakeWindow final : public SessionWindow {
 public:
  QRect Bounds() const override { return bounds; }
  void SetBounds(const QRect& r) override {
    const bool resized = r.size() != bounds.size();
    bounds = r;
    if (resized) resizedNow();
  }
  int WindowState() const override { return state; }
  void SetWindowState(int s) override {
    if (s == state) return;
    state = s;
    resizedNow();
  }
  bool IsActive() const override { return active; }
  void Activate() override {
    active = true;
    ++activations;
  }

  QRect bounds{10, 20, 640, 480};
  int state = Normal;
  bool active = false;
  int activations = 0;
  std::function<void()> onResize;

 private:
  void resizedNow() {
    if (onResize) onResize();
  }
};

// One view of its own project (so the scalar views' shared transform rule
// does not link the views of a test).
struct View {
  explicit View(TDataKind kind) : host(6, 5, ViewTestHost::AllActive(6, 5)) {
    host.SetRange(kind, -10.0f, 30.0f);
    model = std::make_unique<ViewModel>(host, kind, legend);
    window.onResize = [this] { model->FitScale(); };
  }
  SessionView entry() { return SessionView{model.get(), &window, nullptr}; }

  ViewTestHost host;
  ColorLegendModel legend;
  std::unique_ptr<ViewModel> model;
  FakeWindow window;
};

void writeText(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text);
}

// Sets every stored setting of `v` to a value no view starts with.
void setUnusualSettings(View& v) {
  ViewModel& m = *v.model;
  m.SetDrawFlags(dfColorized | dfWireFrame | dfArrowNorm | dfArrowLog | dfSidePanel);
  m.SetShadeModel(ViewModel::glFlat);
  m.SetThreshold(0.3f);
  m.SetGridDepthFunc(ViewModel::glAlways);
  m.SetMatDepthFunc(0x0204);  // GL_GREATER
  m.SetArrowScale(2.7f);
  ViewTransform& t = m.TransformForUpdate();
  t.TranX = 0.1f;
  t.TranY = -0.07f;
  t.TranZ = 1e-7f;
  t.AngleX = 12.345f;
  t.AngleY = -33.3f;
  t.AngleZ = 1.0f / 3.0f;
  t.ScaleX = 0.012345f;
  t.ScaleY = 7.5f;
  t.ScaleZ = 1e20f;
  ColorLegendModel& l = v.legend;
  l.SetColorsLinear(false);
  l.SetBoxCount(3);
  l.SetBoxColor(1, base::clRed);
  l.SetBoxColor(2, 0x123456);
  l.SetBoxColor(3, base::clBtnFace);
  l.SetMinValAct(0.1 + 0.2);  // no 15-digit text holds this double
  l.SetMaxValAct(100.0 / 3.0);
  v.window.bounds = QRect(-5, 7, 701, 333);
  v.window.state = SessionWindow::Maximized;
  v.window.active = true;
}

void expectSameSettings(const ViewSessionSettings& a, const ViewSessionSettings& b) {
  // The file keeps the six flags up to ArrowLog; SidePanel and
  // MaterialBorders are not stored.
  EXPECT_EQ(a.DrawFlags & 63, b.DrawFlags & 63);
  EXPECT_EQ(a.Shade, b.Shade);
  EXPECT_EQ(a.Threshold, b.Threshold);
  EXPECT_EQ(a.GridDepthTest, b.GridDepthTest);
  EXPECT_EQ(a.MatDepthTest, b.MatDepthTest);
  EXPECT_EQ(a.Scale, b.Scale);
  EXPECT_EQ(a.TransX, b.TransX);
  EXPECT_EQ(a.TransY, b.TransY);
  EXPECT_EQ(a.TransZ, b.TransZ);
  EXPECT_EQ(a.AngleX, b.AngleX);
  EXPECT_EQ(a.AngleY, b.AngleY);
  EXPECT_EQ(a.AngleZ, b.AngleZ);
  EXPECT_EQ(a.ScaleX, b.ScaleX);
  EXPECT_EQ(a.ScaleY, b.ScaleY);
  EXPECT_EQ(a.ScaleZ, b.ScaleZ);
  EXPECT_EQ(a.nColors, b.nColors);
  EXPECT_EQ(a.Colors, b.Colors);
  EXPECT_EQ(a.MinCol, b.MinCol);
  EXPECT_EQ(a.MaxCol, b.MaxCol);
  EXPECT_EQ(a.Bounds, b.Bounds);
  EXPECT_EQ(a.WindowState, b.WindowState);
}

class Session : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString path() const { return dir_.filePath("veltrano.session"); }
  QTemporaryDir dir_;
};

TEST_F(Session, EveryKeyRoundTripsForAScalarAndAVectorView) {
  for (TDataKind kind : {dkTemperature, dkCapillaryFlux}) {
    SCOPED_TRACE(int(kind));
    View saved(kind), loaded(kind);
    setUnusualSettings(saved);
    SaveSessionFile(path(), {saved.entry()});

    loaded.model->SetDrawFlags(0);  // flags stored as true switch on
    ASSERT_TRUE(LoadSessionFile(path(), {loaded.entry()}));
    expectSameSettings(CaptureViewSettings(*saved.model, saved.window),
                       CaptureViewSettings(*loaded.model, loaded.window));
    EXPECT_EQ(loaded.window.activations, 1);
    EXPECT_FALSE(loaded.legend.ColorsLinear());
    EXPECT_TRUE(loaded.model->Dirty()) << "colours must be recomputed for the loaded legend";
  }
}

TEST_F(Session, WritesTheKeysInOrderUnderTheKindsSection) {
  View v(dkCapillaryFlux);
  setUnusualSettings(v);
  SaveSessionFile(path(), {v.entry()});
  const base::TIniFile ini(path());
  EXPECT_EQ(ini.ReadSections(), QStringList{"Cap.Flux"});
  const QStringList expected{
      "Colorized", "WireFrame",   "Outline",       "Arrow",        "ArrowNorm", "ArrowLog",
      "Shade",     "Threshold",   "GridDepthTest", "MatDepthTest", "Scale",     "TransX",
      "TransY",    "TransZ",      "AngleX",        "AngleY",       "AngleZ",    "ScaleX",
      "ScaleY",    "ScaleZ",      "nColors",       "Color0",       "Color1",    "Color2",
      "LinCol",    "MinCol",      "MaxCol",        "Left",         "Top",       "Width",
      "Height",    "WindowState", "Active"};
  EXPECT_EQ(ini.ReadSection("Cap.Flux"), expected);
  EXPECT_EQ(ini.ReadString("Cap.Flux", "Colorized", ""), "1");
  EXPECT_EQ(ini.ReadString("Cap.Flux", "Outline", ""), "0");
  EXPECT_EQ(ini.ReadString("Cap.Flux", "Shade", ""), "7424");
  EXPECT_EQ(ini.ReadString("Cap.Flux", "GridDepthTest", ""), "519");
  EXPECT_EQ(ini.ReadString("Cap.Flux", "Color0", ""), "255");  // row 1: red
  EXPECT_EQ(ini.ReadString("Cap.Flux", "WindowState", ""), "2");
}

TEST_F(Session, AWindowResizeDuringLoadingDoesNotUndoTheStoredZoom) {
  View saved(dkTemperature), loaded(dkTemperature);
  saved.model->FitScale();
  saved.model->TransformForUpdate().ScaleX *= 4.0f;  // zoomed in
  saved.model->TransformForUpdate().ScaleY *= 4.0f;
  saved.window.bounds = QRect(0, 0, 300, 200);
  SaveSessionFile(path(), {saved.entry()});

  ASSERT_TRUE(LoadSessionFile(path(), {loaded.entry()}));
  EXPECT_EQ(loaded.window.bounds, QRect(0, 0, 300, 200));
  EXPECT_EQ(loaded.model->Transform().ScaleX, saved.model->Transform().ScaleX);
  EXPECT_EQ(loaded.model->Transform().ScaleY, saved.model->Transform().ScaleY);
}

TEST_F(Session, FlagsStoredAsFalseLeaveTheViewsFlagsOn) {
  writeText(path(), "[Temperature]\r\nWireFrame=0\r\nOutline=0\r\nArrowLog=1\r\n");
  View v(dkTemperature);
  v.model->SetFlag(dfWireFrame, true);
  ASSERT_TRUE(LoadSessionFile(path(), {v.entry()}));
  EXPECT_TRUE(v.model->HasFlag(dfWireFrame));
  EXPECT_TRUE(v.model->HasFlag(dfOutline));  // on for kind 2 from the start
  EXPECT_TRUE(v.model->HasFlag(dfArrowLog));
}

TEST_F(Session, ThresholdIsTakenOnlyInsideZeroToOne) {
  View v(dkHeatFlux);
  v.model->SetThreshold(0.5f);
  for (const char* ignored : {"0", "1.5", "-0.2", "NAN"}) {
    writeText(path(), QByteArray("[HeatFlux]\r\nThreshold=") + ignored + "\r\n");
    ASSERT_TRUE(LoadSessionFile(path(), {v.entry()}));
    EXPECT_EQ(v.model->Threshold(), 0.5f) << ignored;
  }
  writeText(path(), "[HeatFlux]\r\nThreshold=1\r\n");
  ASSERT_TRUE(LoadSessionFile(path(), {v.entry()}));
  EXPECT_EQ(v.model->Threshold(), 1.0f);
}

TEST_F(Session, ASessionFromACommaLocaleLoadsOnAPointLocaleAndBack) {
  for (bool commaFirst : {true, false}) {
    SCOPED_TRACE(commaFirst);
    View saved(dkTemperature), loaded(dkTemperature);
    setUnusualSettings(saved);
    {
      LocaleGuard writer(commaFirst ? LocaleGuard::German() : LocaleGuard::English());
      SaveSessionFile(path(), {saved.entry()});
    }
    const base::TIniFile raw(path());
    EXPECT_TRUE(raw.ReadString("Temperature", "Threshold", "").contains(commaFirst ? ',' : '.'));
    LocaleGuard reader(commaFirst ? LocaleGuard::English() : LocaleGuard::German());
    loaded.model->SetDrawFlags(0);
    ASSERT_TRUE(LoadSessionFile(path(), {loaded.entry()}));
    expectSameSettings(CaptureViewSettings(*saved.model, saved.window),
                       CaptureViewSettings(*loaded.model, loaded.window));
  }
}

TEST_F(Session, GarbageValuesChangeNothing) {
  writeText(path(),
            "[Temperature]\r\n"
            "Colorized=yes\r\nShade=12345\r\nThreshold=abc\r\nGridDepthTest=-1\r\n"
            "MatDepthTest=$10000\r\nScale=NAN\r\nTransX=INF\r\nTransY=\r\nAngleZ=1e999\r\n"
            "ScaleX=0\r\nScaleY=-INF\r\nScaleZ=4e38\r\nnColors=100000\r\nColor0=zz\r\n"
            "MinCol=\"\"\r\nMaxCol=1,2,3\r\nLeft=99999999\r\nTop=-40000\r\nWidth=-5\r\n"
            "Height=0\r\nWindowState=7\r\nActive=maybe\r\n");
  View v(dkTemperature);
  v.model->FitScale();
  const ViewSessionSettings before = CaptureViewSettings(*v.model, v.window);
  const int boxes = v.legend.BoxCount();
  ASSERT_TRUE(LoadSessionFile(path(), {v.entry()}));
  expectSameSettings(before, CaptureViewSettings(*v.model, v.window));
  EXPECT_EQ(v.legend.BoxCount(), boxes);
  EXPECT_EQ(v.window.activations, 0);
}

TEST_F(Session, ColoursWithoutAUsableValueKeepTheRowsColour) {
  writeText(path(),
            "[Temperature]\r\nnColors=3\r\nColor0=$0000FF\r\nColor1=junk\r\n"
            "Color2=$7F00FF00\r\n");
  View v(dkTemperature);
  v.legend.SetColorsLinear(false);
  v.legend.SetBoxCount(3);
  v.legend.SetBoxColor(2, base::clLime);
  v.legend.SetBoxColor(3, base::clBlue);
  ASSERT_TRUE(LoadSessionFile(path(), {v.entry()}));
  EXPECT_EQ(v.legend.GetBoxColor(1), base::clRed);
  EXPECT_EQ(v.legend.GetBoxColor(2), base::clLime);
  EXPECT_EQ(v.legend.GetBoxColor(3), base::clBlue);  // a top byte no colour has
}

TEST_F(Session, MissingSectionsAndBinaryJunkLeaveViewsAlone) {
  View v(dkTemperature);
  v.legend.SetColorsLinear(true);
  const ViewSessionSettings before = CaptureViewSettings(*v.model, v.window);
  writeText(path(), "[Watercontent]\r\nArrow=1\r\nnColors=2\r\n");
  ASSERT_TRUE(LoadSessionFile(path(), {v.entry()}));
  expectSameSettings(before, CaptureViewSettings(*v.model, v.window));
  EXPECT_TRUE(v.legend.ColorsLinear());

  QByteArray junk;
  for (int i = 0; i < 5000; ++i) junk += char((i * 7919) % 251);
  writeText(path(), junk);
  ASSERT_TRUE(LoadSessionFile(path(), {v.entry()}));
  expectSameSettings(before, CaptureViewSettings(*v.model, v.window));
}

TEST_F(Session, AnUnreadableFileFailsBeforeAnyViewIsSuspended) {
  writeText(path(), QByteArray(base::TIniFile::MaxFileSize + 1, 'x'));
  View v(dkTemperature);
  EXPECT_THROW(LoadSessionFile(path(), {v.entry()}), base::EFileError);
  EXPECT_FALSE(v.model->PaintSuspended());
}

TEST_F(Session, LoadingSuspendsPaintingAndRepaintsAtTheEnd) {
  View v(dkTemperature);
  int repaints = 0;
  v.model->OnRepaint = [&] { ++repaints; };
  EXPECT_FALSE(LoadSessionFile(path(), {v.entry()})) << "no file, nothing loaded";
  EXPECT_EQ(repaints, 0);

  writeText(path(), "[Temperature]\r\nWidth=500\r\n");
  bool suspendedWhileReading = false;
  v.window.onResize = [&] { suspendedWhileReading = v.model->PaintSuspended(); };
  ASSERT_TRUE(LoadSessionFile(path(), {v.entry()}));
  EXPECT_TRUE(suspendedWhileReading);
  EXPECT_FALSE(v.model->PaintSuspended());
  EXPECT_GE(repaints, 1);
}

TEST_F(Session, SavingKeepsOtherSectionsAndTheLastViewOfAKindWins) {
  writeText(path(), "[Plenvy]\r\nPath=/opt/plenvy\r\n");
  View first(dkTemperature), second(dkTemperature);
  first.window.bounds = QRect(1, 1, 100, 100);
  second.window.bounds = QRect(2, 2, 200, 200);
  SaveSessionFile(path(), {first.entry(), second.entry()});
  const base::TIniFile ini(path());
  EXPECT_EQ(ini.ReadString("Plenvy", "Path", ""), "/opt/plenvy");
  EXPECT_EQ(ini.ReadInteger("Temperature", "Width", 0), 200);
}

TEST_F(Session, AFailedSaveRaisesItsError) {
  View v(dkTemperature);
  EXPECT_THROW(SaveSessionFile(dir_.filePath("no/such/folder/x.session"), {v.entry()}),
               base::EFileError);
}

}  // namespace
