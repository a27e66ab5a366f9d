#include "chart/model/TSeriesMarkPosition.h"

#include <algorithm>

TSeriesMarkPosition* TSeriesMarksPositions::GetPosition(int index) const {
  if (index < 0 || index >= int(items_.size())) return nullptr;
  return items_[size_t(index)].get();
}

bool TSeriesMarksPositions::ExistCustom() const {
  return std::any_of(items_.begin(), items_.end(),
                     [](const auto& p) { return p && p->MovedByHand; });
}

void TSeriesMarksPositions::Automatic(int index, TSeriesMarkPosition& position) {
  if (index < 0) return;
  if (index >= int(items_.size())) items_.resize(size_t(index) + 1);
  auto& stored = items_[size_t(index)];
  if (!stored) {
    stored = std::make_unique<TSeriesMarkPosition>(position);
    stored->MovedByHand = false;
  } else if (stored->MovedByHand) {
    const QPoint start = position.ArrowStart;
    const bool keep = position.KeepArrowStart || stored->KeepArrowStart;
    position = *stored;
    if (keep) position.ArrowStart = start;
  } else {
    *stored = position;
  }
}

void TSeriesMarksPositions::Delete(int index) {
  if (index >= 0 && index < Count()) items_.erase(items_.begin() + index);
}

void TSeriesMarksPositions::Exchange(int a, int b) {
  if (a < 0 || b < 0) return;
  const std::size_t reach = static_cast<std::size_t>(std::max(a, b)) + 1;
  if (items_.size() < reach) items_.resize(reach);
  std::swap(items_[static_cast<std::size_t>(a)], items_[static_cast<std::size_t>(b)]);
}
