#pragma once
// Colours as the models store them: 32-bit 0x00BBGGRR values. A value with
// the top bit set is a system colour whose low byte indexes a fixed table of
// desktop colours (clBtnFace = 0xFF00000F); clNone and clDefault are markers,
// not colours. Conversion to QColor happens only at the drawing boundary.
#include <QColor>
#include <QString>

#include <cstdint>

namespace base {

using TColor = uint32_t;

constexpr TColor RGB(int r, int g, int b) noexcept {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) noexcept {
  return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(TColor c) noexcept {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(TColor c) noexcept {
  return static_cast<int>((c >> 16) & 0xFF);
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// "No colour" (null point, no background) and "the owner's default colour".
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clActiveBorder = clSystemColor | 10;
constexpr TColor clInactiveBorder = clSystemColor | 11;
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clInactiveCaptionText = clSystemColor | 19;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clInfoText = clSystemColor | 23;
constexpr TColor clInfoBk = clSystemColor | 24;
constexpr TColor clHotLight = clSystemColor | 26;
constexpr TColor clGradientActiveCaption = clSystemColor | 27;
constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
constexpr TColor clMenuHighlight = clSystemColor | 29;
constexpr TColor clMenuBar = clSystemColor | 30;

constexpr bool IsSystemColor(TColor c) noexcept {
  return (c & 0x80000000u) != 0;
}

// A system colour becomes its 0x00BBGGRR value from the fixed table (black
// for an index the table lacks); any other value is returned unchanged.
// Resolve before any arithmetic on channels.
TColor ColorToRGB(TColor c) noexcept;

// "clRed" for a colour of the name table, else "$" and eight upper-case hex
// digits ("$00804020").
QString ColorToString(TColor c);

// A name of the table (any case), "$hex", or a decimal integer (negative
// values are the two's-complement system colours). Raises EConvertError
// with the integer conversion text otherwise.
TColor StringToColor(const QString& s);

// Name lookups without raising: false when the value or text is not in the table.
bool ColorToIdent(TColor c, QString& name);
bool IdentToColor(const QString& name, TColor& c);

// Every name of the table in its order, for colour pickers.
const QStringList& ColorNames();

// For painting: system colours resolved, clNone fully transparent, the top
// byte of any other value ignored.
QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c) noexcept;

}  // namespace base
