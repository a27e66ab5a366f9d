// Arbitrary bytes through the DDS decoder alone.
#include "fuzz/gl/DecodeFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzzDecoder(DecodeDds, data, size);
}
