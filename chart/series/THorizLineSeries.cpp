#include "chart/series/THorizLineSeries.h"

THorizLineSeries::THorizLineSeries(QObject* owner) : TLineSeries(owner) {
  SetMandatoryLists();
  calcVisiblePoints_ = false;
  XValues()->SetOrder(loNone);
  YValues()->SetOrder(loAscending);
}
