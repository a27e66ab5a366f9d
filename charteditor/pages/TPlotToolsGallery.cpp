#include "charteditor/pages/TPlotToolsGallery.h"

#include "chart/model/TPlotSeriesTypes.h"
#include "charteditor/pages/ToolClassItems.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TPlotToolsGallery::TPlotToolsGallery(QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("PlotToolsGallery"));
  setWindowTitle(QStringLiteral("Chart Tools Gallery"));
  list_ = new QListWidget(Body());
  list_->setObjectName(QStringLiteral("LBTool"));
  list_->setSortingEnabled(true);
  list_->setItemDelegate(new ToolClassDelegate(list_));
  auto* layout = new QVBoxLayout(Body());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list_);
  OkButton()->setText(QStringLiteral("&Add"));
  OkButton()->setEnabled(false);
  connect(list_, &QListWidget::currentRowChanged, this,
          [this](int row) { OkButton()->setEnabled(row >= 0); });
  // A double click on an item takes it; one on empty space does nothing.
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    if (item) accept();
  });
  Fill();
}

void TPlotToolsGallery::Fill() {
  list_->clear();
  const TPlotToolTypes& types = PlotToolTypes();
  for (int i = 0; i < types.Count(); ++i) {
    const QMetaObject* toolClass = types.Get(i);
    AddToolClassItem(*list_, *toolClass, ToolClassDescription(*toolClass));
  }
  list_->setCurrentRow(-1);
  OkButton()->setEnabled(false);
}

const QMetaObject* TPlotToolsGallery::SelectedClass() const {
  return ToolClassOfRow(*list_, list_->currentRow());
}
