#pragma once
// What the series editor asks of the per-type editor it embeds in its
// "Format" sheet. Not a QObject, so that an editor deriving from another
// editor form (the fast line's pen dialog) can take it on as well.
class TFormPlotSeries;

class SeriesEditorHooks {
 public:
  virtual ~SeriesEditorHooks() = default;
  // Fills the controls from the series now in the tag; writes nothing.
  virtual void LoadSeries() = 0;
  // Inserts the sheets of the parts other types share (pointer, stacking,
  // circled settings) into the series editor, for the same series.
  virtual void AddSheets(TFormPlotSeries& /*host*/) {}
};
