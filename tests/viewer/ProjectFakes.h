#pragma once
// Stand-ins so projects and the main window run headless: fake windows that
// record what they are asked, prompts answered from queues, small result files.
#include "viewer/main/TfrmMain.h"
#include "viewer/project/ProjectOwner.h"
#include "viewer/view/ProjectView.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace resultwriter {
struct ResultFileSpec;
}

// Everything fake windows were asked, shared by all of them in a test.
struct FakeLog {
  std::vector<TDataKind> created;          // views in creation order
  QStringList calls;                       // "<kind>:<call>" for resets, date ranges, steps
  std::vector<double> shownDates;          // every ShowStep's date, all views
  std::vector<QStringList> materialTexts;  // every SetLines
};

class FakeView final : public QWidget, public ProjectView {
 public:
  FakeView(FakeLog& log, TDataKind kind) : log_(log), kind_(kind) { log_.created.push_back(kind); }
  TDataKind Kind() const override { return kind_; }
  QWidget* Widget() override { return this; }
  void ResetView() override { Log(QStringLiteral("reset")); }
  void SetViewCaption(const QString& name) override { caption = name; }
  void SetDateRange(double start, double end) override {
    startDate = start;
    endDate = end;
    Log(QStringLiteral("dates"));
  }
  void ShowStep(double date) override {
    log_.shownDates.push_back(date);
    Log(QStringLiteral("step"));
  }
  void SetLoading(bool) override {}
  void Minimize() override {}

  QString caption;
  double startDate = 0, endDate = 0;

 private:
  void Log(const QString& call) { log_.calls << QStringLiteral("%1:%2").arg(int(kind_)).arg(call); }
  FakeLog& log_;
  TDataKind kind_;
};

class FakeMaterialWindow final : public QWidget, public MaterialView {
 public:
  explicit FakeMaterialWindow(FakeLog& log) : log_(log) {}
  void SetLines(const QStringList& lines) override { log_.materialTexts.push_back(lines); }
  void Minimize() override {}
  QWidget* Widget() override { return this; }

 private:
  FakeLog& log_;
};

class FakeOwner final : public ProjectOwner {
 public:
  void UpdateStartAction() override {}
  std::unique_ptr<ProjectView> CreateView(TZolProject& project, TDataKind kind) override;
  std::unique_ptr<MaterialView> CreateMaterialWindow(TZolProject& project) override;
  std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                 const QString& text) override;
  void ReportError(const QString& message) override { errors << message; }

  FakeLog log;
  // Answers of AskText in order; nullopt stands for Cancel. Prompts are logged.
  std::deque<std::optional<QString>> answers;
  QStringList prompts;  // "caption|prompt|prefilled text"
  QStringList errors;
};

// Prompts of the main window answered from queues, errors collected.
class FakePrompts final : public MainWindowPrompts {
 public:
  QString OpenFileName(QWidget*) override { return openFile; }
  std::optional<QString> AskText(QWidget*, const QString& caption, const QString& prompt,
                                 const QString& text) override;
  Answer AskYesNoCancel(QWidget*, const QString& text) override;
  void ShowError(QWidget*, const QString& message) override { errors << message; }

  QString openFile;
  std::deque<std::optional<QString>> texts;
  QStringList textPrompts;
  std::deque<Answer> answers;
  QStringList questions;
  QStringList errors;
};

// A result file of `steps` numbered steps (value of step n, kind k is
// n * 100 + k; time 3600 * (n + 1) s) on a 4 x 3 grid; one material from version 2 on.
resultwriter::ResultFileSpec SmallSpec(std::initializer_list<int> kinds, int steps,
                                       int version = 2);
// Writes `spec` into `folder` as `name`; returns the path.
QString WriteResultFile(const resultwriter::ResultFileSpec& spec, const QString& folder,
                        const QString& name);
// Runs the event loop (playback steps come from it) until `done` or `ms` pass.
// The limit only ends a test that would hang: a loaded machine may be slow.
bool RunEventsUntil(const std::function<bool()>& done, int ms = 30000);
inline void RunEventsFor(int ms) {
  RunEventsUntil([] { return false; }, ms);
}
