// Numbers typed into the editor pages' boxes are written when the typing
// ends, so that the first digits of a number are never taken for it.
#include "chart/model/TChart.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/editor/TFormPlotAxis.h"
#include "charteditor/editor/TFormPlotLegend.h"
#include "charteditor/editor/TFormPlotWall.h"
#include "tests/charteditor/common/TypedNumberRows.h"

namespace {

std::unique_ptr<TFormPlotAxis> axisPage(EditedChart& chart) {
  auto page = std::make_unique<TFormPlotAxis>();
  page->EditAxis(&chart.Chart());
  return page;
}

std::unique_ptr<TFormPlotLegend> legendPage(EditedChart& chart) {
  auto page = std::make_unique<TFormPlotLegend>();
  page->EditLegend(chart.Chart().Legend());
  return page;
}

std::unique_ptr<TFormPlotWall> wallPage(EditedChart& chart) {
  auto page = std::make_unique<TFormPlotWall>();
  page->EditWall(&chart.Chart());
  return page;
}

double start(EditedChart& c) {
  return c.Chart().LeftAxis()->StartPosition();
}
double end(EditedChart& c) {
  return c.Chart().LeftAxis()->EndPosition();
}

class TypedAxisNumbers : public ::testing::TestWithParam<TypedNumberRow> {
 protected:
  ChartEditorScope editors;
};
TEST_P(TypedAxisNumbers, AreWrittenWhenTheTypingEnds) {
  CheckTypedNumber<TFormPlotAxis>(GetParam(), axisPage);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, TypedAxisNumbers,
    ::testing::Values(
        // 6 alone would do, 60 too: only 60 is written.
        TypedNumberRow{"start 60", "EStart", {}, "60", start, 60, "60"},
        // 3 is refused below a start of 20, 30 is not.
        TypedNumberRow{"end 30 above 20", "EEnd",
                       [](EditedChart& c) { c.Chart().LeftAxis()->SetStartPosition(20); }, "30",
                       end, 30, "30"},
        // Refused at the end: the box shows the start again, which stays.
        TypedNumberRow{"start 100 at the end", "EStart", {}, "100", start, 0, "0"}),
    TypedRowName);

class TypedLegendNumbers : public ::testing::TestWithParam<TypedNumberRow> {
 protected:
  ChartEditorScope editors;
};
TEST_P(TypedLegendNumbers, AreWrittenWhenTheTypingEnds) {
  CheckTypedNumber<TFormPlotLegend>(GetParam(), legendPage);
}
INSTANTIATE_TEST_SUITE_P(Rows, TypedLegendNumbers,
                         ::testing::Values(TypedNumberRow{"margin 45",
                                                          "SEMargin",
                                                          {},
                                                          "45",
                                                          [](EditedChart& c) {
                                                            return double(
                                                                c.Chart().Legend()->HorizMargin());
                                                          },
                                                          45,
                                                          "45"}),
                         TypedRowName);

class TypedWallNumbers : public ::testing::TestWithParam<TypedNumberRow> {
 protected:
  ChartEditorScope editors;
};
TEST_P(TypedWallNumbers, AreWrittenWhenTheTypingEnds) {
  CheckTypedNumber<TFormPlotWall>(GetParam(), wallPage);
}
INSTANTIATE_TEST_SUITE_P(Rows, TypedWallNumbers,
                         ::testing::Values(TypedNumberRow{
                             "size 12",
                             "SEWallSize",
                             {},
                             "12",
                             [](EditedChart& c) { return double(c.Chart().LeftWall()->Size()); },
                             12,
                             "12"}),
                         TypedRowName);

}  // namespace
