#pragma once
// The arithmetic of a chart shown in pages of MaxPointsPerPage points: how
// many pages a series fills, which points a page shows, and the scale of a
// short last page that keeps the look of a full one.
#include <span>

struct PagePoints {
  int first = 0;
  int last = -1;
  int Count() const { return last - first + 1; }
  bool operator==(const PagePoints&) const = default;
};

// Pages needed for `pointCount` points: 1 without paging (perPage < 1) or
// without points, else pointCount / perPage rounded up.
int PageCountOf(int pointCount, int perPage);

// The points page `page` (from 1) shows of `pointCount` > 0 points, perPage
// > 0 of them on a page. A page beyond the last (points were deleted since
// it was chosen) shows the last page; a page below 1 the first.
PagePoints PagePointsOf(int pointCount, int perPage, int page);

// With a short page (fewer than perPage points) the axis keeps the scale of
// a full page: a full page's perPage points span perPage - 1 steps, so the
// page's `maximum` is moved to where the point perPage - 1 steps after the
// first would stand at the page's own step. A page of one point has no step
// of its own: it takes the span of the full page before it, and keeps its
// range when there is none. `values` are the axis values of every point.
void ScaleShortPage(std::span<const double> values, PagePoints page, int perPage, double& minimum,
                    double& maximum);
