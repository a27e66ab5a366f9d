#pragma once
// The chart editor's pages by the sheet they fill. The editor form builds a
// page the first time its sheet is shown, through the factory registered
// for it here; a sheet nobody registered a factory for keeps its tab hidden.
// Later editor families (the grid, export and print preview) add their
// pages from their editor-form registrars, so the form needs none of their
// headers. Filled while a ChartEditorScope runs, emptied by the last one.
#include <functional>

class QWidget;
class TChartEditForm;
class TCustomChart;

// The sheets of the editor form that hold a page, chart sub-pages first.
enum class EditorPage {
  General,
  Axis,
  Titles,
  Legend,
  Panel,
  Paging,
  Walls,
  ThreeD,
  Data,
  Tools,
  Export,
  Print
};
inline constexpr int EditorPageCount = 12;

// What a page is built for.
struct EditorPageContext {
  TCustomChart* chart = nullptr;   // the chart edited; never null
  TChartEditForm* form = nullptr;  // the editor form; it owns the page
  QWidget* parent = nullptr;       // the sheet the page fills
};

class EditorPageRegistry {
 public:
  // Builds the page as a child of `context.parent`; the form then lays it
  // out to fill the sheet, translates and shows it. A page that must
  // refresh each time its sheet comes back does so in its showEvent.
  using Factory = std::function<QWidget*(const EditorPageContext& context)>;

  // Raises ChartException for a page that already has a factory, or none given.
  void Register(EditorPage page, Factory create);
  bool Contains(EditorPage page) const;
  // The page built, or null when no factory is registered.
  QWidget* Create(EditorPage page, const EditorPageContext& context) const;

  void Clear();

 private:
  Factory factories_[EditorPageCount];
};

// The editors' page registry: registrars (ChartEditorScope) fill it.
EditorPageRegistry& EditorPages();
