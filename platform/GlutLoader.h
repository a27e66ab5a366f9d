#pragma once
// The optional GLUT library, loaded by name at run time. The views draw their
// axis tripod and side-panel numbers with three GLUT calls; when the library is
// missing (or no X display is there to initialise it on) those drawings are
// left out and everything else draws as usual.
//
// GLUT's solid shapes draw through the client vertex and normal arrays, so a
// caller that draws from its own client arrays must set them again after any
// call made here.

namespace platform {

class GlutLoader {
 public:
  // The process-wide loader; the first call tries to load and initialise GLUT.
  // Must be called on the GUI thread.
  static GlutLoader& instance();

  // True when the library was found, initialised and supplies the function.
  bool hasSolidCube() const { return solidCube_ != nullptr; }
  bool hasSolidCone() const { return solidCone_ != nullptr; }
  bool hasBitmapCharacter() const { return bitmapCharacter_ != nullptr && helvetica12_ != nullptr; }

  // Each does nothing when the function is not available.
  void solidCube(double size) const;
  void solidCone(double base, double height, int slices, int stacks) const;
  // One character in the 12-point Helvetica bitmap font at the current raster position.
  void bitmapCharacterHelvetica12(int character) const;
  // A whole Latin-1 text, character by character.
  void bitmapTextHelvetica12(const char* text) const;

  GlutLoader(const GlutLoader&) = delete;
  GlutLoader& operator=(const GlutLoader&) = delete;

 private:
  GlutLoader();

  using SolidCubeFn = void (*)(double);
  using SolidConeFn = void (*)(double, double, int, int);
  using BitmapCharacterFn = void (*)(void*, int);

  SolidCubeFn solidCube_ = nullptr;
  SolidConeFn solidCone_ = nullptr;
  BitmapCharacterFn bitmapCharacter_ = nullptr;
  void* helvetica12_ = nullptr;  // the font handle is the address of this data symbol
};

}  // namespace platform
