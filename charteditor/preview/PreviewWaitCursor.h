#pragma once
// The busy cursor while the preview prints, also when printing throws.
#include <QApplication>

class PreviewWaitCursor {
 public:
  PreviewWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~PreviewWaitCursor() { QApplication::restoreOverrideCursor(); }
  PreviewWaitCursor(const PreviewWaitCursor&) = delete;
  PreviewWaitCursor& operator=(const PreviewWaitCursor&) = delete;
};
