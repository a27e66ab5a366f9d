#pragma once
// A picture a chart part shows or fills with (brush images, wall and panel
// backgrounds): the decoded image, what kind of file it came from, and
// whether its corner colour is drawn as transparent. Owners learn of a new
// image through the change handler. The chart file keeps the image and the
// flag as the picture's stored extras "Data" and "Transparent".
#include "chart/core/TPlotPersistent.h"

#include <QByteArray>
#include <QImage>

class TPicture : public TPlotPersistent {
  Q_OBJECT

 public:
  enum TPictureKind { pkNone, pkBitmap, pkIcon, pkMetafile, pkJpeg, pkPng };
  Q_ENUM(TPictureKind)

  explicit TPicture(ChangeHandler onChange = {}, QObject* parent = nullptr);

  const QImage& Image() const { return image_; }
  TPictureKind Kind() const { return kind_; }
  bool Empty() const { return image_.isNull(); }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }

  // A null image empties the picture. The same image again is no change.
  void SetImage(const QImage& image, TPictureKind kind = pkBitmap);
  void Clear();

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { Store(transparent_, value); }

  // Decodes untrusted bytes; on failure the picture is left as it was and
  // the answer is false.
  bool LoadFromData(const QByteArray& data);

  // The image to draw: with Transparent on, pixels of the bottom-left
  // colour become fully transparent.
  QImage DrawImage() const;

  void Assign(const TPicture& source);

  QStringList ExtraStoredNames() const override;
  QVariant ExtraStoredValue(const QString& name) const override;
  bool ReadExtraStored(const QString& name, const QVariant& value) override;

 private:
  QImage image_;
  TPictureKind kind_ = pkNone;
  bool transparent_ = false;
};
