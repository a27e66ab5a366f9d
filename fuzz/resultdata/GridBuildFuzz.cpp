// Grids as a file can hold them: any size up to 64 x 64, any float
// coordinates (descending, equal, NaN, infinite) and any material table,
// possibly shorter than the grid. Build must never read or write out of bounds
// and every index must address a vertex.
#include "resultdata/TGrid.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int nx = data[0] % 65, ny = data[1] % 65;
  data += 2;
  size -= 2;
  auto take = [&](void* out, std::size_t bytes) {
    if (bytes == 0) return;
    const std::size_t n = bytes < size ? bytes : size;
    std::memset(out, 0, bytes);
    if (n > 0) std::memcpy(out, data, n);
    data += n;
    size -= n;
  };
  std::vector<float> x(static_cast<std::size_t>(nx)), y(static_cast<std::size_t>(ny));
  take(x.data(), x.size() * sizeof(float));
  take(y.data(), y.size() * sizeof(float));
  std::vector<std::int16_t> cells(size / 2);
  take(cells.data(), cells.size() * 2);

  TGrid grid;
  grid.Build(nx, ny, cells, y, x);
  const auto vertices = grid.Vertices().size();
  for (auto* indices : {&grid.OutlineIndices(), &grid.FillIndices(), &grid.EdgeIndices()})
    for (std::uint32_t index : *indices)
      if (index >= vertices) std::abort();
  for (const TSideMark& mark : grid.SideMarks())
    if (mark.Node < 0 || std::size_t(mark.Node) >= vertices / 4) std::abort();
  return 0;
}
