// Session and legend files: Windows profile semantics, atomic saves,
// Windows-1252 text, and refusal of files that are no settings files.
#include "LocaleScope.h"
#include "base/Exceptions.h"
#include "base/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  QString write(const char* name, const QByteArray& bytes) const {
    QFile f(dir_.filePath(QString::fromUtf8(name)));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
  }
  static QByteArray read(const QString& file) {
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
  }
  QTemporaryDir dir_;
};

const QByteArray kLegend =
    "; written by hand\r\n[Legend]\r\nMinVal = 0,5 \r\nmaxval=1.25\r\nCount=$1F\r\n"
    "Quoted=\"  padded  \"\r\nFlag=2\r\nWord=true\r\nBroken=12abc\r\n\r\n"
    "[Unknown]\r\nKeep=me\r\n[legend]\r\nMinVal=99\r\n";

TEST_F(IniFileTest, ReadsWithProfileSemanticsUnderEitherLocale) {
  for (bool german : {false, true}) {
    LocaleScope scope(LocaleScope::of(german));
    const base::TIniFile ini(write("a.leg", kLegend));
    EXPECT_EQ(ini.ReadFloat("LEGEND", "minval", -1), 0.5);
    EXPECT_EQ(ini.ReadFloat("Legend", "MaxVal", -1), 1.25);
    EXPECT_EQ(ini.ReadInteger("legend", "COUNT", -1), 31);
    EXPECT_EQ(ini.ReadString("Legend", "Quoted", ""), "  padded  ");
    EXPECT_TRUE(ini.ReadBool("Legend", "Flag", false));
    EXPECT_FALSE(ini.ReadBool("Legend", "Word", false));  // no integer: the default
    EXPECT_EQ(ini.ReadInteger("Legend", "Broken", 7), 7);
    EXPECT_EQ(ini.ReadString("Nowhere", "Keep", "d"), "d");
    EXPECT_FALSE(ini.ValueExists("legend", "written by hand"));
    EXPECT_EQ(ini.ReadSections(), QStringList({"Legend", "Unknown"}));
    EXPECT_EQ(ini.ReadSection("Legend").size(), 7);
  }
}

TEST_F(IniFileTest, RewriteKeepsOtherLinesAndOrder) {
  const QString file = write("b.ini", kLegend);
  base::TIniFile ini(file);
  ini.WriteString("LEGEND", "count", "5");            // in place, spelling kept
  ini.WriteInteger("Legend", "Digits", 3);            // appended to its section
  ini.WriteBool("New", "On", true);                   // new section at the end
  ini.WriteString("Legend", "Text", "two\r\nlines");  // a value stays one line
  ini.DeleteKey("Legend", "BROKEN");
  EXPECT_EQ(read(file), kLegend);  // nothing written before UpdateFile
  ini.UpdateFile();
  EXPECT_FALSE(ini.Modified());
  EXPECT_EQ(read(file), QByteArray("; written by hand\r\n[Legend]\r\nMinVal = 0,5 \r\n"
                                   "maxval=1.25\r\nCount=5\r\nQuoted=\"  padded  \"\r\nFlag=2\r\n"
                                   "Word=true\r\nDigits=3\r\nText=two  lines\r\n\r\n"
                                   "[Unknown]\r\nKeep=me\r\n[legend]\r\nMinVal=99\r\n"
                                   "[New]\r\nOn=1\r\n"));
  ini.EraseSection("legend");  // both headers of that name
  ini.UpdateFile();
  EXPECT_EQ(read(file),
            QByteArray("; written by hand\r\n[Unknown]\r\nKeep=me\r\n[New]\r\nOn=1\r\n"));
}

TEST_F(IniFileTest, FloatsAndTextsWrittenInOneLocaleReadInAnother) {
  const QString file = write("session.session", "");
  {
    LocaleScope scope(LocaleScope::german());
    base::TIniFile ini(file);
    ini.WriteFloat("Temperature", "Threshold", -12.25);
    ini.WriteString("Units", "Temperature", QString::fromUtf8("[°C] m³ €"));
    ini.UpdateFile();
  }
  EXPECT_EQ(read(file), QByteArray("[Temperature]\r\nThreshold=-12,25\r\n"
                                   "[Units]\r\nTemperature=[\xB0"
                                   "C] m\xB3 \x80\r\n"));
  LocaleScope scope(LocaleScope::english());
  const base::TIniFile ini(file);
  EXPECT_EQ(ini.ReadFloat("temperature", "threshold", 0), -12.25);
  EXPECT_EQ(ini.ReadString("units", "temperature", ""), QString::fromUtf8("[°C] m³ €"));
}

TEST_F(IniFileTest, LineEndsOfAnyKindAndOddLines) {
  static const char kOdd[] =
      "junk before\n[A]\rx=1\ny = \"2'\n[B\nnoequals\n=5\nz=3\r\n[ C ]\nk=\"\"\n\0[D]\nq=4";
  const base::TIniFile ini(write("d.ini", QByteArray(kOdd, sizeof kOdd - 1)));
  EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);
  EXPECT_EQ(ini.ReadString("A", "y", ""), "\"2'");      // quotes must match
  EXPECT_EQ(ini.ReadSection("B"), QStringList({"z"}));  // unterminated header
  EXPECT_EQ(ini.ReadString("C", "k", "d"), QString());
  EXPECT_EQ(ini.ReadInteger("D", "q", 0), 0);  // "\0[D]" is no header
}

TEST_F(IniFileTest, RefusesWhatIsNoSettingsFile) {
  EXPECT_NO_THROW(base::TIniFile(dir_.filePath("missing.ini")));
  EXPECT_THROW(base::TIniFile(dir_.path()), base::EFileError);  // a folder
  const QString big = write("big.ini", QByteArray(base::TIniFile::MaxFileSize + 1, 'x'));
  EXPECT_THROW(base::TIniFile{big}, base::EFileError);
}

TEST_F(IniFileTest, ReadsEveryKeyOfAFileNearTheSizeLimit) {
  // A legend import reads every key of a section: lookups by scanning would take minutes.
  QByteArray bytes = "[CustomColors]\r\n";
  const int count = 55000;
  for (int i = 0; i < count; ++i)
    bytes += "Color" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\r\n";
  ASSERT_LE(bytes.size(), base::TIniFile::MaxFileSize);
  const base::TIniFile ini(write("many.leg", bytes));
  const QStringList keys = ini.ReadSection("customcolors");
  ASSERT_EQ(keys.size(), count);
  qint64 sum = 0;
  for (const QString& k : keys) sum += ini.ReadInteger("CustomColors", k, 0);
  EXPECT_EQ(sum, qint64{count} * (count - 1) / 2);
}

TEST_F(IniFileTest, FailedSaveRaisesAndKeepsTheOldFile) {
  const QString blocker = write("blocker", "not a folder");
  base::TIniFile ini(blocker + "/inside.ini");
  ini.WriteInteger("S", "k", 1);
  EXPECT_THROW(ini.UpdateFile(), base::EFileError);
  EXPECT_TRUE(ini.Modified());
  EXPECT_EQ(read(blocker), QByteArray("not a folder"));
  for (const auto& [section, key] : {std::pair{"Bad]Name", "k"}, {"S", "a=b"}, {"S", "  "}})
    EXPECT_THROW(ini.WriteString(section, key, "v"), base::EFileError) << section << key;
}

}  // namespace
