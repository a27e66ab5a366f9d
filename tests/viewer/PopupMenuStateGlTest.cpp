// The two popup menus of real view windows: every entry with its caption
// under its form name, and the check marks, visibility and enabling that
// opening the menu sets from the view (inspected after the on-open handler
// ran; no menu is run modally).
#include "tests/support/Artifacts.h"
#include "tests/viewer/PopupMenuFakes.h"
#include "viewer/TColorScrollBox.h"
#include "viewer/TfrmGLBase.h"
#include "viewer/ViewPopupMenus.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QOpenGLWidget>
#include <QTemporaryDir>

#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace {

class PopupMenuState : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    host_ = std::make_unique<CountingHost>(CountingHost::WriteFile(dir_.path()));
  }

  std::unique_ptr<TfrmGLBase> open(TDataKind kind) {
    auto view = std::make_unique<TfrmGLBase>(*host_, kind);
    view->resize(640, 420);
    view->show();
    menus_ = ViewPopupMenusOf(*view);
    return view;
  }

  QAction* item(const char* name) const {
    QAction* a = menus_->Item(QString::fromLatin1(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
  }
  bool visible(const char* name) const { return item(name)->isVisible(); }
  bool checked(const char* name) const { return item(name)->isChecked(); }

  QTemporaryDir dir_;
  std::unique_ptr<CountingHost> host_;
  ViewPopupMenus* menus_ = nullptr;
};

TEST_F(PopupMenuState, EveryEntryHasItsFormNameAndCaption) {
  auto view = open(dkTemperature);
  ASSERT_NE(menus_, nullptr);
  EXPECT_EQ(menus_->PopupMenu1()->objectName(), "PopupMenu1");
  EXPECT_EQ(menus_->pmcsb()->objectName(), "pmcsb");
  const std::vector<std::pair<const char*, const char*>> entries{
      {"drawingmode1", "&drawing mode"},
      {"normalized1", "&normalized"},
      {"threshold1", "&threshold"},
      {"logarithmic2", "&logarithmic"},
      {"scaling1", "&scaling..."},
      {"fill1", "&wireframe"},
      {"shademodel1", "&shade model"},
      {"flat1", "&flat"},
      {"smooth1", "&smooth"},
      {"grid2", "&grid"},
      {"Grid1", "&visible"},
      {"depthtest1", "&depth test"},
      {"less1", "&less"},
      {"lequal1", "leq&ual"},
      {"equal1", "&equal"},
      {"gequal2", "ge&qual"},
      {"greater2", "&greater"},
      {"always2", "&always"},
      {"materialborders1", "&material borders"},
      {"visible2", "&visible"},
      {"depthtest2", "&depth test"},
      {"sidepanel1", "side &panel"},
      {"visible1", "&visible"},
      {"lighted1", "&lighted"},
      {"numbering1", "&numbering"},
      {"enabled1", "&enabled"},
      {"format1", "&format"},
      {"boundaries1", "&boundaries"},
      {"top1", "&top"},
      {"left1", "&left"},
      {"bottom1", "&bottom"},
      {"right1", "&right"},
      {"zoom1", "&zoom"},
      {"factor1", "&factor"},
      {"x1", "&x"},
      {"y1", "&y"},
      {"z1", "&z"},
      {"in1", "&in"},
      {"out1", "&out"},
      {"extract1", "&extract"},
      {"initialconditions1", "initial conditions"},
      {"Data1", "&data"},
      {"image1", "&image"},
      {"numberofcolors1", "&number of colors"},
      {"deletecolor1", "&delete color"},
      {"linearizecolors1", "&linearize colors"},
      {"interval1", "&interval"},
      {"lowerbound1", "&lowerbound"},
      {"upperbound1", "&upperbound"},
      {"copytoclipboard1", "&copy to clipboard"},
      {"export1", "export..."},
      {"import1", "import..."},
  };
  for (const auto& [name, caption] : entries) {
    QAction* a = item(name);
    if (a != nullptr) {
      EXPECT_EQ(a->text(), QString::fromUtf8(caption)) << name;
    }
  }
}

TEST_F(PopupMenuState, ScalarViewOpensWithReliefEntries) {
  auto view = open(dkTemperature);
  menus_->PopupMenu1Popup();
  EXPECT_EQ(host_->pauses, 1) << "opening the menu pauses playback";

  for (const char* arrowOnly : {"normalized1", "threshold1", "logarithmic2", "scaling1"})
    EXPECT_FALSE(visible(arrowOnly)) << arrowOnly;
  EXPECT_TRUE(visible("fill1"));
  EXPECT_FALSE(checked("fill1"));
  EXPECT_TRUE(visible("shademodel1"));
  EXPECT_TRUE(checked("smooth1"));
  EXPECT_FALSE(checked("flat1"));
  EXPECT_TRUE(checked("Grid1"));
  EXPECT_TRUE(checked("depthtest1"));
  EXPECT_TRUE(item("depthtest1")->isEnabled());
  EXPECT_TRUE(checked("visible2"));
  EXPECT_TRUE(checked("depthtest2"));
  EXPECT_TRUE(visible("sidepanel1"));
  EXPECT_TRUE(checked("visible1"));
  EXPECT_FALSE(checked("lighted1"));
  EXPECT_FALSE(checked("enabled1"));
  EXPECT_TRUE(visible("boundaries1"));
  for (const char* side : {"top1", "left1", "bottom1", "right1"}) EXPECT_TRUE(checked(side));
  EXPECT_TRUE(visible("initialconditions1"));
  EXPECT_FALSE(visible("Data1"));
  EXPECT_FALSE(visible("image1"));
  EXPECT_FALSE(visible("detail1"));
  EXPECT_FALSE(visible("detail2"));
  EXPECT_TRUE(checked("lequal1"));
  EXPECT_FALSE(checked("always1"));

  // The marks follow the view at the next opening.
  ViewModel& m = view->Model();
  m.SetFlag(dfOutline, false);
  m.SetGridDepthFunc(ViewModel::glAlways);
  m.SetMatDepthFunc(ViewModel::glLess);
  m.SetShadeModel(ViewModel::glFlat);
  m.SetBoundarySides(bsTop | bsBottom);
  m.SetSidePanelLighted(true);
  m.SetFlag(dfWireFrame, true);
  menus_->PopupMenu1Popup();
  EXPECT_FALSE(checked("Grid1"));
  EXPECT_FALSE(checked("depthtest1"));
  EXPECT_FALSE(item("depthtest1")->isEnabled()) << "depth test needs the grid visible";
  EXPECT_TRUE(checked("depthtest2"));
  EXPECT_TRUE(checked("always1"));
  EXPECT_TRUE(checked("less2"));
  EXPECT_TRUE(checked("flat1"));
  EXPECT_FALSE(checked("smooth1"));
  EXPECT_TRUE(checked("top1"));
  EXPECT_FALSE(checked("left1"));
  EXPECT_TRUE(checked("bottom1"));
  EXPECT_FALSE(checked("right1"));
  EXPECT_TRUE(checked("lighted1"));
  EXPECT_TRUE(checked("fill1"));
}

TEST_F(PopupMenuState, VectorViewOpensWithArrowEntries) {
  auto view = open(dkCapillaryFlux);
  menus_->PopupMenu1Popup();
  EXPECT_TRUE(visible("normalized1"));
  EXPECT_TRUE(checked("normalized1"));
  EXPECT_TRUE(visible("threshold1"));
  EXPECT_TRUE(visible("logarithmic2"));
  EXPECT_FALSE(checked("logarithmic2"));
  EXPECT_TRUE(visible("scaling1"));
  EXPECT_FALSE(visible("fill1"));
  EXPECT_FALSE(visible("shademodel1"));
  EXPECT_FALSE(visible("sidepanel1"));
  EXPECT_FALSE(checked("Grid1"));
  EXPECT_FALSE(item("depthtest1")->isEnabled());
  EXPECT_TRUE(checked("visible2"));
  EXPECT_FALSE(visible("boundaries1"));
  EXPECT_FALSE(visible("initialconditions1"));

  view->Model().SetFlag(dfArrowNorm, false);
  view->Model().SetFlag(dfArrowLog, true);
  menus_->PopupMenu1Popup();
  EXPECT_FALSE(checked("normalized1"));
  EXPECT_FALSE(visible("threshold1")) << "the threshold belongs to normalized arrows";
  EXPECT_TRUE(checked("logarithmic2"));
}

TEST_F(PopupMenuState, BoundariesAndInitialConditionsFollowTheKind) {
  for (auto [kind, boundaries, initial] :
       {std::tuple{dkWatercontent, false, true}, std::tuple{dkRelHumidity, true, true},
        std::tuple{dkTemperature, true, true}}) {
    auto view = open(kind);
    menus_->PopupMenu1Popup();
    EXPECT_EQ(visible("boundaries1"), boundaries) << int(kind);
    EXPECT_EQ(visible("initialconditions1"), initial) << int(kind);
  }
}

TEST_F(PopupMenuState, LegendMenuShowsTheLinearMark) {
  auto view = open(dkTemperature);
  menus_->pmcsbPopup();
  EXPECT_EQ(host_->pauses, 0);
  EXPECT_TRUE(checked("linearizecolors1"));
  EXPECT_FALSE(visible("deletecolor1"));
  view->csb->Model().SetColorsLinear(false);
  menus_->pmcsbPopup();
  EXPECT_FALSE(checked("linearizecolors1"));
}

TEST_F(PopupMenuState, RightClicksOpenTheMenuOfWhatIsUnderTheMouse) {
  auto view = open(dkTemperature);
  QWidget* drawing = view->OpenGL1.Widget();
  QContextMenuEvent onDrawing(QContextMenuEvent::Mouse, QPoint(20, 20),
                              drawing->mapToGlobal(QPoint(20, 20)));
  QCoreApplication::sendEvent(drawing, &onDrawing);
  EXPECT_TRUE(menus_->PopupMenu1()->isVisible());
  EXPECT_FALSE(menus_->pmcsb()->isVisible());
  EXPECT_EQ(host_->pauses, 1);
  testsupport::saveArtifact(menus_->PopupMenu1()->grab().toImage(), "PopupMenu1.png");
  menus_->PopupMenu1()->hide();

  QWidget* legend = view->csb->viewport();
  QContextMenuEvent onLegend(QContextMenuEvent::Mouse, QPoint(10, 40),
                             legend->mapToGlobal(QPoint(10, 40)));
  QCoreApplication::sendEvent(legend, &onLegend);
  EXPECT_TRUE(menus_->pmcsb()->isVisible());
  EXPECT_FALSE(menus_->PopupMenu1()->isVisible());
  testsupport::saveArtifact(menus_->pmcsb()->grab().toImage(), "pmcsb.png");
  menus_->pmcsb()->hide();
}

}  // namespace
