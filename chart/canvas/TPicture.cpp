#include "chart/canvas/TPicture.h"

#include <QBuffer>
#include <QImageReader>

TPicture::TPicture(ChangeHandler onChange, QObject* parent)
    : TPlotPersistent(std::move(onChange), parent) {}

void TPicture::SetImage(const QImage& image, TPictureKind kind) {
  if (image.isNull()) kind = pkNone;
  if (image_ == image && kind_ == kind) return;
  image_ = image;
  kind_ = kind;
  Changed();
}

void TPicture::Clear() {
  if (image_.isNull() && kind_ == pkNone) return;
  SetImage(QImage());
}

bool TPicture::LoadFromData(const QByteArray& data) {
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  const QByteArray format = reader.format().toLower();
  QImage image;
  if (!reader.read(&image) || image.isNull()) return false;
  TPictureKind kind = pkBitmap;
  if (format == "png") {
    kind = pkPng;
  } else if (format == "jpeg" || format == "jpg") {
    kind = pkJpeg;
  } else if (format == "ico" || format == "cur") {
    kind = pkIcon;
  }
  SetImage(image, kind);
  return true;
}

QImage TPicture::DrawImage() const {
  if (!transparent_ || image_.isNull()) return image_;
  // The classic rule: the bottom-left pixel names the transparent colour.
  QImage out = image_.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = out.pixel(0, out.height() - 1) | 0xFF000000u;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if ((line[x] | 0xFF000000u) == key) line[x] = 0;
    }
  }
  return out;
}

void TPicture::Assign(const TPicture& source) {
  if (&source == this) return;
  if (image_ == source.image_ && kind_ == source.kind_ && transparent_ == source.transparent_)
    return;
  image_ = source.image_;
  kind_ = source.kind_;
  transparent_ = source.transparent_;
  Changed();
}

QStringList TPicture::ExtraStoredNames() const {
  return {QStringLiteral("Data"), QStringLiteral("Transparent")};
}

QVariant TPicture::ExtraStoredValue(const QString& name) const {
  if (name == QLatin1String("Data")) return image_;
  if (name == QLatin1String("Transparent")) return transparent_;
  return {};
}

bool TPicture::ReadExtraStored(const QString& name, const QVariant& value) {
  if (name == QLatin1String("Data")) {
    if (value.metaType().id() == QMetaType::QImage) SetImage(value.value<QImage>());
    return true;
  }
  if (name == QLatin1String("Transparent")) {
    if (value.metaType().id() == QMetaType::Bool) SetTransparent(value.toBool());
    return true;
  }
  return false;
}
