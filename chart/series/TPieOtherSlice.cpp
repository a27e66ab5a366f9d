#include "chart/series/TPieOtherSlice.h"

#include "chart/core/ChartMessages.h"

TPieOtherSlice::TPieOtherSlice(ChangeHandler onChange, QObject* parent)
    : TPlotPersistent(std::move(onChange), parent), text_(ChartText(ChartMsg::PageOther)) {}

void TPieOtherSlice::Assign(const TPieOtherSlice& source) {
  if (&source == this) return;
  const bool same = color_ == source.color_ && style_ == source.style_ && text_ == source.text_ &&
                    value_ == source.value_;
  if (same) return;
  color_ = source.color_;
  style_ = source.style_;
  text_ = source.text_;
  value_ = source.value_;
  Changed();
}
