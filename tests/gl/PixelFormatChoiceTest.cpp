#include "gl/PixelFormat.h"

#include <gtest/gtest.h>

namespace {

TPixelFormatDescriptor format(TPFDFlags flags, int color, int depth, int stencil = 0,
                              TPFDPixelType type = TPFDPixelType::RGBA) {
  TPixelFormatDescriptor d;
  d.flags = flags;
  d.pixelType = type;
  d.colorBits = color;
  d.depthBits = depth;
  d.stencilBits = stencil;
  return d;
}

const TPFDFlags kGl = TPFDFlag::Support_OPENGL;
const TPFDFlags kWindowGl = TPFDFlag::Draw_To_Window | TPFDFlag::Support_OPENGL;

}  // namespace

TEST(PixelFormatChoiceFiltersCandidates, RefusesWrongTypeTooFewBitsOrNoGl) {
  const TPixelFormatDescriptor wanted = format(kWindowGl, 24, 24);
  EXPECT_EQ(ChoosePixelFormat({}, wanted), -1);
  EXPECT_EQ(ChoosePixelFormat({format(kWindowGl, 16, 24)}, wanted), -1);
  EXPECT_EQ(ChoosePixelFormat({format(kWindowGl, 24, 16)}, wanted), -1);
  EXPECT_EQ(ChoosePixelFormat({format(TPFDFlag::Draw_To_Window, 24, 24)}, wanted), -1);
  EXPECT_EQ(ChoosePixelFormat({format(kWindowGl, 24, 24, 0, TPFDPixelType::ColorIndex)}, wanted),
            -1);
  // Stencil is not a condition: a format without the wanted stencil still qualifies.
  EXPECT_EQ(ChoosePixelFormat({format(kWindowGl, 24, 24)}, format(kWindowGl, 24, 24, 8)), 0);
}

TEST(PixelFormatChoiceScoresWantedFlags, MoreMatchingFlagsWinsOverOrder) {
  const TPixelFormatDescriptor wanted =
      format(kWindowGl | TPFDFlag::DoubleBuffer | TPFDFlag::Swap_Exchange, 24, 24);
  const std::vector<TPixelFormatDescriptor> candidates = {
      format(kGl, 24, 24),                                    // score 1
      format(kWindowGl | TPFDFlag::Stereo, 24, 24),           // 2: Stereo not wanted
      format(kWindowGl | TPFDFlag::DoubleBuffer, 32, 32),     // 3
      format(kWindowGl | TPFDFlag::Draw_To_Bitmap, 24, 24)};  // 2
  EXPECT_EQ(PixelFormatScore(candidates[0], wanted.flags), 1);
  EXPECT_EQ(PixelFormatScore(candidates[1], wanted.flags), 2);
  EXPECT_EQ(PixelFormatScore(candidates[2], wanted.flags), 3);
  EXPECT_EQ(ChoosePixelFormat(candidates, wanted), 2);
}

TEST(PixelFormatChoiceScoresWantedFlags, CountsOnlyTheLowSixteenBits) {
  TPixelFormatDescriptor c = format(kGl, 24, 24);
  c.flags = TPFDFlags::fromInt(0x30020);  // GL plus two bits above the flag word
  EXPECT_EQ(PixelFormatScore(c, TPFDFlags::fromInt(0x30020)), 1);
}

TEST(PixelFormatChoiceBreaksTies, FewestSurplusBitsThenFirst) {
  const TPixelFormatDescriptor wanted = format(kWindowGl | TPFDFlag::DoubleBuffer, 24, 24);
  const TPFDFlags all = kWindowGl | TPFDFlag::DoubleBuffer;
  std::vector<TPixelFormatDescriptor> candidates = {format(all, 30, 24),     // 6 colour bits over
                                                    format(all, 24, 24, 8),  // 8 stencil bits over
                                                    format(all, 24, 24),     // exact
                                                    format(all, 24, 24)};    // exact, later
  candidates[0].accumBits = 0;
  EXPECT_EQ(ChoosePixelFormat(candidates, wanted), 2);

  candidates[2].accumBits = 64;  // accumulation buffers are surplus too
  EXPECT_EQ(ChoosePixelFormat(candidates, wanted), 3);

  // A higher score beats any surplus.
  candidates.push_back(format(all | TPFDFlag::Draw_To_Bitmap, 32, 32, 8));
  TPixelFormatDescriptor wantsBitmap = wanted;
  wantsBitmap.flags |= TPFDFlag::Draw_To_Bitmap;
  EXPECT_EQ(ChoosePixelFormat(candidates, wantsBitmap), 4);
}

TEST(PixelFormatBecomesSurfaceRequest, BufferSizesSwapAndProfile) {
  const QSurfaceFormat f = SurfaceFormatFor(format(kWindowGl | TPFDFlag::DoubleBuffer, 24, 24, 8));
  EXPECT_EQ(f.redBufferSize(), 8);
  EXPECT_EQ(f.greenBufferSize(), 8);
  EXPECT_EQ(f.blueBufferSize(), 8);
  EXPECT_EQ(f.depthBufferSize(), 24);
  EXPECT_EQ(f.stencilBufferSize(), 8);
  EXPECT_EQ(f.swapBehavior(), QSurfaceFormat::DoubleBuffer);
  EXPECT_FALSE(f.stereo());
  EXPECT_EQ(f.profile(), QSurfaceFormat::CompatibilityProfile);

  const QSurfaceFormat single = SurfaceFormatFor(format(kWindowGl | TPFDFlag::Stereo, 16, 0));
  EXPECT_EQ(single.swapBehavior(), QSurfaceFormat::SingleBuffer);
  EXPECT_TRUE(single.stereo());
  EXPECT_EQ(single.redBufferSize(), 5);
  EXPECT_EQ(single.greenBufferSize(), 6);
  EXPECT_EQ(single.blueBufferSize(), 5);
  EXPECT_EQ(single.depthBufferSize(), -1);  // none wanted: the platform's choice
  EXPECT_EQ(single.stencilBufferSize(), -1);
}

TEST(PixelFormatBecomesSurfaceRequest, ColorBitsSplitAsDisplaysOfferThem) {
  int r = 0, g = 0, b = 0;
  SplitColorBits(8, r, g, b);
  EXPECT_EQ(r * 100 + g * 10 + b, 332);
  SplitColorBits(30, r, g, b);
  EXPECT_EQ(r * 100 + g * 10 + b, 1110);  // 10/10/10
  SplitColorBits(0, r, g, b);
  EXPECT_EQ(r, -1);
}
