#include "tests/viewer/ViewFileHost.h"

ViewFileHost::ViewFileHost(const QString& fileName)
    : reader_(std::make_unique<TResultFile>(fileName)) {
  grid_.Build(reader_->Nx(), reader_->Ny(), reader_->CellMaterials(), reader_->Y(), reader_->X());
  reader_->NextStep();
}

ViewFileHost::~ViewFileHost() = default;

float ViewFileHost::RangeMin(TDataKind kind) const {
  return kind < FieldKindCount ? reader_->HeaderBlock().Ranges[kind].Min : 0.0f;
}

float ViewFileHost::RangeMax(TDataKind kind) const {
  return kind < FieldKindCount ? reader_->HeaderBlock().Ranges[kind].Max : 1.0f;
}

const float* ViewFileHost::FieldValues(TDataKind kind) const {
  return kind < FieldKindCount ? reader_->FieldTable()[kind].Values : nullptr;
}

const float* ViewFileHost::FieldDirections(TDataKind kind) const {
  return kind < FieldKindCount ? reader_->FieldTable()[kind].Directions : nullptr;
}
