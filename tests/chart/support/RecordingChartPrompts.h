#pragma once
// A ChartPrompts that records every question and answers from a script, so
// that a test drives every path that would open a dialog. Installed for its
// lifetime; the previous prompts come back when it goes.
#include "chart/core/ChartPrompts.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

class RecordingChartPrompts final : public ChartPrompts {
 public:
  RecordingChartPrompts() : previous_(SetPrompts(this)) {}
  ~RecordingChartPrompts() override { SetPrompts(previous_); }
  RecordingChartPrompts(const RecordingChartPrompts&) = delete;
  RecordingChartPrompts& operator=(const RecordingChartPrompts&) = delete;

  // One line per call: "Confirm: text", "Warning: text", "Font: name", ...
  QStringList calls;
  // Calls that would have stopped the user (everything but Warning).
  int modalCalls = 0;

  // Scripted answers, used up in order; an empty script answers no/cancel.
  std::deque<bool> confirmAnswers;
  std::deque<ChartAnswer> confirmOrCancelAnswers;
  std::deque<QString> textAnswers;
  std::deque<base::TColor> colorAnswers;
  std::deque<ChartFontChoice> fontAnswers;
  std::deque<QString> fileAnswers;

  QStringList warnings() const { return withPrefix(QStringLiteral("Warning: ")); }
  QStringList errors() const { return withPrefix(QStringLiteral("Error: ")); }

  bool Confirm(const QString& text) override {
    record(QStringLiteral("Confirm: ") + text);
    return take(confirmAnswers).value_or(false);
  }
  ChartAnswer ConfirmOrCancel(const QString& text) override {
    record(QStringLiteral("ConfirmOrCancel: ") + text);
    return take(confirmOrCancelAnswers).value_or(ChartAnswer::Cancel);
  }
  bool InputText(const QString& caption, const QString& prompt, QString& value) override {
    record(QStringLiteral("Text: ") + caption + QStringLiteral(" / ") + prompt);
    return answer(textAnswers, value);
  }
  bool ChooseColor(base::TColor& color) override {
    record(QStringLiteral("Color: ") + QString::number(color, 16));
    return answer(colorAnswers, color);
  }
  bool ChooseFont(ChartFontChoice& font) override {
    record(QStringLiteral("Font: ") + font.name);
    return answer(fontAnswers, font);
  }
  bool OpenFileName(const QString& caption, const QString& filter, QString& fileName) override {
    record(QStringLiteral("Open: ") + caption + QStringLiteral(" / ") + filter);
    return answer(fileAnswers, fileName);
  }
  bool SaveFileName(const QString& caption, const QString& filter, QString& fileName) override {
    record(QStringLiteral("Save: ") + caption + QStringLiteral(" / ") + filter);
    return answer(fileAnswers, fileName);
  }
  // Records the filters and the entry shown first; a scripted entry is the
  // one the user picks.
  bool SaveFileNameFiltered(const QString& caption, const QStringList& filters,
                            const QString& defaultSuffix, int& filterIndex,
                            QString& fileName) override {
    record(QStringLiteral("SaveFiltered: ") + caption + QStringLiteral(" / ") +
           filters.join(QStringLiteral(";;")) + QStringLiteral(" / ") +
           QString::number(filterIndex) + QStringLiteral(" / ") + defaultSuffix);
    if (!answer(fileAnswers, fileName)) return false;
    if (std::optional<int> picked = take(filterAnswers)) filterIndex = *picked;
    return true;
  }
  std::deque<int> filterAnswers;
  void Error(const QString& text) override { record(QStringLiteral("Error: ") + text); }
  void Warning(const QString& text) override {
    calls << QStringLiteral("Warning: ") + text;  // does not stop the user
  }

 private:
  template <class T>
  static std::optional<T> take(std::deque<T>& script) {
    if (script.empty()) return std::nullopt;
    T v = script.front();
    script.pop_front();
    return v;
  }
  template <class T>
  static bool answer(std::deque<T>& script, T& value) {
    std::optional<T> v = take(script);
    if (!v) return false;
    value = *v;
    return true;
  }
  void record(const QString& call) {
    calls << call;
    ++modalCalls;
  }
  QStringList withPrefix(const QString& prefix) const {
    QStringList list;
    for (const QString& c : calls) {
      if (c.startsWith(prefix)) list << c.mid(prefix.size());
    }
    return list;
  }

  ChartPrompts* previous_;
};
