#pragma once
// Writer-made result files for the reader's tests and a folder to put them in.
#include "tests/support/writer/ResultFileWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace samples {

using resultwriter::Framing;
using resultwriter::ResultFileSpec;

// nx x ny nodes at 0, 1, 2, ..., the given kinds and `steps` numbered steps.
inline ResultFileSpec plainSpec(int version, std::initializer_list<int> kinds, int nx, int ny,
                                int steps, Framing framing = Framing::Plain) {
  ResultFileSpec spec;
  spec.version = version;
  spec.framing = framing;
  spec.setKinds(kinds);
  for (int i = 0; i < nx; ++i) spec.x.push_back(float(i));
  for (int j = 0; j < ny; ++j) spec.y.push_back(float(j));
  resultwriter::addNumberedSteps(spec, steps);
  return spec;
}

// 4 x 3 nodes, temperature and capillary flux, two materials (versions 1 to
// 4), the ranges, and `steps` numbered steps: every feature a version carries.
inline ResultFileSpec richSpec(int version, Framing framing, int steps = 3, bool ranges = true) {
  ResultFileSpec spec = plainSpec(version, {2, 4}, 4, 3, steps, framing);
  spec.startDate = "24.12.1999_13.45";
  spec.slotNames[1] = "Kapillarstr\xf6mung";  // version 0, Windows-1252 ö
  if (ranges) {
    resultwriter::Ranges r{};
    for (int k = 0; k < 8; ++k) r[std::size_t(k)] = {float(-k), float(10 * k + 5)};
    r[0] = {-5000.0F, 3e9F};  // both clamped to -1000 .. 1e8
    r[1] = {std::nanf(""), std::nanf("")};
    spec.ranges = r;
  }
  if (version == 0) return spec;
  spec.cellMaterials = {0, 0, 0, 0, 1, 2, 0, 2, 2, 0, 1, 3};  // no material 3 in the file
  resultwriter::Material brick, plaster;
  brick.values[10] = 1010.0F;
  plaster.name = "Lime plaster \x80";  // Windows-1252 euro sign
  if (version == 1) {
    brick.curves[0] = {0.0F, 0.6F, 0.0F, 1.0F, 0.9F, 0.0F};  // two triples
    brick.curves[4] = {0.5F, 20.0F, 0.0F, 1.0F, 200.0F, 0.0F};
    brick.curves[5] = {1, 2, 3, 4, 5};
  } else {
    // Curve c holds c + 1 entries (c, e), and a third e + 0.5 in curve 4.
    for (std::size_t c = 0; c < 9; ++c)
      for (std::size_t e = 0; e <= c; ++e) {
        brick.curves[c].insert(brick.curves[c].end(), {float(c), float(e)});
        if (c == 4) brick.curves[4].push_back(float(e) + 0.5F);
      }
  }
  spec.materials = {brick, plaster};
  return spec;
}

// The framings a version can be written in.
inline std::vector<Framing> framingsOf(int version) {
  if (version <= 1) return {Framing::Plain, Framing::Prefixed, Framing::Records};
  return {Framing::Plain, Framing::Prefixed};
}

inline const char* framingName(Framing framing) {
  const char* names[] = {"plain", "prefixed", "records"};
  return names[int(framing)];
}

class TempFiles {
 public:
  QString write(const QString& name, const ResultFileSpec& spec,
                resultwriter::Layout* layout = nullptr) {
    resultwriter::writeFile(spec, path(name), layout);
    return path(name);
  }
  QString writeBytes(const QString& name, const QByteArray& bytes) {
    QFile file(path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_EQ(file.write(bytes), bytes.size());
    return path(name);
  }
  QString path(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
};

}  // namespace samples
