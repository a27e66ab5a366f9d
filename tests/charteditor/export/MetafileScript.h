#pragma once
// Drawings shared by the metafile tests: one that makes every call of the
// drawing backend, and a scene of plain shapes that converters draw alike.
#include "chart/canvas/DrawingBackend.h"

#include <QByteArray>

// Every backend call at least once, state changes and clips included.
void EveryCallScript(DrawingBackend& b);

// On a white 300×200 picture: a red filled rectangle, a blue polygon, a
// green ellipse, a yellow pie, a black line and a black "HHHH" text.
void ProbeScene(DrawingBackend& b);

// Reads a converter's output file; empty when it is missing.
QByteArray ReadFile(const QString& path);
