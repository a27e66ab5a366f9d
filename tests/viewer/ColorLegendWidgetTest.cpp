#include "viewer/TColorBox.h"
#include "viewer/TColorScrollBox.h"

#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>

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

void Click(QWidget* w) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  const QPointF global = w->mapToGlobal(at);
  QEnterEvent enter(at, at, global);
  QCoreApplication::sendEvent(w, &enter);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(w, &release);
}

}  // namespace

TEST(LegendWidgetLaysOutRows, RowsFollowTheTitleAtTwiceTheFontSize) {
  auto csb = ViewLegend();
  QFont bold = csb->font();
  bold.setBold(true);
  const int title = QFontMetrics(bold).height();
  const int width = csb->widget()->width();
  ASSERT_GT(width, 100);
  for (int i = 1; i <= 10; ++i) {
    ASSERT_NE(csb->Row(i), nullptr);
    EXPECT_EQ(csb->Row(i)->geometry(), QRect(0, title + 4 + (i - 1) * 16, width, 16)) << i;
  }
  EXPECT_EQ(csb->ClientHeight(), title + 4 + 160);
  EXPECT_EQ(csb->Row(11), nullptr);

  csb->SetBoxCount(4);
  EXPECT_EQ(csb->ClientHeight(), title + 4 + 64);
  EXPECT_EQ(csb->Row(5), nullptr);
}

TEST(LegendWidgetShowsItsModel, TenSwatchesFromWhiteToBlue) {
  auto csb = ViewLegend();
  const QImage image = csb->RenderImage();
  testsupport::saveArtifact(image, QStringLiteral("legend_white_to_blue.png"));
  const QImage shown = csb->widget()->grab().toImage();
  for (int i = 1; i <= 10; ++i) {
    const QColor expected = base::ToQColor(csb->GetBoxColor(i));
    EXPECT_EQ(image.pixelColor(SwatchCentre(*csb, i)), expected) << i;
    EXPECT_EQ(shown.pixelColor(SwatchCentre(*csb, i)), expected) << i;
  }
  EXPECT_EQ(image.pixelColor(SwatchCentre(*csb, 1)), QColor(255, 255, 255));
  EXPECT_EQ(image.pixelColor(SwatchCentre(*csb, 10)), QColor(0, 0, 255));
  // Left of the swatches lies the legend's background.
  EXPECT_EQ(image.pixelColor(1, csb->Layout().RowTop(5) + 8), QColor(230, 230, 224));
}

TEST(LegendWidgetShowsItsModel, HoveredRowIsFramedUntilTheMouseLeaves) {
  auto csb = ViewLegend();
  TColorBox* row = csb->Row(6);
  const QPointF at(5, 5);
  QEnterEvent enter(at, at, row->mapToGlobal(at));
  QCoreApplication::sendEvent(row, &enter);
  EXPECT_TRUE(row->Active());
  EXPECT_EQ(csb->Model().ActiveRow(), 6);
  const QRect swatch = csb->Layout().SwatchRect();
  QImage shown = row->grab().toImage();
  testsupport::saveArtifact(csb->widget()->grab().toImage(),
                            QStringLiteral("legend_row_hovered.png"));
  EXPECT_EQ(shown.pixelColor(swatch.topLeft()), base::ToQColor(base::clBtnHighlight));
  EXPECT_EQ(shown.pixelColor(swatch.bottomRight()), base::ToQColor(base::clBtnShadow));
  EXPECT_EQ(shown.pixelColor(swatch.center()), base::ToQColor(csb->GetBoxColor(6)));

  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(row, &leave);
  EXPECT_EQ(csb->Model().ActiveRow(), 0);
  shown = row->grab().toImage();
  EXPECT_EQ(shown.pixelColor(swatch.topLeft()), base::ToQColor(csb->GetBoxColor(6)));
}

TEST(LegendWidgetShowsItsModel, ClipboardGetsTheLegendPicture) {
  auto csb = ViewLegend();
  csb->CopyToClipboard();
  const QImage copied = QGuiApplication::clipboard()->image();
  EXPECT_EQ(copied.size(), QSize(csb->widget()->width(), csb->ClientHeight()));
}

TEST(LegendWidgetAsksForColours, RowClickReachesTheChangeCallback) {
  auto csb = ViewLegend();
  int asked = 0, changed = 0;
  csb->Model().OnColorBoxClick = [&](int index, TColor& c, QStringList&) {
    ++asked;
    if (index == 3) c = base::clRed;
  };
  csb->Model().OnColorChanged = [&] { ++changed; };
  Click(csb->Row(3));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(changed, 1);
  EXPECT_EQ(csb->GetBoxColor(3), base::clRed);
  EXPECT_TRUE(csb->Model().Anchored(3));
  TColor looked = 0;
  csb->GetClassColor(0.25, looked);
  EXPECT_EQ(looked, base::clRed);
  const QImage shown = csb->widget()->grab().toImage();
  EXPECT_EQ(shown.pixelColor(SwatchCentre(*csb, 3)), QColor(255, 0, 0));
}

TEST(LegendWidgetAsksForColours, TitleClickChangesTheBackground) {
  auto csb = ViewLegend();
  int changed = 0;
  csb->Model().OnColorChanged = [&] { ++changed; };
  csb->ChooseColor = [](TColor& c, QStringList& custom) {
    c = base::RGB(20, 20, 20);
    custom = {QStringLiteral("ColorA=000000")};
    return true;
  };
  csb->TitleClick();
  EXPECT_EQ(changed, 1);
  EXPECT_EQ(csb->Color(), base::RGB(20, 20, 20));
  EXPECT_EQ(csb->CustomColor(), QStringList{QStringLiteral("ColorA=000000")});
  // Dark background, light caption text.
  const QLabel* title = csb->widget()->findChild<QLabel*>();
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(193, 193, 193));

  // A click on the title, cancelled: reported all the same.
  csb->ChooseColor = [](TColor&, QStringList&) { return false; };
  Click(csb->widget()->findChild<QLabel*>());
  EXPECT_EQ(changed, 2);
  EXPECT_EQ(csb->Color(), base::RGB(20, 20, 20));
}

TEST(LegendWidgetAsksForColours, ColourRequestNeedsEditingAndAnEndRowWhenLinear) {
  auto csb = ViewLegend();
  QStringList offered;
  int asked = 0;
  csb->ChooseColor = [&](TColor& c, QStringList& custom) {
    ++asked;
    offered = custom;
    c = base::clLime;
    return true;
  };
  csb->SetCanEdit(false);
  EXPECT_FALSE(csb->RequestBoxColor(1, base::clWhite));
  csb->SetCanEdit(true);
  EXPECT_TRUE(csb->RequestBoxColor(5, base::clWhite));
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(csb->RequestBoxColor(10, base::clBlue));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(offered.value(0), QStringLiteral("ColorA=FFFFFF"));
  EXPECT_EQ(offered.value(9), QStringLiteral("ColorJ=FF0000"));
  EXPECT_EQ(csb->GetBoxColor(10), base::clLime);
}

TEST(LegendWidgetShowsItsModel, AttachedModelDrivesTheRows) {
  auto csb = ViewLegend();
  ColorLegendModel external;
  external.SetBoxCount(3);
  csb->AttachModel(&external);
  EXPECT_EQ(csb->Row(3) != nullptr, true);
  EXPECT_EQ(csb->Row(4), nullptr);
  external.SetBoxCount(6);
  EXPECT_NE(csb->Row(6), nullptr);
  csb->AttachModel(nullptr);
  EXPECT_NE(csb->Row(10), nullptr);
}
