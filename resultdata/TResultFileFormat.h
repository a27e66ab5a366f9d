#pragma once
// Sizes and small decoders of the result-file layout shared by the header
// check, the body reader and the step navigation.
#include "resultdata/THeaderBlock.h"
#include "resultdata/THugeFile.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

namespace resultfile {

inline constexpr int HeaderBytes = 36;
inline constexpr char Magic[] = "\x09$k5mflow$";  // length byte 9 and the 9 characters
inline constexpr int MagicBytes = 10;
inline constexpr int MaxVersion = 4;
inline constexpr int StartDateChars = 16;
inline constexpr int SlotNameChars = 32;
inline constexpr int RangeBytes = 64;  // 8 x (f32 min, f32 max)
inline constexpr int MaterialNameBytes = 50;
// Name, 6 reserved bytes, counts and 11 values of a material record.
inline constexpr int MaterialFixedBytes = 50 + 6 + 9 * 2 + 11 * 4;
inline constexpr int MaterialFixedBytesV1 = 50 + 6 + 4 * 2 + 11 * 4;
// "$minmax$" as a short string of 9, then the ranges.
inline constexpr int TrailerBytes = 9 + RangeBytes;
inline constexpr char TrailerTag[] = "\x08$minmax$";
inline constexpr int TrailerTagBytes = 9;

// The short-read failure of the file layer, raised before a read or an
// allocation that the bytes left in the file could not fill.
inline EHugeFile ReadBeyondEnd() {
  return EHugeFile(QStringLiteral("Read beyond end of file"), hfReadBeyondEnd);
}

// Texts in the file are Windows-1252.
QString DecodeAnsi(const QByteArray& bytes);

// Ranges as stored, clamped: a minimum below -1000 (or NaN) reads as -1000,
// a maximum above 1e8 (or NaN) as 1e8.
void DecodeRanges(const unsigned char* bytes, std::array<TValueRange, FieldKindCount>& ranges);

// Ranges of a file that stores none.
std::array<TValueRange, FieldKindCount> DefaultRanges();

}  // namespace resultfile
