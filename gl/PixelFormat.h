#pragma once
// Pixel formats as the GL components describe them: the wanted format of a
// window (flags, pixel type, bit counts) and the candidates the display
// offers, with the rule that picks one. The rule is a pure function so that
// it can be checked without a display.
#include <QFlags>
#include <QSurfaceFormat>

#include <vector>

// Each flag is the bit of its position in the stored flag word (the about box
// lists them by these values).
enum class TPFDFlag : quint32 {
  DoubleBuffer = 0x1,
  Stereo = 0x2,
  Draw_To_Window = 0x4,
  Draw_To_Bitmap = 0x8,
  Support_GDI = 0x10,
  Support_OPENGL = 0x20,
  Generic_Format = 0x40,
  Need_Palette = 0x80,
  Need_System_Palette = 0x100,
  Swap_Exchange = 0x200,
  Swap_Copy = 0x400,
  Swap_Layer_Buffers = 0x800,
  Generic_Accelerated = 0x1000,
};
Q_DECLARE_FLAGS(TPFDFlags, TPFDFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TPFDFlags)

enum class TPFDPixelType { RGBA, ColorIndex };

struct TPixelFormatDescriptor {
  TPFDFlags flags;
  TPFDPixelType pixelType = TPFDPixelType::RGBA;
  int colorBits = 0;  // red + green + blue
  int alphaBits = 0;
  int depthBits = 0;
  int stencilBits = 0;
  int accumBits = 0;  // all accumulation channels together

  bool operator==(const TPixelFormatDescriptor&) const = default;
};

// Index of the candidate that best matches `wanted`, or -1 when none
// qualifies (the caller then lets the platform decide). A candidate needs the
// wanted pixel type, at least the wanted colour and depth bits and GL support.
// Its score is the number of wanted flags it has (low 16 bits); the highest
// score wins. Among equal scores the one with the fewest bits beyond the
// wanted ones wins (display configs come in no meaningful order), and among
// those the first.
int ChoosePixelFormat(const std::vector<TPixelFormatDescriptor>& candidates,
                      const TPixelFormatDescriptor& wanted);

// Wanted flags a candidate has, counted in the low 16 bits of the flag word.
int PixelFormatScore(const TPixelFormatDescriptor& candidate, TPFDFlags wanted);

// Bits a candidate carries beyond the wanted ones; a missing stencil bit
// counts as much as a surplus one.
int PixelFormatExcess(const TPixelFormatDescriptor& candidate,
                      const TPixelFormatDescriptor& wanted);

// The request for Qt: the chosen format's buffer sizes, double buffering and
// stereo, on a compatibility profile (the drawing is fixed-function GL).
QSurfaceFormat SurfaceFormatFor(const TPixelFormatDescriptor& format);

// Colour bits split over red, green and blue as displays offer them
// (24 -> 8/8/8, 16 -> 5/6/5, 8 -> 3/3/2); 0 leaves the choice to the platform.
void SplitColorBits(int colorBits, int& red, int& green, int& blue);
