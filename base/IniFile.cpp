#include "base/IniFile.h"

#include "base/Convert.h"
#include "base/Cp1252.h"
#include "base/Exceptions.h"
#include "base/FormatFloat.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <algorithm>

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

}  // namespace

TIniFile::TIniFile(const QString& fileName) : fileName_(fileName) {
  QFile file(fileName);
  if (!file.exists()) return;
  if (!file.open(QIODevice::ReadOnly))
    throw EFileError(
        QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
  if (file.size() > MaxFileSize)
    throw EFileError(QStringLiteral("File \"%1\" is too large for a settings file").arg(fileName));
  // One byte more than the size seen, to notice a file that grew meanwhile.
  const QByteArray bytes = file.read(file.size() + 1);
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
    Line line = parseLine(text.mid(start, end - start));
    if (line.kind == Kind::Section)
      sections_.push_back(Section{std::move(line), {}, {}, false});
    else if (sections_.empty())
      preamble_.push_back(std::move(line));
    else
      sections_.back().lines.push_back(std::move(line));
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

QString TIniFile::fold(QStringView name) {
  return name.trimmed().toString().toCaseFolded();
}

int TIniFile::findSection(QStringView section) const {
  if (!sectionIndexValid_) {
    sectionIndex_.clear();
    for (size_t i = 0; i < sections_.size(); ++i) {
      const QString key = fold(sections_[i].header.name());
      if (!sectionIndex_.contains(key)) sectionIndex_.insert(key, static_cast<int>(i));
    }
    sectionIndexValid_ = true;
  }
  return sectionIndex_.value(fold(section), -1);
}

int TIniFile::findKey(int s, QStringView ident) const {
  const Section& sec = sections_[s];
  if (!sec.keysValid) {
    sec.keys.clear();
    for (size_t i = 0; i < sec.lines.size(); ++i) {
      if (sec.lines[i].kind != Kind::Key) continue;
      const QString key = fold(sec.lines[i].name());
      if (!sec.keys.contains(key)) sec.keys.insert(key, static_cast<int>(i));
    }
    sec.keysValid = true;
  }
  return sec.keys.value(fold(ident), -1);
}

const TIniFile::Line* TIniFile::lookup(const QString& section, const QString& ident) const {
  const int s = findSection(section);
  if (s < 0) return nullptr;
  const int k = findKey(s, ident);
  return k < 0 ? nullptr : &sections_[s].lines[k];
}

QString TIniFile::ReadString(const QString& section, const QString& ident,
                             const QString& def) const {
  const Line* l = lookup(section, ident);
  return l ? l->value().toString() : def;
}

int TIniFile::ReadInteger(const QString& section, const QString& ident, int def) const {
  const Line* l = lookup(section, ident);
  return l ? StrToIntDef(l->value().toString(), def) : def;
}

double TIniFile::ReadFloat(const QString& section, const QString& ident, double def) const {
  const Line* l = lookup(section, ident);
  double d;
  return l && !l->value().isEmpty() && TryTolerantStrToFloat(l->value().toString(), d) ? d : def;
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

  const int s = findSection(sec);
  if (s < 0) {
    Section added{parseLine(QLatin1Char('[') + sec + QLatin1Char(']')), {}, {}, false};
    added.lines.push_back(std::move(line));
    sections_.push_back(std::move(added));
    sectionIndex_.insert(fold(sec), static_cast<int>(sections_.size() - 1));
    return;
  }
  Section& target = sections_[s];
  const int k = findKey(s, key);
  if (k >= 0) {
    // Keep the spelling of the key as the file has it.
    const QString existing = target.lines[k].name().toString();
    target.lines[k] = parseLine(existing + QLatin1Char('=') + withoutLineBreaks(value));
    return;
  }
  // After the section's last non-blank line, before the blank lines that
  // separate it from the next section; only blank lines move, so the key
  // index stays valid.
  size_t at = target.lines.size();
  while (at > 0 && target.lines[at - 1].text.trimmed().isEmpty()) --at;
  target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
  target.keys.insert(fold(key), static_cast<int>(at));
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
  return lookup(section, ident) != nullptr;
}

QStringList TIniFile::ReadSections() const {
  QStringList names;
  QSet<QString> seen;
  for (const Section& s : sections_) {
    if (!seen.contains(fold(s.header.name()))) {
      seen.insert(fold(s.header.name()));
      names << s.header.name().toString();
    }
  }
  return names;
}

QStringList TIniFile::ReadSection(const QString& section) const {
  QStringList keys;
  const int s = findSection(section);
  if (s < 0) return keys;
  QSet<QString> seen;
  for (const Line& l : sections_[s].lines) {
    if (l.kind != Kind::Key || seen.contains(fold(l.name()))) continue;
    seen.insert(fold(l.name()));
    keys << l.name().toString();
  }
  return keys;
}

void TIniFile::EraseSection(const QString& section) {
  // Every section of that name goes, so it is gone for readers too.
  const QString wanted = fold(section);
  const auto gone = std::remove_if(sections_.begin(), sections_.end(), [&](const Section& s) {
    return fold(s.header.name()) == wanted;
  });
  if (gone == sections_.end()) return;
  sections_.erase(gone, sections_.end());
  sectionIndexValid_ = false;
  modified_ = true;
}

void TIniFile::DeleteKey(const QString& section, const QString& ident) {
  const int s = findSection(section);
  if (s < 0) return;
  const int k = findKey(s, ident);
  if (k < 0) return;
  sections_[s].lines.erase(sections_[s].lines.begin() + k);
  sections_[s].keysValid = false;
  modified_ = true;
}

void TIniFile::UpdateFile() {
  QString text;
  auto put = [&text](const Line& l) {
    text += l.text;
    text += QLatin1String("\r\n");
  };
  for (const Line& l : preamble_) put(l);
  for (const Section& s : sections_) {
    put(s.header);
    for (const Line& l : s.lines) put(l);
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
