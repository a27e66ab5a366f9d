#pragma once
// The gallery's start-up registration: it registers the gallery dialog by
// name and fills the series list's add and change hooks
// (SeriesGalleryHooks.h) with the dialog. Hand it to ChartEditorScope.
class EditorFormRegistry;
class TChartSeries;
class TCustomAxisPanel;
class TPlotGallery;

void RegisterSeriesGallery(EditorFormRegistry& forms);

// What the hooks do once the dialog has ended, apart from running it:
// the series added to `chart` after `gallery` closed with `accepted` (null
// when cancelled or nothing was picked; the 3D switch is applied on OK
// either way).
TChartSeries* AddFromGallery(TCustomAxisPanel& chart, const TPlotGallery& gallery, bool accepted);
