#pragma once
// Windows-1252 bytes in files, Unicode in memory. The five bytes the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control
// characters of the same value, so any byte string survives a round trip;
// characters outside the code page are written as '?'.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace base {

QString FromCp1252(QByteArrayView bytes);
QByteArray ToCp1252(QStringView text);

}  // namespace base
