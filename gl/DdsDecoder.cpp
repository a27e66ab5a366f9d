#include "gl/DecoderSupport.h"

#include <cstring>

using namespace decoder;

namespace {

constexpr const char* kLoader = "LoadDDS";
constexpr std::uint32_t kAlphaPixels = 0x1, kFourCC = 0x4, kRgb = 0x40;
constexpr std::size_t kHeaderBytes = 128;  // "DDS " and the 124-byte header

[[noreturn]] void unsupported() {
  ThrowLoaderError(kLoader, "unsupported Pixelformat found.");
}

int compressedFormat(ByteSpan b) {
  const char* code = reinterpret_cast<const char*>(b.data() + 84);
  if (std::memcmp(code, "DXT1", 4) == 0) return tfDXT1;
  if (std::memcmp(code, "DXT3", 4) == 0) return tfDXT3;
  if (std::memcmp(code, "DXT5", 4) == 0) return tfDXT5;
  unsupported();
}

}  // namespace

bool DecodeDds(ByteSpan bytes, TTextureImage& image) {
  if (bytes.size() < kHeaderBytes || std::memcmp(bytes.data(), "DDS ", 4) != 0 ||
      le32(bytes, 4) != 124)
    return false;
  const std::int64_t height = le32(bytes, 12), width = le32(bytes, 16);
  const std::uint32_t flags = le32(bytes, 80), bits = le32(bytes, 88);
  TTextureImage decoded;
  MaskedPixels masked;
  int sourceBytes = 0;
  if (flags & kFourCC) {
    decoded.format = compressedFormat(bytes);
  } else if ((flags & kRgb) && (bits == 24 || bits == 32)) {
    sourceBytes = int(bits / 8);
    masked.red = MaskChannel(le32(bytes, 92));
    masked.green = MaskChannel(le32(bytes, 96));
    masked.blue = MaskChannel(le32(bytes, 100));
    if (flags & kAlphaPixels) masked.alpha = MaskChannel(le32(bytes, 104));
    masked.withAlpha = masked.alpha.present();
    decoded.format = masked.withAlpha ? tfBGRA8 : tfBGR8;
  } else {
    unsupported();
  }
  CheckImageSize(kLoader, width, height, FormatGetSize(decoded.format));
  decoded.width = int(width);
  decoded.height = int(height);
  const std::size_t outBytes = FormatDataSize(decoded.format, decoded.width, decoded.height);
  // Only the first level is read; rows are stored top line first.
  const std::uint64_t sourceSize =
      sourceBytes == 0 ? outBytes
                       : std::uint64_t(width) * std::uint64_t(height) * unsigned(sourceBytes);
  if (!has(bytes, kHeaderBytes, sourceSize)) ThrowDamaged(kLoader);
  if (sourceBytes == 0) {
    decoded.pixels.assign(bytes.begin() + kHeaderBytes, bytes.begin() + kHeaderBytes + outBytes);
  } else {
    decoded.pixels.resize(outBytes);
    const std::size_t outPixel = masked.withAlpha ? 4 : 3;
    const std::uint64_t count = std::uint64_t(width) * std::uint64_t(height);
    for (std::uint64_t i = 0; i < count; ++i) {
      const std::uint8_t* src = bytes.data() + kHeaderBytes + i * unsigned(sourceBytes);
      const std::uint32_t pixel = std::uint32_t(src[0]) | (std::uint32_t(src[1]) << 8) |
                                  (std::uint32_t(src[2]) << 16) |
                                  (sourceBytes == 4 ? std::uint32_t(src[3]) << 24 : 0u);
      masked.put(pixel, decoded.pixels.data() + i * outPixel);
    }
  }
  image = std::move(decoded);
  return true;
}
