#pragma once
// The geometry of a result file's rectilinear grid, built once per opened file
// and shared by all of its views: cell sizes and interpolation weights, the
// active cells and the cells along the active region's border, one vertex
// array in four sections and the index arrays that draw outlines, filled cells
// and material edges with one indexed draw call each (GL_UNSIGNED_INT), plus
// the arrow glyph of the vector views. It holds no field values.
//
// Indexing, shared with the reader and the views: node (i, j) has index
// k = i * Ny + j (i along x, j along y); cell k is the rectangle between nodes
// i-1 .. i and j-1 .. j, so the cells of column 0 and row 0 have no area.
// A cell is active when its material is above 0 and it has an area; cells of
// column 0 and row 0 and neighbours beyond the grid's border count as inactive.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

// Leaves new elements of a resized array uninitialised: the build writes every
// vertex and index exactly once, and clearing hundreds of megabytes first would
// double the memory traffic for a large grid.
template <class T>
struct UninitialisedAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = UninitialisedAllocator<U>;
  };
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    if constexpr (sizeof...(Args) == 0)
      ::new (static_cast<void*>(p)) U;
    else
      ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

struct TGridVertex {
  float X, Y, Z;
};
static_assert(sizeof(TGridVertex) == 3 * sizeof(float), "vertices are tightly packed for GL");

struct TGridPoint {
  float X, Y;
};

// A short mark on a side of the active region: a node and the half sizes of
// the mark in grid units.
struct TSideMark {
  std::int32_t Node;
  float HalfWidth;
  float HalfHeight;
};

// A range [First, End) of SideMarks.
struct TSideRange {
  std::int32_t First;
  std::int32_t End;
};

// Which side of the active region a side list and a side range describe.
//   gsUp:    inactive cells whose +y neighbour is active
//   gsRight: inactive cells whose +x neighbour is active
//   gsDown:  active cells whose +y neighbour is inactive
//   gsLeft:  active cells whose +x neighbour is inactive
enum TGridSide : int { gsUp = 0, gsRight = 1, gsDown = 2, gsLeft = 3 };

class TGrid {
 public:
  using VertexArray = std::vector<TGridVertex, UninitialisedAllocator<TGridVertex>>;
  using IndexArray = std::vector<std::uint32_t, UninitialisedAllocator<std::uint32_t>>;

  // The largest grid Build accepts: 4 vertices per node must stay addressable
  // by signed 32-bit GL indices.
  static constexpr std::int64_t MaxNodeCount = (std::int64_t{1} << 31) / 4;

  TGrid();  // an empty grid with the arrow glyph

  // Builds everything from the reader's grid: nx * ny nodes, the cell material
  // table (index k = i * ny + j; 0 or negative = inactive; entries missing from
  // a short table count as inactive) and the y and x coordinates.
  // The origin is moved: y[0] and x[0] of the caller's arrays are set to 0,
  // which the text export and picking rely on. Raises base::Exception when nx or
  // ny is negative, a coordinate array is shorter than its count, or the grid
  // exceeds MaxNodeCount nodes. A grid with nx or ny below 2 has no active cell.
  void Build(int nx, int ny, std::span<const std::int16_t> cellMaterials,
             std::span<float> yOriginSetToZero, std::span<float> xOriginSetToZero);

  int Nx() const { return nx_; }
  int Ny() const { return ny_; }
  float MaxCellSize() const { return maxCellSize_; }
  float Width() const { return width_; }
  float Height() const { return height_; }

  // Cell widths (DX[0] = 0) and heights, and the weights WX[i] = DX[i+1] /
  // (DX[i] + DX[i+1]) (WX[0] = 1, WX[Nx-1] = 0) that interpolate cell values
  // onto nodes; where both neighbouring cells have no width the weight is 0.5.
  const std::vector<float>& DX() const { return dx_; }
  const std::vector<float>& DY() const { return dy_; }
  const std::vector<float>& WX() const { return wx_; }
  const std::vector<float>& WY() const { return wy_; }
  const std::vector<std::int32_t>& RowStart() const { return rowStart_; }

  // Active cells in index order; 1 / sqrt(their mean area), or 1 when there is
  // no active cell or their mean area is not positive.
  const std::vector<std::int32_t>& ActiveCells() const { return activeCells_; }
  float CellScale() const { return cellScale_; }

  // Side lists indexed by TGridSide; corner lists 0 .. 7 (interior cells only).
  const std::array<std::vector<std::int32_t>, 4>& SideLists() const { return sideLists_; }
  const std::array<std::vector<std::int32_t>, 8>& CornerLists() const { return cornerLists_; }

  // 4 * Nx * Ny vertices: nodes, cell centres (from CentreBase), x mid-points
  // (from XMidBase) and y mid-points (from YMidBase), each section indexed by k.
  const VertexArray& Vertices() const { return vertices_; }
  std::int32_t CentreBase() const { return centreBase_; }
  std::int32_t XMidBase() const { return xMidBase_; }
  std::int32_t YMidBase() const { return yMidBase_; }

  // GL_LINES round each active cell (8 per cell), GL_TRIANGLES filling each
  // active cell from its centre (12 per cell), GL_LINES where the material
  // changes (2 per edge: West, then East, South, North edges).
  const IndexArray& OutlineIndices() const { return outlineIndices_; }
  std::int32_t OutlineIndexCount() const { return std::int32_t(outlineIndices_.size()); }
  const IndexArray& FillIndices() const { return fillIndices_; }
  std::int32_t FillIndexCount() const { return std::int32_t(fillIndices_.size()); }
  const IndexArray& EdgeIndices() const { return edgeIndices_; }
  std::int32_t EdgeIndexCount() const { return std::int32_t(edgeIndices_.size()); }

  // Marks stored Up, Left, Down, Right; SideRanges indexed by TGridSide.
  const std::vector<TSideMark>& SideMarks() const { return sideMarks_; }
  std::int32_t SideMarkCount() const { return std::int32_t(sideMarks_.size()); }
  const std::array<TSideRange, 4>& SideRanges() const { return sideRanges_; }

  // Arrow of unit length along +x: 9 points, 5 triangles.
  const std::array<TGridPoint, 9>& ArrowPoints() const { return arrowPoints_; }
  const std::array<std::uint32_t, 15>& ArrowTriangles() const { return arrowTriangles_; }

 private:
  class CellTable;

  void buildSizes(std::span<const float> x, std::span<const float> y);
  void buildCells(const CellTable& cells);
  void buildVertices(std::span<const float> x, std::span<const float> y);
  void buildSideMarks(const CellTable& cells, std::span<const float> x, std::span<const float> y);

  int nx_ = 0;
  int ny_ = 0;
  float maxCellSize_ = 0;
  float width_ = 0;
  float height_ = 0;
  std::vector<float> dx_, dy_, wx_, wy_;
  std::vector<std::int32_t> rowStart_;
  std::vector<std::int32_t> activeCells_;
  float cellScale_ = 1;
  std::array<std::vector<std::int32_t>, 4> sideLists_;
  std::array<std::vector<std::int32_t>, 8> cornerLists_;
  VertexArray vertices_;
  std::int32_t centreBase_ = 0;
  std::int32_t xMidBase_ = 0;
  std::int32_t yMidBase_ = 0;
  IndexArray outlineIndices_;
  IndexArray fillIndices_;
  IndexArray edgeIndices_;
  std::vector<TSideMark> sideMarks_;
  std::array<TSideRange, 4> sideRanges_{};
  std::array<TGridPoint, 9> arrowPoints_;
  std::array<std::uint32_t, 15> arrowTriangles_;
};
