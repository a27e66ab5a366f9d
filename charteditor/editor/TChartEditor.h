#pragma once
// The chart editor as a window drops it beside a chart: Execute shows the
// modal editor form for that chart with the pages, commands and caption
// set here. The chart is watched: once freed, the editor holds null, and a
// form open at that moment forgets it too.
#include "chart/model/TCustomChart.h"
#include "charteditor/editor/ChartEditorTypes.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class TChartEditForm;

class TChartEditor : public QObject {
  Q_OBJECT
  Q_PROPERTY(TCustomChart* Chart READ Chart WRITE SetChart)
  Q_PROPERTY(QString Title READ Title WRITE SetTitle)
  Q_CLASSINFO("default:Title", "")
  Q_PROPERTY(bool AutoRepaint READ AutoRepaint WRITE SetAutoRepaint)
  Q_CLASSINFO("default:AutoRepaint", "true")
  Q_PROPERTY(ChartEditorTypes::TChartEditorTab DefaultTab READ DefaultTab WRITE SetDefaultTab)
  Q_CLASSINFO("default:DefaultTab", "cetMain")
  Q_PROPERTY(ChartEditorTypes::TChartEditorHiddenTabs HideTabs READ HideTabs WRITE SetHideTabs)
  Q_CLASSINFO("default:HideTabs", "")
  Q_PROPERTY(ChartEditorTypes::TChartEditorOptions Options READ Options WRITE SetOptions)
  Q_CLASSINFO("default:Options", "ceAdd|ceDelete|ceChange|ceClone|ceDataSource|ceTitle|ceHelp")

 public:
  explicit TChartEditor(QObject* parent = nullptr);

  TCustomChart* Chart() const;
  void SetChart(TCustomChart* chart);
  QString Title() const { return title_; }
  void SetTitle(const QString& value) { title_ = value; }
  bool AutoRepaint() const { return autoRepaint_; }
  void SetAutoRepaint(bool value) { autoRepaint_ = value; }
  TChartEditorTab DefaultTab() const { return defaultTab_; }
  void SetDefaultTab(TChartEditorTab value) { defaultTab_ = value; }
  TChartEditorHiddenTabs HideTabs() const { return hideTabs_; }
  void SetHideTabs(TChartEditorHiddenTabs value) { hideTabs_ = value; }
  TChartEditorOptions Options() const { return options_; }
  void SetOptions(TChartEditorOptions value) { options_ = value; }

  // With the form as sender: before it shows, and after it closed (OnClose
  // runs while an exception may be leaving, so it must not raise).
  std::function<void(TChartEditForm& form)> OnShow;
  std::function<void(TChartEditForm& form)> OnClose;

  // Shows the form modally; the program's runs QDialog::exec.
  using ModalRunner = std::function<int(TChartEditForm& form)>;
  void SetModalRunner(ModalRunner runner);

  // Nothing without a chart. Afterwards the chart ignores the mouse-up of
  // the click that opened the editor; a chart switched off from repainting
  // while open (AutoRepaint false) repaints once. An exception from inside
  // the form still restores the chart, calls OnClose and frees the form,
  // then goes on to the caller.
  void Execute();

 private:
  QPointer<TCustomChart> chart_;
  QString title_;
  bool autoRepaint_ = true;
  TChartEditorTab defaultTab_ = cetMain;
  TChartEditorHiddenTabs hideTabs_;
  TChartEditorOptions options_ = TChartEditorOptions::fromInt(AllEditorOptions);
  ModalRunner runner_;
};
