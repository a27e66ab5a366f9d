#include "tests/viewer/ProjectFakes.h"

#include "tests/support/writer/ResultFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

std::unique_ptr<ProjectView> FakeOwner::CreateView(TZolProject&, TDataKind kind) {
  return std::make_unique<FakeView>(log, kind);
}

std::unique_ptr<MaterialView> FakeOwner::CreateMaterialWindow(TZolProject&) {
  return std::make_unique<FakeMaterialWindow>(log);
}

namespace {

// The next queued answer, or `none` once the queue is empty.
template <typename T>
T Next(std::deque<T>& queue, T none) {
  if (queue.empty()) return none;
  T a = queue.front();
  queue.pop_front();
  return a;
}

}  // namespace

std::optional<QString> FakeOwner::AskText(const QString& caption, const QString& prompt,
                                          const QString& text) {
  prompts << caption + QLatin1Char('|') + prompt + QLatin1Char('|') + text;
  return Next(answers, std::optional<QString>());
}

std::optional<QString> FakePrompts::AskText(QWidget*, const QString& caption, const QString& prompt,
                                            const QString& text) {
  textPrompts << caption + QLatin1Char('|') + prompt + QLatin1Char('|') + text;
  return Next(texts, std::optional<QString>());
}

MainWindowPrompts::Answer FakePrompts::AskYesNoCancel(QWidget*, const QString& text) {
  questions << text;
  return Next(answers, Answer::Cancel);
}

resultwriter::ResultFileSpec SmallSpec(std::initializer_list<int> kinds, int steps, int version) {
  resultwriter::ResultFileSpec spec;
  spec.version = version;
  spec.setKinds(kinds);
  spec.x = {0.0F, 0.1F, 0.2F, 0.3F};
  spec.y = {0.0F, 0.05F, 0.1F};
  if (version >= 2) {
    resultwriter::Material m;
    m.name = "Brick";
    m.values[0] = 1900;
    m.values[2] = 850;
    m.values[6] = 0.24F;
    m.values[7] = 190;
    m.curves[0] = {0, 0.6F, 190, 1.1F};
    m.curves[1] = {0, 0.5F};
    m.curves[2] = {0, 10};
    m.curves[3] = {0, 12};
    m.curves[4] = {0.5F, 5, 0, 1, 190, 0};
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

bool RunEventsUntil(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}
