#pragma once
// One material of a result file: its name, the nine curve counts as stored,
// the eleven material values and the curves by curve number.
//
// Values shown by the viewer: 0 bulk density [kg/m³], 2 specific heat capacity
// [J/(kg K)], 6 porosity [m³/m³], 7 free water saturation [kg/m³].
// Curves: 0/1 thermal conductivity in x/y, 2/3 water vapour diffusion
// resistance factor in x/y, 4 moisture storage function (relative humidity
// [-], water content [kg/m³], a third number), 5 to 8 not shown.
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

struct TMaterialCurve {
  // Floats per entry: 2 (pairs), 3 (triples) or 5, depending on the curve and
  // the file version.
  int EntryWidth = 0;
  std::vector<float> Data;  // EntryWidth floats per entry

  int EntryCount() const { return EntryWidth > 0 ? static_cast<int>(Data.size()) / EntryWidth : 0; }
  // Number n (0-based) of entry e; the caller keeps e and n in range.
  float At(int entry, int n) const {
    return Data[static_cast<std::size_t>(entry * EntryWidth + n)];
  }
};

struct TMaterialRecord {
  static constexpr int CurveCount = 9;
  static constexpr int ValueCount = 11;

  QString Name;
  // c0 .. c8 as stored: curves 0 to 3 have c0 to c3 entries, curves 5 to 8
  // have c4 to c7, curve 4 has c8. Counts a version does not store are 0.
  std::array<std::int16_t, CurveCount> Counts{};
  std::array<float, ValueCount> Values{};
  std::array<TMaterialCurve, CurveCount> Curves{};  // by curve number
};
