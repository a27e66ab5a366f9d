// The session file and legend files (".leg"): every setting written with the
// keys users' files have and read back exactly whatever the locales of writer
// and reader; a hostile file changes nothing invalid.
#include "base/Colors.h"
#include "base/Convert.h"
#include "base/Exceptions.h"
#include "base/IniFile.h"
#include "tests/viewer/LocaleGuard.h"
#include "tests/viewer/ViewTestHost.h"
#include "viewer/view/LegendFile.h"
#include "viewer/view/SessionFile.h"
#include "viewer/view/SessionWindow.h"
#include "viewer/view/TFloatIniFile.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Like a view window, it fits the view's scale whenever its size changes.
class FakeWindow final : public SessionWindow {
 public:
  QRect Bounds() const override { return bounds; }
  void SetBounds(const QRect& r) override {
    if (std::exchange(bounds, r).size() != r.size()) onResize();
  }
  int WindowState() const override { return state; }
  void SetWindowState(int s) override {
    if (std::exchange(state, s) != s) onResize();
  }
  bool IsActive() const override { return active; }
  void Activate() override { ++activations; }

  QRect bounds{10, 20, 640, 480};
  int state = Normal;
  bool active = false;
  int activations = 0;
  std::function<void()> onResize;
};

// One view of its own project, so the shared transform rule links no views.
struct View {
  explicit View(TDataKind kind) : host(6, 5, ViewTestHost::AllActive(6, 5)) {
    host.SetRange(kind, -10.0f, 30.0f);
    model = std::make_unique<ViewModel>(host, kind, legend);
    window.onResize = [this] { model->FitScale(); };
  }
  SessionView entry() { return SessionView{model.get(), &window, nullptr}; }
  // What the file keeps: the six flags up to ArrowLog and every other setting.
  auto stored() const {
    const ViewSessionSettings s = CaptureViewSettings(*model, window);
    return std::tuple(s.DrawFlags & 63, s.Shade, s.Threshold, s.GridDepthTest, s.MatDepthTest,
                      s.Scale, s.TransX, s.TransY, s.TransZ, s.AngleX, s.AngleY, s.AngleZ, s.ScaleX,
                      s.ScaleY, s.ScaleZ, s.nColors, s.Colors, s.MinCol, s.MaxCol, s.Bounds,
                      s.WindowState);
  }

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

// A legend no view starts with.
void setUnusual(ColorLegendModel& l) {
  l.SetColorsLinear(false);
  l.SetBoxCount(3);
  l.SetMinVal(-10.0 / 3.0);
  l.SetMaxVal(0.1 + 0.2);
  l.SetMinValAct(-1.0 / 7.0);  // no 15-digit text holds this double
  l.SetMaxValAct(0.25);
  l.SetDigits(4);
  l.SetBoxColor(1, base::clRed);
  l.SetBoxColor(2, 0x00123456);
  l.SetBoxColor(3, base::clBtnFace);
  l.SetColor(base::clCream);
  l.CustomColor() = QStringList{"ColorA=102030", "ColorB=e0e6e6", "ColorC=FFFFFF"};
}

// Sets every stored setting to a value no view starts with.
void setUnusualSettings(View& v) {
  ViewModel& m = *v.model;
  m.SetDrawFlags(dfColorized | dfWireFrame | dfArrowNorm | dfArrowLog | dfSidePanel);
  m.SetShadeModel(ViewModel::glFlat);
  m.SetThreshold(0.3f);
  m.SetGridDepthFunc(ViewModel::glAlways);
  m.SetMatDepthFunc(0x0204);  // GL_GREATER
  m.SetArrowScale(2.7f);
  using T = ViewTransform;
  const std::pair<float T::*, float> transform[] = {
      {&T::TranX, 0.1f},       {&T::TranY, -0.07f},  {&T::TranZ, 1e-7f},
      {&T::AngleX, 12.345f},   {&T::AngleY, -33.3f}, {&T::AngleZ, 1.0f / 3.0f},
      {&T::ScaleX, 0.012345f}, {&T::ScaleY, 7.5f},   {&T::ScaleZ, 1e20f}};
  for (const auto& [field, value] : transform) m.TransformForUpdate().*field = value;
  setUnusual(v.legend);
  v.window.bounds = QRect(-5, 7, 701, 333);
  v.window.state = SessionWindow::Maximized;
  v.window.active = true;
}

void expectSameLegend(const ColorLegendModel& a, const ColorLegendModel& b) {
  const auto kept = [](const ColorLegendModel& l) {
    std::vector<base::TColor> rows;
    for (int i = 1; i <= l.BoxCount(); ++i) rows.push_back(l.GetBoxColor(i));
    return std::tuple(l.MinVal(), l.MaxVal(), l.MinValAct(), l.MaxValAct(), l.Digits(), rows,
                      l.Color(), l.CustomColor());
  };
  EXPECT_EQ(kept(a), kept(b));
}

class Files : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString sessionPath() const { return dir_.filePath("veltrano.session"); }
  QString legendPath() const { return dir_.filePath("wall.leg"); }
  QTemporaryDir dir_;
};
using Session = Files;
using LegendFile = Files;

TEST_F(Session, EveryKeyRoundTripsForAScalarAndAVectorViewBetweenLocales) {
  for (const auto& [kind, comma] :
       {std::pair{dkTemperature, true}, std::pair{dkCapillaryFlux, false}}) {
    SCOPED_TRACE(int(kind));
    View saved(kind), loaded(kind);
    setUnusualSettings(saved);
    {
      LocaleGuard writer(comma ? LocaleGuard::German() : LocaleGuard::English());
      SaveSessionFile(sessionPath(), {saved.entry()});
    }
    EXPECT_TRUE(base::TIniFile(sessionPath())
                    .ReadString(SessionSection(kind), "Threshold", "")
                    .contains(comma ? ',' : '.'));
    LocaleGuard reader(comma ? LocaleGuard::English() : LocaleGuard::German());
    loaded.model->SetDrawFlags(0);  // flags stored as true switch on
    ASSERT_TRUE(LoadSessionFile(sessionPath(), {loaded.entry()}));
    EXPECT_EQ(saved.stored(), loaded.stored());
    EXPECT_EQ(loaded.window.activations, 1);
    EXPECT_FALSE(loaded.legend.ColorsLinear());
    EXPECT_TRUE(loaded.model->Dirty()) << "colours must be recomputed for the loaded legend";
  }
}

TEST_F(Session, SavingKeepsOtherSectionsAndReportsFailures) {
  writeText(sessionPath(), "[Plenvy]\r\nPath=/opt/plenvy\r\n");
  View flux(dkCapillaryFlux);
  SaveSessionFile(sessionPath(), {flux.entry()});
  const base::TIniFile ini(sessionPath());
  EXPECT_EQ(ini.ReadSections(), (QStringList{"Plenvy", "Cap.Flux"}));
  EXPECT_EQ(ini.ReadString("Plenvy", "Path", ""), "/opt/plenvy");
  EXPECT_THROW(SaveSessionFile(dir_.filePath("no/such/folder/x.session"), {flux.entry()}),
               base::EFileError);
}

TEST_F(Session, FlagsReadAsFalseStayOnAndThresholdsOutsideZeroToOneAreIgnored) {
  writeText(sessionPath(), "[Temperature]\r\nWireFrame=0\r\nOutline=0\r\nArrowLog=1\r\n");
  View t(dkTemperature);
  t.model->SetFlag(dfWireFrame, true);
  ASSERT_TRUE(LoadSessionFile(sessionPath(), {t.entry()}));
  EXPECT_TRUE(t.model->HasFlag(dfWireFrame));
  EXPECT_TRUE(t.model->HasFlag(dfOutline));  // on for kind 2 from the start
  EXPECT_TRUE(t.model->HasFlag(dfArrowLog));

  View v(dkHeatFlux);
  v.model->SetThreshold(0.5f);
  for (const std::string threshold : {"0", "1.5", "-0.2", "NAN", "1"}) {
    writeText(sessionPath(), QByteArray("[HeatFlux]\r\nThreshold=") + threshold.c_str() + "\r\n");
    ASSERT_TRUE(LoadSessionFile(sessionPath(), {v.entry()}));
    EXPECT_EQ(v.model->Threshold(), threshold == "1" ? 1.0f : 0.5f) << threshold;
  }
}

TEST_F(Session, HostileFilesChangeNothingInvalid) {
  QByteArray junk;
  for (int i = 0; i < 5000; ++i) junk += char((i * 7919) % 251);
  const QByteArray files[] = {
      "[Temperature]\r\n"
      "Colorized=yes\r\nShade=12345\r\nThreshold=abc\r\nGridDepthTest=-1\r\n"
      "MatDepthTest=$10000\r\nScale=NAN\r\nTransX=INF\r\nTransY=\r\nAngleZ=1e999\r\n"
      "ScaleX=0\r\nScaleY=-INF\r\nScaleZ=4e38\r\nnColors=100000\r\nColor0=zz\r\n"
      "MinCol=\"\"\r\nMaxCol=1,2,3\r\nLeft=99999999\r\nTop=-40000\r\nWidth=-5\r\n"
      "Height=0\r\nWindowState=7\r\nActive=maybe\r\n",
      "[Watercontent]\r\nArrow=1\r\nnColors=2\r\n",  // no section of this view
      junk,
  };
  for (const QByteArray& text : files) {
    View v(dkTemperature);
    v.model->FitScale();
    v.legend.SetColorsLinear(true);
    const auto before = v.stored();
    const int boxes = v.legend.BoxCount();
    writeText(sessionPath(), text);
    ASSERT_TRUE(LoadSessionFile(sessionPath(), {v.entry()}));
    EXPECT_EQ(v.stored(), before) << text.left(40).constData();
    EXPECT_EQ(v.legend.BoxCount(), boxes);
    EXPECT_EQ(v.legend.ColorsLinear(), !text.startsWith("[Temperature]")) << "not loaded";
    EXPECT_EQ(v.window.activations, 0);
  }

  // Colours without a usable value keep the row's colour.
  writeText(sessionPath(),
            "[Temperature]\r\nnColors=3\r\nColor0=$00FF00\r\nColor1=junk\r\n"
            "Color2=$7F00FF00\r\n");  // a top byte no colour has
  View v(dkTemperature);
  setUnusual(v.legend);
  ASSERT_TRUE(LoadSessionFile(sessionPath(), {v.entry()}));
  EXPECT_EQ(v.legend.GetBoxColor(1), base::clLime);
  EXPECT_EQ(v.legend.GetBoxColor(2), 0x123456u);
  EXPECT_EQ(v.legend.GetBoxColor(3), base::clBtnFace);

  // An oversized file fails before any view is suspended.
  writeText(sessionPath(), QByteArray(base::TIniFile::MaxFileSize + 1, 'x'));
  EXPECT_THROW(LoadSessionFile(sessionPath(), {v.entry()}), base::EFileError);
  EXPECT_FALSE(v.model->PaintSuspended());
}

TEST_F(LegendFile, NamesColoursNumbersThemFromOneWhereSessionsStartAtZeroAndReportsFailures) {
  View v(dkTemperature);
  setUnusual(v.legend);
  SaveSessionFile(sessionPath(), {v.entry()});
  ExportLegendFile(v.legend, legendPath());

  const base::TIniFile sessionIni(sessionPath()), legendIni(legendPath());
  EXPECT_EQ(legendIni.ReadSection("Legend").join(' '),
            "MinValDefault MaxValDefault MinVal MaxVal Digits Count Color1 Color2 Color3 "
            "Background");
  EXPECT_EQ(sessionIni.ReadString("Temperature", "Color0", ""), "255");  // row 1: red
  EXPECT_FALSE(sessionIni.ValueExists("Temperature", "Color3"));
  EXPECT_EQ(legendIni.ReadString("Legend", "Color1", ""), "clRed");
  EXPECT_EQ(legendIni.ReadString("Legend", "Color2", ""), "$00123456");

  EXPECT_THROW(ExportLegendFile(v.legend, dir_.filePath("no/such/folder/x.leg")), base::EFileError);
  writeText(legendPath(), QByteArray(base::TIniFile::MaxFileSize + 1, '['));
  EXPECT_THROW(ImportLegendFile(v.legend, legendPath()), base::EFileError);
}

TEST_F(LegendFile, RoundTripsExactlyBetweenCommaAndPointLocales) {
  const std::pair<QLocale, QLocale> pairs[] = {
      {LocaleGuard::German(), LocaleGuard::English()},
      {LocaleGuard::English(), LocaleGuard::German()},
  };
  for (const auto& [writer, reader] : pairs) {
    SCOPED_TRACE(writer.name().toStdString() + " -> " + reader.name().toStdString());
    ColorLegendModel saved, loaded;
    setUnusual(saved);
    {
      LocaleGuard guard(writer);
      ExportLegendFile(saved, legendPath());
    }
    LocaleGuard guard(reader);
    loaded.SetColorsLinear(true);
    ImportLegendFile(loaded, legendPath());
    expectSameLegend(saved, loaded);
    EXPECT_FALSE(loaded.ColorsLinear());
  }
}

TEST_F(LegendFile, AnyFiniteDoubleIsWrittenSoThatItReadsBackExactly) {
  LocaleGuard german(LocaleGuard::German());
  std::mt19937_64 random(7);
  for (int n = 0; n < 20000; ++n) {
    const std::uint64_t bits = random();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v)) continue;
    const QString text = TFloatIniFile::RoundTripText(v);
    double back = 0;
    ASSERT_TRUE(base::TryTolerantStrToFloat(text, back)) << text.toStdString();
    ASSERT_EQ(back, v) << text.toStdString();
  }
  EXPECT_EQ(TFloatIniFile::RoundTripText(0.25), "0,25") << "short texts stay short";
}

TEST_F(LegendFile, UnusableValuesKeepTheLegendAsItWas) {
  ColorLegendModel legend, before;
  setUnusual(legend);
  setUnusual(before);
  for (const char* count : {"300", "0", "-1", "abc"}) {
    writeText(legendPath(), QByteArray("[Legend]\r\nMinValDefault=NAN\r\nMaxValDefault=\r\n"
                                       "MinVal=INF\r\nMaxVal=1.2.3\r\nDigits=99\r\nCount=") +
                                count +
                                "\r\nColor1=notacolour\r\nColor2=$7F000000\r\nBackground=\r\n"
                                "[CustomColors]\r\n");  // an empty section keeps the custom colours
    ImportLegendFile(legend, legendPath());
    expectSameLegend(before, legend);
  }
}

}  // namespace
