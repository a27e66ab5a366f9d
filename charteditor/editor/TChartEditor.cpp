#include "charteditor/editor/TChartEditor.h"

#include "chart/model/TCustomChart.h"
#include "charteditor/editor/TChartEditForm.h"

#include <memory>

TChartEditor::TChartEditor(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("ChartEditor1"));
}

TCustomChart* TChartEditor::Chart() const {
  return chart_.data();
}

void TChartEditor::SetChart(TCustomChart* chart) {
  chart_ = chart;
}

void TChartEditor::SetModalRunner(ModalRunner runner) {
  runner_ = std::move(runner);
}

void TChartEditor::Execute() {
  if (!chart_) return;
  QPointer<TCustomChart> chart = chart_;
  auto form = std::make_unique<TChartEditForm>();
  form->setWindowTitle(title_);
  form->SetEditorChart(chart);
  form->SetOptions(options_);
  form->SetDefaultTab(defaultTab_);
  form->SetHideTabs(hideTabs_);

  {
    // Whatever leaves the dialog, the chart repaints again and the form goes.
    struct Cleanup {
      TChartEditor& editor;
      std::unique_ptr<TChartEditForm>& form;
      QPointer<TCustomChart>& chart;
      bool restoreRepaint = false;
      bool savedRepaint = true;
      ~Cleanup() {
        if (restoreRepaint && chart) {
          chart->SetAutoRepaint(savedRepaint);
          chart->InvalidateChart();
        }
        if (editor.OnClose) editor.OnClose(*form);
        form.reset();
      }
    } cleanup{*this, form, chart};

    if (OnShow) OnShow(*form);
    if (!autoRepaint_ && chart) {
      cleanup.savedRepaint = chart->AutoRepaint();
      cleanup.restoreRepaint = true;
      chart->SetAutoRepaint(false);
    }
    form->Translate();
    if (runner_)
      runner_(*form);
    else
      form->exec();
  }
  // Not after an exception: the click that opened the editor is the chart's
  // only when the editor really ran.
  if (chart) chart->SetCancelMouse(true);
}
