#pragma once
// Where the session file lives. It sits next to the program ("<program path
// with its extension changed to .session>") when the program's folder is
// writable, as it always has; an installed program in a read-only folder
// keeps it as "veltrano.session" in the user's config folder instead.
// Reading prefers the file next to the program when both exist.
#include <QString>

namespace platform {

class SessionLocation {
 public:
  // The program's own file and the user's config folder
  // (QStandardPaths::AppConfigLocation).
  static SessionLocation Default();
  SessionLocation(QString programFile, QString configFolder);

  // <program path with extension ".session">.
  QString BesideProgram() const;
  // <config folder>/veltrano.session.
  QString InConfigFolder() const;

  // The session file to read: the first of BesideProgram and InConfigFolder
  // that exists; empty when neither does.
  QString ForReading() const;
  // The session file to write: BesideProgram when the program's folder is
  // writable, else InConfigFolder (its folder is created when missing).
  QString ForWriting() const;

 private:
  QString programFile_;
  QString configFolder_;
};

// The path with its extension replaced: the text after the last '.' of the
// file name (not of a folder) goes; a name without one gets `extension`
// appended. `extension` includes the dot.
QString ChangeFileExt(const QString& path, const QString& extension);

}  // namespace platform
