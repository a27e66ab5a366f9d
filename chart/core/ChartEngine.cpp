#include "chart/core/ChartEngine.h"

#include "chart/core/ChartClassRegistry.h"
#include "chart/core/ChartCursors.h"
#include "chart/core/ChartDefaults.h"
#include "chart/core/ChartMessages.h"
#include "chart/core/RegistrarList.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

#include <algorithm>
#include <vector>

namespace {

int starts = 0;
base::TDateTime lowestDate = 0;
// The default font before the start-up took the desktop's, put back by the
// last stop.
QString fontNameBefore;
int fontSizeBefore = 0;

std::vector<ChartClassRegistrar>& registrars() {
  static std::vector<ChartClassRegistrar> list;
  return list;
}

// The desktop's family at size 8 always: a desktop's own size (9 to 11)
// would change every chart text, and the heights charts store.
constexpr int kChartFontSize = 8;

void takeDesktopFont() {
  fontNameBefore = DefaultChartFontName();
  fontSizeBefore = DefaultChartFontSize();
  // The font database needs a GUI application; without one the default stays.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  SetDefaultChartFont(font.family(), kChartFontSize);
}

void undo() {
  ChartClasses().Clear();
  SetPlotHandCursorInstalled(false);
  ClearChartMessages();
  lowestDate = 0;
  SetDefaultChartFont(fontNameBefore, fontSizeBefore);
}

}  // namespace

void AddChartClassRegistrar(ChartClassRegistrar registrar) {
  AddRegistrar(registrars(), registrar, starts > 0, ChartClasses());
}

void RemoveChartClassRegistrar(ChartClassRegistrar registrar) {
  RemoveRegistrar(registrars(), registrar);
}

void StartChartEngine() {
  if (starts > 0) {
    ++starts;
    return;
  }
  FillChartMessages();
  SetPlotHandCursorInstalled(true);
  lowestDate = base::EncodeDate(1900, 1, 1);
  takeDesktopFont();
  try {
    for (ChartClassRegistrar r : registrars()) r(ChartClasses());
  } catch (...) {
    undo();
    throw;
  }
  starts = 1;
}

void StopChartEngine() {
  if (starts == 0) return;
  if (--starts == 0) undo();
}

bool ChartEngineRunning() {
  return starts > 0;
}

base::TDateTime ChartLowestDate() {
  return lowestDate;
}

ChartEngineScope::ChartEngineScope(std::initializer_list<ChartClassRegistrar> registrars) {
  for (ChartClassRegistrar r : registrars) AddChartClassRegistrar(r);
  StartChartEngine();
}

ChartEngineScope::~ChartEngineScope() {
  StopChartEngine();
}
