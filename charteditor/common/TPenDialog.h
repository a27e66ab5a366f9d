#pragma once
// The pen dialog ("Border Editor"): visibility, width, style (with the
// one-pixel "Small Dots"), end style of wide lines and colour of a chart
// pen, each written to the pen as soon as it changes. Every ending but OK
// (Cancel, Escape, the window's close button) puts the pen back as it was
// when the dialog took it (a walker copy), with one change notification.
#include "charteditor/common/TEditorForm.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class TButtonColor;
class TChartPen;

class TPenDialog : public TEditorForm {
  Q_OBJECT

 public:
  explicit TPenDialog(QWidget* parent = nullptr);
  ~TPenDialog() override;

  // Takes `pen` to edit, keeps a copy for putting it back and fills the controls.
  void EditPen(TChartPen* pen);
  TChartPen* Pen() const;

  void reject() override;

 protected:
  QCheckBox* visibleBox_;
  QSpinBox* widthBox_;
  QComboBox* styleBox_;
  QComboBox* endStyleBox_;
  TButtonColor* colorButton_;

 private:
  void Load();
  void WidthChanged(int value);
  void StyleChanged(int index);
  void EndStyleChanged(int index);
  void VisibleChanged(bool on);

  std::unique_ptr<TChartPen> backup_;
};

// Shows the pen dialog modally on `pen`; true on OK.
bool EditChartPen(QWidget* owner, TChartPen* pen);
