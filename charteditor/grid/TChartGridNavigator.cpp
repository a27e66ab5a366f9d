#include "charteditor/grid/TChartGridNavigator.h"

#include "chart/model/TCustomAxisPanel.h"
#include "charteditor/grid/TChartGrid.h"

#include <QLineEdit>

TChartGridNavigator::TChartGridNavigator(QWidget* parent) : TCustomChartNavigator(parent) {
  EnableButtons();
}

TChartGridNavigator::~TChartGridNavigator() {
  if (grid_) grid_->SetNavigator(nullptr);
}

void TChartGridNavigator::SetGrid(TChartGrid* grid) {
  if (grid == grid_) return;
  if (grid_) {
    TChartGrid* old = grid_;
    grid_ = nullptr;
    old->SetNavigator(nullptr);
  }
  grid_ = grid;
  if (grid) grid->SetNavigator(this);
  EnableButtons();
}

void TChartGridNavigator::GridGone() {
  grid_ = nullptr;
  EnableButtons();
}

void TChartGridNavigator::EnableButtons() {
  const TChartGrid* grid = grid_;
  const int row = grid ? grid->CurrentRow() : 0;
  const int rows = grid ? grid->Model().rowCount() : 0;
  Button(nbFirst)->setEnabled(grid && row > 0);
  Button(nbPrior)->setEnabled(grid && row > 0);
  Button(nbNext)->setEnabled(grid && row < rows - 1);
  Button(nbLast)->setEnabled(grid && row < rows - 1);
  const bool insert = grid && grid->CanInsert();
  Button(nbInsert)->setEnabled(insert);
  Button(nbDelete)->setEnabled(grid && grid->CanDelete());
  Button(nbEdit)->setEnabled(insert);
  Button(nbPost)->setEnabled(grid && grid->Editing());
  Button(nbCancel)->setEnabled(grid && grid->Editing());
}

void TChartGridNavigator::BtnClick(int index) {
  TChartGrid* grid = grid_;
  if (!grid) return;
  const int row = grid->CurrentRow();
  switch (index) {
    case nbFirst:
      grid->MoveToRow(0);
      break;
    case nbPrior:
      grid->MoveToRow(row - 1);
      break;
    case nbNext:
      grid->MoveToRow(row + 1);
      break;
    case nbLast:
      grid->MoveToRow(grid->Model().rowCount() - 1);
      break;
    case nbInsert:
      grid->InsertRow();
      break;
    case nbDelete:
      grid->DeleteCurrentRow();
      break;
    case nbEdit:
      grid->setFocus();
      grid->StartEditing();
      break;
    case nbPost:
      grid->PostEdit();
      break;
    case nbCancel:
      grid->CancelEdit();
      break;
    default:
      break;
  }
  // An edit the click left open keeps the keys (the click took the focus).
  if (grid->Editing() && grid->Editor()) grid->Editor()->setFocus();
  EnableButtons();
}
