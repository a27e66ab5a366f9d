// A texture saved in each file type and read back: through the texture's own
// loaders for every pixel format they make, and through QImage for the types
// it reads; and how a save that cannot be made leaves the stream untouched.
#include "base/Exceptions.h"
#include "gl/TextureEncoders.h"
#include "gl/TglTexture.h"
#include "tests/support/ImageSamples.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <array>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>

namespace {

const char* const kTypeNames[] = {"BMP", "TGA", "JPEG", "PNG", "DDS"};

QByteArray save(const TglTexture& texture, int type) {
  QByteArray file;
  QBuffer out(&file);
  out.open(QIODevice::WriteOnly);
  texture.SaveToStream(out, type);
  return file;
}

std::unique_ptr<TglTexture2D> load(const QByteArray& file) {
  QByteArray copy = file;
  QBuffer in(&copy);
  in.open(QIODevice::ReadOnly);
  auto texture = std::make_unique<TglTexture2D>();
  texture->LoadFromStream(in);
  return texture;
}

// Red, green, blue, alpha of pixel `i` in the formats the loaders make.
std::array<int, 4> rgbaAt(const TglTexture& t, std::size_t i) {
  const std::uint8_t* p = t.Data().data();
  switch (t.Format()) {
    case tfLuminance8:
      return {p[i], p[i], p[i], 255};
    case tfLuminance8Alpha8:
      return {p[2 * i], p[2 * i], p[2 * i], p[2 * i + 1]};
    case tfBGR8:
      return {p[3 * i + 2], p[3 * i + 1], p[3 * i], 255};
    case tfRGB8:
      return {p[3 * i], p[3 * i + 1], p[3 * i + 2], 255};
    case tfBGRA8:
      return {p[4 * i + 2], p[4 * i + 1], p[4 * i], p[4 * i + 3]};
    default:  // tfRGBA8
      return {p[4 * i], p[4 * i + 1], p[4 * i + 2], p[4 * i + 3]};
  }
}

// What the loaders make of a saved file of each format, by type (BMP, TGA,
// JPEG, PNG, DDS): the type's nearest format. Compressed data stays as it is.
const std::map<int, std::array<int, 5>> kReloaded = {
    {tfLuminance8, {5, 5, 5, 5, 11}}, {tfLuminance8Alpha8, {13, 7, 5, 7, 13}},
    {tfBGR8, {11, 11, 11, 12, 11}},   {tfRGB8, {11, 11, 11, 12, 11}},
    {tfBGRA8, {13, 13, 11, 14, 13}},  {tfRGBA8, {13, 13, 11, 14, 13}},
};

// A smooth texture of `format` whose channels all differ: flips, swaps and
// shifted rows show, and JPEG keeps it closely.
std::unique_ptr<TglTexture2D> gradient(int format, int width, int height) {
  const std::size_t n = std::size_t(FormatGetSize(format));
  std::vector<std::uint8_t> data(std::size_t(width) * std::size_t(height) * n);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (std::size_t c = 0; c < n; ++c)
        data[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * n + c] =
            std::uint8_t(x * 7 + y * 3 + int(c) * 17);
  auto texture = std::make_unique<TglTexture2D>();
  texture->SetDataPointer(std::move(data), format, width, height);
  return texture;
}

struct Original {
  std::string name;
  std::unique_ptr<TglTexture2D> texture;
};

// Every loadable sample as loaded, and gradients of the formats they make.
std::vector<Original> originals() {
  std::vector<Original> all;
  for (const imagesamples::ImageSample& s : imagesamples::AllSamples()) {
    if (!s.refusal.isEmpty()) continue;
    all.push_back({s.name.toStdString(), load(s.bytes)});
  }
  for (int format : {tfLuminance8, tfLuminance8Alpha8, tfBGR8, tfRGB8, tfBGRA8, tfRGBA8})
    all.push_back({"gradient " + std::to_string(format), gradient(format, 23, 17)});
  return all;
}

QString saveMessage(const TglTexture& texture, QIODevice& stream, int type) {
  try {
    texture.SaveToStream(stream, type);
    return {};
  } catch (const base::Exception& e) {
    return e.message();
  }
}

// Takes `room` bytes, then fails.
class FullDevice : public QIODevice {
 public:
  explicit FullDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char*, qint64 size) override {
    if (room_ == 0) return -1;
    const qint64 taken = std::min(size, room_);
    room_ -= taken;
    return taken;
  }

 private:
  qint64 room_;
};

// Checks `is` against the texture's pixels: equal for lossless types, within
// the codec's loss for JPEG (which keeps no alpha).
void expectSamePixels(const TglTexture& texture, int type,
                      const std::function<std::array<int, 4>(std::size_t)>& is) {
  const std::size_t count = std::size_t(texture.Width()) * std::size_t(texture.Height());
  const int channels = type == itJpeg ? 3 : 4;
  int worst = 0;
  double total = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::array<int, 4> a = rgbaAt(texture, i), b = is(i);
    for (int c = 0; c < channels; ++c) {
      worst = std::max(worst, std::abs(a[c] - b[c]));
      total += std::abs(a[c] - b[c]);
    }
  }
  EXPECT_LE(worst, type == itJpeg ? 32 : 0);
  EXPECT_LE(total / double(count * std::size_t(channels)), type == itJpeg ? 2.0 : 0.0);
}

}  // namespace

TEST(TextureSavesEveryLoadedFormat, LoadersAndQImageReadBackTheSamePixels) {
  const char* const qtReaders[] = {"BMP", nullptr, "JPG", "PNG", nullptr};
  for (const Original& o : originals()) {
    const TglTexture& texture = *o.texture;
    for (int type = itBmp; type <= itDds; ++type) {
      SCOPED_TRACE(o.name + " as " + kTypeNames[type]);
      if (FormatIsCompressed(texture.Format()) && type != itDds) continue;  // refusals below
      const QByteArray file = save(texture, type);
      const std::unique_ptr<TglTexture2D> back = load(file);
      ASSERT_EQ(back->Format(), FormatIsCompressed(texture.Format())
                                    ? texture.Format()
                                    : kReloaded.at(texture.Format())[std::size_t(type)]);
      ASSERT_EQ(back->Width(), texture.Width());
      ASSERT_EQ(back->Height(), texture.Height());
      if (FormatIsCompressed(texture.Format())) {
        EXPECT_EQ(back->Data(), texture.Data());
        continue;
      }
      expectSamePixels(texture, type, [&](std::size_t i) { return rgbaAt(*back, i); });
      if (!qtReaders[type]) continue;
      const QImage image = QImage::fromData(file, qtReaders[type]);
      ASSERT_EQ(image.size(), QSize(texture.Width(), texture.Height()));
      expectSamePixels(texture, type, [&](std::size_t i) {
        const QRgb p =
            image.pixel(int(i % std::size_t(image.width())), int(i / std::size_t(image.width())));
        return std::array<int, 4>{qRed(p), qGreen(p), qBlue(p), qAlpha(p)};
      });
    }
  }
}

// Formats no loader makes are widened the way GL reads them.
TEST(TextureSavesPackedFormats, ChannelsWidenedAsGlReadsThem) {
  const struct {
    int format;
    std::vector<std::uint8_t> pixel;
    QRgb expected;
  } cases[] = {
      {tfAlpha8, {0x40}, qRgba(0, 0, 0, 0x40)},
      {tfR3G3B2, {0xE0}, qRgb(255, 0, 0)},
      {tfR3G3B2, {0x08}, qRgb(0, 73, 0)},
      {tfRGBA4, {0x0F, 0xF0}, qRgba(255, 0, 0, 255)},
      {tfRGBA4, {0x80, 0x00}, qRgba(0, 0, 136, 0)},
      {tfR5G6B5, {0x00, 0xF8}, qRgb(255, 0, 0)},
      {tfR5G6B5, {0x1F, 0x00}, qRgb(0, 0, 255)},
      {tfRGB5A1, {0x00, 0xFC}, qRgba(255, 0, 0, 255)},
      {tfRGB5A1, {0x1F, 0x00}, qRgba(0, 0, 255, 0)},
      {tfABGR8, {0x80, 0x01, 0x02, 0x03}, qRgba(3, 2, 1, 0x80)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "format " << c.format << " first byte " << int(c.pixel[0]));
    TglTexture2D texture;
    texture.SetDataPointer(c.pixel, c.format, 1, 1);
    const QImage image = QImage::fromData(save(texture, itPng), "PNG");
    ASSERT_EQ(image.size(), QSize(1, 1));
    EXPECT_EQ(image.pixel(0, 0), c.expected);
  }
}

TEST(TextureSaveRefusals, RaiseAndLeaveTheStreamEmpty) {
  TglTexture2D empty;
  const std::unique_ptr<TglTexture2D> colour = gradient(tfBGR8, 5, 3);
  const std::unique_ptr<TglTexture2D> dxt1 =
      load(imagesamples::WriteDdsCompressed("DXT1", 4, 4, QByteArray(8, '\x11')));
  const struct {
    const char* name;
    const TglTexture& texture;
    int type;
    QIODevice::OpenMode mode;
    const char* message;
  } cases[] = {
      {"type 5", *colour, 5, QIODevice::WriteOnly, "unknown image type."},
      {"no pixels", empty, itPng, QIODevice::WriteOnly, "no image data."},
      {"DXT1 as BMP", *dxt1, itBmp, QIODevice::WriteOnly,
       "compressed data can only be saved as DDS."},
      {"read-only stream", *colour, itPng, QIODevice::ReadOnly,
       "the stream is not open for writing."},
  };
  for (const auto& c : cases) {
    QByteArray file;
    QBuffer out(&file);
    out.open(c.mode);
    EXPECT_EQ(saveMessage(c.texture, out, c.type),
              QStringLiteral("TglTexture.SaveToStream - ") + QString::fromLatin1(c.message))
        << c.name;
    EXPECT_TRUE(file.isEmpty()) << c.name;
  }
  // A stream that takes part of the file says so.
  FullDevice full(20);
  EXPECT_TRUE(saveMessage(*colour, full, itBmp)
                  .startsWith(QStringLiteral("TglTexture.SaveToStream - Couldn't write Stream")));
}
