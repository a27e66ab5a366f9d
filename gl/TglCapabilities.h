#pragma once
// What a GL context offers textures: its version, its extension names, its
// limits and the compressed-texture entry points. Textures read it through
// Current(), which caches one per context and forgets it when that context
// is destroyed; tests fill one by hand to stand for a driver they don't have.
#include <QByteArray>
#include <QList>

#include <GL/gl.h>

struct TglCapabilities {
  using CompressedTexImage1DProc = void (*)(GLenum, GLint, GLenum, GLsizei, GLint, GLsizei,
                                            const void*);
  using CompressedTexImage2DProc = void (*)(GLenum, GLint, GLenum, GLsizei, GLsizei, GLint, GLsizei,
                                            const void*);
  using GetCompressedTexImageProc = void (*)(GLenum, GLint, void*);

  int majorVersion = 0;
  int minorVersion = 0;
  bool version12 = false;
  bool version13 = false;
  bool version14 = false;
  bool version20 = false;
  // Every extension name the driver lists, in its order.
  QList<QByteArray> extensions;
  int maxTextureSize = 0;
  float maxAnisotropy = 0;  // only with GL_EXT_texture_filter_anisotropic
  CompressedTexImage1DProc compressedTexImage1D = nullptr;
  CompressedTexImage2DProc compressedTexImage2D = nullptr;
  GetCompressedTexImageProc getCompressedTexImage = nullptr;

  bool Has(const char* extension) const;

  // Version flags from the "major.minor" at the start of a GL_VERSION text
  // (null or unparsable: none): 1.2, 1.3, 1.4 by minor with major 1, all four
  // from major 2 on.
  void SetVersion(const char* versionText);
  // The blank-separated names of a GL_EXTENSIONS text (null: none).
  static QList<QByteArray> SplitExtensions(const char* text);

  // Read from the current context (empty without one).
  static TglCapabilities Read();
  // The current context's, read once per context.
  static const TglCapabilities& Current();
};
