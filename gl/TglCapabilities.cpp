#include "gl/TglCapabilities.h"

#include <QOpenGLContext>

#include <map>

namespace {

constexpr GLenum kNumExtensions = 0x821D;  // GL 3.0
constexpr GLenum kMaxAnisotropy = 0x84FF;  // GL_EXT_texture_filter_anisotropic
using GetStringiProc = const GLubyte* (*)(GLenum, GLuint);

std::map<const QOpenGLContext*, TglCapabilities>& cache() {
  static std::map<const QOpenGLContext*, TglCapabilities> perContext;
  return perContext;
}

template <class Proc>
Proc lookUp(QOpenGLContext* context, const char* name) {
  return reinterpret_cast<Proc>(context->getProcAddress(name));
}

}  // namespace

bool TglCapabilities::Has(const char* extension) const {
  return extensions.contains(QByteArray(extension));
}

void TglCapabilities::SetVersion(const char* versionText) {
  majorVersion = minorVersion = 0;
  if (versionText) {
    const char* p = versionText;
    while (*p >= '0' && *p <= '9' && majorVersion < 1000)
      majorVersion = majorVersion * 10 + (*p++ - '0');
    if (*p == '.') {
      ++p;
      while (*p >= '0' && *p <= '9' && minorVersion < 1000)
        minorVersion = minorVersion * 10 + (*p++ - '0');
    } else {
      majorVersion = 0;
    }
  }
  const bool one = majorVersion == 1, later = majorVersion >= 2;
  version12 = later || (one && minorVersion >= 2);
  version13 = later || (one && minorVersion >= 3);
  version14 = later || (one && minorVersion >= 4);
  version20 = later;
}

QList<QByteArray> TglCapabilities::SplitExtensions(const char* text) {
  QList<QByteArray> names;
  if (!text) return names;
  // Drivers end the text with a blank; empty pieces are no names.
  for (const QByteArray& name : QByteArray(text).split(' '))
    if (!name.isEmpty()) names << name;
  return names;
}

TglCapabilities TglCapabilities::Read() {
  TglCapabilities c;
  QOpenGLContext* context = QOpenGLContext::currentContext();
  if (!context) return c;
  c.SetVersion(reinterpret_cast<const char*>(glGetString(GL_VERSION)));
  if (c.majorVersion >= 3) {
    // The one-string list is gone from core contexts; read the names one by one.
    auto getStringi = lookUp<GetStringiProc>(context, "glGetStringi");
    GLint count = 0;
    glGetIntegerv(kNumExtensions, &count);
    for (GLint i = 0; getStringi && i < count; ++i)
      if (const GLubyte* name = getStringi(GL_EXTENSIONS, GLuint(i)))
        if (*name) c.extensions << QByteArray(reinterpret_cast<const char*>(name));
  } else {
    c.extensions = SplitExtensions(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
  }
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &c.maxTextureSize);
  if (c.Has("GL_EXT_texture_filter_anisotropic")) glGetFloatv(kMaxAnisotropy, &c.maxAnisotropy);
  const bool core = c.version13;
  c.compressedTexImage1D = lookUp<CompressedTexImage1DProc>(
      context, core ? "glCompressedTexImage1D" : "glCompressedTexImage1DARB");
  c.compressedTexImage2D = lookUp<CompressedTexImage2DProc>(
      context, core ? "glCompressedTexImage2D" : "glCompressedTexImage2DARB");
  c.getCompressedTexImage = lookUp<GetCompressedTexImageProc>(
      context, core ? "glGetCompressedTexImage" : "glGetCompressedTexImageARB");
  return c;
}

const TglCapabilities& TglCapabilities::Current() {
  static const TglCapabilities none;
  QOpenGLContext* context = QOpenGLContext::currentContext();
  if (!context) return none;
  auto found = cache().find(context);
  if (found == cache().end()) {
    found = cache().emplace(context, Read()).first;
    // A later context may get the same address: forget this one with it.
    QObject::connect(context, &QOpenGLContext::aboutToBeDestroyed,
                     [context] { cache().erase(context); });
  }
  return found->second;
}
