// The panel's stored state and its listeners: what Assign copies, legacy
// and hostile stored values, and broadcasts that survive listeners
// changing the list.
#include "chart/core/ChartEngine.h"
#include "chart/core/PublishedProperties.h"
#include "tests/chart/support/FakePlotPanel.h"

#include <gtest/gtest.h>
#include <QVariantList>

#include <functional>
#include <string>
#include <vector>

namespace {

class PanelState : public testing::Test {
 protected:
  ChartEngineScope engine_;
};

TEST_F(PanelState, AssignCopiesThePanelSettingsOnly) {
  FakePlotPanel source, target;
  source.SetBufferedDisplay(false);
  source.SetPrintMargins({1, 2, 3, 4});
  source.SetPrintProportional(false);
  source.SetPrintResolution(30);
  source.SetMarginLeft(7);
  source.SetMarginTop(8);
  source.SetMarginRight(9);
  source.SetMarginBottom(10);
  source.SetMonochrome(true);
  source.SetView3D(false);
  source.View3DOptions()->SetRotation(20);
  source.SetChart3DPercent(33);
  source.SetColor(base::clRed);
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::red);
  source.BackImage()->SetImage(image);
  source.SetBackImageInside(true);
  source.SetBackImageMode(TCustomPlotPanelExtended::pbmTile);
  source.Gradient()->SetVisible(true);
  source.SetAllowPanning(TCustomPlotPanelExtended::pmVertical);
  source.Zoom()->SetMinimumPixels(3);
  // Not in the list: the window's own properties.
  source.SetBevelWidth(5);
  source.SetBorderWidth(6);
  source.SetWidth(123);

  target.Assign(source);
  EXPECT_FALSE(target.BufferedDisplay());
  EXPECT_EQ(target.PrintMargins(), (TRect{1, 2, 3, 4}));
  EXPECT_FALSE(target.PrintProportional());
  EXPECT_EQ(target.PrintResolution(), 30);
  EXPECT_EQ(target.MarginLeft() * 1000 + target.MarginTop() * 100 + target.MarginRight() * 10 +
                target.MarginBottom(),
            7000 + 800 + 90 + 10);
  EXPECT_TRUE(target.Monochrome());
  EXPECT_FALSE(target.View3D());
  EXPECT_EQ(target.View3DOptions()->Rotation(), 20);
  EXPECT_EQ(target.Chart3DPercent(), 33);
  EXPECT_EQ(target.Color(), base::clRed);
  EXPECT_EQ(target.BackImage()->Image(), image);
  EXPECT_TRUE(target.BackImageInside());
  EXPECT_EQ(target.BackImageMode(), TCustomPlotPanelExtended::pbmTile);
  EXPECT_TRUE(target.Gradient()->Visible());
  EXPECT_EQ(target.AllowPanning(), TCustomPlotPanelExtended::pmVertical);
  EXPECT_EQ(target.Zoom()->MinimumPixels(), 3);
  EXPECT_EQ(target.BevelWidth(), 1);
  EXPECT_EQ(target.BorderWidth(), 0);
  EXPECT_EQ(target.Width(), 400);
}

TEST_F(PanelState, StoredValuesOfOlderFilesAndHostileOnes) {
  FakePlotPanel panel;
  // The walker's view: print margins travel only when not 15 % all round.
  EXPECT_TRUE(panel.ExtraStoredNames().isEmpty());
  panel.SetPrintMargins({10, 20, 30, 40});
  ASSERT_EQ(panel.ExtraStoredNames(), QStringList{QStringLiteral("PrintMargins")});
  FakePlotPanel copy;
  CopyPublished(panel, copy);
  EXPECT_EQ(copy.PrintMargins(), (TRect{10, 20, 30, 40}));
  EXPECT_TRUE(SamePublished(panel, copy));

  // Older files name the zoom settings separately.
  EXPECT_TRUE(copy.ReadExtraStored(QStringLiteral("AllowZoom"), false));
  EXPECT_TRUE(copy.ReadExtraStored(QStringLiteral("animatedzoom"), true));
  EXPECT_TRUE(copy.ReadExtraStored(QStringLiteral("AnimatedZoomSteps"), 3));
  EXPECT_FALSE(copy.Zoom()->Allow());
  EXPECT_TRUE(copy.Zoom()->Animated());
  EXPECT_EQ(copy.Zoom()->AnimatedSteps(), 3);
  EXPECT_FALSE(copy.ReadExtraStored(QStringLiteral("NoSuchThing"), 1));

  const QVariant hostile[] = {
      QVariant(),
      QVariant(QStringLiteral("1,2,3,4")),
      QVariantList{1, 2, 3},
      QVariantList{1, 2, 3, 4, 5},
      QVariantList{1, 2, 3.5, 4},
      QVariantList{1, 2, QStringLiteral("3"), 4},
      QVariantList{1, 2, 3, qlonglong(1) << 40},
      QVariantList{1, 2, 3, QVariantList{4}},
  };
  for (const QVariant& v : hostile) {
    EXPECT_TRUE(copy.ReadExtraStored(QStringLiteral("PrintMargins"), v));
    EXPECT_EQ(copy.PrintMargins(), (TRect{10, 20, 30, 40})) << v.toString().toStdString();
  }
  EXPECT_TRUE(copy.ReadExtraStored(QStringLiteral("AnimatedZoomSteps"), QStringLiteral("x")));
  EXPECT_TRUE(copy.ReadExtraStored(QStringLiteral("AnimatedZoomSteps"), qlonglong(1) << 40));
  EXPECT_EQ(copy.Zoom()->AnimatedSteps(), 3);
  EXPECT_TRUE(copy.ReadExtraStored(QStringLiteral("PrintMargins"), QVariantList{5, 6, 7, 8}));
  EXPECT_EQ(copy.PrintMargins(), (TRect{5, 6, 7, 8}));
}

// A listener that runs `action` when called and logs its name.
class Listener : public TPlotEventListener {
 public:
  Listener(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
  std::function<void(TPlotEvent&)> action;
  void PlotEvent(TPlotEvent& event) override {
    log_.push_back(name_);
    if (action) action(event);
  }

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

TEST_F(PanelState, BroadcastsSurviveChangesToTheListenerList) {
  FakePlotPanel panel;
  std::vector<std::string> log;
  Listener a("a", log), b("b", log), c("c", log), d("d", log);
  panel.AddListener(&a);
  panel.AddListener(&b);
  panel.AddListener(&c);
  panel.AddListener(&a);  // once only

  // a removes itself and c, and adds d: c is not called, d from next time.
  a.action = [&](TPlotEvent& e) {
    EXPECT_EQ(e.Sender, &panel);
    panel.RemoveListener(&a);
    panel.RemoveListener(&c);
    panel.AddListener(&d);
  };
  panel.SetView3D(false);  // broadcasts a 3D event
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
  log.clear();
  panel.SetView3D(true);
  EXPECT_EQ(log, (std::vector<std::string>{"b", "d"}));

  // Cancel-mouse stops a mouse broadcast, not other events.
  log.clear();
  b.action = [&](TPlotEvent&) { panel.SetCancelMouse(true); };
  panel.MouseDown(mbLeft, {}, 5, 6);
  EXPECT_EQ(log, (std::vector<std::string>{"b"}));
  log.clear();
  panel.SetView3D(false);
  EXPECT_EQ(log, (std::vector<std::string>{"b", "d"}));
  // Each mouse event starts uncancelled.
  log.clear();
  b.action = {};
  d.action = [&](TPlotEvent& e) {
    auto* mouse = dynamic_cast<TPlotMouseEvent*>(&e);
    ASSERT_TRUE(mouse);
    EXPECT_EQ(mouse->Event, meMove);
    EXPECT_EQ(mouse->X, 7);
    EXPECT_EQ(mouse->Y, 8);
  };
  panel.MouseMove({}, 7, 8);
  EXPECT_EQ(log, (std::vector<std::string>{"b", "d"}));
}

}  // namespace
