#pragma once
// Image writers for textures: a texture's pixels in, the bytes of a file out,
// no GL context needed. The whole file is made in memory before anything is
// written, so a save that fails leaves nothing behind. Each writer raises
// base::Exception ("TglTexture.SaveToStream - ...") when it cannot write the
// pixels.
//
// The writers keep what their type can hold of every uncompressed pixel
// format: grey stays grey where the type has grey (DDS has none), alpha stays
// where the type has room for it (JPEG has none and drops it), packed channels
// are widened to 8 bits. Compressed (DXT) data goes to DDS only, as it is.
#include "gl/TextureDecoders.h"

#include <cstdint>
#include <vector>

// The file types SaveToStream takes, numbered as callers pass them.
enum TglImageFileType : int { itBmp = 0, itTga = 1, itJpeg = 2, itPng = 3, itDds = 4 };

// A texture's pixels as the writers read them: rows top line first, no
// padding between rows.
struct TTextureImageView {
  int format = tfNone;
  int width = 0;
  int height = 0;
  ByteSpan pixels;
};

// The writer of `type`; raises for an unknown type, for no or inconsistent
// pixels, and for compressed data in any type but DDS.
std::vector<std::uint8_t> EncodeImage(const TTextureImageView& image, int type);
