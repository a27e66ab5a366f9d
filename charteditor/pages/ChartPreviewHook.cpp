#include "charteditor/pages/ChartPreviewHook.h"

#include <utility>

namespace {

ChartPreviewHook& Slot() {
  static ChartPreviewHook hook;
  return hook;
}

}  // namespace

const ChartPreviewHook& InstalledChartPreview() {
  return Slot();
}

ChartPreviewHook SetChartPreviewHook(ChartPreviewHook hook) {
  return std::exchange(Slot(), std::move(hook));
}
