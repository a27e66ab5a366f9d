#include "base/Exceptions.h"
#include "gl/TOpenGL.h"
#include "platform/TApplication.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

namespace {

struct Box {
  QMessageBox::Icon icon;
  QString title, text;
};

class GLReporter : public ::testing::Test {
 protected:
  void SetUp() override {
    TApplication::SetMessageBoxHook(
        [this](QMessageBox::Icon icon, const QString& title, const QString& text) {
          boxes.push_back({icon, title, text});
        });
  }
  void TearDown() override {
    TApplication::SetMessageBoxHook(nullptr);
    TApplication::SetExceptionHandler(nullptr);
  }
  std::vector<Box> boxes;
};

}  // namespace

TEST_F(GLReporter, WithoutOwnerNoContextButTheReporterIsInstalled) {
  TOpenGL gl;
  gl.Loaded();
  EXPECT_EQ(gl.Widget(), nullptr);
  EXPECT_FALSE(gl.Active());
  EXPECT_EQ(TApplication::ExceptionHandlerOwner(), &gl);

  TApplication::HandleException(std::make_exception_ptr(base::Exception("Division by zero")));
  ASSERT_EQ(boxes.size(), 1u);  // no context: no GL errors to list
  EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
  EXPECT_EQ(boxes[0].title, "Application Error");
  EXPECT_EQ(boxes[0].text, "Division by zero");
}

TEST_F(GLReporter, DestroyingClearsOnlyItsOwnReporter) {
  auto first = std::make_unique<TOpenGL>();
  auto second = std::make_unique<TOpenGL>();
  first->Loaded();
  second->Loaded();  // the last loaded is in force
  first.reset();
  EXPECT_EQ(TApplication::ExceptionHandlerOwner(), second.get());
  second.reset();
  EXPECT_EQ(TApplication::ExceptionHandlerOwner(), nullptr);

  // Back to the default handler: titled with the application name.
  TApplication::HandleException(std::make_exception_ptr(std::runtime_error("late")));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].title, "Application Error");
  EXPECT_EQ(boxes[0].text, "late");
}

TEST(GLErrorCheckText, PlaceLineBreakAndGluText) {
  EXPECT_EQ(TOpenGL::GLErrorText("Loaded", GL_INVALID_ENUM), "Error in Loaded\rinvalid enumerant");
  EXPECT_EQ(TOpenGL::GLErrorString(GL_OUT_OF_MEMORY), "out of memory");
  EXPECT_FALSE(TOpenGL::GLErrorString(0x7777).isEmpty());
}
