#pragma once
// Enables or disables a group of an editor page's controls at once.
#include <QWidget>

#include <initializer_list>

// Null entries (controls a page does not have) are skipped.
void EnableControls(bool enable, std::initializer_list<QWidget*> controls);
