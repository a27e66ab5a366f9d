#pragma once
// Stand-ins for the popup menus' tests: dialogs answered from a script and a
// project over a writer-made file that counts the commands it receives.
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/ViewFileHost.h"
#include "viewer/ViewDialogs.h"

#include <QStringList>

#include <deque>
#include <optional>

// Answers text prompts in order (nullopt stands for Cancel) and records every
// dialog as "caption|prompt|prefilled text", "message:caption|text" or
// "save:filter|extension".
class ScriptedDialogs final : public ViewDialogs {
 public:
  std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                 const QString& text) override {
    log << caption + "|" + prompt + "|" + text;
    if (answers.empty()) return std::nullopt;
    std::optional<QString> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowMessage(const QString& caption, const QString& text) override {
    log << "message:" + caption + "|" + text;
  }
  QString SaveFileName(const QString& filter, const QString& extension) override {
    log << "save:" + filter + "|" + extension;
    return saveName;
  }
  QString OpenFileName(const QString& filter, const QString& extension) override {
    log << "open:" + filter + "|" + extension;
    return openName;
  }

  std::deque<std::optional<QString>> answers;
  QStringList log;
  QString saveName, openName;
};

// A project over a file with water content, relative humidity, temperature
// (scalar) and capillary flux (vector) on a 6 x 5 grid.
class CountingHost final : public ViewFileHost {
 public:
  explicit CountingHost(const QString& fileName) : ViewFileHost(fileName) {}
  void Pause() override { ++pauses; }
  void UpdateViews() override { ++updates; }
  int pauses = 0;
  int updates = 0;

  static QString WriteFile(const QString& dir) {
    resultwriter::ResultFileSpec spec;
    spec.version = 2;
    spec.setKinds({0, 1, 2, 4});
    spec.x = {0, 1, 2, 3, 4, 5};
    spec.y = {0, 1, 2, 3, 4};
    resultwriter::Ranges ranges{};
    ranges[0] = {0.0f, 200.0f};
    ranges[1] = {0.3f, 1.0f};
    ranges[2] = {-10.0f, 30.0f};
    ranges[4] = {0.0f, 2.0f};
    spec.ranges = ranges;
    resultwriter::Material brick;
    brick.name = "brick";
    spec.materials.push_back(brick);
    resultwriter::addNumberedSteps(spec, 2);
    const QString path = dir + "/menus.res";
    resultwriter::writeFile(spec, path);
    return path;
  }
};
