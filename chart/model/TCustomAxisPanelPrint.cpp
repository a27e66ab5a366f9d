// Printing a chart's pages as one printer document.
#include "chart/canvas/QPainterBackend.h"
#include "chart/model/TCustomAxisPanel.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

bool TCustomAxisPanel::PrintPages(QPrinter& printer, int fromPage, int toPage) {
  const int pages = NumPages();
  // Out-of-range numbers would print the last page once for each of them.
  fromPage = std::clamp(fromPage == 0 ? 1 : fromPage, 1, pages);
  toPage = std::clamp(toPage == 0 ? pages : toPage, 1, pages);
  if (fromPage > toPage) return true;
  if (!objectName().isEmpty()) printer.setDocName(objectName());
  const int savedPage = page_;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const auto abortJob = [&] {
    printer.abort();
    if (painter.isActive()) painter.end();
  };
  bool pagesStarted = true;
  try {
    QPainterBackend backend(painter);
    for (int p = fromPage; p <= toPage && pagesStarted; ++p) {
      SetPage(p);
      PrintPartialCanvas(backend, ChartPrintRect(PrinterPageGeometry(printer)));
      if (p < toPage) pagesStarted = printer.newPage();
    }
  } catch (...) {
    abortJob();
    try {
      SetPage(savedPage);
    } catch (...) {
      // A page handler that fails again must not hide the first failure;
      // the page number itself is back already.
    }
    throw;
  }
  if (!pagesStarted) abortJob();
  SetPage(savedPage);
  return pagesStarted && painter.end();
}
