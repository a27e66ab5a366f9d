#pragma once
// The body every decoder fuzz target shares: decode, and when the decoder
// accepts, read every byte of what it made, so that a short buffer shows up
// under AddressSanitizer.
#include "base/Exceptions.h"
#include "gl/TextureDecoders.h"

#include <cstdlib>

inline void checkDecoded(const TTextureImage& image) {
  if (image.width < 1 || image.height < 1 || image.width > kMaxImageSide ||
      image.height > kMaxImageSide ||
      image.pixels.size() != FormatDataSize(image.format, image.width, image.height))
    std::abort();
  volatile unsigned sum = 0;
  for (std::uint8_t v : image.pixels) sum = sum + v;
}

inline int fuzzDecoder(bool (*decode)(ByteSpan, TTextureImage&), const std::uint8_t* data,
                       std::size_t size) {
  TTextureImage image;
  try {
    if (decode(ByteSpan(data, size), image)) checkDecoded(image);
  } catch (const base::Exception&) {
  }
  return 0;
}
