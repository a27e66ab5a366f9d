#include "chart/canvas/TView3DOptions.h"

void TView3DOptions::SetHorizOffset(int value) {
  if (Store(horizOffset_, value)) Q_EMIT scrolled(true);
}

void TView3DOptions::SetVertOffset(int value) {
  if (Store(vertOffset_, value)) Q_EMIT scrolled(false);
}

void TView3DOptions::SetZoom(int value) {
  if (zoom_ == value) return;
  Q_EMIT zoomChanged(value);
  Store(zoom_, value);
}

void TView3DOptions::Assign(const TView3DOptions& source) {
  if (&source == this) return;
  bool changed = false;
  auto copy = [&changed](auto& field, const auto& value) {
    if (field != value) {
      field = value;
      changed = true;
    }
  };
  copy(elevation_, source.elevation_);
  copy(horizOffset_, source.horizOffset_);
  copy(orthoAngle_, source.orthoAngle_);
  copy(orthogonal_, source.orthogonal_);
  copy(perspective_, source.perspective_);
  copy(rotation_, source.rotation_);
  copy(tilt_, source.tilt_);
  copy(vertOffset_, source.vertOffset_);
  copy(zoom_, source.zoom_);
  copy(zoomText_, source.zoomText_);
  if (changed) Changed();
}
