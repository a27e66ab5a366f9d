#pragma once
// The chart editor's commands and pages, as its users and stored settings
// name them: the bits of TChartEditor's Options and HideTabs.
#include <QFlags>
#include <QObject>

namespace ChartEditorTypes {
Q_NAMESPACE

enum TChartEditorOption {
  ceAdd = 0x01,
  ceDelete = 0x02,
  ceChange = 0x04,
  ceClone = 0x08,
  ceDataSource = 0x10,
  ceTitle = 0x20,
  ceHelp = 0x40
};
Q_DECLARE_FLAGS(TChartEditorOptions, TChartEditorOption)
Q_FLAG_NS(TChartEditorOptions)
inline constexpr int AllEditorOptions = 0x7F;

// Sub-pages first (cetMain the series list), in their sheets' order.
enum TChartEditorTab {
  cetMain,
  cetGeneral,
  cetAxis,
  cetTitles,
  cetLegend,
  cetPanel,
  cetPaging,
  cetWalls,
  cet3D,
  cetSeriesGeneral,
  cetSeriesMarks,
  cetAllSeries,
  cetSeriesData,
  cetExport,
  cetTools,
  cetPrintPreview
};
Q_ENUM_NS(TChartEditorTab)

// A set of tabs: bit n for tab n.
enum TChartEditorHiddenTab {
  hideMain = 1 << cetMain,
  hideGeneral = 1 << cetGeneral,
  hideAxis = 1 << cetAxis,
  hideTitles = 1 << cetTitles,
  hideLegend = 1 << cetLegend,
  hidePanel = 1 << cetPanel,
  hidePaging = 1 << cetPaging,
  hideWalls = 1 << cetWalls,
  hide3D = 1 << cet3D,
  hideSeriesGeneral = 1 << cetSeriesGeneral,
  hideSeriesMarks = 1 << cetSeriesMarks,
  hideAllSeries = 1 << cetAllSeries,
  hideSeriesData = 1 << cetSeriesData,
  hideExport = 1 << cetExport,
  hideTools = 1 << cetTools,
  hidePrintPreview = 1 << cetPrintPreview
};
Q_DECLARE_FLAGS(TChartEditorHiddenTabs, TChartEditorHiddenTab)
Q_FLAG_NS(TChartEditorHiddenTabs)

inline constexpr TChartEditorHiddenTabs HideTab(TChartEditorTab tab) {
  return TChartEditorHiddenTabs::fromInt(1 << tab);
}

}  // namespace ChartEditorTypes

Q_DECLARE_OPERATORS_FOR_FLAGS(ChartEditorTypes::TChartEditorOptions)
Q_DECLARE_OPERATORS_FOR_FLAGS(ChartEditorTypes::TChartEditorHiddenTabs)

using namespace ChartEditorTypes;
