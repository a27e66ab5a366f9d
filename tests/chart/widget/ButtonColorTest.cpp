// The editors' colour button, offscreen: its sample shows the linked colour
// (or nothing for "none"), and a click asks the chart prompts for a colour
// and writes it to the linked property once, before other click handlers.
#include "chart/canvas/TChartPen.h"
#include "chart/core/ChartPrompts.h"
#include "chart/widget/TButtonColor.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

class FakeColorPrompts final : public ChartPrompts {
 public:
  bool answer = true;
  base::TColor chosen = base::clBlue;
  QList<base::TColor> asked;

  bool Confirm(const QString&) override { return false; }
  bool InputText(const QString&, const QString&, QString&) override { return false; }
  bool ChooseColor(base::TColor& color) override {
    asked << color;
    if (answer) color = chosen;
    return answer;
  }
  bool ChooseFont(ChartFontChoice&) override { return false; }
  bool OpenFileName(const QString&, const QString&, QString&) override { return false; }
  bool SaveFileName(const QString&, const QString&, QString&) override { return false; }
  void Error(const QString&) override {}
  void Warning(const QString&) override {}
};

class PromptScope {
 public:
  explicit PromptScope(ChartPrompts* p) : previous_(SetPrompts(p)) {}
  ~PromptScope() { SetPrompts(previous_); }

 private:
  ChartPrompts* previous_;
};

QImage Shot(QWidget& w) {
  return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The sample of an 80 x 30 button: (61, 11)-(74, 23).
constexpr QPoint kSampleCentre(67, 17);
constexpr QPoint kSampleCorner(61, 11);

TEST(ButtonColor, SampleShowsTheLinkedColour) {
  TChartPen pen;
  pen.SetColor(base::clRed);
  TButtonColor button;
  button.resize(80, 30);
  button.LinkProperty(&pen, "Color");
  const QImage shot = Shot(button);
  testsupport::saveArtifact(shot, "chart-widget-button-color.png");
  EXPECT_EQ(shot.pixel(kSampleCentre), qRgb(255, 0, 0));
  EXPECT_EQ(shot.pixel(kSampleCorner), qRgb(0, 0, 0));

  button.setEnabled(false);
  const QImage disabled = Shot(button);
  EXPECT_EQ(disabled.pixel(kSampleCentre), qRgb(255, 0, 0));
  EXPECT_NE(disabled.pixel(kSampleCorner), qRgb(0, 0, 0)) << "no outline when disabled";

  button.setEnabled(true);
  button.GetColorProc = [] { return base::clLime; };
  EXPECT_EQ(Shot(button).pixel(kSampleCentre), qRgb(0, 255, 0)) << "the handler comes first";
}

TEST(ButtonColor, NoColourDrawsNoSample) {
  QPushButton plain;
  plain.resize(80, 30);
  const QImage reference = Shot(plain);

  TButtonColor unlinked;
  unlinked.resize(80, 30);
  EXPECT_EQ(unlinked.SymbolColor(), base::clNone);
  EXPECT_EQ(Shot(unlinked), reference);

  TChartPen pen;
  TButtonColor none;
  none.resize(80, 30);
  none.LinkProperty(&pen, "Color");
  none.GetColorProc = [] { return base::clNone; };
  EXPECT_EQ(Shot(none), reference);
}

TEST(ButtonColor, ClickWritesTheChosenColourOnceBeforeOtherHandlers) {
  FakeColorPrompts prompts;
  PromptScope scope(&prompts);
  int changes = 0;
  TChartPen pen([&changes] { ++changes; });
  pen.SetColor(base::clRed);
  changes = 0;

  TButtonColor button;
  button.resize(80, 30);
  button.LinkProperty(&pen, "Color");
  base::TColor seenByHandler = base::clNone;
  QObject::connect(&button, &QPushButton::clicked, [&] { seenByHandler = pen.Color(); });

  button.click();
  EXPECT_EQ(prompts.asked, QList<base::TColor>({base::clRed}));
  EXPECT_EQ(pen.Color(), base::clBlue);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(seenByHandler, base::clBlue);
  EXPECT_EQ(Shot(button).pixel(kSampleCentre), qRgb(0, 0, 255));

  prompts.answer = false;
  button.click();
  EXPECT_EQ(pen.Color(), base::clBlue);
  EXPECT_EQ(changes, 1) << "a cancelled dialog writes nothing";
}

}  // namespace
