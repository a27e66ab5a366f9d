// Arbitrary bytes as format strings and number texts: Format, the user
// format check, FormatFloat, FormatDateTime and the number readers must
// raise or return, never crash.
#include "base/Convert.h"
#include "base/Exceptions.h"
#include "base/Format.h"
#include "base/FormatDateTime.h"
#include "base/FormatFloat.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 9) return 0;
  double value;
  std::memcpy(&value, data, sizeof value);
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data) + 9, static_cast<qsizetype>(size - 9));
  const uint8_t mode = data[8];
  try {
    switch (mode % 6) {
      case 0:
        (void)base::Format(text, {value, 42, "text", int64_t{-7}, 3.5});
        break;
      case 1:
        (void)base::Format(text, {7, 3, value});
        break;
      case 2:
        if (base::IsSingleFloatFormat(text)) (void)base::Format(text, {value});
        break;
      case 3:
        (void)base::FormatFloat(text, value);
        break;
      case 4:
        (void)base::FormatDateTime(text, value);
        break;
      default: {
        double d;
        (void)base::TryStrToFloat(text, d);
        (void)base::TryTolerantStrToFloat(text, d);
        int i;
        (void)base::TryStrToInt(text, i);
        int64_t l;
        (void)base::TryStrToInt64(text, l);
        break;
      }
    }
  } catch (const base::EConvertError&) {
    // A malformed format or a mismatched argument is reported, not fatal.
  }
  return 0;
}
