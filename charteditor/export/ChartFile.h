#pragma once
// The native chart file: four header bytes, the component stream and, on
// request, one data block per stored series with its points. The program
// writes these files and never reads them back; docs/chart-file.md
// describes the bytes for readers elsewhere.
#include <QString>

class QIODevice;
class TCustomAxisPanel;

// "name" becomes "name.plc"; a name with an extension stays as it is.
QString AddChartFileExtension(const QString& fileName);

// Raises ChartException naming the device or file and the system's reason;
// a file that cannot be written completely keeps its old contents.
void SaveChartToStream(const TCustomAxisPanel& chart, QIODevice& stream, bool includeData);
void SaveChartToFile(const TCustomAxisPanel& chart, const QString& fileName, bool includeData);
