// The Qt dialogs behind the chart's prompts, and the editors' control helper.
#include "chart/widget/EnableControls.h"
#include "chart/widget/QtChartPrompts.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <memory>

namespace {

QMessageBox* findBox(const QWidget& parent) {
  return parent.findChild<QMessageBox*>(QString(), Qt::FindDirectChildrenOnly);
}

// Answers the modal dialog that is about to open, from inside its own loop.
template <class Answer>
void answerNextDialog(Answer answer) {
  QTimer::singleShot(0, [answer] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal) answer(modal);
  });
}

}  // namespace

TEST(QtChartPrompts, WarningsStayOpenWithoutBlocking) {
  QWidget window;
  QtChartPrompts prompts(&window);
  prompts.Warning(QStringLiteral("Multiplier 2.5 is not supported"));
  QMessageBox* box = findBox(window);
  ASSERT_NE(box, nullptr) << "the warning returned without a box";
  EXPECT_TRUE(box->isVisible());
  EXPECT_FALSE(box->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(box->text(), QStringLiteral("Multiplier 2.5 is not supported"));
  EXPECT_TRUE(box->testAttribute(Qt::WA_DeleteOnClose));
  box->close();
}

TEST(QtChartPrompts, ConfirmAnswersTheButtonPressedUnderTheArrowCursor) {
  QtChartPrompts prompts;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);  // the work in hand
  for (bool yes : {true, false}) {
    answerNextDialog([yes](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
      EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
      box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    EXPECT_EQ(prompts.Confirm(QStringLiteral("Delete Series1 ?")), yes);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  const std::pair<QMessageBox::StandardButton, ChartAnswer> answers[] = {
      {QMessageBox::Yes, ChartAnswer::Yes},
      {QMessageBox::No, ChartAnswer::No},
      {QMessageBox::Cancel, ChartAnswer::Cancel}};
  for (const auto& [button, answer] : answers) {
    answerNextDialog([button](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
      box->button(button)->click();
    });
    EXPECT_EQ(prompts.ConfirmOrCancel(QStringLiteral("Apply Changes ?")), answer);
  }
  QGuiApplication::restoreOverrideCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtChartPrompts, InputTextKeepsTheValueWhenCancelled) {
  QtChartPrompts prompts;
  QString value = QStringLiteral("Series1");
  answerNextDialog([](QWidget* modal) {
    auto* dialog = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->textValue(), QStringLiteral("Series1"));
    dialog->setTextValue(QStringLiteral("Temperature"));
    dialog->accept();
  });
  EXPECT_TRUE(prompts.InputText(QStringLiteral("Change Series Title"),
                                QStringLiteral("New Series Title:"), value));
  EXPECT_EQ(value, QStringLiteral("Temperature"));
  answerNextDialog([](QWidget* modal) {
    auto* dialog = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->setTextValue(QStringLiteral("lost"));
    dialog->reject();
  });
  EXPECT_FALSE(prompts.InputText(QStringLiteral("c"), QStringLiteral("p"), value));
  EXPECT_EQ(value, QStringLiteral("Temperature"));
}

TEST(EnableControls, SetsEachControlAndSkipsMissingOnes) {
  QWidget page;
  auto* a = new QCheckBox(&page);
  auto* b = new QLineEdit(&page);
  EnableControls(false, {a, nullptr, b});
  EXPECT_FALSE(a->isEnabled());
  EXPECT_FALSE(b->isEnabled());
  EnableControls(true, {nullptr, b});
  EXPECT_FALSE(a->isEnabled());
  EXPECT_TRUE(b->isEnabled());
}
