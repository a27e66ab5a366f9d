#include "gl/TexturePixelFormat.h"

#include "base/Exceptions.h"

namespace {

struct FormatInfo {
  double size;
  bool alpha;
  bool compressed;
  int withoutAlpha;
  int withAlpha;
};

constexpr FormatInfo kFormats[kPixelFormatCount] = {
    {0, false, false, tfNone, tfNone},        {0.5, true, true, tfDXT1, tfDXT1},
    {1, true, true, tfDXT3, tfDXT3},          {1, true, true, tfDXT5, tfDXT5},
    {1, true, false, tfLuminance8, tfAlpha8}, {1, false, false, tfLuminance8, tfLuminance8Alpha8},
    {1, false, false, tfR3G3B2, tfR3G3B2},    {2, true, false, tfLuminance8, tfLuminance8Alpha8},
    {2, true, false, tfR5G6B5, tfRGBA4},      {2, false, false, tfR5G6B5, tfRGB5A1},
    {2, true, false, tfR5G6B5, tfRGB5A1},     {3, false, false, tfBGR8, tfBGRA8},
    {3, false, false, tfRGB8, tfRGBA8},       {4, true, false, tfBGR8, tfBGRA8},
    {4, true, false, tfRGB8, tfRGBA8},        {4, true, false, tfRGB8, tfABGR8},
};

const FormatInfo& info(int format, const char* function) {
  if (format < 0 || format >= kPixelFormatCount)
    throw base::Exception(QString::fromLatin1(function) +
                          QStringLiteral(" - the given format isn't supported by this function."));
  return kFormats[format];
}

}  // namespace

double FormatGetSize(int format) {
  return info(format, "FormatGetSize").size;
}

bool FormatHasAlpha(int format) {
  return info(format, "FormatGetSize").alpha;
}

bool FormatIsCompressed(int format) {
  return info(format, "FormatGetSize").compressed;
}

int FormatRemoveAlpha(int format) {
  return info(format, "FormatGetSize").withoutAlpha;
}

int FormatAddAlpha(int format) {
  return info(format, "FormatGetSize").withAlpha;
}

std::size_t FormatDataSize(int format, int width, int height) {
  if (FormatIsCompressed(format)) {
    const std::size_t blocks = std::size_t((width + 3) / 4) * std::size_t((height + 3) / 4);
    return blocks * (format == tfDXT1 ? 8 : 16);
  }
  return std::size_t(width) * std::size_t(height) * std::size_t(FormatGetSize(format));
}

void CheckImageSize(const char* loader, std::int64_t width, std::int64_t height,
                    double bytesPerPixel) {
  const bool sidesOk =
      width >= 1 && width <= kMaxImageSide && height >= 1 && height <= kMaxImageSide;
  // Both sides are at most 2^14 here, so the product is exact in a double.
  if (!sidesOk || double(width) * double(height) * bytesPerPixel > double(kMaxImageBytes))
    ThrowLoaderError(loader, "unsupported image size.");
}

void ThrowDamaged(const char* loader) {
  ThrowLoaderError(loader, "damaged or truncated file.");
}

void ThrowLoaderError(const char* loader, const char* text) {
  throw base::Exception(QStringLiteral("TglTexture.") + QString::fromLatin1(loader) +
                        QStringLiteral(" - ") + QString::fromLatin1(text));
}
