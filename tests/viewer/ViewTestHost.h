#pragma once
// A project stand-in for view tests: a grid, field arrays the test fills and
// header ranges per kind.
#include "resultdata/TGrid.h"
#include "tests/support/FixedViewHost.h"

#include <array>
#include <cstdint>
#include <vector>

class ViewTestHost : public FixedViewHost {
 public:
  // Builds an nx x ny grid with coordinates 0, 1, 2, ... (unit cells) and the
  // given cell materials (nx * ny entries, index i * ny + j).
  ViewTestHost(int nx, int ny, std::vector<std::int16_t> materials);
  ViewTestHost(std::vector<float> x, std::vector<float> y, std::vector<std::int16_t> materials);
  ViewTestHost() { max_.fill(1.0f); }  // no grid at all

  // Every cell of the interior (1 .. n-1) active with material 1.
  static std::vector<std::int16_t> AllActive(int nx, int ny);

  void SetRange(TDataKind kind, float min, float max) {
    min_[kind] = min;
    max_[kind] = max;
  }
  // The field arrays, grown to one value per cell on first use.
  std::vector<float>& ValuesOf(TDataKind kind) { return Sized(values_[kind]); }
  std::vector<float>& DirectionsOf(TDataKind kind) { return Sized(directions_[kind]); }
  void SetLoaded(bool loaded) { loaded_ = loaded; }
  const TGrid& TheGrid() const { return grid_; }

  const TGrid* Grid() const override { return hasGrid_ ? &grid_ : nullptr; }
  float RangeMin(TDataKind kind) const override { return min_[kind]; }
  float RangeMax(TDataKind kind) const override { return max_[kind]; }
  const float* FieldValues(TDataKind kind) const override { return Data(values_[kind]); }
  const float* FieldDirections(TDataKind kind) const override { return Data(directions_[kind]); }
  QString FileName() const override { return QStringLiteral("/data/wall.res"); }
  bool IsLoaded() const override { return loaded_; }

 private:
  std::vector<float>& Sized(std::vector<float>& v);
  static const float* Data(const std::vector<float>& v) { return v.empty() ? nullptr : v.data(); }

  TGrid grid_;
  bool hasGrid_ = false;
  bool loaded_ = false;
  std::array<float, FieldKindCount> min_{};
  std::array<float, FieldKindCount> max_{};
  std::array<std::vector<float>, FieldKindCount> values_;
  std::array<std::vector<float>, FieldKindCount> directions_;
};
