#pragma once
// The frame-buffer configurations the X display offers, as pixel-format
// candidates for ChoosePixelFormat.
#include "gl/PixelFormat.h"

#include <vector>

// Empty when the application does not run on an X display (offscreen
// platform, Wayland) or the display offers no GLX configuration.
std::vector<TPixelFormatDescriptor> DisplayPixelFormats();
