#include "chart/model/PlotPanelSwitches.h"

PlotPanelSwitches& PanelSwitches() {
  static PlotPanelSwitches switches;
  return switches;
}

void ResetPanelSwitches() {
  PanelSwitches() = PlotPanelSwitches{};
}
