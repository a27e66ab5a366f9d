#pragma once
// Mouse cursors by number, as stored in chart files and chosen in the series
// editor: the class library's identifiers (crDefault 0, crArrow -2, ...,
// crSizeAll -22) plus the chart's own hand cursor crPlotHand (2020). Charts
// keep the number; the widget shows the Qt shape it maps to.
#include <QString>
#include <QStringList>
#include <Qt>

constexpr int crDefault = 0;
constexpr int crNone = -1;
constexpr int crArrow = -2;
constexpr int crCross = -3;
constexpr int crIBeam = -4;
constexpr int crSizeNESW = -6;
constexpr int crSizeNS = -7;
constexpr int crSizeNWSE = -8;
constexpr int crSizeWE = -9;
constexpr int crUpArrow = -10;
constexpr int crHourGlass = -11;
constexpr int crDrag = -12;
constexpr int crNoDrop = -13;
constexpr int crHSplit = -14;
constexpr int crVSplit = -15;
constexpr int crMultiDrag = -16;
constexpr int crSQLWait = -17;
constexpr int crNo = -18;
constexpr int crAppStart = -19;
constexpr int crHelp = -20;
constexpr int crHandPoint = -21;
constexpr int crSizeAll = -22;
constexpr int crPlotHand = 2020;

// "crPlotHand" <-> 2020 and the class library's names (any case when read).
// False for a name or number that is not one of them.
bool PlotIdentToCursor(const QString& name, int& cursor);
bool PlotCursorToIdent(int cursor, QString& name);

// Every cursor name, the class library's in their usual order, then "crPlotHand".
QStringList PlotCursorIdents();

// The Qt shape of a cursor number: the arrow for numbers without a cursor,
// and for crPlotHand while the engine is not running (start-up installs it).
Qt::CursorShape PlotCursorShape(int cursor);

// The engine's start-up and last shut-down install and remove crPlotHand.
void SetPlotHandCursorInstalled(bool installed);
