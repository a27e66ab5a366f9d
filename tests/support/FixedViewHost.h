#pragma once
// A project stand-in whose data never changes and whose commands do nothing:
// the base of the view hosts in tests, benchmarks and fuzz targets, which
// supply only the grid, the ranges and the field arrays.
#include "viewer/view/ViewHost.h"

class FixedViewHost : public ViewHost {
 public:
  const TResultFile* Reader() const override { return nullptr; }
  bool IsLoaded() const override { return true; }
  void Pause() override {}
  void StepForward() override {}
  void StepBack() override {}
  void GotoStep() override {}
  void RereadStep() override {}
  void UpdateViews() override {}
  bool LoadSession() override { return false; }
  void SaveSession() override {}
  void SavePosition() override {}
  void RestorePosition() override {}
  void ShowMaterial(int) override {}
};
