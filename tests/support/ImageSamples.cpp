#include "tests/support/ImageSamples.h"

#include <QBuffer>

#include <cstdio>  // jpeglib.h needs FILE
#include <cstring>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

namespace imagesamples {

namespace {

void put16(QByteArray& b, unsigned v) {
  b.append(char(v & 0xFF));
  b.append(char((v >> 8) & 0xFF));
}
void put32(QByteArray& b, std::uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}
void set32(QByteArray& b, int at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xFF);
}

std::vector<std::uint8_t> bgr(QRgb c) {
  return {std::uint8_t(qBlue(c)), std::uint8_t(qGreen(c)), std::uint8_t(qRed(c))};
}
std::vector<std::uint8_t> bgra(QRgb c) {
  return {std::uint8_t(qBlue(c)), std::uint8_t(qGreen(c)), std::uint8_t(qRed(c)),
          std::uint8_t(qAlpha(c))};
}
std::vector<std::uint8_t> rgb(QRgb c) {
  return {std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c))};
}
std::vector<std::uint8_t> rgba(QRgb c) {
  return {std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c)),
          std::uint8_t(qAlpha(c))};
}
std::vector<std::uint8_t> grey(QRgb c) {
  return {std::uint8_t(qRed(c))};
}

QByteArray qtWrite(const QImage& image, const char* format, int quality = -1) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, format, quality)) throw std::runtime_error("QImage could not write");
  return bytes;
}

// The image's colours, in order of first appearance.
QList<QRgb> colours(const QImage& image) {
  QList<QRgb> found;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!found.contains(image.pixel(x, y))) found << image.pixel(x, y);
  return found;
}

}  // namespace

QImage ReferenceImage(int width, int height, QRgb a, QRgb b, QRgb c) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      QRgb v = c;
      if (x < 8 && y < 8) v = a;
      if (x >= width - 8 && y >= height - 8) v = b;
      image.setPixel(x, y, v);
    }
  return image;
}

QByteArray WriteTga(const QImage& image, int type, int bits, bool topOrigin) {
  QByteArray b;
  b.append(char(3));  // an image id, to be skipped
  b.append(char(0));
  b.append(char(type));
  b.append(QByteArray(5, '\0'));
  put16(b, 0);
  put16(b, 0);
  put16(b, unsigned(image.width()));
  put16(b, unsigned(image.height()));
  b.append(char(bits));
  b.append(char((topOrigin ? 0x20 : 0) | (bits == 32 ? 8 : 0)));
  b.append("id!", 3);
  const int bytes = bits / 8;
  std::vector<QByteArray> pixels;
  for (int row = 0; row < image.height(); ++row) {
    const int y = topOrigin ? row : image.height() - 1 - row;
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      QByteArray p;
      if (bytes == 1) {
        p.append(char(qRed(c)));
      } else {
        p.append(char(qBlue(c)));
        p.append(char(qGreen(c)));
        p.append(char(qRed(c)));
        if (bytes == 4) p.append(char(qAlpha(c)));
      }
      pixels.push_back(p);
    }
  }
  if (type < 10) {
    for (const QByteArray& p : pixels) b += p;
    return b;
  }
  // Runs of equal pixels as run packets, the rest as raw packets.
  std::size_t i = 0;
  while (i < pixels.size()) {
    std::size_t run = 1;
    while (i + run < pixels.size() && run < 128 && pixels[i + run] == pixels[i]) ++run;
    if (run > 1) {
      b.append(char(0x80 | (run - 1)));
      b += pixels[i];
      i += run;
      continue;
    }
    std::size_t raw = 1;
    while (i + raw < pixels.size() && raw < 128 &&
           (i + raw + 1 >= pixels.size() || pixels[i + raw] != pixels[i + raw + 1]))
      ++raw;
    b.append(char(raw - 1));
    for (std::size_t k = 0; k < raw; ++k) b += pixels[i + k];
    i += raw;
  }
  return b;
}

static QByteArray ddsHeader(int width, int height, std::uint32_t pfFlags, const char* fourCC,
                            int bits, std::uint32_t r, std::uint32_t g, std::uint32_t bl,
                            std::uint32_t a) {
  QByteArray b("DDS ");
  put32(b, 124);
  put32(b, 0x1007);  // caps, height, width, pixel format
  put32(b, std::uint32_t(height));
  put32(b, std::uint32_t(width));
  put32(b, 0);
  put32(b, 0);
  put32(b, 1);
  b.append(QByteArray(44, '\0'));
  put32(b, 32);
  put32(b, pfFlags);
  b.append(fourCC ? QByteArray(fourCC, 4) : QByteArray(4, '\0'));
  put32(b, std::uint32_t(bits));
  put32(b, r);
  put32(b, g);
  put32(b, bl);
  put32(b, a);
  put32(b, 0x1000);
  b.append(QByteArray(16, '\0'));
  return b;
}

QByteArray WriteDds(const QImage& image, int bits) {
  QByteArray b = ddsHeader(image.width(), image.height(), bits == 32 ? 0x41 : 0x40, nullptr, bits,
                           0xFF0000, 0xFF00, 0xFF, bits == 32 ? 0xFF000000 : 0);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      b.append(char(qBlue(c)));
      b.append(char(qGreen(c)));
      b.append(char(qRed(c)));
      if (bits == 32) b.append(char(qAlpha(c)));
    }
  return b;
}

QByteArray WriteDdsCompressed(const char* fourCC, int width, int height, const QByteArray& blocks) {
  return ddsHeader(width, height, 0x4, fourCC, 0, 0, 0, 0, 0) + blocks;
}

QByteArray WriteBmp(const QImage& image, int bits, bool masks, bool rle, bool topDown) {
  const int w = image.width(), h = image.height();
  const QList<QRgb> palette = bits <= 8 ? colours(image) : QList<QRgb>();
  if (bits <= 8 && palette.size() > (1 << bits)) throw std::runtime_error("too many colours");
  const bool v4 = bits == 32 && masks;
  const std::uint32_t infoSize = v4 ? 108 : 40;
  const std::uint32_t compression = rle ? (bits == 8 ? 1 : 2) : masks ? 3 : 0;
  QByteArray info;
  put32(info, infoSize);
  put32(info, std::uint32_t(w));
  put32(info, std::uint32_t(topDown ? -h : h));
  put16(info, 1);
  put16(info, unsigned(bits));
  put32(info, compression);
  put32(info, 0);
  put32(info, 2835);
  put32(info, 2835);
  put32(info, std::uint32_t(palette.size()));
  put32(info, 0);
  QByteArray extra;
  if (v4) {
    put32(info, 0xFF0000);
    put32(info, 0xFF00);
    put32(info, 0xFF);
    put32(info, 0xFF000000);
    info.append(QByteArray(int(infoSize) - info.size(), '\0'));
  } else if (masks) {
    put32(extra, 0xF800);  // 5-6-5
    put32(extra, 0x07E0);
    put32(extra, 0x001F);
  }
  for (QRgb c : palette) {
    extra.append(char(qBlue(c)));
    extra.append(char(qGreen(c)));
    extra.append(char(qRed(c)));
    extra.append(char(0));
  }
  auto index = [&](int x, int y) { return palette.indexOf(image.pixel(x, y)); };
  QByteArray pixels;
  for (int row = 0; row < h; ++row) {
    const int y = topDown ? row : h - 1 - row;
    QByteArray line;
    if (rle) {
      // Encoded runs of one index (RLE4: two alternating nibbles of it).
      int x = 0;
      while (x < w) {
        int run = 1;
        while (x + run < w && run < 255 && index(x + run, y) == index(x, y)) ++run;
        line.append(char(run));
        line.append(char(bits == 8 ? index(x, y) : (index(x, y) << 4) | index(x, y)));
        x += run;
      }
      line.append(char(0));
      line.append(char(row == h - 1 ? 1 : 0));
      pixels += line;
      continue;
    }
    std::uint32_t acc = 0;
    int accBits = 0;
    for (int x = 0; x < w; ++x) {
      const QRgb c = image.pixel(x, y);
      switch (bits) {
        case 1:
        case 4:
        case 8:
          acc = (acc << bits) | std::uint32_t(index(x, y));
          accBits += bits;
          if (accBits == 8) {
            line.append(char(acc));
            acc = 0;
            accBits = 0;
          }
          break;
        case 16:
          put16(line,
                masks
                    ? unsigned(((qRed(c) >> 3) << 11) | ((qGreen(c) >> 2) << 5) | (qBlue(c) >> 3))
                    : unsigned(((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3)));
          break;
        case 24:
          line.append(char(qBlue(c)));
          line.append(char(qGreen(c)));
          line.append(char(qRed(c)));
          break;
        default:
          put32(line, masks ? std::uint32_t(c) : (std::uint32_t(c) & 0xFFFFFF) | 0x5A000000);
          break;
      }
    }
    if (accBits > 0) line.append(char(acc << (8 - accBits)));
    while (line.size() % 4) line.append(char(0));
    pixels += line;
  }
  QByteArray b("BM");
  const std::uint32_t offset = 14 + std::uint32_t(info.size() + extra.size());
  put32(b, offset + std::uint32_t(pixels.size()));
  put32(b, 0);
  put32(b, offset);
  return b + info + extra + pixels;
}

QByteArray WriteJpeg(const QImage& image, JpegKind kind) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = JDIMENSION(image.width());
  info.image_height = JDIMENSION(image.height());
  info.input_components = kind == JpegKind::Grey ? 1 : kind == JpegKind::Colour ? 3 : 4;
  info.in_color_space = kind == JpegKind::Grey     ? JCS_GRAYSCALE
                        : kind == JpegKind::Colour ? JCS_RGB
                                                   : JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  for (int i = 0; i < info.num_components; ++i)
    info.comp_info[i].h_samp_factor = info.comp_info[i].v_samp_factor = 1;
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(std::size_t(image.width()) * 4);
  while (info.next_scanline < info.image_height) {
    const int y = int(info.next_scanline);
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      unsigned char* p = &row[std::size_t(x) * std::size_t(info.input_components)];
      if (kind == JpegKind::Grey) {
        p[0] = std::uint8_t(qRed(c));
      } else if (kind == JpegKind::Colour) {
        p[0] = std::uint8_t(qRed(c));
        p[1] = std::uint8_t(qGreen(c));
        p[2] = std::uint8_t(qBlue(c));
      } else {
        p[0] = std::uint8_t(255 - qRed(c));
        p[1] = std::uint8_t(255 - qGreen(c));
        p[2] = std::uint8_t(255 - qBlue(c));
        p[3] = 0;
      }
    }
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&info, &r, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
  std::free(out);
  return bytes;
}

QByteArray WritePngGreyAlpha(const QImage& image) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = png_uint_32(image.width());
  png.height = png_uint_32(image.height());
  png.format = PNG_FORMAT_GA;
  std::vector<std::uint8_t> pixels;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      pixels.push_back(std::uint8_t(qRed(image.pixel(x, y))));
      pixels.push_back(std::uint8_t(qAlpha(image.pixel(x, y))));
    }
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&png, nullptr, &size, 0, pixels.data(), 0, nullptr);
  QByteArray bytes(qsizetype(size), '\0');
  if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, pixels.data(), 0, nullptr))
    throw std::runtime_error("libpng could not write");
  bytes.resize(qsizetype(size));
  return bytes;
}

QByteArray HugeHeader(const QString& kind, int width, int height) {
  const QImage small = ReferenceImage(16, 16, qRgb(1, 2, 3), qRgb(4, 5, 6), qRgb(7, 8, 9));
  if (kind == QLatin1String("png")) {
    QByteArray b = qtWrite(small.convertToFormat(QImage::Format_RGB888), "PNG");
    // IHDR's data starts at 16; its CRC covers type and data.
    auto be32 = [&](int at, std::uint32_t v) {
      for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (24 - 8 * i)) & 0xFF);
    };
    be32(16, std::uint32_t(width));
    be32(20, std::uint32_t(height));
    be32(29, std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(b.constData() + 12), 17)));
    return b;
  }
  if (kind == QLatin1String("jpg")) {
    QByteArray b = WriteJpeg(small, JpegKind::Colour);
    const int sof = b.indexOf(QByteArray("\xFF\xC0", 2));
    b[sof + 5] = char(height >> 8);
    b[sof + 6] = char(height & 0xFF);
    b[sof + 7] = char(width >> 8);
    b[sof + 8] = char(width & 0xFF);
    return b;
  }
  if (kind == QLatin1String("tga")) {
    QByteArray b = WriteTga(small, 2, 24, false).left(21);
    b[12] = char(width & 0xFF);
    b[13] = char((width >> 8) & 0xFF);
    b[14] = char(height & 0xFF);
    b[15] = char((height >> 8) & 0xFF);
    return b;
  }
  if (kind == QLatin1String("dds")) {
    QByteArray b = WriteDds(small, 32).left(128);
    set32(b, 12, std::uint32_t(height));
    set32(b, 16, std::uint32_t(width));
    return b;
  }
  QByteArray b = WriteBmp(small, 24, false, false, false).left(54);
  set32(b, 18, std::uint32_t(width));
  set32(b, 22, std::uint32_t(height));
  return b;
}

std::vector<ImageSample> AllSamples() {
  const QRgb a = qRgba(200, 30, 40, 128), b = qRgb(20, 60, 220), c = qRgba(90, 160, 90, 200);
  const QRgb ga = qRgba(200, 200, 200, 90), gb = qRgb(30, 30, 30), gc = qRgb(120, 120, 120);
  const QImage colour = ReferenceImage(20, 16, a, b, c);
  const QImage opaque = ReferenceImage(20, 16, a | 0xFF000000, b, c | 0xFF000000);
  const QImage greyImage = ReferenceImage(20, 16, ga | 0xFF000000, gb, gc);
  const QImage greyAlpha = ReferenceImage(20, 16, ga, gb, gc);
  const QRgb pa = qRgb(255, 0, 0), pb = qRgb(0, 0, 255), pc = qRgb(0, 255, 0);
  const QImage pure = ReferenceImage(18, 13, pa, pb, pc);  // odd sizes: padded rows
  const QImage twoColours = ReferenceImage(19, 11, pa, pb, pa);
  const QImage greyThree = ReferenceImage(18, 13, ga | 0xFF000000, gb, gc);

  std::vector<ImageSample> s;
  auto add = [&](QString name, QByteArray bytes, int format, const QImage& image,
                 std::vector<std::uint8_t> (*pick)(QRgb), int tolerance = 0) {
    s.push_back({name,
                 bytes,
                 format,
                 image.width(),
                 image.height(),
                 pick(image.pixel(0, 0)),
                 pick(image.pixel(image.width() - 1, image.height() - 1)),
                 tolerance,
                 {}});
  };
  auto refuse = [&](QString name, QByteArray bytes, QString text) {
    ImageSample r;
    r.name = name;
    r.bytes = bytes;
    r.refusal = text;
    s.push_back(r);
  };
  // PNG
  add("png-grey", qtWrite(greyImage.convertToFormat(QImage::Format_Grayscale8), "PNG"), 5,
      greyImage, grey);
  add("png-grey-alpha", WritePngGreyAlpha(greyAlpha), 7, greyAlpha, [](QRgb v) {
    return std::vector<std::uint8_t>{std::uint8_t(qRed(v)), std::uint8_t(qAlpha(v))};
  });
  add("png-rgb", qtWrite(opaque.convertToFormat(QImage::Format_RGB888), "PNG"), 12, opaque, rgb);
  add("png-rgba", qtWrite(colour, "PNG"), 14, colour, rgba);
  add("png-16bit", qtWrite(opaque.convertToFormat(QImage::Format_RGBX64), "PNG"), 12, opaque, rgb);
  refuse("png-palette", qtWrite(opaque.convertToFormat(QImage::Format_Indexed8), "PNG"),
         "TglTexture.LoadPng - Unsupported Colortype found.");
  // JPEG
  add("jpeg-grey", WriteJpeg(greyImage, JpegKind::Grey), 5, greyImage, grey, 8);
  add("jpeg-colour", WriteJpeg(opaque, JpegKind::Colour), 11, opaque, bgr, 8);
  refuse("jpeg-cmyk", WriteJpeg(opaque, JpegKind::Cmyk),
         "TglTexture.LoadJpg - Unsupported Colortype found.");
  // DDS
  add("dds-24", WriteDds(opaque, 24), 11, opaque, bgr);
  add("dds-32", WriteDds(colour, 32), 13, colour, bgra);
  for (const char* code : {"DXT1", "DXT3", "DXT5"}) {
    const int blockSize = code[3] == '1' ? 8 : 16;
    QByteArray blocks;
    for (int i = 0; i < 5 * 4 * blockSize; ++i) blocks.append(char(i * 7 + 1));  // 20 x 16 pixels
    const auto first = reinterpret_cast<const std::uint8_t*>(blocks.constData());
    const auto last = first + blocks.size() - blockSize;
    s.push_back({QStringLiteral("dds-") + QString::fromLatin1(code).toLower(),
                 WriteDdsCompressed(code, 20, 16, blocks),
                 code[3] == '1'   ? 1
                 : code[3] == '3' ? 2
                                  : 3,
                 20,
                 16,
                 std::vector<std::uint8_t>(first, first + blockSize),
                 std::vector<std::uint8_t>(last, last + blockSize),
                 0,
                 {}});
  }
  // TGA, both origins
  for (bool top : {false, true}) {
    const QString o = top ? QStringLiteral("-top") : QStringLiteral("-bottom");
    add("tga-2-24" + o, WriteTga(opaque, 2, 24, top), 11, opaque, bgr);
    add("tga-2-32" + o, WriteTga(colour, 2, 32, top), 13, colour, bgra);
    add("tga-3" + o, WriteTga(greyImage, 3, 8, top), 5, greyImage, grey);
    add("tga-10-24" + o, WriteTga(opaque, 10, 24, top), 11, opaque, bgr);
    add("tga-10-32" + o, WriteTga(colour, 10, 32, top), 13, colour, bgra);
    add("tga-11" + o, WriteTga(greyImage, 11, 8, top), 5, greyImage, grey);
  }
  // BMP
  add("bmp-1", WriteBmp(twoColours, 1, false, false, false), 11, twoColours, bgr);
  add("bmp-4", WriteBmp(pure, 4, false, false, false), 11, pure, bgr);
  add("bmp-8-grey", WriteBmp(greyThree, 8, false, false, false), 5, greyThree, grey);
  add("bmp-8-colour", WriteBmp(pure, 8, false, false, false), 11, pure, bgr);
  add("bmp-8-qt", qtWrite(pure.convertToFormat(QImage::Format_Indexed8), "BMP"), 11, pure, bgr);
  add("bmp-16-555", WriteBmp(pure, 16, false, false, false), 11, pure, bgr);
  add("bmp-16-565", WriteBmp(pure, 16, true, false, false), 11, pure, bgr);
  add("bmp-24-bottom-up", WriteBmp(opaque, 24, false, false, false), 11, opaque, bgr);
  add("bmp-24-top-down", WriteBmp(opaque, 24, false, false, true), 11, opaque, bgr);
  add("bmp-24-qt", qtWrite(opaque.convertToFormat(QImage::Format_RGB32), "BMP"), 11, opaque, bgr);
  add("bmp-32", WriteBmp(opaque, 32, false, false, false), 13, opaque, bgra);
  add("bmp-32-masks-top-down", WriteBmp(colour, 32, true, false, true), 13, colour, bgra);
  add("bmp-rle8", WriteBmp(pure, 8, false, true, false), 11, pure, bgr);
  add("bmp-rle8-grey", WriteBmp(greyThree, 8, false, true, false), 5, greyThree, grey);
  add("bmp-rle4", WriteBmp(pure, 4, false, true, false), 11, pure, bgr);
  return s;
}

}  // namespace imagesamples
