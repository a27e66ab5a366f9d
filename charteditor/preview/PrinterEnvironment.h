#pragma once
// What the print preview asks of the printing system: the printers, the
// chosen one, its page for an orientation, the setup and print dialogs,
// and the printer to print on. The default speaks to Qt's printing; tests
// give a PDF printer or none.
#include "chart/model/PrintPageGeometry.h"

#include <QPageLayout>
#include <QStringList>

#include <memory>

class QPrinter;
class QWidget;

class PrinterEnvironment {
 public:
  virtual ~PrinterEnvironment() = default;
  virtual QStringList PrinterNames() const = 0;
  // -1 without printers.
  virtual int CurrentPrinter() const = 0;
  virtual void SelectPrinter(int index) = 0;
  virtual QPageLayout::Orientation Orientation() const = 0;
  virtual void SetOrientation(QPageLayout::Orientation orientation) = 0;
  // The printable page of the current printer in its orientation.
  virtual PrintPageGeometry Page() const = 0;
  // The printer setup dialog; false when cancelled.
  virtual bool Setup(QWidget* parent) = 0;
  // The print dialog offering pages min..max; `from` and `to` come back
  // chosen. False when cancelled.
  virtual bool ChoosePages(QWidget* parent, int min, int max, int& from, int& to) = 0;
  // The printer to print on (the current one), set to `title`.
  virtual QPrinter& Printer(const QString& title) = 0;
  // Around each job: a printer that writes a file asks for its name first
  // (false: the user called it off, nothing is printed), and the file
  // takes its place when the job ends; `printed` is false when drawing
  // failed, and nothing is left behind then.
  virtual bool BeginJob(QWidget* /*parent*/) { return true; }
  virtual void EndJob(bool /*printed*/) {}

  bool HasPrinter() const { return CurrentPrinter() >= 0; }
};

// The name of the printer that writes a PDF file.
QString PdfPrinterName();

// Qt's printers and dialogs: the system's printers first, then one that
// writes a PDF file, so that every machine can print.
std::unique_ptr<PrinterEnvironment> MakeQtPrinterEnvironment();
// The same over `systemPrinters` with `defaultPrinter` current (the PDF
// printer when there are none).
std::unique_ptr<PrinterEnvironment> MakeQtPrinterEnvironment(const QStringList& systemPrinters,
                                                             const QString& defaultPrinter);
