// The texture loader's decoders on generated files of every kind: what they
// make of good files, how they refuse bad ones, and that no prefix of a good
// file makes them read or allocate past what is there.
#include "base/Exceptions.h"
#include "gl/TextureDecoders.h"
#include "gl/TglTexture.h"
#include "tests/support/AllocationWatch.h"
#include "tests/support/ImageSamples.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <cstdlib>
#include <memory>

using imagesamples::AllSamples;
using imagesamples::ImageSample;

namespace {

// The message a load raises, or "" when it succeeds.
QString loadMessage(TglTexture& texture, const QByteArray& bytes) {
  QByteArray copy = bytes;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  try {
    texture.LoadFromStream(buffer);
    return {};
  } catch (const base::Exception& e) {
    return e.message();
  }
}

void expectPixel(const std::vector<std::uint8_t>& pixels, std::size_t at,
                 const std::vector<std::uint8_t>& expected, int tolerance, const char* where) {
  ASSERT_LE(at + expected.size(), pixels.size()) << where;
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_NEAR(int(pixels[at + i]), int(expected[i]), tolerance) << where << " channel " << i;
}

}  // namespace

TEST(TextureDecodersReadEverySample, FormatSizeAndCornerPixels) {
  const std::vector<ImageSample> samples = AllSamples();
  ASSERT_GE(samples.size(), 40u);
  for (const ImageSample& s : samples) {
    SCOPED_TRACE(s.name.toStdString());
    TglTexture2D texture;
    const QString message = loadMessage(texture, s.bytes);
    if (!s.refusal.isEmpty()) {
      EXPECT_EQ(message, s.refusal);
      continue;
    }
    ASSERT_EQ(message, QString());
    // The PNG writers made the layouts they are meant to (IHDR: depth, colour type).
    if (s.name == QLatin1String("png-16bit")) {
      EXPECT_EQ(int(s.bytes[24]), 16);
    }
    if (s.name == QLatin1String("png-grey-alpha")) {
      EXPECT_EQ(int(s.bytes[25]), 4);
    }
    EXPECT_EQ(texture.Format(), s.format);
    EXPECT_EQ(texture.Width(), s.width);
    EXPECT_EQ(texture.Height(), s.height);
    const std::vector<std::uint8_t>& data = texture.Data();
    ASSERT_EQ(data.size(), FormatDataSize(s.format, s.width, s.height));
    if (FormatIsCompressed(s.format)) {
      expectPixel(data, 0, s.topLeft, 0, "first block");
      expectPixel(data, data.size() - s.bottomRight.size(), s.bottomRight, 0, "last block");
    } else {
      expectPixel(data, 0, s.topLeft, s.tolerance, "top left");
      expectPixel(data, data.size() - s.bottomRight.size(), s.bottomRight, s.tolerance,
                  "bottom right");
    }
  }
}

TEST(TextureLoaderRefusals, UnknownStreamAndDamageRaiseTheirTexts) {
  const QByteArray bmp = imagesamples::WriteBmp(
      imagesamples::ReferenceImage(18, 13, qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 0)), 8,
      false, true, false);
  QByteArray runPastRow = bmp;  // the first run of the RLE8 data spans the row and more
  runPastRow[int(std::uint8_t(bmp[10])) + 0] = char(19);
  QByteArray noEnd = bmp.left(bmp.size() - 2);
  QByteArray tgaRunPastEnd = imagesamples::WriteTga(
      imagesamples::ReferenceImage(9, 9, qRgb(1, 1, 1), qRgb(1, 1, 1), qRgb(1, 1, 1)), 10, 24,
      false);
  tgaRunPastEnd[21] = char(0xFF);  // 128 repeats of a pixel where 81 fit
  QByteArray tgaBits = tgaRunPastEnd;
  tgaBits[16] = char(15);
  QByteArray ddsFourCC = imagesamples::WriteDdsCompressed("ATI2", 4, 4, QByteArray(16, '\0'));
  QByteArray ddsShort = imagesamples::WriteDdsCompressed("DXT5", 8, 8, QByteArray(63, '\0'));
  QByteArray bmpBits = bmp;
  bmpBits[28] = char(2);
  const struct {
    const char* name;
    QByteArray bytes;
    const char* message;
  } cases[] = {
      {"text", "This is no picture at all.\n",
       "TglTexture.LoadFromStream - Couldn't load Stream. It's possible to be an unknow "
       "Streamtype."},
      {"empty", "",
       "TglTexture.LoadFromStream - Couldn't load Stream. It's possible to be an unknow "
       "Streamtype."},
      {"rle run past row", runPastRow, "TglTexture.LoadBmp - damaged or truncated file."},
      {"rle without end", noEnd, "TglTexture.LoadBmp - damaged or truncated file."},
      {"bmp 2 bits", bmpBits, "TglTexture2D.AssignFromBitmap - Invalid Pixelformat."},
      {"tga run past end", tgaRunPastEnd, "TglTexture.LoadTga - damaged or truncated file."},
      {"tga 15 bits", tgaBits, "TglTexture.LoadTga - unsupported BitsPerPixel found."},
      {"dds other code", ddsFourCC, "TglTexture.LoadDDS - unsupported Pixelformat found."},
      {"dds short", ddsShort, "TglTexture.LoadDDS - damaged or truncated file."},
  };
  for (const auto& c : cases) {
    TglTexture2D texture;
    EXPECT_EQ(loadMessage(texture, c.bytes), QString::fromLatin1(c.message)) << c.name;
  }
}

TEST(TextureLoaderRefusals, HugeDeclaredSizesAllocateNothingLarge) {
  const struct {
    const char* kind;
    const char* loader;
  } kinds[] = {{"png", "LoadPng"},
               {"jpg", "LoadJpg"},
               {"tga", "LoadTga"},
               {"dds", "LoadDDS"},
               {"bmp", "LoadBmp"}};
  for (const auto& k : kinds) {
    const QByteArray header = imagesamples::HugeHeader(QString::fromLatin1(k.kind), 65535, 65535);
    TglTexture2D texture;
    QString message;
    std::size_t largest = 0;
    {
      AllocationWatch watch;
      message = loadMessage(texture, header);
      largest = watch.Largest();
    }
    // libjpeg itself refuses sides above 65500, as damage.
    EXPECT_TRUE(
        message == QStringLiteral("TglTexture.") + QLatin1String(k.loader) +
                       QStringLiteral(" - unsupported image size.") ||
        (k.kind[0] == 'j' && message.endsWith(QStringLiteral("damaged or truncated file."))))
        << k.kind << " " << message.toStdString();
    if (AllocationWatch::Available()) {
      EXPECT_LT(largest, std::size_t(1) << 20) << k.kind;
    }
  }
  // Damaged run-length data is refused before the declared image is made.
  QByteArray rle = imagesamples::WriteBmp(
      imagesamples::ReferenceImage(18, 13, qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 0)), 8,
      false, true, false);
  rle.chop(2);  // no end of bitmap
  for (int at : {18, 22}) {
    rle[at] = char(4000 & 0xFF);
    rle[at + 1] = char(4000 >> 8);
  }
  QByteArray tga = imagesamples::WriteTga(
      imagesamples::ReferenceImage(20, 16, qRgb(1, 2, 3), qRgb(1, 2, 3), qRgb(1, 2, 3)), 10, 24,
      true);
  for (int at : {12, 14}) {
    tga[at] = char(4000 & 0xFF);
    tga[at + 1] = char(4000 >> 8);
  }
  for (const QByteArray& bytes : {rle, tga}) {
    TglTexture2D texture;
    AllocationWatch watch;
    EXPECT_TRUE(loadMessage(texture, bytes).endsWith(QStringLiteral("damaged or truncated file.")));
    if (AllocationWatch::Available()) {
      EXPECT_LT(watch.Largest(), std::size_t(1) << 20);
    }
  }
  // Within the side limit but past 256 MiB of pixels, and uncompressed data
  // that is not there.
  TglTexture2D texture;
  EXPECT_EQ(loadMessage(texture, imagesamples::HugeHeader(QStringLiteral("bmp"), 16384, 16384)),
            QStringLiteral("TglTexture.LoadBmp - unsupported image size."));
  EXPECT_EQ(loadMessage(texture, imagesamples::HugeHeader(QStringLiteral("bmp"), 4000, 4000)),
            QStringLiteral("TglTexture.LoadBmp - damaged or truncated file."));
}

TEST(TextureLoaderKeepsWhatItHad, AFailedLoadLeavesThePreviousImage) {
  const std::vector<ImageSample> samples = AllSamples();
  TglTexture2D texture;
  ASSERT_EQ(loadMessage(texture, samples.front().bytes), QString());
  const std::vector<std::uint8_t> before = texture.Data();
  const int format = texture.Format(), width = texture.Width();
  for (const QByteArray& bad : {QByteArray("junk"), samples[3].bytes.left(60),
                                imagesamples::HugeHeader(QStringLiteral("dds"), 9, 0)}) {
    EXPECT_NE(loadMessage(texture, bad), QString());
    EXPECT_EQ(texture.Data(), before);
    EXPECT_EQ(texture.Format(), format);
    EXPECT_EQ(texture.Width(), width);
  }
  // The stream is where it was, for whoever reads it next.
  QByteArray bytes("xxxxBM");
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  buffer.seek(4);
  EXPECT_THROW(texture.LoadFromStream(buffer), base::Exception);
  EXPECT_EQ(buffer.pos(), 4);
}

TEST(TextureDecodersOnPrefixes, EveryPrefixIsRefusedOrDecodes) {
  for (const ImageSample& s : AllSamples()) {
    // An exactly sized heap copy, so that AddressSanitizer sees any read past it.
    for (qsizetype length = 0; length <= s.bytes.size(); ++length) {
      std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[std::size_t(length) + (length == 0)]);
      std::memcpy(copy.get(), s.bytes.constData(), std::size_t(length));
      TTextureImage image;
      bool decoded = false;
      try {
        decoded = DecodeAnyImage(ByteSpan(copy.get(), std::size_t(length)), image);
      } catch (const base::Exception&) {
      }
      if (decoded) {
        EXPECT_EQ(image.pixels.size(), FormatDataSize(image.format, image.width, image.height));
      }
      if (length == s.bytes.size()) {
        EXPECT_EQ(decoded, s.refusal.isEmpty()) << s.name.toStdString();
      }
    }
  }
}

TEST(TexturePixelFormats, SizesAndAlphaCounterparts) {
  const struct {
    int format;
    double size;
    bool alpha;
    int without, with;
  } rows[] = {{tfDXT1, 0.5, true, 1, 1},      {tfAlpha8, 1, true, 5, 4},
              {tfLuminance8, 1, false, 5, 7}, {tfLuminance8Alpha8, 2, true, 5, 7},
              {tfRGB5A1, 2, true, 9, 10},     {tfBGR8, 3, false, 11, 13},
              {tfRGB8, 3, false, 12, 14},     {tfBGRA8, 4, true, 11, 13},
              {tfABGR8, 4, true, 12, 15}};
  for (const auto& r : rows) {
    EXPECT_EQ(FormatGetSize(r.format), r.size) << r.format;
    EXPECT_EQ(FormatHasAlpha(r.format), r.alpha) << r.format;
    EXPECT_EQ(FormatRemoveAlpha(r.format), r.without) << r.format;
    EXPECT_EQ(FormatAddAlpha(r.format), r.with) << r.format;
  }
  EXPECT_EQ(FormatDataSize(tfDXT1, 5, 5), 32u);  // whole 4 x 4 blocks
  EXPECT_EQ(FormatDataSize(tfDXT5, 4, 9), 48u);
  try {
    FormatGetSize(16);
    ADD_FAILURE();
  } catch (const base::Exception& e) {
    EXPECT_EQ(e.message(),
              QStringLiteral("FormatGetSize - the given format isn't supported by this function."));
  }
}
