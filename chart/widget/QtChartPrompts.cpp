#include "chart/widget/QtChartPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// The arrow cursor while a question is open, whatever the work had set.
class ArrowCursor {
 public:
  ArrowCursor() { QGuiApplication::setOverrideCursor(Qt::ArrowCursor); }
  ~ArrowCursor() { QGuiApplication::restoreOverrideCursor(); }
  ArrowCursor(const ArrowCursor&) = delete;
  ArrowCursor& operator=(const ArrowCursor&) = delete;
};

QString appTitle() {
  return QApplication::applicationDisplayName();
}

}  // namespace

bool QtChartPrompts::Confirm(const QString& text) {
  ArrowCursor arrow;
  return QMessageBox::question(parent(), appTitle(), text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

ChartAnswer QtChartPrompts::ConfirmOrCancel(const QString& text) {
  ArrowCursor arrow;
  switch (QMessageBox::question(parent(), appTitle(), text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                QMessageBox::Yes)) {
    case QMessageBox::Yes:
      return ChartAnswer::Yes;
    case QMessageBox::No:
      return ChartAnswer::No;
    default:
      return ChartAnswer::Cancel;
  }
}

bool QtChartPrompts::InputText(const QString& caption, const QString& prompt, QString& value) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent(), caption, prompt, QLineEdit::Normal, value, &ok);
  if (ok) value = text;
  return ok;
}

bool QtChartPrompts::ChooseColor(base::TColor& color) {
  const QColor chosen = QColorDialog::getColor(base::ToQColor(color), parent());
  if (!chosen.isValid()) return false;
  color = base::FromQColor(chosen);
  return true;
}

bool QtChartPrompts::ChooseFont(ChartFontChoice& font) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, ToQFont(font), parent());
  if (ok) FromQFont(chosen, font);
  return ok;
}

bool QtChartPrompts::OpenFileName(const QString& caption, const QString& filter,
                                  QString& fileName) {
  const QString name = QFileDialog::getOpenFileName(parent(), caption, fileName, filter);
  if (name.isEmpty()) return false;
  fileName = name;
  return true;
}

bool QtChartPrompts::SaveFileName(const QString& caption, const QString& filter,
                                  QString& fileName) {
  const QString name = QFileDialog::getSaveFileName(parent(), caption, fileName, filter);
  if (name.isEmpty()) return false;
  fileName = name;
  return true;
}

bool QtChartPrompts::SaveFileNameFiltered(const QString& caption, const QStringList& filters,
                                          const QString& defaultSuffix, int& filterIndex,
                                          QString& fileName) {
  QFileDialog dialog(parent(), caption, fileName);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(defaultSuffix);
  if (filterIndex >= 1 && filterIndex <= filters.size())
    dialog.selectNameFilter(filters[filterIndex - 1]);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  fileName = dialog.selectedFiles().first();
  // Two entries may read alike ("*.txt"): the first of the same text wins.
  const qsizetype picked = filters.indexOf(dialog.selectedNameFilter());
  if (picked >= 0) filterIndex = static_cast<int>(picked) + 1;
  return true;
}

void QtChartPrompts::Error(const QString& text) {
  QMessageBox::critical(parent(), appTitle(), text);
}

void QtChartPrompts::Warning(const QString& text) {
  auto* box = new QMessageBox(QMessageBox::Warning, appTitle(), text, QMessageBox::Ok, parent());
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->show();
}

QFont ToQFont(const ChartFontChoice& font) {
  QFont f(font.name);
  if (font.size > 0) f.setPointSize(font.size);
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  f.setStrikeOut(font.strikeOut);
  return f;
}

void FromQFont(const QFont& font, ChartFontChoice& choice) {
  choice.name = font.family();
  if (font.pointSize() > 0) choice.size = font.pointSize();
  choice.bold = font.bold();
  choice.italic = font.italic();
  choice.underline = font.underline();
  choice.strikeOut = font.strikeOut();
}
