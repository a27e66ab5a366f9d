// Legend files (".leg"): written with the keys users' files have, read back
// exactly whatever the locale of writer and reader, and read safely when they
// hold garbage.
#include "base/Colors.h"
#include "base/Convert.h"
#include "base/Exceptions.h"
#include "base/IniFile.h"
#include "tests/viewer/LocaleGuard.h"
#include "tests/viewer/ViewTestHost.h"
#include "viewer/ColorLegendModel.h"
#include "viewer/LegendFile.h"
#include "viewer/SessionFile.h"
#include "viewer/SessionWindow.h"
#include "viewer/TFloatIniFile.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstring>
#include <random>
#include <tuple>

namespace {

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
  l.SetMinValAct(-1.0 / 7.0);
  l.SetMaxValAct(0.25);
  l.SetDigits(4);
  l.SetBoxColor(1, base::clRed);
  l.SetBoxColor(2, 0x00123456);
  l.SetBoxColor(3, base::clBtnFace);
  l.SetColor(base::clCream);
  l.CustomColor() = QStringList{"ColorA=102030", "ColorB=e0e6e6", "ColorC=FFFFFF"};
}

void expectSameLegend(const ColorLegendModel& a, const ColorLegendModel& b) {
  EXPECT_EQ(std::tuple(a.MinVal(), a.MaxVal(), a.MinValAct(), a.MaxValAct(), a.Digits()),
            std::tuple(b.MinVal(), b.MaxVal(), b.MinValAct(), b.MaxValAct(), b.Digits()));
  ASSERT_EQ(a.BoxCount(), b.BoxCount());
  for (int i = 1; i <= a.BoxCount(); ++i) EXPECT_EQ(a.GetBoxColor(i), b.GetBoxColor(i)) << i;
  EXPECT_EQ(a.Color(), b.Color());
  EXPECT_EQ(a.CustomColor(), b.CustomColor());
}

class LegendFile : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString path() const { return dir_.filePath("wall.leg"); }
  QTemporaryDir dir_;
};

TEST_F(LegendFile, NamesColoursAndNumbersThemFromOneWhereSessionsStartAtZero) {
  ViewTestHost host(4, 4, ViewTestHost::AllActive(4, 4));
  ColorLegendModel legend;
  ViewModel view(host, dkTemperature, legend);
  setUnusual(legend);
  class Window final : public SessionWindow {
    QRect Bounds() const override { return {0, 0, 100, 100}; }
    void SetBounds(const QRect&) override {}
    int WindowState() const override { return Normal; }
    void SetWindowState(int) override {}
    bool IsActive() const override { return false; }
    void Activate() override {}
  } window;
  const QString session = dir_.filePath("veltrano.session");
  SaveSessionFile(session, {SessionView{&view, &window, nullptr}});
  ExportLegendFile(legend, path());

  const base::TIniFile sessionIni(session), legendIni(path());
  EXPECT_EQ(legendIni.ReadSection("Legend").join(' '),
            "MinValDefault MaxValDefault MinVal MaxVal Digits Count Color1 Color2 Color3 "
            "Background");
  EXPECT_EQ(sessionIni.ReadString("Temperature", "Color0", ""), "255");  // row 1: red
  EXPECT_FALSE(sessionIni.ValueExists("Temperature", "Color3"));
  EXPECT_EQ(legendIni.ReadString("Legend", "Color1", ""), "clRed");
  EXPECT_EQ(legendIni.ReadString("Legend", "Color2", ""), "$00123456");
  EXPECT_EQ(legendIni.ReadString("Legend", "Color3", ""), "clBtnFace");
  EXPECT_EQ(legendIni.ReadString("Legend", "Background", ""), "clCream");
  EXPECT_EQ(legendIni.ReadString("CustomColors", "ColorA", ""), "102030");
}

TEST_F(LegendFile, RoundTripsExactlyBetweenCommaAndPointLocales) {
  const std::pair<QLocale, QLocale> pairs[] = {
      {LocaleGuard::German(), LocaleGuard::English()},
      {LocaleGuard::English(), LocaleGuard::German()},
      {LocaleGuard::German(), LocaleGuard::German()},
  };
  for (const auto& [writer, reader] : pairs) {
    SCOPED_TRACE(writer.name().toStdString() + " -> " + reader.name().toStdString());
    ColorLegendModel saved, loaded;
    setUnusual(saved);
    {
      LocaleGuard guard(writer);
      ExportLegendFile(saved, path());
    }
    LocaleGuard guard(reader);
    loaded.SetColorsLinear(true);
    ImportLegendFile(loaded, path());
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
  ColorLegendModel legend;
  setUnusual(legend);
  for (const char* count : {"300", "0", "-1", "abc"}) {
    writeText(path(), QByteArray("[Legend]\r\nMinValDefault=NAN\r\nMaxValDefault=\r\n"
                                 "MinVal=INF\r\nMaxVal=1.2.3\r\nDigits=99\r\nCount=") +
                          count +
                          "\r\nColor1=notacolour\r\nColor2=$7F000000\r\nBackground=\r\n"
                          "[CustomColors]\r\n");  // an empty section keeps the custom colours
    ColorLegendModel before;
    setUnusual(before);
    ImportLegendFile(legend, path());
    expectSameLegend(before, legend);
  }
}

TEST_F(LegendFile, ReexportLeavesNothingStaleAndFailuresAreReported) {
  ColorLegendModel legend;
  setUnusual(legend);
  legend.SetBoxCount(5);
  writeText(path(), "[Notes]\r\nText=kept\r\n");
  ExportLegendFile(legend, path());
  legend.SetBoxCount(2);
  legend.CustomColor() = QStringList{"ColorA=000000"};
  ExportLegendFile(legend, path());
  const base::TIniFile ini(path());
  EXPECT_FALSE(ini.ValueExists("Legend", "Color3"));
  EXPECT_EQ(ini.ReadSection("CustomColors"), QStringList{"ColorA"});
  EXPECT_EQ(ini.ReadString("Notes", "Text", ""), "kept");

  EXPECT_THROW(ExportLegendFile(legend, dir_.filePath("no/such/folder/x.leg")), base::EFileError);
  writeText(path(), QByteArray(base::TIniFile::MaxFileSize + 1, '['));
  EXPECT_THROW(ImportLegendFile(legend, path()), base::EFileError);
}

}  // namespace
