#pragma once
// The process-wide switches of panel printing and metafile output. One
// struct, so that tests put every switch back with one call.
struct PlotPanelSwitches {
  // Charts clip their drawing while printing.
  bool ClipWhenPrinting = true;
  // Charts clip their drawing while writing a metafile.
  bool ClipWhenMetafiling = true;
  // One-pixel pens print as the thinnest line the printer draws.
  bool CheckPenWidthWhenPrinting = true;
  // Printed charts get the panel's background and bevels.
  bool PaintBackgroundWhenPrinting = false;
};

PlotPanelSwitches& PanelSwitches();
void ResetPanelSwitches();
