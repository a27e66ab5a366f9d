#pragma once
// Device-independent bitmaps as BMP files and metafile images store them:
// bottom-up rows padded to four bytes, 96 dots per inch. Colours are
// reduced without dithering: one bit is black or white by luminance, four
// bits the nearest of the 16 standard colours, eight bits the picture's own
// palette when it has at most 256 colours and otherwise the nearest of a
// 6×6×6 cube and a grey ramp. 15 bits are 5-5-5; 16 bits are 5-6-5 with
// their bit masks written out.
#include <QByteArray>
#include <QImage>

// In the order the bitmap options list them; Default is 24 bits.
enum class BmpDepth { Default, Bits1, Bits4, Bits8, Bits15, Bits16, Bits24, Bits32 };

int BmpBitsPerPixel(BmpDepth depth);

struct DibParts {
  QByteArray info;  // the info header, then masks or palette
  QByteArray bits;
};

// A null image gives empty parts.
DibParts EncodeDib(const QImage& image, BmpDepth depth);
// The whole file: file header, info header and bits.
QByteArray EncodeBmp(const QImage& image, BmpDepth depth);
