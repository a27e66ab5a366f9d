#include "charteditor/series/TBaseSourceEditor.h"

#include "chart/core/ChartMessages.h"
#include "chart/core/ChartPrompts.h"
#include "chart/model/TChartSeries.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TBaseSourceEditor::TBaseSourceEditor(QWidget* parent)
    : TEditorForm(parent),
      pan_(new QWidget(Body())),
      label_(new QLabel(tr("&Source:"), pan_)),
      sources_(new QComboBox(pan_)),
      apply_(new QPushButton(tr("&Apply"), pan_)) {
  setObjectName(QStringLiteral("BaseSourceEditor"));
  SetOkCancelVisible(false);
  pan_->setObjectName(QStringLiteral("Pan"));
  label_->setObjectName(QStringLiteral("LLabel"));
  label_->setBuddy(sources_);
  sources_->setObjectName(QStringLiteral("CBSources"));
  apply_->setObjectName(QStringLiteral("BApply"));
  apply_->setEnabled(false);
  auto* top = new QHBoxLayout(pan_);
  top->setContentsMargins(0, 0, 0, 0);
  top->addWidget(label_);
  top->addWidget(sources_, 1);
  top->addWidget(apply_);
  auto* layout = new QVBoxLayout(Body());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pan_);
  connect(apply_, &QPushButton::clicked, this, [this] { ApplyChanges(); });
}

TChartSeries* TBaseSourceEditor::Series() const {
  return qobject_cast<TChartSeries*>(Tag());
}

bool TBaseSourceEditor::Pending() const {
  return apply_->isEnabled();
}

void TBaseSourceEditor::Changed() {
  if (!Loading()) apply_->setEnabled(true);
}

bool TBaseSourceEditor::ApplyChanges() {
  if (!Series()) {
    // The series is gone: nothing is left to apply to.
    apply_->setEnabled(false);
    return false;
  }
  if (!DoApply()) return false;
  apply_->setEnabled(false);
  return true;
}

bool TBaseSourceEditor::CanLeave() {
  // With the series gone nothing is left to apply to.
  if (!Pending() || !Series()) return true;
  switch (Prompts().ConfirmOrCancel(ChartText(ChartMsg::ApplyChanges))) {
    case ChartAnswer::Yes:
      ApplyChanges();
      return !Pending();
    case ChartAnswer::No:
      DropChanges();
      apply_->setEnabled(false);
      return true;
    case ChartAnswer::Cancel:
      break;
  }
  return false;
}

void TBaseSourceEditor::closeEvent(QCloseEvent* event) {
  if (CanLeave())
    TEditorForm::closeEvent(event);
  else
    event->ignore();
}
