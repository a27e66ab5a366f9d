#pragma once
// The complete chart: the axis panel with its four walls, four titles and
// the legend. It fills in the panel's painting steps, finds the part of the
// chart under the mouse, and turns drags into zooming and panning.
#include "chart/model/TChartLegend.h"
#include "chart/model/TChartTitle.h"
#include "chart/model/TChartWall.h"
#include "chart/model/TCustomAxisPanel.h"

#include <array>
#include <functional>

// The process-wide mouse switches of charts.
struct ChartMouseSwitches {
  // The wheel scrolls the vertical axes.
  bool WheelScrolls = true;
  // Keys that must be down for a pan to start.
  TShiftState ScrollKeyShift;
};
ChartMouseSwitches& ChartSwitches();

// The part of a chart under a point, by its stored numbers.
enum TChartClickedPartStyle {
  cpNone = 0,
  cpLegend = 1,
  cpAxis = 2,
  cpSeries = 3,
  cpTitle = 4,
  cpFoot = 5,
  cpChartRect = 6,
  cpSeriesMarks = 7,
  cpSubTitle = 8,
  cpSubFoot = 9,
};

struct TChartClickedPart {
  TChartClickedPartStyle Part = cpNone;
  // The legend item or the series' point.
  int PointIndex = -1;
  TChartSeries* ASeries = nullptr;
  TChartAxis* AAxis = nullptr;
};

class TCustomChart : public TCustomAxisPanel {
  Q_OBJECT

 public:
  using ClickEvent = std::function<void(TCustomChart&, TMouseButton, TShiftState, int x, int y)>;
  using ClickAxisEvent =
      std::function<void(TCustomChart&, TChartAxis&, TMouseButton, TShiftState, int x, int y)>;
  using ClickSeriesEvent = std::function<void(TCustomChart&, TChartSeries&, int valueIndex,
                                              TMouseButton, TShiftState, int x, int y)>;
  using ClickTitleEvent =
      std::function<void(TCustomChart&, TChartTitle&, TMouseButton, TShiftState, int x, int y)>;
  using AllowScrollEvent =
      std::function<void(const TChartAxis&, double& newMinimum, double& newMaximum, bool& allow)>;
  using LegendPosEvent = std::function<void(TCustomChart&, int index, int& x, int& y, int& xColor)>;
  using LegendRectEvent = std::function<void(TCustomChart&, TRect& rect)>;
  using LegendTextEvent = std::function<void(TCustomChart&, TChartLegend::TLegendStyle style,
                                             int index, QString& text)>;

  explicit TCustomChart(QObject* parent = nullptr);
  ~TCustomChart() override;

  // --- parts ------------------------------------------------------------------------
  TChartBackWall* BackWall() const { return backWall_; }
  TChartWall* BottomWall() const { return bottomWall_; }
  TChartWall* LeftWall() const { return leftWall_; }
  TChartRightWall* RightWall() const { return rightWall_; }
  TChartLegend* Legend() const { return legend_; }
  void SetLegend(TChartLegend* value);
  // The setters copy the given part's values.
  void SetBackWall(TChartBackWall* value);
  void SetBottomWall(TChartWall* value);
  void SetLeftWall(TChartWall* value);
  void SetRightWall(TChartRightWall* value);
  // The back wall's pen.
  TChartPen* Frame() const { return backWall_->Pen(); }
  void SetFrame(TChartPen* value) { backWall_->SetPen(value); }
  TChartTitle* Title() const { return title_; }
  TChartTitle* SubTitle() const { return subTitle_; }
  TChartFootTitle* Foot() const { return foot_; }
  TChartFootTitle* SubFoot() const { return subFoot_; }
  void SetTitle(TChartTitle* value);
  void SetSubTitle(TChartTitle* value);
  void SetFoot(TChartFootTitle* value);
  void SetSubFoot(TChartFootTitle* value);
  TMouseButton ScrollMouseButton() const { return scrollMouseButton_; }
  void SetScrollMouseButton(TMouseButton value) { SetIntegerProperty(scrollMouseButton_, value); }

  // Walls, titles, legend and ScrollMouseButton, then the axis panel's.
  void Assign(const TCustomPlotPanel& source) override;

  // Old files keep the back wall's colour as "BackColor".
  bool ReadExtraStored(const QString& name, const QVariant& value) override;

  // --- events -----------------------------------------------------------------------
  AllowScrollEvent OnAllowScroll;
  ClickAxisEvent OnClickAxis;
  ClickEvent OnClickBackground;
  ClickEvent OnClickLegend;
  ClickSeriesEvent OnClickSeries;
  ClickTitleEvent OnClickTitle;
  LegendPosEvent OnGetLegendPos;
  LegendRectEvent OnGetLegendRect;
  LegendTextEvent OnGetLegendText;

  // --- services ---------------------------------------------------------------------
  base::TColor GetBackColor() const override;
  // False when a series has `color`, or (when asked) the panel or back wall has it.
  bool IsFreeSeriesColor(base::TColor color, bool checkBackground) const;
  QString FormattedValueLegend(const TChartSeries& series, int index) const override;
  // The legend's colour, or the chart's where the legend takes that.
  base::TColor LegendBackColor() const override {
    return legend_->Color() == clPlotColor ? Color() : legend_->Color();
  }
  // The axis title's caption, else the axis' name from the message table.
  QString AxisTitleOrName(const TChartAxis& axis) const;
  // No active series, or one that draws against axes: then walls and drags exist.
  bool SomeSeriesUsesAxes() const;

  // --- mouse ------------------------------------------------------------------------
  TChartClickedPart CalcClickedPart(int x, int y, bool onlyWithEvents) const;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // Drops a zoom or pan drag without zooming or panning.
  void CancelDrags();
  // One notch: `down` scrolls the vertical axes up their range.
  void MouseWheel(bool down);
  // The zoom drag's rectangle over a finished picture, in the zoom's own
  // pen and brush: a blit of the picture removes it again.
  void DrawZoomOverlay(DrawingBackend& target);

  // Zooms every standard axis to the values under `r`.
  void ZoomToRect(TRect r);
  // Zooms to the limits, in the order left, top, right, bottom (minimum,
  // maximum each), animated when Zoom says so.
  void ZoomValues(const std::array<double, 8>& limits);
  // Gives the axes back the state of before the first zoom or pan.
  void UndoZoom();
  // Shows each step of an animated zoom; the window draws the chart now.
  std::function<void()> OnAnimatedZoomStep;

  // The most animated zoom steps drawn, however many are asked.
  static constexpr int MaxAnimatedSteps = 100;

 protected:
  void InternalDraw(const TRect& bounds) override;
  void DrawTitlesAndLegend(bool beforeSeries) override;
  void CalcWallsRect() override;
  int CalcWallSize(const TChartAxis& axis) const override;
  void DrawBackgroundAndWalls() override;
  void RecalcWidthHeight() override;

 private:
  struct SavedAxis {
    bool automatic = true, automaticMinimum = true, automaticMaximum = true;
    double minimum = 0, maximum = 0;
  };
  std::array<TChartAxis*, 4> StandardAxes() const;
  void SaveAxes();
  void StartDrag(TMouseButton button, TShiftState shift, int x, int y);
  void PanAxis(TChartAxis& axis, int from, int to, bool& moved);
  bool HasClickHandlers(const TChartSeries& series) const;
  void ShowSeriesCursor(int x, int y);
  void DrawWall(TChartWall& wall);
  bool RightWallInFront() const;
  void DrawLeftWall();
  void DrawBottomWall();
  void DrawRightWall();
  void FillWallGradient(TChartWall& wall, QPoint a, QPoint b, QPoint c, QPoint d);

  TChartBackWall* backWall_;
  TChartWall* bottomWall_;
  TChartWall* leftWall_;
  TChartRightWall* rightWall_;
  TChartTitle* title_;
  TChartTitle* subTitle_;
  TChartFootTitle* foot_;
  TChartFootTitle* subFoot_;
  TChartLegend* legend_;
  TMouseButton scrollMouseButton_ = mbRight;
  std::array<SavedAxis, 4> saved_{};
  bool nothingSaved_ = true;
  // Inside a paint, the chart rectangle only shrinks and stays on the panel.
  bool reducing_ = false;
};
