#pragma once
// The in-memory pixel formats of a texture image and the image a decoder
// delivers. Decoders need no GL context: they turn bytes into one of these
// images, and a texture uploads it later.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

// Numbered as textures store them (0 to 15).
enum TglPixelFormat : int {
  tfNone = 0,
  tfDXT1 = 1,        // S3TC blocks, 8 bytes per 4 x 4 pixels, 1-bit alpha
  tfDXT3 = 2,        // S3TC blocks, 16 bytes per 4 x 4 pixels
  tfDXT5 = 3,        // S3TC blocks, 16 bytes per 4 x 4 pixels
  tfAlpha8 = 4,      // alpha only
  tfLuminance8 = 5,  // grey level
  tfR3G3B2 = 6,
  tfLuminance8Alpha8 = 7,
  tfRGBA4 = 8,
  tfR5G6B5 = 9,
  tfRGB5A1 = 10,
  tfBGR8 = 11,   // blue, green, red
  tfRGB8 = 12,   // red, green, blue
  tfBGRA8 = 13,  // blue, green, red, alpha
  tfRGBA8 = 14,  // red, green, blue, alpha
  tfABGR8 = 15,  // alpha, blue, green, red
};

constexpr int kPixelFormatCount = 16;

// Bytes per pixel; 0.5 for DXT1. Outside 0..15 raises "FormatGetSize - the
// given format isn't supported by this function.".
double FormatGetSize(int format);
bool FormatHasAlpha(int format);
bool FormatIsCompressed(int format);
// The format without / with alpha; formats without a counterpart stay.
int FormatRemoveAlpha(int format);
int FormatAddAlpha(int format);

// Bytes that `width` x `height` pixels of `format` take (compressed formats
// count whole 4 x 4 blocks). The caller has checked the size.
std::size_t FormatDataSize(int format, int width, int height);

// A decoded image: rows top line first, no padding between rows.
struct TTextureImage {
  int format = tfNone;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

// Limits every decoder checks before it allocates.
constexpr int kMaxImageSide = 16384;
constexpr std::uint64_t kMaxImageBytes = 256ull << 20;

// Raises "TglTexture.<loader> - unsupported image size." unless both sides are
// 1..16384 and the pixels take at most 256 MiB at `bytesPerPixel`.
void CheckImageSize(const char* loader, std::int64_t width, std::int64_t height,
                    double bytesPerPixel);
// "TglTexture.<loader> - damaged or truncated file."
[[noreturn]] void ThrowDamaged(const char* loader);
[[noreturn]] void ThrowLoaderError(const char* loader, const char* text);
