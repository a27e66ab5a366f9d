#include "viewer/view/ViewPainter.h"

#include "base/Colors.h"
#include "gl/TGLLight.h"
#include "gl/TGLMaterial.h"
#include "gl/TGLTransform.h"
#include "platform/GlutLoader.h"
#include "viewer/view/ViewFormat.h"
#include "viewer/view/ViewModel.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// The four walls of the unit cube (x = -1, y = -1, y = 1, x = 1) between two
// heights, each facing inwards so that the far walls show their front.
void drawWalls(float z0, float z1, bool normals) {
  struct Wall {
    float n[3];
    float p[4][2];  // (x, y) of the corners; z alternates z0, z1 below
  };
  static constexpr Wall walls[4] = {
      {{1, 0, 0}, {{-1, -1}, {-1, 1}, {-1, 1}, {-1, -1}}},
      {{0, 1, 0}, {{-1, -1}, {-1, -1}, {1, -1}, {1, -1}}},
      {{0, -1, 0}, {{-1, 1}, {1, 1}, {1, 1}, {-1, 1}}},
      {{-1, 0, 0}, {{1, -1}, {1, -1}, {1, 1}, {1, 1}}},
  };
  // Corner heights per wall so that every polygon winds counter-clockwise
  // seen from inside the cube.
  static constexpr int lift[4][4] = {{0, 0, 1, 1}, {0, 1, 1, 0}, {0, 0, 1, 1}, {0, 1, 1, 0}};
  for (int w = 0; w < 4; ++w) {
    glBegin(GL_POLYGON);
    if (normals) glNormal3fv(walls[w].n);
    for (int k = 0; k < 4; ++k)
      glVertex3f(walls[w].p[k][0], walls[w].p[k][1], lift[w][k] != 0 ? z1 : z0);
    glEnd();
  }
}

}  // namespace

ViewPainter::ViewPainter(ViewModel& model, ViewLighting lighting)
    : model_(model), lighting_(lighting) {}

void ViewPainter::LoadTransform(const ViewTransform& from, TGLTransform& to) {
  to.setTranX(from.TranX);
  to.setTranY(from.TranY);
  to.setTranZ(from.TranZ);
  to.setAxisX(from.AxisX);
  to.setAxisY(from.AxisY);
  to.setAxisZ(from.AxisZ);
  to.setAngle(from.Angle);
  to.setAngleX(from.AngleX);
  to.setAngleY(from.AngleY);
  to.setAngleZ(from.AngleZ);
  to.setScaleX(from.ScaleX);
  to.setScaleY(from.ScaleY);
  to.setScaleZ(from.ScaleZ);
}

void ViewPainter::CopyTransform(const TGLTransform& from, TGLTransform& to) {
  to.setTranX(from.TranX());
  to.setTranY(from.TranY());
  to.setTranZ(from.TranZ());
  to.setAxisX(from.AxisX());
  to.setAxisY(from.AxisY());
  to.setAxisZ(from.AxisZ());
  to.setAngle(from.Angle());
  to.setAngleX(from.AngleX());
  to.setAngleY(from.AngleY());
  to.setAngleZ(from.AngleZ());
  to.setScaleX(from.ScaleX());
  to.setScaleY(from.ScaleY());
  to.setScaleZ(from.ScaleZ());
}

void ViewPainter::InitializeContext() {
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
  glFrontFace(GL_CCW);
}

void ViewPainter::PaintFrame(TGLTransform& user, TGLTransform& overlay, int clientWidth,
                             int clientHeight) {
  LoadTransform(model_.Transform(), user);
  CopyTransform(user, overlay);
  user.setOnPaint([this](TGLTransform&) { PaintField(); });
  overlay.setOnPaint([this, clientWidth, clientHeight](TGLTransform&) {
    PaintOverlays(clientWidth, clientHeight);
  });
  user.Paint();
  overlay.Paint();
}

// ---- the field ----

void ViewPainter::PaintField() {
  const TGrid* grid = model_.Grid();
  if (grid == nullptr) return;

  const base::TColor background = base::ColorToRGB(model_.Legend().Color());
  glClearColor(GLfloat(base::GetRValue(background)) / 255.0f,
               GLfloat(base::GetGValue(background)) / 255.0f,
               GLfloat(base::GetBValue(background)) / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

  if (model_.HasFlag(dfSidePanel)) drawSidePanel();

  glEnable(GL_AUTO_NORMAL);
  glEnable(GL_NORMALIZE);
  glDisable(GL_LIGHTING);

  model_.PrepareForPaint();

  glTranslatef(-grid->Width() / 2, -grid->Height() / 2, 0);

  if (!model_.HasFlag(dfArrow) && model_.Kind() != dkEmpty) drawRelief();
  if (model_.HasFlag(dfArrow)) drawArrows();
}

void ViewPainter::bindVertices() {
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, model_.Vertices().data());
}

// The relief's triangles (or quads) that face away from the viewer, which
// the back-face mode outlines; none in the usual views.
void ViewPainter::collectBackFaces(unsigned mode, const std::uint32_t* indices, int count) {
  backFaces_.clear();
  const int corners = mode == GL_QUADS ? 4 : 3;
  const std::span<const std::uint32_t> polygons(indices, std::size_t(count));
  if (facingVersion_ != model_.HeightsVersion() || facingCorners_ != corners) {
    facing_.Update(model_.Vertices(), polygons, corners);
    facingVersion_ = model_.HeightsVersion();
    facingCorners_ = corners;
  }
  GLfloat m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  if (facing_.MayHaveBackFaces(m)) facing_.CollectBackFaces(m, polygons, backFaces_);
}

void ViewPainter::drawRelief() {
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  const GLenum front = model_.HasFlag(dfWireFrame) ? GL_LINE : GL_FILL;
  glPolygonMode(GL_FRONT, front);
  glPolygonMode(GL_BACK, GL_LINE);
  glShadeModel(model_.ShadeModel());
  if (model_.Values() == nullptr) return;

  bindVertices();
  glEnableClientState(GL_COLOR_ARRAY);
  GLenum mode = GL_TRIANGLES;
  GLsizei count = 0;
  const std::uint32_t* indices = nullptr;
  if (model_.ShadeModel() == ViewModel::glFlat) {
    // Each quad takes the colour of its last corner, which holds the class
    // colour of that cell alone.
    const auto& quads = model_.FlatQuads();
    glColorPointer(3, GL_UNSIGNED_BYTE, 0, model_.FlatColors().data());
    mode = GL_QUADS;
    count = GLsizei(quads.size());
    indices = quads.data();
  } else {
    const TGrid& grid = *model_.Grid();
    glColorPointer(3, GL_UNSIGNED_BYTE, 0, model_.Colors().data());
    count = grid.FillIndexCount();
    indices = grid.FillIndices().data();
  }
  if (count > 0) {
    // Front faces filled (or outlined in wireframe) in one pass with one mode
    // for both faces, then the back faces, which are few if any, outlined.
    // This draws what one pass with the two modes draws, without the driver
    // sorting every triangle by its facing.
    collectBackFaces(mode, indices, count);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glPolygonMode(GL_BACK, front);
    // The filled surface moves back a little in depth, so that lines drawn
    // later at the nodes' own heights (grid lines, borders) win the depth
    // test along their whole length instead of breaking into dashes.
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.0f, 1.0f);
    glDrawElements(mode, count, GL_UNSIGNED_INT, indices);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_BACK, GL_LINE);
    if (!backFaces_.empty()) {
      glPolygonMode(GL_FRONT, GL_LINE);
      glDrawElements(mode, GLsizei(backFaces_.size()), GL_UNSIGNED_INT, backFaces_.data());
      glPolygonMode(GL_FRONT, front);
    }
  }
  glDisableClientState(GL_COLOR_ARRAY);
}

void ViewPainter::drawArrows() {
  const ArrowList& arrows = model_.BuildArrows();
  glPolygonMode(GL_FRONT, GL_FILL);
  glDepthFunc(GL_LEQUAL);
  glColor3f(0, 0, 0);
  glLineWidth(1);
  if (arrows.VertexCount() == 0) return;
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, arrows.Vertices().data());
  glEnableClientState(GL_COLOR_ARRAY);
  glColorPointer(3, GL_UNSIGNED_BYTE, 0, arrows.Colors().data());
  glDrawArrays(GL_TRIANGLES, 0, arrows.VertexCount());
  glDisableClientState(GL_COLOR_ARRAY);
}

void ViewPainter::drawSidePanel() {
  const TGrid& grid = *model_.Grid();
  const float min = model_.RangeMin(), max = model_.RangeMax();
  glPushMatrix();
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glTranslatef(0, 0, min);
  glScalef(1.1f * grid.Width() / 2, 1.1f * grid.Height() / 2, (max - min) / 2);
  glTranslatef(0, 0, 1);

  // Value numbers at the four corners, only when looking at the panel from
  // the side (straight down they would all pile up in the corners).
  const ViewTransform& t = model_.Transform();
  const platform::GlutLoader& glut = platform::GlutLoader::instance();
  if (model_.NumberingEnabled() && !(t.AngleX == 0 && t.AngleY == 0) && glut.hasBitmapCharacter()) {
    glColor3f(0.25f, 0.4609375f, 0.75f);
    for (int level = -5; level <= 5; ++level) {
      const QByteArray text =
          FormatNumber(model_.NumberFormat(), min + (level + 5) * (max - min) / 10.0).toLatin1();
      const float z = float(level) * 0.2f - 0.02f;
      for (const auto& corner : {std::pair{-1, -1}, {-1, 1}, {1, 1}, {1, -1}}) {
        glRasterPos3f(float(corner.first), float(corner.second), z);
        glut.bitmapTextHelvetica12(text.constData());
      }
    }
    glColor3f(0.82f, 0.82f, 0.78f);
  }

  glPolygonMode(GL_FRONT, GL_FILL);
  glPolygonMode(GL_BACK, GL_LINE);
  const bool lighted = model_.SidePanelLighted();
  glPushMatrix();
  glLoadIdentity();
  const auto& light = model_.LightPos();
  glTranslatef(light[0], light[1], light[2]);
  if (lighted) {
    glEnable(GL_LIGHTING);
    lighting_.Light1.Apply();
  } else {
    glColor3f(0.56f, 0.54f, 0.47f);
  }
  glPopMatrix();
  lighting_.Material1.Apply();
  lighting_.Material2.Apply();
  drawWalls(-1, 1, true);
  if (lighted) glDisable(GL_LIGHTING);

  // Ten bands of lines; only the walls facing the viewer's back are culled.
  glColor3f(0.82f, 0.82f, 0.78f);
  glLineWidth(1);
  glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  for (int level = -5; level <= 4; ++level)
    drawWalls(0.2f * float(level), 0.2f * float(level + 1), false);
  glDisable(GL_CULL_FACE);
  glPopMatrix();
}

// ---- the overlays ----

void ViewPainter::PaintOverlays(int clientWidth, int clientHeight) {
  const TGrid* grid = model_.Grid();
  if (grid == nullptr) return;
  glTranslatef(-grid->Width() / 2, -grid->Height() / 2, 0);
  if (model_.HasFlag(dfOutline) && !model_.HasFlag(dfWireFrame)) drawGridLines();
  if (!model_.HasFlag(dfArrow)) drawAxisTripod(clientWidth, clientHeight);
  if (model_.Kind() == dkRelHumidity || model_.Kind() == dkTemperature) drawBoundaryMarkers();
  if (model_.HasFlag(dfMaterialBorders)) drawMaterialBorders();
}

void ViewPainter::drawGridLines() {
  const TGrid& grid = *model_.Grid();
  glEnable(GL_AUTO_NORMAL);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(model_.GridDepthFunc());
  glColor3f(0.3f, 0.3f, 0.3f);
  glLineWidth(1);
  glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
  // GLUT drawing in between replaces the client arrays: set them every time.
  bindVertices();
  glDisableClientState(GL_COLOR_ARRAY);
  if (grid.OutlineIndexCount() > 0)
    glDrawElements(GL_LINES, grid.OutlineIndexCount(), GL_UNSIGNED_INT,
                   grid.OutlineIndices().data());
  glDisable(GL_AUTO_NORMAL);
}

void ViewPainter::drawAxisTripod(int clientWidth, int clientHeight) {
  const platform::GlutLoader& glut = platform::GlutLoader::instance();
  if (!glut.hasSolidCube() && !glut.hasSolidCone() && !glut.hasBitmapCharacter()) return;
  const ViewTransform& t = model_.Transform();
  glPushMatrix();
  glLoadIdentity();
  const float aspect = clientWidth > 0 ? float(clientHeight) / float(clientWidth) : 1.0f;
  glTranslatef(-0.8f, aspect - 0.1f, 1.2f);
  glRotatef(t.AngleX, 1, 0, 0);
  glRotatef(t.AngleY, 0, 1, 0);
  glRotatef(t.AngleZ, 0, 0, 1);
  glColor3f(0.8f, 0.8f, 0.78f);
  glScalef(0.2f, 0.2f, 0.2f);

  auto axis = [&glut](char letter) {
    glPushMatrix();
    glScalef(1, 0.1f, 0.1f);
    glTranslatef(1.0f / 3, -0.05f, -0.05f);
    glut.solidCube(2.0 / 3);
    glTranslatef(1.0f / 3, 0, 0);
    glRotatef(90, 0, 1, 0);
    glut.solidCone(0.8, 1.0 / 3, 16, 32);
    GLfloat saved[4];
    glGetFloatv(GL_CURRENT_COLOR, saved);
    glColor3f(0.25f, 0.4609375f, 0.75f);
    glRasterPos3f(-0.25f, -0.25f, 0.25f);
    glut.bitmapCharacterHelvetica12(letter);
    glColor4fv(saved);
    glPopMatrix();
  };
  axis('X');
  glPushMatrix();
  glRotatef(-90, 0, 1, 0);
  axis('Z');
  glPopMatrix();
  glRotatef(90, 0, 0, 1);
  axis('Y');
  glPopMatrix();
}

void ViewPainter::drawBoundaryMarkers() {
  markers_.Build(*model_.Grid(), model_.Vertices(), model_.Colors(),
                 model_.ShadeModel() == ViewModel::glFlat, model_.ColorScale(),
                 model_.BoundarySides());
  glLineWidth(1);
  if (markers_.Count() > 0) {
    // Solid (both faces filled), then the edges of every face in dark grey.
    glEnableClientState(GL_VERTEX_ARRAY);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glVertexPointer(3, GL_FLOAT, 0, markers_.FillVertices().data());
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(3, GL_UNSIGNED_BYTE, 0, markers_.FillColors().data());
    glDrawArrays(GL_TRIANGLES, 0, GLsizei(markers_.FillVertices().size() / 3));
    glDisableClientState(GL_COLOR_ARRAY);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glColor3ub(78, 78, 78);
    glVertexPointer(3, GL_FLOAT, 0, markers_.OutlineVertices().data());
    glDrawArrays(GL_LINES, 0, GLsizei(markers_.OutlineVertices().size() / 3));
  }
  glDisable(GL_CULL_FACE);
}

void ViewPainter::drawMaterialBorders() {
  const TGrid& grid = *model_.Grid();
  glEnable(GL_AUTO_NORMAL);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(model_.MatDepthFunc());
  glColor3f(0.1f, 0.1f, 0.1f);
  glLineWidth(2);
  glPolygonMode(GL_BACK, GL_LINE);
  glPolygonMode(GL_FRONT, GL_LINE);
  // The edges touch few of the view's vertices but span all of them: an
  // indexed draw would have the driver take in the whole vertex array for a
  // few thousand lines. Their end points are copied out once per change of
  // heights instead.
  if (edgeVersion_ != model_.HeightsVersion() || edgePoints_.empty()) {
    const auto& vertices = model_.Vertices();
    const auto& edges = grid.EdgeIndices();
    edgePoints_.clear();
    edgePoints_.reserve(edges.size());
    for (const std::uint32_t index : edges)
      if (index < vertices.size()) edgePoints_.push_back(vertices[index]);
    edgeVersion_ = model_.HeightsVersion();
  }
  // Set the arrays every time: the tripod's GLUT shapes replace them.
  glEnableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, edgePoints_.data());
  if (!edgePoints_.empty()) glDrawArrays(GL_LINES, 0, GLsizei(edgePoints_.size()));
}
