#pragma once
// How the General page opens the print preview: a slot that the pages'
// registration fills with the preview dialog (and tests with a fake). While
// it is empty the page's preview button is disabled.
#include <functional>

class QWidget;
class TCustomChart;

// Shows the preview of `chart`, modal over `parent`.
using ChartPreviewHook = std::function<void(TCustomChart& chart, QWidget* parent)>;

const ChartPreviewHook& InstalledChartPreview();
// Installs `hook` and returns the previous one (tests put it back).
ChartPreviewHook SetChartPreviewHook(ChartPreviewHook hook);
