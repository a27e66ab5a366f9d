#pragma once
// Helpers the texture decoders share: bounds-checked little-endian reads and
// channels packed in bit masks.
#include "base/Exceptions.h"
#include "gl/TextureDecoders.h"

#include <bit>
#include <cstddef>
#include <cstdint>

namespace decoder {

inline bool has(ByteSpan bytes, std::uint64_t offset, std::uint64_t count) {
  return offset <= bytes.size() && count <= bytes.size() - offset;
}

// The caller has checked that the bytes are there.
inline std::uint16_t le16(ByteSpan b, std::size_t at) {
  return std::uint16_t(b[at] | (b[at + 1] << 8));
}
inline std::uint32_t le32(ByteSpan b, std::size_t at) {
  return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) |
         (std::uint32_t(b[at + 3]) << 24);
}

// One colour channel held in a bit mask of a packed pixel, scaled to 0..255.
class MaskChannel {
 public:
  MaskChannel() = default;
  explicit MaskChannel(std::uint32_t mask) : mask_(mask) {
    if (mask == 0) return;
    shift_ = std::countr_zero(mask);
    bits_ = std::countr_one(mask >> shift_);  // a gap ends the channel
    mask_ = bits_ >= 32 ? 0xFFFFFFFFu : ((1u << bits_) - 1) << shift_;
  }
  bool present() const { return bits_ > 0; }
  std::uint8_t operator()(std::uint32_t pixel, std::uint8_t absent = 0) const {
    if (bits_ == 0) return absent;
    const std::uint32_t v = (pixel & mask_) >> shift_;
    if (bits_ >= 8) return std::uint8_t(v >> (bits_ - 8));
    const std::uint32_t max = (1u << bits_) - 1;
    return std::uint8_t((v * 255 + max / 2) / max);
  }

 private:
  std::uint32_t mask_ = 0;
  int shift_ = 0;
  int bits_ = 0;
};

// Blue, green, red (and alpha) of a packed pixel in four masks; writes 3 or 4
// bytes to `out`.
struct MaskedPixels {
  MaskChannel red, green, blue, alpha;
  bool withAlpha = false;
  void put(std::uint32_t pixel, std::uint8_t* out) const {
    out[0] = blue(pixel);
    out[1] = green(pixel);
    out[2] = red(pixel);
    if (withAlpha) out[3] = alpha(pixel, 255);
  }
};

}  // namespace decoder
