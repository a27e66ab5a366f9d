// Start-date texts come from result files: any 16 bytes must either parse or
// raise the conversion error.
#include "resultdata/StartDate.h"

#include "base/Exceptions.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text =
      QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size < 64 ? size : 64));
  try {
    (void)DateTextToDateTime(text);
  } catch (const base::EConvertError&) {
  }
  return 0;
}
