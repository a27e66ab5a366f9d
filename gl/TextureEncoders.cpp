#include "gl/EncoderSupport.h"

#include "base/Exceptions.h"
#include "gl/DecoderSupport.h"

namespace encoder {

namespace {

// Packed formats, widened channel by channel to blue, green, red (, alpha).
decoder::MaskedPixels packedChannels(int format) {
  decoder::MaskedPixels p;
  auto set = [&p](std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a) {
    p.red = decoder::MaskChannel(r);
    p.green = decoder::MaskChannel(g);
    p.blue = decoder::MaskChannel(b);
    p.alpha = decoder::MaskChannel(a);
    p.withAlpha = a != 0;
  };
  switch (format) {
    case tfR3G3B2:
      set(0xE0, 0x1C, 0x03, 0);
      break;
    case tfRGBA4:
      set(0xF000, 0x0F00, 0x00F0, 0x000F);
      break;
    case tfR5G6B5:
      set(0xF800, 0x07E0, 0x001F, 0);
      break;
    case tfRGB5A1:
      set(0x7C00, 0x03E0, 0x001F, 0x8000);
      break;
    default:  // tfABGR8: alpha, blue, green, red in memory
      set(0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF);
      break;
  }
  return p;
}

}  // namespace

PlainImage ToPlain(const TTextureImageView& image) {
  PlainImage plain;
  plain.width = image.width;
  plain.height = image.height;
  const std::size_t count = std::size_t(image.width) * std::size_t(image.height);
  const std::uint8_t* src = image.pixels.data();
  switch (image.format) {
    case tfLuminance8:
      plain.layout = Layout::Grey;
      plain.pixels = image.pixels;
      return plain;
    case tfLuminance8Alpha8:
      plain.layout = Layout::GreyAlpha;
      plain.pixels = image.pixels;
      return plain;
    case tfBGR8:
      plain.layout = Layout::Bgr;
      plain.pixels = image.pixels;
      return plain;
    case tfBGRA8:
      plain.layout = Layout::Bgra;
      plain.pixels = image.pixels;
      return plain;
    case tfAlpha8:
      // As GL samples it: black, with the alpha.
      plain.layout = Layout::GreyAlpha;
      plain.owned.resize(count * 2);
      for (std::size_t i = 0; i < count; ++i) plain.owned[2 * i + 1] = src[i];
      break;
    case tfRGB8:
    case tfRGBA8: {
      const std::size_t n = image.format == tfRGB8 ? 3 : 4;
      plain.layout = n == 3 ? Layout::Bgr : Layout::Bgra;
      plain.owned.assign(src, src + count * n);
      for (std::size_t i = 0; i < count; ++i) std::swap(plain.owned[n * i], plain.owned[n * i + 2]);
      break;
    }
    default: {
      const decoder::MaskedPixels packed = packedChannels(image.format);
      const std::size_t in = std::size_t(FormatGetSize(image.format));
      const std::size_t out = packed.withAlpha ? 4 : 3;
      plain.layout = packed.withAlpha ? Layout::Bgra : Layout::Bgr;
      plain.owned.resize(count * out);
      for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t pixel = 0;
        for (std::size_t b = 0; b < in; ++b) pixel |= std::uint32_t(src[in * i + b]) << (8 * b);
        packed.put(pixel, plain.owned.data() + out * i);
      }
      break;
    }
  }
  plain.pixels = ByteSpan(plain.owned);
  return plain;
}

std::vector<std::uint8_t> ToColour(const PlainImage& image, bool withAlpha) {
  const std::size_t count = std::size_t(image.width) * std::size_t(image.height);
  const std::size_t in = image.channels(), out = withAlpha ? 4 : 3;
  std::vector<std::uint8_t> colour(count * out);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* s = image.pixels.data() + in * i;
    std::uint8_t* d = colour.data() + out * i;
    if (image.isGrey()) {
      d[0] = d[1] = d[2] = s[0];
    } else {
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
    }
    if (withAlpha) d[3] = image.hasAlpha() ? s[in - 1] : 255;
  }
  return colour;
}

void ThrowSaveError(const char* text) {
  throw base::Exception(QStringLiteral("TglTexture.SaveToStream - ") + QString::fromLatin1(text));
}

}  // namespace encoder

std::vector<std::uint8_t> EncodeImage(const TTextureImageView& image, int type) {
  using encoder::ThrowSaveError;
  if (type < itBmp || type > itDds) ThrowSaveError("unknown image type.");
  const bool sizeOk =
      image.format > tfNone && image.format < kPixelFormatCount && image.width >= 1 &&
      image.width <= kMaxImageSide && image.height >= 1 && image.height <= kMaxImageSide &&
      image.pixels.size() == FormatDataSize(image.format, image.width, image.height);
  if (!sizeOk) ThrowSaveError("no image data.");
  if (FormatIsCompressed(image.format) && type != itDds)
    ThrowSaveError("compressed data can only be saved as DDS.");
  switch (type) {
    case itBmp:
      return encoder::EncodeBmp(image);
    case itTga:
      return encoder::EncodeTga(image);
    case itJpeg:
      return encoder::EncodeJpeg(image);
    case itPng:
      return encoder::EncodePng(image);
    default:
      return encoder::EncodeDds(image);
  }
}
