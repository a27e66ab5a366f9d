#pragma once
// The program as a user starts it: the composition main() holds, its main
// window on the X display with a written result file open, and the data
// extractor opened from a view's popup. Dialogs are the real Qt ones; a
// ModalAnswer answers the next one from a timer, as a user would.
#include "app/ProgramComposition.h"
#include "platform/SettingsStore.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "viewer/main/TfrmMain.h"
#include "viewer/view/TfrmData1D.h"
#include "viewer/view/TfrmGLBase.h"
#include "viewer/view/ViewPopupMenus.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace programtest {

// Answers the next modal dialog of class T: a timer looks for it while the
// code under test waits in the dialog's own loop. A different dialog that
// stays up is closed and reported, so that a wrong dialog fails the test
// instead of hanging it.
class ModalAnswer {
 public:
  template <class T>
  static std::unique_ptr<ModalAnswer> Of(std::function<void(T&)> answer) {
    auto watch = std::unique_ptr<ModalAnswer>(new ModalAnswer);
    ModalAnswer* self = watch.get();
    QWidget* before = QApplication::activeModalWidget();
    QObject::connect(&self->timer_, &QTimer::timeout, [self, before, answer] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || modal == before) return;
      self->timer_.stop();
      if (T* dialog = qobject_cast<T*>(modal)) {
        self->answered_ = true;
        answer(*dialog);
        return;
      }
      ADD_FAILURE() << "expected a " << T::staticMetaObject.className() << ", "
                    << modal->metaObject()->className() << " showed";
      if (auto* other = qobject_cast<QDialog*>(modal)) other->done(QDialog::Rejected);
    });
    self->timer_.start(10);
    return watch;
  }
  bool Answered() const { return answered_; }

 private:
  ModalAnswer() = default;
  QTimer timer_;
  bool answered_ = false;
};

// Types `path` into a file dialog's name box and accepts it.
inline void TypeFileName(QFileDialog& dialog, const QString& path) {
  auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (!name) {
    ADD_FAILURE() << "the file dialog has no name box";
    dialog.reject();
    return;
  }
  // Typed at once: letter by letter the name box would complete each
  // folder and open its list over the dialog.
  name->setText(path);
  QTest::keyClick(name, Qt::Key_Return);
}

class RunningProgram : public testing::Test {
 protected:
  static constexpr int Steps = 120;

  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    settings_ = std::make_unique<platform::SettingsStore>(dir_.filePath(QStringLiteral("s.ini")));
    program_ = std::make_unique<ProgramComposition>(*settings_);
    TfrmMain& main = program_->MainWindow();
    main.setGeometry(100, 80, 1000, 760);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    ASSERT_TRUE(main.OpenProject(WriteFile()));
    ASSERT_NE(main.ActiveView(), nullptr);
  }

  void TearDown() override {
    delete extractor_.data();
    program_.reset();
  }

  TfrmMain& Main() const { return program_->MainWindow(); }

  // The extractor, from the active view's popup entry "&data".
  TfrmData1D& OpenExtractor() {
    auto* view = dynamic_cast<TfrmGLBase*>(Main().ActiveView());
    EXPECT_NE(view, nullptr);
    ViewPopupMenus* menus = view ? ViewPopupMenusOf(*view) : nullptr;
    QAction* data = menus ? menus->Item(QStringLiteral("Data1")) : nullptr;
    EXPECT_NE(data, nullptr);
    if (data) data->trigger();
    extractor_ = Main().findChild<TfrmData1D*>();
    EXPECT_NE(extractor_.data(), nullptr);
    if (extractor_) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(extractor_.data()));
    }
    return *extractor_;
  }

  // The whole grid over `days` days from the start, run to its end.
  static void Update(TfrmData1D& extractor, int days) {
    auto* to = extractor.findChild<QDateEdit*>(QStringLiteral("dto"));
    to->setDate(to->date().addDays(days));
    extractor.UpdateButton().click();
    while (extractor.SliceTimer().isActive()) extractor.RunSlice();
  }

  QString WriteFile() const {
    const QString path = dir_.filePath(QStringLiteral("run.vq3"));
    resultwriter::writeFile(resultwriter::temperatureRunSpec(Steps), path);
    return path;
  }

  QTemporaryDir dir_;
  std::unique_ptr<platform::SettingsStore> settings_;
  std::unique_ptr<ProgramComposition> program_;
  QPointer<TfrmData1D> extractor_;
};

}  // namespace programtest
