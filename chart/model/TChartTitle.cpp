#include "chart/model/TChartTitle.h"

#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/model/TChartSeries.h"

#include <algorithm>

TChartTitle::TChartTitle(ChartHost* parentChart, ChangeHandler onChange, QObject* parent,
                         bool onTop)
    : TPlotCustomShapePosition(parentChart, {}, parent), onTop_(onTop) {
  transparent_ = true;
  if (onTop) Font()->SetColor(base::clBlue);
  // The font's own defaults differ: set them before anyone listens.
  SetChangeHandler(std::move(onChange));
}

int TChartTitle::FrameWidth() const {
  if (Bevel() != Graphics::bvNone) return BevelWidth();
  const TChartPen& frame = *Frame();
  return frame.Visible() && frame.Color() != clPlotColor ? frame.Width() : 0;
}

void TChartTitle::Draw(TPlotCanvas3D& canvas, TRect& chartRect) {
  const bool custom = CustomPosition();
  if (!Visible() || text_.isEmpty()) {
    drawn_ = false;
    return;
  }
  const int fw = FrameWidth();
  TRect r = ShapeBounds();
  if (!custom) {
    r = chartRect;
    if (onTop_) r.Top += fw;
  }
  canvas.AssignFont(*Font());
  const int h = canvas.TextHeight(QStringLiteral("W"));
  const int n = static_cast<int>(text_.size());
  if (!onTop_ && !custom)
    r.Top = r.Bottom - n * h;
  else
    r.Bottom = r.Top + n * h;
  if (!custom) r = TRect{r.Left - fw, r.Top - fw, r.Right + fw, r.Bottom + fw};

  const int wW = canvas.TextWidth(QStringLiteral("W"));
  if (adjustFrame_) {
    int widest = 0;
    for (const QString& line : text_) widest = std::max(widest, canvas.TextWidth(line));
    const int total = widest + wW + fw;
    switch (alignment_) {
      case taLeftJustify:
        r.Right = r.Left + total;
        break;
      case taRightJustify:
        r.Left = r.Right - total;
        break;
      case taCenter: {
        if (custom) r.Right = r.Left + total;
        const int middle = (r.Left + r.Right) / 2;
        r.Left = middle - total / 2;
        r.Right = middle + total / 2;
        break;
      }
    }
  }
  SetShapeBounds(r);
  drawn_ = true;
  TPlotCustomShape::Draw(canvas);

  canvas.SetBackMode(BackMode::Transparent);
  canvas.SetTextAlign(0);
  for (int i = 0; i < n; ++i) {
    const QString& line = text_[i];
    const int w = canvas.TextWidth(line);
    int x = (r.Left + r.Right) / 2 - w / 2;
    if (alignment_ == taLeftJustify) x = r.Left + wW / 2;
    if (alignment_ == taRightJustify) x = r.Right - w - wW / 2;
    const int y = onTop_ ? r.Top + i * h + fw : r.Bottom - h - (i * h + fw);
    if (canvas.SupportsFullRotation())
      canvas.TextOut3D(x, y, 0, line);
    else
      canvas.TextOut(x, y, line);
  }

  if (custom) return;
  const int gap = fw + 5 + (Transparent() ? 0 : ShadowSize());
  if (onTop_) {
    chartRect.Top = r.Bottom + gap;
  } else {
    // A thick frame would otherwise reach into the chart: its bottom edge
    // stays at or above the frame's top.
    chartRect.Bottom = std::min(r.Bottom - gap - n * h, r.Top);
  }
}

bool TChartTitle::Clicked(int x, int y) const {
  const TRect& r = ShapeBounds();
  return Visible() && drawn_ && x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

void TChartTitle::Assign(const TChartTitle& source) {
  if (&source == this) return;
  TPlotCustomShapePosition::Assign(source);
  SetAdjustFrame(source.adjustFrame_);
  SetAlignment(source.alignment_);
  SetText(source.text_);
}

TChartFootTitle::TChartFootTitle(ChartHost* parentChart, ChangeHandler onChange, QObject* parent)
    : TChartTitle(parentChart, {}, parent, false) {
  Font()->SetColor(base::clRed);
  Font()->SetStyle(Graphics::fsItalic);
  SetChangeHandler(std::move(onChange));
}
