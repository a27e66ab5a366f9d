#pragma once
// Names for short-lived files, such as a picture saved only to be loaded again.
#include <QString>

namespace platform {

// The full path of a file name that does not exist yet: `prefix`, a number and
// ".tmp", inside a directory private to this process (created on first use
// with mode 0700 in the system's temporary folder and removed with its
// contents when the program ends). No other user can create or replace a file
// there between handing out the name and its use. Empty when the directory
// cannot be created.
QString MakeTempFileName(const QString& prefix);

// A new folder of its own (mode 0700) in the system's temporary folder, for
// a file that another program picks up later: kept until the program ends,
// then removed with its contents. Empty when it cannot be created.
QString MakePrivateTempFolder();

}  // namespace platform
