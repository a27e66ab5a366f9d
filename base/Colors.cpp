#include "base/Colors.h"

#include "base/Convert.h"

#include <QStringList>

#include <array>
#include <iterator>

namespace base {

namespace {

struct NamedColor {
  TColor value;
  const char* name;
};

// The name table in the order colour pickers list it; ColorToString finds
// the first entry of a value, so aliases never appear here.
constexpr NamedColor kNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

// The desktop colours of a classic grey scheme, as 0x00BBGGRR, by system
// colour index. Fixed so that drawings and their tests do not depend on the
// desktop theme.
constexpr std::array<TColor, 31> kSystemColors = {
    RGB(0xD4, 0xD0, 0xC8),  // scroll bar
    RGB(0x3A, 0x6E, 0xA5),  // desktop background
    RGB(0x0A, 0x24, 0x6A),  // active caption
    RGB(0x80, 0x80, 0x80),  // inactive caption
    RGB(0xD4, 0xD0, 0xC8),  // menu
    RGB(0xFF, 0xFF, 0xFF),  // window
    RGB(0x00, 0x00, 0x00),  // window frame
    RGB(0x00, 0x00, 0x00),  // menu text
    RGB(0x00, 0x00, 0x00),  // window text
    RGB(0xFF, 0xFF, 0xFF),  // caption text
    RGB(0xD4, 0xD0, 0xC8),  // active border
    RGB(0xD4, 0xD0, 0xC8),  // inactive border
    RGB(0x80, 0x80, 0x80),  // application workspace
    RGB(0x0A, 0x24, 0x6A),  // highlight
    RGB(0xFF, 0xFF, 0xFF),  // highlight text
    RGB(0xD4, 0xD0, 0xC8),  // button face
    RGB(0x80, 0x80, 0x80),  // button shadow
    RGB(0x80, 0x80, 0x80),  // grey text
    RGB(0x00, 0x00, 0x00),  // button text
    RGB(0xD4, 0xD0, 0xC8),  // inactive caption text
    RGB(0xFF, 0xFF, 0xFF),  // button highlight
    RGB(0x40, 0x40, 0x40),  // 3D dark shadow
    RGB(0xD4, 0xD0, 0xC8),  // 3D light
    RGB(0x00, 0x00, 0x00),  // tooltip text
    RGB(0xFF, 0xFF, 0xE1),  // tooltip background
    RGB(0xB5, 0xB5, 0xB5),  // (unused index)
    RGB(0x00, 0x00, 0x80),  // hot-tracked item
    RGB(0xA6, 0xCA, 0xF0),  // active caption gradient
    RGB(0xC0, 0xC0, 0xC0),  // inactive caption gradient
    RGB(0x31, 0x6A, 0xC5),  // highlighted menu item
    RGB(0xD4, 0xD0, 0xC8),  // menu bar
};

}  // namespace

TColor ColorToRGB(TColor c) noexcept {
  if (!IsSystemColor(c)) return c;
  const size_t index = c & 0xFF;
  return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
}

bool ColorToIdent(TColor c, QString& name) {
  for (const NamedColor& n : kNames) {
    if (n.value == c) {
      name = QLatin1String(n.name);
      return true;
    }
  }
  return false;
}

bool IdentToColor(const QString& name, TColor& c) {
  for (const NamedColor& n : kNames) {
    if (name.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) {
      c = n.value;
      return true;
    }
  }
  return false;
}

QString ColorToString(TColor c) {
  QString name;
  if (ColorToIdent(c, name)) return name;
  return QStringLiteral("$%1").arg(c, 8, 16, QLatin1Char('0')).toUpper();
}

TColor StringToColor(const QString& s) {
  TColor c;
  if (IdentToColor(s, c)) return c;
  // Hex texts cover the whole 32-bit range; decimal ones are signed, so
  // system colours arrive as negative numbers.
  return static_cast<TColor>(StrToInt(s));
}

const QStringList& ColorNames() {
  static const QStringList names = [] {
    QStringList l;
    for (const NamedColor& n : kNames) l << QLatin1String(n.name);
    return l;
  }();
  return names;
}

QColor ToQColor(TColor c) {
  if (c == clNone) return QColor(0, 0, 0, 0);
  const TColor rgb = ColorToRGB(c);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& c) noexcept {
  const QColor rgb = c.toRgb();
  return RGB(rgb.red(), rgb.green(), rgb.blue());
}

}  // namespace base
