#pragma once
// The numbers behind a view's colour legend: the classes (rows) with their
// colours and captions, the data range and the shown interval, the class width
// and the breakpoints that map a field value to a class colour (flat shading)
// or to an interpolated colour (smooth shading). TColorScrollBox shows it.
//
// Rows are numbered 1..BoxCount. Each row has a swatch colour and a class
// colour in the table the look-ups read; setting a row's colour sets both.
// They differ only for rows a growth added whose colours were never set:
// silver swatches over black classes. Colours are 0x00BBGGRR; a set top byte
// marks a system colour, resolved to RGB before any arithmetic on channels.
//
// ValueToClassColor and ValueToInterpolatedColor run once per grid node and
// repaint: they are const, allocation-free and end for every input (NaN,
// infinities, an empty interval, a class width that was never computed).
#include "base/Colors.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class ColorLegendModel {
 public:
  using TColor = base::TColor;

  // The colour a new row shows until it is given one (silver).
  static constexpr TColor DefaultBoxColor = 0xC0C0C0;
  // Most rows a legend can have (the row count is a byte).
  static constexpr int MaxBoxCount = 255;

  ColorLegendModel();

  // Fired after any change of the class colours or of the background colour.
  std::function<void()> OnColorChanged;
  // Asked for a new colour when a row is clicked: index, the colour to change
  // in place, the custom colours to hand to a colour dialog.
  std::function<void(int index, TColor& color, QStringList& customColors)> OnColorBoxClick;
  // Anything a display of the legend shows may have changed (rows, captions,
  // colours, title, background); the widget that shows the model listens.
  std::function<void()> OnChanged;

  // Number of classes. SetBoxCount ignores 0, values above MaxBoxCount and the
  // current count. Existing colours stay, linear or not; rows that a growth
  // adds show silver swatches and give black to the look-ups until their
  // colours are set or linearised.
  int BoxCount() const { return boxCount_; }
  void SetBoxCount(int n);

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& s);

  // Data range and shown interval. Setting a data bound also sets the shown
  // bound; every setter recomputes the captions.
  double MinVal() const { return minVal_; }
  double MaxVal() const { return maxVal_; }
  double MinValAct() const { return minValAct_; }
  double MaxValAct() const { return maxValAct_; }
  void SetMinVal(double v);
  void SetMaxVal(double v);
  void SetMinValAct(double v);
  void SetMaxValAct(double v);

  // Decimals of the class captions.
  int Digits() const { return digits_; }
  void SetDigits(int digits);

  // Class width, computed by UpdateLabels (0 until it first finds a class).
  double Delta() const { return delta_; }

  bool ColorsLinear() const { return colorsLinear_; }
  void SetColorsLinear(bool linear);

  bool CanEdit() const { return canEdit_; }
  void SetCanEdit(bool canEdit) { canEdit_ = canEdit; }

  // Background colour of the legend (also the view's clear colour).
  TColor Color() const { return color_; }
  void SetColor(TColor c);

  // Lines "ColorA=788a8f" handed to the colour dialogs (hex of a TColor).
  QStringList& CustomColor() { return customColor_; }
  const QStringList& CustomColor() const { return customColor_; }

  // Row i's swatch colour; i is clamped to 1..BoxCount (0 -> 1). Black
  // without rows.
  TColor GetBoxColor(int i) const;
  // For 1 <= i <= BoxCount; when ColorsLinear and i is the first or last row
  // the colours are relinearised. Other i are ignored.
  void SetBoxColor(int i, TColor c);

  // Row caption; empty for i outside 1..BoxCount.
  QString BoxCaption(int i) const;
  void SetBoxCaption(int i, const QString& s);

  // The row's colour was set by the user while ColorsLinear: it anchors the
  // interpolation of the rows between.
  bool Anchored(int i) const;

  // Row under the mouse (0 for none): the row that insert and delete act on.
  int ActiveRow() const { return activeRow_; }
  void SetActiveRow(int i);

  // Breakpoint k (0..BoxCount+1) of the interpolation; 0 outside.
  double Breakpoint(int k) const;

  // Recomputes the captions, Delta and the breakpoints from the bounds.
  void UpdateLabels();
  // Inner rows follow by linear interpolation between row 1, the anchored
  // rows and the last row.
  void LinearizeColors();
  // Spreads the colours of the first and last rows evenly over all rows.
  void SpreadColors();
  // Repeats the active row's colour (appends the last colour without one).
  void InsertSelectedColor();
  // Removes the active row's colour (the last colour without one).
  void DeleteSelectedColor();
  // A click on row `index`: asks OnColorBoxClick for a colour and applies it.
  void ColorBoxClick(int index);

  // Copies bounds, count, caption, class width, CanEdit, colours, linearity
  // and digits from `source`.
  void AssignFrom(const ColorLegendModel& source);

  // Class colour of a value (flat shading).
  TColor ValueToClassColor(double v) const noexcept;
  // Colour interpolated between the classes around a value (smooth shading).
  TColor ValueToInterpolatedColor(double v) const noexcept;
  void GetClassColor(double v, TColor& color) const noexcept { color = ValueToClassColor(v); }
  void GetInterpolatedColor(double v, TColor& color) const noexcept {
    color = ValueToInterpolatedColor(v);
  }

  // Text colour that reads on `background`: a light grey on dark colours,
  // else black.
  static TColor ContrastColor(TColor background);

 private:
  // Resolved 0x00BBGGRR of class i (cached: the look-ups run per grid node).
  TColor Rgb(int i) const noexcept { return rgb_[static_cast<size_t>(i)]; }
  // Resolved swatch colour of row i.
  TColor SwatchRgb(int i) const { return base::ColorToRGB(swatches_[static_cast<size_t>(i)]); }
  // Sets row i's swatch and class colour.
  void StoreColor(int i, TColor c);
  // The first breakpoint in 1..BoxCount at or above v; BoxCount + 1 when
  // none is.
  int FirstBreakpointAtOrAbove(double v) const noexcept;
  // Notes whether the breakpoints are sorted and evenly spaced, which lets
  // the interpolation find its segment without a search.
  void IndexBreakpoints();
  void FireColorChanged();
  void NotifyChanged();

  int boxCount_ = 0;
  QString caption_;
  double minVal_ = 0.0;
  double minValAct_ = 0.0;
  double maxVal_ = 1.0;
  double maxValAct_ = 1.0;
  int digits_ = 2;
  bool colorsLinear_ = false;
  double delta_ = 0.0;
  bool canEdit_ = false;
  TColor color_;
  QStringList customColor_;
  int activeRow_ = 0;

  // Indexed 1..BoxCount (entry 0 unused); breakpoints 0..BoxCount+1.
  // colors_ is the class table of the look-ups, swatches_ what the rows show.
  std::vector<TColor> colors_;
  std::vector<TColor> swatches_;
  std::vector<TColor> rgb_;
  std::vector<QString> captions_;
  std::vector<bool> anchored_;
  std::vector<double> breakpoints_;
  bool uniformBreakpoints_ = false;
};
