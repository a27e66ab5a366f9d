#include "chart/core/ChartCursors.h"

#include <array>

namespace {

struct CursorEntry {
  int value;
  const char* name;
  Qt::CursorShape shape;
};

// The class library's order, which its cursor lists show.
constexpr std::array<CursorEntry, 22> kCursors{{
    {crDefault, "crDefault", Qt::ArrowCursor},
    {crArrow, "crArrow", Qt::ArrowCursor},
    {crCross, "crCross", Qt::CrossCursor},
    {crIBeam, "crIBeam", Qt::IBeamCursor},
    {crSizeNESW, "crSizeNESW", Qt::SizeBDiagCursor},
    {crSizeNS, "crSizeNS", Qt::SizeVerCursor},
    {crSizeNWSE, "crSizeNWSE", Qt::SizeFDiagCursor},
    {crSizeWE, "crSizeWE", Qt::SizeHorCursor},
    {crUpArrow, "crUpArrow", Qt::UpArrowCursor},
    {crHourGlass, "crHourGlass", Qt::WaitCursor},
    {crDrag, "crDrag", Qt::DragMoveCursor},
    {crNoDrop, "crNoDrop", Qt::ForbiddenCursor},
    {crHSplit, "crHSplit", Qt::SplitHCursor},
    {crVSplit, "crVSplit", Qt::SplitVCursor},
    {crMultiDrag, "crMultiDrag", Qt::DragCopyCursor},
    {crSQLWait, "crSQLWait", Qt::BusyCursor},
    {crNo, "crNo", Qt::ForbiddenCursor},
    {crAppStart, "crAppStart", Qt::BusyCursor},
    {crHelp, "crHelp", Qt::WhatsThisCursor},
    {crHandPoint, "crHandPoint", Qt::PointingHandCursor},
    {crSizeAll, "crSizeAll", Qt::SizeAllCursor},
    {crNone, "crNone", Qt::BlankCursor},
}};

constexpr const char* kPlotHandName = "crPlotHand";

bool handInstalled = false;

}  // namespace

bool PlotIdentToCursor(const QString& name, int& cursor) {
  if (name.compare(QLatin1String(kPlotHandName), Qt::CaseInsensitive) == 0) {
    cursor = crPlotHand;
    return true;
  }
  for (const CursorEntry& e : kCursors) {
    if (name.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0) {
      cursor = e.value;
      return true;
    }
  }
  return false;
}

bool PlotCursorToIdent(int cursor, QString& name) {
  if (cursor == crPlotHand) {
    name = QLatin1String(kPlotHandName);
    return true;
  }
  for (const CursorEntry& e : kCursors) {
    if (e.value == cursor) {
      name = QLatin1String(e.name);
      return true;
    }
  }
  return false;
}

QStringList PlotCursorIdents() {
  QStringList names;
  for (const CursorEntry& e : kCursors) names << QLatin1String(e.name);
  names << QLatin1String(kPlotHandName);
  return names;
}

Qt::CursorShape PlotCursorShape(int cursor) {
  if (cursor == crPlotHand) return handInstalled ? Qt::PointingHandCursor : Qt::ArrowCursor;
  for (const CursorEntry& e : kCursors) {
    if (e.value == cursor) return e.shape;
  }
  return Qt::ArrowCursor;
}

void SetPlotHandCursorInstalled(bool installed) {
  handInstalled = installed;
}
