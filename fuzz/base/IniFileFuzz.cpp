// Arbitrary bytes as an ini file: reading, querying, rewriting and saving
// must never crash, leak or read out of bounds.
#include "base/Exceptions.h"
#include "base/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // In memory where the machine offers it: the file is rewritten per input.
  static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                               ? QStringLiteral("/dev/shm/ini-fuzz-XXXXXX")
                               : QDir::tempPath() + QStringLiteral("/ini-fuzz-XXXXXX"));
  const QString path = dir.filePath(QStringLiteral("fuzz.ini"));
  {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  try {
    base::TIniFile ini(path);
    const QStringList sections = ini.ReadSections();
    for (const QString& s : sections) {
      for (const QString& k : ini.ReadSection(s)) {
        (void)ini.ReadString(s, k, QString());
        (void)ini.ReadInteger(s, k, 0);
        (void)ini.ReadFloat(s, k, 0.0);
        (void)ini.ReadBool(s, k, false);
      }
    }
    if (!sections.isEmpty()) {
      ini.WriteInteger(sections.first(), QStringLiteral("Count"), 3);
      ini.EraseSection(sections.last());
    }
    ini.WriteFloat(QStringLiteral("Legend"), QStringLiteral("MinVal"), 0.5);
    // Saving syncs to disk and is slow; save and re-read one input in eight.
    if (size % 8 != 0) return 0;
    ini.UpdateFile();
    const base::TIniFile again(path);
    if (again.ReadFloat(QStringLiteral("Legend"), QStringLiteral("MinVal"), 0.0) != 0.5)
      __builtin_trap();
  } catch (const base::Exception&) {
    // Refusals (too large, bad names) are expected outcomes.
  }
  return 0;
}
