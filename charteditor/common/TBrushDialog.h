#pragma once
// The pattern dialog ("Pattern Color Editor"): the brush's eight standard
// styles, twelve small pattern bitmaps, its colour and a picture of the
// user's own. A pattern bitmap is the brush's picture on a solid style,
// so a standard style chosen afterwards takes the pattern away again; a
// picture the user loaded stays until "Clear". Every ending but OK puts the brush back.
#include "charteditor/common/TEditorForm.h"

#include <memory>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class TButtonColor;
class TChartBrush;

class TBrushDialog : public TEditorForm {
  Q_OBJECT

 public:
  static constexpr int kEntries = 20;
  static constexpr int kFirstPattern = 8;

  explicit TBrushDialog(QWidget* parent = nullptr);
  ~TBrushDialog() override;

  void EditBrush(TChartBrush* brush);
  TChartBrush* Brush() const;

  void reject() override;

  // The pattern entry (8 to 19) whose bitmap the brush's picture is, else -1.
  static int PatternEntryOf(const TChartBrush& brush);

 private:
  void Load();
  void ShowPicture();
  void EntryChanged(int row);
  void ImageClicked();

  QListWidget* styleList_;
  TButtonColor* colorButton_;
  QGroupBox* imageGroup_;
  QLabel* image_;
  QPushButton* imageButton_;
  std::unique_ptr<TChartBrush> backup_;
};

// Shows the pattern dialog modally on `brush`; true on OK.
bool EditChartBrush(QWidget* owner, TChartBrush* brush);
