#include "resultdata/TDataKind.h"

#include <array>

namespace {

using NameTable = std::array<QString, DataKindCount>;

const QString& entry(const NameTable& table, TDataKind kind) {
  const int index = kind < DataKindCount ? int(kind) : int(dkEmpty);
  return table[std::size_t(index)];
}

}  // namespace

const QString& DataKindUnit(TDataKind kind) {
  static const NameTable table{
      QStringLiteral("[kg/m³]"),   QStringLiteral("[-]"),        QStringLiteral("[°C]"),
      QStringLiteral("[Pa]"),      QStringLiteral("[kg/(m²s)]"), QStringLiteral("[kg/(m²s)]"),
      QStringLiteral("[J/(m²s)]"), QStringLiteral("[m/s]"),      QString(),
  };
  return entry(table, kind);
}

const QString& DataKindLongName(TDataKind kind) {
  static const NameTable table{
      QStringLiteral("Watercontent [kg/m³]"),
      QStringLiteral("rel. Humidity [-]"),
      QStringLiteral("Temperature [°C]"),
      QStringLiteral("part. Pressure of Vapour [Pa]"),
      QStringLiteral("Capillary Flux [kg/(m²s)]"),
      QStringLiteral("Diffusion Flux [kg/(m²s)]"),
      QStringLiteral("Heat Flux [J/(m²s)]"),
      QStringLiteral("Air Velocity [m/s]"),
      QStringLiteral("dkEmpty"),
  };
  return entry(table, kind);
}

const QString& DataKindShortName(TDataKind kind) {
  static const NameTable table{
      QStringLiteral("Watercontent [kg/m³]"),
      QStringLiteral("rel. Humidity [-]"),
      QStringLiteral("Temperature [°C]"),
      QStringLiteral("part. Pres. [Pa]"),
      QStringLiteral("Cap. Flux [kg/(m²s)]"),
      QStringLiteral("Diff. Flux [kg/(m²s)]"),
      QStringLiteral("Heat Flux [J/(m²s)]"),
      QStringLiteral("Velocity [m/s]"),
      QStringLiteral("dkEmpty"),
  };
  return entry(table, kind);
}

const QString& DataKindIniName(TDataKind kind) {
  static const NameTable table{
      QStringLiteral("Watercontent"), QStringLiteral("rel.Humidity"), QStringLiteral("Temperature"),
      QStringLiteral("part.Pres."),   QStringLiteral("Cap.Flux"),     QStringLiteral("Diff.Flux"),
      QStringLiteral("HeatFlux"),     QStringLiteral("Velocity"),     QStringLiteral("dkEmpty"),
  };
  return entry(table, kind);
}
