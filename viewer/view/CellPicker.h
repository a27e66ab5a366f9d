#pragma once
// The cell under a point of the grid and the value a user reads there.
//
// Coordinates are grid coordinates in metres: the node lines of the result
// file with their origin moved to 0 (as TGrid::Build leaves them), so a
// picked scene point becomes (x + grid width / 2, y + grid height / 2).
// Cell (i, j) is the rectangle between node lines i-1 .. i and j-1 .. j, so a
// point on a node line belongs to the cell on its lower side.
//
// Nothing here trusts its arrays: a material table shorter than Nx * Ny counts
// the missing cells as without material, and coordinate arrays shorter than
// their counts are only searched as far as they go.
#include <QString>

#include <cstdint>
#include <optional>
#include <span>

class TResultFile;

// What the picker reads: the node lines, the cell material table (index
// i * Ny + j; 0 = none, m > 0 = material record m - 1), the current step's
// values of the view's kind (nullptr when the file lacks the kind) and the
// number of material records (0 for files without records).
struct CellLookup {
  std::span<const float> X;
  std::span<const float> Y;
  std::span<const std::int16_t> Materials;
  const float* Values = nullptr;
  int MaterialRecords = 0;

  int Nx() const { return int(X.size()); }
  int Ny() const { return int(Y.size()); }
  // Material number of cell (i, j); 0 outside the grid or the table.
  int MaterialOf(int i, int j) const;
  bool HasMaterial(int i, int j) const { return MaterialOf(i, j) > 0; }
  // The record index of material number n (n - 1), or nullopt when the file
  // holds no such record (version-0 files hold none).
  std::optional<int> RecordOf(int materialNumber) const;

  // The reader's arrays (its X and Y after the grid moved their origin).
  static CellLookup Of(const TResultFile& file, const float* values);
};

// The cell that holds (px, py), each index clamped to the grid: the column
// from the x lines, the row from the y lines. nullopt for an empty grid.
struct CellIndex {
  int I = 0;
  int J = 0;
};
std::optional<CellIndex> CellAt(const CellLookup& lookup, double px, double py);

// What the hover status shows for a point.
struct CellReading {
  // The cell whose value is shown: the cell under the point, or the boundary
  // cell next to the material when the point lies within two cells outside it.
  int I = 0;
  int J = 0;
  // Material number of the cell under the point (not of the shown cell).
  int Material = 0;
  // The shown value; nullopt when the file lacks the kind.
  std::optional<float> Value;
};

// The reading at (px, py). Inside material: that cell's value. Outside: the
// value of the nearest boundary cell within two cells, looked for first along
// the row, then along the column; farther away the cell's own value.
std::optional<CellReading> CellValueAt(const CellLookup& lookup, double px, double py);

// The two hover status lines of a reading at (px, py): "(i,j)=(x m,y m)" and
// the value in the view's value format (empty without a value).
QString CellPositionText(const CellReading& reading, double px, double py);
QString CellValueText(const CellReading& reading, const QString& valueFormat);
