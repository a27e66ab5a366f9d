#include "gl/PixelFormat.h"

#include <gtest/gtest.h>

namespace {

TPixelFormatDescriptor format(TPFDFlags flags, int color, int depth, int stencil = 0,
                              TPFDPixelType type = TPFDPixelType::RGBA) {
  return {flags, type, color, 0, depth, stencil};
}

const TPFDFlags kGl = TPFDFlag::Support_OPENGL;
const TPFDFlags kWin = TPFDFlag::Draw_To_Window | TPFDFlag::Support_OPENGL;
const TPFDFlags kDouble = kWin | TPFDFlag::DoubleBuffer;

}  // namespace

TEST(PixelFormatChoice, FiltersThenScoresWantedFlagsThenFewestSurplusBits) {
  // Wrong type, too few bits or no GL are refused; stencil is no condition.
  const TPixelFormatDescriptor wanted = format(kWin, 24, 24, 8);
  EXPECT_EQ(ChoosePixelFormat({}, wanted), -1);
  for (const TPixelFormatDescriptor& bad :
       {format(kWin, 16, 24), format(kWin, 24, 16), format(TPFDFlag::Draw_To_Window, 24, 24),
        format(kWin, 24, 24, 0, TPFDPixelType::ColorIndex)})
    EXPECT_EQ(ChoosePixelFormat({bad}, wanted), -1) << bad.colorBits << " " << bad.depthBits;
  EXPECT_EQ(ChoosePixelFormat({format(kWin, 24, 24)}, wanted), 0);

  // More wanted flags beat order and surplus; then fewest surplus bits, accumulation
  // buffers included; then the first.
  const TPixelFormatDescriptor exact = format(kDouble, 24, 24);
  const TPixelFormatDescriptor stencil = format(kDouble, 24, 24, 8);
  const TPixelFormatDescriptor accum{kDouble, TPFDPixelType::RGBA, 24, 0, 24, 0, 64};
  const TPixelFormatDescriptor stereo = format(kWin | TPFDFlag::Stereo, 24, 24);  // unwanted
  EXPECT_EQ(ChoosePixelFormat({format(kGl, 24, 24), stereo, format(kDouble, 32, 32, 8)}, exact), 2);
  EXPECT_EQ(ChoosePixelFormat({format(kDouble, 30, 24), stencil, exact, exact}, exact), 2);
  EXPECT_EQ(ChoosePixelFormat({stencil, accum, exact}, exact), 2);
  // Only the low sixteen bits are flags.
  const TPFDFlags high = TPFDFlags::fromInt(0x30020);
  EXPECT_EQ(PixelFormatScore(format(high, 24, 24), high), 1);
}

TEST(PixelFormatBecomesSurfaceRequest, BufferSizesSwapStereoAndProfile) {
  const auto rgb = [](const QSurfaceFormat& f) {
    return f.redBufferSize() * 100 + f.greenBufferSize() * 10 + f.blueBufferSize();
  };
  const QSurfaceFormat f = SurfaceFormatFor(format(kDouble, 24, 24, 8));
  EXPECT_EQ(rgb(f), 888);
  EXPECT_EQ(f.depthBufferSize() * 100 + f.stencilBufferSize(), 2408);
  EXPECT_EQ(f.swapBehavior(), QSurfaceFormat::DoubleBuffer);
  EXPECT_FALSE(f.stereo());
  EXPECT_EQ(f.profile(), QSurfaceFormat::CompatibilityProfile);

  const QSurfaceFormat single = SurfaceFormatFor(format(kWin | TPFDFlag::Stereo, 16, 0));
  EXPECT_EQ(single.swapBehavior(), QSurfaceFormat::SingleBuffer);
  EXPECT_TRUE(single.stereo());
  EXPECT_EQ(rgb(single), 565);
  EXPECT_EQ(single.depthBufferSize(), -1);  // none wanted: the platform's choice
  // Colour bits split as displays offer them.
  EXPECT_EQ(rgb(SurfaceFormatFor(format(kWin, 8, 0))), 332);
  EXPECT_EQ(rgb(SurfaceFormatFor(format(kWin, 30, 0))), 1110);
}
