#pragma once
// Picture files a user picks for a brush or a background. The file is
// untrusted: its header is read first, and an image too large to decode
// safely is refused before any pixel memory is taken.
#include <QString>

class TPicture;

// Sides and decoded size beyond which a picture file is refused.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr qint64 kMaxPictureBytes = qint64(256) * 1024 * 1024;

// Loads `fileName` into `picture`. On failure `picture` is unchanged and
// `error` says why.
bool LoadPictureFile(TPicture& picture, const QString& fileName, QString& error);
