// Texture settings and context descriptions that need no context: version
// and extension parsing, wrap and filter rules, refusals of bad values.
#include "base/Exceptions.h"
#include "gl/TglTexture.h"

#include <gtest/gtest.h>

namespace {

constexpr GLenum kClampToEdge = 0x812F, kClampToBorder = 0x812D, kMirroredRepeat = 0x8370;

template <class F>
QString messageOf(F f) {
  try {
    f();
    return {};
  } catch (const base::Exception& e) {
    return e.message();
  }
}

TglCapabilities caps(const char* version, std::initializer_list<const char*> extensions = {}) {
  TglCapabilities c;
  c.SetVersion(version);
  for (const char* e : extensions) c.extensions << QByteArray(e);
  return c;
}

}  // namespace

TEST(GlCapabilitiesParsing, VersionFlagsFromTheLeadingNumber) {
  const struct {
    const char* text;
    bool v12, v13, v14, v20;
  } rows[] = {
      {"1.1 Mesa", false, false, false, false},
      {"1.2.1", true, false, false, false},
      {"1.3", true, true, false, false},
      {"1.5 NVIDIA", true, true, true, false},
      {"2.0", true, true, true, true},
      {"4.5 (Compatibility Profile) Mesa 22.3.6", true, true, true, true},
      {"", false, false, false, false},
      {"OpenGL ES 3.2", false, false, false, false},
      {nullptr, false, false, false, false},
  };
  for (const auto& r : rows) {
    TglCapabilities c;
    c.SetVersion(r.text);
    const char* name = r.text ? r.text : "(null)";
    EXPECT_EQ(c.version12, r.v12) << name;
    EXPECT_EQ(c.version13, r.v13) << name;
    EXPECT_EQ(c.version14, r.v14) << name;
    EXPECT_EQ(c.version20, r.v20) << name;
  }
}

TEST(GlCapabilitiesParsing, ExtensionWordsWithOrWithoutTrailingBlank) {
  const QList<QByteArray> names{"GL_EXT_bgra", "GL_ARB_texture_compression"};
  EXPECT_EQ(TglCapabilities::SplitExtensions("GL_EXT_bgra GL_ARB_texture_compression"), names);
  EXPECT_EQ(TglCapabilities::SplitExtensions("GL_EXT_bgra GL_ARB_texture_compression "), names);
  EXPECT_EQ(TglCapabilities::SplitExtensions("GL_EXT_bgra  GL_ARB_texture_compression"), names);
  EXPECT_TRUE(TglCapabilities::SplitExtensions(nullptr).isEmpty());
  // A word is matched whole, never as the start of a longer one.
  TglCapabilities c;
  c.extensions = TglCapabilities::SplitExtensions("GL_EXT_texture_edge_clamp_x");
  EXPECT_FALSE(c.Has("GL_EXT_texture_edge_clamp"));
}

TEST(TextureWrapRules, WhatEachContextGets) {
  const struct {
    GLenum wrap;
    TglCapabilities caps;
    GLenum sent;
  } rows[] = {
      {GL_REPEAT, caps("1.1"), GL_REPEAT},
      {kClampToEdge, caps("1.1"), GL_CLAMP},
      {kClampToEdge, caps("1.1", {"GL_EXT_texture_edge_clamp"}), kClampToEdge},
      {kClampToEdge, caps("1.2"), kClampToEdge},
      {kClampToBorder, caps("1.2"), GL_CLAMP},
      {kClampToBorder, caps("1.2", {"GL_ARB_texture_border_clamp"}), kClampToBorder},
      {kClampToBorder, caps("1.3"), kClampToBorder},
      {kMirroredRepeat, caps("1.1", {"GL_IBM_texture_mirrored_repeat"}), kMirroredRepeat},
      {kMirroredRepeat, caps("1.4"), kMirroredRepeat},
  };
  for (const auto& r : rows) EXPECT_EQ(EffectiveWrap(r.wrap, r.caps, 'S'), r.sent) << r.wrap;
  EXPECT_EQ(messageOf([] { EffectiveWrap(kMirroredRepeat, caps("1.3"), 'T'); }),
            QStringLiteral("TglTexture.SetWrap - Unsupported Texturewrap GL_MIRRORED_REPEAT (T)."));
  EXPECT_EQ(ReducedMinFilter(GL_NEAREST_MIPMAP_LINEAR), GLenum(GL_NEAREST));
  EXPECT_EQ(ReducedMinFilter(GL_LINEAR_MIPMAP_NEAREST), GLenum(GL_LINEAR));
  EXPECT_EQ(ReducedMinFilter(GL_NEAREST), GLenum(GL_NEAREST));
}

TEST(TextureSettingsRefuseUnknownValues, TextsNameTheSetting) {
  TglTexture2D t;
  const struct {
    const char* name;
    std::function<void()> call;
    const char* message;
  } rows[] = {
      {"min", [&] { t.SetFilter(GL_REPEAT, GL_LINEAR); },
       "TglTexture.SetFilter - Unknow Minfilter."},
      {"mag", [&] { t.SetFilter(GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR); },
       "TglTexture.SetFilter - Unknow Magfilter."},
      {"wrap r", [&] { t.SetWrap(GL_REPEAT, GL_CLAMP, GL_LINEAR); },
       "TglTexture.SetWrap - Unknow Texturewrap (R)."},
      {"default min", [] { glTextureSetDefaultFilter(GL_CLAMP, GL_LINEAR); },
       "glTextureSetDefaultFilter - Unknow Minfilter."},
      {"default wrap t", [] { glTextureSetDefaultWrap(GL_REPEAT, 7, GL_REPEAT); },
       "glTextureSetDefaultWrap - Unknow Texturewrap(t)."},
      {"data size", [&] { t.SetDataPointer(std::vector<std::uint8_t>(5), tfBGR8, 2, 1); },
       "TglTexture.SetDataPointer - data and size don't match."},
  };
  for (const auto& r : rows) EXPECT_EQ(messageOf(r.call), QString::fromLatin1(r.message)) << r.name;
  EXPECT_EQ(t.MinFilter(), GLenum(GL_LINEAR_MIPMAP_LINEAR));  // nothing stored
  EXPECT_EQ(t.WrapR(), GLenum(kClampToEdge));
  // Without pixels there is nothing to generate, context or not.
  t.GenTexture(true);
  EXPECT_EQ(t.TextureID(), 0u);
}

TEST(TextureUploadFormats, BgrNeedsGl12OrTheExtension) {
  EXPECT_EQ(SelectFormat(tfBGR8, caps("1.1", {"GL_EXT_bgra"})).format, GLenum(0x80E0));
  EXPECT_EQ(SelectFormat(tfRGB8, caps("1.1")).format, GLenum(GL_RGB));
  EXPECT_EQ(SelectFormat(tfLuminance8, caps("1.1")).format, GLenum(GL_LUMINANCE));
  EXPECT_EQ(messageOf([] { SelectFormat(tfR5G6B5, caps("1.1", {"GL_EXT_bgra"})); }),
            QStringLiteral(
                "TglTexture.SelectFormat - You need at least OpenGL 1.2 to support these format."));
}
