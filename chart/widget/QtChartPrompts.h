#pragma once
// The chart's questions as Qt dialogs: the prompts a program installs with
// SetPrompts() once it has a main window. Colour dialogs share Qt's custom
// colours, which last for the whole run.
#include "chart/core/ChartPrompts.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

class QtChartPrompts final : public ChartPrompts {
 public:
  // Dialogs are centred on `parent` (may be null).
  explicit QtChartPrompts(QWidget* parent = nullptr) : parent_(parent) {}

  // Both questions show the arrow cursor while they ask, whatever cursor
  // the work in hand had set.
  bool Confirm(const QString& text) override;
  ChartAnswer ConfirmOrCancel(const QString& text) override;
  bool InputText(const QString& caption, const QString& prompt, QString& value) override;
  bool ChooseColor(base::TColor& color) override;
  bool ChooseFont(ChartFontChoice& font) override;
  bool OpenFileName(const QString& caption, const QString& filter, QString& fileName) override;
  bool SaveFileName(const QString& caption, const QString& filter, QString& fileName) override;
  bool SaveFileNameFiltered(const QString& caption, const QStringList& filters,
                            const QString& defaultSuffix, int& filterIndex,
                            QString& fileName) override;
  void Error(const QString& text) override;
  // A message box that is shown and left open; the caller goes on at once.
  void Warning(const QString& text) override;

 private:
  QWidget* parent() const { return parent_.data(); }
  QPointer<QWidget> parent_;
};

// Between the engine's font description and Qt's. The colour is the
// engine's alone: Qt's font dialog has none, so it stays as it was.
QFont ToQFont(const ChartFontChoice& font);
void FromQFont(const QFont& font, ChartFontChoice& choice);
