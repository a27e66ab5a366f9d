#include "charteditor/common/PictureFiles.h"

#include "chart/canvas/TPicture.h"

#include <QImage>
#include <QImageReader>

bool LoadPictureFile(TPicture& picture, const QString& fileName, QString& error) {
  QImageReader reader(fileName);
  // Qt's own limit would refuse quietly; ours comes with a message.
  reader.setAllocationLimit(0);
  const QSize size = reader.size();
  if (!reader.canRead() || !size.isValid()) {
    error = QStringLiteral("%1 is not a picture file that can be read.").arg(fileName);
    return false;
  }
  const qint64 bytes = qint64(size.width()) * size.height() * 4;
  if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide ||
      bytes > kMaxPictureBytes) {
    error = QStringLiteral("The picture in %1 is too large (%2 x %3 pixels).")
                .arg(fileName)
                .arg(size.width())
                .arg(size.height());
    return false;
  }
  const QByteArray format = reader.format().toLower();
  QImage image;
  if (!reader.read(&image) || image.isNull()) {
    error = QStringLiteral("%1 could not be read: %2").arg(fileName, reader.errorString());
    return false;
  }
  TPicture::TPictureKind kind = TPicture::pkBitmap;
  if (format == "png") {
    kind = TPicture::pkPng;
  } else if (format == "jpeg" || format == "jpg") {
    kind = TPicture::pkJpeg;
  }
  picture.SetImage(image, kind);
  return true;
}
