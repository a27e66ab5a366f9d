#include "gl/GlxPixelFormats.h"

#include <QGuiApplication>

// Xlib defines macros with common names (None, Bool, Status); keep them to
// this file.
#include <GL/glx.h>

namespace {

int attrib(Display* display, GLXFBConfig config, int attribute) {
  int value = 0;
  if (glXGetFBConfigAttrib(display, config, attribute, &value) != Success) return 0;
  return value;
}

TPixelFormatDescriptor describe(Display* display, GLXFBConfig config) {
  TPixelFormatDescriptor d;
  // Every GLX configuration renders with GL; GDI has no counterpart.
  d.flags |= TPFDFlag::Support_OPENGL;
  const int drawable = attrib(display, config, GLX_DRAWABLE_TYPE);
  if (drawable & GLX_WINDOW_BIT) d.flags |= TPFDFlag::Draw_To_Window;
  if (drawable & GLX_PIXMAP_BIT) d.flags |= TPFDFlag::Draw_To_Bitmap;
  if (attrib(display, config, GLX_DOUBLEBUFFER)) d.flags |= TPFDFlag::DoubleBuffer;
  if (attrib(display, config, GLX_STEREO)) d.flags |= TPFDFlag::Stereo;
  // A slow configuration is the software fallback, which is what the generic
  // flag marks.
  if (attrib(display, config, GLX_CONFIG_CAVEAT) == GLX_SLOW_CONFIG)
    d.flags |= TPFDFlag::Generic_Format;
  d.pixelType = (attrib(display, config, GLX_RENDER_TYPE) & GLX_RGBA_BIT)
                    ? TPFDPixelType::RGBA
                    : TPFDPixelType::ColorIndex;
  d.colorBits = attrib(display, config, GLX_RED_SIZE) + attrib(display, config, GLX_GREEN_SIZE) +
                attrib(display, config, GLX_BLUE_SIZE);
  d.alphaBits = attrib(display, config, GLX_ALPHA_SIZE);
  d.depthBits = attrib(display, config, GLX_DEPTH_SIZE);
  d.stencilBits = attrib(display, config, GLX_STENCIL_SIZE);
  d.accumBits =
      attrib(display, config, GLX_ACCUM_RED_SIZE) + attrib(display, config, GLX_ACCUM_GREEN_SIZE) +
      attrib(display, config, GLX_ACCUM_BLUE_SIZE) + attrib(display, config, GLX_ACCUM_ALPHA_SIZE);
  return d;
}

}  // namespace

std::vector<TPixelFormatDescriptor> DisplayPixelFormats() {
  std::vector<TPixelFormatDescriptor> result;
  if (!qGuiApp) return result;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11) return result;
  Display* display = x11->display();
  if (!display) return result;
  int count = 0;
  GLXFBConfig* configs = glXGetFBConfigs(display, DefaultScreen(display), &count);
  if (!configs) return result;
  if (count > 0) {
    result.reserve(size_t(count));
    for (int i = 0; i < count; ++i) result.push_back(describe(display, configs[i]));
  }
  XFree(configs);
  return result;
}
