#include "gl/EncoderSupport.h"

namespace encoder {

namespace {

constexpr std::uint8_t kColour = 2, kGrey = 3;
constexpr std::uint8_t kTopOrigin = 0x20;

}  // namespace

std::vector<std::uint8_t> EncodeTga(const TTextureImageView& view) {
  const PlainImage image = ToPlain(view);
  const std::size_t bytes = image.pixels.size();
  std::vector<std::uint8_t> out;
  out.reserve(18 + bytes);
  out.push_back(0);  // no image id
  out.push_back(0);  // no colour map
  out.push_back(image.isGrey() ? kGrey : kColour);
  out.resize(out.size() + 5 + 4);  // colour map fields, x and y origin
  put16(out, std::uint32_t(image.width));
  put16(out, std::uint32_t(image.height));
  out.push_back(std::uint8_t(8 * image.channels()));
  // Grey and alpha, and blue, green, red and alpha, are stored as the plain
  // layouts hold them, top line first.
  out.push_back(std::uint8_t(kTopOrigin | (image.hasAlpha() ? 8 : 0)));
  out.insert(out.end(), image.pixels.begin(), image.pixels.end());
  return out;
}

}  // namespace encoder
