#pragma once
// A result file's grid for geometry tests: coordinates and a cell material
// table laid out column by column (k = i * ny + j), as the reader holds them.
#include "resultdata/TGrid.h"

#include <cstdint>
#include <vector>

struct GridInput {
  std::vector<float> x;
  std::vector<float> y;
  std::vector<std::int16_t> cells;

  int nx() const { return int(x.size()); }
  int ny() const { return int(y.size()); }
  std::int16_t& at(int i, int j) { return cells[std::size_t(i * ny() + j)]; }
  void build(TGrid& grid) { grid.Build(nx(), ny(), cells, y, x); }
};

// Coordinates 0, 1, 2, ... along both axes and every cell inactive.
inline GridInput unitGrid(int nx, int ny) {
  GridInput g;
  for (int i = 0; i < nx; ++i) g.x.push_back(float(i));
  for (int j = 0; j < ny; ++j) g.y.push_back(float(j));
  g.cells.assign(std::size_t(nx * ny), 0);
  return g;
}
