#pragma once
// The caption of an axis: a framed box with a text and an angle. Its
// default angle depends on the axis (a left axis reads upwards), so the
// owner gives it.
#include "chart/canvas/TPlotCustomShape.h"

#include <QString>

class TChartAxisTitle : public TPlotCustomShape {
  Q_OBJECT
  Q_PROPERTY(int Angle READ Angle WRITE SetAngle)
  Q_CLASSINFO("default:Angle", "@owner")
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_CLASSINFO("default:Caption", "")

 public:
  explicit TChartAxisTitle(ChartHost* parentChart = nullptr, ChangeHandler onChange = {},
                           QObject* parent = nullptr);

  int Angle() const { return angle_; }
  // Stored modulo 360 (-90 is 270).
  void SetAngle(int value);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& value) { StoreAndRepaint(caption_, value); }

  void Assign(const TChartAxisTitle& source);

 private:
  int angle_ = 0;
  QString caption_;
};

// Degrees brought into 0..359.
int NormalizedAngle(int degrees);
