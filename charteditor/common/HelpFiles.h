#pragma once
// The editors' help files live in the program's help folder, beside the
// executable; a missing file means no help is offered.
#include <QString>

// "<program folder>/help".
QString HelpFolder();
// The path of `name` in `folder` (default: HelpFolder()) when the file
// exists there, else the empty text.
QString FindHelpFile(const QString& name, const QString& folder = HelpFolder());
