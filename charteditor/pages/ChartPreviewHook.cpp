#include "charteditor/pages/ChartPreviewHook.h"

#include <utility>

namespace {

ChartPreviewHook& Slot() {
  static ChartPreviewHook hook;
  return hook;
}

}  // namespace

const ChartPreviewHook& ChartPreview() {
  return Slot();
}

ChartPreviewHook SetChartPreviewHook(ChartPreviewHook hook) {
  return std::exchange(Slot(), std::move(hook));
}
