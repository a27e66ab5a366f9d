#pragma once
// The colour legend of a view window: a vertically scrolling box with a bold
// title and one TColorBox row per colour class. All numbers, colours and
// captions live in a ColorLegendModel (the legend's own, or one a view model
// owns and attaches); this widget shows it, tracks the row under the mouse,
// asks for colours and copies itself to the clipboard as a picture.
//
// The Part-named members forward to the model so that a view can write
// csb->SetBoxCount(10) or csb->GetClassColor(v, c); every change of the model,
// from here or from elsewhere, updates the display.
#include "viewer/widgets/ColorLegendLayout.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <QImage>
#include <QScrollArea>

#include <functional>
#include <vector>

class QLabel;
class TColorBox;

class TColorScrollBox : public QScrollArea {
  Q_OBJECT

 public:
  using TColor = base::TColor;

  // Asks the user for a colour: `color` in and out, the custom colour lines
  // ("ColorA=788a8f") in and out. Returns false when cancelled. Tests replace
  // it so that no dialog opens.
  using ColorChooser = std::function<bool(TColor& color, QStringList& customColors)>;

  explicit TColorScrollBox(QWidget* parent = nullptr);
  ~TColorScrollBox() override;

  ColorLegendModel& Model() { return *model_; }
  const ColorLegendModel& Model() const { return *model_; }
  // Shows `model` instead of the legend's own; it must outlive the legend or
  // be detached with AttachModel(nullptr), which returns to the own model.
  void AttachModel(ColorLegendModel* model);

  ColorChooser ChooseColor;

  // ---- the legend's properties and operations (see ColorLegendModel) ----
  int BoxCount() const { return model_->BoxCount(); }
  void SetBoxCount(int n) { model_->SetBoxCount(n); }
  QString Caption() const { return model_->Caption(); }
  void SetCaption(const QString& s) { model_->SetCaption(s); }
  double MinVal() const { return model_->MinVal(); }
  double MaxVal() const { return model_->MaxVal(); }
  double MinValAct() const { return model_->MinValAct(); }
  double MaxValAct() const { return model_->MaxValAct(); }
  void SetMinVal(double v) { model_->SetMinVal(v); }
  void SetMaxVal(double v) { model_->SetMaxVal(v); }
  void SetMinValAct(double v) { model_->SetMinValAct(v); }
  void SetMaxValAct(double v) { model_->SetMaxValAct(v); }
  int Digits() const { return model_->Digits(); }
  void SetDigits(int d) { model_->SetDigits(d); }
  double Delta() const { return model_->Delta(); }
  bool ColorsLinear() const { return model_->ColorsLinear(); }
  void SetColorsLinear(bool b) { model_->SetColorsLinear(b); }
  bool CanEdit() const { return model_->CanEdit(); }
  void SetCanEdit(bool b) { model_->SetCanEdit(b); }
  TColor Color() const { return model_->Color(); }
  void SetColor(TColor c) { model_->SetColor(c); }
  QStringList& CustomColor() { return model_->CustomColor(); }
  TColor GetBoxColor(int i) const { return model_->GetBoxColor(i); }
  void SetBoxColor(int i, TColor c) { model_->SetBoxColor(i, c); }
  void SetBoxCaption(int i, const QString& s) { model_->SetBoxCaption(i, s); }
  void GetClassColor(double v, TColor& c) const { model_->GetClassColor(v, c); }
  void GetInterpolatedColor(double v, TColor& c) const { model_->GetInterpolatedColor(v, c); }
  void UpdateLabels() { model_->UpdateLabels(); }
  void LinearizeColors() { model_->LinearizeColors(); }
  void SpreadColors() { model_->SpreadColors(); }
  void InsertSelectedColor() { model_->InsertSelectedColor(); }
  void DeleteSelectedColor() { model_->DeleteSelectedColor(); }
  void AssignTo(TColorScrollBox& dest) const { dest.Model().AssignFrom(*model_); }

  // Bottom edge of the last row (of the title without rows), in pixels.
  int ClientHeight() const { return Layout().ClientHeight(model_->BoxCount()); }
  // Geometry from the current fonts.
  ColorLegendLayout Layout() const;
  // Outer width at which the title and every row caption show whole, with
  // room for the vertical scroll bar.
  int WidthForTexts() const;
  // Row widget i (1-based), nullptr outside 1..BoxCount.
  TColorBox* Row(int i) const;

  // The legend as a picture: its client width by ClientHeight, title
  // centred, every row as shown.
  QImage RenderImage() const;
  // Puts RenderImage on the clipboard as a bitmap.
  void CopyToClipboard() const;

  // A click on the title: a colour dialog for the background colour and the
  // custom colours. OnColorChanged fires whether or not it was confirmed.
  void TitleClick();
  // The request for a row's colour (row index, its current colour). Returns
  // false, unhandled, unless CanEdit; inner rows of a linear legend are
  // refused; otherwise a colour dialog sets the row's colour on OK.
  bool RequestBoxColor(int index, TColor current);

  // Called by the rows.
  void RowEntered(int index);
  void RowLeft(int index);
  void RowClicked(int index);

 Q_SIGNALS:
  // After the title, the captions or the fonts changed.
  void TextsChanged();

 protected:
  void changeEvent(QEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class Canvas;

  void Sync();
  void ArrangeBoxes();
  void ConnectModel();

  ColorLegendModel ownModel_;
  ColorLegendModel* model_;
  Canvas* canvas_;
  QLabel* title_;
  std::vector<TColorBox*> rows_;  // rows_[i - 1] is row i
  bool syncing_ = false;

  friend class Canvas;
};
