#include "viewer/widgets/TextViewerModel.h"

#include <algorithm>

void TextViewerModel::SetMetrics(int lineHeight, int clientHeight) {
  lineHeight_ = std::max(1, lineHeight);
  linesPerPage_ = std::max(0, clientHeight) / lineHeight_;
}

int TextViewerModel::ScrollMax() const {
  return std::max(0, LineCount() - linesPerPage_);
}

int TextViewerModel::PageStep() const {
  return std::max(1, linesPerPage_ - PageOverlap);
}

int TextViewerModel::FirstLine(int position) const {
  return std::max(0, std::min(position, LineCount() - 1));
}

int TextViewerModel::VisibleLineCount(int position) const {
  const int count = std::min(linesPerPage_, LineCount());
  // A position beyond the maximum (lines replaced since) draws only what exists.
  return std::max(0, std::min(count, LineCount() - FirstLine(position)));
}
