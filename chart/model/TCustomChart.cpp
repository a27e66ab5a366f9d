#include "chart/model/TCustomChart.h"

#include "chart/core/ChartMessages.h"

#include <QVariant>

ChartMouseSwitches& ChartSwitches() {
  static ChartMouseSwitches switches;
  return switches;
}

TCustomChart::TCustomChart(QObject* parent)
    : TCustomAxisPanel(parent),
      backWall_(new TChartBackWall(this, {}, this)),
      bottomWall_(new TChartWall(this, base::clWhite, {}, this)),
      leftWall_(new TChartWall(this, 0x80FFFF, {}, this)),
      rightWall_(new TChartRightWall(this, {}, this)),
      title_(new TChartTitle(this, {}, this)),
      subTitle_(new TChartTitle(this, {}, this)),
      foot_(new TChartFootTitle(this, {}, this)),
      subFoot_(new TChartFootTitle(this, {}, this)),
      legend_(new TChartLegend(this, {}, this)) {
  // The chart's events have their say in the legend's drawing.
  legend_->OnGetText = [this](TChartLegend::TLegendStyle style, int index, QString& text) {
    if (OnGetLegendText) OnGetLegendText(*this, style, index, text);
  };
  legend_->OnGetRect = [this](TRect& box) {
    if (OnGetLegendRect) OnGetLegendRect(*this, box);
  };
  legend_->OnGetPos = [this](int index, int& x, int& y, int& xColor) {
    if (OnGetLegendPos) OnGetLegendPos(*this, index, x, y, xColor);
  };
}

TCustomChart::~TCustomChart() {
  // The parts must not reach a half-destroyed chart.
  HostGone();
}

void TCustomChart::SetBackWall(TChartBackWall* value) {
  if (value && value != backWall_) backWall_->Assign(*value);
}
void TCustomChart::SetBottomWall(TChartWall* value) {
  if (value && value != bottomWall_) bottomWall_->Assign(*value);
}
void TCustomChart::SetLeftWall(TChartWall* value) {
  if (value && value != leftWall_) leftWall_->Assign(*value);
}
void TCustomChart::SetRightWall(TChartRightWall* value) {
  if (value && value != rightWall_) rightWall_->Assign(*value);
}
void TCustomChart::SetLegend(TChartLegend* value) {
  if (value && value != legend_) legend_->Assign(*value);
}
void TCustomChart::SetTitle(TChartTitle* value) {
  if (value && value != title_) title_->Assign(*value);
}
void TCustomChart::SetSubTitle(TChartTitle* value) {
  if (value && value != subTitle_) subTitle_->Assign(*value);
}
void TCustomChart::SetFoot(TChartFootTitle* value) {
  if (value && value != foot_) foot_->Assign(*value);
}
void TCustomChart::SetSubFoot(TChartFootTitle* value) {
  if (value && value != subFoot_) subFoot_->Assign(*value);
}

void TCustomChart::Assign(const TCustomPlotPanel& source) {
  if (const auto* other = qobject_cast<const TCustomChart*>(&source); other && other != this) {
    backWall_->Assign(*other->backWall_);
    bottomWall_->Assign(*other->bottomWall_);
    leftWall_->Assign(*other->leftWall_);
    rightWall_->Assign(*other->rightWall_);
    title_->Assign(*other->title_);
    subTitle_->Assign(*other->subTitle_);
    foot_->Assign(*other->foot_);
    subFoot_->Assign(*other->subFoot_);
    legend_->Assign(*other->legend_);
    SetScrollMouseButton(other->scrollMouseButton_);
  }
  TCustomAxisPanel::Assign(source);
}

bool TCustomChart::ReadExtraStored(const QString& name, const QVariant& value) {
  if (name.compare(QLatin1String("BackColor"), Qt::CaseInsensitive) != 0)
    return TCustomAxisPanel::ReadExtraStored(name, value);
  const int type = value.metaType().id();
  bool ok = false;
  const qlonglong number = value.toLongLong(&ok);
  const bool integer = type == QMetaType::Int || type == QMetaType::LongLong ||
                       type == QMetaType::UInt || type == QMetaType::ULongLong;
  base::TColor color = 0;
  if (integer && ok && number >= INT32_MIN && number <= UINT32_MAX) {
    color = static_cast<base::TColor>(number);
  } else if (type == QMetaType::QString) {
    if (!base::IdentToColor(value.toString(), color)) return true;
  } else {
    return true;
  }
  backWall_->SetColor(color);
  return true;
}

// --- services -----------------------------------------------------------------------------

base::TColor TCustomChart::GetBackColor() const {
  return backWall_->Transparent() ? Color() : backWall_->Color();
}

bool TCustomChart::IsFreeSeriesColor(base::TColor color, bool checkBackground) const {
  for (const TChartSeries* s : SeriesList())
    if (s->SeriesColor() == color) return false;
  return !checkBackground || (color != Color() && color != backWall_->Color());
}

QString TCustomChart::FormattedValueLegend(const TChartSeries& series, int index) const {
  return legend_->FormattedValue(series, index);
}

QString TCustomChart::AxisTitleOrName(const TChartAxis& axis) const {
  const QString caption = axis.Title()->Caption();
  if (!caption.isEmpty()) return caption;
  if (&axis == DepthAxis() || axis.IsDepthAxis) return ChartText(ChartMsg::DepthAxis);
  if (axis.Horizontal())
    return ChartText(axis.OtherSide() ? ChartMsg::TopAxis : ChartMsg::BottomAxis);
  return ChartText(axis.OtherSide() ? ChartMsg::RightAxis : ChartMsg::LeftAxis);
}

bool TCustomChart::SomeSeriesUsesAxes() const {
  bool anyActive = false;
  for (const TChartSeries* s : SeriesList()) {
    if (!s->Active()) continue;
    if (s->UseAxis()) return true;
    anyActive = true;
  }
  return !anyActive;
}

std::array<TChartAxis*, 4> TCustomChart::StandardAxes() const {
  return {LeftAxis(), TopAxis(), RightAxis(), BottomAxis()};
}
