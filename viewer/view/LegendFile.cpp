#include "viewer/view/LegendFile.h"

#include "base/Colors.h"
#include "base/Convert.h"
#include "base/Exceptions.h"
#include "viewer/view/TFloatIniFile.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <QStringList>

namespace {

const QString LegendSection = QStringLiteral("Legend");
const QString CustomSection = QStringLiteral("CustomColors");

// Captions are written with Digits decimals in a format of at most 18
// significant digits.
constexpr int MaxDigits = 12;

QString ColorKey(int i) {
  return QStringLiteral("Color%1").arg(i);
}

// The colour of a "clRed" or "$00FF8000" text, or `current` for anything
// else (including values with a top byte that is neither 0 nor a system
// colour's).
base::TColor ReadColor(const TFloatIniFile& ini, const QString& key, base::TColor current) {
  const QString text = ini.ReadString(LegendSection, key, QString());
  if (text.isEmpty()) return current;
  try {
    const base::TColor c = base::StringToColor(text);
    const unsigned top = c >> 24;
    return top == 0 || top == 0xFF ? c : current;
  } catch (const base::EConvertError&) {
    return current;
  }
}

}  // namespace

void WriteLegend(const ColorLegendModel& legend, TFloatIniFile& ini) {
  ini.EraseSection(LegendSection);
  ini.EraseSection(CustomSection);
  ini.WriteFloat(LegendSection, QStringLiteral("MinValDefault"), legend.MinVal());
  ini.WriteFloat(LegendSection, QStringLiteral("MaxValDefault"), legend.MaxVal());
  ini.WriteFloat(LegendSection, QStringLiteral("MinVal"), legend.MinValAct());
  ini.WriteFloat(LegendSection, QStringLiteral("MaxVal"), legend.MaxValAct());
  ini.WriteInteger(LegendSection, QStringLiteral("Digits"), legend.Digits());
  ini.WriteInteger(LegendSection, QStringLiteral("Count"), legend.BoxCount());
  for (int i = 1; i <= legend.BoxCount(); ++i)
    ini.WriteString(LegendSection, ColorKey(i), base::ColorToString(legend.GetBoxColor(i)));
  ini.WriteString(LegendSection, QStringLiteral("Background"), base::ColorToString(legend.Color()));
  for (const QString& line : legend.CustomColor()) {
    const int eq = line.indexOf(QLatin1Char('='));
    const QString name = (eq < 0 ? line : line.left(eq)).trimmed();
    // A line without a usable name cannot be written as a key.
    if (name.isEmpty() || name.startsWith(QLatin1Char('[')) || name.startsWith(QLatin1Char(';')))
      continue;
    ini.WriteString(CustomSection, name, eq < 0 ? QString() : line.mid(eq + 1));
  }
}

void ExportLegendFile(const ColorLegendModel& legend, const QString& path) {
  TFloatIniFile ini(path);
  WriteLegend(legend, ini);
  ini.UpdateFile();
}

void ReadLegend(ColorLegendModel& legend, const TFloatIniFile& ini) {
  legend.SetColorsLinear(false);
  // Setting a data bound also sets the shown bound: keep the shown bounds
  // from before as the defaults of their own keys.
  const double minValAct = legend.MinValAct();
  const double maxValAct = legend.MaxValAct();
  legend.SetMinVal(ini.ReadFloat(LegendSection, QStringLiteral("MinValDefault"), legend.MinVal()));
  legend.SetMaxVal(ini.ReadFloat(LegendSection, QStringLiteral("MaxValDefault"), legend.MaxVal()));
  legend.SetMinValAct(ini.ReadFloat(LegendSection, QStringLiteral("MinVal"), minValAct));
  legend.SetMaxValAct(ini.ReadFloat(LegendSection, QStringLiteral("MaxVal"), maxValAct));

  const int digits = ini.ReadInteger(LegendSection, QStringLiteral("Digits"), legend.Digits());
  if (digits >= 0 && digits <= MaxDigits) legend.SetDigits(digits);
  const int count = ini.ReadInteger(LegendSection, QStringLiteral("Count"), legend.BoxCount());
  if (count >= 1 && count <= ColorLegendModel::MaxBoxCount) legend.SetBoxCount(count);

  for (int i = 1; i <= legend.BoxCount(); ++i)
    legend.SetBoxColor(i, ReadColor(ini, ColorKey(i), legend.GetBoxColor(i)));
  // Keys match without regard to case: this is the key written "Background".
  legend.SetColor(ReadColor(ini, QStringLiteral("BackGround"), legend.Color()));

  QStringList custom;
  for (const QString& name : ini.ReadSection(CustomSection))
    custom << name + QLatin1Char('=') +
                  ini.ReadString(CustomSection, name, QStringLiteral("000000"));
  if (!custom.isEmpty()) legend.CustomColor() = custom;
}

void ImportLegendFile(ColorLegendModel& legend, const QString& path) {
  const TFloatIniFile ini(path);
  ReadLegend(legend, ini);
}
