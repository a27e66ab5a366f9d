#pragma once
// The version text "a.b.c.d" of a program file, as the about box shows it.
#include <QString>

// fileName empty (or naming this program's own executable): the version this
// program was built with, padded to four parts ("0.1.0" gives "0.1.0.0").
// Any other existing file carries no version information on this platform and
// gives the empty text; a file that does not exist gives "-1".
QString GetFileVersionText(const QString& fileName);
