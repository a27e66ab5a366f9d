// The solids run once per bar or slice of a series: drawing one must not
// touch the heap.
#include "chart/canvas/NullBackend.h"
#include "tests/chart/canvas/ShapeCanvas.h"
#include "tests/support/AllocationWatch.h"

#include <gtest/gtest.h>

#include <numbers>

TEST(ShapeAllocation, SolidsAndEllipsesDrawWithoutAllocating) {
  if (!AllocationWatch::Available()) GTEST_SKIP() << "needs the sanitizer's allocation hooks";
  for (const ShapeView kind : {ShapeView::Default, ShapeView::Flat}) {
    NullBackend backend;
    TView3DOptions view;
    TPlotCanvas3D canvas;
    StartCanvas(canvas, &backend, view, kind, TRect{0, 0, 400, 300});
    backend.resetCounts();
    size_t count = 0;
    {
      AllocationWatch watch;
      canvas.Cylinder(true, 100, 50, 140, 150, 0, 20, true);
      canvas.Cone(false, 100, 50, 140, 150, 0, 20, true, 0);
      canvas.Pie3D(200, 150, 100, 80, 0, 20, 0.5, 5.5, true, true);
      canvas.Pie3D(200, 150, 100, 80, 0, 20, 3.5, 6.0, true, true);
      canvas.EllipseWithZ(10, 10, 50, 30, 5);
      count = watch.Count();
    }
    EXPECT_EQ(count, 0u) << int(kind);
    EXPECT_GT(backend.inkCalls(), 20);
  }
}
