#pragma once
// The axis page's use of the axis increment dialog: the increment as the
// dialog writes it, and the dialog on an axis.
#include <QString>

class QWidget;
class TChartAxis;
class TCustomChart;

QString AxisIncrementText(const TChartAxis& axis);

// Asks for `axis`' increment and exactness; on OK the axis takes them. True on OK.
bool EditAxisIncrement(QWidget* owner, const TCustomChart& chart, TChartAxis& axis);
