#include "chart/widget/EnableControls.h"

void EnableControls(bool enable, std::initializer_list<QWidget*> controls) {
  for (QWidget* w : controls) {
    if (w) w->setEnabled(enable);
  }
}
