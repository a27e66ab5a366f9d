// Writes the seed corpora of the texture fuzzers below the folder given:
// fuzz_<Kind>DecodeFuzz gets the samples of its kind, fuzz_TextureStreamFuzz all.
#include "tests/support/ImageSamples.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: texture_seed_writer SEED-ROOT\n");
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  const struct {
    const char* prefix;
    const char* target;
  } kinds[] = {{"png", "fuzz_PngDecodeFuzz"}, {"jpeg", "fuzz_JpegDecodeFuzz"},
               {"dds", "fuzz_DdsDecodeFuzz"}, {"tga", "fuzz_TgaDecodeFuzz"},
               {"bmp", "fuzz_BmpDecodeFuzz"}, {"", "fuzz_TextureStreamFuzz"}};
  try {
    for (const imagesamples::ImageSample& s : imagesamples::AllSamples())
      for (const auto& k : kinds) {
        if (!s.name.startsWith(QLatin1String(k.prefix))) continue;
        const QString folder = root.filePath(QLatin1String(k.target));
        QDir().mkpath(folder);
        QFile file(QDir(folder).filePath(s.name));
        if (!file.open(QIODevice::WriteOnly) || file.write(s.bytes) != s.bytes.size()) {
          std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
          return 1;
        }
      }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
