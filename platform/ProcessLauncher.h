#pragma once
// Starts another program and forgets it: the stand-in for opening a program
// through the shell. Arguments travel as a list (never as one quoted string),
// so paths with blanks or quotes arrive intact.
#include <QString>
#include <QStringList>

namespace platform {

// Starts `program` detached in `workingDirectory`; false when it could not be
// started (missing, not executable). The caller decides whether that matters.
bool StartDetached(const QString& program, const QStringList& arguments,
                   const QString& workingDirectory);

// The sibling graph program: "plenvy" in ../Tools/Plenvy beside the folder
// of the running program. Its folder doubles as its working directory.
QString GraphProgramFolder(const QString& applicationDir);
QString GraphProgramPath(const QString& applicationDir);

// "-f <file>" for every file, in order.
QStringList GraphProgramArguments(const QStringList& files);

// Launches the graph program on the given files; false when it is missing or
// could not be started.
bool LaunchGraphProgram(const QString& applicationDir, const QStringList& files);

}  // namespace platform
