#pragma once
// Image decoders for textures: bytes in, a TTextureImage out, no GL context
// needed. Each one returns false when the bytes do not carry its signature
// (so that the next one can try), raises base::Exception when they do but
// cannot be decoded, and replaces `image` only on success.
//
// Image files are untrusted: sizes are checked (CheckImageSize) before
// anything is allocated, uncompressed pixel data must be present before its
// buffer is made, and run-length data writes only inside the image.
#include "gl/TexturePixelFormat.h"

#include <cstdint>
#include <span>

using ByteSpan = std::span<const std::uint8_t>;

// 8-bit grey 5, grey + alpha 7, RGB 12, RGBA 14; palette images are refused.
bool DecodePng(ByteSpan bytes, TTextureImage& image);
// Uncompressed 24/32-bit (11 / 13) and DXT1/3/5 (1 to 3, level 0 only).
bool DecodeDds(ByteSpan bytes, TTextureImage& image);
// Types 2, 3, 10, 11: grey 5, grey + alpha 7, colour 11 or 13 with alpha.
bool DecodeTga(ByteSpan bytes, TTextureImage& image);
// Grey 5, colour 11; CMYK and YCCK are refused.
bool DecodeJpeg(ByteSpan bytes, TTextureImage& image);
// 8-bit palettes give 5 when every entry is grey, else 11; 1/4/16/24 bits
// give 11, 32 bits 13.
bool DecodeBmp(ByteSpan bytes, TTextureImage& image);

// The decoders above in the order a stream is tried: PNG, DDS, TGA, JPEG, BMP.
// False when none recognises the bytes.
bool DecodeAnyImage(ByteSpan bytes, TTextureImage& image);
