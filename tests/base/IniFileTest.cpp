// Session and legend files: Windows profile semantics, atomic saves,
// Windows-1252 text, and refusal of files that are no settings files.
#include "LocaleScope.h"
#include "base/Exceptions.h"
#include "base/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

  QString write(const char* name, const QByteArray& bytes) const {
    QFile f(path(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
  }

  QByteArray read(const QString& file) const {
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
  }

  QTemporaryDir dir_;
};

const QByteArray kLegend =
    "; written by hand\r\n"
    "[Legend]\r\n"
    "MinVal = 0,5 \r\n"
    "maxval=1.25\r\n"
    "Count=$1F\r\n"
    "Hex=0x10\r\n"
    "Background=clRed\r\n"
    "Quoted=\"  padded  \"\r\n"
    "Flag=2\r\n"
    "Word=true\r\n"
    "Broken=12abc\r\n"
    "\r\n"
    "[Unknown]\r\n"
    "Keep=me\r\n"
    "[legend]\r\n"
    "MinVal=99\r\n";

TEST_F(IniFileTest, ReadsWithProfileSemantics) {
  for (const QLocale& l : {LocaleScope::english(), LocaleScope::german()}) {
    LocaleScope scope(l);
    const base::TIniFile ini(write("a.leg", kLegend));
    EXPECT_EQ(ini.ReadFloat("LEGEND", "minval", -1), 0.5);
    EXPECT_EQ(ini.ReadFloat("Legend", "MaxVal", -1), 1.25);
    EXPECT_EQ(ini.ReadInteger("legend", "COUNT", -1), 31);
    EXPECT_EQ(ini.ReadInteger("Legend", "Hex", -1), 16);
    EXPECT_EQ(ini.ReadString("Legend", "BackGround", ""), QStringLiteral("clRed"));
    EXPECT_EQ(ini.ReadString("Legend", "Quoted", ""), QStringLiteral("  padded  "));
    EXPECT_TRUE(ini.ReadBool("Legend", "Flag", false));
    EXPECT_FALSE(ini.ReadBool("Legend", "Word", false));  // no integer: the default
    EXPECT_TRUE(ini.ReadBool("Legend", "Word", true));
    EXPECT_EQ(ini.ReadInteger("Legend", "Broken", 7), 7);
    EXPECT_EQ(ini.ReadFloat("Legend", "Background", 2.5), 2.5);
    EXPECT_EQ(ini.ReadFloat("Legend", "Missing", 2.5), 2.5);
    EXPECT_EQ(ini.ReadString("Nowhere", "Keep", "d"), QStringLiteral("d"));
    EXPECT_EQ(ini.ReadString("Unknown", "keep", ""), QStringLiteral("me"));
    EXPECT_TRUE(ini.SectionExists("UNKNOWN"));
    EXPECT_TRUE(ini.ValueExists("legend", "flag"));
    EXPECT_FALSE(ini.ValueExists("legend", "written by hand"));
    EXPECT_EQ(ini.ReadSections(), QStringList({"Legend", "Unknown"}));
    EXPECT_EQ(ini.ReadSection("Unknown"), QStringList({"Keep"}));
    EXPECT_EQ(ini.ReadSection("Legend").size(), 9);
  }
}

TEST_F(IniFileTest, RewriteKeepsOtherLinesAndOrder) {
  const QString file = write("b.ini", kLegend);
  base::TIniFile ini(file);
  ini.WriteString("LEGEND", "count", "5");  // in place, spelling kept
  ini.WriteInteger("Legend", "Digits", 3);  // appended to its section
  ini.WriteBool("New", "On", true);         // new section at the end
  ini.WriteBool("New", "Off", false);
  ini.WriteString("Legend", "Text", "two\r\nlines");  // a value stays one line
  EXPECT_TRUE(ini.Modified());
  EXPECT_EQ(read(file), kLegend);  // nothing written before UpdateFile
  ini.UpdateFile();
  EXPECT_FALSE(ini.Modified());
  EXPECT_EQ(read(file), QByteArray("; written by hand\r\n"
                                   "[Legend]\r\n"
                                   "MinVal = 0,5 \r\n"
                                   "maxval=1.25\r\n"
                                   "Count=5\r\n"
                                   "Hex=0x10\r\n"
                                   "Background=clRed\r\n"
                                   "Quoted=\"  padded  \"\r\n"
                                   "Flag=2\r\n"
                                   "Word=true\r\n"
                                   "Broken=12abc\r\n"
                                   "Digits=3\r\n"
                                   "Text=two  lines\r\n"
                                   "\r\n"
                                   "[Unknown]\r\n"
                                   "Keep=me\r\n"
                                   "[legend]\r\n"
                                   "MinVal=99\r\n"
                                   "[New]\r\n"
                                   "On=1\r\n"
                                   "Off=0\r\n"));
}

TEST_F(IniFileTest, FloatsWrittenInOneLocaleReadInAnother) {
  const QString file = path("session.session");
  {
    LocaleScope scope(LocaleScope::german());
    base::TIniFile ini(file);
    ini.WriteFloat("Temperature", "Threshold", 0.5);
    ini.WriteFloat("Temperature", "AngleX", -12.25);
    ini.UpdateFile();
  }
  EXPECT_EQ(read(file), QByteArray("[Temperature]\r\nThreshold=0,5\r\nAngleX=-12,25\r\n"));
  LocaleScope scope(LocaleScope::english());
  const base::TIniFile ini(file);
  EXPECT_EQ(ini.ReadFloat("temperature", "threshold", 0), 0.5);
  EXPECT_EQ(ini.ReadFloat("temperature", "anglex", 0), -12.25);
}

TEST_F(IniFileTest, EraseAndDelete) {
  base::TIniFile ini(write("c.ini", kLegend));
  ini.EraseSection("legend");  // both headers of that name
  EXPECT_FALSE(ini.SectionExists("Legend"));
  EXPECT_EQ(ini.ReadString("Unknown", "Keep", ""), QStringLiteral("me"));
  ini.DeleteKey("Unknown", "KEEP");
  EXPECT_FALSE(ini.ValueExists("Unknown", "Keep"));
  EXPECT_TRUE(ini.SectionExists("Unknown"));
  ini.DeleteKey("Nowhere", "x");
  ini.UpdateFile();
  EXPECT_EQ(read(ini.FileName()), QByteArray("; written by hand\r\n[Unknown]\r\n"));
}

TEST_F(IniFileTest, TextsAreWindows1252) {
  const QString file = path("units.ini");
  base::TIniFile ini(file);
  ini.WriteString("Units", "Temperature", QString::fromUtf8("[°C] m³ €"));
  ini.UpdateFile();
  EXPECT_EQ(read(file), QByteArray("[Units]\r\nTemperature=[\xB0"
                                   "C] m\xB3 \x80\r\n"));
  const base::TIniFile back(file);
  EXPECT_EQ(back.ReadString("units", "temperature", ""), QString::fromUtf8("[°C] m³ €"));
}

TEST_F(IniFileTest, LineEndsOfAnyKindAndOddLines) {
  static const char kOdd[] =
      "junk before\n[A]\rx=1\ny = \"2'\n[B\nnoequals\n=5\nz=3\r\n[ C ]\nk=\"\"\n\0[D]\nq=4";
  const base::TIniFile ini(write("d.ini", QByteArray(kOdd, sizeof kOdd - 1)));
  EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);
  EXPECT_EQ(ini.ReadString("A", "y", ""), QStringLiteral("\"2'"));  // quotes must match
  EXPECT_EQ(ini.ReadInteger("B", "z", 0), 3);                       // unterminated header
  EXPECT_EQ(ini.ReadSection("B"), QStringList({"z"}));
  EXPECT_EQ(ini.ReadString("C", "k", "d"), QString());
  EXPECT_EQ(ini.ReadInteger("D", "q", 0), 0);  // "\0[D]" is no header
  EXPECT_FALSE(ini.Modified());
}

TEST_F(IniFileTest, RefusesWhatIsNoSettingsFile) {
  EXPECT_NO_THROW(base::TIniFile(path("missing.ini")));
  EXPECT_THROW(base::TIniFile(dir_.path()), base::EFileError);  // a folder
  const QString big = write("big.ini", QByteArray(base::TIniFile::MaxFileSize + 1, 'x'));
  EXPECT_THROW(base::TIniFile{big}, base::EFileError);
}

TEST_F(IniFileTest, ReadsEveryKeyOfAFileNearTheSizeLimit) {
  // A legend import reads every key of a section: with lookups by scanning
  // this would take minutes.
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

  base::TIniFile named(path("e.ini"));
  EXPECT_THROW(named.WriteString("Bad]Name", "k", "v"), base::EFileError);
  EXPECT_THROW(named.WriteString("S", "a=b", "v"), base::EFileError);
  EXPECT_THROW(named.WriteString("S", "  ", "v"), base::EFileError);
  EXPECT_FALSE(named.Modified());
}

}  // namespace
