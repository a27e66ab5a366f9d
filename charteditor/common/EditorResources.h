#pragma once
// The editors' small bitmaps, drawn here rather than shipped as files: the
// twelve 8 x 8 fill patterns "ZorUruvu1" to "ZorUruvu12" of the pattern
// dialog and the arrows "PLOTARROWUP" and "PLOTARROWDOWN" of the editors'
// move buttons. Patterns are one-bit images: index 0 (black) is drawn in
// the brush's colour, index 1 (white) is the background.
#include <QImage>
#include <QString>

// The bitmap of that name in any case; a null image for an unknown name.
QImage EditorBitmap(const QString& name);

// The number of pattern bitmaps and the name of the n-th (1-based).
inline constexpr int kEditorPatternCount = 12;
QString EditorPatternName(int n);
