#include "gl/DecoderSupport.h"

#include <array>
#include <cstdlib>

using namespace decoder;

namespace {

constexpr const char* kLoader = "LoadBmp";
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

[[noreturn]] void invalidPixelFormat() {
  throw base::Exception(QStringLiteral("TglTexture2D.AssignFromBitmap - Invalid Pixelformat."));
}

struct Header {
  std::int64_t width = 0;
  std::int64_t height = 0;  // positive; topDown tells the row order
  bool topDown = false;
  int bits = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t colorsUsed = 0;
  std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  std::uint64_t paletteAt = 0;
  int paletteEntrySize = 4;
  std::uint64_t pixelsAt = 0;
};

Header readHeader(ByteSpan b) {
  if (!has(b, 0, 18)) ThrowDamaged(kLoader);
  Header h;
  h.pixelsAt = le32(b, 10);
  const std::uint32_t infoSize = le32(b, 14);
  if (infoSize == 12) {  // the old core header: unsigned 16-bit sides
    if (!has(b, 14, 12)) ThrowDamaged(kLoader);
    h.width = le16(b, 18);
    h.height = le16(b, 20);
    h.bits = le16(b, 24);
    h.paletteEntrySize = 3;
    h.paletteAt = 26;
    return h;
  }
  if (infoSize < 40 || infoSize > 124 || !has(b, 14, infoSize)) ThrowDamaged(kLoader);
  h.width = std::int32_t(le32(b, 18));
  const std::int64_t height = std::int32_t(le32(b, 22));
  h.topDown = height < 0;
  h.height = std::llabs(height);
  h.bits = le16(b, 28);
  h.compression = le32(b, 30);
  h.colorsUsed = le32(b, 46);
  std::uint64_t afterHeader = 14 + std::uint64_t(infoSize);
  if (h.compression == kBitFields || h.compression == kAlphaBitFields) {
    // The plain info header is followed by the masks; later headers hold them
    // (the alpha mask from the 56-byte header on).
    int count = 0;
    if (infoSize == 40) {
      count = h.compression == kBitFields ? 3 : 4;
      afterHeader += 4u * unsigned(count);
    } else if (infoSize >= 52) {
      count = infoSize >= 56 ? 4 : 3;
    }
    if (count == 0 || !has(b, 54, 4u * unsigned(count))) ThrowDamaged(kLoader);
    for (int i = 0; i < count; ++i) h.masks[i] = le32(b, 54 + 4u * unsigned(i));
  }
  h.paletteAt = afterHeader;
  return h;
}

// The output format for a header; refuses combinations no writer makes.
int outputFormat(const Header& h, bool greyPalette) {
  switch (h.bits) {
    case 1:
      if (h.compression == kRgb) return tfBGR8;
      break;
    case 4:
      if (h.compression == kRgb || h.compression == kRle4) return tfBGR8;
      break;
    case 8:
      if (h.compression == kRgb || h.compression == kRle8)
        return greyPalette ? tfLuminance8 : tfBGR8;
      break;
    case 16:
      if (h.compression == kRgb || h.compression == kBitFields || h.compression == kAlphaBitFields)
        return tfBGR8;
      break;
    case 24:
      if (h.compression == kRgb) return tfBGR8;
      break;
    case 32:
      if (h.compression == kRgb || h.compression == kBitFields || h.compression == kAlphaBitFields)
        return tfBGRA8;
      break;
    default:
      break;
  }
  invalidPixelFormat();
}

// Writes palette indices as colours into the image, rows flipped as the file
// orders them.
class IndexedTarget {
 public:
  IndexedTarget(TTextureImage& image, const std::array<std::uint8_t, 3 * 256>& palette,
                bool topDown)
      : image_(image), palette_(palette), topDown_(topDown) {}
  // `fileRow` counts rows in the order the file stores them.
  void put(std::int64_t x, std::int64_t fileRow, std::uint8_t index) {
    const std::int64_t row = topDown_ ? fileRow : image_.height - 1 - fileRow;
    const std::size_t at = std::size_t(row) * std::size_t(image_.width) + std::size_t(x);
    const std::uint8_t* c = &palette_[3u * index];
    if (image_.format == tfLuminance8) {
      image_.pixels[at] = c[0];
    } else {
      std::uint8_t* out = &image_.pixels[at * 3];
      out[0] = c[0];
      out[1] = c[1];
      out[2] = c[2];
    }
  }

 private:
  TTextureImage& image_;
  const std::array<std::uint8_t, 3 * 256>& palette_;
  bool topDown_;
};

// Run-length data, bottom row first; skipped pixels keep palette index 0.
// Without a target it only walks the data, so that damaged data is refused
// before the image is allocated.
void decodeRle(ByteSpan b, std::uint64_t at, bool rle4, std::int64_t w, std::int64_t h,
               IndexedTarget* target) {
  for (std::int64_t y = 0; target && y < h; ++y)
    for (std::int64_t x = 0; x < w; ++x) target->put(x, y, 0);
  std::int64_t x = 0, y = 0;
  auto nibbleOrByte = [rle4](std::uint8_t value, std::int64_t i) -> std::uint8_t {
    if (!rle4) return value;
    return (i & 1) ? value & 0x0F : value >> 4;
  };
  for (;;) {
    if (!has(b, at, 2)) ThrowDamaged(kLoader);
    const std::uint8_t count = b[at], value = b[at + 1];
    at += 2;
    if (count > 0) {
      if (y >= h || x + count > w) ThrowDamaged(kLoader);
      for (std::int64_t i = 0; target && i < count; ++i)
        target->put(x + i, y, nibbleOrByte(value, i));
      x += count;
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (!has(b, at, 2)) ThrowDamaged(kLoader);
      x += b[at];
      y += b[at + 1];
      at += 2;
      if (x > w || y > h) ThrowDamaged(kLoader);
    } else {
      const std::uint64_t bytes = rle4 ? (value + 1u) / 2 : value;
      const std::uint64_t padded = (bytes + 1) & ~std::uint64_t(1);
      if (!has(b, at, padded) || y >= h || x + value > w) ThrowDamaged(kLoader);
      for (std::int64_t i = 0; target && i < value; ++i) {
        const std::uint8_t byte = b[at + std::uint64_t(rle4 ? i / 2 : i)];
        target->put(x + i, y, nibbleOrByte(byte, i));
      }
      at += padded;
      x += value;
    }
  }
}

void decodePlain(ByteSpan b, const Header& h, TTextureImage& image, IndexedTarget& target) {
  const std::uint64_t rowBytes = ((std::uint64_t(h.width) * unsigned(h.bits) + 31) / 32) * 4;
  if (!has(b, h.pixelsAt, rowBytes * std::uint64_t(h.height))) ThrowDamaged(kLoader);
  MaskedPixels masked;
  if (h.bits == 16 || h.bits == 32) {
    if (h.compression == kRgb) {
      const bool five = h.bits == 16;
      masked.red = MaskChannel(five ? 0x7C00 : 0xFF0000);
      masked.green = MaskChannel(five ? 0x03E0 : 0xFF00);
      masked.blue = MaskChannel(five ? 0x001F : 0xFF);
    } else {
      masked.red = MaskChannel(h.masks[0]);
      masked.green = MaskChannel(h.masks[1]);
      masked.blue = MaskChannel(h.masks[2]);
      masked.alpha = MaskChannel(h.masks[3]);
    }
    masked.withAlpha = image.format == tfBGRA8;
  }
  const std::size_t outPixel = std::size_t(FormatGetSize(image.format));
  for (std::int64_t fileRow = 0; fileRow < h.height; ++fileRow) {
    const std::uint8_t* src = b.data() + h.pixelsAt + std::uint64_t(fileRow) * rowBytes;
    const std::int64_t row = h.topDown ? fileRow : h.height - 1 - fileRow;
    std::uint8_t* out = image.pixels.data() + std::size_t(row) * std::size_t(h.width) * outPixel;
    for (std::int64_t x = 0; x < h.width; ++x) {
      switch (h.bits) {
        case 1:
          target.put(x, fileRow, (src[x / 8] >> (7 - x % 8)) & 1);
          break;
        case 4:
          target.put(x, fileRow, (x & 1) ? src[x / 2] & 0x0F : src[x / 2] >> 4);
          break;
        case 8:
          target.put(x, fileRow, src[x]);
          break;
        case 16:
          masked.put(le16(ByteSpan(src + 2 * x, 2), 0), out + 3 * x);
          break;
        case 24:
          out[3 * x] = src[3 * x];
          out[3 * x + 1] = src[3 * x + 1];
          out[3 * x + 2] = src[3 * x + 2];
          break;
        default:
          masked.put(le32(ByteSpan(src + 4 * x, 4), 0), out + 4 * x);
          break;
      }
    }
  }
}

}  // namespace

bool DecodeBmp(ByteSpan bytes, TTextureImage& image) {
  if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') return false;
  const Header h = readHeader(bytes);
  const bool rle = h.compression == kRle8 || h.compression == kRle4;
  if (rle && h.topDown) ThrowDamaged(kLoader);

  std::array<std::uint8_t, 3 * 256> palette{};  // blue, green, red; missing entries black
  bool greyPalette = true;
  if (h.bits <= 8) {
    const std::uint32_t maxEntries = 1u << unsigned(h.bits);
    const std::uint32_t entries =
        h.colorsUsed == 0 || h.colorsUsed > maxEntries ? maxEntries : h.colorsUsed;
    if (!has(bytes, h.paletteAt, std::uint64_t(entries) * unsigned(h.paletteEntrySize)))
      ThrowDamaged(kLoader);
    for (std::uint32_t i = 0; i < entries; ++i) {
      const std::uint8_t* e =
          bytes.data() + h.paletteAt + std::uint64_t(i) * unsigned(h.paletteEntrySize);
      palette[3 * i] = e[0];
      palette[3 * i + 1] = e[1];
      palette[3 * i + 2] = e[2];
      greyPalette = greyPalette && e[0] == e[1] && e[1] == e[2];
    }
  }
  TTextureImage decoded;
  decoded.format = outputFormat(h, greyPalette);
  CheckImageSize(kLoader, h.width, h.height, FormatGetSize(decoded.format));
  decoded.width = int(h.width);
  decoded.height = int(h.height);
  if (!rle && !has(bytes, h.pixelsAt, 1)) ThrowDamaged(kLoader);
  if (rle && !has(bytes, h.pixelsAt, 2)) ThrowDamaged(kLoader);
  // Plain pixel data is checked for presence before the buffer is made.
  if (!rle) {
    const std::uint64_t rowBytes = ((std::uint64_t(h.width) * unsigned(h.bits) + 31) / 32) * 4;
    if (!has(bytes, h.pixelsAt, rowBytes * std::uint64_t(h.height))) ThrowDamaged(kLoader);
  }
  if (rle) decodeRle(bytes, h.pixelsAt, h.compression == kRle4, h.width, h.height, nullptr);
  decoded.pixels.resize(FormatDataSize(decoded.format, decoded.width, decoded.height));
  IndexedTarget target(decoded, palette, h.topDown);
  if (rle)
    decodeRle(bytes, h.pixelsAt, h.compression == kRle4, h.width, h.height, &target);
  else
    decodePlain(bytes, h, decoded, target);
  image = std::move(decoded);
  return true;
}
