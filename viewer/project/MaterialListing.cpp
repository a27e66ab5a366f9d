#include "viewer/project/MaterialListing.h"

#include "resultdata/TMaterialRecord.h"

#include <QLocale>

namespace {

MaterialSummary::DryWet DryWetOf(const TMaterialCurve& curve) {
  MaterialSummary::DryWet dw;
  const int n = curve.EntryCount();
  if (n < 1 || curve.EntryWidth < 2) return dw;
  dw.Dry = curve.At(0, 1);
  dw.Wet = curve.At(n - 1, 1);
  return dw;
}

// "%f": two decimals, the user's decimal separator, no digit grouping.
QString Fixed(double v, int decimals = 2) {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(v, 'f', decimals);
}

QString Value(const std::optional<double>& v) {
  return v ? Fixed(*v) : QStringLiteral("-");
}

void DirectionLines(QStringList& lines, const QString& heading,
                    const MaterialSummary::DryWet& conductivity,
                    const MaterialSummary::DryWet& diffusion) {
  lines << QString() << heading << QStringLiteral("Thermal conductivity")
        << QStringLiteral("  dry [W/(m K)] ..... ") + Value(conductivity.Dry)
        << QStringLiteral("  wet [W/(m K)] ..... ") + Value(conductivity.Wet)
        << QStringLiteral("Water Vapour Diffusion Resistance Factor")
        << QStringLiteral("  dry [-] ..... ") + Value(diffusion.Dry)
        << QStringLiteral("  wet [-] ..... ") + Value(diffusion.Wet);
}

}  // namespace

MaterialSummary SummariseMaterial(const TMaterialRecord& record) {
  MaterialSummary m;
  // A name is at most 50 characters; anything after a NUL is padding.
  m.Name = record.Name.left(50);
  const qsizetype nul = m.Name.indexOf(QChar(0));
  if (nul >= 0) m.Name.truncate(nul);
  m.BulkDensity = record.Values[0];
  m.HeatCapacity = record.Values[2];
  m.Porosity = record.Values[6];
  m.FreeWater = record.Values[7];
  const TMaterialCurve& storage = record.Curves[4];
  if (storage.EntryWidth >= 2) {
    for (int e = 0; e < storage.EntryCount(); ++e)
      m.Moisture.emplace_back(storage.At(e, 0), storage.At(e, 1));
  }
  m.ConductivityX = DryWetOf(record.Curves[0]);
  m.ConductivityY = DryWetOf(record.Curves[1]);
  m.DiffusionX = DryWetOf(record.Curves[2]);
  m.DiffusionY = DryWetOf(record.Curves[3]);
  return m;
}

QStringList MaterialLines(const MaterialSummary& m) {
  QStringList lines;
  lines << m.Name << QString()
        << QStringLiteral("Bulk density [kg/m^3] ................. ") + Fixed(m.BulkDensity)
        << QStringLiteral("Porosity [m^3/m^3] .................... ") + Fixed(m.Porosity)
        << QStringLiteral("Free Water Saturation [kg/m^3] ........ ") + Fixed(m.FreeWater)
        << QStringLiteral("Specific Heat capacity [J/(kg K)] ..... ") + Fixed(m.HeatCapacity)
        << QStringLiteral("Moisture Storage Function")
        << QStringLiteral("  R.H.[-] | W.C.[kg/m^3]");
  // The last row of the storage function is not listed.
  for (std::size_t r = 0; r + 1 < m.Moisture.size(); ++r) {
    lines << QStringLiteral("   %1 | %2")
                 .arg(Fixed(m.Moisture[r].first, 4), Fixed(m.Moisture[r].second));
  }
  DirectionLines(lines, QStringLiteral("x-Direction"), m.ConductivityX, m.DiffusionX);
  DirectionLines(lines, QStringLiteral("y-Direction"), m.ConductivityY, m.DiffusionY);
  return lines;
}
