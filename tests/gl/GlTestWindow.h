#pragma once
// A form filled by a TOpenGL drawing area, shown on the test display: a real context.
#include "gl/TOpenGL.h"
#include "platform/TApplication.h"

#include <gtest/gtest.h>
#include <QOpenGLWidget>
#include <QTest>
#include <QWidget>

#include <GL/gl.h>

#include <memory>

// A view's properties: orthographic, double buffered, 24 depth bits, a light clear colour.
inline void viewConfiguration(TOpenGL& gl) {
  gl.setpfdFlags(TPFDFlag::DoubleBuffer | TPFDFlag::Draw_To_Window | TPFDFlag::Support_OPENGL);
  gl.setProjection(TProjection::Orthographic);
  gl.setprxNear(-50);
  gl.setprxFar(100);
  gl.setDepthBits(24);
  gl.setClearRed(0.9f);
  gl.setClearGreen(0.9f);
  gl.setClearBlue(0.88f);
}

struct GlTestWindow {
  QWidget form;
  std::unique_ptr<TOpenGL> gl = std::make_unique<TOpenGL>(&form);

  template <class Configure = void (*)(TOpenGL&)>
  bool open(int width, int height, Configure configure = viewConfiguration) {
    configure(*gl);
    gl->Loaded();
    form.resize(width, height);
    gl->Widget()->setGeometry(0, 0, width, height);
    gl->setWidth(width);
    gl->setHeight(height);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return false;
    frame();  // makes the context if the expose has not yet
    return gl->Active();
  }

  // Paints one frame synchronously and returns what it shows.
  QImage frame() { return gl->Widget()->grabFramebuffer(); }
};
