#include "gl/EncoderSupport.h"

#include <cstring>

namespace encoder {

namespace {

constexpr std::uint32_t kRgb = 0, kBitFields = 3;
constexpr std::uint32_t kFileHeaderBytes = 14;
// The plain info header, and the one that adds masks with alpha and a colour
// space: readers take alpha only from the latter.
constexpr std::uint32_t kInfoBytes = 40, kInfoV4Bytes = 108;
constexpr std::uint32_t kSrgb = 0x73524742;  // 'sRGB'

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const TTextureImageView& view) {
  const PlainImage image = ToPlain(view);
  // Grey keeps one byte a pixel through a grey palette; alpha needs 32 bits.
  const int bits = image.layout == Layout::Grey ? 8 : image.hasAlpha() ? 32 : 24;
  const std::vector<std::uint8_t> colour =
      bits == 8 ? std::vector<std::uint8_t>() : ToColour(image, bits == 32);
  const std::uint8_t* pixels = bits == 8 ? image.pixels.data() : colour.data();
  const std::size_t pixelBytes = std::size_t(bits / 8);
  const std::size_t rowBytes = std::size_t(image.width) * pixelBytes;
  const std::size_t paddedRow = (rowBytes + 3) & ~std::size_t(3);
  const std::uint32_t infoBytes = bits == 32 ? kInfoV4Bytes : kInfoBytes;
  const std::uint32_t paletteBytes = bits == 8 ? 256 * 4 : 0;
  const std::uint32_t pixelsAt = kFileHeaderBytes + infoBytes + paletteBytes;
  // At most 16384 x 16384 x 4 bytes: the sizes fit the 32-bit fields.
  const std::size_t imageBytes = paddedRow * std::size_t(image.height);
  const std::size_t fileBytes = pixelsAt + imageBytes;

  std::vector<std::uint8_t> out;
  out.reserve(fileBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, std::uint32_t(fileBytes));
  put32(out, 0);
  put32(out, pixelsAt);

  put32(out, infoBytes);
  put32(out, std::uint32_t(image.width));
  put32(out, std::uint32_t(image.height));  // positive: bottom line first
  put16(out, 1);
  put16(out, std::uint32_t(bits));
  put32(out, bits == 32 ? kBitFields : kRgb);
  put32(out, std::uint32_t(imageBytes));
  put32(out, 2835);  // 72 dots per inch
  put32(out, 2835);
  put32(out, bits == 8 ? 256 : 0);
  put32(out, 0);
  if (bits == 32) {
    put32(out, 0x00FF0000);
    put32(out, 0x0000FF00);
    put32(out, 0x000000FF);
    put32(out, 0xFF000000);
    put32(out, kSrgb);
    out.resize(out.size() + 36 + 12);  // end points and gamma, unused with sRGB
  }
  for (std::uint32_t i = 0; i < paletteBytes / 4; ++i) {
    const std::uint8_t grey = std::uint8_t(i);
    out.insert(out.end(), {grey, grey, grey, 0});
  }
  for (int row = image.height - 1; row >= 0; --row) {
    const std::uint8_t* src = pixels + std::size_t(row) * rowBytes;
    out.insert(out.end(), src, src + rowBytes);
    out.resize(out.size() + paddedRow - rowBytes);
  }
  return out;
}

}  // namespace encoder
