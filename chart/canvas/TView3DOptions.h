#pragma once
// How a chart panel shows its 3D view: rotation, elevation and tilt in
// degrees, perspective, zoom in percent, offsets in pixels, or an oblique
// (orthogonal) projection at OrthoAngle. A setter that changes a value
// tells the panel to repaint; the offsets also report a scroll and Zoom
// reports the new zoom before storing it.
#include "chart/core/TPlotPersistent.h"

class TView3DOptions : public TPlotPersistent {
  Q_OBJECT
  Q_PROPERTY(int Elevation READ Elevation WRITE SetElevation)
  Q_CLASSINFO("default:Elevation", "345")
  Q_PROPERTY(int HorizOffset READ HorizOffset WRITE SetHorizOffset)
  Q_CLASSINFO("default:HorizOffset", "0")
  Q_PROPERTY(int OrthoAngle READ OrthoAngle WRITE SetOrthoAngle)
  Q_CLASSINFO("default:OrthoAngle", "45")
  Q_PROPERTY(bool Orthogonal READ Orthogonal WRITE SetOrthogonal)
  Q_CLASSINFO("default:Orthogonal", "true")
  Q_PROPERTY(int Perspective READ Perspective WRITE SetPerspective)
  Q_CLASSINFO("default:Perspective", "15")
  Q_PROPERTY(int Rotation READ Rotation WRITE SetRotation)
  Q_CLASSINFO("default:Rotation", "345")
  Q_PROPERTY(int Tilt READ Tilt WRITE SetTilt)
  Q_CLASSINFO("default:Tilt", "0")
  Q_PROPERTY(int VertOffset READ VertOffset WRITE SetVertOffset)
  Q_CLASSINFO("default:VertOffset", "0")
  Q_PROPERTY(int Zoom READ Zoom WRITE SetZoom)
  Q_CLASSINFO("default:Zoom", "100")
  Q_PROPERTY(bool ZoomText READ ZoomText WRITE SetZoomText)
  Q_CLASSINFO("default:ZoomText", "true")

 public:
  explicit TView3DOptions(ChangeHandler onChange = {}, QObject* parent = nullptr)
      : TPlotPersistent(std::move(onChange), parent) {}

  int Elevation() const { return elevation_; }
  void SetElevation(int value) { Store(elevation_, value); }
  int HorizOffset() const { return horizOffset_; }
  void SetHorizOffset(int value);
  int OrthoAngle() const { return orthoAngle_; }
  void SetOrthoAngle(int value) { Store(orthoAngle_, value); }
  bool Orthogonal() const { return orthogonal_; }
  void SetOrthogonal(bool value) { Store(orthogonal_, value); }
  int Perspective() const { return perspective_; }
  void SetPerspective(int value) { Store(perspective_, value); }
  int Rotation() const { return rotation_; }
  void SetRotation(int value) { Store(rotation_, value); }
  int Tilt() const { return tilt_; }
  void SetTilt(int value) { Store(tilt_, value); }
  int VertOffset() const { return vertOffset_; }
  void SetVertOffset(int value);
  int Zoom() const { return zoom_; }
  void SetZoom(int value);
  bool ZoomText() const { return zoomText_; }
  void SetZoomText(bool value) { Store(zoomText_, value); }

  // Copies the ten values; one repaint if anything changed, no events.
  void Assign(const TView3DOptions& source);

 Q_SIGNALS:
  // After HorizOffset (true) or VertOffset (false) changed.
  void scrolled(bool horizontal);
  // Before a new Zoom is stored.
  void zoomChanged(int zoom);

 private:
  int elevation_ = 345;
  int horizOffset_ = 0;
  int orthoAngle_ = 45;
  bool orthogonal_ = true;
  int perspective_ = 15;
  int rotation_ = 345;
  int tilt_ = 0;
  int vertOffset_ = 0;
  int zoom_ = 100;
  bool zoomText_ = true;
};
