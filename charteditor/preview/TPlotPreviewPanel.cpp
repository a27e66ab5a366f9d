#include "charteditor/preview/TPlotPreviewPanel.h"

#include "chart/canvas/QPainterBackend.h"
#include "chart/model/PlotPanelSwitches.h"
#include "charteditor/preview/PrinterEnvironment.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>

TPreviewChartPen::TPreviewChartPen(ChangeHandler onChange, QObject* parent)
    : TChartPen(std::move(onChange), parent) {
  smallDots_ = true;
  style_ = Graphics::psDot;
}

TPlotPreviewPanel::TPlotPreviewPanel(QObject* parent)
    : TCustomPlotPanelExtended(parent),
      margins_(new TPreviewChartPen([this] { Q_EMIT overlayChanged(); }, this)) {
  margins_->setObjectName(QStringLiteral("Margins"));
  SetWidth(432);
  SetHeight(312);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) screen_ = screen->size();
}

TPlotPreviewPanel::~TPlotPreviewPanel() = default;

void TPlotPreviewPanel::SetMargins(TPreviewChartPen* value) {
  if (value) margins_->Assign(*value);
}

void TPlotPreviewPanel::SetOrientation(TPreviewOrientation value) {
  orientation_ = value;
  InvalidateChart();
}

TCustomPlotPanel* TPlotPreviewPanel::Panel() const {
  for (const QPointer<TCustomPlotPanel>& p : panels_)
    if (p) return p;
  return nullptr;
}

void TPlotPreviewPanel::SetPanel(TCustomPlotPanel* value) {
  panels_.clear();
  if (value) AddPanel(value);
  InvalidateChart();
}

void TPlotPreviewPanel::AddPanel(TCustomPlotPanel* panel) {
  if (!panel) return;
  panels_.emplace_back(panel);
  connect(panel, &QObject::destroyed, this, [this] {
    std::erase_if(panels_, [](const QPointer<TCustomPlotPanel>& p) { return p.isNull(); });
    InvalidateChart();
  });
}

std::vector<TCustomPlotPanel*> TPlotPreviewPanel::Panels() const {
  std::vector<TCustomPlotPanel*> list;
  for (const QPointer<TCustomPlotPanel>& p : panels_)
    if (p) list.push_back(p);
  return list;
}

void TPlotPreviewPanel::ApplyOrientation() {
  if (!printers_ || !printers_->HasPrinter() || orientation_ == ppoDefault) return;
  printers_->SetOrientation(orientation_ == ppoPortrait ? QPageLayout::Portrait
                                                        : QPageLayout::Landscape);
}

// --- geometry -------------------------------------------------------------------------------

QSize TPlotPreviewPanel::PaperSize() const {
  if (printers_ && printers_->HasPrinter()) {
    const PrintPageGeometry page = printers_->Page();
    return QSize(page.Width, page.Height);
  }
  return screen_;
}

TRect TPlotPreviewPanel::PaperRect() const {
  const TRect r = GetRectangle();
  return PreviewPaperRect(QSize(r.Width(), r.Height()), PaperSize());
}

TRect TPlotPreviewPanel::CurrentMargins() const {
  TCustomPlotPanel* panel = Panel();
  if (!panel) return TRect{15, 15, 15, 15};
  if (panel->PrintProportional() && printers_ && printers_->HasPrinter())
    panel->SetPrintMargins(panel->CalcProportionalMargins(printers_->Page()));
  return panel->PrintMargins();
}

TRect TPlotPreviewPanel::ChartRectOnPaper() const {
  // A drag shows the rectangle where the mouse put it; the margins, whole
  // percentages, give it back only to the nearest pixel.
  if (drag_.state != phNone) return dragChart_;
  return PreviewChartRect(PaperRect(), CurrentMargins());
}

// --- painting -------------------------------------------------------------------------------

namespace {

// What the panel's CanClip answers while it prints: the preview shows the
// page as the printer gets it, whatever the panel answers on screen.
bool ClipsWhenPrinted(TCustomPlotPanel& panel) {
  return !panel.Canvas().SupportsFullRotation() && PanelSwitches().ClipWhenPrinting;
}

}  // namespace

void TPlotPreviewPanel::InternalDraw(const TRect& bounds) {
  PanelPaint(bounds);
  ApplyOrientation();
  const TRect paper = PaperRect();
  if (!PaperUsable(paper)) return;  // a window too small for any paper
  DrawingBackend& b = Canvas().ReferenceCanvas();
  BackendPen pen;
  pen.color = base::clBlack;
  b.setPen(pen);
  BackendBrush brush;
  brush.color = paperColor_;
  b.setBrush(brush);
  b.rectangle(paper);
  const int s = shadowSize_;
  brush.color = shadowColor_;
  b.setBrush(brush);
  b.fillRect(TRect{paper.Left + s, paper.Bottom, paper.Right + s, paper.Bottom + s});
  b.fillRect(TRect{paper.Right, paper.Top + s, paper.Right + s, paper.Bottom + s});
  const TRect chart = PreviewChartRect(paper, CurrentMargins());
  for (TCustomPlotPanel* panel : Panels()) {
    b.pushClipRect(ClipsWhenPrinted(*panel) ? chart : paper);
    const int depth = b.clipDepth();
    try {
      if (showImage_) DrawPanel(*panel, b, chart);
    } catch (...) {
      while (b.clipDepth() >= depth) b.popClip();
      throw;
    }
    while (b.clipDepth() >= depth) b.popClip();
  }
}

void TPlotPreviewPanel::DrawPanel(TCustomPlotPanel& panel, DrawingBackend& target,
                                  const TRect& chart) {
  if (asBitmap_) {
    const PrintScale scale = panel.CalcPrintMargins(chart);
    const QImage image =
        panel.CreateBitmap(paperColor_, TRect{0, 0, scale.Logical.width(), scale.Logical.height()},
                           TCustomPlotPanel::pf32bit);
    target.stretchDraw(chart, image);
  } else {
    panel.PrintPartialCanvas(target, chart);
  }
}

void TPlotPreviewPanel::DrawOverlay(DrawingBackend& target) {
  TCustomPlotPanelExtended::DrawOverlay(target);
  if (!margins_->Visible()) return;
  const TRect paper = PaperRect();
  if (!PaperUsable(paper)) return;
  const TRect c = ChartRectOnPaper();
  BackendPen pen = margins_->ToBackendPen();
  pen.mode = Graphics::pmNotXor;
  target.setPen(pen);
  target.setBackMode(BackMode::Transparent);
  target.setBackColor(paperColor_);
  const auto line = [&](int x0, int y0, int x1, int y1) {
    target.moveTo(x0, y0);
    target.lineTo(x1, y1);
  };
  line(c.Left - 1, paper.Top, c.Left - 1, paper.Bottom);
  line(c.Right, paper.Top, c.Right, paper.Bottom);
  line(paper.Left, c.Top - 1, paper.Right, c.Top - 1);
  line(paper.Left, c.Bottom, paper.Right, c.Bottom);
  pen.mode = Graphics::pmCopy;
  target.setPen(pen);
}

// --- mouse ----------------------------------------------------------------------------------

void TPlotPreviewPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPlotPanelExtended::MouseDown(button, shift, x, y);
  const TRect paper = PaperRect();
  if (!PaperUsable(paper)) return;
  const TRect chart = PreviewChartRect(paper, CurrentMargins());
  drag_.state = PreviewHitTest(chart, QPoint(x, y), allowMove_, allowResize_);
  drag_.start = QPoint(x, y);
  drag_.startChart = chart;
  dragChart_ = chart;
}

void TPlotPreviewPanel::MouseMove(TShiftState shift, int x, int y) {
  TCustomPlotPanelExtended::MouseMove(shift, x, y);
  const TRect paper = PaperRect();
  if (!PaperUsable(paper)) return;
  const QPoint p(x, y);
  if (drag_.state == phNone) {
    SetCurrentCursor(
        PreviewHitCursor(PreviewHitTest(ChartRectOnPaper(), p, allowMove_, allowResize_)));
    return;
  }
  if (x < paper.Left || x > paper.Right || y < paper.Top || y > paper.Bottom) return;
  TCustomPlotPanel* panel = Panel();
  if (!panel) return;
  TRect margins = CurrentMargins();
  if (!DragPreviewMargins(drag_, p, paper, dragChart_, margins, &dragChart_)) return;
  // Proportional margins would undo the drag: they go first.
  panel->SetPrintProportional(false);
  panel->SetPrintMargins(margins);
  if (OnChangeMargins) OnChangeMargins(this, true, margins);
  if (dragImage_)
    InvalidateChart();
  else
    Q_EMIT overlayChanged();
}

void TPlotPreviewPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPlotPanelExtended::MouseUp(button, shift, x, y);
  const bool dragging = drag_.state != phNone;
  drag_ = PreviewDrag{};
  // The outline alone moved while dragging: the chart goes to its new
  // rectangle now.
  if (dragging && !dragImage_) InvalidateChart();
}

// --- printing -------------------------------------------------------------------------------

void TPlotPreviewPanel::Print() {
  const std::vector<TCustomPlotPanel*> list = Panels();
  if (list.empty() || !printers_ || !printers_->HasPrinter()) return;
  ApplyOrientation();
  QString title = title_;
  if (title.isEmpty()) title = list.front()->objectName();
  QPrinter& printer = printers_->Printer(title);
  const PrintPageGeometry page = printers_->Page();
  QPainter painter;
  if (!painter.begin(&printer)) return;
  try {
    QPainterBackend backend(painter);
    for (TCustomPlotPanel* panel : list) DrawPanel(*panel, backend, panel->ChartPrintRect(page));
  } catch (...) {
    // No half-drawn page reaches the printer.
    printer.abort();
    painter.end();
    throw;
  }
  painter.end();
}
