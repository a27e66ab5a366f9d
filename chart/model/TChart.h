#pragma once
// The chart as users and chart files see it: the complete chart with its
// parts published.
#include "chart/model/TCustomChart.h"

class TChart : public TCustomChart {
  Q_OBJECT
  Q_PROPERTY(TChartBackWall* BackWall READ BackWall WRITE SetBackWall)
  Q_PROPERTY(TChartWall* BottomWall READ BottomWall WRITE SetBottomWall)
  Q_PROPERTY(TChartFootTitle* Foot READ Foot WRITE SetFoot)
  // The back wall's pen under its old name; stored with the wall.
  Q_PROPERTY(TChartPen* Frame READ Frame WRITE SetFrame STORED false)
  Q_PROPERTY(TChartWall* LeftWall READ LeftWall WRITE SetLeftWall)
  Q_PROPERTY(TChartLegend* Legend READ Legend WRITE SetLegend)
  Q_PROPERTY(TChartRightWall* RightWall READ RightWall WRITE SetRightWall)
  Q_PROPERTY(
      PlotInput::TMouseButton ScrollMouseButton READ ScrollMouseButton WRITE SetScrollMouseButton)
  Q_CLASSINFO("default:ScrollMouseButton", "mbRight")
  Q_PROPERTY(TChartFootTitle* SubFoot READ SubFoot WRITE SetSubFoot)
  Q_PROPERTY(TChartTitle* SubTitle READ SubTitle WRITE SetSubTitle)
  Q_PROPERTY(TChartTitle* Title READ Title WRITE SetTitle)

 public:
  using TCustomChart::TCustomChart;
};
