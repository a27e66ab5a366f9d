#pragma once
// Printing systems for the preview's tests: one PDF printer whose page is
// A4 at 600 dpi (4960 x 7016, swapped for landscape), writing into a file
// of the test's choice, with a scripted page-range dialog; or none at all.
#include "charteditor/preview/PrinterEnvironment.h"

#include <QPrinter>

#include <optional>
#include <utility>

class FakePrinters : public PrinterEnvironment {
 public:
  explicit FakePrinters(bool withPrinter = true, QString pdf = {})
      : withPrinter_(withPrinter), printer_(QPrinter::HighResolution) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(pdf);
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setResolution(600);
    printer_.setFullPage(true);
  }
  QStringList PrinterNames() const override {
    return withPrinter_ ? QStringList(QStringLiteral("PDF")) : QStringList();
  }
  int CurrentPrinter() const override { return withPrinter_ ? 0 : -1; }
  void SelectPrinter(int /*index*/) override { ++selections; }
  QPageLayout::Orientation Orientation() const override { return orientation_; }
  void SetOrientation(QPageLayout::Orientation o) override {
    orientation_ = o;
    printer_.setPageOrientation(o);
  }
  PrintPageGeometry Page() const override {
    PrintPageGeometry page{4960, 7016, 600, 600};
    if (orientation_ == QPageLayout::Landscape) std::swap(page.Width, page.Height);
    return page;
  }
  bool Setup(QWidget* /*parent*/) override {
    ++setups;
    return true;
  }
  bool ChoosePages(QWidget* /*parent*/, int min, int max, int& from, int& to) override {
    offered = {min, max};
    if (!pages) return false;
    std::tie(from, to) = *pages;
    return true;
  }
  QPrinter& Printer(const QString& title) override {
    printer_.setDocName(title);
    lastTitle = title;
    return printer_;
  }

  int selections = 0;
  int setups = 0;
  std::optional<std::pair<int, int>> offered;
  std::optional<std::pair<int, int>> pages;  // the range the dialog returns
  QString lastTitle;

 private:
  bool withPrinter_;
  QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
  mutable QPrinter printer_;
};
