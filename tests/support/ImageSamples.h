#pragma once
// Small image files of every kind the texture loader reads, made here rather
// than kept as binaries: PNG and BMP through QImage where it writes them,
// JPEG through libjpeg, and our own writers for TGA, DDS and the BMP layouts
// QImage does not write (16 and 32 bits with masks, run-length, top-down).
// Each sample knows what a correct decoder makes of it.
#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace imagesamples {

struct ImageSample {
  QString name;
  QByteArray bytes;
  // What decoding gives: format number, size and the bytes of the top-left
  // and bottom-right pixels (for DXT data: of the first and last block).
  int format = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> topLeft;
  std::vector<std::uint8_t> bottomRight;
  int tolerance = 0;  // per channel (JPEG)
  // Non-empty: the decoder refuses the file with this message.
  QString refusal;
};

// Every sample, in a fixed order.
std::vector<ImageSample> AllSamples();

// An image of three flat areas: `a` in the top-left 8 x 8, `b` in the
// bottom-right 8 x 8, `c` elsewhere.
QImage ReferenceImage(int width, int height, QRgb a, QRgb b, QRgb c);

// TGA type 2 or 10 (24 or 32 bits) or 3 or 11 (8 bits, the red channel).
QByteArray WriteTga(const QImage& image, int type, int bits, bool topOrigin);
// Uncompressed DDS of 24 or 32 bits (32 bits with an alpha mask).
QByteArray WriteDds(const QImage& image, int bits);
// DDS holding `blocks` as "DXT1", "DXT3" or "DXT5" data.
QByteArray WriteDdsCompressed(const char* fourCC, int width, int height, const QByteArray& blocks);
// BMP: bits 1, 4, 8 (a palette of the image's colours), 16 (5-5-5, or 5-6-5
// with masks), 24, 32 (masks: a 108-byte header with an alpha mask);
// rle: 8 bits RLE8 or 4 bits RLE4, bottom-up only.
QByteArray WriteBmp(const QImage& image, int bits, bool masks, bool rle, bool topDown);
// JPEG through libjpeg: grey, colour (no chroma subsampling) or CMYK.
enum class JpegKind { Grey, Colour, Cmyk };
QByteArray WriteJpeg(const QImage& image, JpegKind kind);
// PNG grey with alpha through libpng.
QByteArray WritePngGreyAlpha(const QImage& image);
// A file header of `kind` ("png", "bmp", "tga", "dds", "jpg") declaring
// width x height with no pixel data behind it.
QByteArray HugeHeader(const QString& kind, int width, int height);

}  // namespace imagesamples
