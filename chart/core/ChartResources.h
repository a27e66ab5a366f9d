#pragma once
// Images the gallery and the editors show beside a class, and the unloading
// of plug-in libraries. Images are Qt resources named ":/chart/<NAME>.png"
// with the name in upper case.
#include <QImage>
#include <QLibrary>
#include <QObject>
#include <QString>

// Loads the image named `name` (upper-cased), else `fallback`; false when
// neither exists, `image` then unchanged.
bool PlotLoadBitmap(QImage& image, const QString& name, const QString& fallback = {});

// The image of the object's class, else of its parent class.
bool PlotLoadClassBitmap(const QObject& object, QImage& image);

void PlotFreeLibrary(QLibrary& library);
