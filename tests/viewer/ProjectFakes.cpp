#include "ProjectFakes.h"

#include "tests/support/writer/ResultFileWriter.h"

#include <QDir>

FakeView::FakeView(FakeLog& log, TDataKind kind) : log_(log), kind_(kind) {
  log_.created.push_back(kind);
  ++log_.alive;
  resize(200, 150);
}

FakeView::~FakeView() {
  --log_.alive;
}

void FakeView::ResetView() {
  log_.calls << QStringLiteral("%1:reset").arg(int(kind_));
}

void FakeView::SetViewCaption(const QString& name) {
  caption = name;
  log_.calls << QStringLiteral("%1:caption").arg(int(kind_));
}

void FakeView::SetDateRange(double start, double end) {
  startDate = start;
  endDate = end;
  log_.calls << QStringLiteral("%1:dates").arg(int(kind_));
}

void FakeView::ShowStep(double date) {
  log_.shownDates.push_back(date);
  log_.calls << QStringLiteral("%1:step").arg(int(kind_));
}

void FakeView::SetLoading(bool loading) {
  log_.calls << QStringLiteral("%1:loading=%2").arg(int(kind_)).arg(loading);
}

void FakeView::Minimize() {
  log_.calls << QStringLiteral("%1:minimize").arg(int(kind_));
}

FakeMaterialWindow::FakeMaterialWindow(FakeLog& log) : log_(log) {
  ++log_.alive;
}
FakeMaterialWindow::~FakeMaterialWindow() {
  --log_.alive;
}
void FakeMaterialWindow::SetLines(const QStringList& lines) {
  log_.materialTexts.push_back(lines);
}

std::unique_ptr<ProjectView> FakeOwner::CreateView(TZolProject&, TDataKind kind) {
  return std::make_unique<FakeView>(log, kind);
}

std::unique_ptr<MaterialView> FakeOwner::CreateMaterialWindow(TZolProject&) {
  return std::make_unique<FakeMaterialWindow>(log);
}

std::optional<QString> FakeOwner::AskText(const QString& caption, const QString& prompt,
                                          const QString& text) {
  prompts << caption + QLatin1Char('|') + prompt + QLatin1Char('|') + text;
  if (answers.empty()) return std::nullopt;
  auto a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<QString> FakePrompts::AskText(QWidget*, const QString& caption, const QString& prompt,
                                            const QString& text) {
  textPrompts << caption + QLatin1Char('|') + prompt + QLatin1Char('|') + text;
  if (texts.empty()) return std::nullopt;
  auto a = texts.front();
  texts.pop_front();
  return a;
}

MainWindowPrompts::Answer FakePrompts::AskYesNoCancel(QWidget*, const QString& text) {
  questions << text;
  if (answers.empty()) return Answer::Cancel;
  const Answer a = answers.front();
  answers.pop_front();
  return a;
}

resultwriter::ResultFileSpec SmallSpec(std::initializer_list<int> kinds, int steps, int version) {
  resultwriter::ResultFileSpec spec;
  spec.version = version;
  spec.setKinds(kinds);
  spec.x = {0.0F, 0.1F, 0.2F, 0.3F};
  spec.y = {0.0F, 0.05F, 0.1F};
  if (version >= 1) {
    resultwriter::Material m;
    m.name = "Brick";
    m.values[0] = 1900;
    m.values[2] = 850;
    m.values[6] = 0.24F;
    m.values[7] = 190;
    if (version == 1) {
      m.curves[0] = {0, 0.6F, 0, 190, 1.1F, 0};
      m.curves[2] = {0, 10, 0};
      m.curves[4] = {0.5F, 5, 0, 1, 190, 0};
    } else {
      m.curves[0] = {0, 0.6F, 190, 1.1F};
      m.curves[1] = {0, 0.5F};
      m.curves[2] = {0, 10};
      m.curves[3] = {0, 12};
      m.curves[4] = {0.5F, 5, 0, 1, 190, 0};
    }
    spec.materials.push_back(m);
  }
  resultwriter::addNumberedSteps(spec, steps);
  return spec;
}

QString WriteResultFile(const resultwriter::ResultFileSpec& spec, const QString& folder,
                        const QString& name) {
  const QString path = QDir(folder).filePath(name);
  resultwriter::writeFile(spec, path);
  return path;
}
