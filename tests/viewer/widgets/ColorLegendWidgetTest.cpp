#include "viewer/widgets/TColorBox.h"
#include "viewer/widgets/TColorScrollBox.h"

#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

#include <memory>

namespace {

using base::TColor;

// The view's legend: ten classes from white to blue over 0..1, 8-point font.
std::unique_ptr<TColorScrollBox> ViewLegend() {
  auto csb = std::make_unique<TColorScrollBox>();
  QFont font = csb->font();
  font.setPointSize(8);
  csb->setFont(font);
  csb->resize(200, 400);
  csb->SetBoxCount(10);
  csb->SetMaxVal(1.0);
  csb->SetColorsLinear(true);
  csb->SetCanEdit(true);
  csb->SetBoxColor(1, base::clWhite);
  csb->SetBoxColor(10, base::clBlue);
  csb->SetCaption(QStringLiteral("Watercontent [kg/m³]"));
  csb->SetColor(base::RGB(230, 230, 224));
  csb->show();
  return csb;
}

QPoint SwatchCentre(const TColorScrollBox& csb, int row) {
  const ColorLegendLayout layout = csb.Layout();
  return layout.SwatchRect().center() + QPoint(0, layout.RowTop(row));
}

// A row reacts to a click only while the mouse is over it.
void Click(QWidget* w) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QEnterEvent enter(at, at, w->mapToGlobal(at));
  QCoreApplication::sendEvent(w, &enter);
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at.toPoint());
}

}  // namespace

TEST(LegendWidgetLaysOutRows, RowsFollowTheTitleAndTheClipboardGetsThemAll) {
  auto csb = ViewLegend();
  QFont bold = csb->font();
  bold.setBold(true);
  const int title = QFontMetrics(bold).height();
  const int width = csb->widget()->width();
  for (int i = 1; i <= 10; ++i) {
    ASSERT_NE(csb->Row(i), nullptr);
    EXPECT_EQ(csb->Row(i)->geometry(), QRect(0, title + 4 + (i - 1) * 16, width, 16)) << i;
  }
  EXPECT_EQ(csb->ClientHeight(), title + 4 + 160);
  EXPECT_EQ(csb->Row(11), nullptr);

  csb->SetBoxCount(4);
  EXPECT_EQ(csb->ClientHeight(), title + 4 + 64);
  EXPECT_EQ(csb->Row(5), nullptr);

  csb->CopyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(width, csb->ClientHeight()));
}

TEST(LegendWidgetShowsItsModel, TenSwatchesFromWhiteToBlueAndAClickedRowsNewColour) {
  auto csb = ViewLegend();
  const QImage image = csb->RenderImage();
  testsupport::saveArtifact(image, QStringLiteral("legend_white_to_blue.png"));
  for (int i = 1; i <= 10; ++i)
    EXPECT_EQ(image.pixelColor(SwatchCentre(*csb, i)), base::ToQColor(csb->GetBoxColor(i))) << i;
  EXPECT_EQ(image.pixelColor(SwatchCentre(*csb, 1)), QColor(255, 255, 255));
  EXPECT_EQ(image.pixelColor(SwatchCentre(*csb, 10)), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(1, csb->Layout().RowTop(5) + 8), QColor(230, 230, 224));

  int asked = 0, changed = 0;
  csb->Model().OnColorBoxClick = [&](int index, TColor& c, QStringList&) {
    ++asked;
    if (index == 3) c = base::clRed;
  };
  csb->Model().OnColorChanged = [&] { ++changed; };
  Click(csb->Row(3));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(changed, 1);
  EXPECT_TRUE(csb->Model().Anchored(3));
  TColor looked = 0;
  csb->GetClassColor(0.25, looked);
  EXPECT_EQ(looked, base::clRed);
  const QImage shown = csb->widget()->grab().toImage();
  EXPECT_EQ(shown.pixelColor(SwatchCentre(*csb, 3)), QColor(255, 0, 0));
  EXPECT_EQ(shown.pixelColor(SwatchCentre(*csb, 10)), QColor(0, 0, 255));
}

// A click on the title asks for the background colour with the legend's
// custom colours; the change is announced whether or not it was confirmed.
TEST(LegendWidgetAsksForColours, TitleClickChangesTheBackgroundOnlyWhenConfirmed) {
  auto csb = ViewLegend();
  auto* title = csb->widget()->findChild<QLabel*>();
  ASSERT_NE(title, nullptr);
  for (const bool confirm : {false, true}) {
    SCOPED_TRACE(confirm);
    QStringList offered;
    TColor shown = 0;
    csb->ChooseColor = [&](TColor& c, QStringList& custom) {
      shown = c;
      offered = custom;
      c = base::RGB(0, 0, 64);
      custom = {QStringLiteral("ColorA=400000")};
      return confirm;
    };
    int changed = 0;
    csb->Model().OnColorChanged = [&] { ++changed; };
    QTest::mouseClick(title, Qt::LeftButton);
    EXPECT_EQ(shown, base::RGB(230, 230, 224));
    EXPECT_EQ(offered,
              (QStringList{QStringLiteral("ColorA=788a8f"), QStringLiteral("ColorB=e0e6e6")}));
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(csb->Color(), confirm ? base::RGB(0, 0, 64) : base::RGB(230, 230, 224));
    EXPECT_EQ(csb->CustomColor().size(), confirm ? 1 : 2);
  }
  // On the dark background the title is drawn in a light grey.
  EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(189, 189, 189));
}

// The request for a row's colour: refused unless the legend may be edited,
// dropped for inner rows of a linear legend, else answered by a dialog that
// offers the rows' colours as custom colours.
TEST(LegendWidgetAsksForColours, RowColourRequestsFollowEditingAndLinearity) {
  auto csb = ViewLegend();
  int asked = 0;
  QStringList offered;
  csb->ChooseColor = [&](TColor& c, QStringList& custom) {
    ++asked;
    offered = custom;
    c = base::clRed;
    return true;
  };
  csb->SetCanEdit(false);
  EXPECT_FALSE(csb->RequestBoxColor(1, csb->GetBoxColor(1)));
  csb->SetCanEdit(true);
  EXPECT_TRUE(csb->RequestBoxColor(5, csb->GetBoxColor(5)));
  EXPECT_EQ(asked, 0) << "inner rows of a linear legend follow the ends";

  EXPECT_TRUE(csb->RequestBoxColor(10, csb->GetBoxColor(10)));
  ASSERT_EQ(asked, 1);
  ASSERT_EQ(offered.size(), 10);
  EXPECT_EQ(offered.front(), QStringLiteral("ColorA=FFFFFF"));
  EXPECT_EQ(offered.back(), QStringLiteral("ColorJ=FF0000"));  // blue as BBGGRR
  EXPECT_EQ(csb->GetBoxColor(10), base::clRed);
  EXPECT_EQ(csb->GetBoxColor(6), base::RGB(255, 114, 114)) << "the rows between follow";

  csb->SetColorsLinear(false);
  EXPECT_TRUE(csb->RequestBoxColor(5, csb->GetBoxColor(5)));
  EXPECT_EQ(csb->GetBoxColor(5), base::clRed);
}
