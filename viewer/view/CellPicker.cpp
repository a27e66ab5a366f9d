#include "viewer/view/CellPicker.h"

#include "base/Format.h"
#include "resultdata/SearchSortedSingles.h"
#include "resultdata/TResultFile.h"
#include "viewer/view/ViewFormat.h"

#include <algorithm>

namespace {

// How far (in cells) a point outside the material looks for a boundary cell.
constexpr int NeighbourReach = 2;

// Index of the cell along one axis: the insertion index of p among the node
// lines, at most the last cell.
int CellAlong(std::span<const float> lines, double p) {
  const int i = SearchSortedSingles(lines.data(), int(lines.size()), p);
  return std::min(i, int(lines.size()) - 1);
}

// The boundary-neighbour rule along one axis: i is the cell's index on the
// axis, count the number of cells on it, hasMaterial(k) tells whether cell k
// of the line has material. A material cell behind (d < 0) pulls the index
// to the cell just after it and the search goes on; a material cell ahead
// (d > 0) pulls it to the cell just before it and ends the search.
template <class HasMaterial>
int BoundaryIndex(int i, int count, HasMaterial hasMaterial) {
  int result = i;
  const int first = std::max(-i, -NeighbourReach);
  const int last = std::min(NeighbourReach, count - i - 1);
  for (int d = first; d <= last; ++d) {
    if (d == 0 || !hasMaterial(i + d)) continue;
    if (d < 0) {
      result = i + d + 1;
    } else {
      result = i + d - 1;
      break;
    }
  }
  return result;
}

}  // namespace

int CellLookup::MaterialOf(int i, int j) const {
  if (i < 0 || j < 0 || i >= Nx() || j >= Ny()) return 0;
  const std::size_t k = std::size_t(i) * std::size_t(Ny()) + std::size_t(j);
  return k < Materials.size() ? Materials[k] : 0;
}

std::optional<int> CellLookup::RecordOf(int materialNumber) const {
  if (materialNumber < 1 || materialNumber > MaterialRecords) return std::nullopt;
  return materialNumber - 1;
}

CellLookup CellLookup::Of(const TResultFile& file, const float* values) {
  CellLookup lookup;
  // The counts of the header rule; the arrays were checked against them when
  // read, but a mismatch must still not read past either.
  const auto nx = std::size_t(std::max(0, file.Nx()));
  const auto ny = std::size_t(std::max(0, file.Ny()));
  lookup.X = std::span<const float>(file.X()).first(std::min(nx, file.X().size()));
  lookup.Y = std::span<const float>(file.Y()).first(std::min(ny, file.Y().size()));
  lookup.Materials = file.CellMaterials();
  lookup.Values = values;
  lookup.MaterialRecords = int(file.Materials().size());
  return lookup;
}

std::optional<CellIndex> CellAt(const CellLookup& lookup, double px, double py) {
  if (lookup.Nx() == 0 || lookup.Ny() == 0) return std::nullopt;
  return CellIndex{CellAlong(lookup.X, px), CellAlong(lookup.Y, py)};
}

std::optional<CellReading> CellValueAt(const CellLookup& lookup, double px, double py) {
  const std::optional<CellIndex> cell = CellAt(lookup, px, py);
  if (!cell) return std::nullopt;
  const int nx = lookup.Nx();
  const int ny = lookup.Ny();

  CellReading reading;
  reading.I = cell->I;
  reading.J = cell->J;
  reading.Material = lookup.MaterialOf(cell->I, cell->J);
  if (reading.Material < 1) {
    const int j = cell->J;
    reading.I = BoundaryIndex(cell->I, nx, [&](int i) { return lookup.HasMaterial(i, j); });
    const int i = reading.I;
    reading.J = BoundaryIndex(j, ny, [&](int jj) { return lookup.HasMaterial(i, jj); });
  }
  if (lookup.Values != nullptr)
    reading.Value =
        lookup.Values[std::size_t(reading.I) * std::size_t(ny) + std::size_t(reading.J)];
  return reading;
}

QString CellPositionText(const CellReading& reading, double px, double py) {
  return base::Format(QStringLiteral("(%d,%d)=(%2.3fm,%2.3fm)"), {reading.I, reading.J, px, py});
}

QString CellValueText(const CellReading& reading, const QString& valueFormat) {
  return reading.Value ? FormatNumber(valueFormat, double(*reading.Value)) : QString();
}
