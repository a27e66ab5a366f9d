// The series editor's "Data Source" sheet: where the points of the series
// shown come from. The page shows the style the series has; only a user's
// choice of another style changes the points.
#include "charteditor/serieseditors/TFormPlotSeries.h"

#include "chart/model/TChartSeries.h"
#include "charteditor/common/EditorFormRegistry.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/series/TBaseSourceEditor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum DataStyle { kManual, kRandom, kFunction };

const QString& functionEditorClass() {
  static const QString name = QStringLiteral("TPlotFuncEditor");
  return name;
}

}  // namespace

void TFormPlotSeries::BuildDataSource() {
  auto* top = new QWidget(dataSheet_);
  top->setObjectName(QStringLiteral("Panel3"));
  dataStyleBox_ = new QComboBox(top);
  dataStyleBox_->setObjectName(QStringLiteral("CBDataSourcestyle"));
  dataStyleBox_->addItem(tr("Manual"));
  dataStyleBox_->addItem(tr("Random"));
  dataStyleBox_->addItem(tr("Function"), functionEditorClass());
  newDataButton_ = new QPushButton(tr("&New..."), top);
  newDataButton_->setObjectName(QStringLiteral("NewDataButton"));
  editDataButton_ = new QPushButton(tr("&Edit..."), top);
  editDataButton_->setObjectName(QStringLiteral("EditDataButton"));
  deleteDataButton_ = new QPushButton(tr("&Delete"), top);
  deleteDataButton_->setObjectName(QStringLiteral("DeleteDataButton"));
  ShowControls(false, {newDataButton_, editDataButton_, deleteDataButton_});
  auto* row = new QHBoxLayout(top);
  row->addWidget(dataStyleBox_);
  row->addWidget(newDataButton_);
  row->addWidget(editDataButton_);
  row->addWidget(deleteDataButton_);
  row->addStretch();
  dataArea_ = new QWidget(dataSheet_);
  dataArea_->setObjectName(QStringLiteral("Panel2"));
  auto* column = new QVBoxLayout(dataSheet_);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(top);
  column->addWidget(dataArea_, 1);
  // A user's choice only: loading the page selects the style the series
  // has, and acting on that would clear or replace its points.
  connect(dataStyleBox_, &QComboBox::activated, this, &TFormPlotSeries::DataStyleChosen);
}

int TFormPlotSeries::CurrentDataStyle() const {
  if (series_->Function() || qobject_cast<TChartSeries*>(series_->DataSource())) return kFunction;
  return series_->PointCount() == 0 ? kManual : kRandom;
}

void TFormPlotSeries::LoadDataSource() {
  LoadingScope loading(*this);
  const int style = CurrentDataStyle();
  dataStyleBox_->setCurrentIndex(style);
  if (style != shownDataStyle_) RebuildDataArea(style);
}

void TFormPlotSeries::FreeDataEditor() {
  delete dataEditor_.data();
  dataEditor_ = nullptr;
}

void TFormPlotSeries::RebuildDataArea(int style) {
  shownDataStyle_ = style;
  FreeDataEditor();
  if (style != kFunction) return;
  TEditorForm* editor =
      EditorForms().Create(dataStyleBox_->itemData(kFunction).toString(), dataArea_);
  if (!editor) return;
  dataEditor_ = editor;
  AddEditorForm(editor, dataArea_, series_, true);
}

void TFormPlotSeries::DataStyleChosen(int index) {
  if (!CanWrite() || index < 0) return;
  if (auto* editor = qobject_cast<TBaseSourceEditor*>(dataEditor_.data()))
    editor->ApplyButton()->setEnabled(false);
  if (index == kManual || index == kRandom) {
    // The function goes too: with one, "Random" would only recalculate from
    // no sources, and the page would read "Function" again.
    series_->SetDataSource(nullptr);
    series_->SetFunction(nullptr);
    if (index == kManual) {
      series_->ClearValues();
    } else {
      series_->FillSampleValues(series_->NumSampleValues());
    }
  }
  RebuildDataArea(index);
}
