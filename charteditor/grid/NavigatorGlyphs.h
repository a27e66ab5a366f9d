#pragma once
// The navigator buttons' glyphs, drawn here rather than shipped as files:
// "PLOTNAV_FIRST" ... "PLOTNAV_CANCEL" (any case), each in an enabled and a
// greyed form.
#include <QImage>
#include <QString>

// The glyph of that name, or a null image for an unknown name.
QImage NavigatorGlyph(const QString& name, bool enabled);
