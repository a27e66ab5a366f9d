#pragma once
// The "PlotChart Print Preview" dialog: printer, orientation, margins typed
// or dragged on the page, proportional margins, print detail, and Print.
// Shown on its own (ChartPreview) or embedded as the chart editor's Print
// page without the margins and Close. The panel previewed is its tag.
#include "chart/canvas/GraphicsTypes.h"
#include "charteditor/common/TEditorForm.h"

#include <functional>
#include <memory>

class PlotPanelWidget;
class PrinterEnvironment;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QSlider;
class QSpinBox;
class TCustomPlotPanel;
class TPlotPreviewPanel;

class TChartPreview : public TEditorForm {
  Q_OBJECT

 public:
  // `printers` is not owned; null takes Qt's printers (kept by the form).
  explicit TChartPreview(QWidget* parent = nullptr, PrinterEnvironment* printers = nullptr);
  ~TChartPreview() override;

  TPlotPreviewPanel* Preview() const { return preview_.get(); }
  PrinterEnvironment& Printers() const { return *printers_; }
  // The editor's page: no margins box, no margin panel, no Close.
  void SetEmbedded(bool embedded);
  // What Print does: the chosen pages of a chart of several, else every
  // previewed panel. A drawing failure aborts the job and goes on to the
  // caller (the application's handler) with the cursor restored.
  void Print();
  // Fills the controls from the tag and the printers; the show does this.
  void Refresh();
  // The page navigator's place at the bottom of the left panel; the form
  // takes `navigator` (null hides the place).
  void SetNavigator(QWidget* navigator);
  QWidget* Navigator() const { return navigator_; }
  // Installs what makes the page navigator for a chart; without it the
  // form has none. The grid family installs it.
  using NavigatorFactory = std::function<QWidget*(TCustomPlotPanel* chart, QWidget* parent,
                                                  std::function<void()> changed)>;
  static void SetNavigatorFactory(NavigatorFactory factory);

  QComboBox* CBPrinters;
  QPushButton* BSetupPrinter;
  QPushButton* BPrint;
  QPushButton* BClose;
  QGroupBox* Orientation;
  QButtonGroup* orientationButtons;
  QGroupBox* GBMargins;
  QSpinBox* UDLeftMa;
  QSpinBox* UDTopMa;
  QSpinBox* UDRightMa;
  QSpinBox* UDBotMa;
  QWidget* PanelMargins;
  QSlider* Resolution;
  QPushButton* BReset;
  QCheckBox* ShowMargins;
  QCheckBox* CBProp;
  PlotPanelWidget* PlotPreviewPanel1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TCustomPlotPanel* PreviewedPanel() const;
  TRect TypedMargins() const;
  void ShowMarginsInBoxes(const TRect& margins);
  void MarginEdited(QSpinBox* box, int value);
  void RecalcProportional();
  void ShowPrinters();
  void ShowOrientation();
  void OrientationClicked();
  void PrinterChosen(int index);
  void Setup();
  void ProportionalClicked(bool on);
  void Reset();
  void DragChangedMargins(bool disableProportional, const TRect& margins);

  std::unique_ptr<PrinterEnvironment> ownPrinters_;
  PrinterEnvironment* printers_;
  std::unique_ptr<TPlotPreviewPanel> preview_;
  QWidget* navigatorPlace_;
  QWidget* navigator_ = nullptr;
  TRect remembered_{15, 15, 15, 15};
  // The values the margin boxes last held, to go back to on a refusal.
  int lastValue_[4] = {15, 15, 15, 15};
  bool changing_ = true;
};

// Shows the preview of `panel` modally, then repaints the panel.
void ChartPreview(QWidget* owner, TCustomPlotPanel* panel);
