#pragma once
// Draws one frame of a view from its ViewModel with fixed-function GL: the
// field (relief or arrows, with the side panel) inside the user's transform,
// then the overlays (grid lines, axis tripod, boundary markers, material
// borders) inside a copy of it. Everything large is drawn from the model's
// prebuilt arrays with one draw each; only the side panel is drawn vertex
// by vertex.
//
// Needs a current compatibility-profile context with the view's projection
// and viewport applied.
#include "viewer/view/BoundaryMarkers.h"
#include "viewer/view/ReliefFacing.h"

#include <cstdint>
#include <vector>

class TGLLight;
class TGLMaterial;
class TGLTransform;
class ViewModel;
struct ViewTransform;

// The form's materials and light that the side panel uses.
struct ViewLighting {
  const TGLMaterial& Material1;  // front faces of the side panel
  const TGLMaterial& Material2;  // back faces
  const TGLLight& Light1;        // the side panel's light when lighted
};

class ViewPainter {
 public:
  ViewPainter(ViewModel& model, ViewLighting lighting);

  // Copies the model's transform into the user's transform component.
  static void LoadTransform(const ViewTransform& from, TGLTransform& to);
  // Copies translation, axis, angles and scales from one transform to another.
  static void CopyTransform(const TGLTransform& from, TGLTransform& to);

  // One-time state of a new context: two-sided lighting, counter-clockwise
  // front faces.
  static void InitializeContext();

  // The whole frame: `user` is loaded from the model and draws the field;
  // `overlay` receives a copy and draws the overlays. clientWidth and
  // clientHeight are the window's (they place the tripod).
  void PaintFrame(TGLTransform& user, TGLTransform& overlay, int clientWidth, int clientHeight);

  // The two halves, for the transforms' paint callbacks.
  void PaintField();
  void PaintOverlays(int clientWidth, int clientHeight);

 private:
  void drawSidePanel();
  void drawRelief();
  void collectBackFaces(unsigned mode, const std::uint32_t* indices, int count);
  void drawArrows();
  void drawGridLines();
  void drawAxisTripod(int clientWidth, int clientHeight);
  void drawBoundaryMarkers();
  void drawMaterialBorders();
  void bindVertices();

  ViewModel& model_;
  ViewLighting lighting_;
  BoundaryMarkers markers_;
  ReliefFacing facing_;
  std::uint64_t facingVersion_ = ~std::uint64_t{0};  // heights the slope bounds are of
  int facingCorners_ = 0;
  std::vector<std::uint32_t> backFaces_;  // indices of the relief's back faces
  std::vector<TGridVertex> edgePoints_;   // material borders, two per edge
  std::uint64_t edgeVersion_ = ~std::uint64_t{0};
};
