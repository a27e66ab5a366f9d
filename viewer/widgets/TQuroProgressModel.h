#pragma once
// The state and geometry of a view's date strip: a tear-off calendar of twelve
// month sheets standing on a box drawn in a 45-degree oblique projection, with
// a progress bar on the box's front that counts hours from StartDate to
// EndDate. TQuroProgress paints it; everything it paints is computed here.
//
// Dates are day numbers (days since 30 December 1899, time as the fraction).
// "Today" comes from a clock the owner may replace, so tests are stable.
#include "base/Colors.h"
#include "base/DateTime.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <array>
#include <functional>

enum TViewMode { vmDMY, vmHMDMY, vmHMSDMY };

class TQuroProgressModel {
 public:
  using TColor = base::TColor;
  using TDateTime = base::TDateTime;
  // Returns today's date without time of day.
  using Clock = std::function<TDateTime()>;

  static constexpr int MonthCount = 12;
  static constexpr int DefaultSize = 200;

  // Corner points bottom-left, top-left, top-right, bottom-right.
  using Quad = std::array<QPoint, 4>;

  // Left of the first corner, top of the second, right of the third, bottom
  // of the fourth.
  struct Bounds {
    int left = 0, top = 0, right = 0, bottom = 0;
  };

  struct Sheet {
    Quad corners{};
    Bounds bounds;
    bool showsTexts = false;
    TDateTime date = 0.0;  // the date it shows in the time modes
    QString dayText;       // day number, for vmDMY
    QString bottomText;    // year number, for vmDMY
    TViewMode mode = vmHMDMY;
    QString timeFormat = QStringLiteral("hh:mm ");
  };

  // Sets StartDate := today, EndDate := today + 14 and CurDate := today and
  // lays the strip out at 200 x 200. Without a clock, the system's date.
  explicit TQuroProgressModel(Clock today = {});

  // Fired after every change of what the strip shows.
  std::function<void()> OnChanged;

  TColor BoxColor() const { return boxColor_; }
  void SetBoxColor(TColor c);
  TColor SheetColor() const { return sheetColor_; }
  void SetSheetColor(TColor c);
  // Colour of the sheet texts (a part of the font in the strip's toolkit of
  // origin).
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor c);

  TDateTime StartDate() const { return startDate_; }
  TDateTime EndDate() const { return endDate_; }
  TDateTime CurDate() const { return curDate_; }
  // Also makes t the current date, and the bar spans StartDate..EndDate.
  void SetStartDate(TDateTime t);
  // A t not after StartDate gives StartDate + 365.
  void SetEndDate(TDateTime t);
  // A date past EndDate moves EndDate to t + 365. Turns the calendar to t's
  // month, tearing off the sheets of the months before.
  void SetCurDate(TDateTime t);

  TViewMode Mode() const { return mode_; }
  void SetMode(TViewMode mode);

  // Lays the strip out for a control of w x h pixels.
  void SetSize(int w, int h);
  int Width() const { return width_; }
  int Height() const { return height_; }

  // ---- geometry (valid after SetSize) ----
  int BoxHeight() const { return boxHeight_; }
  int HalfDepth() const { return halfDepth_; }
  int FrontWidth() const { return frontWidth_; }
  // The box: front face A, B, C, D; top face B, E, F, C; right face D, C, F, G.
  QPoint Corner(char name) const;
  Quad FrontFace() const { return {a_, b_, c_, d_}; }
  Quad TopFace() const { return {b_, e_, f_, c_}; }
  Quad RightFace() const { return {d_, c_, f_, g_}; }
  // Progress bar rectangle: left, top, width, height.
  int BarLeft() const { return barLeft_; }
  int BarTop() const { return barTop_; }
  int BarWidth() const { return barWidth_; }
  int BarHeight() const { return barHeight_; }

  // ---- progress in hours since StartDate ----
  int BarMax() const { return barMax_; }
  // Hours from StartDate to CurDate; 0 when that lies outside 0..BarMax.
  int BarPosition() const;
  // Filled part of a bar whose inside is `innerWidth` pixels wide.
  int BarFilledWidth(int innerWidth) const;

  // ---- the calendar ----
  // Month of CurDate, 1..12; 0 before the first date.
  int CurrentMonth() const { return currentMonth_; }
  // Sheet of month i, 0 = January .. 11 = December.
  const Sheet& SheetAt(int i) const { return sheets_[static_cast<size_t>(i)]; }
  // Sheets are drawn from December down to this one; earlier months are torn off.
  int FirstDrawnSheet() const { return currentMonth_ > 0 ? currentMonth_ - 1 : 0; }
  QString TopText(int i) const;
  QString BottomText(int i) const;
  // Top-left corner of a text of `size` on sheet i (upper or lower text).
  QPoint TextPos(int i, bool upper, QSize size) const;
  // The line across the middle of sheet i, 10 pixels in from either side.
  std::array<QPoint, 2> MiddleLine(int i) const;

  static const QString& MonthName(int i);

  // Oblique shift of a point by depth r along the 45-degree axis.
  static QPoint Shift(QPoint p, int r);

 private:
  void RecomputeMax();
  void NotifyChanged();

  TColor boxColor_ = base::clGray;
  TColor sheetColor_ = base::clSilver;
  TColor fontColor_ = base::clWindowText;
  TDateTime startDate_ = 0.0;
  TDateTime endDate_ = 0.0;
  TDateTime curDate_ = 0.0;
  TViewMode mode_ = vmHMDMY;
  int barMax_ = 0;
  int currentMonth_ = 0;
  std::array<Sheet, MonthCount> sheets_{};

  int width_ = 0, height_ = 0;
  int boxHeight_ = 0, halfDepth_ = 0, frontWidth_ = 0;
  int barLeft_ = 0, barTop_ = 0, barWidth_ = 0, barHeight_ = 0;
  QPoint a_, b_, c_, d_, e_, f_, g_;
};
