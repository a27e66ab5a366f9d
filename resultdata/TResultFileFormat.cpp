#include "resultdata/TResultFileFormat.h"

#include "base/Cp1252.h"

#include <QtEndian>

#include <cmath>

namespace resultfile {

QString DecodeAnsi(const QByteArray& bytes) {
  return base::FromCp1252(bytes);
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
