#include "chart/core/ChartPrompts.h"

#include <cstdio>

namespace {

// Answers no to everything and reports on stderr: the engine without a user.
class NoUserPrompts final : public ChartPrompts {
 public:
  bool Confirm(const QString&) override { return false; }
  bool InputText(const QString&, const QString&, QString&) override { return false; }
  bool ChooseColor(base::TColor&) override { return false; }
  bool ChooseFont(ChartFontChoice&) override { return false; }
  bool OpenFileName(const QString&, const QString&, QString&) override { return false; }
  bool SaveFileName(const QString&, const QString&, QString&) override { return false; }
  void Error(const QString& text) override {
    std::fprintf(stderr, "veltrano: %s\n", qPrintable(text));
  }
  void Warning(const QString& text) override {
    std::fprintf(stderr, "veltrano: %s\n", qPrintable(text));
  }
};

NoUserPrompts noUser;
ChartPrompts* current = nullptr;

}  // namespace

bool ChartPrompts::SaveFileNameFiltered(const QString& caption, const QStringList& filters,
                                        const QString& /*defaultSuffix*/, int& /*filterIndex*/,
                                        QString& fileName) {
  return SaveFileName(caption, filters.join(QStringLiteral(";;")), fileName);
}

bool ChartPrompts::OpenPictureFileName(QString& fileName) {
  return OpenFileName(QString(), QStringLiteral("Pictures (*.bmp *.png *.jpg *.jpeg)"), fileName);
}

ChartPrompts& Prompts() {
  return current ? *current : noUser;
}

ChartPrompts* SetPrompts(ChartPrompts* prompts) {
  ChartPrompts* previous = current;
  current = prompts;
  return previous;
}
