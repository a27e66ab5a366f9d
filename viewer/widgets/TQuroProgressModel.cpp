#include "viewer/widgets/TQuroProgressModel.h"

#include "base/Convert.h"
#include "base/FormatDateTime.h"
#include "base/MathUtil.h"

#include <cmath>

namespace {

// sin 45 degrees = cos 45 degrees.
const double Diagonal = std::sqrt(0.5);

// The span the bar gets when the end would not lie after the start.
constexpr double DefaultSpanDays = 365.0;
// The span of a strip that has not yet been told its end.
constexpr double InitialSpanDays = 14.0;

}  // namespace

TQuroProgressModel::TQuroProgressModel(Clock today) {
  const TDateTime now = today ? today() : base::Today();
  SetStartDate(now);
  SetEndDate(now + InitialSpanDays);
  SetCurDate(now);
  SetSize(DefaultSize, DefaultSize);
}

void TQuroProgressModel::SetBoxColor(TColor c) {
  boxColor_ = c;
  NotifyChanged();
}

void TQuroProgressModel::SetSheetColor(TColor c) {
  sheetColor_ = c;
  NotifyChanged();
}

void TQuroProgressModel::SetFontColor(TColor c) {
  fontColor_ = c;
  NotifyChanged();
}

void TQuroProgressModel::SetStartDate(TDateTime t) {
  if (t == startDate_) return;
  startDate_ = t;
  SetCurDate(t);
  // The bar counts from the start: its range must follow it, or a strip
  // created today shows a file dated in the past as 14 days of progress.
  RecomputeMax();
  NotifyChanged();
}

void TQuroProgressModel::SetEndDate(TDateTime t) {
  if (t == endDate_) return;
  endDate_ = t <= startDate_ ? startDate_ + DefaultSpanDays : t;
  RecomputeMax();
  NotifyChanged();
}

void TQuroProgressModel::SetCurDate(TDateTime t) {
  if (t == curDate_) return;
  if (t > endDate_) SetEndDate(t + DefaultSpanDays);
  curDate_ = t;

  int year = 0, month = 0, day = 0;
  base::DecodeDate(t, year, month, day);
  // A date outside the calendar (NaN, beyond year 9999) leaves the sheets.
  if (month >= 1 && month <= MonthCount) {
    if (currentMonth_ < month) {
      // Tear off the sheets of the months before, from the current one on.
      for (int i = currentMonth_ > 0 ? currentMonth_ : 1; i < month; ++i)
        sheets_[static_cast<size_t>(i - 1)].showsTexts = false;
    }
    currentMonth_ = month;
    Sheet& sheet = sheets_[static_cast<size_t>(month - 1)];
    sheet.date = t;
    sheet.dayText = base::IntToStr(day);
    sheet.bottomText = base::IntToStr(year);
    sheet.showsTexts = true;
  }
  NotifyChanged();
}

void TQuroProgressModel::SetMode(TViewMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  for (Sheet& sheet : sheets_) {
    sheet.mode = mode;
    if (mode == vmHMDMY) sheet.timeFormat = QStringLiteral("hh:mm ");
    if (mode == vmHMSDMY) sheet.timeFormat = QStringLiteral("hh:mm:ss");
  }
  NotifyChanged();
}

void TQuroProgressModel::SetSize(int w, int h) {
  width_ = w;
  height_ = h;
  boxHeight_ = h / 4 - 1;
  halfDepth_ = boxHeight_ / 2;
  frontWidth_ = base::Round((w - 1) - Diagonal * halfDepth_);

  barLeft_ = w / 20;
  barTop_ = base::Round(13.0 * h / 16.0);
  barHeight_ = halfDepth_;
  barWidth_ = frontWidth_ - 2 * (w / 20);

  a_ = QPoint(0, h - 1);
  b_ = QPoint(a_.x(), a_.y() - boxHeight_);
  c_ = QPoint(a_.x() + frontWidth_, a_.y() - boxHeight_);
  d_ = QPoint(a_.x() + frontWidth_, a_.y());
  e_ = Shift(b_, halfDepth_);
  f_ = Shift(c_, halfDepth_);
  g_ = Shift(d_, halfDepth_);

  // January stands at the front edge of the top face, December at its back,
  // and the back sheet reaches the top of the control.
  const int s = base::Round((h - 1 - boxHeight_) - Diagonal * halfDepth_);
  for (int i = 0; i < MonthCount; ++i) {
    const int r = base::Round(static_cast<double>(i) * halfDepth_ / 11.0);
    Sheet& sheet = sheets_[static_cast<size_t>(i)];
    sheet.corners = {Shift(QPoint(b_.x(), b_.y()), r), Shift(QPoint(b_.x(), b_.y() - s), r),
                     Shift(QPoint(b_.x() + frontWidth_, b_.y() - s), r),
                     Shift(QPoint(b_.x() + frontWidth_, b_.y()), r)};
    sheet.bounds = {sheet.corners[0].x(), sheet.corners[1].y(), sheet.corners[2].x(),
                    sheet.corners[3].y()};
  }
  NotifyChanged();
}

QPoint TQuroProgressModel::Corner(char name) const {
  switch (name) {
    case 'A':
      return a_;
    case 'B':
      return b_;
    case 'C':
      return c_;
    case 'D':
      return d_;
    case 'E':
      return e_;
    case 'F':
      return f_;
    case 'G':
      return g_;
    default:
      return QPoint();
  }
}

int TQuroProgressModel::BarPosition() const {
  const int p = base::Round((curDate_ - startDate_) * base::HoursPerDay);
  return p < 0 || p > barMax_ ? 0 : p;
}

int TQuroProgressModel::BarFilledWidth(int innerWidth) const {
  if (barMax_ <= 0 || innerWidth <= 0) return 0;
  return static_cast<int>(static_cast<int64_t>(innerWidth) * BarPosition() / barMax_);
}

QString TQuroProgressModel::TopText(int i) const {
  const Sheet& sheet = sheets_[static_cast<size_t>(i)];
  if (sheet.mode == vmDMY) return sheet.dayText + QLatin1Char('.') + MonthName(i);
  return base::FormatDateTime(QStringLiteral("ddddd"), sheet.date);
}

QString TQuroProgressModel::BottomText(int i) const {
  const Sheet& sheet = sheets_[static_cast<size_t>(i)];
  if (sheet.mode == vmDMY) return sheet.bottomText;
  return base::FormatDateTime(sheet.timeFormat, sheet.date);
}

QPoint TQuroProgressModel::TextPos(int i, bool upper, QSize size) const {
  const Bounds& r = sheets_[static_cast<size_t>(i)].bounds;
  const int centre = upper ? (3 * r.top + r.bottom) / 4 : (r.top + 3 * r.bottom) / 4;
  return QPoint((r.left + r.right - size.width()) / 2, centre - size.height() / 2);
}

std::array<QPoint, 2> TQuroProgressModel::MiddleLine(int i) const {
  const Bounds& r = sheets_[static_cast<size_t>(i)].bounds;
  const int y = (r.top + r.bottom) / 2;
  return {QPoint(r.left + 10, y), QPoint(r.right - 10, y)};
}

const QString& TQuroProgressModel::MonthName(int i) {
  static const std::array<QString, MonthCount> names = {
      QStringLiteral("january"), QStringLiteral("february"), QStringLiteral("march"),
      QStringLiteral("april"),   QStringLiteral("may"),      QStringLiteral("june"),
      QStringLiteral("july"),    QStringLiteral("august"),   QStringLiteral("september"),
      QStringLiteral("october"), QStringLiteral("november"), QStringLiteral("december")};
  return names[static_cast<size_t>(i < 0 || i >= MonthCount ? 0 : i)];
}

QPoint TQuroProgressModel::Shift(QPoint p, int r) {
  return QPoint(p.x() + base::Round(r * Diagonal), p.y() - base::Round(r * Diagonal));
}

void TQuroProgressModel::RecomputeMax() {
  barMax_ = base::Round((endDate_ - startDate_) * base::HoursPerDay);
}

void TQuroProgressModel::NotifyChanged() {
  if (OnChanged) OnChanged();
}
