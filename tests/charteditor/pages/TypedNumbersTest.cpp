// Numbers typed into the General and Paging pages are written when the
// typing ends; an emptied "Points per Page" switches paging off.
#include "PageRows.h"
#include "charteditor/pages/TFormPlotGeneral.h"
#include "charteditor/pages/TFormPlotPage.h"
#include "tests/charteditor/common/TypedNumberRows.h"

namespace {

template <class Page>
std::unique_ptr<Page> open(EditedChart& chart) {
  return std::make_unique<Page>(&chart.Chart());
}

double left(EditedChart& c) {
  return c.Chart().MarginLeft();
}
double pointsPerPage(EditedChart& c) {
  return c.Chart().MaxPointsPerPage();
}

class TypedGeneralNumbers : public ::testing::TestWithParam<TypedNumberRow> {};
TEST_P(TypedGeneralNumbers, AreWrittenWhenTheTypingEnds) {
  CheckTypedNumber<TFormPlotGeneral>(GetParam(), open<TFormPlotGeneral>);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, TypedGeneralNumbers,
    ::testing::Values(TypedNumberRow{"left 70", "SELeftMa", {}, "70", left, 70, "70"},
                      TypedNumberRow{"top 30",
                                     "SETopMa",
                                     {},
                                     "30",
                                     [](EditedChart& c) { return double(c.Chart().MarginTop()); },
                                     30,
                                     "30"},
                      // With the right margin at 10, 95 leaves no room: the last value stays.
                      TypedNumberRow{"left 95 refused", "SELeftMa",
                                     [](EditedChart& c) {
                                       c.Chart().SetMarginLeft(4);
                                       c.Chart().SetMarginRight(10);
                                     },
                                     "95", left, 4, "4"}),
    TypedRowName);

class TypedPagingNumbers : public ::testing::TestWithParam<TypedNumberRow> {};
TEST_P(TypedPagingNumbers, AreWrittenWhenTheTypingEnds) {
  CheckTypedNumber<TFormPlotPage>(GetParam(), open<TFormPlotPage>);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, TypedPagingNumbers,
    ::testing::Values(
        TypedNumberRow{"points 25", "SEPointsPerPage", {}, "25", pointsPerPage, 25, "25"},
        TypedNumberRow{"emptied", "SEPointsPerPage",
                       [](EditedChart& c) { c.Chart().SetMaxPointsPerPage(2); }, "", pointsPerPage,
                       0, "0"},
        TypedNumberRow{"zero", "SEPointsPerPage",
                       [](EditedChart& c) { c.Chart().SetMaxPointsPerPage(2); }, "0", pointsPerPage,
                       0, "0"}),
    TypedRowName);

}  // namespace
