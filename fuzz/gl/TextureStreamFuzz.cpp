// Arbitrary bytes through a texture's stream loader, which tries every
// decoder in turn; a refusal must leave the stream where it was.
#include "fuzz/gl/DecodeFuzzing.h"
#include "gl/TglTexture.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  TglTexture2D texture;
  try {
    texture.LoadFromStream(buffer);
    TTextureImage image;
    image.format = texture.Format();
    image.width = texture.Width();
    image.height = texture.Height();
    image.pixels = texture.Data();
    checkDecoded(image);
  } catch (const base::Exception&) {
    if (buffer.pos() != 0) std::abort();
  }
  return 0;
}
