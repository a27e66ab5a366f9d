#pragma once
// The main window's image list: thirteen tool-bar and menu images drawn at
// start-up, indexed as the actions use them (0 open, 1 start, 2 stop, 3 reset,
// 4..9 rotate X-, X+, Y-, Y+, Z-, Z+, 10 view reset, 11 angle, 12 graph).
#include <QIcon>

inline constexpr int ActionImageCount = 13;

// The image `index`; an empty icon outside 0..ActionImageCount-1.
QIcon ActionImage(int index);
