#include "viewer/view/InitialConditionsExport.h"

#include "base/Exceptions.h"
#include "base/FormatFloat.h"
#include "base/FormatSettings.h"
#include "resultdata/TResultFile.h"
#include "viewer/view/ViewHost.h"

#include <QBuffer>
#include <QSaveFile>

namespace {

constexpr int NumberWidth = 23;
const char LineEnd[] = "\r\n";

bool HasMaterial(std::span<const std::int16_t> materials, std::int64_t cell) {
  return cell < std::int64_t(materials.size()) && materials[std::size_t(cell)] > 0;
}

std::int64_t CellIndex(const InitialConditionsInput& in, int i, int j) {
  return std::int64_t(i) * in.ny + j;
}

void CheckSizes(const InitialConditionsInput& in) {
  if (in.nx < 0 || in.ny < 0) throw base::Exception(QStringLiteral("Invalid grid size"));
  const std::int64_t cells = std::int64_t(in.nx) * in.ny;
  // Coordinates of index 0 .. n - 2 are written; values of every inner cell.
  if (std::int64_t(in.x.size()) < in.nx - 1 || std::int64_t(in.y.size()) < in.ny - 1 ||
      std::int64_t(in.values.size()) < cells)
    throw base::Exception(QStringLiteral("The grid and its values do not match"));
}

void Put(QIODevice& device, const QByteArray& bytes) {
  if (device.write(bytes) != bytes.size())
    throw base::EFileError(QStringLiteral("Cannot write the file: %1").arg(device.errorString()));
}

}  // namespace

QByteArray InitialConditionsNumber(double v) {
  // ffExponent with 15 digits and a four-digit exponent is the real format
  // "d.ddddddddddddddE+dddd"; the sign's place is a blank for v >= 0.
  const QString text =
      base::FloatToStrF(v, base::ffExponent, 15, 4, base::FormatSettings::Invariant());
  return text.rightJustified(NumberWidth, QLatin1Char(' ')).toLatin1();
}

double InitialConditionsFill(const InitialConditionsInput& in) {
  if (in.kind != dkRelHumidity && in.kind != dkTemperature) return 0.0;
  double sum = 0.0;
  std::int64_t count = 0;
  for (int i = 1; i <= in.nx - 2; ++i)
    for (int j = 1; j <= in.ny - 2; ++j) {
      const std::int64_t c = CellIndex(in, i, j);
      if (!HasMaterial(in.materials, c)) continue;
      sum += double(in.values[std::size_t(c)]);
      ++count;
    }
  // Without a material cell there is no mean; 0 rather than 0 / 0.
  return count > 0 ? sum / double(count) : 0.0;
}

void WriteInitialConditions(QIODevice& device, const InitialConditionsInput& in) {
  CheckSizes(in);
  Put(device, QByteArray::number(in.nx - 2) + ' ' + QByteArray::number(in.ny - 2) + LineEnd);

  QByteArray line;
  for (int i = 0; i <= in.nx - 2; ++i)
    line += InitialConditionsNumber(double(in.x[std::size_t(i)]));
  Put(device, line + LineEnd);
  line.clear();
  for (int j = 0; j <= in.ny - 2; ++j)
    line += InitialConditionsNumber(double(in.y[std::size_t(j)]));
  Put(device, line + LineEnd);

  const QByteArray fill = InitialConditionsNumber(InitialConditionsFill(in));
  for (int i = 1; i <= in.nx - 2; ++i) {
    line.clear();
    for (int j = 1; j <= in.ny - 2; ++j) {
      const std::int64_t c = CellIndex(in, i, j);
      line += HasMaterial(in.materials, c)
                  ? InitialConditionsNumber(double(in.values[std::size_t(c)]))
                  : fill;
      line += ' ';
    }
    Put(device, line + LineEnd);
  }
}

QByteArray InitialConditionsText(const InitialConditionsInput& in) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  WriteInitialConditions(buffer, in);
  return bytes;
}

InitialConditionsInput InitialConditionsOf(const ViewHost& host, TDataKind kind) {
  InitialConditionsInput in;
  in.kind = kind;
  const TResultFile* reader = host.Reader();
  const float* values = kind < FieldKindCount ? host.FieldValues(kind) : nullptr;
  if (reader == nullptr || values == nullptr) return in;
  in.nx = reader->Nx();
  in.ny = reader->Ny();
  in.x = reader->X();
  in.y = reader->Y();
  in.materials = reader->CellMaterials();
  in.values = std::span<const float>(values, std::size_t(in.nx) * std::size_t(in.ny));
  return in;
}

bool RunInitialConditionsExport(ViewHost& host, TDataKind kind,
                                const std::function<QString()>& askFileName) {
  host.SavePosition();
  struct Restore {
    ViewHost& host;
    ~Restore() { host.RestorePosition(); }
  } restore{host};

  const QString path = askFileName ? askFileName() : QString();
  if (path.isEmpty()) return false;
  const InitialConditionsInput in = InitialConditionsOf(host, kind);
  if (in.nx == 0) return false;

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    throw base::EFileError(QStringLiteral("Cannot create %1: %2").arg(path, file.errorString()));
  WriteInitialConditions(file, in);
  if (!file.commit())
    throw base::EFileError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
  return true;
}
