#pragma once
// Engine-wide defaults that the engine's start-up fills from the platform
// (the default GUI font) and every chart font starts from.
#include <QString>

QString DefaultChartFontName();
int DefaultChartFontSize();
void SetDefaultChartFont(const QString& name, int size);
