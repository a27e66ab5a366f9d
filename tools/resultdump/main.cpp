// veltrano-resultdump FILE
// Prints what the result-file reader sees in FILE: framing, version, start
// date, the kind of each slot, value ranges, grid size, materials with their
// cell counts, and the steps. Exits 1 with the reader's message when the file
// is refused, 2 on a usage error.
#include "base/DateTime.h"
#include "resultdata/TDataKind.h"
#include "resultdata/TResultFile.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <map>

namespace {

QString framingName(TResultFraming framing) {
  switch (framing) {
    case TResultFraming::Plain:
      return QStringLiteral("plain");
    case TResultFraming::Prefixed:
      return QStringLiteral("prefixed");
    case TResultFraming::Records:
      return QStringLiteral("records");
  }
  return QStringLiteral("?");
}

QString dateText(base::TDateTime date) {
  if (date == -1.0) return QStringLiteral("none");
  int year, month, day, hour, minute, second, msec;
  base::DecodeDate(date, year, month, day);
  base::DecodeTime(date, hour, minute, second, msec);
  return QStringLiteral("%1-%2-%3 %4:%5")
      .arg(year, 4, 10, QLatin1Char('0'))
      .arg(month, 2, 10, QLatin1Char('0'))
      .arg(day, 2, 10, QLatin1Char('0'))
      .arg(hour, 2, 10, QLatin1Char('0'))
      .arg(minute, 2, 10, QLatin1Char('0'));
}

void dump(TResultFile& reader, QTextStream& out) {
  const THeaderBlock& header = reader.HeaderBlock();
  out << "file:       " << reader.FileName() << '\n';
  out << "framing:    " << framingName(reader.Framing()) << '\n';
  out << "version:    " << reader.Version() << '\n';
  out << "start date: \"" << header.StartDateText << "\" = " << dateText(reader.StartDate())
      << '\n';
  out << "slots:\n";
  for (int s = 0; s < THeaderBlock::SlotCount; ++s) {
    const TDataKind kind = header.KindSlots[static_cast<std::size_t>(s)];
    out << "  " << s << ": "
        << (kind == dkEmpty ? QStringLiteral("empty") : DataKindLongName(kind));
    if (header.HasSlotNames) out << "  \"" << header.SlotNames[static_cast<std::size_t>(s)] << '"';
    out << '\n';
  }
  const char* source = reader.Version() >= 3      ? "body"
                       : reader.HasRangeTrailer() ? "trailer"
                                                  : "defaults";
  out << "ranges (" << source << "):\n";
  for (int k = 0; k < FieldKindCount; ++k) {
    const TValueRange& range = header.Ranges[static_cast<std::size_t>(k)];
    out << "  " << DataKindIniName(static_cast<TDataKind>(k)) << ": " << range.Min << " .. "
        << range.Max << '\n';
  }
  out << "grid:       nx = " << reader.Nx() << ", ny = " << reader.Ny() << ", width "
      << reader.X().back() - reader.X().front() << ", height "
      << reader.Y().back() - reader.Y().front() << '\n';

  std::map<int, long long> cells;
  for (std::int16_t m : reader.CellMaterials()) ++cells[m];
  out << "materials:  " << reader.MaterialCount() << '\n';
  for (int m = 0; m < reader.MaterialCount(); ++m) {
    TMaterialRecord rec;
    reader.GetMaterial(m, rec);
    out << "  " << m + 1 << " \"" << rec.Name << "\": " << cells[m + 1] << " cells\n";
  }
  long long inactive = 0;
  long long unknown = 0;
  for (const auto& [m, count] : cells) {
    if (m <= 0)
      inactive += count;
    else if (m > reader.MaterialCount())
      unknown += count;
  }
  out << "  inactive cells: " << inactive << '\n';
  if (unknown > 0) out << "  cells naming a missing material: " << unknown << '\n';

  const std::int64_t steps = reader.LastStepIndex() + 1;
  out << "steps:      " << steps << " of " << reader.RecordSize() << " bytes from offset "
      << reader.FirstStepOffset() << '\n';
  if (steps > 0) {
    reader.GotoStep(0);
    out << "  first step time: " << reader.StepTime() << " s\n";
    reader.GotoStep(steps - 1);
    out << "  last step time:  " << reader.StepTime() << " s\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 2) {
    err << "usage: veltrano-resultdump FILE\n";
    return 2;
  }
  try {
    TResultFile reader(args[1]);
    dump(reader, out);
  } catch (const base::Exception& e) {
    out.flush();
    err << args[1] << ": " << e.message() << '\n';
    return 1;
  }
  return 0;
}
