#pragma once
// What the texture writers share: the pixels of any uncompressed format in one
// of four plain layouts, and little-endian output.
#include "gl/TextureEncoders.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace encoder {

// The writers of EncodeImage, which has checked the pixels and the type.
// Grey: 8-bit palette; colour: 24 bits; with alpha: 32 bits with masks.
std::vector<std::uint8_t> EncodeBmp(const TTextureImageView& image);
// Uncompressed type 3 (grey, grey + alpha) or 2 (24 or 32 bits), top line first.
std::vector<std::uint8_t> EncodeTga(const TTextureImageView& image);
// Baseline, grey or colour; alpha is dropped.
std::vector<std::uint8_t> EncodeJpeg(const TTextureImageView& image);
// 8-bit grey, grey + alpha, RGB or RGBA.
std::vector<std::uint8_t> EncodePng(const TTextureImageView& image);
// DXT1/3/5 as stored; the rest as 24 or 32 bits with masks.
std::vector<std::uint8_t> EncodeDds(const TTextureImageView& image);

// Channels per pixel of a plain layout: 1 grey, 2 grey and alpha, 3 blue,
// green, red, 4 blue, green, red, alpha.
enum class Layout { Grey = 1, GreyAlpha = 2, Bgr = 3, Bgra = 4 };

struct PlainImage {
  PlainImage() = default;
  PlainImage(PlainImage&&) = default;  // the moved buffer stays where `pixels` points
  PlainImage& operator=(PlainImage&&) = default;
  PlainImage(const PlainImage&) = delete;
  PlainImage& operator=(const PlainImage&) = delete;

  Layout layout = Layout::Bgr;
  int width = 0;
  int height = 0;
  ByteSpan pixels;  // into `owned`, or the texture's own bytes when they are plain already
  std::vector<std::uint8_t> owned;

  std::size_t channels() const { return std::size_t(layout); }
  bool hasAlpha() const { return layout == Layout::GreyAlpha || layout == Layout::Bgra; }
  bool isGrey() const { return layout == Layout::Grey || layout == Layout::GreyAlpha; }
};

// The image in its plain layout (alpha only counts as black with alpha). The
// caller has refused compressed formats.
PlainImage ToPlain(const TTextureImageView& image);

// The image as blue, green, red (and alpha when `withAlpha`) whatever its
// layout: for files that know no grey.
std::vector<std::uint8_t> ToColour(const PlainImage& image, bool withAlpha);

inline void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}
inline void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

[[noreturn]] void ThrowSaveError(const char* text);

}  // namespace encoder
