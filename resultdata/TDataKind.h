#pragma once
// The field kinds a result file can hold and their display and ini names.
// A kind is stored as one byte in files and slot tables; the texts live here as
// Unicode and become Windows-1252 bytes only when written to or read from a file.
#include <QString>

#include <cstdint>

enum TDataKind : std::uint8_t {
  dkWatercontent = 0,
  dkRelHumidity = 1,
  dkTemperature = 2,
  dkVapourPressure = 3,
  dkCapillaryFlux = 4,
  dkDiffusionFlux = 5,
  dkHeatFlux = 6,
  dkAirVelocity = 7,
  dkEmpty = 8,
};

// Number of real field kinds (dkWatercontent .. dkAirVelocity); dkEmpty marks
// an empty slot and carries no values.
inline constexpr int FieldKindCount = 8;
// Number of entries of each name table (the field kinds plus dkEmpty).
inline constexpr int DataKindCount = 9;

// A vector kind carries two arrays per step: the magnitude and the direction
// (an angle in degrees).
constexpr bool IsVectorKind(TDataKind kind) {
  return kind >= dkCapillaryFlux && kind <= dkAirVelocity;
}

// The four name tables, indexed by kind. A byte above dkEmpty (which a slot
// table never holds once normalised) reads the dkEmpty entry rather than
// outside the table.
//   unit:  follows values shown to the user ("[kg/m³]")
//   long:  titles a view window ("Watercontent [kg/m³]")
//   short: captions the colour legend ("part. Pres. [Pa]")
//   ini:   section name of the kind in the session file ("part.Pres.")
const QString& DataKindUnit(TDataKind kind);
const QString& DataKindLongName(TDataKind kind);
const QString& DataKindShortName(TDataKind kind);
const QString& DataKindIniName(TDataKind kind);
