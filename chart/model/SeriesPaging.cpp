#include "chart/model/SeriesPaging.h"

#include <algorithm>

int PageCountOf(int pointCount, int perPage) {
  if (perPage < 1 || pointCount < 1) return 1;
  return static_cast<int>((static_cast<long long>(pointCount) + perPage - 1) / perPage);
}

PagePoints PagePointsOf(int pointCount, int perPage, int page) {
  const long long lastPage = PageCountOf(pointCount, perPage);
  const long long p = std::clamp<long long>(page, 1, lastPage);
  PagePoints r;
  r.first = static_cast<int>((p - 1) * perPage);
  r.last = static_cast<int>(
      std::min<long long>(r.first + static_cast<long long>(perPage) - 1, pointCount - 1));
  return r;
}

void ScaleShortPage(std::span<const double> values, PagePoints page, int perPage, double& minimum,
                    double& maximum) {
  const int k = page.Count();
  if (k >= perPage || k < 1) return;
  if (k >= 2) {
    maximum = minimum + (maximum - minimum) * (perPage - 1) / (k - 1);
    return;
  }
  const long long before = static_cast<long long>(page.first) - perPage;
  if (before < 0 || page.first > static_cast<long long>(values.size())) return;
  maximum = minimum + (values[page.first - 1] - values[before]);
}
