#pragma once
// The class library's drawing vocabulary: pen styles and modes, brush
// styles, font styles and the rectangle with exclusive right and bottom
// edges. Stored charts name these values ("psDot", "bsFDiagonal"), so the
// identifiers are kept as they are and published through Qt's meta-object.
#include <QObject>

#include <algorithm>

namespace Graphics {
Q_NAMESPACE

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
Q_ENUM_NS(TPenStyle)

// Only pmCopy and pmNotXor change what a backend draws; the others are kept
// so that a stored chart reads back as it was written.
enum TPenMode {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};
Q_ENUM_NS(TPenMode)

enum TPenEndStyle { esRound, esSquare, esFlat };
Q_ENUM_NS(TPenEndStyle)

enum TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};
Q_ENUM_NS(TBrushStyle)

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

// How a gradient runs: from the first colour at the named edge or corner
// (or the outside, for gdFromCenter) to the second.
enum TGradientDirection {
  gdTopBottom,
  gdBottomTop,
  gdLeftRight,
  gdRightLeft,
  gdFromCenter,
  gdFromTopLeft,
  gdFromBottomLeft
};
Q_ENUM_NS(TGradientDirection)

// The 3D border of panels and framed boxes.
enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TPanelBevel)

// The line around a chart's window: none, or a single sunken frame.
enum TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)

// The outline of a framed box (titles, legend, marks).
enum TChartObjectShapeStyle { fosRectangle, fosRoundRectangle };
Q_ENUM_NS(TChartObjectShapeStyle)

}  // namespace Graphics

Q_DECLARE_OPERATORS_FOR_FLAGS(Graphics::TFontStyles)

using Graphics::TBorderStyle;
using Graphics::TBrushStyle;
using Graphics::TChartObjectShapeStyle;
using Graphics::TFontStyle;
using Graphics::TFontStyles;
using Graphics::TGradientDirection;
using Graphics::TPanelBevel;
using Graphics::TPenEndStyle;
using Graphics::TPenMode;
using Graphics::TPenStyle;
using enum Graphics::TPenStyle;
using enum Graphics::TPenMode;
using enum Graphics::TPenEndStyle;
using enum Graphics::TBrushStyle;
using enum Graphics::TFontStyle;
using enum Graphics::TGradientDirection;
using enum Graphics::TPanelBevel;
using enum Graphics::TChartObjectShapeStyle;

// A rectangle as the drawing calls take it: Right and Bottom are one past
// the last column and row.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const noexcept { return Right - Left; }
  constexpr int Height() const noexcept { return Bottom - Top; }
  constexpr bool IsEmpty() const noexcept { return Right <= Left || Bottom <= Top; }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

// A rectangle with Left <= Right and Top <= Bottom.
constexpr TRect NormalizedRect(const TRect& r) noexcept {
  return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
          std::max(r.Top, r.Bottom)};
}

// Whether two normalised rectangles share a pixel (touching edges do not).
constexpr bool Intersects(const TRect& a, const TRect& b) noexcept {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}
