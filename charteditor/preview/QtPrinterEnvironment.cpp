#include "charteditor/preview/PrinterEnvironment.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

class QtPrinterEnvironment final : public PrinterEnvironment {
 public:
  QtPrinterEnvironment() {
    names_ = QPrinterInfo::availablePrinterNames();
    const QString current = QPrinterInfo::defaultPrinterName();
    current_ = names_.isEmpty() ? -1 : std::max<int>(0, static_cast<int>(names_.indexOf(current)));
    if (current_ >= 0) printer_.setPrinterName(names_[current_]);
  }
  QStringList PrinterNames() const override { return names_; }
  int CurrentPrinter() const override { return current_; }
  void SelectPrinter(int index) override {
    if (index < 0 || index >= names_.size()) return;
    current_ = index;
    printer_.setPrinterName(names_[index]);
  }
  QPageLayout::Orientation Orientation() const override {
    return printer_.pageLayout().orientation();
  }
  void SetOrientation(QPageLayout::Orientation orientation) override {
    printer_.setPageOrientation(orientation);
  }
  PrintPageGeometry Page() const override { return PrinterPageGeometry(printer_); }
  bool Setup(QWidget* parent) override {
    QPageSetupDialog dialog(&printer_, parent);
    return dialog.exec() == QDialog::Accepted;
  }
  bool ChoosePages(QWidget* parent, int min, int max, int& from, int& to) override {
    printer_.setFromTo(from, to);
    QPrintDialog dialog(&printer_, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(min, max);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (printer_.printRange() == QPrinter::PageRange) {
      from = printer_.fromPage();
      to = printer_.toPage();
    } else {
      from = min;
      to = max;
    }
    return true;
  }
  QPrinter& Printer(const QString& title) override {
    printer_.setDocName(title);
    return printer_;
  }

 private:
  QStringList names_;
  int current_ = -1;
  mutable QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace

std::unique_ptr<PrinterEnvironment> MakeQtPrinterEnvironment() {
  return std::make_unique<QtPrinterEnvironment>();
}
