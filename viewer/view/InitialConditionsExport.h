#pragma once
// The "initial conditions" text of a scalar field at the current step: the
// inner grid size, the x and y line coordinates and one line of cell values
// per inner column, for the simulation program to start a new run from.
//
// Numbers are written in the fixed real format of the text files the
// simulation program reads: scientific with one digit before the point, 14
// decimals and a signed four-digit exponent, right-aligned in 23 characters
// (" 2.73150000000000E+0002"), always with '.'. Lines end with CR LF, as the
// files have always been written.
#include "resultdata/TDataKind.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>

class QIODevice;
class ViewHost;

// What the export reads: the grid of the result file (x and y line
// coordinates, cell materials; cell k = i * ny + j) and the field's values of
// the current step (nx * ny).
struct InitialConditionsInput {
  int nx = 0;
  int ny = 0;
  std::span<const float> x;
  std::span<const float> y;
  std::span<const std::int16_t> materials;  // m > 0: material m - 1; entries beyond the end: none
  std::span<const float> values;
  TDataKind kind = dkWatercontent;
};

// The kinds the export is offered for (water content, relative humidity,
// temperature).
constexpr bool HasInitialConditions(TDataKind kind) {
  return kind == dkWatercontent || kind == dkRelHumidity || kind == dkTemperature;
}

// One number in the 23-character real format.
QByteArray InitialConditionsNumber(double v);

// The value written for cells without material: 0 for water content; for
// relative humidity and temperature the mean over the material cells of the
// inner grid (1 <= i <= nx - 2, 1 <= j <= ny - 2), or 0 when there is none.
double InitialConditionsFill(const InitialConditionsInput& in);

// Writes the text line by line (a large grid is never held in memory as
// text). Raises base::Exception when an array is shorter than the grid needs,
// before anything is written, and base::EFileError when the device refuses.
void WriteInitialConditions(QIODevice& device, const InitialConditionsInput& in);
// The whole text, for small grids and tests.
QByteArray InitialConditionsText(const InitialConditionsInput& in);

// The grid and the current step of `kind` from the project's result file;
// nx = 0 (nothing to export) when the project has no file.
InitialConditionsInput InitialConditionsOf(const ViewHost& host, TDataKind kind);

// The command of the view's menu: saves the reader position, asks for the
// file name (`askFileName` returns an empty text on Cancel), writes the text
// of `kind` at the current step and restores the position, also when the
// writing fails (the failure is then raised as base::EFileError). Returns
// whether a file was written.
bool RunInitialConditionsExport(ViewHost& host, TDataKind kind,
                                const std::function<QString()>& askFileName);
