#pragma once
// The marks of a series: framed text boxes next to its points, each with an
// optional arrow from the point. The series says where each mark goes and
// what it reads; the marks keep the look, remember positions (a mark moved
// by hand stays put), draw one mark, measure texts and find the mark under
// the mouse.
#include "chart/canvas/TChartGradient.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TPlotCustomShape.h"
#include "chart/model/TSeriesMarkPosition.h"

#include <QString>

class TCanvas3D;
class TPlotCanvas;

// The gradient of marks: silver to white from the right.
class TSeriesMarksGradient : public TChartGradient {
  Q_OBJECT
  Q_CLASSINFO("default:Direction", "gdRightLeft")
  Q_CLASSINFO("default:StartColor", "$C0C0C0")
  Q_CLASSINFO("default:EndColor", "$FFFFFF")

 public:
  explicit TSeriesMarksGradient(ChangeHandler onChange = {}, QObject* parent = nullptr);
};

// What the marks read of their series.
class SeriesMarksSource {
 public:
  virtual ~SeriesMarksSource() = default;
  virtual QString MarkText(int index) const = 0;
};

class TSeriesMarks : public TPlotCustomShape {
  Q_OBJECT
  // Series types show their marks or not, near or far, from their
  // constructors: always stored, so that a chart comes back as it was.
  Q_CLASSINFO("default:Visible", "@owner")
  Q_CLASSINFO("default:Color", "$FF000018")
  Q_CLASSINFO("default:ShadowColor", "$808080")
  Q_CLASSINFO("default:ShadowSize", "1")

 public:
  enum TSeriesMarksStyle {
    smsValue,
    smsPercent,
    smsLabel,
    smsLabelPercent,
    smsLabelValue,
    smsLegend,
    smsPercentTotal,
    smsLabelPercentTotal,
    smsXValue,
    smsXY
  };
  Q_ENUM(TSeriesMarksStyle)

 private:
  Q_PROPERTY(int Angle READ Angle WRITE SetAngle)
  Q_CLASSINFO("default:Angle", "0")
  Q_PROPERTY(TChartPen* Arrow READ Arrow WRITE SetArrow)
  Q_PROPERTY(int ArrowLength READ ArrowLength WRITE SetArrowLength)
  Q_CLASSINFO("default:ArrowLength", "@owner")
  Q_PROPERTY(bool Clip READ Clip WRITE SetClip)
  Q_CLASSINFO("default:Clip", "false")
  Q_PROPERTY(int DrawEvery READ DrawEvery WRITE SetDrawEvery)
  Q_CLASSINFO("default:DrawEvery", "1")
  Q_PROPERTY(TSeriesMarksStyle Style READ Style WRITE SetStyle)
  Q_CLASSINFO("default:Style", "smsLabel")
  Q_PROPERTY(bool MultiLine READ MultiLine WRITE SetMultiLine)
  Q_CLASSINFO("default:MultiLine", "false")
  Q_PROPERTY(uint BackColor READ BackColor WRITE SetBackColor STORED false)
  Q_CLASSINFO("kind:BackColor", "color")

 public:
  explicit TSeriesMarks(ChartHost* parentChart = nullptr, ChangeHandler onChange = {},
                        QObject* parent = nullptr);

  int Angle() const { return angle_; }
  void SetAngle(int value) { StoreAndRepaint(angle_, value); }
  TChartArrowPen* Arrow() const { return arrow_; }
  void SetArrow(TChartPen* value);
  int ArrowLength() const { return arrowLength_; }
  void SetArrowLength(int value) { StoreAndRepaint(arrowLength_, value); }
  bool Clip() const { return clip_; }
  void SetClip(bool value) { StoreAndRepaint(clip_, value); }
  int DrawEvery() const { return drawEvery_; }
  // Stored as given; below 1 it acts as 1.
  void SetDrawEvery(int value) { StoreAndRepaint(drawEvery_, value); }
  // The step of the marks that are drawn: never below 1.
  int DrawEveryStep() const { return drawEvery_ < 1 ? 1 : drawEvery_; }
  TSeriesMarksStyle Style() const { return style_; }
  void SetStyle(TSeriesMarksStyle value) { StoreAndRepaint(style_, value); }
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool value) { StoreAndRepaint(multiLine_, value); }
  base::TColor BackColor() const { return Color(); }
  void SetBackColor(base::TColor value) { SetColor(value); }

  const SeriesMarksSource* Series() const { return series_; }
  void SetSeries(const SeriesMarksSource* series) { series_ = series; }
  // The depth the marks are drawn at (the series' middle depth).
  int ZPosition() const { return zPosition_; }
  void SetZPosition(int z) { zPosition_ = z; }

  TSeriesMarksPositions& Positions() { return positions_; }
  const TSeriesMarksPositions& Positions() const { return positions_; }

  // Box and arrow end move up by ArrowLength.
  void ApplyArrowLength(TSeriesMarkPosition& position) const;
  // Reconciles `position` with the remembered one and draws mark `index`:
  // arrow, box and text lines.
  void DrawItem(TCanvas3D& canvas, int index, base::TColor color, TSeriesMarkPosition& position,
                const QString& text);
  // The widest line of the mark text of point `index`.
  int TextWidth(TPlotCanvas& canvas, int index) const;
  // The index of the drawn mark whose box holds (x, y), or -1.
  int Clicked(const TCanvas3D& canvas, int x, int y) const;

  // Copies the marks' own values and the box's.
  void Assign(const TSeriesMarks& source);

  // Off unless set: an arrow in the point's colour is drawn black instead,
  // or white when the chart's colour is black.
  static bool CheckArrowColor;

 private:
  TChartArrowPen* arrow_;  // owned through the QObject tree
  int angle_ = 0;
  int arrowLength_ = 8;
  bool clip_ = false;
  int drawEvery_ = 1;
  TSeriesMarksStyle style_ = smsLabel;
  bool multiLine_ = false;
  const SeriesMarksSource* series_ = nullptr;
  int zPosition_ = 0;
  TSeriesMarksPositions positions_;
};

// A mark text split at its line separators, each line at most 255
// characters.
QStringList MarkTextLines(const QString& text);
