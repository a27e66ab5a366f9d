#include "platform/GlutLoader.h"

#include <QGuiApplication>
#include <QString>

#include <dlfcn.h>

#include <cstdlib>

namespace platform {

namespace {

// freeglut ends the process when glutInit finds no display, so it may only be
// initialised when the application itself runs on X.
bool runningOnXDisplay() {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') return false;
  if (QGuiApplication::instance() == nullptr) return false;
  return QGuiApplication::platformName() == QStringLiteral("xcb");
}

void* openGlut() {
  for (const char* name : {"libglut.so.3.12", "libglut.so.3", "libglut.so"}) {
    if (void* handle = dlopen(name, RTLD_NOW | RTLD_LOCAL)) return handle;
  }
  return nullptr;
}

}  // namespace

GlutLoader& GlutLoader::instance() {
  static GlutLoader loader;
  return loader;
}

GlutLoader::GlutLoader() {
  if (!runningOnXDisplay()) return;
  // The handle stays open for the life of the process: the functions are used
  // until the last view closes.
  void* handle = openGlut();
  if (handle == nullptr) return;
  using InitFn = void (*)(int*, char**);
  auto init = reinterpret_cast<InitFn>(dlsym(handle, "glutInit"));
  if (init == nullptr) return;
  static char programName[] = "veltrano";
  static char* argv[] = {programName, nullptr};
  int argc = 1;
  init(&argc, argv);
  solidCube_ = reinterpret_cast<SolidCubeFn>(dlsym(handle, "glutSolidCube"));
  solidCone_ = reinterpret_cast<SolidConeFn>(dlsym(handle, "glutSolidCone"));
  bitmapCharacter_ = reinterpret_cast<BitmapCharacterFn>(dlsym(handle, "glutBitmapCharacter"));
  helvetica12_ = dlsym(handle, "glutBitmapHelvetica12");
}

void GlutLoader::solidCube(double size) const {
  if (solidCube_ != nullptr) solidCube_(size);
}

void GlutLoader::solidCone(double base, double height, int slices, int stacks) const {
  if (solidCone_ != nullptr) solidCone_(base, height, slices, stacks);
}

void GlutLoader::bitmapCharacterHelvetica12(int character) const {
  if (hasBitmapCharacter()) bitmapCharacter_(helvetica12_, character);
}

void GlutLoader::bitmapTextHelvetica12(const char* text) const {
  if (!hasBitmapCharacter() || text == nullptr) return;
  for (const char* p = text; *p != '\0'; ++p)
    bitmapCharacter_(helvetica12_, static_cast<unsigned char>(*p));
}

}  // namespace platform
