#pragma once
// What a panel tells its listeners (tools, the chart editor, linked
// charts): events as objects, so that a listener tells them apart by type.
#include "chart/model/PlotInput.h"

class TCustomPlotPanel;

class TPlotEvent {
 public:
  virtual ~TPlotEvent() = default;
  // Set by the panel that broadcasts the event.
  TCustomPlotPanel* Sender = nullptr;
};

enum TPlotMouseEventKind { meDown = 0, meUp = 1, meMove = 2 };

class TPlotMouseEvent : public TPlotEvent {
 public:
  TPlotMouseEventKind Event = meMove;
  TMouseButton Button = mbLeft;
  TShiftState Shift;
  int X = 0;
  int Y = 0;
};

// The 3D switch of the panel changed.
class TPlotView3DEvent : public TPlotEvent {};

class TPlotEventListener {
 public:
  virtual ~TPlotEventListener() = default;
  virtual void PlotEvent(TPlotEvent& event) = 0;
};
