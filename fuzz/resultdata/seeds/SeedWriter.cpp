// Writes the seed corpus of the result-file fuzzer: one small file of every
// version and framing, with and without the value-range trailer, and a few
// odd but valid layouts.
#include "tests/support/writer/ResultFileWriter.h"

#include <QDir>

#include <cstdio>
#include <exception>

using namespace resultwriter;

namespace {

ResultFileSpec smallSpec(int version, Framing framing, bool ranges) {
  ResultFileSpec spec;
  spec.version = version;
  spec.framing = framing;
  spec.startDate = "24.12.1999_13.45";
  spec.setKinds({1, 5});
  if (version == 0) spec.slotNames[0] = "rel. Feuchte";
  spec.x = {0.0F, 1.0F, 2.5F};
  spec.y = {0.0F, 0.5F, 1.0F};
  if (ranges) {
    Ranges r{};
    for (int k = 0; k < 8; ++k) r[static_cast<std::size_t>(k)] = {float(-k), float(k + 1)};
    spec.ranges = r;
  }
  if (version >= 1) {
    spec.cellMaterials = {0, 0, 0, 0, 1, 2, 0, 2, 1};
    Material a;
    a.name = "Brick";
    a.values[0] = 1800.0F;
    Material b;
    b.name = "Plaster";
    if (version == 1) {
      a.curves[0] = {0, 0.6F, 0, 1, 0.9F, 0};
      a.curves[4] = {0.5F, 20, 0};
      a.curves[5] = {1, 2, 3, 4, 5};
    } else {
      a.curves[0] = {0, 0.6F, 1, 0.9F};
      a.curves[3] = {0, 10};
      a.curves[4] = {0.5F, 20, 0, 1, 200, 0};
      a.curves[8] = {1, 2};
    }
    spec.materials = {a, b};
  }
  addNumberedSteps(spec, 2);
  return spec;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s SEED_DIR\n", argv[0]);
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  try {
    const char* framingNames[] = {"plain", "prefixed", "records"};
    for (int version = 0; version <= 4; ++version)
      for (Framing framing : {Framing::Plain, Framing::Prefixed, Framing::Records}) {
        if (framing == Framing::Records && version > 1) continue;
        for (bool ranges : {true, false}) {
          const QString name = QStringLiteral("v%1-%2%3.vq3")
                                   .arg(version)
                                   .arg(QLatin1String(framingNames[static_cast<int>(framing)]))
                                   .arg(ranges ? QStringLiteral("-ranges") : QString());
          writeFile(smallSpec(version, framing, ranges), QDir(dir).filePath(name));
        }
      }
    ResultFileSpec gap = smallSpec(3, Framing::Prefixed, true);
    gap.gapBeforeSteps = 12;
    writeFile(gap, QDir(dir).filePath(QStringLiteral("v3-gap.vq3")));
    ResultFileSpec slots = smallSpec(0, Framing::Plain, false);
    slots.slotTable = {-1, 9, 0x0102, 0x0100, 200, 7, -300, 1};
    slots.steps.clear();
    addNumberedSteps(slots, 1);
    writeFile(slots, QDir(dir).filePath(QStringLiteral("v0-slots.vq3")));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
