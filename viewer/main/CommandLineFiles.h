#pragma once
// Which result files the program opens at start. Every parameter that names
// an existing file is opened, in order. When none does, the parameters joined
// with blanks (trimmed) are tried as one path: a path with blanks then opens
// whether or not the shell quoted it.
#include <QString>
#include <QStringList>

#include <functional>

QStringList FilesFromCommandLine(const QStringList& parameters,
                                 const std::function<bool(const QString&)>& fileExists);

// One line per parameter that names no existing file ("veltrano: no such
// file: NAME"), for stderr; none when the joined parameters name a file.
QStringList NoSuchFileLines(const QStringList& parameters,
                            const std::function<bool(const QString&)>& fileExists);
