#pragma once
// The font editor, embedded in the editors' pages: the font itself (the
// font dialog), its colour (a click on the sample), the spacing between
// characters, the shadow's colour and offsets and the outline pen. Every
// change is written at once.
#include "charteditor/common/TEditorForm.h"

class QFrame;
class QPushButton;
class QSpinBox;
class TButtonColor;
class TButtonPen;
class TPlotFont;

class TPlotFontEditor : public TEditorForm {
  Q_OBJECT

 public:
  explicit TPlotFontEditor(QWidget* parent = nullptr);

  void EditFont(TPlotFont* font);
  TPlotFont* Font() const;

  QFrame* Sample() const { return sample_; }

 private:
  void Load();
  void ChooseTextColor();
  void ChooseFont();
  void InterChanged(int value);
  void ShadowHorizChanged(int value);
  void ShadowVertChanged(int value);

  QFrame* sample_;
  QPushButton* fontButton_;
  QSpinBox* interBox_;
  TButtonColor* shadowColorButton_;
  QSpinBox* shadowHorizBox_;
  QSpinBox* shadowVertBox_;
  TButtonPen* outlineButton_;
};

// The font dialog on a copy of `font`; on OK the font takes its name, size
// and style (its colour, charset, spacing, outline and shadow stay). True on OK.
bool EditChartFont(QWidget* owner, TPlotFont* font);

// A font editor for `font`, embedded in `parent`.
TPlotFontEditor* InsertFontEditor(QWidget* parent, TPlotFont* font);
