// The preview panel as the dialog and the window use it: what it paints
// (recorded), what a drag through its mouse calls does to the previewed
// panel and who hears of it, windows too small for paper, and a drag that
// repaints nothing of the finished picture.
#include "FakePrinters.h"
#include "chart/canvas/RecordingBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/PlotPanelSwitches.h"
#include "chart/widget/PlotPanelWidget.h"
#include "charteditor/preview/TPlotPreviewPanel.h"
#include "tests/chart/support/FakePlotPanel.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

class PreviewPanelTest : public ::testing::Test {
 protected:
  PreviewPanelTest() {
    chart.SetWidth(400);
    chart.SetHeight(250);
    chart.SetPrintProportional(false);
    chart.SetPrintMargins(TRect{10, 10, 10, 10});
    preview.SetPrinterEnvironment(&printers);
    preview.SetPanel(&chart);
    preview.SetBufferedDisplay(false);
    preview.OnChangeMargins = [this](QObject* sender, bool disable, const TRect& m) {
      events.push_back({sender, disable, m});
    };
  }
  QStringList Record() {
    RecordingBackend target(QSize(432, 312));
    preview.Draw(target, TRect{0, 0, preview.Width(), preview.Height()});
    return target.lines();
  }
  void Drag(QPoint from, QPoint to) {
    preview.MouseDown(mbLeft, {}, from.x(), from.y());
    preview.MouseMove({}, to.x(), to.y());
    preview.MouseUp(mbLeft, {}, to.x(), to.y());
  }

  struct Event {
    QObject* sender;
    bool disable;
    TRect margins;
  };
  ChartEngineScope engine;
  FakePrinters printers;
  FakePlotPanel chart;
  TPlotPreviewPanel preview;
  std::vector<Event> events;
};

QStringList Starting(const QStringList& lines, const QString& call) {
  QStringList out;
  for (const QString& line : lines)
    if (line.startsWith(call)) out << line;
  return out;
}

TEST_F(PreviewPanelTest, PaintsPaperShadowAndTheChartMappedOntoItsRectangle) {
  const QStringList lines = Record();
  const QStringList paper = Starting(lines, QStringLiteral("rectangle 127,31,304,281"));
  ASSERT_EQ(paper.size(), 1) << lines.join('\n').toStdString();
  EXPECT_TRUE(paper[0].contains(QStringLiteral("pen[$000000 w1 psSolid")));
  EXPECT_TRUE(paper[0].contains(QStringLiteral("brush[$FFFFFF bsSolid]")));
  EXPECT_EQ(Starting(lines, QStringLiteral("fillRect 131,281,308,285")).size(), 1);
  EXPECT_EQ(Starting(lines, QStringLiteral("fillRect 304,35,308,285")).size(), 1);
  EXPECT_TRUE(lines.contains(QStringLiteral("pushClipRect 145,56,286,256")))
      << lines.join('\n').toStdString();
  EXPECT_EQ(Starting(lines, QStringLiteral("setMapping 400x250 145,56,286,256")).size(), 1);
  EXPECT_EQ(chart.draws, 1);

  preview.SetShowImage(false);
  EXPECT_TRUE(Starting(Record(), QStringLiteral("setMapping")).isEmpty());
  EXPECT_EQ(chart.draws, 1) << "no picture without ShowImage";

  preview.SetShowImage(true);
  preview.SetAsBitmap(true);
  const QStringList bitmap = Record();
  EXPECT_EQ(Starting(bitmap, QStringLiteral("stretchDraw 145,56,286,256 400x250")).size(), 1)
      << bitmap.join('\n').toStdString();
  EXPECT_TRUE(Starting(bitmap, QStringLiteral("setMapping")).isEmpty());
}

TEST_F(PreviewPanelTest, MarginLinesLieOverThePictureInNotXor) {
  RecordingBackend overlay(QSize(432, 312));
  preview.DrawOverlay(overlay);
  const QStringList lines = Starting(overlay.lines(), QStringLiteral("lineTo"));
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("lineTo 144,281")));
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("lineTo 286,281")));
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("lineTo 304,55")));
  EXPECT_TRUE(lines[3].startsWith(QStringLiteral("lineTo 304,256")));
  EXPECT_TRUE(lines[0].contains(QStringLiteral("pmNotXor")));
  preview.Margins()->SetVisible(false);
  RecordingBackend none(QSize(432, 312));
  preview.DrawOverlay(none);
  EXPECT_TRUE(Starting(none.lines(), QStringLiteral("lineTo")).isEmpty());
}

TEST_F(PreviewPanelTest, DraggingAnEdgeChangesTheMarginAndTellsTheDialog) {
  chart.SetPrintProportional(true);
  chart.SetPrintMargins(TRect{10, 10, 10, 10});
  printers.SetOrientation(QPageLayout::Portrait);
  // Proportional margins come first while the panel asks for them; the
  // drag then switches them off.
  preview.SetPrinterEnvironment(nullptr);
  preview.SetScreenSize(QSize(4960, 7016));
  preview.MouseDown(mbLeft, {}, 145, 150);
  EXPECT_EQ(preview.DragState(), phLeft);
  preview.MouseMove({}, 160, 150);
  EXPECT_EQ(chart.PrintMargins(), (TRect{19, 10, 10, 10}));
  EXPECT_FALSE(chart.PrintProportional());
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].sender, &preview);
  EXPECT_TRUE(events[0].disable);
  EXPECT_EQ(events[0].margins, (TRect{19, 10, 10, 10}));
  preview.MouseUp(mbLeft, {}, 160, 150);
  EXPECT_EQ(preview.DragState(), phNone);
  // Outside the paper nothing moves.
  preview.MouseDown(mbLeft, {}, 160, 150);
  preview.MouseMove({}, 20, 150);
  EXPECT_EQ(chart.PrintMargins().Left, 19);
}

TEST_F(PreviewPanelTest, WindowsTooSmallForPaperPaintAndDragWithoutHarm) {
  for (QSize size : {QSize(0, 0), QSize(1, 1), QSize(2, 1000), QSize(1000, 2)}) {
    SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
    preview.SetWidth(size.width());
    preview.SetHeight(size.height());
    RecordingBackend target(QSize(std::max(1, size.width()), std::max(1, size.height())));
    preview.Draw(target, TRect{0, 0, size.width(), size.height()});
    for (QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(size.width() / 2, size.height() / 2)}) {
      preview.MouseDown(mbLeft, {}, p.x(), p.y());
      preview.MouseMove({}, p.x() + 1, p.y() + 1);
      preview.MouseUp(mbLeft, {}, p.x() + 1, p.y() + 1);
    }
    const TRect m = chart.PrintMargins();
    for (int v : {m.Left, m.Top, m.Right, m.Bottom}) EXPECT_GE(v, 0);
  }
}

TEST_F(PreviewPanelTest, ADestroyedPanelLeavesThePreview) {
  auto* other = new FakePlotPanel;
  preview.SetPanel(other);
  EXPECT_EQ(preview.Panel(), other);
  delete other;
  EXPECT_EQ(preview.Panel(), nullptr);
  EXPECT_TRUE(preview.Panels().empty());
  Record();  // paints the paper alone
}

// In its window, a drag moves the outline over the finished picture: the
// previewed chart is drawn once however many moves come, and what the
// window shows differs from the picture only on the outline.
TEST_F(PreviewPanelTest, DragsRepaintNothingOfThePicture) {
  preview.SetBufferedDisplay(true);
  PlotPanelWidget window(&preview);
  window.resize(432, 312);
  QImage first(432, 312, QImage::Format_RGB32);
  {
    QPainter p(&first);
    window.PaintTo(p);
  }
  const int draws = chart.draws;
  preview.MouseDown(mbLeft, {}, 145, 150);
  for (int i = 0; i < 100; ++i) preview.MouseMove({}, 146 + i % 30, 150);
  QImage after(432, 312, QImage::Format_RGB32);
  {
    QPainter p(&after);
    window.PaintTo(p);
  }
  EXPECT_EQ(chart.draws, draws) << "a drag renders the chart again";
  int differing = 0;
  const TRect c = preview.ChartRectOnPaper();
  for (int y = 0; y < 312; ++y)
    for (int x = 0; x < 432; ++x)
      if (first.pixel(x, y) != after.pixel(x, y)) {
        ++differing;
        const bool onLine = x == c.Left - 1 || x == c.Right || x == 144 || x == 286 ||
                            y == c.Top - 1 || y == c.Bottom || y == 55 || y == 256;
        ASSERT_TRUE(onLine) << x << "," << y;
      }
  EXPECT_GT(differing, 0);

  preview.SetDragImage(true);
  preview.MouseMove({}, 170, 150);
  {
    QPainter p(&after);
    window.PaintTo(p);
  }
  EXPECT_GT(chart.draws, draws) << "DragImage repaints the whole preview";
}

// Once the mouse lets go the chart is drawn where the margins now put it,
// in the window, without any other change asking for it.
TEST_F(PreviewPanelTest, ADragEndsWithTheChartInItsNewRectangle) {
  preview.SetBufferedDisplay(true);
  chart.drawHook = [](FakePlotPanel& panel, const TRect& bounds) {
    BackendBrush brush;
    brush.color = base::clRed;
    panel.Canvas().ReferenceCanvas().setBrush(brush);
    panel.Canvas().ReferenceCanvas().fillRect(bounds);
  };
  PlotPanelWidget window(&preview);
  window.resize(432, 312);
  const auto shown = [&] {
    QImage image(432, 312, QImage::Format_RGB32);
    QPainter p(&image);
    window.PaintTo(p);
    return image;
  };
  const QRgb red = qRgb(255, 0, 0);
  EXPECT_EQ(shown().pixel(150, 150), red);
  struct Row {
    QPoint from, to;
    QPoint left;  // a pixel the chart leaves
  };
  // The left edge to the right; then the whole chart down.
  for (const Row& row :
       {Row{{145, 150}, {170, 150}, {150, 150}}, Row{{220, 150}, {220, 170}, {220, 60}}}) {
    const int draws = chart.draws;
    preview.MouseDown(mbLeft, {}, row.from.x(), row.from.y());
    preview.MouseMove({}, row.to.x(), row.to.y());
    EXPECT_EQ(shown().pixel(row.left), red) << "the picture stays while dragging";
    preview.MouseUp(mbLeft, {}, row.to.x(), row.to.y());
    const QImage after = shown();
    EXPECT_GT(chart.draws, draws);
    EXPECT_NE(after.pixel(row.left), red);
    const TRect c = preview.ChartRectOnPaper();
    EXPECT_EQ(after.pixel(c.Left + 1, c.Top + 1), red);
    EXPECT_EQ(after.pixel(c.Right - 2, c.Bottom - 2), red);
  }
}

// Whether the previewed panel may clip is asked as it would be asked when
// printing, so a panel that does not clip when printed spreads over the
// paper in the preview as well.
TEST_F(PreviewPanelTest, ThePanelClipsAsItWouldWhenPrinted) {
  struct Row {
    bool clipWhenPrinting;
    const char* clip;
  };
  for (const Row row :
       {Row{true, "pushClipRect 145,56,286,256"}, Row{false, "pushClipRect 127,31,304,281"}}) {
    SCOPED_TRACE(row.clipWhenPrinting);
    PanelSwitches().ClipWhenPrinting = row.clipWhenPrinting;
    bool printing = false;
    chart.drawHook = [&](FakePlotPanel& panel, const TRect&) { printing = panel.Printing(); };
    const QStringList lines = Record();
    ResetPanelSwitches();
    const QStringList clips = Starting(lines, QStringLiteral("pushClipRect"));
    ASSERT_FALSE(clips.isEmpty());
    EXPECT_EQ(clips.front(), QString::fromLatin1(row.clip)) << lines.join('\n').toStdString();
    EXPECT_TRUE(printing);
    EXPECT_FALSE(chart.Printing()) << "the mark ends with the picture";
  }
}

// The chart moved as a whole: the outline keeps its size however the
// margins round on the way.
TEST_F(PreviewPanelTest, TheMovedOutlineKeepsItsSize) {
  const TRect start = preview.ChartRectOnPaper();
  preview.MouseDown(mbLeft, {}, 200, 150);
  ASSERT_EQ(preview.DragState(), phMove);
  for (int step = 1; step <= 12; ++step) {
    preview.MouseMove({}, 200 + step, 150 - step);
    const TRect c = preview.ChartRectOnPaper();
    EXPECT_EQ(c.Right - c.Left, start.Right - start.Left) << step;
    EXPECT_EQ(c.Bottom - c.Top, start.Bottom - start.Top) << step;
    EXPECT_EQ(c.Left, start.Left + step);
  }
  preview.MouseUp(mbLeft, {}, 212, 138);
}

}  // namespace
