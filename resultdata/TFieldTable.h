#pragma once
// Per field kind, where the current step's arrays lie in the reader's step
// buffer: Nx * Ny floats each, node k = i * Ny + j. Both pointers are null for
// a kind the file does not hold; Directions (degrees) only for vector kinds.
// The pointers stay valid as long as the reader lives; each step read
// overwrites the values in place.
#include "resultdata/TDataKind.h"

#include <array>

struct TFieldArrays {
  const float* Values = nullptr;
  const float* Directions = nullptr;
};

using TFieldTable = std::array<TFieldArrays, FieldKindCount>;
