#include "chart/canvas/TChartBrush.h"

TChartBrush::TChartBrush(ChangeHandler onChange, QObject* parent)
    : TPlotPersistent(std::move(onChange), parent),
      image_(new TPicture([this] { Changed(); }, this)) {}

void TChartBrush::SetImage(TPicture* value) {
  if (value == image_) return;
  if (value) {
    image_->Assign(*value);
  } else {
    image_->Clear();
  }
}

void TChartBrush::Assign(const TChartBrush& source) {
  if (&source == this) return;
  const bool same = color_ == source.color_ && style_ == source.style_;
  color_ = source.color_;
  style_ = source.style_;
  // The picture reports its own change; ours follows only if it had none.
  bool pictureChanged = false;
  image_->SetChangeHandler([&pictureChanged] { pictureChanged = true; });
  image_->Assign(*source.image_);
  image_->SetChangeHandler([this] { Changed(); });
  if (!same || pictureChanged) Changed();
}

BackendBrush TChartBrush::ToBackendBrush(base::TColor ownerColor, bool monochrome) const {
  BackendBrush brush;
  brush.color = monochrome ? base::clWhite : (color_ == base::clDefault ? ownerColor : color_);
  brush.style = style_;
  if (!image_->Empty()) brush.image = image_->DrawImage();
  return brush;
}
