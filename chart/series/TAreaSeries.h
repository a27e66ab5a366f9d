#pragma once
// Lines with the area below them filled, alone or stacked.
#include "chart/series/TCustomSeries.h"

class TAreaSeries : public TCustomSeries {
  Q_OBJECT
  Q_CLASSINFO("default:DrawArea", "true")

 public:
  enum TMultiArea { maNone, maStacked, maStacked100 };
  Q_ENUM(TMultiArea)

 private:
  Q_PROPERTY(TMultiArea MultiArea READ MultiArea WRITE SetMultiArea STORED false)
  Q_PROPERTY(bool UseYOrigin READ UseYOrigin WRITE SetUseYOrigin)
  Q_CLASSINFO("default:UseYOrigin", "false")
  Q_PROPERTY(double YOrigin READ YOrigin WRITE SetYOrigin)
  Q_CLASSINFO("default:YOrigin", "0")

 public:
  explicit TAreaSeries(QObject* owner = nullptr);

  // The stacking modes an area offers, as a view of Stacked.
  TMultiArea MultiArea() const;
  void SetMultiArea(TMultiArea value);
  bool UseYOrigin() const { return useYOrigin_; }
  void SetUseYOrigin(bool value) { SetBooleanProperty(useYOrigin_, value); }
  double YOrigin() const { return yOrigin_; }
  void SetYOrigin(double value) { SetDoubleProperty(yOrigin_, value); }

  void Assign(const TCustomChartElement& source) override;
  QString GetEditorClass() const override { return QStringLiteral("TAreaSeriesEditor"); }
  // With UseYOrigin the range reaches YOrigin.
  double MaxYValue() const override;
  double MinYValue() const override;
  int GetOriginPos(int valueIndex) const override;

  void CreateSubGallery(const std::function<void(const QString&)>& add) const override;
  void SetSubGallery(int index) override;

 private:
  bool useYOrigin_ = false;
  double yOrigin_ = 0;
};
