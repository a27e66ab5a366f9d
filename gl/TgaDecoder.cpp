#include "gl/DecoderSupport.h"

using namespace decoder;

namespace {

constexpr const char* kLoader = "LoadTga";

// Places pixels given in file order into the image, whose top line comes
// first whatever corner the file starts in.
class TgaTarget {
 public:
  TgaTarget(TTextureImage& image, int sourceBytes, bool topOrigin, bool rightOrigin)
      : image_(image),
        sourceBytes_(sourceBytes),
        topOrigin_(topOrigin),
        rightOrigin_(rightOrigin),
        outBytes_(std::size_t(FormatGetSize(image.format))) {}

  std::uint64_t total() const { return std::uint64_t(image_.width) * std::uint64_t(image_.height); }

  void put(std::uint64_t index, const std::uint8_t* src) const {
    const std::uint64_t w = std::uint64_t(image_.width);
    std::uint64_t row = index / w, col = index % w;
    if (!topOrigin_) row = std::uint64_t(image_.height) - 1 - row;
    if (rightOrigin_) col = w - 1 - col;
    std::uint8_t* out = image_.pixels.data() + (row * w + col) * outBytes_;
    if (sourceBytes_ == 2 && image_.format != tfLuminance8Alpha8) {
      // 16-bit colour: alpha bit, then five bits each of red, green and blue.
      MaskedPixels p;
      p.red = MaskChannel(0x7C00);
      p.green = MaskChannel(0x03E0);
      p.blue = MaskChannel(0x001F);
      p.alpha = MaskChannel(0x8000);
      p.withAlpha = image_.format == tfBGRA8;
      p.put(std::uint32_t(src[0] | (src[1] << 8)), out);
      return;
    }
    for (std::size_t i = 0; i < outBytes_; ++i) out[i] = src[i];
  }

 private:
  TTextureImage& image_;
  int sourceBytes_;
  bool topOrigin_;
  bool rightOrigin_;
  std::size_t outBytes_;
};

int outputFormat(bool grey, int bits, int alphaBits) {
  if (grey) {
    if (bits == 8) return tfLuminance8;
    if (bits == 16) return tfLuminance8Alpha8;
  } else {
    if (bits == 16) return alphaBits > 0 ? tfBGRA8 : tfBGR8;
    if (bits == 24) return tfBGR8;
    if (bits == 32) return tfBGRA8;
  }
  ThrowLoaderError(kLoader, "unsupported BitsPerPixel found.");
}

// Run-length packets; a run past the last pixel or missing bytes is damage.
// Without a target it only walks the packets, so that damaged data is
// refused before the image is allocated.
void decodeRle(ByteSpan b, std::uint64_t at, int sourceBytes, std::uint64_t total,
               const TgaTarget* target) {
  const std::uint64_t pixel = std::uint64_t(sourceBytes);
  std::uint64_t done = 0;
  while (done < total) {
    if (!has(b, at, 1)) ThrowDamaged(kLoader);
    const std::uint8_t head = b[at++];
    const std::uint64_t count = (head & 0x7Fu) + 1;
    if (count > total - done) ThrowDamaged(kLoader);
    if (head & 0x80) {
      if (!has(b, at, pixel)) ThrowDamaged(kLoader);
      for (std::uint64_t i = 0; target && i < count; ++i) target->put(done + i, b.data() + at);
      at += pixel;
    } else {
      if (!has(b, at, pixel * count)) ThrowDamaged(kLoader);
      for (std::uint64_t i = 0; target && i < count; ++i)
        target->put(done + i, b.data() + at + i * pixel);
      at += pixel * count;
    }
    done += count;
  }
}

}  // namespace

bool DecodeTga(ByteSpan bytes, TTextureImage& image) {
  if (bytes.size() < 18 || bytes[1] != 0) return false;
  const int type = bytes[2];
  if (type != 2 && type != 3 && type != 10 && type != 11) return false;
  const bool grey = type == 3 || type == 11;
  const bool rle = type >= 10;
  const int bits = bytes[16];
  const std::uint8_t descriptor = bytes[17];
  TTextureImage decoded;
  decoded.format = outputFormat(grey, bits, descriptor & 0x0F);
  const std::int64_t width = le16(bytes, 12), height = le16(bytes, 14);
  CheckImageSize(kLoader, width, height, FormatGetSize(decoded.format));
  decoded.width = int(width);
  decoded.height = int(height);
  const int sourceBytes = bits / 8;
  const std::uint64_t at = 18u + bytes[0];  // after the image id
  if (!rle && !has(bytes, at, std::uint64_t(width) * std::uint64_t(height) * unsigned(sourceBytes)))
    ThrowDamaged(kLoader);
  // A packet covers at most 128 pixels: fewer bytes than that many packets
  // take cannot be the image, and get no buffer.
  const std::uint64_t packets = (std::uint64_t(width) * std::uint64_t(height) + 127) / 128;
  if (rle && !has(bytes, at, packets * (1u + unsigned(sourceBytes)))) ThrowDamaged(kLoader);
  const std::uint64_t total = std::uint64_t(width) * std::uint64_t(height);
  if (rle) decodeRle(bytes, at, sourceBytes, total, nullptr);
  decoded.pixels.resize(FormatDataSize(decoded.format, decoded.width, decoded.height));
  const TgaTarget target(decoded, sourceBytes, descriptor & 0x20, descriptor & 0x10);
  if (rle) {
    decodeRle(bytes, at, sourceBytes, total, &target);
  } else {
    for (std::uint64_t i = 0; i < target.total(); ++i)
      target.put(i, bytes.data() + at + i * unsigned(sourceBytes));
  }
  image = std::move(decoded);
  return true;
}
