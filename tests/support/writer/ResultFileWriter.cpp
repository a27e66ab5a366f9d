#include "tests/support/writer/ResultFileWriter.h"

#include <QBuffer>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace resultwriter {

namespace {

// Appends to a device and counts bytes; records are length, data, length.
class Emitter {
 public:
  explicit Emitter(QIODevice& device, bool records) : device_(device), records_(records) {}

  std::int64_t pos() const { return pos_; }

  void bytes(const void* data, std::int64_t count) {
    if (count == 0) return;
    if (device_.write(static_cast<const char*>(data), count) != count)
      throw std::runtime_error("result file write failed: " + device_.errorString().toStdString());
    pos_ += count;
  }
  void zeros(std::int64_t count) {
    const QByteArray pad(static_cast<qsizetype>(count), '\0');
    bytes(pad.constData(), count);
  }
  void i16(std::int16_t value) {
    const auto le = qToLittleEndian(value);
    bytes(&le, 2);
  }
  void i32(std::int32_t value) {
    const auto le = qToLittleEndian(value);
    bytes(&le, 4);
  }
  void floats(const std::vector<float>& values) {
    bytes(values.data(), 4 * std::int64_t(values.size()));
  }

  // A record's markers around the bytes written by body; plain items have none.
  template <class Body>
  void item(std::int32_t length, Body body) {
    if (records_) i32(length);
    const std::int64_t start = pos_;
    body();
    if (pos_ - start != length) throw std::logic_error("record length mismatch");
    if (records_) i32(length);
  }

 private:
  QIODevice& device_;
  bool records_;
  std::int64_t pos_ = 0;
};

int entryWidth(int version, int curve) {
  if (version == 1) return curve == 5 ? 5 : 3;
  return curve == 4 ? 3 : 2;
}

std::int16_t entryCount(const Material& material, int version, int curve) {
  const auto& data = material.curves[static_cast<std::size_t>(curve)];
  const int width = entryWidth(version, curve);
  if (data.size() % static_cast<std::size_t>(width) != 0 || data.size() / width > 32767)
    throw std::invalid_argument("curve " + std::to_string(curve) +
                                " is no whole number of entries");
  return static_cast<std::int16_t>(data.size() / width);
}

void writeShortString(Emitter& out, const QByteArray& text, int size) {
  const auto length = static_cast<int>(std::min<qsizetype>(text.size(), size - 1));
  const auto lengthByte = static_cast<char>(length);
  out.bytes(&lengthByte, 1);
  out.bytes(text.constData(), length);
  out.zeros(size - 1 - length);
}

void writeRanges(Emitter& out, const Ranges& ranges) {
  for (const Range& r : ranges) {
    out.bytes(&r.min, 4);
    out.bytes(&r.max, 4);
  }
}

void writeMaterial(Emitter& out, const Material& m, int version) {
  out.item(50, [&] { writeShortString(out, m.name, 50); });
  out.item(6, [&] { out.zeros(6); });
  if (version == 1) {
    out.item(8, [&] {
      for (int curve : {0, 2, 5, 4}) out.i16(entryCount(m, version, curve));
    });
  } else {
    out.item(18, [&] {
      for (int curve : {0, 1, 2, 3, 5, 6, 7, 8, 4}) out.i16(entryCount(m, version, curve));
    });
  }
  out.item(44, [&] { out.bytes(m.values.data(), 44); });
  const std::vector<int> order =
      version == 1 ? std::vector<int>{0, 2, 4, 5} : std::vector<int>{0, 1, 2, 3, 5, 6, 7, 8, 4};
  for (int curve : order) {
    const auto& data = m.curves[static_cast<std::size_t>(curve)];
    out.item(static_cast<std::int32_t>(4 * data.size()), [&] { out.floats(data); });
  }
}

void writeStep(Emitter& out, const ResultFileSpec& spec, const Step& step) {
  const std::size_t nodes = std::size_t(spec.nx()) * std::size_t(spec.ny());
  const auto arrayBytes = static_cast<std::int32_t>(4 * nodes);
  out.item(8, [&] { out.bytes(&step.time, 8); });
  auto array = [&](const std::vector<float>& values) {
    out.item(arrayBytes, [&] {
      if (values.empty())
        out.zeros(arrayBytes);
      else if (values.size() == nodes)
        out.floats(values);
      else
        throw std::invalid_argument("a step array needs nx * ny values");
    });
  };
  for (int kind : spec.storedKinds()) {
    array(step.values[static_cast<std::size_t>(kind)]);
    if (kind >= 4) array(step.directions[static_cast<std::size_t>(kind)]);
  }
}

// firstStep < 0: work out the header's first-step offset (versions 3 and 4)
// by writing the body once to a scratch buffer.
void writeSpec(QIODevice& device, const ResultFileSpec& spec, Layout* layoutOut,
               std::int32_t firstStep = -1) {
  const bool records = spec.framing == Framing::Records;
  const int version = spec.version;
  if (records && version > 1) throw std::invalid_argument("records hold versions 0 and 1 only");
  if (spec.x.size() < 1 || spec.y.size() < 1)
    throw std::invalid_argument("a grid needs coordinates");
  Emitter out(device, records);
  Layout layout;
  const std::int64_t nodes = std::int64_t(spec.nx()) * spec.ny();

  const bool measuring = firstStep == 0;
  if (version < 3) {
    firstStep = 0;
  } else if (firstStep < 0) {
    ResultFileSpec bodyOnly = spec;
    bodyOnly.steps.clear();
    bodyOnly.generatedStepCount = 0;
    QBuffer scratch;
    scratch.open(QIODevice::WriteOnly);
    Layout measured;
    writeSpec(scratch, bodyOnly, &measured, 0);
    firstStep = static_cast<std::int32_t>(measured.firstStepOffset);
  }

  if (spec.framing == Framing::Prefixed) out.bytes(&spec.prefixWord, 4);
  out.item(36, [&] {
    out.bytes("\x09$k5mflow$", 10);
    out.i16(static_cast<std::int16_t>(version));
    out.zeros(20);
    out.i32(firstStep);
  });
  if (version >= 3) out.i32(0x0BADF00D);  // the extra word
  layout.bodyOffset = out.pos();

  if (records && version == 0) {
    out.i32(0);
    out.i32(12);
    out.zeros(12);
    out.i32(12);
    for (int n = 0; n < 8; ++n) out.item(8, [&] { out.zeros(8); });
  } else {
    out.item(64, [&] { out.zeros(64); });
  }
  if (records) {
    const char length = static_cast<char>(spec.startDate.size());
    out.item(1, [&] { out.bytes(&length, 1); });
    out.item(static_cast<std::int32_t>(spec.startDate.size()),
             [&] { out.bytes(spec.startDate.constData(), spec.startDate.size()); });
  } else {
    writeShortString(out, spec.startDate, 17);
  }
  out.item(16, [&] {
    for (std::int16_t entry : spec.slotTable) out.i16(entry);
  });
  if (version == 0)
    out.item(256, [&] {
      for (const QByteArray& name : spec.slotNames) {
        const auto length = std::min<qsizetype>(name.size(), 32);
        out.bytes(name.constData(), length);
        out.zeros(32 - length);
      }
    });
  out.item(9, [&] { out.zeros(9); });
  if (version >= 3) writeRanges(out, spec.ranges.value_or(Ranges{}));
  out.item(static_cast<std::int32_t>(8 + 4 * (spec.x.size() + spec.y.size())), [&] {
    layout.nxOffset = out.pos();
    out.i32(spec.nx());
    out.i32(spec.ny());
    out.floats(spec.x);
    out.floats(spec.y);
  });
  if (version >= 1) {
    out.item(4, [&] {
      layout.materialCountOffset = out.pos();
      out.i32(static_cast<std::int32_t>(spec.materials.size()));
    });
    out.item(static_cast<std::int32_t>(2 * nodes), [&] {
      if (spec.cellMaterials.empty()) {
        for (int i = 0; i < spec.nx(); ++i)
          for (int j = 0; j < spec.ny(); ++j) out.i16(i > 0 && j > 0 ? 1 : 0);
      } else if (std::int64_t(spec.cellMaterials.size()) == nodes) {
        out.bytes(spec.cellMaterials.data(), 2 * nodes);
      } else {
        throw std::invalid_argument("the cell table needs nx * ny entries");
      }
    });
    layout.firstMaterialOffset = out.pos();
    for (const Material& m : spec.materials) writeMaterial(out, m, version);
  }
  if (version >= 3) {
    out.zeros(spec.gapBeforeSteps);
    layout.firstStepOffset = out.pos();
    if (!measuring && firstStep != out.pos()) throw std::logic_error("first step offset mismatch");
  } else {
    layout.firstStepOffset = out.pos();
  }
  const std::int64_t arrays = [&] {
    std::int64_t n = 0;
    for (int kind : spec.storedKinds()) n += kind >= 4 ? 2 : 1;
    return n;
  }();
  layout.stepSize = records ? 16 + (4 * nodes + 8) * arrays : 8 + 4 * nodes * arrays;
  for (const Step& step : spec.steps) writeStep(out, spec, step);
  if (spec.generatedStepCount > 0) {
    Step step;
    for (int n = 0; n < spec.generatedStepCount; ++n) {
      spec.generateStep(n, step);
      writeStep(out, spec, step);
    }
  }
  if (version <= 2 && spec.ranges) {
    layout.trailerOffset = out.pos();
    if (records) {
      out.item(8, [&] { out.bytes("$minmax$", 8); });
      out.item(64, [&] { writeRanges(out, *spec.ranges); });
    } else {
      out.bytes("\x08$minmax$", 9);
      writeRanges(out, *spec.ranges);
    }
  }
  layout.fileSize = out.pos();
  if (layoutOut) *layoutOut = layout;
}

}  // namespace

void ResultFileSpec::setKinds(std::initializer_list<int> kinds) {
  slotTable.fill(version == 0 ? -1 : 0);
  int slot = 0;
  for (int kind : kinds) {
    if (kind < 0 || kind > 7) throw std::invalid_argument("field kinds are 0 to 7");
    if (version == 0)
      slotTable[static_cast<std::size_t>(slot++)] = static_cast<std::int16_t>(kind);
    else
      slotTable[static_cast<std::size_t>(kind)] = 1;
  }
}

std::vector<int> ResultFileSpec::storedKinds() const {
  std::vector<int> kinds;
  for (int s = 0; s < 8; ++s) {
    const int entry = slotTable[static_cast<std::size_t>(s)];
    const int low = entry & 0xff;
    if (version == 0) {
      if (entry >= 0 && low < 8) kinds.push_back(low);
    } else if (low != 0) {
      kinds.push_back(s);
    }
  }
  return kinds;
}

ResultFileSpec temperatureRunSpec(int count) {
  ResultFileSpec spec;
  spec.version = 2;
  spec.setKinds({2});
  spec.x = {0, 1, 3, 6, 10, 15};
  spec.y = {0, 2, 3, 7, 8, 11, 12};
  spec.generatedStepCount = count;
  spec.generateStep = [](int n, Step& step) {
    step.time = 1800.0 * n;
    step.values[2].assign(42, float(20 + 5 * std::sin(n / 10.0)));
  };
  return spec;
}

void addNumberedSteps(ResultFileSpec& spec, int count) {
  const std::size_t nodes = std::size_t(spec.nx()) * std::size_t(spec.ny());
  for (int n = 0; n < count; ++n) {
    Step step;
    step.time = 3600.0 * (n + 1);
    for (int kind : spec.storedKinds()) {
      step.values[static_cast<std::size_t>(kind)].assign(nodes, float(n * 100 + kind));
      if (kind >= 4)
        step.directions[static_cast<std::size_t>(kind)].assign(nodes, float(n * 100 + kind) + 0.5F);
    }
    spec.steps.push_back(std::move(step));
  }
}

QByteArray writeBytes(const ResultFileSpec& spec, Layout* layout) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  writeSpec(buffer, spec, layout);
  return bytes;
}

void writeFile(const ResultFileSpec& spec, const QString& path, Layout* layout) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                             file.errorString().toStdString());
  writeSpec(file, spec, layout);
  if (!file.commit())
    throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                             file.errorString().toStdString());
}

}  // namespace resultwriter
