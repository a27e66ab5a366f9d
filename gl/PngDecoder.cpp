#include "gl/DecoderSupport.h"

#include "base/Exceptions.h"

#include <png.h>

#include <cstring>

namespace {

constexpr const char* kLoader = "LoadPng";
constexpr std::uint8_t kSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

// Frees libpng's state on every way out.
struct PngImage {
  png_image image{};
  PngImage() { image.version = PNG_IMAGE_VERSION; }
  ~PngImage() { png_image_free(&image); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
};

}  // namespace

bool DecodePng(ByteSpan bytes, TTextureImage& image) {
  if (bytes.size() < sizeof kSignature || std::memcmp(bytes.data(), kSignature, 8) != 0)
    return false;
  // The simplified API keeps libpng's longjmp inside libpng: a damaged file
  // comes back as a false result.
  PngImage png;
  if (!png_image_begin_read_from_memory(&png.image, bytes.data(), bytes.size()))
    ThrowDamaged(kLoader);
  const png_uint_32 fileFormat = png.image.format;
  if (fileFormat & PNG_FORMAT_FLAG_COLORMAP)
    throw base::Exception(QStringLiteral("TglTexture.LoadPng - Unsupported Colortype found."));
  // 8 bits per channel whatever the file has; 16-bit channels are reduced.
  const png_uint_32 wanted = fileFormat & (PNG_FORMAT_FLAG_COLOR | PNG_FORMAT_FLAG_ALPHA);
  TTextureImage decoded;
  switch (wanted) {
    case PNG_FORMAT_GRAY:
      decoded.format = tfLuminance8;
      break;
    case PNG_FORMAT_GA:
      decoded.format = tfLuminance8Alpha8;
      break;
    case PNG_FORMAT_RGB:
      decoded.format = tfRGB8;
      break;
    default:
      decoded.format = tfRGBA8;
      break;
  }
  CheckImageSize(kLoader, png.image.width, png.image.height, FormatGetSize(decoded.format));
  png.image.format = wanted;
  // 16-bit channels without a gamma chunk are sRGB like 8-bit ones (libpng
  // would take them as linear and brighten them): they are reduced, not re-encoded.
  png.image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
  decoded.width = int(png.image.width);
  decoded.height = int(png.image.height);
  decoded.pixels.resize(FormatDataSize(decoded.format, decoded.width, decoded.height));
  const png_int_32 stride = png_int_32(PNG_IMAGE_ROW_STRIDE(png.image));
  if (!png_image_finish_read(&png.image, nullptr, decoded.pixels.data(), stride, nullptr))
    ThrowDamaged(kLoader);
  image = std::move(decoded);
  return true;
}
