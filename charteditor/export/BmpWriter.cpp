#include "charteditor/export/BmpWriter.h"

#include "charteditor/export/LittleEndianBuffer.h"

#include <QHash>

#include <array>
#include <limits>
#include <vector>

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr int32_t kPixelsPerMeter = 3780;  // 96 dots per inch

struct Reduction {
  std::vector<QRgb> palette;
  // Palette index of each pixel, row by row from the top.
  std::vector<uint8_t> indices;
};

const std::array<QRgb, 16>& standardColors() {
  static const std::array<QRgb, 16> colors = {
      qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
      qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
      qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
      qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  return colors;
}

std::vector<QRgb> cubeAndGreys() {
  std::vector<QRgb> out;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) out.push_back(qRgb(r * 51, g * 51, b * 51));
  // Greys between the cube's own: 40 more levels.
  for (int k = 1; k <= 40; ++k) {
    const int v = (k * 255 + 20) / 41;
    out.push_back(qRgb(v, v, v));
  }
  return out;
}

uint8_t nearest(const std::vector<QRgb>& palette, QRgb c) {
  int best = 0;
  long long bestDistance = std::numeric_limits<long long>::max();
  for (size_t i = 0; i < palette.size(); ++i) {
    const long long dr = qRed(c) - qRed(palette[i]);
    const long long dg = qGreen(c) - qGreen(palette[i]);
    const long long db = qBlue(c) - qBlue(palette[i]);
    const long long d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i);
    }
  }
  return static_cast<uint8_t>(best);
}

Reduction reduceToPalette(const QImage& image, std::vector<QRgb> palette) {
  Reduction out;
  out.palette = std::move(palette);
  out.indices.reserve(static_cast<size_t>(image.width()) * image.height());
  QHash<QRgb, uint8_t> cache;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = row[x] | 0xFF000000u;
      auto it = cache.constFind(c);
      if (it == cache.cend()) it = cache.insert(c, nearest(out.palette, c));
      out.indices.push_back(*it);
    }
  }
  return out;
}

Reduction reduce(const QImage& image, BmpDepth depth) {
  if (depth == BmpDepth::Bits1) {
    Reduction out;
    out.palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    out.indices.reserve(static_cast<size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        const int luminance =
            (299 * qRed(row[x]) + 587 * qGreen(row[x]) + 114 * qBlue(row[x])) / 1000;
        out.indices.push_back(luminance >= 128 ? 1 : 0);
      }
    }
    return out;
  }
  if (depth == BmpDepth::Bits4)
    return reduceToPalette(image,
                           std::vector<QRgb>(standardColors().begin(), standardColors().end()));
  // Eight bits: the picture's own colours when they fit.
  std::vector<QRgb> own;
  QHash<QRgb, uint8_t> index;
  for (int y = 0; y < image.height() && own.size() <= 256; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = row[x] | 0xFF000000u;
      if (index.contains(c)) continue;
      if (own.size() == 256) {
        own.push_back(c);
        break;
      }
      index.insert(c, static_cast<uint8_t>(own.size()));
      own.push_back(c);
    }
  }
  return reduceToPalette(image, own.size() <= 256 ? own : cubeAndGreys());
}

}  // namespace

int BmpBitsPerPixel(BmpDepth depth) {
  switch (depth) {
    case BmpDepth::Bits1:
      return 1;
    case BmpDepth::Bits4:
      return 4;
    case BmpDepth::Bits8:
      return 8;
    case BmpDepth::Bits15:
    case BmpDepth::Bits16:
      return 16;
    case BmpDepth::Bits32:
      return 32;
    case BmpDepth::Default:
    case BmpDepth::Bits24:
      break;
  }
  return 24;
}

DibParts EncodeDib(const QImage& source, BmpDepth depth) {
  if (source.isNull()) return {};
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  const int w = image.width();
  const int h = image.height();
  const int bpp = BmpBitsPerPixel(depth);
  const size_t stride = ((static_cast<size_t>(w) * bpp + 31) / 32) * 4;

  Reduction reduction;
  if (bpp <= 8) reduction = reduce(image, depth);

  LittleEndianBuffer bits;
  bits.reserve(stride * h);
  for (int y = h - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    char* out = bits.grow(stride);
    std::fill(out, out + stride, 0);
    auto* o = reinterpret_cast<uint8_t*>(out);
    for (int x = 0; x < w; ++x) {
      const QRgb c = row[x];
      switch (bpp) {
        case 1:
        case 4:
        case 8: {
          const uint8_t i = reduction.indices[static_cast<size_t>(y) * w + x];
          const int perByte = 8 / bpp;
          const int shift = 8 - bpp * (x % perByte + 1);
          o[x / perByte] |= static_cast<uint8_t>(i << shift);
          break;
        }
        case 16: {
          const uint16_t v = depth == BmpDepth::Bits16
                                 ? static_cast<uint16_t>(((qRed(c) >> 3) << 11) |
                                                         ((qGreen(c) >> 2) << 5) | (qBlue(c) >> 3))
                                 : static_cast<uint16_t>(((qRed(c) >> 3) << 10) |
                                                         ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3));
          o[2 * x] = static_cast<uint8_t>(v & 0xFF);
          o[2 * x + 1] = static_cast<uint8_t>(v >> 8);
          break;
        }
        case 32:
          o[4 * x] = static_cast<uint8_t>(qBlue(c));
          o[4 * x + 1] = static_cast<uint8_t>(qGreen(c));
          o[4 * x + 2] = static_cast<uint8_t>(qRed(c));
          break;
        default:
          o[3 * x] = static_cast<uint8_t>(qBlue(c));
          o[3 * x + 1] = static_cast<uint8_t>(qGreen(c));
          o[3 * x + 2] = static_cast<uint8_t>(qRed(c));
          break;
      }
    }
  }

  LittleEndianBuffer info;
  info.u32(40);
  info.i32(w);
  info.i32(h);  // positive: bottom-up
  info.u16(1);
  info.u16(static_cast<uint16_t>(bpp));
  info.u32(depth == BmpDepth::Bits16 ? kBiBitfields : kBiRgb);
  info.u32(static_cast<uint32_t>(bits.size()));
  info.i32(kPixelsPerMeter);
  info.i32(kPixelsPerMeter);
  info.u32(static_cast<uint32_t>(reduction.palette.size()));
  info.u32(0);
  if (depth == BmpDepth::Bits16) {
    info.u32(0xF800);
    info.u32(0x07E0);
    info.u32(0x001F);
  }
  for (QRgb c : reduction.palette) {
    info.u8(static_cast<uint8_t>(qBlue(c)));
    info.u8(static_cast<uint8_t>(qGreen(c)));
    info.u8(static_cast<uint8_t>(qRed(c)));
    info.u8(0);
  }
  return {info.toByteArray(), bits.toByteArray()};
}

QByteArray EncodeBmp(const QImage& image, BmpDepth depth) {
  const DibParts dib = EncodeDib(image, depth);
  if (dib.info.isEmpty()) return {};
  LittleEndianBuffer file;
  const size_t offBits = 14 + static_cast<size_t>(dib.info.size());
  file.u8('B');
  file.u8('M');
  file.u32(static_cast<uint32_t>(offBits + static_cast<size_t>(dib.bits.size())));
  file.u32(0);
  file.u32(static_cast<uint32_t>(offBits));
  return file.toByteArray() + dib.info + dib.bits;
}
