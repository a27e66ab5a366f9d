#include "viewer/view/ViewDialogs.h"

#include "base/FileFilters.h"

#include "platform/TApplication.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>

namespace {

QString RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& filter,
                      const QString& defaultExtension) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                     : QFileDialog::ExistingFile);
  dialog.setNameFilters(base::QtNameFilters(filter));
  dialog.setDefaultSuffix(defaultExtension);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> QtViewDialogs::AskText(const QString& caption, const QString& prompt,
                                              const QString& text) {
  bool accepted = false;
  const QString answer =
      QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, text, &accepted);
  if (!accepted) return std::nullopt;
  return answer;
}

void QtViewDialogs::ShowMessage(const QString& caption, const QString& text) {
  TApplication::ShowMessageBox(QMessageBox::Critical, caption, text);
}

QString QtViewDialogs::SaveFileName(const QString& filter, const QString& defaultExtension) {
  return RunFileDialog(parent_, QFileDialog::AcceptSave, filter, defaultExtension);
}

QString QtViewDialogs::OpenFileName(const QString& filter, const QString& defaultExtension) {
  return RunFileDialog(parent_, QFileDialog::AcceptOpen, filter, defaultExtension);
}
