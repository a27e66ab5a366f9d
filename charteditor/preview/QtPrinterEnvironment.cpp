#include "charteditor/preview/PrinterEnvironment.h"

#include "chart/core/ChartPrompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// What a new file gets: read and write for all that the user's mask allows.
QFile::Permissions NewFilePermissions() {
  const mode_t mask = umask(0);
  umask(mask);
  const mode_t mode = 0666 & ~mask;
  QFile::Permissions p;
  if (mode & S_IRUSR) p |= QFile::ReadOwner | QFile::ReadUser;
  if (mode & S_IWUSR) p |= QFile::WriteOwner | QFile::WriteUser;
  if (mode & S_IRGRP) p |= QFile::ReadGroup;
  if (mode & S_IWGRP) p |= QFile::WriteGroup;
  if (mode & S_IROTH) p |= QFile::ReadOther;
  if (mode & S_IWOTH) p |= QFile::WriteOther;
  return p;
}

class QtPrinterEnvironment final : public PrinterEnvironment {
 public:
  QtPrinterEnvironment(const QStringList& systemPrinters, const QString& defaultPrinter)
      : names_(systemPrinters), pdf_(static_cast<int>(systemPrinters.size())) {
    names_ << PdfPrinterName();
    SelectPrinter(systemPrinters.isEmpty()
                      ? pdf_
                      : std::max<int>(0, static_cast<int>(names_.indexOf(defaultPrinter))));
  }
  ~QtPrinterEnvironment() override { DropPart(); }

  QStringList PrinterNames() const override { return names_; }
  int CurrentPrinter() const override { return current_; }
  void SelectPrinter(int index) override {
    if (index < 0 || index >= names_.size()) return;
    current_ = index;
    if (index == pdf_) {
      printer_.setOutputFormat(QPrinter::PdfFormat);
    } else {
      printer_.setOutputFormat(QPrinter::NativeFormat);
      printer_.setPrinterName(names_[index]);
    }
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
    // Qt's print dialog asks for the file of its own PDF printer.
    if (printer_.outputFormat() == QPrinter::PdfFormat) target_ = printer_.outputFileName();
    return true;
  }
  QPrinter& Printer(const QString& title) override {
    printer_.setDocName(title);
    return printer_;
  }

  bool BeginJob(QWidget* /*parent*/) override {
    DropPart();
    if (printer_.outputFormat() != QPrinter::PdfFormat) return true;
    if (target_.isEmpty()) {
      QString name;
      int filter = 1;
      if (!Prompts().SaveFileNameFiltered(PdfPrinterName(), {QStringLiteral("PDF (*.pdf)")},
                                          QStringLiteral("pdf"), filter, name) ||
          name.isEmpty())
        return false;
      target_ = name;
    }
    // The job writes beside the file it replaces, which stays whole until
    // the job has succeeded.
    QTemporaryFile part(target_ + QStringLiteral(".XXXXXX"));
    part.setAutoRemove(false);
    if (!part.open()) {
      Prompts().Error(QStringLiteral("Cannot write %1: %2").arg(target_, part.errorString()));
      target_.clear();
      return false;
    }
    part_ = part.fileName();
    part.close();
    printer_.setOutputFileName(part_);
    return true;
  }

  void EndJob(bool printed) override {
    if (part_.isEmpty()) {
      target_.clear();
      return;
    }
    const QString part = part_, target = target_;
    part_.clear();
    target_.clear();
    printer_.setOutputFileName(QString());
    if (!printed) {
      QFile::remove(part);
      return;
    }
    if (QFileInfo(part).size() == 0) {
      QFile::remove(part);
      Prompts().Error(QStringLiteral("Cannot write %1").arg(QDir::toNativeSeparators(target)));
      return;
    }
    QFile::setPermissions(
        part, QFileInfo::exists(target) ? QFile::permissions(target) : NewFilePermissions());
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) !=
        0) {
      const QString reason = QString::fromLocal8Bit(std::strerror(errno));
      QFile::remove(part);
      Prompts().Error(
          QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(target), reason));
    }
  }

 private:
  // A job's file that never ended (an interrupted job).
  void DropPart() {
    if (part_.isEmpty()) return;
    QFile::remove(part_);
    part_.clear();
    printer_.setOutputFileName(QString());
  }

  QStringList names_;
  int pdf_;
  int current_ = -1;
  mutable QPrinter printer_{QPrinter::HighResolution};
  // The PDF file the job is for, and the one it writes meanwhile.
  QString target_;
  QString part_;
};

}  // namespace

QString PdfPrinterName() {
  return QStringLiteral("Print to File (PDF)");
}

std::unique_ptr<PrinterEnvironment> MakeQtPrinterEnvironment() {
  return MakeQtPrinterEnvironment(QPrinterInfo::availablePrinterNames(),
                                  QPrinterInfo::defaultPrinterName());
}

std::unique_ptr<PrinterEnvironment> MakeQtPrinterEnvironment(const QStringList& systemPrinters,
                                                             const QString& defaultPrinter) {
  return std::make_unique<QtPrinterEnvironment>(systemPrinters, defaultPrinter);
}
