#include "gl/TextureDecoders.h"

bool DecodeAnyImage(ByteSpan bytes, TTextureImage& image) {
  return DecodePng(bytes, image) || DecodeDds(bytes, image) || DecodeTga(bytes, image) ||
         DecodeJpeg(bytes, image) || DecodeBmp(bytes, image);
}
