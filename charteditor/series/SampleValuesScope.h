#pragma once
// Series that join a chart while this lives get sample points (the
// gallery's samples); the switch is put back as it was however the scope
// ends.
#include "chart/model/TChartSeries.h"

class SampleValuesScope {
 public:
  SampleValuesScope() : previous_(TChartSeries::ShowSampleValues) {
    TChartSeries::ShowSampleValues = true;
  }
  ~SampleValuesScope() { TChartSeries::ShowSampleValues = previous_; }
  SampleValuesScope(const SampleValuesScope&) = delete;
  SampleValuesScope& operator=(const SampleValuesScope&) = delete;

 private:
  bool previous_;
};
