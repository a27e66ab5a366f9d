#include "gl/EncoderSupport.h"

#include <png.h>

namespace encoder {

namespace {

// Frees libpng's state on every way out.
struct PngImage {
  png_image image{};
  PngImage() { image.version = PNG_IMAGE_VERSION; }
  ~PngImage() { png_image_free(&image); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
};

png_uint_32 pngFormat(Layout layout) {
  switch (layout) {
    case Layout::Grey:
      return PNG_FORMAT_GRAY;
    case Layout::GreyAlpha:
      return PNG_FORMAT_GA;
    case Layout::Bgr:
      return PNG_FORMAT_BGR;
    default:
      return PNG_FORMAT_BGRA;
  }
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const TTextureImageView& view) {
  const PlainImage image = ToPlain(view);
  PngImage png;
  png.image.width = png_uint_32(image.width);
  png.image.height = png_uint_32(image.height);
  png.image.format = pngFormat(image.layout);
  const png_int_32 stride = png_int_32(image.width) * png_int_32(image.channels());
  // The first pass only measures; libpng's errors come back as false results.
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&png.image, nullptr, &size, 0, image.pixels.data(), stride,
                                 nullptr))
    ThrowSaveError("the PNG library could not write the image.");
  std::vector<std::uint8_t> out(size);
  if (!png_image_write_to_memory(&png.image, out.data(), &size, 0, image.pixels.data(), stride,
                                 nullptr))
    ThrowSaveError("the PNG library could not write the image.");
  out.resize(size);
  return out;
}

}  // namespace encoder
