#include "viewer/view/ViewDialogs.h"

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
  dialog.setNameFilters(QtNameFilters(filter).split(QStringLiteral(";;")));
  dialog.setDefaultSuffix(defaultExtension);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QString QtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int k = 0; k + 1 < parts.size(); k += 2) {
    const QString& description = parts[k];
    QString patterns = parts[k + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (patterns == QStringLiteral("*.*")) patterns = QStringLiteral("*");
    if (description.contains(QLatin1Char('(')))
      filters << description;
    else
      filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

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
