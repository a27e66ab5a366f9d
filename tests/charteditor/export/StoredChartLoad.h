#pragma once
// Builds a chart from what the test-only reader found in a chart file, so
// that round trips compare a saved chart with the chart its file gives:
// classes by name through the registry, properties through the published
// walk, points from the data blocks.
#include "tests/support/ChartFileReader.h"

#include <QStringList>

#include <memory>

class QObject;
class TCustomAxisPanel;

// Null, with the reason, for a class the registry does not know or a value
// a property refuses.
std::unique_ptr<TCustomAxisPanel> LoadStoredChart(const storedchart::ChartFile& file,
                                                  QString* error);

// The stored published values in which `saved` and `loaded` differ, nested
// ones by their dotted path, each as "name=saved/loaded".
QStringList StoredDifferences(const QObject& saved, const QObject& loaded,
                              const QString& path = {});
