#include "charteditor/pages/TFormPlotTools.h"

#include "chart/core/ChartClassRegistry.h"
#include "chart/model/TChartTool.h"
#include "chart/model/TCustomChart.h"
#include "charteditor/common/EditorFormRegistry.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/pages/PageControls.h"
#include "charteditor/pages/TPlotToolsGallery.h"
#include "charteditor/pages/ToolClassItems.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

TFormPlotTools::TFormPlotTools(TCustomChart* chart, QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("FormPlotTools"));
  SetOkCancelVisible(false);
  QWidget* body = Body();
  list_ = new QListWidget(body);
  list_->setObjectName(QStringLiteral("LBTools"));
  list_->setItemDelegate(new ToolClassDelegate(list_));
  bAdd_ = MakeButton(body, "BAdd", QStringLiteral("&Add..."));
  bDelete_ = MakeButton(body, "BDelete", QStringLiteral("&Delete"));
  cbActive_ = MakeCheck(body, "CBActive", QStringLiteral("A&ctive"));
  bMoveUp_ = new QToolButton(body);
  bMoveUp_->setObjectName(QStringLiteral("BMoveUp"));
  bMoveUp_->setAutoRaise(true);
  bMoveDown_ = new QToolButton(body);
  bMoveDown_->setObjectName(QStringLiteral("BMoveDown"));
  bMoveDown_->setAutoRaise(true);
  LoadArrowGlyphs(*bMoveUp_, *bMoveDown_);
  editorPanel_ = new QWidget(body);
  editorPanel_->setObjectName(QStringLiteral("PEditor"));
  // Shows the selected tool's name while a chart is being designed; charts
  // here are never in that state.
  pBottom_ = new QLabel(body);
  pBottom_->setObjectName(QStringLiteral("PBottom"));
  pBottom_->setVisible(false);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(bAdd_);
  buttons->addWidget(bDelete_);
  buttons->addWidget(cbActive_);
  buttons->addWidget(bMoveUp_);
  buttons->addWidget(bMoveDown_);
  buttons->addStretch();
  auto* layout = new QGridLayout(body);
  layout->addWidget(list_, 0, 0);
  layout->addLayout(buttons, 0, 1);
  layout->addWidget(editorPanel_, 1, 0, 1, 2);
  layout->addWidget(pBottom_, 2, 0, 1, 2);

  ChooseToolClass = [](QWidget* parent) -> const QMetaObject* {
    TPlotToolsGallery gallery(parent);
    return gallery.exec() == QDialog::Accepted ? gallery.SelectedClass() : nullptr;
  };
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!Loading()) SelectTool(row);
  });
  connect(bAdd_, &QPushButton::clicked, this, &TFormPlotTools::AddTool);
  connect(bDelete_, &QPushButton::clicked, this, &TFormPlotTools::DeleteTool);
  connect(cbActive_, &QCheckBox::toggled, this, [this](bool on) {
    if (TChartTool* tool = SelectedTool(); tool && CanWrite()) tool->SetActive(on);
  });
  connect(bMoveUp_, &QToolButton::clicked, this, [this] { MoveTool(-1); });
  connect(bMoveDown_, &QToolButton::clicked, this, [this] { MoveTool(1); });

  SetTag(chart);
  Load();
}

TCustomChart* TFormPlotTools::Chart() const {
  return qobject_cast<TCustomChart*>(Tag());
}

TChartTool* TFormPlotTools::SelectedTool() const {
  const TCustomChart* chart = Chart();
  const int row = list_->currentRow();
  return chart && row >= 0 && row < chart->Tools().Count() ? chart->Tools().Get(row) : nullptr;
}

void TFormPlotTools::showEvent(QShowEvent* event) {
  Load();
  TEditorForm::showEvent(event);
}

void TFormPlotTools::Load() {
  FillList();
  SelectTool(list_->count() > 0 ? 0 : -1);
}

void TFormPlotTools::FillList() {
  const LoadingScope loading(*this);
  list_->clear();
  const TCustomChart* chart = Chart();
  const int count = chart ? chart->Tools().Count() : 0;
  for (int i = 0; i < count; ++i) {
    const TChartTool* tool = chart->Tools().Get(i);
    AddToolClassItem(*list_, *tool->metaObject(), ToolClassDescription(*tool->metaObject()));
  }
}

void TFormPlotTools::SelectTool(int index) {
  {
    const LoadingScope loading(*this);
    list_->setCurrentRow(index);
  }
  delete toolEditor_.data();
  TChartTool* tool = SelectedTool();
  if (tool) {
    chartpages::Load(cbActive_, tool->Active());
    const QString editorClass = tool->GetEditorClass();
    if (!editorClass.isEmpty()) {
      toolEditor_ = EditorForms().Create(editorClass, editorPanel_);
      if (toolEditor_) AddEditorForm(toolEditor_, editorPanel_, tool, true);
    }
    pBottom_->setText(tool->objectName());
  }
  UpdateButtons();
}

void TFormPlotTools::UpdateButtons() {
  const int row = list_->currentRow();
  bMoveUp_->setEnabled(row > 0);
  bMoveDown_->setEnabled(row >= 0 && row < list_->count() - 1);
  bDelete_->setEnabled(row >= 0);
  cbActive_->setEnabled(row >= 0);
}

QString TFormPlotTools::NewToolName() const {
  const TCustomChart* chart = Chart();
  const QObject* owner = chart->parent();
  for (int n = 1;; ++n) {
    const QString name = QStringLiteral("ChartTool%1").arg(n);
    bool taken = false;
    for (const auto& tool : chart->Tools().Items())
      taken = taken || tool->objectName().compare(name, Qt::CaseInsensitive) == 0;
    if (owner) {
      for (const QObject* child : owner->children())
        taken = taken || child->objectName().compare(name, Qt::CaseInsensitive) == 0;
    }
    if (!taken) return name;
  }
}

void TFormPlotTools::AddTool() {
  TCustomChart* chart = Chart();
  if (!chart || !ChooseToolClass) return;
  const QMetaObject* toolClass = ChooseToolClass(this);
  if (!toolClass) return;
  std::unique_ptr<TPlotPersistent> made(
      ChartClasses().Create(QString::fromLatin1(toolClass->className()), chart->parent()));
  auto* tool = dynamic_cast<TChartTool*>(made.get());
  if (!tool) return;
  made.release();
  tool->setObjectName(NewToolName());
  chart->Tools().Add(std::unique_ptr<TChartTool>(tool));
  FillList();
  SelectTool(list_->count() - 1);
}

void TFormPlotTools::DeleteTool() {
  TCustomChart* chart = Chart();
  TChartTool* tool = SelectedTool();
  if (!chart || !tool) return;
  if (!ConfirmDelete(ToolClassDescription(*tool->metaObject()))) return;
  const int row = list_->currentRow();
  delete toolEditor_.data();
  chart->Tools().Delete(row);
  FillList();
  const int count = list_->count();
  SelectTool(count == 0 ? -1 : (row <= 1 ? count - 1 : row - 1));
}

void TFormPlotTools::MoveTool(int step) {
  TCustomChart* chart = Chart();
  const int row = list_->currentRow();
  const int other = row + step;
  if (!chart || row < 0 || other < 0 || other >= chart->Tools().Count()) return;
  chart->Tools().Exchange(row, other);
  {
    const LoadingScope loading(*this);
    QListWidgetItem* item = list_->takeItem(row);
    list_->insertItem(other, item);
    list_->setCurrentRow(other);
  }
  UpdateButtons();
}
