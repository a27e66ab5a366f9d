#include "gl/TglTexture.h"

#include "base/Exceptions.h"
#include "gl/TextureDecoders.h"
#include "gl/TextureEncoders.h"

#include <QFile>
#include <QIODevice>
#include <QOpenGLContext>

#include <GL/glu.h>

#include <algorithm>

namespace {

// GL enums newer than the 1.1 header guarantees.
constexpr GLenum kClampToEdge = 0x812F, kClampToBorder = 0x812D, kMirroredRepeat = 0x8370;
constexpr GLenum kWrapR = 0x8072, kGenerateMipmap = 0x8191, kMaxAnisotropyParam = 0x84FE;
constexpr GLenum kBGR = 0x80E0, kBGRA = 0x80E1;
constexpr GLenum kByte332 = 0x8032, kShort4444 = 0x8033, kShort565 = 0x8363, kShort1555Rev = 0x8366,
                 kInt8888 = 0x8035;
constexpr GLenum kDXT1 = 0x83F1, kDXT3 = 0x83F2, kDXT5 = 0x83F3;

// Stream bytes read at most: no accepted image needs more.
constexpr qint64 kMaxStreamBytes = qint64(kMaxImageBytes) + (1 << 20);

struct Defaults {
  GLenum minFilter = GL_LINEAR_MIPMAP_LINEAR;
  GLenum magFilter = GL_LINEAR;
  GLenum wrapS = kClampToEdge, wrapT = kClampToEdge, wrapR = kClampToEdge;
  bool deleteTextureOnFree = true;
  bool freeDataAfterGen = true;
};
Defaults& defaults() {
  static Defaults d;
  return d;
}

bool isMinFilter(GLenum f) {
  return f == GL_NEAREST || f == GL_LINEAR || f == GL_NEAREST_MIPMAP_NEAREST ||
         f == GL_LINEAR_MIPMAP_NEAREST || f == GL_NEAREST_MIPMAP_LINEAR ||
         f == GL_LINEAR_MIPMAP_LINEAR;
}
bool isMagFilter(GLenum f) {
  return f == GL_NEAREST || f == GL_LINEAR;
}
bool isWrap(GLenum w) {
  return w == GL_CLAMP || w == GL_REPEAT || w == kClampToBorder || w == kClampToEdge ||
         w == kMirroredRepeat;
}

[[noreturn]] void raise(const QString& text) {
  throw base::Exception(text);
}

bool powerOfTwo(int v) {
  return v > 0 && (v & (v - 1)) == 0;
}

// Restores the caller's unpack alignment after an upload.
class UnpackAlignment {
 public:
  UnpackAlignment() {
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previous_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  }
  ~UnpackAlignment() { glPixelStorei(GL_UNPACK_ALIGNMENT, previous_); }

 private:
  GLint previous_ = 4;
};

}  // namespace

TglUploadFormat SelectFormat(int pixelFormat, const TglCapabilities& caps) {
  const bool bgra = caps.version12 || caps.Has("GL_EXT_bgra");
  auto needs12 = [&](bool ok, TglUploadFormat f) {
    if (!ok)
      raise(QStringLiteral(
          "TglTexture.SelectFormat - You need at least OpenGL 1.2 to support these format."));
    return f;
  };
  switch (pixelFormat) {
    case tfDXT1:
      return {kDXT1, 0, 0};
    case tfDXT3:
      return {kDXT3, 0, 0};
    case tfDXT5:
      return {kDXT5, 0, 0};
    case tfAlpha8:
      return {GL_ALPHA8, GL_ALPHA, GL_UNSIGNED_BYTE};
    case tfLuminance8:
      return {GL_LUMINANCE8, GL_LUMINANCE, GL_UNSIGNED_BYTE};
    case tfR3G3B2:
      return needs12(caps.version12, {GL_R3_G3_B2, GL_RGB, kByte332});
    case tfLuminance8Alpha8:
      return {GL_LUMINANCE8_ALPHA8, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE};
    case tfRGBA4:
      return needs12(caps.version12, {GL_RGBA4, GL_RGBA, kShort4444});
    case tfR5G6B5:
      return needs12(caps.version12, {GL_RGB5, GL_RGB, kShort565});
    case tfRGB5A1:
      return needs12(caps.version12, {GL_RGB5_A1, kBGRA, kShort1555Rev});
    case tfBGR8:
      return needs12(bgra, {GL_RGB8, kBGR, GL_UNSIGNED_BYTE});
    case tfRGB8:
      return {GL_RGB8, GL_RGB, GL_UNSIGNED_BYTE};
    case tfBGRA8:
      return needs12(bgra, {GL_RGBA8, kBGRA, GL_UNSIGNED_BYTE});
    case tfRGBA8:
      return {GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE};
    case tfABGR8:
      return needs12(caps.version12, {GL_RGBA8, GL_RGBA, kInt8888});
    default:
      raise(QStringLiteral("FormatGetSize - the given format isn't supported by this function."));
  }
}

GLenum ReducedMinFilter(GLenum minFilter) {
  switch (minFilter) {
    case GL_NEAREST_MIPMAP_NEAREST:
    case GL_NEAREST_MIPMAP_LINEAR:
      return GL_NEAREST;
    case GL_LINEAR_MIPMAP_NEAREST:
    case GL_LINEAR_MIPMAP_LINEAR:
      return GL_LINEAR;
    default:
      return minFilter;
  }
}

GLenum EffectiveWrap(GLenum wrap, const TglCapabilities& caps, char axis) {
  const QString suffix = QStringLiteral(" (") + QChar::fromLatin1(axis) + QStringLiteral(").");
  switch (wrap) {
    case GL_CLAMP:
    case GL_REPEAT:
      return wrap;
    case kClampToBorder:
      return caps.version13 || caps.Has("GL_ARB_texture_border_clamp") ? wrap : GL_CLAMP;
    case kClampToEdge:
      return caps.version12 || caps.Has("GL_EXT_texture_edge_clamp") ? wrap : GL_CLAMP;
    case kMirroredRepeat:
      if (caps.version14 || caps.Has("GL_ARB_texture_mirrored_repeat") ||
          caps.Has("GL_IBM_texture_mirrored_repeat"))
        return wrap;
      raise(QStringLiteral("TglTexture.SetWrap - Unsupported Texturewrap GL_MIRRORED_REPEAT") +
            suffix);
    default:
      raise(QStringLiteral("TglTexture.SetWrap - Unknow Texturewrap") + suffix);
  }
}

void glTextureSetDefaultFilter(GLenum minFilter, GLenum magFilter) {
  if (!isMinFilter(minFilter))
    raise(QStringLiteral("glTextureSetDefaultFilter - Unknow Minfilter."));
  if (!isMagFilter(magFilter))
    raise(QStringLiteral("glTextureSetDefaultFilter - Unknow Magfilter."));
  defaults().minFilter = minFilter;
  defaults().magFilter = magFilter;
}

void glTextureSetDefaultWrap(GLenum s, GLenum t, GLenum r) {
  const GLenum wraps[3] = {s, t, r};
  const char* names[3] = {"(s).", "(t).", "(r)."};
  for (int i = 0; i < 3; ++i)
    if (!isWrap(wraps[i]) || wraps[i] == kMirroredRepeat)
      raise(QStringLiteral("glTextureSetDefaultWrap - Unknow Texturewrap") +
            QString::fromLatin1(names[i]));
  defaults().wrapS = s;
  defaults().wrapT = t;
  defaults().wrapR = r;
}

TglTexture::TglTexture(GLenum target)
    : target_(target),
      deleteTextureOnFree_(defaults().deleteTextureOnFree),
      freeDataAfterGen_(defaults().freeDataAfterGen),
      minFilter_(defaults().minFilter),
      magFilter_(defaults().magFilter),
      wrapS_(defaults().wrapS),
      wrapT_(defaults().wrapT),
      wrapR_(defaults().wrapR) {}

TglTexture::~TglTexture() {
  // Without a current context there is nothing GL could delete it from.
  if (id_ != 0 && deleteTextureOnFree_ && QOpenGLContext::currentContext())
    glDeleteTextures(1, &id_);
}

const TglCapabilities& TglTexture::Capabilities() const {
  return caps_ ? *caps_ : TglCapabilities::Current();
}

void TglTexture::SetDataPointer(std::vector<std::uint8_t> data, int format, int width, int height) {
  if (data.empty()) {
    data_.clear();
    data_.shrink_to_fit();
    format_ = tfNone;
    width_ = height_ = 0;
    return;
  }
  CheckImageSize("SetDataPointer", width, height, FormatGetSize(format));
  if (format == tfNone || data.size() != FormatDataSize(format, width, height))
    raise(QStringLiteral("TglTexture.SetDataPointer - data and size don't match."));
  data_ = std::move(data);
  format_ = format;
  width_ = width;
  height_ = height;
}

bool TglTexture::LoadFromStream(QIODevice& stream) {
  const qint64 start = stream.pos();
  // Read in pieces: the buffer grows with what is really there.
  QByteArray bytes;
  while (bytes.size() < kMaxStreamBytes) {
    const qsizetype had = bytes.size();
    bytes.resize(had + qsizetype(std::min<qint64>(64 << 10, kMaxStreamBytes - had)));
    const qint64 got = stream.read(bytes.data() + had, bytes.size() - had);
    bytes.resize(had + qsizetype(std::max<qint64>(got, 0)));
    if (got <= 0) break;
  }
  TTextureImage image;
  bool decoded = false;
  try {
    decoded = DecodeAnyImage(ByteSpan(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      std::size_t(bytes.size())),
                             image);
  } catch (...) {
    if (!stream.isSequential()) stream.seek(start);
    throw;
  }
  if (!decoded) {
    if (!stream.isSequential()) stream.seek(start);
    raise(QStringLiteral(
        "TglTexture.LoadFromStream - Couldn't load Stream. It's possible to be an unknow "
        "Streamtype."));
  }
  SetDataPointer(std::move(image.pixels), image.format, image.width, image.height);
  return true;
}

void TglTexture::SaveToStream(QIODevice& stream, int type) const {
  if (!stream.isWritable())
    raise(QStringLiteral("TglTexture.SaveToStream - the stream is not open for writing."));
  // The whole file first: a save that fails here writes nothing.
  const std::vector<std::uint8_t> bytes = EncodeImage({format_, width_, height_, data_}, type);
  const qint64 size = qint64(bytes.size());
  if (stream.write(reinterpret_cast<const char*>(bytes.data()), size) != size)
    raise(QStringLiteral("TglTexture.SaveToStream - Couldn't write Stream: ") +
          stream.errorString());
}

void TglTexture::SetFilter(GLenum minFilter, GLenum magFilter) {
  if (!isMinFilter(minFilter)) raise(QStringLiteral("TglTexture.SetFilter - Unknow Minfilter."));
  if (!isMagFilter(magFilter)) raise(QStringLiteral("TglTexture.SetFilter - Unknow Magfilter."));
  minFilter_ = minFilter;
  magFilter_ = magFilter;
  if (id_ == 0) return;
  glBindTexture(target_, id_);
  glTexParameteri(target_, GL_TEXTURE_MAG_FILTER, GLint(magFilter_));
  const GLenum min = mipMap_ != 0 ? minFilter_ : ReducedMinFilter(minFilter_);
  glTexParameteri(target_, GL_TEXTURE_MIN_FILTER, GLint(min));
}

void TglTexture::SetWrap(GLenum s, GLenum t, GLenum r) {
  const GLenum wraps[3] = {s, t, r};
  const char axes[3] = {'S', 'T', 'R'};
  for (int i = 0; i < 3; ++i)
    if (!isWrap(wraps[i]))
      raise(QStringLiteral("TglTexture.SetWrap - Unknow Texturewrap (") +
            QChar::fromLatin1(axes[i]) + QStringLiteral(")."));
  if (id_ != 0) {
    // Refuses before anything is stored or sent.
    const TglCapabilities& caps = Capabilities();
    for (int i = 0; i < 3; ++i) EffectiveWrap(wraps[i], caps, axes[i]);
  }
  wrapS_ = s;
  wrapT_ = t;
  wrapR_ = r;
  if (id_ == 0) return;
  const TglCapabilities& caps = Capabilities();
  glBindTexture(target_, id_);
  glTexParameteri(target_, GL_TEXTURE_WRAP_S, GLint(EffectiveWrap(wrapS_, caps, 'S')));
  glTexParameteri(target_, GL_TEXTURE_WRAP_T, GLint(EffectiveWrap(wrapT_, caps, 'T')));
  if (caps.version12) glTexParameteri(target_, kWrapR, GLint(EffectiveWrap(wrapR_, caps, 'R')));
}

void TglTexture::SendWrapAndFilter(const TglCapabilities& caps, bool oneLevel) {
  glTexParameteri(target_, GL_TEXTURE_WRAP_S, GLint(EffectiveWrap(wrapS_, caps, 'S')));
  glTexParameteri(target_, GL_TEXTURE_WRAP_T, GLint(EffectiveWrap(wrapT_, caps, 'T')));
  // The r coordinate is known from GL 1.2 on.
  if (caps.version12) glTexParameteri(target_, kWrapR, GLint(EffectiveWrap(wrapR_, caps, 'R')));
  const GLenum min = oneLevel ? ReducedMinFilter(minFilter_) : minFilter_;
  glTexParameteri(target_, GL_TEXTURE_MIN_FILTER, GLint(min));
  glTexParameteri(target_, GL_TEXTURE_MAG_FILTER, GLint(magFilter_));
  if (anisotropic_ > 1 && caps.Has("GL_EXT_texture_filter_anisotropic"))
    glTexParameterf(target_, kMaxAnisotropyParam, std::min(anisotropic_, caps.maxAnisotropy));
  glTexParameterfv(target_, GL_TEXTURE_BORDER_COLOR, borderColor_.data());
}

void TglTexture::ReleaseDataAfterGen() {
  if (!freeDataAfterGen_) return;
  data_.clear();
  data_.shrink_to_fit();
}

void TglTexture::Bind(bool enableTarget) {
  if (enableTarget) glEnable(target_);
  if (id_ != 0) glBindTexture(target_, id_);
}

void TglTexture::Unbind(bool disableTarget) {
  if (disableTarget) glDisable(target_);
  glBindTexture(target_, 0);
}

TglTexture2D::TglTexture2D() : TglTexture(GL_TEXTURE_2D) {}

std::unique_ptr<TglTexture2D> TglTexture2D::CreateFromFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw base::EFileError(
        QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
  auto texture = std::make_unique<TglTexture2D>();
  texture->LoadFromStream(file);
  return texture;
}

void TglTexture2D::GenTexture(bool testTextureCreation) {
  if (Data().empty()) return;
  const TglCapabilities& caps = Capabilities();
  const int w = Width(), h = Height();
  // Every refusal comes before the first GL call, so none leaves a half-made
  // texture or a pending GL error behind.
  if (testTextureCreation) {
    if (w > caps.maxTextureSize || h > caps.maxTextureSize)
      raise(QStringLiteral(
          "TglTexture2D.GenTexture - The size for the texture is to large. It's may be not "
          "conform with the Hardware."));
    if ((!powerOfTwo(w) || !powerOfTwo(h)) && !caps.version20 &&
        !caps.Has("GL_ARB_texture_non_power_of_two"))
      raise(QStringLiteral(
          "TglTexture2D.GenTexture - Rendercontex dosn't support non power of two texture."));
  }
  const bool compressed = FormatIsCompressed(Format());
  if (compressed && (!caps.Has("GL_EXT_texture_compression_s3tc") || !caps.compressedTexImage2D))
    raise(QStringLiteral(
        "TglTexture2D.GenTexture - The render context doesn't support compressed textures."));
  const TglUploadFormat upload = SelectFormat(Format(), caps);
  for (const auto& [wrap, axis] : {std::pair{WrapS(), 'S'}, {WrapT(), 'T'}, {WrapR(), 'R'}})
    EffectiveWrap(wrap, caps, axis);

  const bool glGenerates = MipMap() == 1 && (caps.version14 || caps.Has("GL_SGIS_generate_mipmap"));
  // GLU cannot build levels from compressed data: those get one level.
  const bool gluBuilds = !compressed && (MipMap() == 2 || (MipMap() == 1 && !glGenerates));
  const bool oneLevel = MipMap() == 0 || (compressed && !glGenerates);

  GLuint id = TextureID();
  if (id != 0) glDeleteTextures(1, &id);
  glGenTextures(1, &id);
  setTextureId(id);
  glBindTexture(GL_TEXTURE_2D, id);
  SendWrapAndFilter(caps, oneLevel);
  if (glGenerates) glTexParameteri(GL_TEXTURE_2D, kGenerateMipmap, GL_TRUE);
  {
    UnpackAlignment alignment;
    if (compressed)
      caps.compressedTexImage2D(GL_TEXTURE_2D, 0, upload.internalFormat, w, h, 0,
                                GLsizei(Data().size()), Data().data());
    else if (gluBuilds)
      gluBuild2DMipmaps(GL_TEXTURE_2D, GLint(upload.internalFormat), w, h, upload.format,
                        upload.type, Data().data());
    else
      glTexImage2D(GL_TEXTURE_2D, 0, GLint(upload.internalFormat), w, h, 0, upload.format,
                   upload.type, Data().data());
  }
  ReleaseDataAfterGen();
  GLboolean resident = GL_FALSE;
  setResident(glAreTexturesResident(1, &id, &resident) == GL_TRUE || resident == GL_TRUE);
}
