#pragma once
// A chart title: lines of text in a framed box above the chart (Title,
// SubTitle) or below it (Foot, SubFoot). Unless placed by the user, it
// takes its room from the chart rectangle as it draws.
#include "chart/model/TPlotCustomShapePosition.h"

#include <QStringList>

class TPlotCanvas3D;

class TChartTitle : public TPlotCustomShapePosition {
  Q_OBJECT
  Q_PROPERTY(bool AdjustFrame READ AdjustFrame WRITE SetAdjustFrame)
  Q_CLASSINFO("default:AdjustFrame", "true")
  Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_CLASSINFO("default:Alignment", "taCenter")
  Q_PROPERTY(QStringList Text READ Text WRITE SetText)
  Q_CLASSINFO("default:Text", "")
  Q_CLASSINFO("default:Transparent", "true")

 public:
  enum TAlignment { taLeftJustify, taRightJustify, taCenter };
  Q_ENUM(TAlignment)

  explicit TChartTitle(ChartHost* parentChart = nullptr, ChangeHandler onChange = {},
                       QObject* parent = nullptr)
      : TChartTitle(parentChart, std::move(onChange), parent, true) {}

  bool AdjustFrame() const { return adjustFrame_; }
  void SetAdjustFrame(bool value) { StoreAndRepaint(adjustFrame_, value); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { StoreAndRepaint(alignment_, value); }
  const QStringList& Text() const { return text_; }
  void SetText(const QStringList& value) { StoreAndRepaint(text_, value); }
  // Above the chart (Title, SubTitle) or below it (the foot titles).
  bool OnTop() const { return onTop_; }

  // The frame's thickness as it counts in the layout.
  int FrameWidth() const;
  // Lays the title out, draws it and, unless placed by the user, takes its
  // room from `chartRect`. Nothing for a hidden or empty title.
  void Draw(TPlotCanvas3D& canvas, TRect& chartRect);
  // Shown, drawn, and (x, y) inside its box.
  bool Clicked(int x, int y) const;

  void Assign(const TChartTitle& source);

 protected:
  TChartTitle(ChartHost* parentChart, ChangeHandler onChange, QObject* parent, bool onTop);

 private:
  bool adjustFrame_ = true;
  TAlignment alignment_ = taCenter;
  QStringList text_;
  bool onTop_;
  // The box of the last drawing; empty while the title is not shown.
  bool drawn_ = false;
};

// The titles below the chart: red italic text, first line lowest.
class TChartFootTitle : public TChartTitle {
  Q_OBJECT

 public:
  explicit TChartFootTitle(ChartHost* parentChart = nullptr, ChangeHandler onChange = {},
                           QObject* parent = nullptr);
};
