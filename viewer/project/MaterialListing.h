#pragma once
// The text of the material data window: one material record of a result
// file as the lines the window shows. Building the text is split in two: the
// record's numbers are first read into a MaterialSummary, then formatted.
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

struct TMaterialRecord;

struct MaterialSummary {
  QString Name;
  double BulkDensity = 0;   // kg/m^3, material value 0
  double Porosity = 0;      // m^3/m^3, value 6
  double FreeWater = 0;     // kg/m^3, value 7
  double HeatCapacity = 0;  // J/(kg K), value 2
  // Moisture storage function: (relative humidity [-], water content [kg/m^3]).
  std::vector<std::pair<double, double>> Moisture;
  // "dry" (first entry) and "wet" (last entry) value of a direction table;
  // nullopt when the file holds no entry for it.
  struct DryWet {
    std::optional<double> Dry, Wet;
  };
  DryWet ConductivityX, ConductivityY, DiffusionX, DiffusionY;
};

// Reads a record as the reader hands it out. Each curve carries the entry
// width of its file version (pairs, triples or five numbers); the property
// value is always an entry's second number. A curve the version does not
// store is empty and gives no dry or wet value.
MaterialSummary SummariseMaterial(const TMaterialRecord& record);

// The window's lines ("%f" with two decimals in the user's locale). A missing
// dry or wet value prints "-"; a moisture function of n rows lists n - 1.
QStringList MaterialLines(const MaterialSummary& material);
