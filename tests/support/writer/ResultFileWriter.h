#pragma once
// Writes simulation result files of every version (0 to 4) and framing
// (plain, prefixed, records) for tests, benchmarks, fuzz seeds and demo data.
// The program itself never writes result files; this writer is the
// independent counterpart of the reader and shares no code with it.
//
// Describe a file in a ResultFileSpec and write it to a path or to bytes:
//
//   resultwriter::ResultFileSpec spec;
//   spec.version = 2;
//   spec.setKinds({2, 4});             // temperature and capillary flux
//   spec.x = {0, 1, 2}; spec.y = {0, 1};
//   spec.steps.push_back({3600.0, {}, {}});
//   resultwriter::writeFile(spec, path);
//
// Kinds are the field kinds 0 to 7 (4 to 7 are vectors with a direction
// array); a missing array of a step is written as zeros.
#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

namespace resultwriter {

enum class Framing { Plain, Prefixed, Records };

struct Range {
  float min = 0.0F;
  float max = 0.0F;
};
using Ranges = std::array<Range, 8>;

struct Material {
  QByteArray name;  // Windows-1252, at most 49 bytes
  std::array<float, 11> values{};
  // By curve number, entry after entry. Entry widths (floats): versions 2 to
  // 4: 2, and 3 for curve 4; version 1: 3 for curves 0, 2 and 4, 5 for curve
  // 5, and curves 1, 3, 6, 7, 8 are not stored.
  std::array<std::vector<float>, 9> curves{};
};

struct Step {
  double time = 0.0;                               // seconds since the start date
  std::array<std::vector<float>, 8> values{};      // by kind, nx * ny each
  std::array<std::vector<float>, 8> directions{};  // vector kinds only
};

struct ResultFileSpec {
  int version = 2;
  Framing framing = Framing::Plain;
  QByteArray startDate = "1.1.2000_0.0";  // at most 16 bytes in the plain layout
  // The slot table as stored: version 0, the kind per slot (negative =
  // empty); versions 1 to 4, a presence flag per kind. setKinds fills it.
  std::array<std::int16_t, 8> slotTable{-1, -1, -1, -1, -1, -1, -1, -1};
  std::array<QByteArray, 8> slotNames{};  // version 0, at most 32 bytes each
  // Versions 3 and 4 store ranges in the body (zeros when unset); versions 0
  // to 2 get a "$minmax$" trailer when set.
  std::optional<Ranges> ranges;
  std::vector<float> x;
  std::vector<float> y;
  // Versions 1 to 4: nx * ny entries; left empty, every cell of column >= 1
  // and row >= 1 holds material 1.
  std::vector<std::int16_t> cellMaterials;
  std::vector<Material> materials;
  std::vector<Step> steps;
  // For files too big to describe in memory: generateStep(n, step) fills step
  // n (0 .. generatedStepCount - 1); written after the listed steps.
  int generatedStepCount = 0;
  std::function<void(int, Step&)> generateStep;
  // Versions 3 and 4: bytes left free between the body and the first step;
  // the header's first-step offset points past them.
  std::int32_t gapBeforeSteps = 0;
  std::uint32_t prefixWord = 0xA5A5A5A5;  // prefixed framing

  // Slot table for these kinds in this order (call after setting version).
  void setKinds(std::initializer_list<int> kinds);
  // The kind whose arrays each stored slot holds, in step order.
  std::vector<int> storedKinds() const;
  int nx() const { return static_cast<int>(x.size()); }
  int ny() const { return static_cast<int>(y.size()); }
};

// Where things landed, for tests that patch bytes.
struct Layout {
  std::int64_t bodyOffset = 0;            // first byte after the header (and extra word)
  std::int64_t nxOffset = 0;              // the i32 nx (ny follows 4 bytes later)
  std::int64_t materialCountOffset = -1;  // versions 1 to 4
  std::int64_t firstMaterialOffset = -1;  // versions 1 to 4
  std::int64_t firstStepOffset = 0;
  std::int64_t stepSize = 0;
  std::int64_t trailerOffset = -1;  // versions 0 to 2 with ranges
  std::int64_t fileSize = 0;
};

// Steps of nx * ny values where every value of step n, kind k is
// n * 100 + k (directions: n * 100 + k + 0.5); times 3600 * (n + 1).
void addNumberedSteps(ResultFileSpec& spec, int count);

// A version-2 file of temperatures only on a 6 x 7 grid of uneven cells:
// `count` steps half an hour apart, every cell at 20 + 5 sin(n / 10), so a
// mean over any rectangle follows one smooth curve.
ResultFileSpec temperatureRunSpec(int count);

// Raise std::runtime_error when the file cannot be written and
// std::invalid_argument for a spec that no file can hold.
QByteArray writeBytes(const ResultFileSpec& spec, Layout* layout = nullptr);
void writeFile(const ResultFileSpec& spec, const QString& path, Layout* layout = nullptr);

}  // namespace resultwriter
