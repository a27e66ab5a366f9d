#pragma once
// The date strip of a view window: a tear-off calendar on an oblique box with
// a progress bar in hours on the box's front. The state and every coordinate
// live in TQuroProgressModel; this widget repaints the whole strip from it on
// every paint event.
#include "viewer/widgets/TQuroProgressModel.h"

#include <QImage>
#include <QWidget>

class TQuroProgress : public QWidget {
  Q_OBJECT

 public:
  using TColor = base::TColor;
  using TDateTime = base::TDateTime;

  // `today` returns today's date (no time of day); empty: the system's.
  explicit TQuroProgress(QWidget* parent = nullptr, TQuroProgressModel::Clock today = {});

  TQuroProgressModel& Model() { return model_; }
  const TQuroProgressModel& Model() const { return model_; }

  TColor BoxColor() const { return model_.BoxColor(); }
  void SetBoxColor(TColor c) { model_.SetBoxColor(c); }
  TColor SheetColor() const { return model_.SheetColor(); }
  void SetSheetColor(TColor c) { model_.SetSheetColor(c); }
  TColor FontColor() const { return model_.FontColor(); }
  void SetFontColor(TColor c) { model_.SetFontColor(c); }
  TDateTime StartDate() const { return model_.StartDate(); }
  void SetStartDate(TDateTime t) { model_.SetStartDate(t); }
  TDateTime EndDate() const { return model_.EndDate(); }
  void SetEndDate(TDateTime t) { model_.SetEndDate(t); }
  TDateTime CurDate() const { return model_.CurDate(); }
  void SetCurDate(TDateTime t) { model_.SetCurDate(t); }
  TViewMode Mode() const { return model_.Mode(); }
  void SetMode(TViewMode m) { model_.SetMode(m); }

  // Draws the strip into `painter` at the origin (what paint events show).
  void Render(QPainter& painter) const;
  QImage RenderImage() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void DrawSheet(QPainter& painter, int i) const;

  TQuroProgressModel model_;
};
