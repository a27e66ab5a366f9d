// Opens arbitrary bytes as a result file and walks every step. The bytes go
// to an anonymous in-memory file that the reader opens by its /proc path, so
// the reader runs exactly as on a file from disk.
#include "resultdata/TResultFile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

#include <sys/mman.h>
#include <unistd.h>

namespace {

int memoryFile() {
  static const int fd = memfd_create("veltrano-fuzz", MFD_CLOEXEC);
  if (fd < 0) std::abort();
  return fd;
}

// Touches every value the views could read, so that a pointer outside the
// step buffer shows up under AddressSanitizer.
float touch(const TResultFile& reader) {
  float sum = 0.0F;
  const std::int64_t nodes = reader.ArraySize() / 4;
  for (const TFieldArrays& arrays : reader.FieldTable()) {
    if (arrays.Values)
      for (std::int64_t k = 0; k < nodes; ++k) sum += arrays.Values[k];
    if (arrays.Directions)
      for (std::int64_t k = 0; k < nodes; ++k) sum += arrays.Directions[k];
  }
  return sum + static_cast<float>(reader.StepTime());
}

void check(const TResultFile& reader) {
  const std::int64_t nodes = std::int64_t{reader.Nx()} * reader.Ny();
  if (static_cast<std::int64_t>(reader.X().size()) != reader.Nx() ||
      static_cast<std::int64_t>(reader.Y().size()) != reader.Ny() ||
      static_cast<std::int64_t>(reader.CellMaterials().size()) != nodes ||
      static_cast<std::int64_t>(reader.Materials().size()) != reader.MaterialCount())
    std::abort();
  for (const TMaterialRecord& m : reader.Materials())
    for (const TMaterialCurve& c : m.Curves)
      if (c.EntryWidth > 0 && c.Data.size() % static_cast<std::size_t>(c.EntryWidth) != 0)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const int fd = memoryFile();
  if (ftruncate(fd, 0) != 0) std::abort();
  if (size > 0 && pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) std::abort();
  const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
  volatile float sink = 0.0F;
  try {
    TResultFile reader(path);
    check(reader);
    sink = sink + touch(reader);
    // A few hundred thousand tiny steps are possible; a bounded walk keeps
    // each input fast while still passing the wrap-around.
    const std::int64_t steps = std::min<std::int64_t>(reader.LastStepIndex() + 2, 2000);
    for (std::int64_t n = 0; n < steps; ++n) {
      try {
        reader.NextStep();
      } catch (const base::Exception&) {
      }
      sink = sink + touch(reader);
    }
    try {
      reader.PrevStep();
      reader.GotoStep(reader.LastStepIndex());
      reader.GotoStep(reader.LastStepIndex() / 2);
      reader.Rewind(true);
      reader.SavePosition();
      reader.NextStep();
      reader.RestorePosition();
    } catch (const base::Exception&) {
    }
    sink = sink + touch(reader);
  } catch (const base::Exception&) {
  }
  return 0;
}
