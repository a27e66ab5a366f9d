#include "tests/viewer/ViewFileHost.h"

ViewFileHost::ViewFileHost(const QString& fileName)
    : reader_(std::make_unique<TResultFile>(fileName)) {
  grid_.Build(reader_->Nx(), reader_->Ny(), reader_->CellMaterials(), reader_->Y(), reader_->X());
  reader_->NextStep();
}
