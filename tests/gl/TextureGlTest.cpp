// Textures made on a real context (llvmpipe under Xvfb): generation, row
// order on screen, refusals through injected capabilities, compressed upload.
#include "base/Exceptions.h"
#include "gl/TglTexture.h"
#include "tests/gl/GlTestWindow.h"
#include "tests/support/Artifacts.h"
#include "tests/support/ImageSamples.h"

#include <QBuffer>

#include <memory>

namespace {

constexpr GLenum kClampToEdge = 0x812F;

std::unique_ptr<TglTexture2D> textureFrom(const QByteArray& bytes) {
  QByteArray copy = bytes;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  auto texture = std::make_unique<TglTexture2D>();
  texture->LoadFromStream(buffer);
  return texture;
}

QByteArray bmp(int width, int height) {
  return imagesamples::WriteBmp(imagesamples::ReferenceImage(width, height, qRgb(250, 0, 0),
                                                             qRgb(0, 0, 250), qRgb(0, 200, 0)),
                                24, false, false, false);
}

QString genMessage(TglTexture& texture) {
  try {
    texture.GenTexture(true);
    return {};
  } catch (const base::Exception& e) {
    return e.message();
  }
}

TglCapabilities handMade(const char* version, int maxSize) {
  TglCapabilities caps;
  caps.SetVersion(version);
  caps.maxTextureSize = maxSize;
  return caps;
}

class TextureGlTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window_.open(64, 64));
    window_.gl->MakeCurrent();
    while (glGetError() != GL_NO_ERROR) {
    }
  }
  GlTestWindow window_;
};

}  // namespace

TEST_F(TextureGlTest, BitmapGeneratesWithMipmapsBindsAndLeavesNoError) {
  auto texture = textureFrom(bmp(256, 128));
  texture->GenTexture(true);
  texture->Bind(true);
  EXPECT_NE(texture->TextureID(), 0u);
  EXPECT_TRUE(glIsTexture(texture->TextureID()));
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  GLint bound = 0, levelWidth = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(GLuint(bound), texture->TextureID());
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 7, GL_TEXTURE_WIDTH, &levelWidth);
  EXPECT_EQ(levelWidth, 2);              // the mipmaps are there
  EXPECT_TRUE(texture->Data().empty());  // freed after generation
  texture->Unbind(true);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(TextureGlTest, FourColoursLandInTheirQuadrants) {
  // Top row red, green; bottom row blue, white.
  QImage image(2, 2, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  image.setPixel(1, 0, qRgb(0, 255, 0));
  image.setPixel(0, 1, qRgb(0, 0, 255));
  image.setPixel(1, 1, qRgb(255, 255, 255));
  for (const char* kind : {"bmp", "tga"}) {
    SCOPED_TRACE(kind);
    window_.gl->MakeCurrent();
    auto texture =
        textureFrom(kind[0] == 'b' ? imagesamples::WriteBmp(image, 24, false, false, false)
                                   : imagesamples::WriteTga(image, 2, 24, false));
    texture->setMipMap(0);
    texture->SetFilter(GL_NEAREST, GL_NEAREST);
    texture->GenTexture(true);
    window_.gl->setOnPaint([&] {
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      glMatrixMode(GL_MODELVIEW);
      glLoadIdentity();
      glColor3f(1, 1, 1);
      texture->Bind(true);
      // The image's first row is its top line: texture row t = 0 goes up.
      glBegin(GL_QUADS);
      glTexCoord2f(0, 1);
      glVertex2f(-1, -1);
      glTexCoord2f(1, 1);
      glVertex2f(1, -1);
      glTexCoord2f(1, 0);
      glVertex2f(1, 1);
      glTexCoord2f(0, 0);
      glVertex2f(-1, 1);
      glEnd();
      texture->Unbind(true);
    });
    const QImage frame = window_.frame();
    testsupport::saveArtifact(frame, QStringLiteral("texture-quadrants-%1.png").arg(kind));
    const int w = frame.width(), h = frame.height();
    EXPECT_EQ(frame.pixel(w / 4, h / 4) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(frame.pixel(3 * w / 4, h / 4) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(frame.pixel(w / 4, 3 * h / 4) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(frame.pixel(3 * w / 4, 3 * h / 4) & 0xFFFFFF, 0xFFFFFFu);
    window_.gl->MakeCurrent();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  }
}

TEST_F(TextureGlTest, InjectedOldDriverRefusesWhatItCannotTake) {
  const struct {
    const char* name;
    TglCapabilities caps;
    const char* message;
  } cases[] = {
      {"GL 1.1, no extensions", handMade("1.1", 4096),
       "TglTexture2D.GenTexture - Rendercontex dosn't support non power of two texture."},
      {"maximum size 64", handMade("2.1", 64),
       "TglTexture2D.GenTexture - The size for the texture is to large. It's may be not conform "
       "with the Hardware."},
  };
  for (const auto& c : cases) {
    auto texture = textureFrom(bmp(300, 200));
    texture->SetCapabilities(c.caps);
    EXPECT_EQ(genMessage(*texture), QString::fromLatin1(c.message)) << c.name;
    EXPECT_EQ(texture->TextureID(), 0u) << c.name;
    EXPECT_EQ(texture->Width(), 300) << c.name;  // still loaded
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << c.name;
  }
  // BGR data needs GL 1.2; compressed data needs S3TC and its entry point.
  auto bgr = textureFrom(bmp(16, 16));
  bgr->SetCapabilities(handMade("1.1", 4096));
  EXPECT_EQ(genMessage(*bgr),
            QStringLiteral(
                "TglTexture.SelectFormat - You need at least OpenGL 1.2 to support these format."));
  auto dxt = textureFrom(imagesamples::WriteDdsCompressed("DXT1", 4, 4, QByteArray(8, '\0')));
  TglCapabilities noEntry = TglCapabilities::Current();
  noEntry.extensions << "GL_EXT_texture_compression_s3tc";
  noEntry.compressedTexImage2D = nullptr;
  dxt->SetCapabilities(noEntry);
  EXPECT_EQ(
      genMessage(*dxt),
      QStringLiteral(
          "TglTexture2D.GenTexture - The render context doesn't support compressed textures."));
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(TextureGlTest, OldDriverGetsOnlyWhatItKnows) {
  // GL 1.1 without extensions: clamp-to-edge becomes clamp, no r wrap, GLU
  // builds the levels; all of it without a GL error on the real context.
  const QImage image =
      imagesamples::ReferenceImage(16, 16, qRgb(9, 9, 9), qRgb(9, 9, 9), qRgb(9, 9, 9));
  auto texture = textureFrom(imagesamples::WriteTga(image, 2, 24, true));
  ASSERT_EQ(texture->Format(), tfBGR8);
  TglCapabilities old = handMade("1.1", 4096);
  old.extensions << "GL_EXT_bgra";
  texture->SetCapabilities(old);
  texture->setAnisotropic(8);
  texture->GenTexture(true);
  GLint wrap = 0, levelWidth = 0, generate = -1;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
  EXPECT_EQ(wrap, GL_CLAMP);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 4, GL_TEXTURE_WIDTH, &levelWidth);
  EXPECT_EQ(levelWidth, 1);
  glGetTexParameteriv(GL_TEXTURE_2D, 0x8191, &generate);
  EXPECT_EQ(generate, GL_FALSE);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(TextureGlTest, RealDriverTakesNonPowerOfTwoAndAnisotropy) {
  auto texture = textureFrom(bmp(300, 200));
  texture->setAnisotropic(1000);  // clamped to what the context allows
  texture->SetWrap(GL_REPEAT, kClampToEdge, kClampToEdge);
  EXPECT_EQ(genMessage(*texture), QString());
  EXPECT_NE(texture->TextureID(), 0u);
  GLint wrap = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap);
  EXPECT_EQ(wrap, GLint(kClampToEdge));
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(TextureGlTest, Dxt1UploadsWhenTheDriverHasS3tc) {
  const TglCapabilities& caps = TglCapabilities::Current();
  if (!caps.Has("GL_EXT_texture_compression_s3tc") || !caps.compressedTexImage2D)
    GTEST_SKIP() << "the context offers no S3TC compression";
  // One 4 x 4 block, both end colours pure red (5-6-5), every index 0.
  const QByteArray block("\x00\xF8\x00\xF8\x00\x00\x00\x00", 8);
  for (int mipmap : {0, 1, 2}) {
    auto texture = textureFrom(imagesamples::WriteDdsCompressed("DXT1", 4, 4, block));
    texture->setMipMap(mipmap);
    texture->GenTexture(true);
    GLubyte rgba[4 * 4 * 4] = {};
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    EXPECT_EQ(rgba[0], 255) << mipmap;
    EXPECT_EQ(rgba[1], 0) << mipmap;
    EXPECT_EQ(rgba[63], 255) << mipmap;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << mipmap;
  }
}

TEST_F(TextureGlTest, CapabilitiesAreReadOncePerContext) {
  const TglCapabilities& caps = TglCapabilities::Current();
  EXPECT_EQ(&caps, &TglCapabilities::Current());
  EXPECT_TRUE(caps.version20);  // llvmpipe
  EXPECT_GE(caps.maxTextureSize, 1024);
  EXPECT_FALSE(caps.extensions.isEmpty());
  EXPECT_FALSE(caps.extensions.contains(QByteArray()));
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
