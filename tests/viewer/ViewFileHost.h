#pragma once
// A project stand-in over a real result file: its reader, grid and header
// ranges, positioned at the first step.
#include "resultdata/TGrid.h"
#include "resultdata/TResultFile.h"
#include "viewer/view/ViewHost.h"

#include <memory>

class ViewFileHost : public ViewHost {
 public:
  explicit ViewFileHost(const QString& fileName);

  TResultFile& File() { return *reader_; }

  const TGrid* Grid() const override { return &grid_; }
  float RangeMin(TDataKind kind) const override {
    return kind < FieldKindCount ? reader_->HeaderBlock().Ranges[kind].Min : 0.0f;
  }
  float RangeMax(TDataKind kind) const override {
    return kind < FieldKindCount ? reader_->HeaderBlock().Ranges[kind].Max : 1.0f;
  }
  const float* FieldValues(TDataKind kind) const override {
    return kind < FieldKindCount ? reader_->FieldTable()[kind].Values : nullptr;
  }
  const float* FieldDirections(TDataKind kind) const override {
    return kind < FieldKindCount ? reader_->FieldTable()[kind].Directions : nullptr;
  }
  const TResultFile* Reader() const override { return reader_.get(); }
  QString FileName() const override { return reader_->FileName(); }
  bool IsLoaded() const override { return true; }
  void Pause() override {}
  void StepForward() override { reader_->NextStep(); }
  void StepBack() override { reader_->PrevStep(); }
  void GotoStep() override {}
  void RereadStep() override {}
  void UpdateViews() override {}
  bool LoadSession() override { return false; }
  void SaveSession() override {}
  void SavePosition() override { reader_->SavePosition(); }
  void RestorePosition() override { reader_->RestorePosition(); }
  void ShowMaterial(int) override {}

 private:
  std::unique_ptr<TResultFile> reader_;
  TGrid grid_;
};
