// The editors' test chart and its published walk, shared with the dialog tests.
#include "tests/charteditor/common/EditedChart.cpp"  // NOLINT: one definition, built into this suite
