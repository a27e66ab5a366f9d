#include "chart/model/TChartTool.h"

#include "chart/core/ChartExceptions.h"

TChartTool::TChartTool(QObject* owner) : TCustomChartElement({}, owner) {}

TChartTools::~TChartTools() {
  Clear();
}

TChartTool* TChartTools::Add(std::unique_ptr<TChartTool> tool) {
  if (!tool) return nullptr;
  // The list owns it; a component owner would free it a second time.
  tool->setParent(nullptr);
  tool->SetParentChart(chart_);
  tools_.push_back(std::move(tool));
  return tools_.back().get();
}

void TChartTools::Delete(int index) {
  Get(index);
  tools_.erase(tools_.begin() + index);
}

void TChartTools::Exchange(int a, int b) {
  Get(a);
  Get(b);
  std::swap(tools_[static_cast<size_t>(a)], tools_[static_cast<size_t>(b)]);
  if (chart_) chart_->Invalidate();
}

void TChartTools::Clear() {
  // A tool still in the list while it is freed would be told of paints by a
  // chart that no longer has it: take the list apart first.
  std::vector<std::unique_ptr<TChartTool>> gone;
  gone.swap(tools_);
}

TChartTool* TChartTools::Get(int index) const {
  if (index < 0 || index >= Count())
    throw ChartException(
        QStringLiteral("Tool index %1 out of bounds (0 to %2).").arg(index).arg(Count() - 1));
  return tools_[static_cast<size_t>(index)].get();
}
