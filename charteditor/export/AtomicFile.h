#pragma once
// Every file the chart writes goes through here: `write` fills a temporary
// file that replaces `fileName` only when all of it was written, so a
// failure leaves the old file as it was. Raises ChartException naming the
// file when it cannot be created or written.
#include <QString>

#include <functional>

class QIODevice;

void SaveFileAtomically(const QString& fileName, const std::function<void(QIODevice&)>& write);
