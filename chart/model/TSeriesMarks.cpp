#include "chart/model/TSeriesMarks.h"

#include "base/MathUtil.h"

#include "chart/canvas/TCanvas3D.h"
#include "chart/canvas/TPlotBlend.h"
#include "chart/canvas/TPlotCanvas3D.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

bool TSeriesMarks::CheckArrowColor = false;

TSeriesMarksGradient::TSeriesMarksGradient(ChangeHandler onChange, QObject* parent)
    : TChartGradient(std::move(onChange), parent) {
  direction_ = gdRightLeft;
  startColor_ = base::clSilver;
  endColor_ = base::clWhite;
}

TSeriesMarks::TSeriesMarks(ChartHost* parentChart, ChangeHandler onChange, QObject* parent)
    : TPlotCustomShape(parentChart, std::move(onChange), parent,
                       &NewGradient<TSeriesMarksGradient>),
      arrow_(new TChartArrowPen([this] { SubObjectChanged(); }, this)) {
  color_ = base::clInfoBk;
  shadowSize_ = 1;
  shadowColor_ = base::clGray;
  visible_ = false;
}

void TSeriesMarks::SetArrow(TChartPen* value) {
  if (value && value != arrow_) arrow_->Assign(*value);
}

void TSeriesMarks::ApplyArrowLength(TSeriesMarkPosition& position) const {
  // Any stored length moves the box at most across the pixel range, so that
  // the box's own sizes still add up.
  constexpr int64_t kLongest = 67108863;
  const int64_t length = std::clamp<int64_t>(arrowLength_, -kLongest, kLongest);
  position.BoxTopLeft.ry() = base::SaturateToInt(position.BoxTopLeft.y() - length);
  position.ArrowEnd.ry() = base::SaturateToInt(position.ArrowEnd.y() - length);
}

QStringList MarkTextLines(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\r'));
  for (QString& l : lines) l.truncate(255);
  return lines;
}

void TSeriesMarks::DrawItem(TCanvas3D& canvas, int index, base::TColor color,
                            TSeriesMarkPosition& position, const QString& text) {
  positions_.Automatic(index, position);
  DrawingBackend& backend = canvas.ReferenceCanvas();
  if (arrow_->Visible()) {
    BackendBrush clear = backend.brush();
    clear.style = bsClear;
    backend.setBrush(clear);
    if (CheckArrowColor && arrow_->Color() == color) {
      TChartPen pen;
      pen.Assign(*arrow_);
      pen.SetColor(base::clBlack);
      canvas.AssignPen(pen);
    } else {
      canvas.AssignPen(*arrow_);
    }
    canvas.LineWithZ(position.ArrowStart.x(), position.ArrowStart.y(), position.ArrowEnd.x(),
                     position.ArrowEnd.y(), zPosition_);
  }
  TRect box = position.Bounds();
  int z = zPosition_ + 1;
  if (!canvas.SupportsTextZoom()) {
    // The box goes where its corner is projected and is drawn flat there.
    const QPoint p = canvas.Calculate3DPosition(box.Left, box.Top, zPosition_);
    box = TRect{p.x(), p.y(), p.x() + position.BoxWidth, p.y() + position.BoxHeight};
    z = 0;
  }
  std::optional<TPlotBlend> blend;
  auto* canvas3D = dynamic_cast<TPlotCanvas3D*>(&canvas);
  if (Transparency() > 0 && canvas3D) blend.emplace(*canvas3D, box);
  const int angle = ((angle_ % 360) + 360) % 360;
  if (canvas.SupportsTextZoom()) {
    DrawRectRotated(canvas, box, angle, z);
  } else {
    canvas.Disable3D();
    DrawRectRotated(canvas, box, angle, 0);
    canvas.Restore3D();
  }

  BackendBrush clear = backend.brush();
  clear.style = bsClear;
  backend.setBrush(clear);
  canvas.SetBackMode(BackMode::Transparent);
  canvas.AssignFont(*Font());
  canvas.SetTextAlign(TextAlign::Center);
  const int h = canvas.TextHeight(QStringLiteral("W"));
  const int top = box.Top + 2;
  const int cx = (box.Left + box.Right) / 2;
  const int cy = (top + box.Bottom) / 2;
  const int frame = Frame()->Visible() ? Frame()->Width() : 0;
  const QStringList lines = MarkTextLines(text);
  const double a = angle * (M_PI / 180.0);
  for (int k = 0; k < lines.size(); ++k) {
    if (angle == 0) {
      const int y = top + k * h + frame;
      if (canvas.SupportsTextZoom())
        canvas.TextOut3D(cx, y, z, lines[k]);
      else
        canvas.TextOut(cx, y, lines[k]);
    } else {
      const int x = cx + base::Round(k * h * std::sin(a)) + (angle == 90 ? 2 : 0);
      const int y = cy + base::Round(k * h * std::cos(a));
      if (canvas.SupportsTextZoom())
        canvas.RotateLabel3D(x, y, z, lines[k], angle);
      else
        canvas.RotateLabel(x, y, lines[k], angle);
    }
  }
  canvas.SetTextAlign(TextAlign::Left);
  if (blend) blend->DoBlend(Transparency());
}

int TSeriesMarks::TextWidth(TPlotCanvas& canvas, int index) const {
  if (!series_) return 0;
  canvas.AssignFont(*Font());
  int w = 0;
  for (const QString& line : MarkTextLines(series_->MarkText(index)))
    w = std::max(w, canvas.TextWidth(line));
  return w;
}

int TSeriesMarks::Clicked(const TCanvas3D& canvas, int x, int y) const {
  const QPoint p = canvas.Calculate2DPosition(x, y, zPosition_);
  const int step = DrawEveryStep();
  for (int i = 0; i < positions_.Count(); i += step) {
    const TSeriesMarkPosition* pos = positions_.GetPosition(i);
    if (!pos) continue;
    const TRect r = pos->Bounds();
    if (p.x() >= r.Left && p.x() < r.Right && p.y() >= r.Top && p.y() < r.Bottom) return i;
  }
  return -1;
}

void TSeriesMarks::Assign(const TSeriesMarks& source) {
  if (&source == this) return;
  TPlotCustomShape::Assign(source);
  SetAngle(source.angle_);
  arrow_->Assign(*source.arrow_);
  SetArrowLength(source.arrowLength_);
  SetClip(source.clip_);
  SetDrawEvery(source.drawEvery_);
  SetStyle(source.style_);
  SetMultiLine(source.multiLine_);
}
