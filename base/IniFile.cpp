#include "base/IniFile.h"

#include "base/Convert.h"
#include "base/Cp1252.h"
#include "base/Exceptions.h"
#include "base/FormatFloat.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace base {

namespace {

bool isBlank(QChar c) {
  return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// [from, from + len) trimmed of blanks.
void trim(const QString& s, int& from, int& len) {
  while (len > 0 && isBlank(s[from])) {
    ++from;
    --len;
  }
  while (len > 0 && isBlank(s[from + len - 1])) --len;
}

QString withoutLineBreaks(QString s) {
  for (QChar& c : s) {
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.isNull()) c = QLatin1Char(' ');
  }
  return s;
}

bool sameName(QStringView a, QStringView b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

TIniFile::TIniFile(const QString& fileName) : fileName_(fileName) {
  QFile file(fileName);
  if (!file.exists()) return;
  if (!file.open(QIODevice::ReadOnly))
    throw EFileError(
        QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
  if (file.size() > MaxFileSize)
    throw EFileError(QStringLiteral("File \"%1\" is too large for a settings file").arg(fileName));
  const QByteArray bytes = file.read(MaxFileSize + 1);
  if (bytes.size() > MaxFileSize)
    throw EFileError(QStringLiteral("File \"%1\" is too large for a settings file").arg(fileName));
  if (file.error() != QFileDevice::NoError)
    throw EFileError(
        QStringLiteral("Cannot read file \"%1\". %2").arg(fileName, file.errorString()));

  const QString text = FromCp1252(bytes);
  qsizetype start = 0;
  const qsizetype n = text.size();
  while (start < n) {
    qsizetype end = start;
    while (end < n && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r')) ++end;
    lines_.push_back(parseLine(text.mid(start, end - start)));
    if (end < n && text[end] == QLatin1Char('\r') && end + 1 < n &&
        text[end + 1] == QLatin1Char('\n'))
      ++end;
    start = end + 1;
  }
}

TIniFile::Line TIniFile::parseLine(QString text) {
  Line l;
  l.text = std::move(text);
  const QString& t = l.text;
  const int n = static_cast<int>(t.size());
  int i = 0;
  while (i < n && isBlank(t[i])) ++i;
  if (i == n || t[i] == QLatin1Char(';')) return l;
  if (t[i] == QLatin1Char('[')) {
    int close = i + 1;
    while (close < n && t[close] != QLatin1Char(']')) ++close;
    l.kind = Kind::Section;
    l.nameFrom = i + 1;
    l.nameLen = close - (i + 1);
    trim(t, l.nameFrom, l.nameLen);
    return l;
  }
  const int eq = static_cast<int>(t.indexOf(QLatin1Char('='), i));
  if (eq < 0) return l;
  l.nameFrom = i;
  l.nameLen = eq - i;
  trim(t, l.nameFrom, l.nameLen);
  if (l.nameLen == 0) return l;
  l.kind = Kind::Key;
  l.valueFrom = eq + 1;
  l.valueLen = n - (eq + 1);
  trim(t, l.valueFrom, l.valueLen);
  if (l.valueLen >= 2) {
    const QChar q = t[l.valueFrom];
    if ((q == QLatin1Char('"') || q == QLatin1Char('\'')) && t[l.valueFrom + l.valueLen - 1] == q) {
      ++l.valueFrom;
      l.valueLen -= 2;
    }
  }
  return l;
}

qsizetype TIniFile::findSection(QStringView section) const {
  const QStringView wanted = section.trimmed();
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Kind::Section && sameName(lines_[i].name(), wanted))
      return static_cast<qsizetype>(i);
  }
  return -1;
}

qsizetype TIniFile::sectionEnd(qsizetype h) const {
  qsizetype i = h + 1;
  while (i < static_cast<qsizetype>(lines_.size()) && lines_[i].kind != Kind::Section) ++i;
  return i;
}

qsizetype TIniFile::findKey(qsizetype h, QStringView ident) const {
  const QStringView wanted = ident.trimmed();
  const qsizetype end = sectionEnd(h);
  for (qsizetype i = h + 1; i < end; ++i) {
    if (lines_[i].kind == Kind::Key && sameName(lines_[i].name(), wanted)) return i;
  }
  return -1;
}

bool TIniFile::lookup(const QString& section, const QString& ident, QStringView& value) const {
  const qsizetype h = findSection(section);
  if (h < 0) return false;
  const qsizetype k = findKey(h, ident);
  if (k < 0) return false;
  value = lines_[k].value();
  return true;
}

QString TIniFile::ReadString(const QString& section, const QString& ident,
                             const QString& def) const {
  QStringView v;
  return lookup(section, ident, v) ? v.toString() : def;
}

int TIniFile::ReadInteger(const QString& section, const QString& ident, int def) const {
  QStringView v;
  if (!lookup(section, ident, v)) return def;
  return StrToIntDef(v.toString(), def);
}

double TIniFile::ReadFloat(const QString& section, const QString& ident, double def) const {
  QStringView v;
  if (!lookup(section, ident, v) || v.isEmpty()) return def;
  double d;
  return TryTolerantStrToFloat(v.toString(), d) ? d : def;
}

bool TIniFile::ReadBool(const QString& section, const QString& ident, bool def) const {
  return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& section, const QString& ident, const QString& value) {
  const QString sec = withoutLineBreaks(section).trimmed();
  const QString key = withoutLineBreaks(ident).trimmed();
  if (sec.contains(QLatin1Char(']')))
    throw EFileError(QStringLiteral("Invalid section name \"%1\"").arg(section));
  if (key.isEmpty() || key.contains(QLatin1Char('=')) || key.startsWith(QLatin1Char('[')) ||
      key.startsWith(QLatin1Char(';')))
    throw EFileError(QStringLiteral("Invalid key name \"%1\"").arg(ident));
  Line line = parseLine(key + QLatin1Char('=') + withoutLineBreaks(value));
  modified_ = true;

  qsizetype h = findSection(sec);
  if (h < 0) {
    lines_.push_back(parseLine(QLatin1Char('[') + sec + QLatin1Char(']')));
    lines_.push_back(std::move(line));
    return;
  }
  const qsizetype k = findKey(h, key);
  if (k >= 0) {
    // Keep the spelling of the key as the file has it.
    const QString existing = lines_[k].name().toString();
    lines_[k] = parseLine(existing + QLatin1Char('=') + withoutLineBreaks(value));
    return;
  }
  // After the section's last non-blank line, before the blank lines that
  // separate it from the next section.
  qsizetype at = sectionEnd(h);
  while (at > h + 1 && lines_[at - 1].text.trimmed().isEmpty()) --at;
  lines_.insert(lines_.begin() + at, std::move(line));
}

void TIniFile::WriteInteger(const QString& section, const QString& ident, int value) {
  WriteString(section, ident, QString::number(value));
}

void TIniFile::WriteFloat(const QString& section, const QString& ident, double value) {
  WriteString(section, ident, FloatToStr(value));
}

void TIniFile::WriteBool(const QString& section, const QString& ident, bool value) {
  WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TIniFile::SectionExists(const QString& section) const {
  return findSection(section) >= 0;
}

bool TIniFile::ValueExists(const QString& section, const QString& ident) const {
  QStringView v;
  return lookup(section, ident, v);
}

QStringList TIniFile::ReadSections() const {
  QStringList names;
  for (const Line& l : lines_) {
    if (l.kind != Kind::Section) continue;
    const QString name = l.name().toString();
    if (!names.contains(name, Qt::CaseInsensitive)) names << name;
  }
  return names;
}

QStringList TIniFile::ReadSection(const QString& section) const {
  QStringList keys;
  const qsizetype h = findSection(section);
  if (h < 0) return keys;
  const qsizetype end = sectionEnd(h);
  for (qsizetype i = h + 1; i < end; ++i) {
    if (lines_[i].kind != Kind::Key) continue;
    const QString name = lines_[i].name().toString();
    if (!keys.contains(name, Qt::CaseInsensitive)) keys << name;
  }
  return keys;
}

void TIniFile::EraseSection(const QString& section) {
  // Every header of that name goes, so the section is gone for readers too.
  for (qsizetype h = findSection(section); h >= 0; h = findSection(section)) {
    lines_.erase(lines_.begin() + h, lines_.begin() + sectionEnd(h));
    modified_ = true;
  }
}

void TIniFile::DeleteKey(const QString& section, const QString& ident) {
  const qsizetype h = findSection(section);
  if (h < 0) return;
  const qsizetype k = findKey(h, ident);
  if (k < 0) return;
  lines_.erase(lines_.begin() + k);
  modified_ = true;
}

void TIniFile::UpdateFile() {
  QString text;
  qsizetype size = 0;
  for (const Line& l : lines_) size += l.text.size() + 2;
  text.reserve(size);
  for (const Line& l : lines_) {
    text += l.text;
    text += QLatin1String("\r\n");
  }
  QSaveFile file(fileName_);
  if (!file.open(QIODevice::WriteOnly))
    throw EFileError(
        QStringLiteral("Cannot create file \"%1\". %2").arg(fileName_, file.errorString()));
  const QByteArray bytes = ToCp1252(text);
  if (file.write(bytes) != bytes.size() || !file.commit())
    throw EFileError(
        QStringLiteral("Cannot write file \"%1\". %2").arg(fileName_, file.errorString()));
  modified_ = false;
}

}  // namespace base
