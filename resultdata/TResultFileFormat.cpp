#include "resultdata/TResultFileFormat.h"

#include <QtEndian>

#include <cmath>

namespace resultfile {

QString DecodeAnsi(const QByteArray& bytes) {
  // Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five bytes it
  // leaves undefined map to the C1 controls of the same value.
  static const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  QString text(bytes.size(), Qt::Uninitialized);
  for (qsizetype n = 0; n < bytes.size(); ++n) {
    const auto byte = static_cast<unsigned char>(bytes[n]);
    text[n] = QChar(byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char16_t{byte});
  }
  return text;
}

void DecodeRanges(const unsigned char* bytes, std::array<TValueRange, FieldKindCount>& ranges) {
  constexpr float Lowest = -1000.0F;
  constexpr float Highest = 1e8F;
  for (int kind = 0; kind < FieldKindCount; ++kind) {
    float min = qFromLittleEndian<float>(bytes + 8 * kind);
    float max = qFromLittleEndian<float>(bytes + 8 * kind + 4);
    if (!(min >= Lowest)) min = Lowest;
    if (!(max <= Highest)) max = Highest;
    ranges[static_cast<std::size_t>(kind)] = {min, max};
  }
}

std::array<TValueRange, FieldKindCount> DefaultRanges() {
  return {{{0.0F, 1000.0F},
           {0.0F, 1.0F},
           {-25.0F, 25.0F},
           {0.0F, 2000.0F},
           {0.0F, 100.0F},
           {0.0F, 100.0F},
           {0.0F, 100.0F},
           {0.0F, 10.0F}}};
}

}  // namespace resultfile
