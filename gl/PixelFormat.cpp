#include "gl/PixelFormat.h"

#include <bit>
#include <cstdlib>

int PixelFormatScore(const TPixelFormatDescriptor& candidate, TPFDFlags wanted) {
  const quint32 common = quint32(candidate.flags.toInt()) & quint32(wanted.toInt()) & 0xFFFFu;
  return std::popcount(common);
}

int PixelFormatExcess(const TPixelFormatDescriptor& candidate,
                      const TPixelFormatDescriptor& wanted) {
  return (candidate.colorBits - wanted.colorBits) + (candidate.depthBits - wanted.depthBits) +
         std::abs(candidate.stencilBits - wanted.stencilBits) +
         std::abs(candidate.alphaBits - wanted.alphaBits) +
         std::abs(candidate.accumBits - wanted.accumBits);
}

int ChoosePixelFormat(const std::vector<TPixelFormatDescriptor>& candidates,
                      const TPixelFormatDescriptor& wanted) {
  int best = -1;
  int bestScore = -1;
  int bestExcess = 0;
  for (int i = 0; i < int(candidates.size()); ++i) {
    const TPixelFormatDescriptor& c = candidates[size_t(i)];
    if (c.pixelType != wanted.pixelType || c.colorBits < wanted.colorBits ||
        c.depthBits < wanted.depthBits || !c.flags.testFlag(TPFDFlag::Support_OPENGL))
      continue;
    const int score = PixelFormatScore(c, wanted.flags);
    const int excess = PixelFormatExcess(c, wanted);
    if (score > bestScore || (score == bestScore && excess < bestExcess)) {
      best = i;
      bestScore = score;
      bestExcess = excess;
    }
  }
  return best;
}

void SplitColorBits(int colorBits, int& red, int& green, int& blue) {
  if (colorBits <= 0) {
    red = green = blue = -1;
    return;
  }
  // Green gets the spare bit first, red the next: 16 -> 5/6/5, 8 -> 3/3/2.
  const int base = colorBits / 3;
  const int spare = colorBits % 3;
  green = base + (spare >= 1 ? 1 : 0);
  red = base + (spare >= 2 ? 1 : 0);
  blue = base;
}

QSurfaceFormat SurfaceFormatFor(const TPixelFormatDescriptor& format) {
  QSurfaceFormat f;
  f.setRenderableType(QSurfaceFormat::OpenGL);
  f.setProfile(QSurfaceFormat::CompatibilityProfile);
  int red = 0, green = 0, blue = 0;
  SplitColorBits(format.colorBits, red, green, blue);
  f.setRedBufferSize(red);
  f.setGreenBufferSize(green);
  f.setBlueBufferSize(blue);
  f.setAlphaBufferSize(format.alphaBits > 0 ? format.alphaBits : -1);
  f.setDepthBufferSize(format.depthBits > 0 ? format.depthBits : -1);
  f.setStencilBufferSize(format.stencilBits > 0 ? format.stencilBits : -1);
  f.setSwapBehavior(format.flags.testFlag(TPFDFlag::DoubleBuffer) ? QSurfaceFormat::DoubleBuffer
                                                                  : QSurfaceFormat::SingleBuffer);
  f.setStereo(format.flags.testFlag(TPFDFlag::Stereo));
  return f;
}
