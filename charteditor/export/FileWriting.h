#pragma once
// Writing the chart's files. Every file goes through SaveFileAtomically:
// `write` fills a temporary file that replaces `fileName` only when all of
// it was written, so a failure leaves the old file as it was. Raises
// ChartException naming the file when it cannot be created or written.
#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

void SaveFileAtomically(const QString& fileName, const std::function<void(QIODevice&)>& write);

// Writes all of `bytes` to `device`; raises ChartException saying which
// `what` (the bitmap, the chart, ...) could not be written.
void WriteWhole(QIODevice& device, const QByteArray& bytes, const QString& what);
