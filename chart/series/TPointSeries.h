#pragma once
// Markers only, no line: the base of the Gantt, arrow and bubble series.
#include "chart/series/TCustomSeries.h"

class TPointSeries : public TCustomSeries {
  Q_OBJECT
  Q_CLASSINFO("default:ClickableLine", "false")

 public:
  explicit TPointSeries(QObject* owner = nullptr);

  void Assign(const TCustomChartElement& source) override;
  // Each point's own colour reaches the marker's brush.
  void SetColorEachPoint(bool value) override;
  QString GetEditorClass() const override { return QStringLiteral("TSeriesPointerEditor"); }

  // Whether the gallery offers marker shapes as sub-styles.
  virtual bool SubGalleryPointerStyles() const { return true; }
  void CreateSubGallery(const std::function<void(const QString&)>& add) const override;
  void SetSubGallery(int index) override;
  void PrepareForGallery(bool enabled) override;

 private:
  void ApplyPointSettings();
};
