#pragma once
// Legend files (".leg"): a colour legend saved and loaded by the user, an ini
// file with the sections "Legend" (range, shown interval, digits, count, the
// colours as names or "$hex", numbered from Color1, and the background) and
// "CustomColors" (the colour dialog's custom colours, "ColorA=788a8f").
//
// A file may come from anywhere: every value is checked and a missing or
// unusable one keeps the legend's current value.
class ColorLegendModel;
class QString;
class TFloatIniFile;

namespace base {
class TIniFile;
}

// Writes the legend into the two sections of `ini` (which it empties first,
// so no colour of an earlier, longer legend stays behind). Other sections
// are kept.
void WriteLegend(const ColorLegendModel& legend, TFloatIniFile& ini);
// Writes `path` atomically; raises base::EFileError when that fails.
void ExportLegendFile(const ColorLegendModel& legend, const QString& path);

// Sets the legend from `ini`: linear colours off, then the range, the shown
// interval, the digits, the count, the colours of rows 1 .. count, the
// background and, when the file has any, the custom colours. The caller
// handles the change as a whole afterwards (recomputes and repaints once).
void ReadLegend(ColorLegendModel& legend, const TFloatIniFile& ini);
// Reads `path`; raises base::EFileError when it cannot be read.
void ImportLegendFile(ColorLegendModel& legend, const QString& path);
