#include "chart/canvas/TChartPen.h"

TChartPen::TChartPen(ChangeHandler onChange, QObject* parent)
    : TPlotPersistent(std::move(onChange), parent) {}

void TChartPen::SetWidth(int value) {
  Store(width_, value < 0 ? 0 : value);
}

void TChartPen::Assign(const TChartPen& source) {
  if (&source == this) return;
  const bool same = color_ == source.color_ && mode_ == source.mode_ && style_ == source.style_ &&
                    width_ == source.width_ && endStyle_ == source.endStyle_ &&
                    smallDots_ == source.smallDots_ && visible_ == source.visible_;
  if (same) return;
  color_ = source.color_;
  mode_ = source.mode_;
  style_ = source.style_;
  width_ = source.width_;
  endStyle_ = source.endStyle_;
  smallDots_ = source.smallDots_;
  visible_ = source.visible_;
  Changed();
}

BackendPen TChartPen::ToBackendPen(bool monochrome) const {
  BackendPen pen;
  pen.color = monochrome ? base::clBlack : color_;
  pen.mode = mode_;
  if (!visible_) {
    pen.style = Graphics::psClear;
    return pen;
  }
  if (smallDots_) {
    pen.smallDots = true;
    pen.width = 1;
    pen.endStyle = Graphics::esFlat;
    return pen;
  }
  pen.style = style_;
  pen.width = width_;
  pen.endStyle = endStyle_;
  return pen;
}

TChartHiddenPen::TChartHiddenPen(ChangeHandler onChange, QObject* parent)
    : TChartPen(std::move(onChange), parent) {
  visible_ = false;
}

TDottedGrayPen::TDottedGrayPen(ChangeHandler onChange, QObject* parent)
    : TChartPen(std::move(onChange), parent) {
  color_ = base::clGray;
  style_ = Graphics::psDot;
}

TDarkGrayPen::TDarkGrayPen(ChangeHandler onChange, QObject* parent)
    : TChartPen(std::move(onChange), parent) {
  color_ = base::clGray;
}

TChartAxisPen::TChartAxisPen(ChangeHandler onChange, QObject* parent)
    : TChartPen(std::move(onChange), parent) {
  width_ = 2;
}

TChartArrowPen::TChartArrowPen(ChangeHandler onChange, QObject* parent)
    : TChartPen(std::move(onChange), parent) {
  color_ = base::clWhite;
}
