#pragma once
// Ini files with Windows profile semantics, for the session and legend
// files: sections and keys match without regard to case (the first of
// duplicates wins); values are trimmed and lose one pair of enclosing
// quotes; a missing or unparsable value reads as the caller's default.
// Writing replaces a key in place or appends it to its section, and keeps
// every other line (unknown sections, comments) and the order. Files are
// Windows-1252 text with CRLF line ends.
//
// Changes stay in memory until UpdateFile(), which replaces the file
// atomically and raises EFileError when that fails. The destructor writes
// nothing.
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace base {

class TIniFile {
 public:
  // Reads the file when it exists; a missing file is an empty one. Raises
  // EFileError when the file exists but cannot be read or exceeds MaxFileSize.
  explicit TIniFile(const QString& fileName);

  static constexpr qint64 MaxFileSize = 1 << 20;

  const QString& FileName() const { return fileName_; }
  bool Modified() const { return modified_; }

  QString ReadString(const QString& section, const QString& ident, const QString& def) const;
  // Decimal, "$1F" or "0x1F".
  int ReadInteger(const QString& section, const QString& ident, int def) const;
  // Either '.' or ',' as decimal separator, whatever the locale.
  double ReadFloat(const QString& section, const QString& ident, double def) const;
  // Any non-zero integer is true; a text that is no integer gives the default.
  bool ReadBool(const QString& section, const QString& ident, bool def) const;

  // Section names may not hold ']' and keys not '=' (EFileError); line
  // breaks in values become blanks. Floats use the locale's separator.
  void WriteString(const QString& section, const QString& ident, const QString& value);
  void WriteInteger(const QString& section, const QString& ident, int value);
  void WriteFloat(const QString& section, const QString& ident, double value);
  void WriteBool(const QString& section, const QString& ident, bool value);  // "1" / "0"

  bool SectionExists(const QString& section) const;
  bool ValueExists(const QString& section, const QString& ident) const;
  QStringList ReadSections() const;
  QStringList ReadSection(const QString& section) const;  // key names in file order
  void EraseSection(const QString& section);
  void DeleteKey(const QString& section, const QString& ident);

  // Writes the file atomically (QSaveFile); raises EFileError.
  void UpdateFile();

 private:
  enum class Kind : unsigned char { Other, Section, Key };
  struct Line {
    QString text;
    Kind kind = Kind::Other;
    int nameFrom = 0, nameLen = 0;    // section or key name within text
    int valueFrom = 0, valueLen = 0;  // value within text (keys)
    QStringView name() const { return QStringView(text).mid(nameFrom, nameLen); }
    QStringView value() const { return QStringView(text).mid(valueFrom, valueLen); }
  };
  // A header and the lines up to the next header. Keys are looked up
  // through an index built on first use, so reading every key of a large
  // hostile file stays linear.
  struct Section {
    Line header;
    std::vector<Line> lines;
    mutable QHash<QString, int> keys;  // folded key name -> first line of that key
    mutable bool keysValid = false;
  };

  static Line parseLine(QString text);
  static QString fold(QStringView name);
  // Index of the first section of that name, or -1.
  int findSection(QStringView section) const;
  // Line of the key within section s, or -1.
  int findKey(int s, QStringView ident) const;
  const Line* lookup(const QString& section, const QString& ident) const;

  QString fileName_;
  std::vector<Line> preamble_;  // lines before the first header
  std::vector<Section> sections_;
  mutable QHash<QString, int> sectionIndex_;  // folded name -> first section
  mutable bool sectionIndexValid_ = false;
  bool modified_ = false;
};

}  // namespace base
