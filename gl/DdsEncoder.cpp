#include "gl/EncoderSupport.h"

namespace encoder {

namespace {

constexpr std::uint32_t kCaps = 0x1, kHeight = 0x2, kWidth = 0x4, kPitch = 0x8,
                        kPixelFormat = 0x1000, kLinearSize = 0x80000;
constexpr std::uint32_t kAlphaPixels = 0x1, kFourCC = 0x4, kRgb = 0x40;
constexpr std::uint32_t kTexture = 0x1000;

std::uint32_t fourCC(const char* code) {
  return std::uint32_t(std::uint8_t(code[0])) | (std::uint32_t(std::uint8_t(code[1])) << 8) |
         (std::uint32_t(std::uint8_t(code[2])) << 16) |
         (std::uint32_t(std::uint8_t(code[3])) << 24);
}

}  // namespace

std::vector<std::uint8_t> EncodeDds(const TTextureImageView& view) {
  const bool compressed = FormatIsCompressed(view.format);
  PlainImage image;
  std::vector<std::uint8_t> colour;
  bool alpha = false;
  ByteSpan pixels = view.pixels;
  if (!compressed) {
    // The file knows no grey: grey is written as colour.
    image = ToPlain(view);
    alpha = image.hasAlpha();
    if (image.isGrey()) {
      colour = ToColour(image, alpha);
      pixels = ByteSpan(colour);
    } else {
      pixels = image.pixels;
    }
  }
  const std::uint32_t bits = alpha ? 32 : 24;

  std::vector<std::uint8_t> out;
  out.reserve(128 + pixels.size());
  put32(out, fourCC("DDS "));
  put32(out, 124);
  put32(out, kCaps | kHeight | kWidth | kPixelFormat | (compressed ? kLinearSize : kPitch));
  put32(out, std::uint32_t(view.height));
  put32(out, std::uint32_t(view.width));
  put32(out, compressed ? std::uint32_t(pixels.size()) : std::uint32_t(view.width) * bits / 8);
  put32(out, 0);                    // depth
  put32(out, 0);                    // mipmap count: the one level
  out.resize(out.size() + 11 * 4);  // reserved
  put32(out, 32);                   // pixel format size
  if (compressed) {
    const char* code = view.format == tfDXT1 ? "DXT1" : view.format == tfDXT3 ? "DXT3" : "DXT5";
    put32(out, kFourCC);
    put32(out, fourCC(code));
    out.resize(out.size() + 5 * 4);  // bit count and masks
  } else {
    put32(out, kRgb | (alpha ? kAlphaPixels : 0));
    put32(out, 0);
    put32(out, bits);
    put32(out, 0x00FF0000);
    put32(out, 0x0000FF00);
    put32(out, 0x000000FF);
    put32(out, alpha ? 0xFF000000 : 0);
  }
  put32(out, kTexture);
  out.resize(out.size() + 4 * 4);  // caps 2 to 4, reserved
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

}  // namespace encoder
