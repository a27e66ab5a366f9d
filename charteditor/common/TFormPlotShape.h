#pragma once
// The framed-shape editor of titles, legend, marks and walls, embedded in
// the editors' pages: fill colour, frame, pattern, round frame,
// transparency and bevel ("Format"), the font ("Text"), the gradient
// ("Gradient") and the shadow ("Shadow"). Every change is written at once.
#include "charteditor/common/TEditorForm.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TButtonColor;
class TButtonPen;
class TPlotCustomShape;
class TPlotFontEditor;
class TPlotGradientEditor;

class TFormPlotShape : public TEditorForm {
  Q_OBJECT

 public:
  explicit TFormPlotShape(QWidget* parent = nullptr);

  void EditShape(TPlotCustomShape* shape);
  TPlotCustomShape* Shape() const;

  QTabWidget* Pages() const { return pages_; }
  TPlotFontEditor* FontEditor() const { return fontEditor_; }
  TPlotGradientEditor* GradientEditor() const { return gradientEditor_; }

 private:
  void Load();
  void EditPattern();
  void RoundChanged(bool on);
  void TransparentChanged(bool on);
  void BevelChanged(int index);
  void BevelWidthChanged(int value);
  void ShadowSizeChanged(int value);

  QTabWidget* pages_;
  TButtonColor* backColorButton_;
  TButtonPen* frameButton_;
  QPushButton* patternButton_;
  QCheckBox* roundBox_;
  QCheckBox* transparentBox_;
  QComboBox* bevelBox_;
  QSpinBox* bevelWidthBox_;
  TPlotFontEditor* fontEditor_;
  TPlotGradientEditor* gradientEditor_;
  TButtonColor* shadowColorButton_;
  QSpinBox* shadowSizeBox_;
};

// A shape editor for `shape` whose sheets join the host's `pages`; the
// editor itself stays, hidden, as a child of `pages`, and lives as long as
// its sheets do.
TFormPlotShape* InsertShapeEditor(QTabWidget* pages, TPlotCustomShape* shape);
